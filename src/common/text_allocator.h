// The one place where bytes for texts are allocated, each block exactly the size asked for.
//
// Running out of memory is fatal: the allocator never returns null, it reports the size asked
// for through fail_fatally().
#pragma once

#include <cstddef>

namespace marrowick {

[[nodiscard]] char* allocate_text_bytes(std::size_t size);
void release_text_bytes(char* bytes) noexcept;

// While one of these lives, the allocation after `successes_first` more successful ones fails as
// if memory had run out. It lets tests reach the out-of-memory path without exhausting memory.
class ScopedTextAllocationFailure {
  public:
    explicit ScopedTextAllocationFailure(int successes_first = 0) noexcept;
    ~ScopedTextAllocationFailure();
    ScopedTextAllocationFailure(const ScopedTextAllocationFailure&) = delete;
    ScopedTextAllocationFailure& operator=(const ScopedTextAllocationFailure&) = delete;

  private:
    int previous_;
};

}  // namespace marrowick
