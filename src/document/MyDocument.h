#pragma once

#include "crypto/LWCommonCrypto.h"
#include "crypto/LWCrypto.h"
#include "document/BodyFileKind.h"
#include "document/DocumentFileFormat.h"
#include "document/LWCryptoDoc.h"
#include "platform/base/Data.h"
#include "platform/base/Date.h"
#include "platform/base/Value.h"
#include "platform/ui/Rect.h"

#include <cstdint>
#include <memory>
#include <optional>

namespace platform {
class DocumentController;
class MenuItem;
class ScrollView;
class SecureTextField;
class TextView;
class Toolbar;
class WindowController;
} // namespace platform

// The application's document: a rich-text body (RTF data) kept encrypted in one file with
// its creation date and the creating machine's hardware address, plus a plain public note,
// an editable flag and the window's frame. A new document asks for its password when its
// window first becomes key; a document read from a file opens locked, and its password
// field unlocks it.
//
// Observable and writable by key, beyond those of LWCryptoDoc: "mySalt", "myIV",
// "myRCDataEncrypted", "mySha1_RcData", "myIsEditable", "myPublicTextData",
// "myTextViewDataEncrypted", "myCrDateEncrypted", "myCrMACEncrypted", "myTextViewData",
// "myCrDate", "myCrMAC", "releaseToDecryptDoc". Outlets: "myPublicTextSheet", "myPublicNoteView",
// "myTextView", "myScrollView", "modernToolbar", "passwordToDecryptField".
class MyDocument : public LWCryptoDoc {
public:
    static constexpr const char16_t* documentTypeName = u"sealscribe";
    static constexpr const char16_t* fileExtension = u"sealscribe";
    static constexpr const char16_t* interfaceName = u"MyDocument";

    MyDocument();

    // Makes the document controller make a MyDocument for every document of the type.
    static void registerDocumentType(platform::DocumentController& controller);

    [[nodiscard]] bool autosavesInPlace() const override { return true; }
    [[nodiscard]] platform::String windowNibName() const override { return interfaceName; }
    void windowDidBecomeKey(platform::Window& window) override;
    void windowControllerDidLoadNib(platform::WindowController& controller) override;

    // The window takes its minimum size, keeping its left edge and, to the point, its top.
    [[nodiscard]] static platform::Rect lockedFrame(const platform::Rect& frame,
                                                    const platform::Size& minSize);

    // The file format.
    [[nodiscard]] std::optional<platform::Data>
    dataOfType(const platform::String& typeName, std::optional<platform::String>& error) override;
    [[nodiscard]] bool readFromData(const platform::Data& data, const platform::String& typeName,
                                    std::optional<platform::String>& error) override;
    // Encrypts the body, the creation date and the hardware address under the password;
    // false when an encryption failed (its field is then none).
    [[nodiscard]] bool encryptData();
    [[nodiscard]] static platform::String generateRandom256AsciiString();

    // Locking. A document can be locked when it is unlocked, has a password and has a
    // file. lockDocument: asks first; the lock itself runs on the main queue after the
    // question, and ends every sheet, panel and print dialog of the window.
    [[nodiscard]] bool isLockable() const;
    void lockDocument(const Sender& sender);
    void doLockDocument();
    // Without asking; a document locked with unsaved edits is then saved in place.
    void lockAutomatically();

    // Validation: the document's own commands by the lock and the editable flag, for menu
    // items and toolbar items alike; menu items also show the flag in the read-only
    // commands' title and check marks.
    [[nodiscard]] std::optional<bool> validateMenuItem(platform::MenuItem& item) override;
    [[nodiscard]] std::optional<bool>
    validateUserInterfaceItem(const platform::UserInterfaceItem& item) override;

    void printDocument(const Sender& sender) override;
    // Hands the body's pending edit over first; the focus stays where it is.
    void saveDocument(const Sender& sender) override;

    // Import into the selection, export of the whole body. Failures are shown in a sheet
    // and change nothing.
    void importFromTEXT(const Sender&) { beginImport(BodyFileKind::Text); }
    void importFromRTF(const Sender&) { beginImport(BodyFileKind::RTF); }
    void importFromRTFD(const Sender&) { beginImport(BodyFileKind::RTFD); }
    void exportToTEXT(const Sender&) { beginExport(BodyFileKind::Text); }
    void exportToRTF(const Sender&) { beginExport(BodyFileKind::RTF); }
    void exportToRTFD(const Sender&) { beginExport(BodyFileKind::RTFD); }

    // The plain-text conversion, which marks the document changed; the read-only
    // commands, which do not.
    void makePlainText(const Sender& sender);
    void doMakePlainText();
    void switchReadAndWrite(const Sender& sender);
    void setReadOnly(const Sender& sender);
    void setReadAndWrite(const Sender& sender);
    // The text becomes the whole body, in the default body font; the document is marked
    // changed.
    void setContentAsText(const platform::String& text);

