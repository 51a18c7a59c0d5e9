#include "document/LWCryptoDoc.h"

#include "document/PasswordAlert.h"
#include "platform/base/OperationQueue.h"
#include "platform/ui/Application.h"
#include "platform/ui/ProgressIndicator.h"
#include "platform/ui/TextField.h"
#include "platform/ui/UserInterfaceItem.h"
#include "platform/ui/Window.h"

#include <array>

using platform::Number;
using platform::String;
using platform::Value;
using platform::Window;

namespace {

constexpr std::size_t minimumPasswordLength = 6;

// A field that delivered no value equals nothing, not even another such field.
bool sameEntries(const std::optional<String>& first, const std::optional<String>& second) {
    return first && second && *first == *second;
}

bool longEnough(const std::optional<String>& password) {
    return password && password->size() >= minimumPasswordLength;
}

} // namespace

LWCryptoDoc::LWCryptoDoc() {
    decrypted_.dependsOn(isEncrypted_);
    exposePasswordActions();
    exposeOutlet(u"myWindow", myWindow_);
    exposeOutlet(u"mandatoryPasswordSheet", mandatoryPasswordSheet_);
    exposeOutlet(u"insertPasswordSheet", insertPasswordSheet_);
    exposeOutlet(u"changePasswordSheet", changePasswordSheet_);
    exposeOutlet(u"decryptProgressIndicator", decryptProgressIndicator_);
}

void LWCryptoDoc::exposePasswordActions() {
    exposeAction(u"submitPasswordToDecrypt:",
                 [this](const Sender& sender) { submitPasswordToDecrypt(sender); });
    exposeAction(u"documentPassword:", [this](const Sender& sender) { documentPassword(sender); });
    exposeAction(u"confirmMandatoryPasswordSheet:",
                 [this](const Sender& sender) { confirmMandatoryPasswordSheet(sender); });
    exposeAction(u"confirmChangePasswordSheet:",
                 [this](const Sender& sender) { confirmChangePasswordSheet(sender); });
    exposeAction(u"cancelChangePasswordSheet:",
                 [this](const Sender& sender) { cancelChangePasswordSheet(sender); });
    exposeAction(u"confirmInsertPasswordSheet:",
                 [this](const Sender& sender) { confirmInsertPasswordSheet(sender); });
    exposeAction(u"cancelInsertPasswordSheet:",
                 [this](const Sender& sender) { cancelInsertPasswordSheet(sender); });
}

std::shared_ptr<LWCryptoDoc> LWCryptoDoc::selfDocument() {
    return std::static_pointer_cast<LWCryptoDoc>(shared_from_this());
}

void LWCryptoDoc::postToMainQueue(std::function<void(LWCryptoDoc& document)> block) {
    platform::OperationQueue::mainQueue().addOperationWithBlock(
        [document = selfDocument(), block = std::move(block)] { block(*document); });
}

std::function<void(std::int64_t)>
LWCryptoDoc::sheetHandler(std::function<void(LWCryptoDoc& document, std::int64_t code)> then) {
    const std::weak_ptr<LWCryptoDoc> weak = selfDocument();
    return [weak, then = std::move(then)](std::int64_t code) {
        if (const auto document = weak.lock())
            then(*document, code);
    };
}

bool LWCryptoDoc::isDecrypted() const {
    const auto& encrypted = isEncrypted();
    return !(encrypted && encrypted->boolValue());
}

// Closing and validation -----------------------------------------------------------------

// The review at termination counts a document that closes itself as closed.
void LWCryptoDoc::canCloseDocumentWithDelegate(ShouldCloseHandler handler) {
    const bool holdsEdits = relocked_ && isDocumentEdited();
    if (isDecrypted() || (holdsEdits && relockedSaveFailed_)) {
        Document::canCloseDocumentWithDelegate(std::move(handler));
        return;
    }
    if (holdsEdits && !saveRelockedEdits()) {
        Document::canCloseDocumentWithDelegate(std::move(handler));
        return;
    }
    close();
}

bool LWCryptoDoc::saveRelockedEdits() {
    const auto url = fileURL();
    if (!url)
        return false;
    bool saved = false;
    saveToURL(*url, fileType(), platform::SaveOperationType::Save,
              [&saved](const platform::Result<>& result) { saved = result.has_value(); });
    relockedSaveFailed_ = !saved;
    return saved;
}

std::optional<bool>
LWCryptoDoc::validateUserInterfaceItem(const platform::UserInterfaceItem& item) {
    static const std::array<const char16_t*, 6> needUnlocked = {
        u"saveDocument:",          u"saveDocumentAs:", u"documentPassword:",
        u"revertDocumentToSaved:", u"runPageLayout:",  u"printDocument:"};
    const String action = item.action();
    for (const auto* locked : needUnlocked)
        if (action == locked)
            return isDecrypted();
    return Document::validateUserInterfaceItem(item);
}

