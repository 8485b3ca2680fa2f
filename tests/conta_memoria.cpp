#include "conta_memoria.h"

#include <atomic>
#include <cstdlib>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#define CONTA_MEMORIA_SANITIZZATO 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define CONTA_MEMORIA_SANITIZZATO 1
#endif
#endif

namespace conta_memoria {
namespace {

std::atomic<std::size_t> usati{0};
std::atomic<std::size_t> massimo{0};

}  // namespace

#ifdef CONTA_MEMORIA_SANITIZZATO
bool misura_attiva() { return false; }
#else
bool misura_attiva() { return true; }
#endif
void azzera_picco() { massimo = usati.load(); }
std::size_t picco() { return massimo.load(); }
std::size_t in_uso() { return usati.load(); }

}  // namespace conta_memoria

#ifndef CONTA_MEMORIA_SANITIZZATO
namespace {

// Each block carries its size in front, kept at the strictest fundamental alignment.
constexpr std::size_t testa = alignof(std::max_align_t);

void* prendi(std::size_t n) {
  void* blocco = std::malloc(n + testa);
  if (blocco == nullptr) throw std::bad_alloc();
  *static_cast<std::size_t*>(blocco) = n;
  const std::size_t ora = conta_memoria::usati += n;
  std::size_t visto = conta_memoria::massimo.load();
  while (ora > visto && !conta_memoria::massimo.compare_exchange_weak(visto, ora)) {
  }
  return static_cast<char*>(blocco) + testa;
}

void rendi(void* p) noexcept {
  if (p == nullptr) return;
  void* blocco = static_cast<char*>(p) - testa;
  conta_memoria::usati -= *static_cast<std::size_t*>(blocco);
  std::free(blocco);
}

}  // namespace

void* operator new(std::size_t n) { return prendi(n); }
void* operator new[](std::size_t n) { return prendi(n); }
void operator delete(void* p) noexcept { rendi(p); }
void operator delete[](void* p) noexcept { rendi(p); }
void operator delete(void* p, std::size_t) noexcept { rendi(p); }
void operator delete[](void* p, std::size_t) noexcept { rendi(p); }
#endif
