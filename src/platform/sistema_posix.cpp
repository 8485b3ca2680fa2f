#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <iostream>
#include <stdexcept>
#include <string>

#include "platform/file_system_posix.h"
#include "platform/piattaforma.h"

namespace piattaforma {
namespace {

// The terminal stands in for the window and the message box.
class sistema_posix : public sistema {
 public:
  std::string cartella_programma() override {
    const std::string eseguibile = percorso_programma();
    const auto ultimo = eseguibile.rfind('/');
    // For an executable in "/" this is the empty text, so that joining gives "/name".
    return eseguibile.substr(0, ultimo);
  }

  std::string percorso_programma() override {
    char percorso[PATH_MAX];
    const ssize_t lunghezza = ::readlink("/proc/self/exe", percorso, sizeof percorso - 1);
    if (lunghezza <= 0) {
      throw std::runtime_error(std::string("/proc/self/exe: ") + std::strerror(errno));
    }
    return std::string(percorso, static_cast<std::size_t>(lunghezza));
  }

  file_system& file() override { return file_; }

  void mostra_attesa(std::string_view testo) override { std::cerr << testo << std::endl; }

  void chiudi_attesa() override {}

  void messaggio(std::string_view titolo, std::string_view testo) override {
    std::cerr << titolo << ": " << testo << std::endl;
  }

 private:
  file_system_posix file_;
};

}  // namespace

sistema& sistema_reale() {
  static sistema_posix sistema;
  return sistema;
}

}  // namespace piattaforma
