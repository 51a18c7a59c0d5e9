#pragma once

#include "platform/base/Data.h"
#include "platform/base/Listeners.h"
#include "platform/base/Property.h"
#include "platform/base/Result.h"
#include "platform/base/String.h"
#include "platform/text/Color.h"
#include "platform/text/ParagraphStyle.h"
#include "platform/text/Range.h"
#include "platform/text/TextAttributes.h"
#include "platform/ui/TextFormatting.h"
#include "platform/ui/TextUndo.h"
#include "platform/ui/View.h"

#include <functional>
#include <memory>
#include <optional>

namespace platform {

class TextDelegate;
class TextStorage;
struct TextChange;

// An editable rich text: its storage, the selection (an empty one is the insertion
// point), the attributes of what the user types, and the platform's RTF and RTFD
// operations. Make texts with std::make_shared.
//
// A renderer follows the storage's edits (textStorage()->observeEdits) and the
// properties "selectedRange", "typingAttributes" and "editable", "selectable",
// "richText", "usesFontPanel" (the four flags writable by key). The user's input, the
// renderer's own included, comes in through the user entry points; typing, deleting,
// pasting and formatting need an editable text, while the program's operations
// (replaceCharactersInRange...) work on any text. Ranges are clipped to the text.
//
// The user's edits are undoable; a change that the program makes to the storage forgets
// the history, whose steps would no longer fit the text. Each user change is told to the
// delegate and then to the window (Window::observeTextChanges).
//
// Answers the Edit menu's actions "undo:", "redo:", "cut:", "copy:", "paste:", "delete:"
// and "selectAll:", and validates them; the pasteboard is the general one.
class Text : public View {
public:
    Text();
    explicit Text(const Rect& frame);
    ~Text() override;

    [[nodiscard]] const std::shared_ptr<TextStorage>& textStorage() const { return storage_; }
    [[nodiscard]] String string() const;

    [[nodiscard]] Range selectedRange() const { return selectedRange_.get(); }
    // The typing attributes become those of the text at the new selection.
    void setSelectedRange(Range range);
    void selectAll(const Sender& sender);
    [[nodiscard]] const Property<Range>& selectedRangeProperty() const { return selectedRange_; }

    [[nodiscard]] const TextAttributes& typingAttributes() const { return typingAttributes_.get(); }
    void setTypingAttributes(const TextAttributes& attributes) {
        typingAttributes_.set(attributes);
    }
    [[nodiscard]] const Property<TextAttributes>& typingAttributesProperty() const {
        return typingAttributes_;
    }

    // Each tells a change only.
    [[nodiscard]] bool isEditable() const { return editable_.get(); }
    void setEditable(bool editable);
    [[nodiscard]] const Property<bool>& editableProperty() const { return editable_; }
    [[nodiscard]] bool isSelectable() const { return selectable_.get(); }
    void setSelectable(bool selectable);
    [[nodiscard]] bool isRichText() const { return richText_.get(); }
    void setRichText(bool richText) { richText_.change(richText); }
    [[nodiscard]] const Property<bool>& richTextProperty() const { return richText_; }
    [[nodiscard]] bool usesFontPanel() const { return usesFontPanel_.get(); }
    void setUsesFontPanel(bool uses) { usesFontPanel_.change(uses); }
    [[nodiscard]] const Property<bool>& usesFontPanelProperty() const { return usesFontPanel_; }

    // Held weakly.
    [[nodiscard]] std::shared_ptr<TextDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<TextDelegate>& delegate) { delegate_ = delegate; }

    // The new characters take the attributes of the first replaced character or of the
    // one before; in an empty text, the typing attributes.
    void replaceCharactersInRange(Range range, const String& string);
    // False, and the text unchanged, when the data is no RTF (no RTFD package). A text
    // that is not rich takes the characters only.
    [[nodiscard]] bool replaceCharactersInRangeWithRTF(Range range, const Data& rtf);
    [[nodiscard]] bool replaceCharactersInRangeWithRTFD(Range range, const Data& rtfd);
    [[nodiscard]] Data RTFFromRange(Range range) const;
    // The package in its serialized form (SerializedFileWrapper).
    [[nodiscard]] Data RTFDFromRange(Range range) const;
    // An RTFD package folder, or an RTF file, in place of the whole text: FileReader's
    // importLimit bounds the file, or the package's files together. Fails, with a reason
    // for a person and the text unchanged, when the path holds neither or it cannot be
    // read.
    [[nodiscard]] Result<> readRTFDFromFile(const String& path);
    // Always atomic: the package is written beside and then takes the old one's place.
    [[nodiscard]] Result<> writeRTFDToFile(const String& path, bool atomically) const;

