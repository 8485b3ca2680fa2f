#include "compiler/scrivi_binari.h"

#include <bit>
#include <stdexcept>

namespace compilatore {
namespace {

// Appends fields little-endian, whatever the host's byte order.
class scrittore {
 public:
  explicit scrittore(std::size_t previsti) { byte_.reserve(previsti); }

  void u8(std::uint8_t v) { byte_.push_back(static_cast<char>(v)); }
  void u16(std::uint16_t v) {
    u8(static_cast<std::uint8_t>(v));
    u8(static_cast<std::uint8_t>(v >> 8));
  }
  void i16(std::int16_t v) { u16(static_cast<std::uint16_t>(v)); }
  void i32(std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    u16(static_cast<std::uint16_t>(u));
    u16(static_cast<std::uint16_t>(u >> 16));
  }
  void testo(const std::string& t) {
    if (t.size() > 0xFFFF) {
      throw std::length_error("testo di " + std::to_string(t.size()) + " byte: al massimo 65535");
    }
    u16(static_cast<std::uint16_t>(t.size()));
    byte_.append(t);
  }

  std::string prendi() { return std::move(byte_); }

 private:
  std::string byte_;
};

// Little-endian stores into a piece of the geometry file, whatever the host's byte order.
char* metti_u16(char* p, std::uint16_t v) {
  p[0] = static_cast<char>(v);
  p[1] = static_cast<char>(v >> 8);
  return p + 2;
}

char* metti_f64(char* p, double v) {
  const auto u = std::bit_cast<std::uint64_t>(v);
  for (int i = 0; i < 8; ++i) p[i] = static_cast<char>(u >> (8 * i));
  return p + 8;
}

// One variant element: its type code, then its value, if it has one.
char* metti_elemento(char* p, tracciato::tipo tipo, double valore) {
  p = metti_u16(p, static_cast<std::uint16_t>(tipo));
  if (tipo == tracciato::tipo::intero) return metti_u16(p, static_cast<std::uint16_t>(static_cast<std::int16_t>(valore)));
  if (tipo == tracciato::tipo::reale) return metti_f64(p, valore);
  return p;
}

}  // namespace

pezzi_tracciato::pezzi_tracciato(const tracciato& punti)
    : punti_(punti), coordinata_(punti.esiste() ? 0 : 2), pezzo_(byte_pezzo, '\0') {}

// All of coordinate 0, metre 0 upward, then all of coordinate 1.
std::string_view pezzi_tracciato::prossimo() {
  char* const inizio = pezzo_.data();
  char* const ultimo_inizio = inizio + pezzo_.size() - byte_elemento_massimo;
  char* p = inizio;
  while (coordinata_ < 2 && p <= ultimo_inizio) {
    const tracciato::valori& valori = coordinata_ == 0 ? punti_.x : punti_.y;
    p = metti_elemento(p, punti_.tipo_di(metro_), valori[static_cast<std::size_t>(metro_)]);
    if (++metro_ > punti_.ultimo_indice()) {
      metro_ = 0;
      ++coordinata_;
    }
  }
  return {inizio, static_cast<std::size_t>(p - inizio)};
}

std::string contenuto_tracciato(const tracciato& punti) {
  std::string contenuto;
  contenuto.reserve(2 * punti.x.size() * 10);
  pezzi_tracciato pezzi(punti);
  for (std::string_view pezzo = pezzi.prossimo(); !pezzo.empty(); pezzo = pezzi.prossimo()) {
    contenuto.append(pezzo);
  }
  return contenuto;
}

std::string contenuto_tabella(const std::array<voce, voci_tabella>& tabella) {
  scrittore s(voci_tabella * byte_voce_senza_nome + 1024);
  for (const voce& v : tabella) {
    s.u8(v.tipo_stazione);
    s.i32(v.inizio);
    s.i32(v.fine);
    s.i32(v.progressiva);
    s.u8(v.capolinea);
    s.testo(v.nome);
    s.i16(v.gruppo_a1);
    s.i16(v.gruppo_a2);
    s.i16(v.gruppo_b1);
    s.i16(v.gruppo_b2);
    s.i16(v.gruppo_b3);
    s.u8(v.gruppo_a3);
    s.u8(v.sosta);
    s.u8(v.prolunga);
    s.u8(v.flag_lunghezza);
    s.i32(v.orario);
  }
  return s.prendi();
}

std::string contenuto_celle(const std::vector<cella>& celle) {
  scrittore s(celle.size() * byte_cella);
  for (const cella& c : celle) {
    s.u8(c.evento);
    s.i16(c.dato1);
    s.i16(c.dato2);
    s.i16(c.dato3);
    s.i16(c.dato4);
    s.u8(c.tempo_segnale);
    s.u8(c.preavviso);
    s.u8(c.tipo_montagna);
    s.u8(c.vel_limite);
    s.u8(c.pendenza);
    s.u8(c.aderenza);
  }
  return s.prendi();
}

}  // namespace compilatore

namespace compilatore {

piattaforma::esito scrivi_compilato(piattaforma::file_system& fs, const file_binari& file, const modello& m) {
  if (m.calcola_tracciato && m.punti.esiste()) {
    pezzi_tracciato pezzi(m.punti);
    const auto esito = piattaforma::sostituisci_file(fs, file.tracciato, pezzi);
    if (!esito.riuscito()) return esito;
  }
  const auto esito = piattaforma::sostituisci_file(fs, file.tabella, contenuto_tabella(m.tabella));
  if (!esito.riuscito()) return esito;
  return piattaforma::sostituisci_file(fs, file.celle, contenuto_celle(m.celle));
}

}  // namespace compilatore
