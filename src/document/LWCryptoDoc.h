#pragma once

#include "platform/base/ComputedProperty.h"
#include "platform/base/Number.h"
#include "platform/base/Property.h"
#include "platform/base/String.h"
#include "platform/ui/Document.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace platform {
class Alert;
class ProgressIndicator;
class Window;
} // namespace platform

// A document kept under a password: the password in memory, the values typed into the
// password fields, and whether the document is locked. A typed password unlocks it
// through the hooks Decript and decryptDone, which a subclass fills. The password sheets
// (a new document's mandatory password, the change of the password, the insert sheet)
// work on the same properties.
//
// Observable, and but for "decrypted" writable by key: "isEncrypted", "decrypted",
// "plainPassword", "plainPasswordInserted", "plainPasswordInsertedRetype",
// "plainPasswordPrevious", "showClearPasswordInInsertPasswordSheet". Outlets: "myWindow",
// "mandatoryPasswordSheet", "insertPasswordSheet", "changePasswordSheet",
// "decryptProgressIndicator".
class LWCryptoDoc : public platform::Document {
public:
    // The answer of the mandatory sheet's confirming button.
    static constexpr std::int64_t mandatorySheetConfirmTag = 1000;

    LWCryptoDoc();

    // A locked document closes at once, without asking whether to save; one locked with
    // edits since its last save is first saved in place in its locked form, and asks as
    // an unlocked one does once such a save has failed.
    void canCloseDocumentWithDelegate(ShouldCloseHandler handler) override;
    // Saving, Save As, the password command, revert, page layout and printing need an
    // unlocked document.
    [[nodiscard]] std::optional<bool>
    validateUserInterfaceItem(const platform::UserInterfaceItem& item) override;

    [[nodiscard]] bool isDecrypted() const;
    [[nodiscard]] const platform::ComputedProperty<bool>& decryptedProperty() const {
        return decrypted_;
    }

    // The unlock action: the sender's text (a text field's) or, for another sender, what
    // plainPasswordInserted holds already. An empty password and a document that is not
    // locked are left alone.
    void submitPasswordToDecrypt(const Sender& sender);
    // The same unlock with a password handed over by a program, which leaves the typed
    // values alone unless it succeeds; true once unlocked by it.
    bool unlockWithPassword(const platform::String& password);

    // The hooks: Decript answers 0 when the document is decrypted with plainPassword.
    [[nodiscard]] virtual std::int32_t Decript();
    virtual std::int32_t decryptDone();
    virtual std::int32_t decryptFailed();

    // The password sheets.
    void askMandatoryPasswordToProtectDocument();
    void confirmMandatoryPasswordSheet(const Sender& sender);
    void mandatoryPasswordNonEqual();
    void mandatoryPasswordMustBe6CharLong();
    void documentPassword(const Sender& sender);
    void showChangePasswordSheet(const std::shared_ptr<platform::Window>& window);
    void confirmChangePasswordSheet(const Sender& sender);
    void cancelChangePasswordSheet(const Sender& sender);
    void passwordMustMatch(const std::shared_ptr<platform::Window>& window);
    void passwordNotEqualSheet(const std::shared_ptr<platform::Window>& window,
                               const void* contextInfo);
    void passwordMustBe6CharLong(const std::shared_ptr<platform::Window>& window,
                                 const void* contextInfo);
    void showInsertPasswordSheet(const std::shared_ptr<platform::Window>& window,
                                 const void* contextInfo);
    void confirmInsertPasswordSheet(const Sender& sender);
    void cancelInsertPasswordSheet(const Sender& sender);

    // None counts as unlocked.
    [[nodiscard]] const std::optional<platform::Number>& isEncrypted() const {
        return isEncrypted_.get();
    }
    void setIsEncrypted(const std::optional<platform::Number>& value) { isEncrypted_.set(value); }
    [[nodiscard]] const std::optional<platform::String>& plainPasswordInserted() const {
        return plainPasswordInserted_.get();
    }
    void setPlainPasswordInserted(const std::optional<platform::String>& value) {
        plainPasswordInserted_.set(value);
    }
    [[nodiscard]] const std::optional<platform::String>& plainPasswordInsertedRetype() const {
        return plainPasswordInsertedRetype_.get();
    }
    void setPlainPasswordInsertedRetype(const std::optional<platform::String>& value) {
        plainPasswordInsertedRetype_.set(value);
    }
    [[nodiscard]] const std::optional<platform::Number>&
    showClearPasswordInInsertPasswordSheet() const {
        return showClearPasswordInInsertPasswordSheet_.get();
    }
    void setShowClearPasswordInInsertPasswordSheet(const std::optional<platform::Number>& value) {
        showClearPasswordInInsertPasswordSheet_.set(value);
    }
    [[nodiscard]] const std::optional<platform::String>& plainPasswordPrevious() const {
        return plainPasswordPrevious_.get();
    }
    void setPlainPasswordPrevious(const std::optional<platform::String>& value) {
        plainPasswordPrevious_.set(value);
    }
    // "" is no password.
    [[nodiscard]] const platform::String& plainPassword() const { return plainPassword_.get(); }
    void setPlainPassword(const platform::String& value) { plainPassword_.set(value); }

