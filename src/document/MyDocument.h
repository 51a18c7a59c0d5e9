#pragma once

#include "crypto/LWCommonCrypto.h"
#include "crypto/LWCrypto.h"
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
// Observable keys, beyond those of LWCryptoDoc: "mySalt", "myIV", "myRCDataEncrypted",
// "mySha1_RcData", "myIsEditable", "myPublicTextData", "myTextViewDataEncrypted",
// "myCrDateEncrypted", "myCrMACEncrypted", "myTextViewData", "myCrDate", "myCrMAC",
// "releaseToDecryptDoc". Outlets: "myPublicTextSheet", "myPublicNoteView", "myTextView",
// "myScrollView", "modernToolbar", "passwordToDecryptField".
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
    [[nodiscard]] const std::optional<platform::Data>& mySalt() const { return mySalt_; }
    void setMySalt(std::optional<platform::Data> value);
    [[nodiscard]] const std::optional<platform::Data>& myIV() const { return myIV_; }
    void setMyIV(std::optional<platform::Data> value);
    [[nodiscard]] const std::optional<platform::Data>& myRCDataEncrypted() const {
        return myRCDataEncrypted_;
    }
    void setMyRCDataEncrypted(std::optional<platform::Data> value);
    [[nodiscard]] const std::optional<platform::Data>& mySha1_RcData() const {
        return mySha1_RcData_;
    }
    void setMySha1_RcData(std::optional<platform::Data> value);
    [[nodiscard]] const std::optional<platform::Number>& myIsEditable() const {
        return myIsEditable_;
    }
    void setMyIsEditable(std::optional<platform::Number> value);
    // Reads see the last edit of the note's view.
    [[nodiscard]] const std::optional<platform::String>& myPublicTextData() const;
    void setMyPublicTextData(std::optional<platform::String> value);
    [[nodiscard]] const std::optional<platform::Data>& myTextViewDataEncrypted() const {
        return myTextViewDataEncrypted_;
    }
    void setMyTextViewDataEncrypted(std::optional<platform::Data> value);
    [[nodiscard]] const std::optional<platform::Data>& myCrDateEncrypted() const {
        return myCrDateEncrypted_;
    }
    void setMyCrDateEncrypted(std::optional<platform::Data> value);
    [[nodiscard]] const std::optional<platform::Data>& myCrMACEncrypted() const {
        return myCrMACEncrypted_;
    }
    void setMyCrMACEncrypted(std::optional<platform::Data> value);
    // The body as RTF. Reads see the last keystroke of the body's view.
    [[nodiscard]] const std::optional<platform::Data>& myTextViewData() const;
    void setMyTextViewData(std::optional<platform::Data> value);
    [[nodiscard]] const std::optional<platform::Date>& myCrDate() const { return myCrDate_; }
    void setMyCrDate(std::optional<platform::Date> value);
    [[nodiscard]] const std::optional<platform::Data>& myCrMAC() const { return myCrMAC_; }
    void setMyCrMAC(std::optional<platform::Data> value);
    [[nodiscard]] std::int64_t releaseToDecryptDoc() const { return releaseToDecryptDoc_; }
    void setReleaseToDecryptDoc(std::int64_t value);
    [[nodiscard]] const platform::Rect& bufWinRect() const { return bufWinRect_; }
    void setBufWinRect(const platform::Rect& value) { bufWinRect_ = value; }
    [[nodiscard]] bool bufToolbarVisible() const { return bufToolbarVisible_; }
    void setBufToolbarVisible(bool value) { bufToolbarVisible_ = value; }

private:
    void exposeProperties();
    void exposeOutlets();
    template <typename T>
    void assign(std::optional<T>& member, std::optional<T> value, const char16_t* key);

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

    std::shared_ptr<LWCommonCrypto> myCommonCrypto_;
    std::optional<platform::Data> mySalt_;
    std::optional<platform::Data> myIV_;
    std::optional<platform::Data> myRCDataEncrypted_;
    std::optional<platform::Data> mySha1_RcData_;
    std::optional<platform::Number> myIsEditable_;
    std::optional<platform::String> myPublicTextData_;
    std::optional<platform::Data> myTextViewDataEncrypted_;
    std::optional<platform::Data> myCrDateEncrypted_;
    std::optional<platform::Data> myCrMACEncrypted_;
    std::optional<platform::Data> myTextViewData_;
    std::optional<platform::Date> myCrDate_;
    std::optional<platform::Data> myCrMAC_;
    std::int64_t releaseToDecryptDoc_ = 0;
    platform::Rect bufWinRect_;
    bool bufToolbarVisible_ = false;

    // A document that was never unlocked is written back as it was read.
    DocumentFileFormat fileFormat_;
};
