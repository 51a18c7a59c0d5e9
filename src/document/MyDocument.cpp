#include "document/MyDocument.h"

#include "app/utilities/LWAppSupportUtility.h"
#include "crypto/LWMACAddress.h"
#include "document/DocumentFormatVersion.h"
#include "platform/base/KeyedArchiver.h"
#include "platform/base/KeyedUnarchiver.h"
#include "platform/base/UserDefaultsController.h"
#include "platform/ui/DocumentController.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/SecureTextField.h"
#include "platform/ui/SharedFontManager.h"
#include "platform/ui/SystemVersion.h"
#include "platform/ui/TextView.h"
#include "platform/ui/Toolbar.h"
#include "platform/ui/Window.h"
#include "platform/ui/WindowController.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

using platform::Data;
using platform::Number;
using platform::Rect;
using platform::String;
using platform::Value;

namespace {

constexpr std::array<std::uint8_t, 8> blowfishVector = {0x5e, 0x19, 0xa7, 0xc4,
                                                        0x0b, 0x3f, 0xf2, 0x86};
constexpr std::size_t ivLength = 16;
constexpr std::size_t saltLength = 8;

const String damagedFile = u"The file is damaged, or it is not a Sealscribe document.";
const String noPassword =
    u"The document has no password yet. Give it one with the password command first.";
const String notEncrypted = u"The document could not be encrypted.";

std::optional<platform::Date> dateOf(const Value& value) {
    return value.date() ? std::optional<platform::Date>(*value.date()) : std::nullopt;
}

// Toward zero, as a 32-bit integer would hold it.
double truncatedToInt32(double value) {
    if (std::isnan(value))
        return 0;
    const double lowest = std::numeric_limits<std::int32_t>::min();
    const double highest = std::numeric_limits<std::int32_t>::max();
    return std::trunc(std::clamp(value, lowest, highest));
}

Value settingValue(const char16_t* key) {
    return platform::UserDefaultsController::sharedUserDefaultsController()->values()->valueForKey(
        key);
}

} // namespace

MyDocument::MyDocument()
    : myCrypto_(blowfishVector.data(), String()),
      myCrDate_(*this, u"myCrDate", platform::Date::now(), byKey),
      myCrMAC_(*this, u"myCrMAC", LWMACAddress::MACAddressData(), byKey) {
    exposeOutlets();
    exposeCommands();
    setValueForKey(Value(Number::boolean(true)), u"myIsEditable");
}

void MyDocument::registerDocumentType(platform::DocumentController& controller) {
    controller.registerDocumentClass<MyDocument>(documentTypeName, {fileExtension});
    controller.setDisplayNameForType(documentTypeName, u"Sealscribe documents");
}

void MyDocument::exposeOutlets() {
    exposeOutlet(u"myPublicTextSheet", myPublicTextSheet_);
    exposeOutlet(u"myPublicNoteView", myPublicNoteView_);
    exposeOutlet(u"myTextView", myTextView_);
    exposeOutlet(u"myScrollView", myScrollView_);
    exposeOutlet(u"modernToolbar", modernToolbar_);
    exposeOutlet(u"passwordToDecryptField", passwordToDecryptField_);
}

// The window ------------------------------------------------------------------------------

// Only a new document asks, and only at the first became-key event of its own window.
void MyDocument::windowDidBecomeKey(platform::Window& window) {
    if (&window != myWindow_.get())
        return;
    if (requiresMandatoryPassword_ && plainPassword().empty())
        postToMainQueue(
            [](LWCryptoDoc& document) { document.askMandatoryPasswordToProtectDocument(); });
    requiresMandatoryPassword_ = false;
}

void MyDocument::windowControllerDidLoadNib(platform::WindowController& controller) {
    if (myTextViewDataEncrypted())
        showLockedLook(controller);
    else if (myWindow_ && myWindow_->toolbar())
        myWindow_->toolbar()->setVisible(true);
    applyTextViewSettings();
    updateChangeCount(platform::ChangeCleared);
}

void MyDocument::showLockedLook(platform::WindowController& controller) {
    if (modernToolbar_) {
        modernToolbar_->setAutosavesConfiguration(false);
        modernToolbar_->setVisible(false);
    }
    controller.setShouldCascadeWindows(false);
    platform::SharedFontManager::sharedFontManager()->setEnabled(false);
    const Rect locked = lockedFrameOfWindow();
    if (!myWindow_)
        return;
    myWindow_->setMaxSize(myWindow_->minSize());
    myWindow_->setShowsResizeIndicator(false);
    postToMainQueue([locked](LWCryptoDoc& document) {
        if (const auto& window = document.myWindow()) {
            window->setFrame(locked, true, false);
            window->center();
        }
    });
}

