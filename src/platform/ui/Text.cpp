#include "platform/ui/Text.h"

#include "platform/base/FileReader.h"
#include "platform/base/PosixPath.h"
#include "platform/text/RTFDPackage.h"
#include "platform/text/RTFReader.h"
#include "platform/text/RTFWriter.h"
#include "platform/ui/Pasteboard.h"
#include "platform/ui/TextDelegate.h"
#include "platform/ui/TextStorage.h"
#include "platform/ui/UserInterfaceItem.h"
#include "platform/ui/Window.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <utility>

namespace platform {
namespace {

bool isHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

bool isLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

std::optional<std::filesystem::path> fileSystemPath(const String& path) {
    const auto bytes = posixPath(path);
    if (!bytes)
        return std::nullopt;
    return std::filesystem::path(*bytes);
}

Result<AttributedString> readRTFFile(const String& path, const std::filesystem::path& location) {
    auto bytes = FileReader::readData(path, FileReader::importLimit);
    if (!bytes)
        return failure(std::move(bytes.error()));
    auto text = RTFReader::read(bytesOf(*bytes));
    if (!text)
        return failure(FileReader::quotedName(location) + u" is not RTF.");
    return std::move(*text);
}

Result<AttributedString> readRTFDFolder(const std::filesystem::path& location) {
    auto package = RTFDPackage::readFromFolder(location);
    if (!package)
        return failure(std::move(package.error()));
    auto text = package->attributedString();
    if (!text)
        return failure(FileReader::quotedName(location) + u" is not RTF.");
    return std::move(*text);
}

// Each reader refuses, on its own descriptor, what it cannot read; a folder that turns
// into a file meanwhile is so refused too.
Result<AttributedString> readRTFDOrRTF(const String& path) {
    const auto location = fileSystemPath(path);
    if (!location)
        return failure(unusablePathReason);
    std::error_code error;
    if (std::filesystem::is_directory(*location, error))
        return readRTFDFolder(*location);
    return readRTFFile(path, *location);
}

} // namespace

Text::Text() : Text(Rect()) {}

// The history belongs to the text: its steps may hold the text itself.
Text::Text(const Rect& frame)
    : View(frame), storage_(std::make_shared<TextStorage>()),
      undo_([this](const TextUndo::Step& step) { revert(step); }) {
    storageEdits_ =
        storage_->observeEdits([this](const TextChange& change) { storageEdited(change); });
    exposeEditActions();
}

Text::~Text() = default;

void Text::exposeEditActions() {
    exposeAction(u"selectAll:", [this](const Sender& sender) { selectAll(sender); });
    exposeAction(u"undo:", [this](const Sender& sender) { undo(sender); });
    exposeAction(u"redo:", [this](const Sender& sender) { redo(sender); });
    exposeAction(u"cut:", [this](const Sender& sender) { cut(sender); });
    exposeAction(u"copy:", [this](const Sender& sender) { copy(sender); });
    exposeAction(u"paste:", [this](const Sender& sender) { paste(sender); });
    exposeAction(u"delete:", [this](const Sender& sender) { deleteSelection(sender); });
}

std::shared_ptr<Text> Text::self() {
    return std::static_pointer_cast<Text>(shared_from_this());
}

String Text::string() const {
    return storage_->string();
}

Range Text::clip(Range range) const {
    const std::size_t length = storage_->length();
    const std::size_t location = std::min(range.location, length);
    return {location, std::min(range.length, length - location)};
}

void Text::setSelectedRange(Range range) {
    undo_.breakCoalescing();
    moveSelection(clip(range));
    if (storage_->length() > 0)
        setTypingAttributes(attributesAtSelection());
}

void Text::selectAll(const Sender&) {
    setSelectedRange({0, storage_->length()});
}

// As the platform takes them: the first selected character, or the one before the
// insertion point. An attachment is never typed.
TextAttributes Text::attributesAtSelection() const {
    const std::size_t length = storage_->length();
    std::size_t index = selectedRange().location;
    if (selectedRange().length == 0 && index > 0)
        --index;
    TextAttributes attributes =
        storage_->attributedString().attributesAt(std::min(index, length - 1));
    attributes.attachment = nullptr;
    return attributes;
}

// An editable text is selectable, as on the platform.
void Text::setEditable(bool editable) {
    if (editable)
        selectable_.change(true);
    editable_.change(editable);
}

void Text::setSelectable(bool selectable) {
    if (!selectable)
        editable_.change(false);
    selectable_.change(selectable);
}

void Text::moveSelection(Range range) {
    selectedRange_.change(range);
}

// Keeps the selection on the same characters: it moves with an edit before it, and one
// that replaces selected characters leaves the insertion point after the new ones.
void Text::storageEdited(const TextChange& change) {
    if (!userEditing_)
        undo_.clear();
    if (change.attributesOnly)
        return;
    Range selection = selectedRange();
    if (selection.location >= change.range.end())
        selection.location = selection.location - change.range.length + change.replacementLength;
    else if (selection.end() > change.range.location)
        selection = {change.range.location + change.replacementLength, 0};
    moveSelection(clip(selection));
}

void Text::replaceCharactersInRange(Range range, const String& string) {
    if (storage_->length() == 0)
        storage_->replaceCharactersInRange(range, AttributedString(string, typingAttributes()));
    else
        storage_->replaceCharactersInRange(range, string);
}

void Text::replaceWith(Range range, const AttributedString& text) {
    if (isRichText())
        storage_->replaceCharactersInRange(range, text);
    else
        replaceCharactersInRange(range, text.string());
}

bool Text::replaceCharactersInRangeWithRTF(Range range, const Data& rtf) {
    const auto text = RTFReader::read(bytesOf(rtf));
    if (!text)
        return false;
    replaceWith(range, *text);
    return true;
}

bool Text::replaceCharactersInRangeWithRTFD(Range range, const Data& rtfd) {
    const auto package = RTFDPackage::fromSerializedData(bytesOf(rtfd));
    const auto text = package ? package->attributedString() : std::nullopt;
    if (!text)
        return false;
    replaceWith(range, *text);
    return true;
}

Data Text::RTFFromRange(Range range) const {
    return RTFWriter::write(storage_->attributedString(), range);
}

Data Text::RTFDFromRange(Range range) const {
    return RTFDPackage::fromAttributedString(storage_->attributedString(), range).serializedData();
}

Result<> Text::readRTFDFromFile(const String& path) {
    auto text = readRTFDOrRTF(path);
    if (!text)
        return failure(std::move(text.error()));
    storage_->setAttributedString(std::move(*text));
    setSelectedRange({0, 0});
    return {};
}

Result<> Text::writeRTFDToFile(const String& path, bool) const {
    const auto location = fileSystemPath(path);
    if (!location)
        return failure(unusablePathReason);
    return RTFDPackage::fromAttributedString(storage_->attributedString()).writeToFolder(*location);
}

void Text::didChangeText() {
    editingBegan_ = true;
    if (const auto told = delegate())
        told->textDidChange(*this);
    if (const auto owner = window())
        owner->textDidChange(*this);
}

bool Text::becomeFirstResponder() {
    return isSelectable();
}

bool Text::resignFirstResponder() {
    breakUndoCoalescing();
    endOfEditing_.tell();
    if (std::exchange(editingBegan_, false))
        if (const auto told = delegate())
            told->textDidEndEditing(*this);
    return true;
}

bool Text::takeFocus() {
    const auto owner = window();
    return !owner || owner->makeFirstResponder(self());
}

void Text::userEdit(Range range, TextUndo::Edit kind, const std::function<void()>& edit) {
    range = clip(range);
    AttributedString replaced = storage_->attributedString().attributedSubstring(range);
    const std::size_t lengthBefore = storage_->length();
    const bool wasEditing = std::exchange(userEditing_, true);
    edit();
    userEditing_ = wasEditing;
    undo_.record(range, std::move(replaced), storage_->length() + range.length - lengthBefore,
                 kind);
}

// Puts the characters of a step back, selects them and records the way back again.
void Text::revert(const TextUndo::Step& step) {
    const Range restored{step.range.location, step.replaced.length()};
    userEdit(step.range, TextUndo::Edit::Other,
             [&] { storage_->replaceCharactersInRange(step.range, step.replaced); });
    setSelectedRange(restored);
    didChangeText();
}

void Text::userInsert(const AttributedString& text, TextUndo::Edit kind) {
    if (!isEditable() || !takeFocus())
        return;
    userEdit(selectedRange(), kind, [&] { replaceWith(selectedRange(), text); });
    didChangeText();
}

void Text::userTypeText(const String& text) {
    if (!text.empty())
        userInsert(AttributedString(text, typingAttributes()), TextUndo::Edit::Typing);
}

void Text::userPaste(const String& text) {
    if (!text.empty())
        userInsert(AttributedString(text, typingAttributes()), TextUndo::Edit::Other);
}

void Text::userPasteRTF(const Data& rtf) {
    if (const auto text = RTFReader::read(bytesOf(rtf)))
        userInsert(*text, TextUndo::Edit::Other);
}

void Text::userDeleteBackward() {
    if (!isEditable() || !takeFocus())
        return;
    Range deleted = selectedRange();
    if (deleted.length == 0) {
        const std::size_t at = deleted.location;
        if (at == 0)
            return;
        const auto& text = storage_->attributedString();
        const bool pair = at >= 2 && isLowSurrogate(text.characterAt(at - 1)) &&
                          isHighSurrogate(text.characterAt(at - 2));
        deleted = pair ? Range{at - 2, 2} : Range{at - 1, 1};
    }
    const auto kind =
        selectedRange().length == 0 ? TextUndo::Edit::DeletingBackward : TextUndo::Edit::Other;
    userEdit(deleted, kind, [&] { storage_->replaceCharactersInRange(deleted, String()); });
    didChangeText();
}

void Text::userDeleteForward() {
    if (!isEditable() || !takeFocus())
        return;
    Range deleted = selectedRange();
    if (deleted.length == 0) {
        const std::size_t at = deleted.location;
        const auto& text = storage_->attributedString();
        if (at >= text.length())
            return;
        const bool pair = at + 1 < text.length() && isHighSurrogate(text.characterAt(at)) &&
                          isLowSurrogate(text.characterAt(at + 1));
        deleted = {at, pair ? std::size_t{2} : std::size_t{1}};
    }
    userEdit(deleted, TextUndo::Edit::Other,
             [&] { storage_->replaceCharactersInRange(deleted, String()); });
    didChangeText();
}

void Text::undo(const Sender&) {
    if (isEditable() && takeFocus())
        undo_.manager().undo();
}

void Text::redo(const Sender&) {
    if (isEditable() && takeFocus())
        undo_.manager().redo();
}

void Text::copy(const Sender&) {
    if (selectedRange().length == 0)
        return;
    const auto pasteboard = Pasteboard::generalPasteboard();
    pasteboard->clearContents();
    (void)pasteboard->setString(storage_->attributedString().substring(selectedRange()),
                                Pasteboard::stringType);
    if (isRichText())
        pasteboard->setData(RTFFromRange(selectedRange()), Pasteboard::rtfType);
}

void Text::cut(const Sender& sender) {
    if (!isEditable() || selectedRange().length == 0)
        return;
    copy(sender);
    deleteSelection(sender);
}

void Text::paste(const Sender&) {
    const auto pasteboard = Pasteboard::generalPasteboard();
    if (isRichText())
        if (const auto rtf = pasteboard->dataForType(Pasteboard::rtfType)) {
            userPasteRTF(*rtf);
            return;
        }
    if (const auto string = pasteboard->stringForType(Pasteboard::stringType))
        userPaste(*string);
}

void Text::deleteSelection(const Sender&) {
    if (selectedRange().length > 0)
        userDeleteBackward();
}

std::optional<bool> Text::validateUserInterfaceItem(const UserInterfaceItem& item) {
    const String action = item.action();
    const bool selected = selectedRange().length > 0;
    if (action == u"undo:")
        return isEditable() && undo_.manager().canUndo();
    if (action == u"redo:")
        return isEditable() && undo_.manager().canRedo();
    if (action == u"copy:")
        return selected;
    if (action == u"cut:" || action == u"delete:")
        return isEditable() && selected;
    if (action == u"paste:") {
        const auto types = Pasteboard::generalPasteboard()->types();
        const auto holds = [&](const char16_t* type) {
            return std::find(types.begin(), types.end(), type) != types.end();
        };
        return isEditable() &&
               (holds(Pasteboard::stringType) || (isRichText() && holds(Pasteboard::rtfType)));
    }
    if (action == u"selectAll:")
        return isSelectable() && storage_->length() > 0;
    return std::nullopt;
}

void Text::userSelect(Range range) {
    if (isSelectable() && takeFocus())
        setSelectedRange(range);
}

bool Text::canFormat(bool fromFontPanel) const {
    return isEditable() && isRichText() && (usesFontPanel() || !fromFontPanel);
}

const TextAttributes& Text::formattingBase() const {
    if (selectedRange().length == 0)
        return typingAttributes();
    return storage_->attributedString().attributesAt(selectedRange().location);
}

void Text::format(const TextFormatting::Change& change, bool wholeParagraphs, bool fromFontPanel) {
    if (!canFormat(fromFontPanel) || !takeFocus())
        return;
    const Range target =
        wholeParagraphs
            ? TextFormatting::paragraphRange(storage_->attributedString(), selectedRange())
            : selectedRange();
    setTypingAttributes(change(typingAttributes()));
    if (target.length == 0)
        return;
    userEdit(target, TextUndo::Edit::Other,
             [&] { TextFormatting::apply(*storage_, target, change); });
    didChangeText();
}

void Text::toggle(bool (Font::*trait)() const, TextFormatting::Change (*change)(bool on)) {
    const bool on = !(TextFormatting::fontOf(formattingBase()).*trait)();
    format(change(on), false, true);
}

void Text::userToggleBold() {
    toggle(&Font::isBold, &TextFormatting::bold);
}

void Text::userToggleItalic() {
    toggle(&Font::isItalic, &TextFormatting::italic);
}

void Text::userToggleUnderline() {
    format(TextFormatting::underline(!formattingBase().underline), false, false);
}

void Text::userSetFontFamily(const String& family) {
    format(TextFormatting::fontFamily(family), false, true);
}

void Text::userSetFontSize(double pointSize) {
    format(TextFormatting::fontSize(pointSize), false, true);
}

void Text::userSetTextColor(Color color) {
    format(TextFormatting::foregroundColor(color), false, true);
}

void Text::userSetAlignment(TextAlignment alignment) {
    format(TextFormatting::alignment(alignment), true, false);
}

void Text::userSetFirstLineIndent(std::int32_t indent) {
    format(TextFormatting::firstLineIndent(indent), true, false);
}

void Text::userSetLeftIndent(std::int32_t indent) {
    format(TextFormatting::leftIndent(indent), true, false);
}

void Text::userSetRightIndent(std::int32_t indent) {
    format(TextFormatting::rightIndent(indent), true, false);
}

void Text::userSetTabStops(std::vector<std::int32_t> positions) {
    format(TextFormatting::tabStops(std::move(positions)), true, false);
}

// A paragraph is shown in the style of its first character.
ParagraphStyle Text::paragraphStyleAtSelection() const {
    const auto& text = storage_->attributedString();
    const Range paragraph = TextFormatting::paragraphRange(text, {selectedRange().location, 0});
    const auto& style = paragraph.length > 0 ? text.attributesAt(paragraph.location).paragraphStyle
                                             : typingAttributes().paragraphStyle;
    return style ? *style : ParagraphStyle();
}

} // namespace platform
