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
  void f64(double v) {
    const auto u = std::bit_cast<std::uint64_t>(v);
    for (int spostamento = 0; spostamento < 64; spostamento += 8) {
      u8(static_cast<std::uint8_t>(u >> spostamento));
    }
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

void scrivi_coordinata(scrittore& s, const tracciato& punti, const std::vector<double>& valori) {
  for (std::int32_t m = 0; m <= punti.ultimo_indice(); ++m) {
    const auto tipo = punti.tipo_di(m);
    s.u16(static_cast<std::uint16_t>(tipo));
    if (tipo == tracciato::tipo::intero) {
      s.i16(static_cast<std::int16_t>(valori[static_cast<std::size_t>(m)]));
    } else if (tipo == tracciato::tipo::reale) {
      s.f64(valori[static_cast<std::size_t>(m)]);
    }
  }
}

}  // namespace

std::string contenuto_tracciato(const tracciato& punti) {
  scrittore s(2 * (punti.x.size() * 10));
  scrivi_coordinata(s, punti, punti.x);
  scrivi_coordinata(s, punti, punti.y);
  return s.prendi();
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
  if (m.calcola_tracciato != 0 && m.punti.esiste()) {
    const auto esito = piattaforma::sostituisci_file(fs, file.tracciato, contenuto_tracciato(m.punti));
    if (!esito.riuscito()) return esito;
  }
  const auto esito = piattaforma::sostituisci_file(fs, file.tabella, contenuto_tabella(m.tabella));
  if (!esito.riuscito()) return esito;
  return piattaforma::sostituisci_file(fs, file.celle, contenuto_celle(m.celle));
}

}  // namespace compilatore
