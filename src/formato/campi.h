#pragma once

#include <concepts>
#include <cstddef>
#include <string_view>
#include <type_traits>

#include "formato/strutture.h"

// The order of the fields of a table record and of a cell on disk, written
// once: the writer and the reader both walk it, so they cannot drift apart.
// `f` is called as f(name, field) for every field in file order, with the
// field const when the record is; the names are those of the records'
// members, which a reader's failure quotes.

namespace formato {

template <typename V, typename F>
  requires std::same_as<std::remove_const_t<V>, voce>
constexpr void visita_campi(V& v, F&& f) {
  f(std::string_view("tipo_stazione"), v.tipo_stazione);
  f(std::string_view("inizio"), v.inizio);
  f(std::string_view("fine"), v.fine);
  f(std::string_view("progressiva"), v.progressiva);
  f(std::string_view("capolinea"), v.capolinea);
  f(std::string_view("nome"), v.nome);
  f(std::string_view("gruppo_a1"), v.gruppo_a1);
  f(std::string_view("gruppo_a2"), v.gruppo_a2);
  f(std::string_view("gruppo_b1"), v.gruppo_b1);
  f(std::string_view("gruppo_b2"), v.gruppo_b2);
  f(std::string_view("gruppo_b3"), v.gruppo_b3);
  f(std::string_view("gruppo_a3"), v.gruppo_a3);
  f(std::string_view("sosta"), v.sosta);
  f(std::string_view("prolunga"), v.prolunga);
  f(std::string_view("flag_lunghezza"), v.flag_lunghezza);
  f(std::string_view("orario"), v.orario);
}

template <typename C, typename F>
  requires std::same_as<std::remove_const_t<C>, cella>
constexpr void visita_campi(C& c, F&& f) {
  f(std::string_view("evento"), c.evento);
  f(std::string_view("dato1"), c.dato1);
  f(std::string_view("dato2"), c.dato2);
  f(std::string_view("dato3"), c.dato3);
  f(std::string_view("dato4"), c.dato4);
  f(std::string_view("tempo_segnale"), c.tempo_segnale);
  f(std::string_view("preavviso"), c.preavviso);
  f(std::string_view("tipo_montagna"), c.tipo_montagna);
  f(std::string_view("vel_limite"), c.vel_limite);
  f(std::string_view("pendenza"), c.pendenza);
  f(std::string_view("aderenza"), c.aderenza);
}

// Bytes on disk: a cell, and a table record besides its text's bytes (the
// text's 2-byte count included).
inline constexpr std::size_t byte_cella = 15;
inline constexpr std::size_t byte_voce_senza_nome = 34;

static_assert(byte_cella == [] {
  cella c;
  std::size_t n = 0;
  visita_campi(c, [&n](std::string_view, const auto& campo) { n += sizeof campo; });
  return n;
}());

}  // namespace formato
