#include "document/PublicNoteDelegate.h"

#include "platform/ui/Document.h"

void PublicNoteDelegate::textDidChange(platform::Text&) {
    markChanged();
}

// The text tells the end of editing only after a change.
void PublicNoteDelegate::textDidEndEditing(platform::Text&) {
    markChanged();
}

void PublicNoteDelegate::markChanged() const {
    if (const auto document = doc())
        document->updateChangeCount(platform::ChangeDone);
}
