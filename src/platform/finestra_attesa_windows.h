#pragma once

#include <windows.h>

#include <string_view>

namespace piattaforma {

// The wait window `Form1` with its one label `Label1`, sized in twips as the
// window was designed and converted with the screen's DPI.
class finestra_attesa {
 public:
  finestra_attesa() = default;
  ~finestra_attesa() { chiudi(); }
  finestra_attesa(const finestra_attesa&) = delete;
  finestra_attesa& operator=(const finestra_attesa&) = delete;

  // Shows the window and paints it once, without waiting. Where no window can
  // be made (no display) it does nothing, and the run goes on without it.
  void mostra(std::string_view testo);
  void chiudi();
  HWND finestra() const { return finestra_; }

 private:
  HWND finestra_ = nullptr;
  HFONT carattere_ = nullptr;
};

}  // namespace piattaforma