void MyDocument::applyTextViewSettings() {
    if (myTextView_) {
        const auto font = platform::SharedFontManager::sharedFontManager()->fontWithName(
            settingValue(u"StartupFontFamily").stringValue().value_or(u""),
            settingValue(u"StartupFontSize").floatValue());
        platform::TextAttributes typing;
        typing.font = font;
        myTextView_->setTypingAttributes(typing);
        myTextView_->setRulerVisible(settingValue(u"StartWithRuler").boolValue());
        myTextView_->setContinuousSpellCheckingEnabled(
            settingValue(u"StartWithSpelling").boolValue());
        if (platform::SystemVersion::isAtLeast(10, 14))
            myTextView_->setUsesAdaptiveColorMappingForDarkAppearance(true);
    }
    if (myPublicNoteView_) {
        myPublicNoteView_->setUsesFontPanel(false);
        myPublicNoteView_->setUsesRuler(false);
    }
}

Rect MyDocument::lockedFrame(const Rect& frame, const platform::Size& minSize) {
    const double drop = truncatedToInt32(frame.height() - minSize.height);
    return Rect(frame.minX(), frame.minY() + drop, minSize.width, minSize.height);
}

Rect MyDocument::lockedFrameOfWindow() const {
    if (!myWindow_)
        return lockedFrame(Rect(), platform::Size());
    return lockedFrame(myWindow_->frame(), myWindow_->minSize());
}

// Writing ----------------------------------------------------------------------------------

String MyDocument::generateRandom256AsciiString() {
    return LWCommonCrypto::generateRandom256AsciiString();
}

bool MyDocument::makeCheck() {
    const auto check = platform::toUtf8(LWCommonCrypto::generateRandom256AsciiString());
    const Data bytes = platform::dataFromBytes(check.value_or(""));
    std::int32_t status = 0;
    setMySha1_RcData(LWCommonCrypto::dataSHA1(bytes));
    setMyRCDataEncrypted(myCommonCrypto_->encrypt(bytes, status));
    return check && mySha1_RcData() && myRCDataEncrypted();
}

// A new cipher object, salt, IV and check whenever the password is not the object's.
bool MyDocument::makeCipherObjectIfNeeded() {
    if (myCommonCrypto_ && myCommonCrypto_->password() == plainPassword())
        return true;
    setMyCommonCrypto(std::make_shared<LWCommonCrypto>(plainPassword()));
    setMySalt(myCommonCrypto_->salt());
    setMyIV(myCommonCrypto_->IV());
    return makeCheck();
}

bool MyDocument::encryptData() {
    bool encrypted = makeCipherObjectIfNeeded();
    std::int32_t status = 0;
    setMyTextViewDataEncrypted(myCommonCrypto_->encrypt(myTextViewData(), status));
    const auto date = platform::KeyedArchiver::archivedDataWithRootObject(Value(myCrDate()));
    setMyCrDateEncrypted(date ? myCommonCrypto_->encrypt(date, status) : std::nullopt);
    setMyCrMACEncrypted(myCommonCrypto_->encrypt(myCrMAC(), status));
    setReleaseToDecryptDoc(static_cast<std::int64_t>(DocumentFormatVersion::current));
    fileFormat_.forgetFileAsRead();
    return encrypted && myTextViewDataEncrypted() && myCrDateEncrypted() && myCrMACEncrypted();
}

// A fresh salt, IV and check, so that no two encryptions of a body share a key and IV.
bool MyDocument::encryptUnderFreshKey() {
    bool encrypted = makeCipherObjectIfNeeded();
    myCommonCrypto_->recalcIV_Salt_AESKey();
    encrypted = encryptData() && encrypted;
    setMySalt(myCommonCrypto_->salt());
    setMyIV(myCommonCrypto_->IV());
    return makeCheck() && encrypted;
}

// A locked document that was never unlocked holds no key for what it read: it is written
// back exactly as read, in its own version. Every other write fails rather than store a
// file that its password would not open (no password yet, or a failed encryption).
std::optional<Data> MyDocument::dataOfType(const String&, std::optional<String>& error) {
    if (!isDecrypted() && fileFormat_.holdsFileAsRead())
        return fileFormat_.writeFileAsRead(error);
    if (isDecrypted() && plainPassword().empty()) {
        error = noPassword;
        return std::nullopt;
    }
    const bool encrypted = isDecrypted() ? encryptUnderFreshKey() : makeCipherObjectIfNeeded();
    if (!encrypted) {
        error = notEncrypted;
        return std::nullopt;
    }
    return DocumentFileFormat::write(fileContents(), error);
}

// Unlocked, the window as it is now; locked, as it was at the lock or in the file.
DocumentFileFormat::Contents MyDocument::fileContents() const {
    DocumentFileFormat::Contents contents{myPublicTextData(),
                                          myIsEditable(),
                                          myTextViewDataEncrypted(),
                                          {myCrDateEncrypted(), myCrMACEncrypted(), mySalt(),
                                           myIV(), myRCDataEncrypted(), mySha1_RcData()},
                                          std::nullopt,
                                          makeToolbarVisibleAtDecrypt_};
    if (isDecrypted()) {
        contents.frame = myWindow_ ? myWindow_->frame() : Rect();
        contents.toolbarVisible = modernToolbar_ && modernToolbar_->isVisible();
    } else if (useMyWinRect_) {
        contents.frame = myWinRectToUse_;
    }
    return contents;
}

// Reading ----------------------------------------------------------------------------------

