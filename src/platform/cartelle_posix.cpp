#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/file_system_posix.h"

namespace piattaforma {
namespace {

esito errore_di_sistema(const std::string& percorso, int codice) {
  if (codice == ENOENT) return esito::non_trovato(percorso, std::strerror(codice));
  return esito::errore(percorso, std::strerror(codice));
}

// The folder that holds `percorso`: "." for a bare name, "/" at the root.
std::string cartella_sopra(std::string percorso) {
  while (percorso.size() > 1 && percorso.back() == '/') percorso.pop_back();
  const std::size_t ultima = percorso.find_last_of('/');
  if (ultima == std::string::npos) return ".";
  if (ultima == 0) return "/";
  return percorso.substr(0, ultima);
}

}  // namespace

esito file_system_posix::cartella_scrivibile(const std::string& percorso) {
  // A missing folder can be made when the nearest folder above it that is there can be written.
  std::string cartella = percorso.empty() ? std::string(".") : percorso;
  for (;;) {
    struct stat info {};
    if (::stat(cartella.c_str(), &info) == 0) {
      if (!S_ISDIR(info.st_mode)) return esito::errore(cartella, "non e' una cartella");
      if (::access(cartella.c_str(), W_OK | X_OK) != 0) return errore_di_sistema(cartella, errno);
      return esito::ok();
    }
    if (errno != ENOENT) return errore_di_sistema(cartella, errno);
    const std::string sopra = cartella_sopra(cartella);
    if (sopra == cartella) return errore_di_sistema(cartella, ENOENT);
    cartella = sopra;
  }
}

}  // namespace piattaforma