// Unlocking ------------------------------------------------------------------------------

std::int32_t LWCryptoDoc::Decript() {
    return 1;
}

std::int32_t LWCryptoDoc::decryptDone() {
    return 1;
}

std::int32_t LWCryptoDoc::decryptFailed() {
    return 1;
}

void LWCryptoDoc::showDecryptProgress(bool shown) {
    if (!decryptProgressIndicator_)
        return;
    if (shown) {
        decryptProgressIndicator_->setHidden(false);
        decryptProgressIndicator_->startAnimation(shared_from_this());
    } else {
        decryptProgressIndicator_->stopAnimation(shared_from_this());
        decryptProgressIndicator_->setHidden(true);
    }
}

// An unlocked document ignores submissions: a rejected password must not become the
// password that its next save encrypts under.
void LWCryptoDoc::submitPasswordToDecrypt(const Sender& sender) {
    if (isDecrypted())
        return;
    if (const auto field = std::dynamic_pointer_cast<platform::TextField>(sender))
        setPlainPasswordInserted(field->stringValue());
    if (plainPasswordInserted())
        (void)decryptWithPassword(*plainPasswordInserted());
}

bool LWCryptoDoc::unlockWithPassword(const platform::String& password) {
    if (isDecrypted())
        return false;
    return decryptWithPassword(password);
}

bool LWCryptoDoc::decryptWithPassword(const platform::String& password) {
    if (password.empty())
        return false;
    const auto keepAlive = selfDocument();
    setPlainPassword(password);
    showDecryptProgress(true);
    const bool unlocked = Decript() == 0;
    if (!unlocked) {
        decryptFailed();
        showDecryptProgress(false);
        PasswordAlert::wrongPassword()->beginSheetModalForWindow(windowForSheet(), {});
    } else {
        relocked_ = false;
        relockedSaveFailed_ = false;
        decryptDone();
        showDecryptProgress(false);
        setPlainPasswordInserted(u"");
        setPlainPasswordInsertedRetype(u"");
        setPlainPasswordPrevious(u"");
    }
    updateChangeCount(platform::ChangeCleared);
    return unlocked;
}

// The mandatory password of a new document -----------------------------------------------

void LWCryptoDoc::askMandatoryPasswordToProtectDocument() {
    if (!myWindow_ || !mandatoryPasswordSheet_)
        return;
    myWindow_->beginSheet(mandatoryPasswordSheet_,
                          sheetHandler([](LWCryptoDoc& document, std::int64_t code) {
                              document.mandatoryPasswordSheetEnded(code);
                          }));
}

void LWCryptoDoc::confirmMandatoryPasswordSheet(const Sender& sender) {
    if (myWindow_)
        myWindow_->endSheet(mandatoryPasswordSheet_, platform::UserInterfaceItem::tagOf(sender));
}

// Every way out but a valid password closes the document unsaved.
void LWCryptoDoc::mandatoryPasswordSheetEnded(std::int64_t returnCode) {
    setValueForKey(Value(Number::boolean(true)), u"showClearPasswordInInsertPasswordSheet");
    if (returnCode != mandatorySheetConfirmTag) {
        postToMainQueue([](LWCryptoDoc& document) { document.close(); });
        return;
    }
    if (!sameEntries(plainPasswordInserted(), plainPasswordInsertedRetype())) {
        mandatoryPasswordNonEqual();
        return;
    }
    if (!longEnough(plainPasswordInserted())) {
        mandatoryPasswordMustBe6CharLong();
        return;
    }
    acceptNewPassword();
    updateChangeCount(platform::ChangeDone);
    PasswordAlert::mandatoryPasswordAccepted()->beginSheetModalForWindow(myWindow_, {});
    updateChangeCount(platform::ChangeDone);
}

void LWCryptoDoc::acceptNewPassword() {
    setPlainPassword(*plainPasswordInserted());
    setPlainPasswordInserted(u"");
    setPlainPasswordInsertedRetype(u"");
}

void LWCryptoDoc::mandatoryPasswordNonEqual() {
    PasswordAlert::mandatoryPasswordNonEqual()->beginSheetModalForWindow(
        windowForSheet(), sheetHandler([](LWCryptoDoc& document, std::int64_t) {
            document.askMandatoryPasswordToProtectDocument();
        }));
}

void LWCryptoDoc::mandatoryPasswordMustBe6CharLong() {
    PasswordAlert::mandatoryPasswordTooShort()->beginSheetModalForWindow(
        windowForSheet(), sheetHandler([](LWCryptoDoc& document, std::int64_t) {
            document.askMandatoryPasswordToProtectDocument();
        }));
}

// The change of the password -------------------------------------------------------------