bool MyDocument::readFromData(const Data& data, const String&, std::optional<String>& error) {
    requiresMandatoryPassword_ = false;
    const auto file = fileFormat_.read(data);
    if (!file) {
        error = damagedFile;
        return false;
    }
    makeToolbarVisibleAtDecrypt_ = true;
    if (file->version.isNewerThanCurrent()) {
        static_cast<void>(LWAppSupportUtility::sayFilecreatedWithANewerVersion(shared_from_this()));
        setErrorAlreadyReported();
        error = u"The document was created with a more recent version of this application.";
        return false;
    }
    setReleaseToDecryptDoc(static_cast<std::int64_t>(file->version.value()));
    setIsEncrypted(Number::boolean(true));
    takeFields(*file);
    if (file->version.isOlderFormat())
        updateChangeCount(platform::ChangeDone);
    return true;
}

void MyDocument::takeFields(const DocumentFileFormat::Read& file) {
    if (file.isEditable)
        setMyIsEditable(*file.isEditable);
    setMyPublicTextData(file.publicTextData);
    setMyTextViewDataEncrypted(file.textData);
    if (const auto& cipher = file.cipher) {
        setMyCrDateEncrypted(cipher->crDate);
        setMyCrMACEncrypted(cipher->crMAC);
        setMySalt(cipher->salt);
        setMyIV(cipher->IV);
        setMyRCDataEncrypted(cipher->rc);
        setMySha1_RcData(cipher->sha1Rc);
    }
    if (file.frame) {
        myWinRectToUse_ = *file.frame;
        useMyWinRect_ = true;
    }
    if (file.toolbarVisible)
        makeToolbarVisibleAtDecrypt_ = *file.toolbarVisible;
}

// Unlocking --------------------------------------------------------------------------------

std::int32_t MyDocument::Decript() {
    if (DocumentFormatVersion(static_cast<std::uint64_t>(releaseToDecryptDoc())).usesAES())
        return decryptWithAES();
    return decryptWithBlowfish();
}

// The check string's digest proves the password before any plain field changes.
std::int32_t MyDocument::decryptWithAES() {
    auto crypto = std::make_shared<LWCommonCrypto>(plainPassword());
    crypto->setPasswordToDecrypt(plainPassword(), myIV(), mySalt());
    setMyCommonCrypto(crypto);
    // A damaged file may lack them; the cipher would take a salt of any length.
    if (!myIV() || myIV()->size() != ivLength)
        return LWCommonCrypto::statusMissingIV;
    if (!mySalt() || mySalt()->size() != saltLength)
        return LWCommonCrypto::statusMissingSalt;
    std::int32_t status = 0;
    const auto check = crypto->decrypt(myRCDataEncrypted(), status);
    if (status != 0)
        return status;
    const auto digest = LWCommonCrypto::dataSHA1(check);
    if (!digest || digest != mySha1_RcData())
        return 1;
    auto address = crypto->decrypt(myCrMACEncrypted(), status);
    if (status != 0)
        return status;
    setMyCrMAC(std::move(address));
    const auto date = crypto->decrypt(myCrDateEncrypted(), status);
    if (status != 0)
        return status;
    setMyCrDate(dateOf(platform::KeyedUnarchiver::unarchiveObjectWithData(*date)));
    auto body = crypto->decrypt(myTextViewDataEncrypted(), status);
    if (status != 0)
        return status;
    setMyTextViewData(std::move(body));
    setValueForKey(Value(u""), u"plainPasswordInserted");
    return 0;
}

// The oldest files carry no check, no creation date and no address.
std::int32_t MyDocument::decryptWithBlowfish() {
    myCrypto_.setPassword(plainPassword());
    std::int32_t status = 0;
    auto body = myCrypto_.decryptToData(myTextViewDataEncrypted(), status);
    setMyCrDate(platform::Date::now());
    setMyCrMAC(LWMACAddress::MACAddressData());
    if (status != 0)
        return status;
    setMyTextViewData(std::move(body));
    setValueForKey(Value(u""), u"plainPasswordInserted");
    return 0;
}

std::int32_t MyDocument::decryptDone() {
    if (passwordToDecryptField_)
        passwordToDecryptField_->setStringValue(u"");
    setValueForKey(Value(Number::boolean(false)), u"isEncrypted");
    if (const auto window = windowForSheet(); window && myTextView_)
        static_cast<void>(window->makeFirstResponder(myTextView_));
    if (myWindow_) {
        const double unbounded = std::numeric_limits<float>::max();
        myWindow_->setMaxSize({unbounded, unbounded});
        myWindow_->setShowsResizeIndicator(true);
    }
    platform::SharedFontManager::sharedFontManager()->setEnabled(true);
    if (modernToolbar_) {
        modernToolbar_->setVisible(makeToolbarVisibleAtDecrypt_);
        modernToolbar_->setAutosavesConfiguration(true);
    }
    if (useMyWinRect_ && myWindow_)
        myWindow_->setFrame(myWinRectToUse_, true, true);
    if (myTextView_ && platform::SystemVersion::isAtLeast(10, 14))
        myTextView_->setUsesAdaptiveColorMappingForDarkAppearance(true);
    return 1;
}
