#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "driver/sorgente_scenario.h"
#include "platform/esito.h"

// An installer is a runner program with a scenario appended to it:
//
//   runner | payload | trailer
//
// The payload is the seven texts of testi_scenario (base name, train code,
// then the five files in the order the run writes them), each an unsigned
// 32-bit byte count and its bytes. The trailer, 32 bytes at the very end of
// the file, says where the payload is and whether it is whole:
//
//   offset  0  u64  the runner's size in bytes
//           8  u64  the payload's size in bytes
//          16  u32  CRC-32 (IEEE) of the payload
//          20  u32  the format's version, 1
//          24  8    the magic value 89 'S' 'C' 'E' 'N' 'A' 'R' 1A
//
// All integers little-endian.
namespace guida {

inline constexpr std::size_t byte_coda = 32;
inline constexpr std::uint32_t versione_pacchetto = 1;
inline constexpr std::array<char, 8> magico = {'\x89', 'S', 'C', 'E', 'N', 'A', 'R', '\x1a'};

// The runner followed by the payload and the trailer.
std::string componi_installatore(std::string_view programma, const testi_scenario& testi);

// The scenario packed in an installer's whole content; a failure says in
// words what is wrong with the file (cut short, damaged, not an installer).
piattaforma::esito estrai_scenario(std::string_view installatore, testi_scenario& testi);

// Why `nome` cannot be a base name or a train code, which must make a file
// name on every platform without leaving the folder; empty when it can.
std::string difetto_nome(std::string_view nome);

// CRC-32 as zip and PNG compute it.
std::uint32_t crc32(std::string_view dati);

}  // namespace guida