void LWCryptoDoc::documentPassword(const Sender&) {
    if (plainPassword().empty()) {
        askMandatoryPasswordToProtectDocument();
        return;
    }
    setShowClearPasswordInInsertPasswordSheet(Number::boolean(false));
    setPlainPasswordPrevious(u"");
    setPlainPasswordInserted(u"");
    setPlainPasswordInsertedRetype(u"");
    showChangePasswordSheet(windowForSheet());
}

void LWCryptoDoc::showChangePasswordSheet(const std::shared_ptr<Window>& window) {
    if (!window || !changePasswordSheet_)
        return;
    window->beginSheet(changePasswordSheet_, sheetHandler([](LWCryptoDoc& document, std::int64_t) {
                           document.setShowClearPasswordInInsertPasswordSheet(
                               Number::boolean(false));
                       }));
}

void LWCryptoDoc::cancelChangePasswordSheet(const Sender&) {
    if (const auto window = windowForSheet())
        window->endSheet(changePasswordSheet_);
}

void LWCryptoDoc::confirmChangePasswordSheet(const Sender&) {
    const auto window = windowForSheet();
    if (window)
        window->endSheet(changePasswordSheet_);
    if (!sameEntries(plainPasswordPrevious(), plainPassword())) {
        passwordMustMatch(window);
        return;
    }
    if (!sameEntries(plainPasswordInserted(), plainPasswordInsertedRetype())) {
        passwordNotEqualSheet(window, nullptr);
        return;
    }
    if (!longEnough(plainPasswordInserted())) {
        passwordMustBe6CharLong(window, nullptr);
        return;
    }
    acceptNewPassword();
    setPlainPasswordPrevious(u"");
    updateChangeCount(platform::ChangeDone);
    PasswordAlert::passwordChanged()->beginSheetModalForWindow(window, {});
    updateChangeCount(platform::ChangeDone);
}

// Retry brings the change sheet back with what was typed, once the alert has gone.
void LWCryptoDoc::beginChangeRoadAlert(const std::shared_ptr<platform::Alert>& alert,
                                       const std::shared_ptr<Window>& window) {
    const std::weak_ptr<Window> weakWindow = window;
    alert->beginSheetModalForWindow(
        window, sheetHandler([weakWindow](LWCryptoDoc& document, std::int64_t code) {
            if (code != platform::AlertFirstButtonReturn)
                return;
            document.postToMainQueue([weakWindow](LWCryptoDoc& later) {
                later.showChangePasswordSheet(weakWindow.lock());
            });
        }));
}

void LWCryptoDoc::passwordMustMatch(const std::shared_ptr<Window>& window) {
    beginChangeRoadAlert(PasswordAlert::oldPasswordMismatch(), window);
}

void LWCryptoDoc::passwordNotEqualSheet(const std::shared_ptr<Window>& window, const void*) {
    beginChangeRoadAlert(PasswordAlert::newPasswordsNonEqual(), window);
}

void LWCryptoDoc::passwordMustBe6CharLong(const std::shared_ptr<Window>& window, const void*) {
    beginChangeRoadAlert(PasswordAlert::newPasswordTooShort(), window);
}

// The insert-password sheet --------------------------------------------------------------

void LWCryptoDoc::showInsertPasswordSheet(const std::shared_ptr<Window>& window,
                                          const void* contextInfo) {
    if (!window || !insertPasswordSheet_)
        return;
    insertContextInfo_ = contextInfo;
    window->beginSheet(insertPasswordSheet_, sheetHandler([](LWCryptoDoc& document, std::int64_t) {
                           document.insertPasswordSheetEnded(document.insertContextInfo_);
                       }));
}

void LWCryptoDoc::confirmInsertPasswordSheet(const Sender&) {
    sheetWasConfirmed_ = true;
    platform::Application::sharedApplication()->endSheet(insertPasswordSheet_);
}

void LWCryptoDoc::cancelInsertPasswordSheet(const Sender&) {
    sheetWasConfirmed_ = false;
    platform::Application::sharedApplication()->endSheet(insertPasswordSheet_);
}

void LWCryptoDoc::insertPasswordSheetEnded(const void* contextInfo) {
    setShowClearPasswordInInsertPasswordSheet(Number::boolean(true));
    if (!sheetWasConfirmed_)
        return;
    if (!sameEntries(plainPasswordInserted(), plainPasswordInsertedRetype())) {
        passwordNotEqualSheet(windowForSheet(), contextInfo);
        return;
    }
    if (!longEnough(plainPasswordInserted())) {
        passwordMustBe6CharLong(windowForSheet(), contextInfo);
        return;
    }
    acceptNewPassword();
    updateChangeCount(platform::ChangeDone);
    PasswordAlert::insertedPasswordAccepted()->beginSheetModalForWindow(windowForSheet(), {});
}