    [[nodiscard]] const std::shared_ptr<platform::Window>& myWindow() const { return myWindow_; }
    [[nodiscard]] const std::shared_ptr<platform::Window>& mandatoryPasswordSheet() const {
        return mandatoryPasswordSheet_;
    }
    [[nodiscard]] const std::shared_ptr<platform::Window>& insertPasswordSheet() const {
        return insertPasswordSheet_;
    }
    [[nodiscard]] const std::shared_ptr<platform::Window>& changePasswordSheet() const {
        return changePasswordSheet_;
    }
    [[nodiscard]] const std::shared_ptr<platform::ProgressIndicator>&
    decryptProgressIndicator() const {
        return decryptProgressIndicator_;
    }

protected:
    // The document was unlocked and is locked again: it holds its last edits encrypted.
    void didRelock() { relocked_ = true; }
    // Saves a relocked, edited document to its own file; false when that failed (the
    // error is shown, and closing will ask whether to save).
    bool saveRelockedEdits();

    [[nodiscard]] std::shared_ptr<LWCryptoDoc> selfDocument();
    // Runs the block on the main queue, after the current event, with the document kept
    // alive until then.
    void postToMainQueue(std::function<void(LWCryptoDoc& document)> block);

    std::shared_ptr<platform::Window> myWindow_;
    std::shared_ptr<platform::Window> mandatoryPasswordSheet_;
    std::shared_ptr<platform::Window> insertPasswordSheet_;
    std::shared_ptr<platform::Window> changePasswordSheet_;
    std::shared_ptr<platform::ProgressIndicator> decryptProgressIndicator_;
    bool sheetWasConfirmed_ = false;

private:
    void exposePasswordActions();
    void showDecryptProgress(bool shown);
    bool decryptWithPassword(const platform::String& password);
    void mandatoryPasswordSheetEnded(std::int64_t returnCode);
    void acceptNewPassword();
    void insertPasswordSheetEnded(const void* contextInfo);
    void beginChangeRoadAlert(const std::shared_ptr<platform::Alert>& alert,
                              const std::shared_ptr<platform::Window>& window);
    // Runs `then` on the document when a sheet's handler is called, unless the document
    // has gone; the sheet does not keep the document alive.
    [[nodiscard]] std::function<void(std::int64_t)>
    sheetHandler(std::function<void(LWCryptoDoc& document, std::int64_t code)> then);

    static constexpr auto byKey = platform::KeyAccess::ReadWrite;
    platform::Property<std::optional<platform::Number>> isEncrypted_{
        *this, u"isEncrypted", platform::Number::boolean(false), byKey};
    platform::ComputedProperty<bool> decrypted_{*this, u"decrypted", &LWCryptoDoc::isDecrypted};
    platform::Property<std::optional<platform::String>> plainPasswordInserted_{
        *this, u"plainPasswordInserted", u"", byKey};
    platform::Property<std::optional<platform::String>> plainPasswordInsertedRetype_{
        *this, u"plainPasswordInsertedRetype", u"", byKey};
    platform::Property<std::optional<platform::Number>> showClearPasswordInInsertPasswordSheet_{
        *this, u"showClearPasswordInInsertPasswordSheet", std::nullopt, byKey};
    platform::Property<std::optional<platform::String>> plainPasswordPrevious_{
        *this, u"plainPasswordPrevious", u"", byKey};
    // Never none: a value that is no string is refused.
    platform::Property<platform::String> plainPassword_{
        *this, u"plainPassword", {}, byKey, [](const platform::Value& value) {
            return value.string() != nullptr;
        }};
    const void* insertContextInfo_ = nullptr;
    bool relocked_ = false;
    bool relockedSaveFailed_ = false;
};
