#include "formato/scrivi_binari.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>

#include "formato/campi.h"
#include "formato/codifica.h"

namespace formato {
namespace {

// Appends the fields of records, in the order visita_campi gives them.
class scrittore {
 public:
  // Sized for `previsti` bytes up front: the fields are then stored in place.
  explicit scrittore(std::size_t previsti) : byte_(previsti, '\0') {}

  void operator()(std::string_view, std::uint8_t v) { metti_u8(spazio(1), v); }
  void operator()(std::string_view, std::int16_t v) { metti_i16(spazio(2), v); }
  void operator()(std::string_view, std::int32_t v) { metti_i32(spazio(4), v); }
  // A 16-bit byte count, then the bytes.
  void operator()(std::string_view, const std::string& t) {
    if (t.size() > 0xFFFF) {
      throw std::length_error("testo di " + std::to_string(t.size()) + " byte: al massimo 65535");
    }
    metti_u16(spazio(2), static_cast<std::uint16_t>(t.size()));
    t.copy(spazio(t.size()), t.size());
  }

  std::string prendi() {
    byte_.resize(usati_);
    return std::move(byte_);
  }

 private:
  // The next n bytes of the output, made room for.
  char* spazio(std::size_t n) {
    if (byte_.size() - usati_ < n) byte_.resize(std::max(2 * byte_.size(), usati_ + n));
    char* const p = byte_.data() + usati_;
    usati_ += n;
    return p;
  }

  std::string byte_;
  std::size_t usati_ = 0;
};

// One variant element: its type code, then its value, if it has one.
char* metti_elemento(char* p, tracciato::tipo tipo, double valore) {
  p = metti_u16(p, static_cast<std::uint16_t>(tipo));
  if (tipo == tracciato::tipo::intero) return metti_i16(p, static_cast<std::int16_t>(valore));
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
  for (const voce& v : tabella) visita_campi(v, s);
  return s.prendi();
}

std::string contenuto_celle(const std::vector<cella>& celle) {
  scrittore s(celle.size() * byte_cella);
  for (const cella& c : celle) visita_campi(c, s);
  return s.prendi();
}

}  // namespace formato
