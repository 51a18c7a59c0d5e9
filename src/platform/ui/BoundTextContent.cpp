#include "platform/ui/BoundTextContent.h"

#include "platform/text/RTFReader.h"
#include "platform/text/RTFWriter.h"
#include "platform/ui/Text.h"
#include "platform/ui/TextStorage.h"

#include <vector>

namespace platform {

struct BoundTextContent::Registration {
    std::vector<Observation> observations;
    std::weak_ptr<BoundTextContent> owner;

    ~Registration() {
        if (const auto content = owner.lock())
            content->write_ = nullptr;
    }
};

BoundTextContent::BoundTextContent(const std::shared_ptr<Text>& text, Form form)
    : text_(text), form_(form) {}

Value BoundTextContent::content() const {
    const auto text = text_.lock();
    if (!text)
        return {};
    const auto& storage = *text->textStorage();
    if (form_ == Form::PlainString)
        return Value(storage.string());
    return Value(RTFWriter::write(storage.attributedString()));
}

void BoundTextContent::show(const Value& value) {
    const auto text = text_.lock();
    if (!text)
        return;
    AttributedString shown;
    if (form_ == Form::PlainString) {
        if (const auto* string = value.string())
            shown = AttributedString(*string, text->typingAttributes());
    } else if (const auto* rtf = value.data()) {
        // Data that is no RTF shows as an empty text; the key keeps it until the user
        // edits the text.
        shown = RTFReader::read(bytesOf(*rtf)).value_or(AttributedString());
    }
    showing_ = true;
    text->textStorage()->setAttributedString(std::move(shown));
    text->setSelectedRange({0, 0});
    showing_ = false;
    pending_ = false;
}

Observation BoundTextContent::handOverEdits(const std::shared_ptr<Object>& object,
                                            const String& key, std::function<void()> write) {
    const auto text = text_.lock();
    if (!text || !object)
        return {};
    write_ = std::move(write);
    const std::weak_ptr<BoundTextContent> weak = weak_from_this();
    auto registration = std::make_shared<Registration>();
    registration->owner = weak;
    auto& observations = registration->observations;
    observations.push_back(text->textStorage()->observeEdits([weak](const TextChange&) {
        if (const auto content = weak.lock())
            content->edited();
    }));
    observations.push_back(text->observeEndOfEditing([weak] {
        if (const auto content = weak.lock())
            content->commit();
    }));
    observations.push_back(object->addPendingEdit(
        key,
        [weak] {
            if (const auto content = weak.lock())
                content->commit();
        },
        [weak] {
            if (const auto content = weak.lock())
                content->discard();
        }));
    return Observation(std::move(registration));
}

void BoundTextContent::edited() {
    if (!showing_)
        pending_ = true;
}

// A reader of the key (a save) takes the edits so far: typing on is a new undo step.
void BoundTextContent::commit() {
    if (!pending_ || !write_)
        return;
    if (const auto text = text_.lock())
        text->breakUndoCoalescing();
    // Cleared first: the write reads the key, which must not commit again.
    pending_ = false;
    const auto write = write_;
    write();
}

void BoundTextContent::discard() {
    pending_ = false;
}

} // namespace platform
