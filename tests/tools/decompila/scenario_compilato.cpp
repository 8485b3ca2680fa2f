#include "scenario_compilato.h"

#include "formato/nomi_file.h"
#include "tools/compila/esegui_compila.h"
#include "tools/decompila/esegui_decompila.h"

namespace prova_decompila {

esito_strumento compila(piattaforma::file_system_memoria& fs, const std::string& cartella, const std::string& base,
                        const std::string& codice, const std::string& uscita, bool con_tracciato) {
  const formato::nomi_file n = formato::forma_nomi(cartella, base, codice);
  std::vector<std::string> argomenti = {n.linea_txt, n.treno_txt, "--output", uscita};
  if (!con_tracciato) argomenti.push_back("--no-geometry");
  std::ostringstream out;
  std::ostringstream err;
  const int stato = strumento_compila::esegui_compila(argomenti, fs, out, err);
  return {stato, out.str(), err.str()};
}

esito_strumento decompila(piattaforma::file_system_memoria& fs, const std::vector<std::string>& argomenti) {
  std::ostringstream out;
  std::ostringstream err;
  const int stato = decompila::esegui_decompila(argomenti, fs, out, err);
  return {stato, out.str(), err.str()};
}

std::map<std::string, std::string> binari(piattaforma::file_system_memoria& fs, const std::string& cartella,
                                          const std::string& base, const std::string& codice) {
  const formato::nomi_file n = formato::forma_nomi(cartella, base, codice);
  std::map<std::string, std::string> trovati;
  for (const std::string* p : {&n.tracciato_dat, &n.tabella_sim, &n.celle_dat}) {
    if (fs.esiste(*p)) trovati[p->substr(cartella.size() + 1)] = fs.file[*p];
  }
  return trovati;
}

std::string differenze(const std::map<std::string, std::string>& a, const std::map<std::string, std::string>& b) {
  std::string testo;
  for (const auto& [nome, byte] : a) {
    const auto altro = b.find(nome);
    if (altro == b.end()) {
      testo += nome + ": manca\n";
      continue;
    }
    if (byte == altro->second) continue;
    std::size_t i = 0;
    while (i < byte.size() && i < altro->second.size() && byte[i] == altro->second[i]) ++i;
    testo += nome + ": " + std::to_string(byte.size()) + " e " + std::to_string(altro->second.size()) +
             " byte, diversi dal byte " + std::to_string(i) + "\n";
  }
  for (const auto& [nome, byte] : b) {
    if (!a.contains(nome)) testo += nome + ": in pi\xF9\n";
  }
  return testo;
}

}  // namespace prova_decompila
