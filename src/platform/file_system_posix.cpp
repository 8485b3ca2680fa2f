#include "platform/file_system_posix.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <thread>

#include "platform/cartella_riservata.h"

namespace piattaforma {
namespace {

esito errore_di_sistema(const std::string& percorso, int codice) {
  if (codice == ENOENT) return esito::non_trovato(percorso, std::strerror(codice));
  if (codice == EEXIST) return esito::esistente(percorso, std::strerror(codice));
  return esito::errore(percorso, std::strerror(codice));
}

genere_file genere_di(mode_t modo) {
  if (S_ISREG(modo)) return genere_file::regolare;
  if (S_ISLNK(modo)) return genere_file::collegamento;
  if (S_ISDIR(modo)) return genere_file::cartella;
  if (S_ISFIFO(modo)) return genere_file::fifo;
  if (S_ISCHR(modo) || S_ISBLK(modo)) return genere_file::dispositivo;
  return genere_file::altro;
}

// Closes the descriptor on every way out; the write path closes it itself to check the result.
class descrittore {
 public:
  explicit descrittore(int fd) : fd_(fd) {}
  ~descrittore() {
    if (fd_ >= 0) ::close(fd_);
  }
  descrittore(const descrittore&) = delete;
  descrittore& operator=(const descrittore&) = delete;

  int get() const { return fd_; }
  int chiudi() { return ::close(std::exchange(fd_, -1)); }

