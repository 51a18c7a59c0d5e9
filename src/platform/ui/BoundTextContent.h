#pragma once

#include "platform/base/Object.h"
#include "platform/base/Observation.h"
#include "platform/base/String.h"
#include "platform/base/Value.h"

#include <functional>
#include <memory>

namespace platform {

class Text;
struct TextChange;

// The content of a text bound to a key, as RTF data or as a plain string. A new value of
// the key replaces the content. The text's edits only mark the content as pending; it is
// serialised and handed back when editing ends and before any read of the key, so that
// typing costs what the keystroke changes and still no reader misses an edit.
class BoundTextContent : public std::enable_shared_from_this<BoundTextContent> {
public:
    enum class Form { RTF, PlainString };

    BoundTextContent(const std::shared_ptr<Text>& text, Form form);

    [[nodiscard]] Value content() const;
    // Not an edit: nothing is pending afterwards.
    void show(const Value& value);

    // Hands the pending edit to `write` (which stores content() in the key) at the end of
    // editing and before every read of the key on the object; a change of the key drops
    // it. Registered as long as the observation lives.
    [[nodiscard]] Observation handOverEdits(const std::shared_ptr<Object>& object,
                                            const String& key, std::function<void()> write);

    [[nodiscard]] bool hasPendingEdit() const { return pending_; }

private:
    struct Registration;

    void edited();
    void commit();
    void discard();

    std::weak_ptr<Text> text_;
    Form form_;
    bool pending_ = false;
    bool showing_ = false;
    std::function<void()> write_;
};

} // namespace platform
