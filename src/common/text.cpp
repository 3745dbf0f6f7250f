#include "common/text.h"

#include <cstring>
#include <limits>
#include <utility>

#include "common/fatal.h"
#include "common/text_allocator.h"

namespace marrowick {

Text::Text(Text&& other) noexcept
    : bytes_(std::exchange(other.bytes_, nullptr)), size_(std::exchange(other.size_, 0)) {}

Text& Text::operator=(Text&& other) noexcept {
    if (this != &other) {
        release();
        bytes_ = std::exchange(other.bytes_, nullptr);
        size_ = std::exchange(other.size_, 0);
    }
    return *this;
}

void Text::release() noexcept {
    release_text_bytes(std::exchange(bytes_, nullptr));
    size_ = 0;
}

Text Text::copy_of(std::string_view bytes) {
    return join({bytes});
}

Text join(std::initializer_list<std::string_view> pieces) {
    constexpr std::size_t largest = std::numeric_limits<std::size_t>::max();
    std::size_t total = 0;
    for (std::string_view piece : pieces) {
        if (piece.size() >= largest - total) {
            // The length itself cannot be represented: no allocator could serve it.
            fail_fatally(
                {.kind = FatalFailure::Kind::OutOfMemory, .bytes_requested = largest, .what = {}});
        }
        total += piece.size();
    }
    char* bytes = allocate_text_bytes(total + 1);
    char* end = bytes;
    for (std::string_view piece : pieces) {
        if (!piece.empty()) {
            std::memcpy(end, piece.data(), piece.size());
            end += piece.size();
        }
    }
    *end = '\0';
    return {bytes, total};
}

}  // namespace marrowick
