#include <new>

#include "platform/memoria_grande.h"

namespace piattaforma {

// Large pages need a privilege a desktop user lacks: the ordinary heap.
void* alloca_grande(std::size_t byte) { return ::operator new(byte); }

void libera_grande(void* blocco, std::size_t) noexcept { ::operator delete(blocco); }

}  // namespace piattaforma
