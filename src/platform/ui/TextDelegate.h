#pragma once

namespace platform {

class Text;

// What a text view tells its delegate. The view holds its delegate weakly.
class TextDelegate {
public:
    virtual ~TextDelegate() = default;

    // After each change of the text that the user made or that the program announced
    // with didChangeText.
    virtual void textDidChange(Text& text) { (void)text; }
    // When the view stops being its window's first responder after such a change.
    virtual void textDidEndEditing(Text& text) { (void)text; }
};

} // namespace platform
