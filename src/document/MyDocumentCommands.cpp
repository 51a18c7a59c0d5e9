// The document's menu commands: locking, validation, printing, import and export, the
// plain-text conversion, the read-only switch and the public note.
#include "document/BodyExport.h"
#include "document/BodyImport.h"
#include "document/BodyRestyling.h"
#include "document/CommandAlert.h"
#include "document/MyDocument.h"
#include "platform/ui/MenuItem.h"
#include "platform/ui/OpenPanel.h"
#include "platform/ui/PageLayout.h"
#include "platform/ui/PrintOperation.h"
#include "platform/ui/SecureTextField.h"
#include "platform/ui/TextStorage.h"
#include "platform/ui/TextView.h"
#include "platform/ui/Toolbar.h"
#include "platform/ui/UserInterfaceItem.h"
#include "platform/ui/Window.h"

#include <array>

using platform::Number;
using platform::String;
using platform::Value;

namespace {

MyDocument& asMyDocument(LWCryptoDoc& document) {
    return static_cast<MyDocument&>(document);
}

String fileNameOf(const platform::URL& url) {
    return url.lastPathComponent().value_or(url.path().value_or(u""));
}

} // namespace

void MyDocument::exposeCommands() {
    const auto expose = [this](const char16_t* action, void (MyDocument::*command)(const Sender&)) {
        exposeAction(action, [this, command](const Sender& sender) { (this->*command)(sender); });
    };
    expose(u"lockDocument:", &MyDocument::lockDocument);
    expose(u"importFromTEXT:", &MyDocument::importFromTEXT);
    expose(u"importFromRTF:", &MyDocument::importFromRTF);
    expose(u"importFromRTFD:", &MyDocument::importFromRTFD);
    expose(u"exportToTEXT:", &MyDocument::exportToTEXT);
    expose(u"exportToRTF:", &MyDocument::exportToRTF);
    expose(u"exportToRTFD:", &MyDocument::exportToRTFD);
    expose(u"makePlainText:", &MyDocument::makePlainText);
    expose(u"switchReadAndWrite:", &MyDocument::switchReadAndWrite);
    expose(u"setReadOnly:", &MyDocument::setReadOnly);
    expose(u"setReadAndWrite:", &MyDocument::setReadAndWrite);
    expose(u"editPublicNote:", &MyDocument::editPublicNote);
    expose(u"closePublicNoteSheet:", &MyDocument::closePublicNoteSheet);
}

std::weak_ptr<MyDocument> MyDocument::weakDocument() {
    return std::static_pointer_cast<MyDocument>(selfDocument());
}

bool MyDocument::isEditableFlag() const {
    return myIsEditable() && myIsEditable()->boolValue();
}

// Locking ----------------------------------------------------------------------------------

bool MyDocument::isLockable() const {
    return isDecrypted() && !plainPassword().empty() && fileURL().has_value();
}

void MyDocument::lockDocument(const Sender&) {
    if (!isLockable())
        return;
    const auto weak = weakDocument();
    CommandAlert::lockConfirmation(isDocumentEdited())
        ->beginSheetModalForWindow(windowForSheet(), [weak](platform::ModalResponse answer) {
            const auto document = weak.lock();
            if (!document || answer != platform::AlertFirstButtonReturn)
                return;
            document->postToMainQueue(
                [](LWCryptoDoc& later) { asMyDocument(later).doLockDocument(); });
        });
}

void MyDocument::doLockDocument() {
    static_cast<void>(lock());
}

void MyDocument::lockAutomatically() {
    if (!isLockable())
        return;
    endWindowDialogs();
    postToMainQueue([](LWCryptoDoc& later) {
        auto& document = asMyDocument(later);
        if (document.lock() && document.isDocumentEdited())
            static_cast<void>(document.saveRelockedEdits());
    });
}

