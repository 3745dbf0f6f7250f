// Text: a run of bytes in the system code page (UTF-8 here), or absent.
//
// An absent text reads as the empty text. A present text owns exactly size()+1 bytes, the last
// one a terminating zero, taken from the text allocator in one piece. Texts are move-only and
// give their bytes back when released or destroyed; releasing an absent text does nothing.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string_view>

namespace marrowick {

class Text {
  public:
    Text() noexcept = default;  // absent
    ~Text() { release(); }

    Text(Text&& other) noexcept;
    Text& operator=(Text&& other) noexcept;
    Text(const Text&) = delete;
    Text& operator=(const Text&) = delete;

    // A present text holding a copy of the bytes (an empty copy is present, one byte long).
    static Text copy_of(std::string_view bytes);

    // Gives the bytes back and leaves the text absent.
    void release() noexcept;

    [[nodiscard]] bool is_absent() const noexcept { return bytes_ == nullptr; }
    [[nodiscard]] std::size_t size() const noexcept { return size_; }
    [[nodiscard]] std::string_view view() const noexcept { return {c_str(), size_}; }
    [[nodiscard]] const char* c_str() const noexcept { return bytes_ != nullptr ? bytes_ : ""; }
    operator std::string_view() const noexcept { return view(); }  // NOLINT: reads like a string

  private:
    Text(char* bytes, std::size_t size) noexcept : bytes_(bytes), size_(size) {}
    friend Text join(std::initializer_list<std::string_view> pieces);

    char* bytes_ = nullptr;
    std::size_t size_ = 0;
};

// One new present text: the pieces in order, byte for byte, nothing between them. Absent texts
// passed as pieces count as empty. Allocates exactly once, the total length plus one byte.
[[nodiscard]] Text join(std::initializer_list<std::string_view> pieces);

}  // namespace marrowick
