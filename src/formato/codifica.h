#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <utility>

// The one little-endian codec of the compiled files, whatever the host's byte
// order. Each metti_ stores a field at `p` and returns the place after it; each
// prendi_ loads a field from `p`. The caller has made room, or checked that the
// bytes are there.

namespace formato {

namespace dettaglio {

// Byte i of the field is bits 8i to 8i + 7 of the value. Written out byte by
// byte, which the compiler turns into one plain store or load on a
// little-endian host.
template <typename U, std::size_t... i>
char* metti_byte(char* p, U v, std::index_sequence<i...>) {
  ((p[i] = static_cast<char>(v >> (8 * i))), ...);
  return p + sizeof(U);
}

template <typename U, std::size_t... i>
U prendi_byte(const char* p, std::index_sequence<i...>) {
  return static_cast<U>(((static_cast<U>(static_cast<unsigned char>(p[i])) << (8 * i)) | ...));
}

template <typename U>
char* metti_senza_segno(char* p, U v) {
  return metti_byte(p, v, std::make_index_sequence<sizeof(U)>());
}

template <typename U>
U prendi_senza_segno(const char* p) {
  return prendi_byte<U>(p, std::make_index_sequence<sizeof(U)>());
}

}  // namespace dettaglio

inline char* metti_u8(char* p, std::uint8_t v) { return dettaglio::metti_senza_segno(p, v); }
inline char* metti_u16(char* p, std::uint16_t v) { return dettaglio::metti_senza_segno(p, v); }
inline char* metti_i16(char* p, std::int16_t v) { return metti_u16(p, static_cast<std::uint16_t>(v)); }
inline char* metti_i32(char* p, std::int32_t v) {
  return dettaglio::metti_senza_segno(p, static_cast<std::uint32_t>(v));
}
inline char* metti_f64(char* p, double v) { return dettaglio::metti_senza_segno(p, std::bit_cast<std::uint64_t>(v)); }

inline std::uint8_t prendi_u8(const char* p) { return dettaglio::prendi_senza_segno<std::uint8_t>(p); }
inline std::uint16_t prendi_u16(const char* p) { return dettaglio::prendi_senza_segno<std::uint16_t>(p); }
inline std::int16_t prendi_i16(const char* p) { return static_cast<std::int16_t>(prendi_u16(p)); }
inline std::int32_t prendi_i32(const char* p) {
  return static_cast<std::int32_t>(dettaglio::prendi_senza_segno<std::uint32_t>(p));
}
inline double prendi_f64(const char* p) {
  return std::bit_cast<double>(dettaglio::prendi_senza_segno<std::uint64_t>(p));
}

}  // namespace formato
