#pragma once

#include "platform/base/String.h"

#include <cstddef>
#include <memory>
#include <string_view>

namespace platform {

// UTF-16 text with a gap at the place of the last edit, so that typing at one place moves
// no text: only an edit elsewhere moves the text between the two places.
class GapBuffer {
public:
    struct Pieces {
        std::u16string_view first;
        std::u16string_view second;
    };

    GapBuffer() = default;
    explicit GapBuffer(std::u16string_view text);
    GapBuffer(const GapBuffer& other);
    GapBuffer& operator=(const GapBuffer& other);
    GapBuffer(GapBuffer&&) noexcept = default;
    GapBuffer& operator=(GapBuffer&&) noexcept = default;

    [[nodiscard]] std::size_t size() const { return capacity_ - gapLength(); }
    [[nodiscard]] char16_t at(std::size_t index) const;

    // The positions are within the text (the caller checks).
    void replace(std::size_t position, std::size_t length, std::u16string_view text);
    void append(std::u16string_view text) { replace(size(), 0, text); }
    void reserve(std::size_t capacity);
    // Gives back a gap much larger than the text.
    void shrinkToFit();

    // The text of [position, position + length) in at most two contiguous pieces.
    [[nodiscard]] Pieces pieces(std::size_t position, std::size_t length) const;
    [[nodiscard]] String copy(std::size_t position, std::size_t length) const;

    bool operator==(const GapBuffer& other) const;

private:
    [[nodiscard]] std::size_t gapLength() const { return gapEnd_ - gapStart_; }
    void moveGap(std::size_t position);
    void growGap(std::size_t needed);
    void reallocate(std::size_t capacity);

    std::unique_ptr<char16_t[]> units_;
    std::size_t capacity_ = 0;
    std::size_t gapStart_ = 0;
    std::size_t gapEnd_ = 0;
};

} // namespace platform