    // The public note's sheet.
    void editPublicNote(const Sender& sender);
    void closePublicNoteSheet(const Sender& sender);

    // The unlock hooks.
    [[nodiscard]] std::int32_t Decript() override;
    std::int32_t decryptDone() override;

    // Outlets.
    [[nodiscard]] const std::shared_ptr<platform::TextView>& myTextView() const {
        return myTextView_;
    }
    [[nodiscard]] const std::shared_ptr<platform::TextView>& myPublicNoteView() const {
        return myPublicNoteView_;
    }
    [[nodiscard]] const std::shared_ptr<platform::Window>& myPublicTextSheet() const {
        return myPublicTextSheet_;
    }
    [[nodiscard]] const std::shared_ptr<platform::ScrollView>& myScrollView() const {
        return myScrollView_;
    }
    [[nodiscard]] const std::shared_ptr<platform::Toolbar>& modernToolbar() const {
        return modernToolbar_;
    }
    [[nodiscard]] const std::shared_ptr<platform::SecureTextField>& passwordToDecryptField() const {
        return passwordToDecryptField_;
    }

    // State kept for the unlock.
    [[nodiscard]] bool requiresMandatoryPassword() const { return requiresMandatoryPassword_; }
    [[nodiscard]] bool makeToolbarVisibleAtDecrypt() const { return makeToolbarVisibleAtDecrypt_; }
    [[nodiscard]] bool useMyWinRect() const { return useMyWinRect_; }
    [[nodiscard]] const platform::Rect& myWinRectToUse() const { return myWinRectToUse_; }
    [[nodiscard]] const LWCrypto& myCrypto() const { return myCrypto_; }

    // Properties.
    [[nodiscard]] const std::shared_ptr<LWCommonCrypto>& myCommonCrypto() const {
        return myCommonCrypto_;
    }
    void setMyCommonCrypto(std::shared_ptr<LWCommonCrypto> crypto) {
        myCommonCrypto_ = std::move(crypto);
    }
    [[nodiscard]] const std::optional<platform::Data>& mySalt() const { return mySalt_.get(); }
    void setMySalt(std::optional<platform::Data> value) { mySalt_.set(std::move(value)); }
    [[nodiscard]] const std::optional<platform::Data>& myIV() const { return myIV_.get(); }
    void setMyIV(std::optional<platform::Data> value) { myIV_.set(std::move(value)); }
    [[nodiscard]] const std::optional<platform::Data>& myRCDataEncrypted() const {
        return myRCDataEncrypted_.get();
    }
    void setMyRCDataEncrypted(std::optional<platform::Data> value) {
        myRCDataEncrypted_.set(std::move(value));
    }
    [[nodiscard]] const std::optional<platform::Data>& mySha1_RcData() const {
        return mySha1_RcData_.get();
    }
    void setMySha1_RcData(std::optional<platform::Data> value) {
        mySha1_RcData_.set(std::move(value));
    }
    [[nodiscard]] const std::optional<platform::Number>& myIsEditable() const {
        return myIsEditable_.get();
    }
    void setMyIsEditable(std::optional<platform::Number> value) { myIsEditable_.set(value); }
    // Reads see the last edit of the note's view.
    [[nodiscard]] const std::optional<platform::String>& myPublicTextData() const {
        return myPublicTextData_.get();
    }
    void setMyPublicTextData(std::optional<platform::String> value) {
        myPublicTextData_.set(std::move(value));
    }
    [[nodiscard]] const std::optional<platform::Data>& myTextViewDataEncrypted() const {
        return myTextViewDataEncrypted_.get();
    }
    void setMyTextViewDataEncrypted(std::optional<platform::Data> value) {
        myTextViewDataEncrypted_.set(std::move(value));
    }
    [[nodiscard]] const std::optional<platform::Data>& myCrDateEncrypted() const {
        return myCrDateEncrypted_.get();
    }
    void setMyCrDateEncrypted(std::optional<platform::Data> value) {
        myCrDateEncrypted_.set(std::move(value));
    }
    [[nodiscard]] const std::optional<platform::Data>& myCrMACEncrypted() const {
        return myCrMACEncrypted_.get();
    }
    void setMyCrMACEncrypted(std::optional<platform::Data> value) {
        myCrMACEncrypted_.set(std::move(value));
    }
    // The body as RTF. Reads see the last keystroke of the body's view.
    [[nodiscard]] const std::optional<platform::Data>& myTextViewData() const {
        return myTextViewData_.get();
    }
    void setMyTextViewData(std::optional<platform::Data> value) {
        myTextViewData_.set(std::move(value));
    }
    [[nodiscard]] const std::optional<platform::Date>& myCrDate() const { return myCrDate_.get(); }
    void setMyCrDate(std::optional<platform::Date> value) { myCrDate_.set(value); }
    [[nodiscard]] const std::optional<platform::Data>& myCrMAC() const { return myCrMAC_.get(); }
    void setMyCrMAC(std::optional<platform::Data> value) { myCrMAC_.set(std::move(value)); }
    [[nodiscard]] std::int64_t releaseToDecryptDoc() const { return releaseToDecryptDoc_.get(); }
    void setReleaseToDecryptDoc(std::int64_t value) { releaseToDecryptDoc_.set(value); }
    [[nodiscard]] const platform::Rect& bufWinRect() const { return bufWinRect_; }
    void setBufWinRect(const platform::Rect& value) { bufWinRect_ = value; }
    [[nodiscard]] bool bufToolbarVisible() const { return bufToolbarVisible_; }
    void setBufToolbarVisible(bool value) { bufToolbarVisible_ = value; }

private:
    void exposeOutlets();
    void exposeCommands();

