#include "tools/compila/opzioni_strumento.h"

namespace strumento_compila {
namespace {

constexpr std::string_view opzione_uscita = "--output";

bool e_opzione(std::string_view a) { return a.size() > 1 && a.front() == '-'; }

}  // namespace

std::optional<std::string> leggi_opzioni(std::span<const std::string> argomenti, std::string_view manca_uscita,
                                         const std::function<bool(std::string_view)>& opzione, opzioni_comuni& letti) {
  bool solo_nomi = false;  // after "--" every argument is a name, whatever it looks like
  for (std::size_t i = 0; i < argomenti.size(); ++i) {
    const std::string& a = argomenti[i];
    if (solo_nomi || !e_opzione(a)) {
      letti.nomi.push_back(a);
    } else if (a == "--") {
      solo_nomi = true;
    } else if (a == "--help" || a == "-h") {
      letti.aiuto = true;
      return std::nullopt;
    } else if (a == "--version") {
      letti.versione = true;
      return std::nullopt;
    } else if (a == opzione_uscita) {
      if (i + 1 == argomenti.size()) return std::string(manca_uscita);
      letti.uscita = argomenti[++i];
    } else if (a.starts_with(std::string(opzione_uscita) + "=")) {
      letti.uscita = a.substr(opzione_uscita.size() + 1);
    } else if (!opzione(a)) {
      return "opzione sconosciuta '" + a + "'";
    }
  }
  if (letti.uscita && letti.uscita->empty()) return std::string(manca_uscita);
  return std::nullopt;
}

opzione_con_valore togli_opzione(std::vector<std::string>& argomenti, std::string_view nome,
                                 std::string_view manca_valore) {
  opzione_con_valore o;
  const std::string con_uguale = std::string(nome) + "=";
  std::vector<std::string> restanti;
  for (std::size_t i = 0; i < argomenti.size(); ++i) {
    const std::string& a = argomenti[i];
    if (a == "--") {
      restanti.insert(restanti.end(), argomenti.begin() + static_cast<std::ptrdiff_t>(i), argomenti.end());
      break;
    }
    if (a == nome) {
      if (i + 1 == argomenti.size()) {
        o.errore = std::string(manca_valore);
        return o;
      }
      o.valore = argomenti[++i];
    } else if (a.starts_with(con_uguale)) {
      o.valore = a.substr(con_uguale.size());
    } else {
      restanti.push_back(a);
    }
  }
  if (o.valore && o.valore->empty()) o.errore = std::string(manca_valore);
  argomenti = std::move(restanti);
  return o;
}

}  // namespace strumento_compila
