#include "driver/pacchetto.h"

#include <algorithm>

namespace guida {
namespace {

void aggiungi_intero(std::string& uscita, std::uint64_t valore, int byte) {
  for (int i = 0; i < byte; ++i) uscita.push_back(static_cast<char>((valore >> (8 * i)) & 0xFF));
}

std::uint64_t leggi_intero(std::string_view dati, std::size_t da, int byte) {
  std::uint64_t valore = 0;
  for (int i = byte - 1; i >= 0; --i) {
    valore = (valore << 8) | static_cast<unsigned char>(dati[da + static_cast<std::size_t>(i)]);
  }
  return valore;
}

// The texts in the order they are packed.
template <typename Testi>
auto campi(Testi& t) {
  return std::array{&t.nome_base, &t.codice_treno, &t.linea, &t.treno, &t.note, &t.rallentamenti, &t.scheda};
}

std::string pacchetto_di(const testi_scenario& testi) {
  std::string pacchetto;
  for (const std::string* testo : campi(testi)) {
    aggiungi_intero(pacchetto, testo->size(), 4);
    pacchetto += *testo;
  }
  return pacchetto;
}

// The payload's texts, or false when the counts do not add up to the payload exactly.
bool leggi_campi(std::string_view pacchetto, testi_scenario& testi) {
  std::size_t da = 0;
  for (std::string* testo : campi(testi)) {
    if (pacchetto.size() - da < 4) return false;
    const std::uint64_t lunghezza = leggi_intero(pacchetto, da, 4);
    da += 4;
    if (pacchetto.size() - da < lunghezza) return false;
    testo->assign(pacchetto.substr(da, static_cast<std::size_t>(lunghezza)));
    da += static_cast<std::size_t>(lunghezza);
  }
  return da == pacchetto.size();
}

piattaforma::esito danneggiato(const std::string& perche) {
  return piattaforma::esito::errore("installatore danneggiato: " + perche);
}

}  // namespace

std::uint32_t crc32(std::string_view dati) {
  static const std::array<std::uint32_t, 256> tavola = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  std::uint32_t c = 0xFFFFFFFFu;
  for (const char byte : dati) c = tavola[(c ^ static_cast<unsigned char>(byte)) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

std::string difetto_nome(std::string_view nome) {
  if (nome.empty()) return "e' vuoto";
  if (nome.size() > 100) return "supera i 100 caratteri";
  if (nome == "." || nome == "..") return "indica una cartella";
  for (const char c : nome) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) return "contiene un carattere di controllo";
    if (std::string_view("<>:\"/\\|?*").find(c) != std::string_view::npos) {
      return std::string("contiene '") + c + "', che un nome di file non ammette";
    }
  }
  // Windows drops them from the end of a name, so the file would be another one.
  if (nome.back() == '.' || nome.back() == ' ') return "termina con un punto o uno spazio";
  return {};
}

std::string componi_installatore(std::string_view programma, const testi_scenario& testi) {
  const std::string pacchetto = pacchetto_di(testi);
  std::string installatore(programma);
  installatore += pacchetto;
  aggiungi_intero(installatore, programma.size(), 8);
  aggiungi_intero(installatore, pacchetto.size(), 8);
  aggiungi_intero(installatore, crc32(pacchetto), 4);
  aggiungi_intero(installatore, versione_pacchetto, 4);
  installatore.append(magico.begin(), magico.end());
  return installatore;
}

piattaforma::esito estrai_scenario(std::string_view installatore, testi_scenario& testi) {
  const bool ha_coda =
      installatore.size() >= byte_coda && std::equal(magico.begin(), magico.end(), installatore.end() - magico.size());
  if (!ha_coda) {
    return piattaforma::esito::errore("installatore troncato o non valido: in fondo al file manca lo scenario");
  }
  const std::size_t coda = installatore.size() - byte_coda;
  const std::uint64_t programma = leggi_intero(installatore, coda, 8);
  const std::uint64_t pacchetto = leggi_intero(installatore, coda + 8, 8);
  const auto somma = static_cast<std::uint32_t>(leggi_intero(installatore, coda + 16, 4));
  const auto versione = static_cast<std::uint32_t>(leggi_intero(installatore, coda + 20, 4));
  if (versione != versione_pacchetto) {
    return piattaforma::esito::errore("installatore di un formato sconosciuto (versione " + std::to_string(versione) +
                                      ")");
  }
  // Compared without adding, so that no recorded size can overflow.
  if (programma > coda || pacchetto != coda - programma) {
    return danneggiato("le dimensioni registrate non corrispondono a quelle del file (" +
                       std::to_string(installatore.size()) + " byte)");
  }
  const std::string_view dati =
      installatore.substr(static_cast<std::size_t>(programma), static_cast<std::size_t>(pacchetto));
  if (crc32(dati) != somma) return danneggiato("lo scenario non corrisponde alla sua somma di controllo");
  testi_scenario letti;
  if (!leggi_campi(dati, letti)) return danneggiato("lo scenario non ha la forma attesa");
  for (const auto& [nome, quale] :
       {std::pair{&letti.nome_base, "il nome di base"}, std::pair{&letti.codice_treno, "il codice del treno"}}) {
    const std::string difetto = difetto_nome(*nome);
    if (!difetto.empty()) return danneggiato(std::string(quale) + " '" + *nome + "' " + difetto);
  }
  testi = std::move(letti);
  return piattaforma::esito::ok();
}

}  // namespace guida
