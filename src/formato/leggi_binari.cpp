#include "formato/leggi_binari.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>

#include "formato/campi.h"
#include "formato/codifica.h"
#include "formato/dimensioni.h"

namespace formato {
namespace {

// Takes fields little-endian from the front of a byte string. A read past
// the end records one failure, "byte <offset>: ...", and every later read
// yields 0, so a caller checks once per record instead of once per field.
class lettore {
 public:
  explicit lettore(std::string_view byte) : byte_(byte) {}

  std::size_t posizione() const { return posizione_; }
  std::size_t restanti() const { return byte_.size() - posizione_; }
  bool fallito() const { return !errore_.empty(); }
  const std::string& errore() const { return errore_; }

  // Names the record being read, for the failure text (" della voce 3");
  // formatted only on failure, since the geometry has many elements.
  void contesto(std::string_view genere, std::size_t indice) {
    genere_ = genere;
    indice_ = indice;
  }

  void fallisci(std::size_t posizione, const std::string& testo) {
    if (!fallito()) errore_ = "byte " + std::to_string(posizione) + ": " + testo;
  }

  std::uint8_t u8(std::string_view campo) { return prendi<1>(campo, prendi_u8); }
  std::uint16_t u16(std::string_view campo) { return prendi<2>(campo, prendi_u16); }
  std::int16_t i16(std::string_view campo) { return prendi<2>(campo, prendi_i16); }
  std::int32_t i32(std::string_view campo) { return prendi<4>(campo, prendi_i32); }
  double f64(std::string_view campo) { return prendi<8>(campo, prendi_f64); }

  // The fields of a record, as visita_campi gives them.
  void operator()(std::string_view campo, std::uint8_t& v) { v = u8(campo); }
  void operator()(std::string_view campo, std::int16_t& v) { v = i16(campo); }
  void operator()(std::string_view campo, std::int32_t& v) { v = i32(campo); }
  void operator()(std::string_view campo, std::string& v) { v = testo(campo); }

  // A 16-bit byte count, then that many bytes of text.
  std::string testo(std::string_view campo) {
    const std::size_t inizio = posizione_;
    const std::size_t lunghezza = u16(campo);
    if (fallito()) return {};
    if (lunghezza > restanti()) {
      fallisci(inizio, std::string(campo) + contesto() + " dichiara " + std::to_string(lunghezza) +
                           " byte, ma il file ne ha solo " + std::to_string(restanti()) + " dopo il conteggio");
      return {};
    }
    std::string letto(byte_.substr(posizione_, lunghezza));
    posizione_ += lunghezza;
    return letto;
  }

 private:
  bool disponibili(std::size_t quanti, std::string_view campo) {
    if (fallito()) return false;
    if (restanti() >= quanti) return true;
    fallisci(posizione_, "atteso " + std::string(campo) + contesto() + " (" + std::to_string(quanti) +
                             " byte), ma il file finisce dopo " + std::to_string(restanti()));
    return false;
  }
  // One field of n bytes, or 0 once the file has failed or ends short of it.
  template <std::size_t n, typename T>
  T prendi(std::string_view campo, T (*prendi_campo)(const char*)) {
    if (!disponibili(n, campo)) return T{};
    const T v = prendi_campo(byte_.data() + posizione_);
    posizione_ += n;
    return v;
  }

  std::string contesto() const { return std::string(genere_) + std::to_string(indice_); }

