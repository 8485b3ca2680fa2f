#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "formato/dimensioni.h"
#include "formato/strutture.h"

namespace compilatore {

// The records of the compiled files are the model's own.
using formato::cella;
using formato::tracciato;
using formato::voce;
using formato::voci_tabella;
namespace evento = formato::evento;

// A cell is free when it holds no event or only the weak mountain marker.
inline bool libera(const cella& c) {
  return c.evento == evento::nessuno || c.evento == evento::segno_montagna;
}

inline constexpr int massimo_montagne = 80;
using formato::estensione_linea;
using formato::lunghezza_massima;

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

// Which item put an event or an approach code into a cell, for diagnostics.
struct occupante {
  enum class tipo : std::uint8_t {
    nessuno,
    segnale,
    indicatore,
    cartello,
    abbattimento,
    avviso_rallentamento,
    inizio_rallentamento,
    fine_rallentamento,
    preavviso_rallentamento,
    fermata,
    preavviso_segnale,
    preavviso_fermata,
  };
  tipo cosa = tipo::nessuno;
  origine da;

  bool noto() const { return cosa != tipo::nessuno; }
};

// The items behind one cell: its event and its approach code.
struct occupanti_cella {
  occupante evento;
  occupante preavviso;
};

// The cells a record touched, each as it was before, so that a record that
// fails can be undone; kept only while the compile goes on after errors.
struct registro_celle {
  struct voce_registro {
    std::int64_t indice;
    cella prima;
    occupanti_cella occupanti_prima;
  };
  std::vector<voce_registro> voci;
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
  bool calcola_tracciato = false;  // builds the geometry

  // For diagnostics only; nothing written to the binary files depends on them.
  std::vector<origine_rallentamento> rallentamenti;
  // The record that first filled the reserved places of cell 1, if one did.
  origine origine_riservati;
  std::int32_t n_stazioni = 0;
  std::int32_t n_cartelli = 0;
  std::int32_t n_segnali = 0;
  // Per cell, who wrote it: sized only when the compile gives diagnostics.
  std::vector<occupanti_cella> occupanti;
  // While a record is read by a compile that goes on after errors: the cells it touches.
  registro_celle* registro = nullptr;

  bool ha_griglia() const { return !celle.empty(); }

  // Discards any earlier grid and geometry and sizes both for a line of `lunghezza` m,
  // 0 to lunghezza_massima (the parser rejects any other length first).
  void dimensiona(std::int32_t lunghezza);
  // Entries 0 to 86 back to zeros and empty texts.
  void svuota_tabella();
  // The origin of the slowdown whose start or warning is at `cella`; none when no slowdown is there.
  origine origine_di_rallentamento(std::int32_t cella) const;
};

}  // namespace compilatore
