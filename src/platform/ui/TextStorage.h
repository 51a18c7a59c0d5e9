#pragma once

#include "platform/base/Listeners.h"
#include "platform/base/Object.h"
#include "platform/text/AttributedString.h"
#include "platform/ui/TextChange.h"

#include <functional>

namespace platform {

// The attributed string that a text view shows. Every edit is told to the observers of
// its edits as the range it replaced and the length that replaced it, so that a renderer
// and the view's bindings follow the edit without reading the whole text. Ranges are
// clipped to the text.
class TextStorage : public Object {
public:
    using EditObserver = std::function<void(const TextChange& change)>;

    TextStorage() = default;

    [[nodiscard]] const AttributedString& attributedString() const { return text_; }
    [[nodiscard]] std::size_t length() const { return text_.length(); }
    [[nodiscard]] String string() const { return text_.string(); }

    void setAttributes(const TextAttributes& attributes, Range range);
    // The new characters take the attributes of the first replaced character, or of the
    // one before when none is replaced.
    void replaceCharactersInRange(Range range, const String& string);
    void replaceCharactersInRange(Range range, const AttributedString& string);
    void setAttributedString(AttributedString string);

    [[nodiscard]] Observation observeEdits(EditObserver observer) {
        return edits_.add(std::move(observer));
    }

private:
    [[nodiscard]] Range clip(Range range) const;

    AttributedString text_;
    Listeners<const TextChange&> edits_;
};

} // namespace platform
