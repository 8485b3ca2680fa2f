#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace testo_scenario {

// Where an item starts in its file, both counted from 1.
struct posizione_testo {
  std::int32_t riga = 1;
  std::int32_t colonna = 1;
};

// A read that cannot give a value of the wanted kind: past the end of the
// file, not a whole number, out of the kind's range, or a quoted text.
// The compiler turns it into its generic error.
class errore_lettura : public std::runtime_error {
 public:
  errore_lettura(const std::string& messaggio, posizione_testo dove, std::string trovato = {}, bool alla_fine = false)
      : std::runtime_error(messaggio), dove_(dove), trovato_(std::move(trovato)), alla_fine_(alla_fine) {}
  posizione_testo dove() const { return dove_; }
  // What stood where the value was wanted, in words for an author ("la
  // parola 'abc'"); empty when the message says it all.
  const std::string& trovato() const { return trovato_; }
  // The read was past the end of the file: nothing after it can be read.
  bool alla_fine() const { return alla_fine_; }

 private:
  posizione_testo dove_;
  std::string trovato_;
  bool alla_fine_;
};

// Reads a description file as a stream of comma-separated items.
//
// - Blanks (space, tab) before an item are skipped.
// - An item ends at a comma or a line end (CR LF, LF or CR alone), and that
//   comma or line end belongs to the item.
// - A text item keeps its inner blanks; its trailing blanks are dropped.
// - A numeric item is an optional minus and decimal digits. It also ends at a
//   blank; the blanks after it and then one comma or one line end belong to it,
//   so several numbers may stand on a line separated by blanks alone.
// - An empty item reads as 0 where a number is wanted.
// - What the format leaves open is refused, never guessed: a number with a
//   decimal point, an exponent, a plus sign or any other character, a number
//   outside its kind, and a text that begins with a double quote (the format
//   has no quoting) all throw errore_lettura, as does a read at the end of
//   the file.
//
// A read "reaches the end" when no byte is left after the item; the parser
// then stops without interpreting that item.
class lettore_voci {
 public:
  // The reader keeps a view of `testo`, which must outlive it: a temporary
  // string is refused.
  explicit lettore_voci(std::string_view testo) : testo_(testo) {}
  explicit lettore_voci(const char* testo) : testo_(testo) {}
  explicit lettore_voci(std::string&&) = delete;

  // No byte is left: before a read, the file is at its end; after one, that
  // read reached the end.
  bool alla_fine() const { return pos_ >= testo_.size(); }
  // Where the last item read began.
  posizione_testo inizio_voce() const { return inizio_voce_; }
  // Where the next item would begin (blanks not yet skipped).
  posizione_testo qui() const { return {riga_, static_cast<std::int32_t>(pos_ - inizio_riga_ + 1)}; }
  // How many items have been begun so far; the first is number 0.
  std::uint64_t voci_lette() const { return voci_lette_; }
  // Where item `numero` began, while it is one of the last voci_ricordate
  // items; otherwise where the last item began.
  posizione_testo inizio_voce_numero(std::uint64_t numero) const;
  // Where the last line end that a read consumed stood: just after the last
  // character of that line.
  posizione_testo ultima_fine_riga() const { return ultima_fine_riga_; }
  // Goes on from the start of the next line, whatever is left of this one.
  void salta_riga();
  // Goes back to the start of the last item begun, to read it again; for
  // an item on which a read failed, which never spans a line end.
  void riprendi_dalla_voce() { pos_ = inizio_byte_; }

  // As many items as the longest record reads after its keyword, and more.
  static constexpr std::size_t voci_ricordate = 32;

  std::string leggi_testo();
  std::int32_t leggi_numero();      // signed 32-bit
  std::int16_t leggi_corto();       // signed 16-bit
  std::uint8_t leggi_byte();        // 0 to 255

 private:
  std::int64_t leggi_intero(std::int64_t minimo, std::int64_t massimo, const char* tipo);
  void salta_spazi();
  void inizia_voce();
  // Consumes a line end at the current position, if there is one.
  bool consuma_fine_riga();
  [[noreturn]] void fallisci(const std::string& messaggio) const;

  // The item at the current position as an author would name it.
  std::string descrivi_trovato() const;

  std::string_view testo_;
  std::size_t pos_ = 0;
  std::int32_t riga_ = 1;
  std::size_t inizio_riga_ = 0;
  posizione_testo inizio_voce_;
  std::size_t inizio_byte_ = 0;  // where the last item's text begins
  posizione_testo ultima_fine_riga_;
  std::uint64_t voci_lette_ = 0;
  std::array<posizione_testo, voci_ricordate> inizi_{};
};

// An author's text quoted in a message, cut when long: 'abc', 'abcd...'.
std::string citazione(std::string_view testo);

// The keyword tests: `parola` occurs in `voce`, ignoring ASCII letter case...
bool contiene(std::string_view voce, std::string_view parola);
// ...or respecting it.
bool contiene_esatto(std::string_view voce, std::string_view parola);

}  // namespace testo_scenario
