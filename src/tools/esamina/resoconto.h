#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tools/esamina/eventi.h"
#include "tools/esamina/scenario_letto.h"

namespace strumenti {

struct progressiva_letta {
  int voce = 0;
  std::int32_t da = 0;      // inizio: position from which the record applies
  std::int32_t valore = 0;  // fine: the chainage value in metres
  std::int32_t flag = 0;    // progressiva
};

// A reserved place of the identification stamps: the marker and the code.
struct identificazione {
  std::int32_t segnaposto = 0;
  std::int32_t codice = 0;
};

struct intestazione {
  std::string nome_base;     // of formato::voce_nome_base
  std::string codice_treno;  // of formato::voce_ripetizione
  std::int32_t lunghezza_linea = 0;
  std::int32_t vetture = 0;
  std::int32_t massa_frenata = 0;
  std::array<progressiva_letta, 3> progressive{};
  std::int32_t sfondo_uno = 0;
  std::int32_t sfondo_due = 0;
  std::int32_t sfondo_tre = 0;
  std::int32_t ripetizione_inizio = 0;
  std::int32_t ripetizione_fine = 0;
  std::int32_t ripetizione_codici = 0;
  std::int16_t ore = 0;
  std::int16_t minuti = 0;
  std::int16_t secondi = 0;
  std::int16_t sabbia = 0;
  identificazione tabella;
  std::optional<identificazione> celle;  // absent when the grid has no cell 1
};

struct stazione_letta {
  int voce = 0;
  std::string nome;
  std::uint8_t tipo = 0;
  std::int32_t progressiva = 0;
  std::int32_t inizio = 0;
  std::int32_t fine = 0;
  std::uint8_t sosta = 0;
  std::int32_t orario = 0;  // seconds after midnight
  std::uint8_t capolinea = 0;
};

struct cartello_letto {
  int voce = 0;
  std::string testo;
};

// Consecutive cells with one value: cells prima to ultima, metres da to a.
struct tratto {
  std::int32_t prima_cella = 0;
  std::int32_t ultima_cella = 0;
  std::int64_t da = 0;
  std::int64_t a = 0;
  std::int32_t valore = 0;  // decoded: km/h, per mille, adhesion
};

// Everything the dump, the JSON and the picture show, decoded once.
struct resoconto {
  intestazione testa;
  std::vector<stazione_letta> stazioni;
  std::vector<cartello_letto> cartelli;
  std::vector<evento_letto> eventi;
  std::vector<tratto> velocita;
  std::vector<tratto> pendenze;
  std::vector<tratto> aderenze;
  std::vector<tratto> montagne;  // mountain kind, 0 where there is none
  std::int32_t n_celle = 0;  // cells in the grid file
  bool con_tracciato = false;
  std::int32_t punti_tracciato = 0;
  std::int32_t punti_assegnati = 0;
};

resoconto componi_resoconto(const scenario_letto& s);

// Seconds after midnight as hh:mm:ss; hours past 24 are kept, a negative time gets a sign.
std::string ora_del_giorno(std::int32_t secondi);

}  // namespace strumenti
