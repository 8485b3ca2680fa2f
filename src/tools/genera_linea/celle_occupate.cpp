#include "tools/genera_linea/celle_occupate.h"

namespace genera_linea {

bool celle_occupate::libera_intorno(std::int32_t cella) const {
  for (std::int32_t i = cella - 2; i <= cella + 2; ++i) {
    if (i < 0 || i >= static_cast<std::int32_t>(occupata_.size())) return false;
    if (occupata_[static_cast<std::size_t>(i)]) return false;
  }
  return true;
}

void celle_occupate::occupa(std::int32_t cella) {
  if (cella >= 0 && cella < static_cast<std::int32_t>(occupata_.size())) {
    occupata_[static_cast<std::size_t>(cella)] = true;
  }
}

std::int32_t celle_occupate::prima_libera(std::int32_t posizione, std::int32_t limite) const {
  for (std::int32_t p = posizione; p < limite; p += 50) {
    if (libera_intorno(p / 50 + 1)) return p;
  }
  return -1;
}

std::int32_t celle_occupate::libera_vicina(std::int32_t posizione, std::int32_t minimo, std::int32_t massimo,
                                          std::int32_t limite) const {
  for (std::int32_t scarto = 0; posizione - scarto >= minimo || posizione + scarto <= massimo; scarto += 50) {
    for (std::int32_t p : {posizione + scarto, posizione - scarto}) {
      if (p >= minimo && p <= massimo && p < limite && libera_intorno(p / 50 + 1)) return p;
    }
  }
  return prima_libera(massimo + 50, limite);
}

}  // namespace genera_linea
