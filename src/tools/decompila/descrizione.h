#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "formato/valori_cella.h"

// The two description files as records, the values as an author writes them:
// what the decompiler recovers and the writer puts into text.
namespace decompila {

// One entry of a running list (gradients, speeds, adhesion): from `posizione` on.
struct voce_elenco {
  std::int32_t posizione = 0;
  std::int32_t valore = 0;
};

struct progressiva {
  std::int32_t posizione = 0;
  std::int32_t valore = 0;
  std::int32_t flag = 0;
};

struct curva {
  std::int32_t posizione = 0;  // the last straight metre before it turns
  std::int32_t lunghezza = 0;
  int classe = 1;  // 1 to 6
  bool sinistra = false;
};

struct montagna {
  std::int32_t inizio = 0;
  std::int32_t fine = 0;
  std::int32_t tipo = 0;  // as written: above 10 means markers
  // Covers no cell: it only puts a far end before the next mountain, so that
  // the 150 m rule leaves that one's kind alone.
  bool separatore = false;
};

struct indicatore {
  std::int32_t posizione = 0;
  formato::valori_indicatore v;
};

struct cartello {
  std::int32_t posizione = 0;
  std::string testo;
};

struct descrizione_linea {
  std::int32_t lunghezza = 0;
  std::array<progressiva, 3> progressive{};  // uno, due, tre
  std::int32_t sfondo_uno = 0;
  std::int32_t sfondo_due = 0;
  std::int32_t sfondo_tre = 0;
  std::int32_t ripetizione_inizio = 0;
  std::int32_t ripetizione_fine = 0;
  std::int32_t ripetizione_codici = 4;  // 4 or 9
  bool con_tracciato = true;            // false: the curves could not be recovered
  bool tracciato_guasto = false;        // because the geometry file was there but unreadable
  std::vector<curva> curve;
  std::vector<voce_elenco> pendenze;
  std::vector<montagna> montagne;
  std::vector<indicatore> indicatori;
  std::vector<cartello> cartelli;  // in the order of their table entries
};

struct stazione {
  std::int32_t posizione = 0;
  std::int32_t tipo = 0;
  std::int32_t marciapiede = 0;
  std::int32_t capolinea = 0;
  std::int32_t flag_lunghezza = 0;
  std::int32_t prolunga = 0;
  std::int32_t gruppo_a1 = 0;
  std::int32_t gruppo_a2 = 0;
  std::int32_t gruppo_a3 = 0;
  std::int32_t gruppo_b1 = 0;
  std::int32_t gruppo_b2 = 0;
  std::int32_t gruppo_b3 = 0;
  std::int32_t sosta = 0;
  std::int32_t ore = 0;
  std::int32_t minuti = 0;
  std::int32_t secondi = 0;
  std::string nome;
};

struct rallentamento {
  std::int32_t x = 0;
  std::int32_t v = 0;
  std::int32_t l = 0;
  std::int32_t f_tt = 0;
  std::int32_t f_ta = 0;
  std::int32_t d_v = 0;
  // A station's stop point covers one of its cells: written before the stations.
  bool sotto_fermata = false;
};

struct segnale {
  std::int32_t posizione = 0;
  formato::valori_segnale v;
  // A station's approach code overwrites one of its approach codes: written before the stations.
  bool prima_delle_stazioni = false;
};

struct abbattimento {
  std::int32_t posizione = 0;
  std::int32_t valore = 0;
};

struct descrizione_treno {
  std::int32_t vetture = 0;
  std::int32_t massa_frenata = 0;
  std::int32_t sabbia = 0;
  std::int32_t ore = 0;
  std::int32_t minuti = 0;
  std::int32_t secondi = 0;
  std::vector<voce_elenco> aderenze;
  std::vector<voce_elenco> velocita;
  std::vector<stazione> stazioni;
  std::vector<rallentamento> rallentamenti;
  std::vector<segnale> segnali;  // in the order they must be compiled
  std::vector<abbattimento> abbattimenti;
};

struct descrizione {
  descrizione_linea linea;
  descrizione_treno treno;
};

}  // namespace decompila
