#pragma once

#include "platform/base/Object.h"
#include "platform/ui/TextDelegate.h"

#include <memory>

namespace platform {
class Document;
}

// Watches the public note's text: each change, and the end of an edit, marks the
// document changed.
class PublicNoteDelegate : public platform::Object, public platform::TextDelegate {
public:
    // Held weakly: the document owns the interface that owns this delegate.
    [[nodiscard]] std::shared_ptr<platform::Document> doc() const { return doc_.lock(); }
    void setDoc(const std::shared_ptr<platform::Document>& document) { doc_ = document; }

    void textDidChange(platform::Text& text) override;
    void textDidEndEditing(platform::Text& text) override;

private:
    void markChanged() const;

    std::weak_ptr<platform::Document> doc_;
};
