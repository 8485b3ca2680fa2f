#include "modifiche_casuali.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string_view>

namespace prova_decompila {
namespace {

struct record {
  std::string chiave;
  std::vector<std::string> valori;
};

std::string pulito(std::string_view s) {
  const auto a = s.find_first_not_of(' ');
  const auto b = s.find_last_not_of(' ');
  return a == std::string_view::npos ? std::string() : std::string(s.substr(a, b - a + 1));
}

record spezza(const std::string& riga) {
  record r;
  std::size_t da = 0;
  bool primo = true;
  while (true) {
    const std::size_t virgola = riga.find(',', da);
    const std::string pezzo = pulito(std::string_view(riga).substr(da, virgola - da));
    if (primo) {
      r.chiave = pezzo;
      primo = false;
    } else {
      r.valori.push_back(pezzo);
    }
    if (virgola == std::string::npos) return r;
    da = virgola + 1;
  }
}

std::string unisci(const record& r) {
  std::string riga = r.chiave;
  for (const std::string& v : r.valori) riga += ", " + v;
  return riga;
}

// The body records each file's edits touch, and the section each goes in.
struct genere {
  std::string_view chiave;  // a prefix of the keyword
  std::string_view sezione;
  bool linea;
};

constexpr std::array<genere, 11> generi = {{
    {"pendenza", "[pendenze]", true},
    {"curva", "[curve]", true},
    {"montagna", "[montagne]", true},
    {"indicatori_vmax", "[cartelli]", true},
    {"cartello_indicatore", "[indicazioni]", true},
    {"velocita", "[vel_limite]", false},
    {"aderenza", "[aderenze]", false},
    {"segnale", "[segnali]", false},
    {"rallentamento", "[rallentamenti]", false},
    {"abbattimento", "[segnali]", false},
    {"stazione", "[stazioni]", false},
}};

const genere* genere_di(const std::string& riga) {
  for (const genere& g : generi) {
    if (riga.rfind(g.chiave, 0) == 0) return &g;
  }
  return nullptr;
}

std::vector<std::size_t> indici_record(const std::vector<std::string>& righe) {
  std::vector<std::size_t> indici;
  for (std::size_t i = 0; i < righe.size(); ++i) {
    if (genere_di(righe[i]) != nullptr) indici.push_back(i);
  }
  return indici;
}

constexpr std::array<std::string_view, 4> testi_cartello = {"(Km 1+000)", "(Ponte)", "(Galleria  Nord)", "(Km 99+950)"};
constexpr std::array<std::string_view, 4> nomi_stazione = {"BORGO NUOVO", "SAN ROCCO", "VILLA D'ALBA", "PIANO"};

}  // namespace

std::vector<std::string> righe_di(const std::string& testo) {
  std::vector<std::string> righe;
  std::size_t da = 0;
  while (da < testo.size()) {
    const std::size_t fine = testo.find("\r\n", da);
    righe.push_back(testo.substr(da, fine - da));
    if (fine == std::string::npos) break;
    da = fine + 2;
  }
  return righe;
}

std::string testo_di(const std::vector<std::string>& righe) {
  std::string testo;
  for (const std::string& r : righe) testo += r + "\r\n";
  return testo;
}

std::int32_t modifiche_casuali::posizione() {
  std::int32_t p = tra(0, lunghezza_);
  if (vicino_a_) {
    p = std::max(0, *vicino_a_ + tra(-400, 400));
    vicino_a_.reset();
  }
  return tra(0, 3) == 0 ? p : p / 50 * 50;
}

std::string modifiche_casuali::record_nuovo(bool linea, std::string& sezione) {
  std::vector<const genere*> scelte;
  for (const genere& g : generi) {
    if (g.linea == linea && g.chiave != "stazione") scelte.push_back(&g);
  }
  const genere& g = *scelte[static_cast<std::size_t>(tra(0, static_cast<std::int32_t>(scelte.size()) - 1))];
  sezione = std::string(g.sezione);
  const std::int32_t p = posizione();
  const auto n = [&](std::int32_t da, std::int32_t a) { return std::to_string(tra(da, a)); };
  const std::string ps = std::to_string(p);
  if (g.chiave == "pendenza") return "pendenza, " + ps + ", " + n(-30, 30);
  if (g.chiave == "curva") {
    return std::string("curva") + (tra(0, 1) == 0 ? "s" : "d") + n(1, 6) + ", " + ps + ", " + n(1, 1500);
  }
  if (g.chiave == "montagna") {
    static constexpr std::int32_t tipi[] = {1, 2, 3, 4, 11, 12, 13, 14};
    return "montagna, " + ps + ", " + std::to_string(p + tra(0, 3000)) + ", " + std::to_string(tipi[tra(0, 7)]);
  }
  if (g.chiave == "indicatori_vmax") {
    std::string r = "indicatori_vmax, " + ps;
    for (int lato = 0; lato < 2; ++lato) {
      for (int v = 0; v < 3; ++v) r += ", " + std::to_string(5 * tra(6, 36));
      r += ", " + n(0, 2);
    }
    return r;
  }
  if (g.chiave == "cartello_indicatore") {
    return "cartello_indicatore, " + ps + ", " + std::string(testi_cartello[static_cast<std::size_t>(tra(0, 3))]);
  }
  if (g.chiave == "velocita") return "velocita, " + ps + ", " + std::to_string(5 * tra(4, 36));
  if (g.chiave == "aderenza") return "aderenza, " + ps + ", " + n(50, 100);
  if (g.chiave == "segnale") {
    return "segnale, " + std::to_string(std::max(p, 400)) + ", " + n(0, 2) + ", " + n(0, 4) + ", " + n(0, 4) + ", " +
           n(0, 4) + ", " + n(0, 1) + ", " + n(0, 2) + ", " + n(0, 4) + ", " + n(0, 4) + ", " + n(0, 4) + ", " +
           n(0, 150);
  }
  if (g.chiave == "rallentamento") {
    const std::int32_t v = 10 * tra(2, 14);
    return "rallentamento, " + ps + ", " + std::to_string(v) + ", " + std::to_string(50 * tra(2, 40)) + ", " + n(0, 1) +
           ", " + n(0, 1) + ", " + std::to_string(tra(0, 1) * (v - 10));
  }
  return "abbattimento, " + ps + ", " + (tra(0, 1) == 0 ? std::string("0") : n(1, 300));
}

std::string modifiche_casuali::aggiungi(std::vector<std::string>& righe, bool linea, bool ovunque) {
  std::string sezione;
  const std::string nuovo = record_nuovo(linea, sezione);
  const auto primo_corpo =
      std::find_if(righe.begin() + 1, righe.end(), [](const std::string& r) { return r.rfind('[', 0) == 0; });
  const auto intestazione = ovunque ? primo_corpo : std::find(righe.begin(), righe.end(), sezione);
  const auto fine =
      ovunque ? righe.end() - 1
              : std::find_if(intestazione + 1, righe.end(), [](const std::string& r) { return r.rfind('[', 0) == 0; });
  const auto dove = intestazione + 1 + tra(0, static_cast<std::int32_t>(fine - intestazione - 1));
  righe.insert(dove, nuovo);
  return "aggiunto '" + nuovo + "'";
}

std::string modifiche_casuali::accosta(std::vector<std::string>& righe, bool linea) {
  const auto indici = indici_record(righe);
  if (!indici.empty()) {
    const std::size_t i = indici[static_cast<std::size_t>(tra(0, static_cast<std::int32_t>(indici.size()) - 1))];
    const record r = spezza(righe[i]);
    if (!r.valori.empty()) vicino_a_ = std::stoi(r.valori[0]);
  }
  return aggiungi(righe, linea) + " vicino a un altro";
}

std::string modifiche_casuali::togli(std::vector<std::string>& righe) {
  const auto indici = indici_record(righe);
  if (indici.empty()) return "niente da togliere";
  const std::size_t i = indici[static_cast<std::size_t>(tra(0, static_cast<std::int32_t>(indici.size()) - 1))];
  const std::string tolta = righe[i];
  righe.erase(righe.begin() + static_cast<std::ptrdiff_t>(i));
  return "tolto '" + tolta + "'";
}

std::string modifiche_casuali::sposta(std::vector<std::string>& righe) {
  const auto indici = indici_record(righe);
  if (indici.empty()) return "niente da spostare";
  const std::size_t i = indici[static_cast<std::size_t>(tra(0, static_cast<std::int32_t>(indici.size()) - 1))];
  record r = spezza(righe[i]);
  // Stations stand at multiples of 50.
  const std::int32_t passo = r.chiave == "stazione" ? 50 * tra(-60, 60) : tra(-3000, 3000);
  r.valori[0] = std::to_string(std::max(0, std::stoi(r.valori[0]) + passo));
  const std::string prima = righe[i];
  righe[i] = unisci(r);
  return "spostato '" + prima + "' in '" + righe[i] + "'";
}

std::string modifiche_casuali::cambia(std::vector<std::string>& righe) {
  const auto indici = indici_record(righe);
  if (indici.empty()) return "niente da cambiare";
  const std::size_t i = indici[static_cast<std::size_t>(tra(0, static_cast<std::int32_t>(indici.size()) - 1))];
  record r = spezza(righe[i]);
  if (r.valori.size() < 2) return "niente da cambiare";
  const auto campo = static_cast<std::size_t>(tra(1, static_cast<std::int32_t>(r.valori.size()) - 1));
  std::string& v = r.valori[campo];
  if (r.chiave == "stazione") {
    // Kinds, platform lengths (multiples of 100), small bytes and shorts, times, names.
    switch (campo) {
      case 1: v = std::to_string(std::array{2, 4, 8, 12, 22, 28}[static_cast<std::size_t>(tra(0, 5))]); break;
      case 2: v = std::to_string(100 * tra(2, 8)); break;
      case 16: v = nomi_stazione[static_cast<std::size_t>(tra(0, 3))]; break;
      case 12: v = std::to_string(tra(0, 120)); break;
      case 13: v = std::to_string(tra(0, 23)); break;
      case 14:
      case 15: v = std::to_string(tra(0, 59)); break;
      default: v = std::to_string(tra(0, 5)); break;
    }
  } else if (r.chiave == "cartello_indicatore") {
    v = testi_cartello[static_cast<std::size_t>(tra(0, 3))];
  } else if (r.chiave.rfind("curva", 0) == 0) {
    v = std::to_string(tra(1, 1500));
  } else {
    // Near the value there: a digit stays a digit, a speed a speed.
    const std::int32_t vecchio = v.empty() ? 0 : std::stoi(v);
    const std::int32_t scarto = std::max(2, std::abs(vecchio) / 4);
    std::int32_t nuovo = vecchio + tra(-scarto, scarto);
    if (r.chiave == "velocita" || r.chiave == "indicatori_vmax") nuovo = std::max(0, nuovo / 5 * 5);
    if (r.chiave == "aderenza") nuovo = std::clamp(nuovo, 0, 255);
    v = std::to_string(nuovo);
  }
  const std::string prima = righe[i];
  righe[i] = unisci(r);
  return "cambiato '" + prima + "' in '" + righe[i] + "'";
}

std::string modifiche_casuali::cambia_generale(std::vector<std::string>& righe) {
  const auto fine =
      std::find_if(righe.begin() + 1, righe.end(), [](const std::string& r) { return r.rfind('[', 0) == 0; });
  const auto quante = static_cast<std::int32_t>(fine - righe.begin()) - 1;
  if (quante < 1) return "niente da cambiare";
  std::string& riga = righe[static_cast<std::size_t>(tra(1, quante))];
  record r = spezza(riga);
  const std::string prima = riga;
  const auto cinquanta = [&](std::int32_t massimo) { return std::to_string(50 * tra(0, massimo / 50)); };
  if (r.chiave.rfind("progressiva", 0) == 0 && r.valori.size() == 3) {
    r.valori = {tra(0, 2) == 0 ? "0" : cinquanta(lunghezza_), cinquanta(500000), std::to_string(tra(0, 1))};
  } else if (r.chiave.rfind("ripetizione", 0) == 0 && r.valori.size() == 2) {
    r.chiave = tra(0, 1) == 0 ? "ripetizione segnali 4 codici" : "ripetizione segnali 9 codici";
    r.valori = {cinquanta(lunghezza_), tra(0, 3) == 0 ? "0" : cinquanta(lunghezza_)};
  } else if (r.chiave == "orologio") {
    riga =
        "orologio, " + std::to_string(tra(0, 23)) + " " + std::to_string(tra(0, 59)) + " " + std::to_string(tra(0, 59));
    return "cambiato '" + prima + "' in '" + riga + "'";
  } else if (!r.valori.empty()) {
    r.valori[0] = std::to_string(tra(0, 300));
  }
  riga = unisci(r);
  return "cambiato '" + prima + "' in '" + riga + "'";
}

std::string modifiche_casuali::modifica(descrizioni& d) {
  const bool linea = tra(0, 1) == 0;
  std::string& testo = linea ? d.linea : d.treno;
  std::vector<std::string> righe = righe_di(testo);
  std::string fatto;
  switch (tra(0, 10)) {
    case 10: fatto = cambia_generale(righe); break;
    case 0:
    case 1: fatto = aggiungi(righe, linea); break;
    case 2: fatto = aggiungi(righe, linea, true) + " fuori dalla sua sezione"; break;
    case 3:
    case 4: fatto = accosta(righe, linea); break;
    case 5: fatto = togli(righe); break;
    case 6:
    case 7: fatto = sposta(righe); break;
    default: fatto = cambia(righe); break;
  }
  testo = testo_di(righe);
  return fatto;
}

}  // namespace prova_decompila
