#include "platform/freed_memory.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <utility>

namespace orlevant {
namespace {

std::function<void()>& Replacement() {
  static std::function<void()> replacement;
  return replacement;
}

}  // namespace

void ReturnFreedMemory() {
  if (const auto& replacement = Replacement()) {
    replacement();
    return;
  }
#if defined(__GLIBC__)
  ::malloc_trim(0);
#endif
}

void SetFreedMemoryReturner(std::function<void()> replacement) { Replacement() = std::move(replacement); }

}  // namespace orlevant