// A second lock would store the locked frame and the hidden toolbar for the unlock. A
// failed encryption leaves the document unlocked, with its fields as a save makes them.
bool MyDocument::lock() {
    if (!isLockable())
        return false;
    endWindowDialogs();
    makeToolbarVisibleAtDecrypt_ = modernToolbar_ && modernToolbar_->isVisible();
    if (myWindow_) {
        myWinRectToUse_ = myWindow_->frame();
        useMyWinRect_ = true;
    }
    if (!encryptUnderFreshKey()) {
        CommandAlert::lockFailed()->beginSheetModalForWindow(windowForSheet(), {});
        return false;
    }
    setValueForKey(Value(Number::boolean(true)), u"isEncrypted");
    didRelock();
    // The history holds plain text, deleted text included, of a body the unlock replaces.
    if (myTextView_)
        myTextView_->removeAllUndoActions();
    if (modernToolbar_)
        modernToolbar_->setVisible(false);
    if (!myWindow_)
        return true;
    myWindow_->setFrame(lockedFrameOfWindow(), true, true);
    myWindow_->setMaxSize(myWindow_->minSize());
    myWindow_->setShowsResizeIndicator(false);
    myWindow_->center();
    if (passwordToDecryptField_)
        static_cast<void>(myWindow_->makeFirstResponder(passwordToDecryptField_));
    return true;
}

// Whatever they would show or write of the body goes with them; their handlers get the
// stop answer, on which none acts.
void MyDocument::endWindowDialogs() {
    if (!myWindow_)
        return;
    myWindow_->endAllSheets();
    platform::PrintOperation::cancelOperationsOfWindow(*myWindow_);
    platform::PageLayout::cancelLayoutsOfWindow(*myWindow_);
}

// Validation -------------------------------------------------------------------------------

std::optional<bool> MyDocument::commandAnswer(const String& action) const {
    static const std::array<const char16_t*, 8> needUnlocked = {
        u"editPublicNote:", u"importFromTEXT:", u"importFromRTF:", u"importFromRTFD:",
        u"exportToTEXT:",   u"exportToRTF:",    u"exportToRTFD:",  u"switchReadAndWrite:"};
    for (const auto* command : needUnlocked)
        if (action == command)
            return isDecrypted();
    if (action == u"makePlainText:")
        return isEditableFlag() && isDecrypted();
    if (action == u"lockDocument:")
        return isLockable();
    return std::nullopt;
}

std::optional<bool> MyDocument::validateMenuItem(platform::MenuItem& item) {
    const String action = item.action();
    const bool editable = isEditableFlag();
    if (action == u"switchReadAndWrite:")
        item.setTitle(editable ? u"Prevent Editing" : u"Allow Editing");
    else if (action == u"setReadOnly:")
        item.setState(editable ? platform::ControlStateOff : platform::ControlStateOn);
    else if (action == u"setReadAndWrite:")
        item.setState(editable ? platform::ControlStateOn : platform::ControlStateOff);
    return LWCryptoDoc::validateMenuItem(item);
}

std::optional<bool> MyDocument::validateUserInterfaceItem(const platform::UserInterfaceItem& item) {
    if (const auto answer = commandAnswer(item.action()))
        return answer;
    return LWCryptoDoc::validateUserInterfaceItem(item);
}

// Printing and saving ----------------------------------------------------------------------

void MyDocument::printDocument(const Sender& sender) {
    if (isDecrypted() && myTextView_)
        myTextView_->print(sender);
}

void MyDocument::saveDocument(const Sender& sender) {
    static_cast<void>(myTextViewData());
    LWCryptoDoc::saveDocument(sender);
}

// Import and export ------------------------------------------------------------------------

void MyDocument::beginImport(BodyFileKind kind) {
    if (!isDecrypted())
        return;
    const auto panel = platform::OpenPanel::openPanel();
    panel->setAllowedFileTypes({});
    const auto weak = weakDocument();
    panel->beginSheetModalForWindow(
        windowForSheet(), [weak, panel, kind](platform::ModalResponse answer) {
            const auto document = weak.lock();
            if (!document || answer != platform::ModalResponseOK || panel->URLs().empty())
                return;
            document->postToMainQueue([kind, url = panel->URLs().front()](LWCryptoDoc& later) {
                asMyDocument(later).finishImport(kind, url);
            });
        });
}