    [[nodiscard]] std::weak_ptr<MyDocument> weakDocument();
    [[nodiscard]] bool isEditableFlag() const;
    [[nodiscard]] std::optional<bool> commandAnswer(const platform::String& action) const;
    [[nodiscard]] bool lock();
    void endWindowDialogs();
    [[nodiscard]] bool encryptUnderFreshKey();
    void beginImport(BodyFileKind kind);
    void finishImport(BodyFileKind kind, const platform::URL& url);
    void beginExport(BodyFileKind kind);
    void runExportPanel(BodyFileKind kind);
    void finishExport(BodyFileKind kind, const platform::URL& url);

    void showLockedLook(platform::WindowController& controller);
    void applyTextViewSettings();
    [[nodiscard]] platform::Rect lockedFrameOfWindow() const;

    [[nodiscard]] bool makeCipherObjectIfNeeded();
    [[nodiscard]] bool makeCheck();
    [[nodiscard]] DocumentFileFormat::Contents fileContents() const;
    void takeFields(const DocumentFileFormat::Read& file);

    [[nodiscard]] std::int32_t decryptWithAES();
    [[nodiscard]] std::int32_t decryptWithBlowfish();

    bool requiresMandatoryPassword_ = true;
    std::shared_ptr<platform::Window> myPublicTextSheet_;
    std::shared_ptr<platform::TextView> myPublicNoteView_;
    std::shared_ptr<platform::TextView> myTextView_;
    std::shared_ptr<platform::ScrollView> myScrollView_;
    std::shared_ptr<platform::Toolbar> modernToolbar_;
    bool makeToolbarVisibleAtDecrypt_ = false;
    LWCrypto myCrypto_;
    bool useMyWinRect_ = false;
    platform::Rect myWinRectToUse_;
    std::shared_ptr<platform::SecureTextField> passwordToDecryptField_;

    template <typename T> using Field = platform::Property<std::optional<T>>;
    static constexpr auto byKey = platform::KeyAccess::ReadWrite;

    std::shared_ptr<LWCommonCrypto> myCommonCrypto_;
    Field<platform::Data> mySalt_{*this, u"mySalt", std::nullopt, byKey};
    Field<platform::Data> myIV_{*this, u"myIV", std::nullopt, byKey};
    Field<platform::Data> myRCDataEncrypted_{*this, u"myRCDataEncrypted", std::nullopt, byKey};
    Field<platform::Data> mySha1_RcData_{*this, u"mySha1_RcData", std::nullopt, byKey};
    Field<platform::Number> myIsEditable_{*this, u"myIsEditable", std::nullopt, byKey};
    Field<platform::String> myPublicTextData_{*this, u"myPublicTextData", u"", byKey};
    Field<platform::Data> myTextViewDataEncrypted_{*this, u"myTextViewDataEncrypted", std::nullopt,
                                                   byKey};
    Field<platform::Data> myCrDateEncrypted_{*this, u"myCrDateEncrypted", std::nullopt, byKey};
    Field<platform::Data> myCrMACEncrypted_{*this, u"myCrMACEncrypted", std::nullopt, byKey};
    Field<platform::Data> myTextViewData_{*this, u"myTextViewData", std::nullopt, byKey};
    Field<platform::Date> myCrDate_;
    Field<platform::Data> myCrMAC_;
    platform::Property<std::int64_t> releaseToDecryptDoc_{*this, u"releaseToDecryptDoc", 0, byKey};
    platform::Rect bufWinRect_;
    bool bufToolbarVisible_ = false;

    // A document that was never unlocked is written back as it was read.
    DocumentFileFormat fileFormat_;
};
