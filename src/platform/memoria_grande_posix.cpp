#include <sys/mman.h>

#include <cstdlib>
#include <new>

#include "platform/memoria_grande.h"

namespace piattaforma {
namespace {

// The size of a large page on the machines we run on; smaller blocks gain
// nothing and take the ordinary path.
constexpr std::size_t pagina_grande = std::size_t{2} << 20;

std::size_t arrotonda_a_pagine(std::size_t byte) { return (byte + pagina_grande - 1) / pagina_grande * pagina_grande; }

}  // namespace

void* alloca_grande(std::size_t byte) {
  if (byte < pagina_grande / 2) return ::operator new(byte);
  const std::size_t totale = arrotonda_a_pagine(byte);
  void* blocco = std::aligned_alloc(pagina_grande, totale);
  if (blocco == nullptr) throw std::bad_alloc();
  // Only advice: where large pages are off or unavailable nothing changes.
  ::madvise(blocco, totale, MADV_HUGEPAGE);
  return blocco;
}

void libera_grande(void* blocco, std::size_t byte) noexcept {
  if (byte < pagina_grande / 2) {
    ::operator delete(blocco);
    return;
  }
  std::free(blocco);
}

}  // namespace piattaforma