void MyDocument::finishImport(BodyFileKind kind, const platform::URL& url) {
    const auto path = url.path();
    if (!isDecrypted() || !myTextView_ || !path)
        return;
    if (const auto inserted = BodyImport::insert(kind, *path, *myTextView_); !inserted)
        CommandAlert::importFailed(fileNameOf(url), inserted.error().message)
            ->beginSheetModalForWindow(windowForSheet(), {});
}

void MyDocument::beginExport(BodyFileKind kind) {
    if (!isDecrypted())
        return;
    const auto weak = weakDocument();
    CommandAlert::exportWarning(kind)->beginSheetModalForWindow(
        myWindow_, [weak, kind](platform::ModalResponse answer) {
            const auto document = weak.lock();
            if (!document || answer != platform::AlertSecondButtonReturn)
                return;
            document->postToMainQueue(
                [kind](LWCryptoDoc& later) { asMyDocument(later).runExportPanel(kind); });
        });
}

void MyDocument::runExportPanel(BodyFileKind kind) {
    if (!isDecrypted())
        return;
    const auto panel = platform::SavePanel::savePanel();
    panel->setAllowedFileTypes({BodyExport::describe(kind).fileType});
    const auto weak = weakDocument();
    panel->beginSheetModalForWindow(
        windowForSheet(), [weak, panel, kind](platform::ModalResponse answer) {
            const auto document = weak.lock();
            if (document && answer == platform::ModalResponseOK && panel->URL())
                document->finishExport(kind, *panel->URL());
        });
}

void MyDocument::finishExport(BodyFileKind kind, const platform::URL& url) {
    const auto path = url.path();
    if (!isDecrypted() || !myTextView_ || !path)
        return;
    if (const auto written = BodyExport::write(kind, *myTextView_, *path); !written)
        CommandAlert::exportFailed(fileNameOf(url), written.error().message)
            ->beginSheetModalForWindow(windowForSheet(), {});
}

// Plain text and read-only -----------------------------------------------------------------

void MyDocument::makePlainText(const Sender&) {
    if (!isDecrypted() || !isEditableFlag())
        return;
    const auto weak = weakDocument();
    CommandAlert::plainTextConfirmation()->beginSheetModalForWindow(
        myWindow_, [weak](platform::ModalResponse answer) {
            const auto document = weak.lock();
            if (document && answer == platform::AlertFirstButtonReturn)
                document->doMakePlainText();
        });
}

// A change of the body like any other: it marks the document changed.
void MyDocument::doMakePlainText() {
    if (!myTextView_ || !myTextView_->isRichText() || !isEditableFlag() || !isDecrypted())
        return;
    BodyRestyling::restyle(*myTextView_);
    myTextView_->didChangeText();
}

void MyDocument::switchReadAndWrite(const Sender&) {
    if (isDecrypted())
        setValueForKey(Value(Number::boolean(!isEditableFlag())), u"myIsEditable");
}

void MyDocument::setReadOnly(const Sender&) {
    setMyIsEditable(Number::boolean(false));
}

void MyDocument::setReadAndWrite(const Sender&) {
    setMyIsEditable(Number::boolean(true));
}

void MyDocument::setContentAsText(const String& text) {
    if (!myTextView_)
        return;
    myTextView_->replaceCharactersInRange({0, myTextView_->textStorage()->length()}, text);
    myTextView_->didChangeText();
    if (!myTextView_->isRichText())
        return;
    BodyRestyling::restyle(*myTextView_);
    updateChangeCount(platform::ChangeDone);
}

// The public note --------------------------------------------------------------------------

void MyDocument::editPublicNote(const Sender&) {
    if (isDecrypted() && myWindow_ && myPublicTextSheet_)
        myWindow_->beginSheet(myPublicTextSheet_, {});
}

void MyDocument::closePublicNoteSheet(const Sender& sender) {
    if (!myPublicTextSheet_)
        return;
    if (myWindow_)
        myWindow_->endSheet(myPublicTextSheet_);
    myPublicTextSheet_->orderOut(sender);
}
