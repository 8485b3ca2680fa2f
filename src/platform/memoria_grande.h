#pragma once

#include <cstddef>
#include <new>

namespace piattaforma {

// Memory for the few large arrays that are written whole right after they are
// allocated (the geometry: 16 bytes a metre). Where the system offers it, the
// block is placed so that it can be backed by large pages: on a virtual
// machine a fault per 4 KiB page costs far more than filling the page.
void* alloca_grande(std::size_t byte);
void libera_grande(void* blocco, std::size_t byte) noexcept;

// A standard allocator over alloca_grande, for std::vector.
template <typename T>
struct allocatore_grande {
  using value_type = T;

  allocatore_grande() = default;
  template <typename U>
  allocatore_grande(const allocatore_grande<U>&) noexcept {}

  T* allocate(std::size_t n) {
    if (n > static_cast<std::size_t>(-1) / sizeof(T)) throw std::bad_array_new_length();
    return static_cast<T*>(alloca_grande(n * sizeof(T)));
  }
  void deallocate(T* p, std::size_t n) noexcept { libera_grande(p, n * sizeof(T)); }

  template <typename U>
  bool operator==(const allocatore_grande<U>&) const noexcept {
    return true;
  }
};

}  // namespace piattaforma
