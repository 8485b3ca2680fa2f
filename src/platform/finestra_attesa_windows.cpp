#include "platform/finestra_attesa_windows.h"

#include "platform/testo_windows.h"

namespace piattaforma {
namespace {

constexpr wchar_t nome_classe[] = L"Form1";
constexpr int twips_per_pollice = 1440;

// The window as designed, in twips.
constexpr int larghezza_client = 4200;
constexpr int altezza_client = 2688;
constexpr int etichetta_sinistra = 960;
constexpr int etichetta_alto = 960;
constexpr int etichetta_larghezza = 2652;
constexpr int etichetta_altezza = 792;
constexpr int punti_carattere = 24;

constexpr DWORD stile_finestra = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

struct punti_per_pollice {
  int x;
  int y;
};

punti_per_pollice dpi_schermo() {
  HDC schermo = ::GetDC(nullptr);
  punti_per_pollice dpi{96, 96};
  if (schermo != nullptr) {
    dpi = {::GetDeviceCaps(schermo, LOGPIXELSX), ::GetDeviceCaps(schermo, LOGPIXELSY)};
    ::ReleaseDC(nullptr, schermo);
  }
  return dpi;
}

int in_pixel(int twips, int dpi) { return ::MulDiv(twips, dpi, twips_per_pollice); }

bool registra_classe(HINSTANCE istanza) {
  WNDCLASSEXW classe{};
  classe.cbSize = sizeof classe;
  classe.lpfnWndProc = ::DefWindowProcW;
  classe.hInstance = istanza;
  classe.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  classe.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  classe.lpszClassName = nome_classe;
  // A second window in the same process finds the class already there.
  return ::RegisterClassExW(&classe) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

void finestra_attesa::mostra(std::string_view testo) {
  chiudi();
  HINSTANCE istanza = ::GetModuleHandleW(nullptr);
  if (!registra_classe(istanza)) return;
  const punti_per_pollice dpi = dpi_schermo();

  RECT bordi{0, 0, in_pixel(larghezza_client, dpi.x), in_pixel(altezza_client, dpi.y)};
  ::AdjustWindowRectEx(&bordi, stile_finestra, FALSE, 0);
  finestra_ = ::CreateWindowExW(0, nome_classe, nome_classe, stile_finestra, CW_USEDEFAULT, CW_USEDEFAULT,
                                bordi.right - bordi.left, bordi.bottom - bordi.top, nullptr, nullptr,
                                istanza, nullptr);
  if (finestra_ == nullptr) return;

  HWND etichetta = ::CreateWindowExW(
      0, L"STATIC", in_largo(testo).c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT,
      in_pixel(etichetta_sinistra, dpi.x), in_pixel(etichetta_alto, dpi.y), in_pixel(etichetta_larghezza, dpi.x),
      in_pixel(etichetta_altezza, dpi.y), finestra_, nullptr, istanza, nullptr);
  carattere_ = ::CreateFontW(-::MulDiv(punti_carattere, dpi.y, 72), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE,
                             ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, L"MS Sans Serif");
  if (etichetta != nullptr && carattere_ != nullptr) {
    ::SendMessageW(etichetta, WM_SETFONT, reinterpret_cast<WPARAM>(carattere_), FALSE);
  }

  ::ShowWindow(finestra_, SW_SHOWNORMAL);
  ::UpdateWindow(finestra_);
}

void finestra_attesa::chiudi() {
  if (finestra_ != nullptr) {
    ::DestroyWindow(finestra_);
    finestra_ = nullptr;
  }
  if (carattere_ != nullptr) {
    ::DeleteObject(carattere_);
    carattere_ = nullptr;
  }
}

}  // namespace piattaforma