 private:
  int fd_;
};

// The file at `percorso` (links followed) when it is a regular file of at
// most `massimo` bytes; the failure that says why not otherwise.
esito verifica_da_leggere(const std::string& percorso, const struct stat& info, std::size_t massimo) {
  if (!S_ISREG(info.st_mode)) return esito::errore(percorso, ragione_non_regolare(genere_di(info.st_mode)));
  const auto byte = static_cast<std::uintmax_t>(info.st_size);
  if (byte > massimo) return esito::errore(percorso, ragione_troppo_grande(byte, massimo));
  return esito::ok();
}

esito leggi_entro(const std::string& percorso, std::string& contenuto, std::size_t massimo) {
  // Looked at before it is opened: opening a device can itself do something.
  struct stat info {};
  if (::stat(percorso.c_str(), &info) != 0) return errore_di_sistema(percorso, errno);
  esito adatto = verifica_da_leggere(percorso, info, massimo);
  if (!adatto.riuscito()) return adatto;
  // Without waiting, and looked at again once open: what the name
  // meant may have changed since, and a FIFO opened to read would wait for a writer.
  descrittore file(::open(percorso.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (file.get() < 0) return errore_di_sistema(percorso, errno);
  if (::fstat(file.get(), &info) != 0) return errore_di_sistema(percorso, errno);
  adatto = verifica_da_leggere(percorso, info, massimo);
  if (!adatto.riuscito()) return adatto;

  contenuto.clear();
  char blocco[65536];
  for (;;) {
    const ssize_t letti = ::read(file.get(), blocco, sizeof blocco);
    if (letti < 0) {
      if (errno == EINTR) continue;
      return errore_di_sistema(percorso, errno);
    }
    if (letti == 0) break;
    contenuto.append(blocco, static_cast<std::size_t>(letti));
    // A file that grows while it is read.
    if (contenuto.size() > massimo) return esito::errore(percorso, ragione_troppo_grande(contenuto.size(), massimo));
  }
  return esito::ok();
}

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

class blocco_posix : public blocco_cartella {
 public:
  explicit blocco_posix(int fd) : fd_(fd) {}
  ~blocco_posix() override { ::close(fd_); }  // closing lets the lock go
  blocco_posix(const blocco_posix&) = delete;
  blocco_posix& operator=(const blocco_posix&) = delete;

 private:
  int fd_;
};

}  // namespace

bool file_system_posix::esiste(const std::string& percorso) {
  struct stat info {};
  return ::stat(percorso.c_str(), &info) == 0;
}

esito file_system_posix::leggi(const std::string& percorso, std::string& contenuto) {
  return leggi_entro(percorso, contenuto, std::numeric_limits<std::size_t>::max());
}

esito file_system_posix::leggi_al_massimo(const std::string& percorso, std::string& contenuto, std::size_t massimo) {
  return leggi_entro(percorso, contenuto, massimo);
}

esito file_system_posix::scrivi(const std::string& percorso, std::string_view contenuto) {
  pezzo_unico pezzo(contenuto);
  return file_system_posix::scrivi_a_pezzi(percorso, pezzo);
}

// Each piece goes straight to the file: a large file is never held whole.
esito file_system_posix::scrivi_a_pezzi(const std::string& percorso, pezzi_contenuto& pezzi) {
  // New or nothing: whatever is at the path, a link or a FIFO included, is
  // never opened, followed or truncated.
  descrittore file(::open(percorso.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
  if (file.get() < 0) return errore_di_sistema(percorso, errno);
  for (std::string_view pezzo = pezzi.prossimo(); !pezzo.empty(); pezzo = pezzi.prossimo()) {
    const int codice = scrivi_tutto(file.get(), pezzo);
    if (codice != 0) return errore_di_sistema(percorso, codice);
  }
  // No fsync: like compilers and build tools the run relies on the rename for
  // atomicity (ext4 and its kin flush a file renamed over an older one), and a
  // sync per file would cost more than the whole run.
  // A delayed write error (a full disk on NFS, say) shows only at close.
  if (file.chiudi() != 0) return errore_di_sistema(percorso, errno);
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

genere_file file_system_posix::genere(const std::string& percorso) {
  struct stat info {};
  // A path that cannot be looked at holds nothing this run knows of; writing there will say why.
  if (::lstat(percorso.c_str(), &info) != 0) return genere_file::assente;
  return genere_di(info.st_mode);
}

esito file_system_posix::elenca(const std::string& cartella, std::vector<std::string>& nomi) {
  DIR* d = ::opendir(cartella.c_str());
  if (d == nullptr) return errore_di_sistema(cartella, errno);
  nomi.clear();
  errno = 0;
  while (const dirent* voce = ::readdir(d)) {
    const std::string_view nome(voce->d_name);
    if (nome != "." && nome != "..") nomi.emplace_back(nome);
  }
  const int codice = errno;
  ::closedir(d);
  if (codice != 0) return errore_di_sistema(cartella, codice);
  return esito::ok();
}

bool file_system_posix::stesso_file(const std::string& a, const std::string& b) {
  struct stat info_a {};
  struct stat info_b {};
  if (::stat(a.c_str(), &info_a) == 0 && ::stat(b.c_str(), &info_b) == 0) {
    return info_a.st_dev == info_b.st_dev && info_a.st_ino == info_b.st_ino;
  }
  return stesso_percorso(a, b);
}

esito file_system_posix::blocca(const std::string& cartella, std::chrono::milliseconds attesa,
                                std::unique_ptr<blocco_cartella>& blocco) {
  blocco.reset();
  const int fd = ::open(cartella.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  // A folder not there, or not readable: the run's own writes will say so.
  if (fd < 0) return esito::ok();
  const auto scadenza = std::chrono::steady_clock::now() + attesa;
  auto pausa = std::chrono::milliseconds(2);
  for (;;) {
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
      blocco = std::make_unique<blocco_posix>(fd);
      return esito::ok();
    }
    if (errno == EINTR) continue;
    if (errno != EWOULDBLOCK) {
      // No locks on this file system (ENOLCK, EINVAL): the run goes on without.
      ::close(fd);
      return esito::ok();
    }
    if (std::chrono::steady_clock::now() >= scadenza) {
      ::close(fd);
      return esito::errore(cartella, ragione_cartella_occupata(attesa));
    }
    // Short at first, since a run takes a few milliseconds; never long, so a waiting run starts soon after.
    std::this_thread::sleep_for(pausa);
    pausa = std::min(pausa * 2, std::chrono::milliseconds(50));
  }
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