  std::string_view byte_;
  std::size_t posizione_ = 0;
  std::string_view genere_;
  std::size_t indice_ = 0;
  std::string errore_;
};

piattaforma::esito fallimento(const std::string& nome_file, const lettore& l) {
  return piattaforma::esito::errore(nome_file, l.errore());
}

// One variant element of the geometry file, as found on disk.
struct elemento {
  tracciato::tipo tipo = tracciato::tipo::vuoto;
  double valore = 0.0;
  std::size_t posizione = 0;
};

elemento leggi_elemento(lettore& l, std::size_t indice) {
  elemento e;
  e.posizione = l.posizione();
  const std::uint16_t codice = l.u16("il codice di tipo");
  if (l.fallito()) return e;
  if (codice == static_cast<std::uint16_t>(tracciato::tipo::intero)) {
    e.tipo = tracciato::tipo::intero;
    e.valore = l.i16("il valore intero");
  } else if (codice == static_cast<std::uint16_t>(tracciato::tipo::reale)) {
    e.tipo = tracciato::tipo::reale;
    e.valore = l.f64("il valore reale");
    // No track has a point at infinity: a drawing or a simulator would go astray.
    if (!l.fallito() && !std::isfinite(e.valore)) {
      l.fallisci(e.posizione, "elemento " + std::to_string(indice) + " con un valore reale non finito (" +
                                  (std::isnan(e.valore) ? "NaN" : "infinito") + ")");
    }
  } else if (codice != static_cast<std::uint16_t>(tracciato::tipo::vuoto)) {
    l.fallisci(e.posizione, "elemento " + std::to_string(indice) + " con codice di tipo " + std::to_string(codice) +
                                ", atteso 0, 2 o 5");
  }
  return e;
}

// The model holds one count of assigned points for both coordinates: the
// seeded integers first, then doubles, then never-assigned elements.
std::int32_t conta_assegnati(std::span<const elemento> meta) {
  std::int32_t assegnati = 0;
  while (static_cast<std::size_t>(assegnati) < meta.size() &&
         meta[static_cast<std::size_t>(assegnati)].tipo != tracciato::tipo::vuoto) {
    ++assegnati;
  }
  return assegnati;
}

const char* nome_tipo(tracciato::tipo tipo) {
  switch (tipo) {
    case tracciato::tipo::intero: return "2 (intero)";
    case tracciato::tipo::reale: return "5 (reale)";
    case tracciato::tipo::vuoto: break;
  }
  return "0 (vuoto)";
}

// Checks one coordinate's elements against the kinds the model can hold,
// and copies their values.
bool prendi_coordinata(std::span<const elemento> meta, const tracciato& punti, char coordinata,
                       tracciato::valori& valori, lettore& l) {
  valori.resize(meta.size());
  for (std::size_t m = 0; m < meta.size(); ++m) {
    const auto atteso = punti.tipo_di(static_cast<std::int32_t>(m));
    if (meta[m].tipo != atteso) {
      l.fallisci(meta[m].posizione, std::string("coordinata ") + coordinata + " del metro " + std::to_string(m) +
                                        " di tipo " + nome_tipo(meta[m].tipo) + ", atteso il tipo " +
                                        nome_tipo(atteso) + " (" + std::to_string(punti.assegnati) +
                                        " punti assegnati)");
      return false;
    }
    valori[m] = meta[m].valore;
  }
  return true;
}

// A file of no bytes at all: no compiled file is empty.
piattaforma::esito vuoto(const std::string& nome_file) {
  return piattaforma::esito::errore(nome_file, "byte 0: il file \xE8 vuoto");
}

}  // namespace

piattaforma::esito leggi_tabella(std::string_view byte, const std::string& nome_file,
                                 std::array<voce, voci_tabella>& tabella) {
  lettore l(byte);
  std::array<voce, voci_tabella> lette{};
  for (std::size_t i = 0; i < lette.size(); ++i) {
    l.contesto(" della voce ", i);
    visita_campi(lette[i], l);
    if (l.fallito()) return fallimento(nome_file, l);
  }
  if (l.restanti() != 0) {
    l.fallisci(l.posizione(), "attesa la fine del file dopo la voce " + std::to_string(voci_tabella - 1) +
                                  ", restano " + std::to_string(l.restanti()) + " byte");
    return fallimento(nome_file, l);
  }
  tabella = std::move(lette);
  return piattaforma::esito::ok();
}

piattaforma::esito leggi_celle(std::string_view byte, const std::string& nome_file, std::vector<cella>& celle) {
  if (byte.empty()) return vuoto(nome_file);
  lettore l(byte);
  const std::size_t avanzo = byte.size() % byte_cella;
  if (avanzo != 0) {
    l.fallisci(byte.size() - avanzo, "la lunghezza " + std::to_string(byte.size()) + " non \xE8 un multiplo di " +
                                         std::to_string(byte_cella) + ": restano " + std::to_string(avanzo) +
                                         " byte dopo l'ultima cella intera");
    return fallimento(nome_file, l);
  }
  std::vector<cella> lette(byte.size() / byte_cella);
  for (std::size_t i = 0; i < lette.size(); ++i) {
    l.contesto(" della cella ", i);
    visita_campi(lette[i], l);
  }
  if (l.fallito()) return fallimento(nome_file, l);
  celle = std::move(lette);
  return piattaforma::esito::ok();
}

piattaforma::esito leggi_tracciato(std::string_view byte, const std::string& nome_file, tracciato& punti) {
  if (byte.empty()) return vuoto(nome_file);
  lettore l(byte);
  std::vector<elemento> elementi;
  while (l.restanti() > 0) {
    l.contesto(" dell'elemento ", elementi.size());
    elementi.push_back(leggi_elemento(l, elementi.size()));
    if (l.fallito()) return fallimento(nome_file, l);
  }
  if (elementi.size() % 2 != 0) {
    l.fallisci(byte.size(), "il file finisce dopo " + std::to_string(elementi.size()) +
                                " elementi, atteso un numero pari (tutte le x, poi tutte le y)");
    return fallimento(nome_file, l);
  }
  const std::span<const elemento> tutti(elementi);
  const auto x = tutti.first(elementi.size() / 2);
  const auto y = tutti.last(elementi.size() / 2);
  tracciato letto;
  letto.assegnati = conta_assegnati(x);
  if (!prendi_coordinata(x, letto, 'x', letto.x, l) || !prendi_coordinata(y, letto, 'y', letto.y, l)) {
    return fallimento(nome_file, l);
  }
  punti = std::move(letto);
  return piattaforma::esito::ok();
}

piattaforma::esito leggi_lunghezza(const std::array<voce, voci_tabella>& tabella, const std::string& nome_file,
                                   std::int32_t& lunghezza) {
  const std::int32_t letta = tabella[voce_lunghezza].fine;
  if (letta < 0 || letta > lunghezza_massima) {
    return piattaforma::esito::errore(nome_file, "la voce " + std::to_string(voce_lunghezza) + " d\xE0 una linea di " +
                                                     std::to_string(letta) + " m, attesa da 0 a " +
                                                     std::to_string(lunghezza_massima) + " m");
  }
  lunghezza = letta;
  return piattaforma::esito::ok();
}

piattaforma::esito verifica_celle(const std::vector<cella>& celle, std::int32_t lunghezza,
                                  const std::string& nome_file) {
  const std::size_t attese = celle_della_linea(lunghezza);
  if (celle.size() == attese) return piattaforma::esito::ok();
  const std::string dove = "byte " + std::to_string(std::min(celle.size(), attese) * byte_cella) + ": ";
  const std::string linea = "la linea di " + std::to_string(lunghezza) + " m ne ha " + std::to_string(attese);
  if (celle.size() < attese) {
    return piattaforma::esito::errore(
        nome_file, dove + "il file finisce dopo " + std::to_string(celle.size()) + " celle, ma " + linea);
  }
  return piattaforma::esito::errore(
      nome_file, dove + "attesa la fine del file dopo la cella " + std::to_string(attese - 1) + ": " + linea);
}

piattaforma::esito verifica_tracciato(const tracciato& punti, std::int32_t lunghezza, const std::string& nome_file) {
  const std::size_t attesi = punti_della_linea(lunghezza);
  if (punti.x.size() == attesi) return piattaforma::esito::ok();
  return piattaforma::esito::errore(nome_file, std::to_string(punti.x.size()) +
                                                   " punti per coordinata, ma la linea di " +
                                                   std::to_string(lunghezza) + " m ne ha " + std::to_string(attesi));
}

}  // namespace formato
