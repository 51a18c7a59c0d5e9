#pragma once

#include "platform/base/String.h"
#include "platform/text/GapBuffer.h"
#include "platform/text/Range.h"
#include "platform/text/TextAttributes.h"

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace platform {

// UTF-16 text with runs of attributes: the content of the platform's attributed strings
// and of a text view's storage. Edits cost what they change: the text sits in a gap
// buffer, and runs are kept maximal (adjacent runs differ) and share their attributes.
//
// Ranges given to the operations are clipped to the text.
class AttributedString {
public:
    using SharedAttributes = std::shared_ptr<const TextAttributes>;

    AttributedString() = default;
    explicit AttributedString(std::u16string_view text, const TextAttributes& attributes = {});

    [[nodiscard]] std::size_t length() const { return text_.size(); }
    [[nodiscard]] String string() const { return text_.copy(0, length()); }
    [[nodiscard]] String substring(Range range) const;
    [[nodiscard]] char16_t characterAt(std::size_t index) const { return text_.at(index); }
    // The text of a range without a copy.
    [[nodiscard]] GapBuffer::Pieces characters(Range range) const;

    // Past the end: empty attributes, with the effective range {length, 0}.
    [[nodiscard]] const TextAttributes& attributesAt(std::size_t index) const;
    [[nodiscard]] const TextAttributes& attributesAt(std::size_t index,
                                                     Range& effectiveRange) const;

    // The runs in order; each covers the longest range of its attributes.
    [[nodiscard]] std::size_t runCount() const { return runs_.size(); }
    [[nodiscard]] Range runRange(std::size_t run) const;
    [[nodiscard]] const SharedAttributes& runAttributes(std::size_t run) const {
        return runs_[run].attributes;
    }
    // runCount() past the end.
    [[nodiscard]] std::size_t runIndexAt(std::size_t index) const;

    void setAttributes(const TextAttributes& attributes, Range range);
    // The new characters take the attributes of the first replaced character, or when none
    // is replaced of the one before, or at the start of the one after. The text must not
    // be a view of this string's own characters.
    void replaceCharacters(Range range, std::u16string_view text);
    void replaceCharacters(Range range, const AttributedString& text);
    [[nodiscard]] AttributedString attributedSubstring(Range range) const;

    // Adds text at the end in the given attributes (none: empty attributes).
    void append(std::u16string_view text, const SharedAttributes& attributes);
    void reserve(std::size_t length) { text_.reserve(length); }
    void shrinkToFit() { text_.shrinkToFit(); }

    bool operator==(const AttributedString& other) const;

private:
    struct Run {
        std::size_t start;
        SharedAttributes attributes;
    };

    [[nodiscard]] Range clip(Range range) const;
    [[nodiscard]] const SharedAttributes& inheritedAttributes(Range replaced) const;
    void spliceRuns(Range replaced, std::size_t insertedLength, std::vector<Run> inserted);
    void mergeRuns(std::size_t from, std::size_t to);

    GapBuffer text_;
    std::vector<Run> runs_; // empty exactly when the text is; the first starts at 0
};

} // namespace platform
