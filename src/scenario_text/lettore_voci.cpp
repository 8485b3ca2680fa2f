#include "scenario_text/lettore_voci.h"

#include <algorithm>

#include "scenario_text/caratteri.h"

namespace testo_scenario {
namespace {

bool spazio(char c) { return c == ' ' || c == '\t'; }
bool cifra(char c) { return c >= '0' && c <= '9'; }
bool lettera(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// An item is quoted in a message up to this many characters.
constexpr std::size_t citazione_massima = 40;

// A time written the way clocks show it, 08:12 or 08:12:00.
bool come_orario(std::string_view voce) {
  return voce.find(':') != std::string_view::npos && !voce.empty() && cifra(voce.front());
}

}  // namespace

std::string citazione(std::string_view testo) {
  std::string tra_apici(1, '\'');
  tra_apici.append(testo.substr(0, citazione_massima));
  if (testo.size() > citazione_massima) tra_apici.append("...");
  tra_apici.push_back('\'');
  return tra_apici;
}

void lettore_voci::salta_spazi() {
  while (pos_ < testo_.size() && spazio(testo_[pos_])) ++pos_;
}

void lettore_voci::inizia_voce() {
  // A failed read at the end names the end, not the item before it.
  inizio_voce_ = qui();
  if (alla_fine()) throw errore_lettura("lettura oltre la fine del file", inizio_voce_, {}, true);
  salta_spazi();
  inizio_voce_ = qui();
  inizio_byte_ = pos_;
  inizi_[voci_lette_ % voci_ricordate] = inizio_voce_;
  ++voci_lette_;
}

posizione_testo lettore_voci::inizio_voce_numero(std::uint64_t numero) const {
  if (numero >= voci_lette_ || voci_lette_ - numero > voci_ricordate) return inizio_voce_;
  return inizi_[numero % voci_ricordate];
}

bool lettore_voci::consuma_fine_riga() {
  const std::size_t lunghezza = lunghezza_fine_riga(testo_, pos_);
  if (lunghezza == 0) return false;
  ultima_fine_riga_ = qui();
  pos_ += lunghezza;
  ++riga_;
  inizio_riga_ = pos_;
  return true;
}

void lettore_voci::salta_riga() {
  while (pos_ < testo_.size() && !fine_riga(testo_[pos_])) ++pos_;
  consuma_fine_riga();
}

std::string lettore_voci::descrivi_trovato() const {
  std::size_t fine = inizio_byte_;
  while (fine < testo_.size() && testo_[fine] != ',' && !fine_riga(testo_[fine])) ++fine;
  std::string_view voce = testo_.substr(inizio_byte_, fine - inizio_byte_);
  while (!voce.empty() && spazio(voce.back())) voce.remove_suffix(1);
  if (come_orario(voce)) {
    return "l'orario " + citazione(voce) + ": ore, minuti e secondi vanno scritti come tre numeri";
  }
  const bool con_punto = voce.find('.') != std::string_view::npos;
  if (con_punto && std::any_of(voce.begin(), voce.end(), cifra) && std::none_of(voce.begin(), voce.end(), lettera)) {
    return "il numero con la virgola " + citazione(voce) + ": i valori sono numeri interi";
  }
  if (!voce.empty() && voce.front() == '+') return citazione(voce) + ": un numero positivo si scrive senza segno";
  if (std::any_of(voce.begin(), voce.end(), lettera)) return "la parola " + citazione(voce);
  return citazione(voce);
}

void lettore_voci::fallisci(const std::string& messaggio) const {
  throw errore_lettura(messaggio, inizio_voce_, descrivi_trovato());
}

std::string lettore_voci::leggi_testo() {
  inizia_voce();
  if (pos_ < testo_.size() && testo_[pos_] == '"') {
    fallisci("testo tra virgolette: il formato non le prevede");
  }
  const std::size_t inizio = pos_;
  while (pos_ < testo_.size() && testo_[pos_] != ',' && !fine_riga(testo_[pos_])) ++pos_;
  std::size_t fine = pos_;
  while (fine > inizio && spazio(testo_[fine - 1])) --fine;
  std::string voce(testo_.substr(inizio, fine - inizio));
  if (pos_ < testo_.size() && testo_[pos_] == ',') {
    ++pos_;
  } else {
    consuma_fine_riga();
  }
  return voce;
}

std::int64_t lettore_voci::leggi_intero(std::int64_t minimo, std::int64_t massimo, const char* tipo) {
  inizia_voce();
  bool negativo = false;
  if (pos_ < testo_.size() && testo_[pos_] == '-') {
    negativo = true;
    ++pos_;
  }
  const std::size_t inizio_cifre = pos_;
  std::int64_t valore = 0;
  bool troppo_grande = false;
  while (pos_ < testo_.size() && cifra(testo_[pos_])) {
    // Any run of digits is consumed; past 2^40 only "too large" matters.
    if (valore <= (std::int64_t{1} << 40)) {
      valore = valore * 10 + (testo_[pos_] - '0');
    } else {
      troppo_grande = true;
    }
    ++pos_;
  }
  const bool senza_cifre = pos_ == inizio_cifre;
  const bool terminato = pos_ >= testo_.size() || spazio(testo_[pos_]) || testo_[pos_] == ',' ||
                         fine_riga(testo_[pos_]);
  if (!terminato || (negativo && senza_cifre)) {
    fallisci(std::string("atteso un numero intero (") + tipo + ")");
  }
  if (negativo) valore = -valore;
  if (troppo_grande || valore < minimo || valore > massimo) {
    fallisci(std::string("numero fuori dai limiti di un ") + tipo + " (da " + std::to_string(minimo) +
             " a " + std::to_string(massimo) + ")");
  }
  salta_spazi();
  if (pos_ < testo_.size() && testo_[pos_] == ',') {
    ++pos_;
  } else {
    consuma_fine_riga();
  }
  return valore;  // an empty item has no digits and reads as 0
}

std::int32_t lettore_voci::leggi_numero() {
  return static_cast<std::int32_t>(leggi_intero(INT32_MIN, INT32_MAX, "numero a 32 bit"));
}

std::int16_t lettore_voci::leggi_corto() {
  return static_cast<std::int16_t>(leggi_intero(INT16_MIN, INT16_MAX, "numero a 16 bit"));
}

std::uint8_t lettore_voci::leggi_byte() {
  return static_cast<std::uint8_t>(leggi_intero(0, 255, "byte"));
}

bool contiene(std::string_view voce, std::string_view parola) {
  const auto trovato = std::search(voce.begin(), voce.end(), parola.begin(), parola.end(),
                                   [](char a, char b) { return minuscola(a) == minuscola(b); });
  return trovato != voce.end() || parola.empty();
}

bool contiene_esatto(std::string_view voce, std::string_view parola) {
  return voce.find(parola) != std::string_view::npos;
}

}  // namespace testo_scenario
