#pragma once

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/memoria_grande.h"

// MinGW's <cstdlib> defines alloca as a function-like macro, which would
// rewrite the member of that name below; nothing here wants the C one.
#undef alloca

namespace compilatore {

// One 50 m stretch of line.
struct cella {
  std::uint8_t evento = 0;
  std::int16_t dato1 = 0;
  std::int16_t dato2 = 0;
  std::int16_t dato3 = 0;
  std::int16_t dato4 = 0;
  std::uint8_t tempo_segnale = 0;
  std::uint8_t preavviso = 0;
  std::uint8_t tipo_montagna = 0;
  std::uint8_t vel_limite = 0;
  std::uint8_t pendenza = 0;
  std::uint8_t aderenza = 0;
};

// A record of the table: a station, a kilometre board's text or a header.
struct voce {
  std::uint8_t tipo_stazione = 0;
  std::int32_t inizio = 0;
  std::int32_t fine = 0;
  std::int32_t progressiva = 0;
  std::uint8_t capolinea = 0;
  std::string nome;
  std::int16_t gruppo_a1 = 0;
  std::int16_t gruppo_a2 = 0;
  std::int16_t gruppo_b1 = 0;
  std::int16_t gruppo_b2 = 0;
  std::int16_t gruppo_b3 = 0;
  std::uint8_t gruppo_a3 = 0;
  std::uint8_t sosta = 0;
  std::uint8_t prolunga = 0;
  std::uint8_t flag_lunghezza = 0;
  std::int32_t orario = 0;
};

// Event codes of cella::evento.
namespace evento {
inline constexpr std::uint8_t nessuno = 0;
inline constexpr std::uint8_t segnale = 1;
inline constexpr std::uint8_t fine_rallentamento = 2;
inline constexpr std::uint8_t inizio_rallentamento = 3;
inline constexpr std::uint8_t avviso_rallentamento = 4;
inline constexpr std::uint8_t prima_avviso = 5;
inline constexpr std::uint8_t indicatore_v_max = 6;
inline constexpr std::uint8_t fermata = 10;
inline constexpr std::uint8_t segno_montagna = 11;
inline constexpr std::uint8_t abbattimento = 12;
inline constexpr std::uint8_t abbattimento_senza_valore = 13;
inline constexpr std::uint8_t cartello_indicatore = 14;
}  // namespace evento

// A cell is free when it holds no event or only the weak mountain marker.
inline bool libera(const cella& c) {
  return c.evento == evento::nessuno || c.evento == evento::segno_montagna;
}

inline constexpr int voci_tabella = 87;
inline constexpr int massimo_montagne = 80;
inline constexpr std::int32_t lunghezza_massima = 1000000;
inline constexpr std::int32_t estensione_linea = 7000;  // the grid and geometry run on past the line's end

// The per-metre plan view. Element kinds follow from how it is built: points 0
// and 1 are the seeded 16-bit integers (0, 0) and (0, 1), points 2 to
// assegnati - 1 are computed doubles, the points after them were never assigned.
struct tracciato {
  enum class tipo : std::uint16_t { vuoto = 0, intero = 2, reale = 5 };

  // Written whole as soon as they are sized, so they take memory meant for that.
  using valori = std::vector<double, piattaforma::allocatore_grande<double>>;

  valori x;  // indexes 0 to lunghezza_estesa
  valori y;
  std::int32_t assegnati = 0;

  bool esiste() const { return !x.empty(); }
  std::int32_t ultimo_indice() const { return static_cast<std::int32_t>(x.size()) - 1; }
  tipo tipo_di(std::int32_t metro) const {
    if (metro >= assegnati) return tipo::vuoto;
    return metro < 2 ? tipo::intero : tipo::reale;
  }
};

// A place in a description file.
struct origine {
  enum class file : std::uint8_t { nessuno, linea, treno };
  file in_file = file::nessuno;
  std::int32_t riga = 0;
  std::int32_t colonna = 0;

  bool nota() const { return in_file != file::nessuno; }
};

// Where a slowdown was read, by the cells its start and its warning took, so
// that an error found later on the grid can name the slowdown's line.
struct origine_rallentamento {
  std::int32_t cella_inizio = 0;
  std::int32_t cella_avviso = -1;  // -1: a slowdown near the line's start has no warning
  origine da;
  // What the record said, for the crew documents: where it starts, its speed, its length.
  std::int32_t x = 0;
  std::int32_t v = 0;
  std::int32_t l = 0;
};

// The compiled scenario, as the parser, the post-processing and the stamps leave it.
struct modello {
  std::array<voce, voci_tabella> tabella{};
  std::vector<cella> celle;  // indexes 0 to n_celle, empty until the line length is read
  tracciato punti;

  std::array<std::int32_t, massimo_montagne + 1> montagne_inizio{};
  std::array<std::int32_t, massimo_montagne + 1> montagne_fine{};
  std::int32_t n_montagne = 0;

  std::int32_t lunghezza_estesa = 0;
  std::int32_t n_celle = 0;
  std::int32_t calcola_tracciato = 0;

  // The error record: the number of the last error (0 = none) and its position in metres.
  std::int32_t codice_errore = 0;
  std::int32_t posizione_errore = 0;
  // Where in the description files the error arose, for diagnostics by line.
  origine origine_errore;
  // What the generic error ran into, in words: a value of the wrong kind, or the
  // platform's "<file>: <reason>" for a description file it could not read or delete.
  std::string causa_errore;

  // For diagnostics only; nothing written to the binary files depends on them.
  std::vector<origine_rallentamento> rallentamenti;
  // The record that first filled the reserved places of cell 1, if one did.
  origine origine_riservati;
  std::int32_t n_stazioni = 0;
  std::int32_t n_cartelli = 0;
  std::int32_t n_segnali = 0;

  bool ha_griglia() const { return !celle.empty(); }

  // Discards any earlier grid and geometry and sizes both for a line of `lunghezza` m,
  // 0 to lunghezza_massima (the parser rejects any other length first).
  void alloca(std::int32_t lunghezza);
  // Entries 0 to 86 back to zeros and empty texts.
  void svuota_tabella();
  // The origin of the slowdown whose start or warning is at `cella`; none when no slowdown is there.
  origine origine_di_rallentamento(std::int32_t cella) const;
};

}  // namespace compilatore
