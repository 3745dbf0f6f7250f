#include "common/text_allocator.h"

#include <new>

#include "common/fatal.h"

namespace marrowick {
namespace {

// How many more allocations succeed before one fails; negative when no failure is planned.
int allocations_until_failure = -1;

bool planned_failure_due() noexcept {
    if (allocations_until_failure < 0) {
        return false;
    }
    if (allocations_until_failure == 0) {
        return true;
    }
    --allocations_until_failure;
    return false;
}

}  // namespace

char* allocate_text_bytes(std::size_t size) {
    char* bytes = planned_failure_due() ? nullptr : new (std::nothrow) char[size];
    if (bytes == nullptr) {
        fail_fatally(
            {.kind = FatalFailure::Kind::OutOfMemory, .bytes_requested = size, .what = {}});
    }
    return bytes;
}

void release_text_bytes(char* bytes) noexcept {
    delete[] bytes;  // NOLINT(cppcoreguidelines-owning-memory): the release of a Text's bytes
}

ScopedTextAllocationFailure::ScopedTextAllocationFailure(int successes_first) noexcept
    : previous_(allocations_until_failure) {
    allocations_until_failure = successes_first < 0 ? 0 : successes_first;
}

ScopedTextAllocationFailure::~ScopedTextAllocationFailure() {
    allocations_until_failure = previous_;
}

}  // namespace marrowick
