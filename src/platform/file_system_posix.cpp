#include "platform/file_system_posix.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace piattaforma {
namespace {

esito errore_di_sistema(const std::string& percorso, int codice) {
  if (codice == ENOENT) return esito::non_trovato(percorso, std::strerror(codice));
  return esito::errore(percorso, std::strerror(codice));
}

}  // namespace

bool file_system_posix::esiste(const std::string& percorso) {
  struct stat info {};
  return ::stat(percorso.c_str(), &info) == 0;
}

esito file_system_posix::leggi(const std::string& percorso, std::string& contenuto) {
  const int fd = ::open(percorso.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    return errore_di_sistema(percorso, errno);
  }
  contenuto.clear();
  char blocco[65536];
  for (;;) {
    const ssize_t letti = ::read(fd, blocco, sizeof blocco);
    if (letti < 0) {
      if (errno == EINTR) continue;
      const int codice = errno;
      ::close(fd);
      return errore_di_sistema(percorso, codice);
    }
    if (letti == 0) break;
    contenuto.append(blocco, static_cast<std::size_t>(letti));
  }
  ::close(fd);
  return esito::ok();
}

namespace {

// Writes all of `dati` to `fd`; 0, or the errno of the failure.
int scrivi_tutto(int fd, std::string_view dati) {
  const char* da_scrivere = dati.data();
  std::size_t restanti = dati.size();
  while (restanti > 0) {
    const ssize_t scritti = ::write(fd, da_scrivere, restanti);
    if (scritti < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    da_scrivere += scritti;
    restanti -= static_cast<std::size_t>(scritti);
  }
  return 0;
}

}  // namespace

esito file_system_posix::scrivi(const std::string& percorso, std::string_view contenuto) {
  pezzo_unico pezzo(contenuto);
  return file_system_posix::scrivi_a_pezzi(percorso, pezzo);
}

// Each piece goes straight to the file: a large file is never held whole.
esito file_system_posix::scrivi_a_pezzi(const std::string& percorso, pezzi_contenuto& pezzi) {
  const int fd = ::open(percorso.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) {
    return errore_di_sistema(percorso, errno);
  }
  for (std::string_view pezzo = pezzi.prossimo(); !pezzo.empty(); pezzo = pezzi.prossimo()) {
    const int codice = scrivi_tutto(fd, pezzo);
    if (codice != 0) {
      ::close(fd);
      return errore_di_sistema(percorso, codice);
    }
  }
  // No fsync: like compilers and build tools the run relies on the rename for
  // atomicity (ext4 and its kin flush a file renamed over an older one), and a
  // sync per file would cost more than the whole run.
  // A delayed write error (a full disk on NFS, say) shows only at close.
  if (::close(fd) != 0) {
    return errore_di_sistema(percorso, errno);
  }
  return esito::ok();
}

esito file_system_posix::rinomina(const std::string& da, const std::string& a) {
  if (::rename(da.c_str(), a.c_str()) != 0) {
    return errore_di_sistema(a, errno);
  }
  return esito::ok();
}

esito file_system_posix::elimina(const std::string& percorso) {
  if (::unlink(percorso.c_str()) != 0) {
    return errore_di_sistema(percorso, errno);
  }
  return esito::ok();
}

// Whoever may read the file may run it, as `chmod +x` does under the usual umask.
esito file_system_posix::rendi_eseguibile(const std::string& percorso) {
  struct stat info {};
  if (::stat(percorso.c_str(), &info) != 0) {
    return errore_di_sistema(percorso, errno);
  }
  const mode_t lettura = info.st_mode & (S_IRUSR | S_IRGRP | S_IROTH);
  if (::chmod(percorso.c_str(), (info.st_mode & 07777) | (lettura >> 2)) != 0) {
    return errore_di_sistema(percorso, errno);
  }
  return esito::ok();
}

namespace {

bool e_cartella(const std::string& percorso) {
  struct stat info {};
  return ::stat(percorso.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

// Each folder on the way down, as `mkdir -p` does; the first that cannot be
// made is the one the failure names.
esito file_system_posix::crea_cartella(const std::string& percorso) {
  for (std::size_t fine = percorso.find('/', 1);; fine = percorso.find('/', fine + 1)) {
    const std::string parte = percorso.substr(0, fine);
    if (!e_cartella(parte) && ::mkdir(parte.c_str(), 0777) != 0) {
      if (errno != EEXIST) return errore_di_sistema(parte, errno);
      if (!e_cartella(parte)) return esito::errore(parte, std::strerror(ENOTDIR));
    }
    if (fine == std::string::npos) return esito::ok();
  }
}

}  // namespace piattaforma
