#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "compiler/modello.h"

// What the crew documents tell of a compiled scenario, read off the model:
// what the simulator will show is what the documents show.
namespace documenti {

struct stazione_percorso {
  std::int32_t posizione = 0;
  std::int32_t inizio = 0;  // the station's area
  std::int32_t fine = 0;
  std::string nome;
  std::int32_t orario = 0;  // seconds after midnight; the departure where the train stops
  std::int32_t sosta = 0;   // seconds
};

struct cartello_percorso {
  std::int32_t posizione = 0;
  std::string testo;  // as the line description wrote it
};

struct cambio_velocita {
  std::int32_t posizione = 0;
  std::int32_t velocita = 0;  // km/h
};

struct rallentamento_percorso {
  std::int32_t posizione = 0;
  std::int32_t velocita = 0;
  std::int32_t lunghezza = 0;
};

// The stations in running order.
std::vector<stazione_percorso> stazioni_di(const compilatore::modello& m);

// The kilometre boards in running order, at the position the cell grid puts
// them; a board whose cell a station's stop point took is not on the line.
std::vector<cartello_percorso> cartelli_di(const compilatore::modello& m);

// The speed limit in force at `posizione`, km/h.
std::int32_t velocita_a(const compilatore::modello& m, std::int32_t posizione);

// Every change of the speed limit after `da` up to `a`, with the new limit.
std::vector<cambio_velocita> cambi_velocita(const compilatore::modello& m, std::int32_t da, std::int32_t a);

// The highest speed limit along the line.
std::int32_t velocita_massima(const compilatore::modello& m);

// The slowdowns in the order of the service description.
std::vector<rallentamento_percorso> rallentamenti_di(const compilatore::modello& m);

}  // namespace documenti
