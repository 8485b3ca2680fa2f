#include "tools/compila/rapporto.h"

#include <map>
#include <memory>
#include <string>

namespace strumento_compila {
namespace {

// A file's text and the index of its lines, read on the first diagnostic that needs them.
struct sorgente {
  std::string testo;
  std::unique_ptr<indice_righe> righe;  // none when the file cannot be read
};

class sorgenti {
 public:
  explicit sorgenti(piattaforma::file_system& fs) : fs_(fs) {}

  const indice_righe* righe_di(const std::string& file) {
    auto trovato = letti_.find(file);
    if (trovato == letti_.end()) {
      sorgente& s = letti_[file];
      if (fs_.leggi(file, s.testo).riuscito()) s.righe = std::make_unique<indice_righe>(s.testo);
      return s.righe.get();
    }
    return trovato->second.righe.get();
  }

 private:
  piattaforma::file_system& fs_;
  std::map<std::string, sorgente> letti_;
};

}  // namespace

void mostra_diagnostiche(piattaforma::file_system& fs, const std::vector<diagnostico>& diagnostiche,
                         std::string_view programma, std::ostream& uscita) {
  sorgenti s(fs);
  for (const diagnostico& d : diagnostiche) {
    if (d.file.empty()) {
      uscita << programma << ": " << d.messaggio() << "\n";
      continue;
    }
    const indice_righe* righe = d.posto ? s.righe_di(d.file) : nullptr;
    uscita << diagnostica(d.file, d.posto, d.messaggio(), righe);
  }
}

}  // namespace strumento_compila