    // Tells the delegate and the window that the text changed; the user's edits call it
    // themselves.
    void didChangeText();

    [[nodiscard]] const UndoManager& undoManager() const { return undo_.manager(); }
    void removeAllUndoActions() { undo_.clear(); }
    // What is typed next is undone apart from what was typed before: after a save, and
    // when editing ends.
    void breakUndoCoalescing() { undo_.breakCoalescing(); }

    // The Edit menu's commands, which are also user entry points. Copying puts the
    // selection on the general pasteboard as a string and, for a rich text, as RTF;
    // pasting prefers the RTF in a rich text.
    void undo(const Sender& sender);
    void redo(const Sender& sender);
    void cut(const Sender& sender);
    void copy(const Sender& sender);
    void paste(const Sender& sender);
    void deleteSelection(const Sender& sender);
    [[nodiscard]] std::optional<bool>
    validateUserInterfaceItem(const UserInterfaceItem& item) override;

    // The view's bindings hand their edits over when editing ends.
    [[nodiscard]] Observation observeEndOfEditing(std::function<void()> observer) {
        return endOfEditing_.add(std::move(observer));
    }
    [[nodiscard]] bool acceptsFirstResponder() const override { return isSelectable(); }
    [[nodiscard]] bool becomeFirstResponder() override;
    [[nodiscard]] bool resignFirstResponder() override;

    // User entry points. Each takes the keyboard focus, when the window lets the present
    // first responder go.
    void userTypeText(const String& text);
    void userDeleteBackward();
    void userDeleteForward();
    void userSelect(Range range);
    void userPaste(const String& text);
    void userPasteRTF(const Data& rtf);
    // The Format menu: a toggle sets its trait on the whole selection as the selection's
    // first character lacks it, or clears it everywhere. On an insertion point only the
    // typing attributes change. Fonts and colours come from the font panel and so need
    // usesFontPanel; none of them changes a text that is not rich.
    void userToggleBold();
    void userToggleItalic();
    void userToggleUnderline();
    void userSetFontFamily(const String& family);
    void userSetFontSize(double pointSize);
    void userSetTextColor(Color color);
    // For the whole paragraphs of the selection.
    void userSetAlignment(TextAlignment alignment);
    // The ruler's changes, for the whole paragraphs of the selection; lengths in twips, the
    // tab stops from the left margin. Each changes that one length of each paragraph.
    void userSetFirstLineIndent(std::int32_t indent);
    void userSetLeftIndent(std::int32_t indent);
    void userSetRightIndent(std::int32_t indent);
    void userSetTabStops(std::vector<std::int32_t> positions);
    // The style of the paragraph that holds the selection's start; in an empty paragraph,
    // that of the typing attributes; the text system's default when none.
    [[nodiscard]] ParagraphStyle paragraphStyleAtSelection() const;

private:
    [[nodiscard]] std::shared_ptr<Text> self();
    [[nodiscard]] bool takeFocus();
    [[nodiscard]] bool canFormat(bool fromFontPanel) const;
    [[nodiscard]] Range clip(Range range) const;
    [[nodiscard]] TextAttributes attributesAtSelection() const;
    [[nodiscard]] const TextAttributes& formattingBase() const;
    void storageEdited(const TextChange& change);
    // Performs a user edit of `range` and records its undo.
    void userEdit(Range range, TextUndo::Edit kind, const std::function<void()>& edit);
    void revert(const TextUndo::Step& step);
    void exposeEditActions();
    void moveSelection(Range range);
    void replaceWith(Range range, const AttributedString& text);
    void userInsert(const AttributedString& text, TextUndo::Edit kind);
    void toggle(bool (Font::*trait)() const, TextFormatting::Change (*change)(bool on));
    void format(const TextFormatting::Change& change, bool wholeParagraphs, bool fromFontPanel);

    std::shared_ptr<TextStorage> storage_;
    Observation storageEdits_;
    Property<Range> selectedRange_{*this, u"selectedRange"};
    Property<TextAttributes> typingAttributes_{*this, u"typingAttributes"};
    Property<bool> editable_{*this, u"editable", true, &Text::setEditable};
    Property<bool> selectable_{*this, u"selectable", true, &Text::setSelectable};
    Property<bool> richText_{*this, u"richText", true, &Text::setRichText};
    Property<bool> usesFontPanel_{*this, u"usesFontPanel", true, &Text::setUsesFontPanel};
    bool editingBegan_ = false;
    bool userEditing_ = false; // the storage's edits are the user's
    TextUndo undo_;
    std::weak_ptr<TextDelegate> delegate_;
    Listeners<> endOfEditing_;
};

} // namespace platform
