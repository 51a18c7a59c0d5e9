#include "DocumentTest.h"
#include "crypto/LWCommonCrypto.h"
#include "crypto/LWMACAddress.h"
#include "platform/base/KeyedArchiver.h"
#include "platform/base/KeyedUnarchiver.h"
#include "platform/base/PropertyList.h"

#include <cmath>

using documenttest::DocumentTest;
using documenttest::readFile;
using documenttest::writeFile;
using platform::Data;
using platform::Dictionary;
using platform::Number;
using platform::String;
using platform::Value;

namespace {

const std::filesystem::path fixtures = std::filesystem::path(SEALSCRIBE_TEST_DATA) / "document";
const platform::Date creation(650000000.5);
const Data machine = {0x00, 0x1b, 0x63, 0x84, 0x45, 0xe6};

// Documents of every format version, built from their pieces: a body encrypted with
// Blowfish by openssl for the oldest versions, AES fields under "orchid" for the others.
class FileFormat : public DocumentTest {
protected:
    static Data body() { return readFile(fixtures / "body.rtf"); }

    static void addAESFields(Dictionary& dictionary,
                             const std::optional<Data>& salt = std::nullopt) {
        LWCommonCrypto crypto(u"orchid");
        if (salt)
            crypto.setSalt(salt);
        std::int32_t status = 0;
        const Data check = platform::dataFromBytes(
            *platform::toUtf8(LWCommonCrypto::generateRandom256AsciiString()));
        dictionary[u"salt"] = Value(crypto.salt());
        dictionary[u"IV"] = Value(crypto.IV());
        dictionary[u"rc"] = Value(crypto.encrypt(check, status));
        dictionary[u"sha1-rc"] = Value(LWCommonCrypto::dataSHA1(check));
        dictionary[u"textData"] = Value(crypto.encrypt(body(), status));
        dictionary[u"crDate"] = Value(crypto.encrypt(
            platform::KeyedArchiver::archivedDataWithRootObject(Value(creation)), status));
        dictionary[u"crMAC"] = Value(crypto.encrypt(machine, status));
    }

    // Every key of the format, whatever the version reads.
    static Dictionary everyKey(std::uint64_t version) {
        Dictionary dictionary = {
            {u"appversion", Value(Number::uint64(version))},
            {u"publicTextData", Value(u"the public note")},
            {u"isEditable", Value(Number::boolean(false))},
            {u"windowRecX", Value(Number::float64(120.9))},
            {u"windowRecY", Value(Number::float64(-35.5))},
            {u"windowRecWidth", Value(Number::float64(640.7))},
            {u"windowRecHeight", Value(Number::float64(480.2))},
            {u"makeToolbarVisibleAtDecrypt", Value(Number::boolean(false))},
        };
        addAESFields(dictionary);
        if (version < 10700)
            dictionary[u"textData"] = Value(readFile(fixtures / "body-orchid.bf"));
        return dictionary;
    }

    void writeDocument(const std::string& name, const Dictionary& dictionary) {
        writeFile(folder / name,
                  *platform::KeyedArchiver::archivedDataWithRootObject(Value(dictionary)));
    }

    static Dictionary dictionaryOf(const Data& file) {
        const auto root = platform::KeyedUnarchiver::unarchiveObjectWithData(file);
        return root.dictionary() ? *root.dictionary() : Dictionary();
    }
};

TEST_F(FileFormat, EveryVersionRow) {
    const struct {
        std::uint64_t version;
        bool editable, cipherFields, frame, toolbarFlag;
    } rows[] = {
        {20400, true, true, true, true},     {20301, true, true, true, true},
        {20100, true, true, true, true},     {20001, true, true, true, false},
        {20000, true, true, true, false},    {10700, true, true, true, false},
        {10603, true, false, true, false},   {10600, true, false, true, false},
        {10500, true, false, true, false},   {10404, true, false, false, false},
        {1410, true, false, false, false},   {1400, true, false, false, false},
        {10499, false, false, false, false}, {10401, false, false, false, false},
        {0, false, false, false, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.version);
        const auto file =
            *platform::KeyedArchiver::archivedDataWithRootObject(Value(everyKey(row.version)));
        const auto document = std::make_shared<MyDocument>();
        std::optional<String> error;
        ASSERT_TRUE(document->readFromData(file, u"sealscribe", error));
        EXPECT_FALSE(document->isDecrypted());
        EXPECT_FALSE(document->requiresMandatoryPassword());
        EXPECT_EQ(document->releaseToDecryptDoc(), static_cast<std::int64_t>(row.version));
        EXPECT_EQ(document->myIsEditable()->boolValue(), !row.editable);
        EXPECT_EQ(document->myPublicTextData(), String(u"the public note"));
        EXPECT_TRUE(document->myTextViewDataEncrypted());
        EXPECT_EQ(document->mySalt().has_value(), row.cipherFields);
        EXPECT_EQ(document->myRCDataEncrypted().has_value(), row.cipherFields);
        EXPECT_EQ(document->myCrDateEncrypted().has_value(), row.cipherFields);
        EXPECT_EQ(document->useMyWinRect(), row.frame);
        if (row.frame) {
            EXPECT_EQ(document->myWinRectToUse(), platform::Rect(120, -35, 640, 480));
        }
        EXPECT_EQ(document->makeToolbarVisibleAtDecrypt(), !row.toolbarFlag);
        // Older formats are written anew at their next save.
        EXPECT_EQ(document->isDocumentEdited(), !row.toolbarFlag);

        document->setPlainPasswordInserted(u"orchid");
        document->submitPasswordToDecrypt(nullptr);
        loop.runUntilIdle();
        EXPECT_TRUE(document->isDecrypted());
        EXPECT_EQ(document->myTextViewData(), body());
        if (row.cipherFields) {
            EXPECT_EQ(document->myCrDate(), creation);
            EXPECT_EQ(document->myCrMAC(), machine);
        } else {
            EXPECT_LT(std::abs(document->myCrDate()->timeIntervalSinceReferenceDate() -
                               platform::Date::now().timeIntervalSinceReferenceDate()),
                      60);
            EXPECT_EQ(document->myCrMAC(), LWMACAddress::MACAddressData());
        }
    }
}

// An AES version without its salt and IV, or with ones of the wrong size, refuses every
// password; so do ciphertexts cut short.
TEST_F(FileFormat, DamagedCipherFieldsRefuseThePassword) {
    const auto cut = [](const Value& data) {
        Data bytes = *data.data();
        bytes.resize(bytes.size() - 5);
        return Value(bytes);
    };
    std::vector<std::pair<std::string, Dictionary>> files;
    for (const std::uint64_t version : {20002, 15000})
        files.emplace_back("version " + std::to_string(version), everyKey(version));
    auto dictionary = everyKey(20400);
    dictionary.erase(u"IV");
    files.emplace_back("no IV", dictionary);
    dictionary = everyKey(20400);
    dictionary[u"IV"] = Value(Data(15, 1));
    files.emplace_back("short IV", dictionary);
    dictionary = everyKey(20400);
    addAESFields(dictionary, Data(7, 1));
    files.emplace_back("short salt, all made under it", dictionary);
    dictionary = everyKey(20400);
    dictionary[u"salt"] = Value(u"no data");
    files.emplace_back("salt of another kind", dictionary);
    for (const auto* key : {u"rc", u"textData", u"crDate", u"crMAC"}) {
        dictionary = everyKey(20400);
        dictionary[key] = cut(dictionary[key]);
        files.emplace_back("cut " + platform::toUtf8Lossy(key), dictionary);
    }
    dictionary = everyKey(10600);
    dictionary[u"textData"] = cut(dictionary[u"textData"]);
    files.emplace_back("cut Blowfish body", dictionary);

    for (const auto& [name, contents] : files) {
        SCOPED_TRACE(name);
        writeDocument("damaged.sealscribe", contents);
        const auto document = open("damaged.sealscribe");
        ASSERT_TRUE(document);
        unlock(document, u"orchid");
        answerAlert(document->myWindow(), u"Wrong Password", u"OK");
        EXPECT_FALSE(document->isDecrypted());
        document->close();
    }
}

TEST_F(FileFormat, WhatIsNoDocumentFailsToOpenWithAMessage) {
    const std::vector<std::pair<std::string, Data>> files = {
        {"empty", {}},
        {"text", platform::dataFromBytes("just some text")},
        {"property list", *platform::PropertyList::write(
                              Value(Dictionary{{u"appversion", Value(Number::uint64(20400))}}),
                              platform::PropertyListFormat::XML)},
        {"archived array",
         *platform::KeyedArchiver::archivedDataWithRootObject(Value(platform::Array{Value(u"x")}))},
        {"archived nil", *platform::KeyedArchiver::archivedDataWithRootObject(Value())},
    };
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name);
        writeFile(folder / "foreign.sealscribe", bytes);
        modal->answerNextWith(u"OK");
        EXPECT_FALSE(open("foreign.sealscribe"));
        ASSERT_FALSE(modal->alertsShown().empty());
        EXPECT_EQ(modal->alertsShown().back()->informativeText(),
                  u"The file is damaged, or it is not a Sealscribe document.");
    }
    EXPECT_TRUE(controller->documents().empty());
}

TEST_F(FileFormat, NewerVersionsAreRefusedWithOneAlert) {
    const std::vector<Value> versions = {
        Value(Number::uint64(20401)),
        Value(Number::uint64(30000)),
        Value(Number::uint64(std::uint64_t{1} << 63)),
        Value(Number::uint64(~std::uint64_t{0})),
        Value(Number::int64(-1)),
    };
    for (const auto& version : versions) {
        SCOPED_TRACE(version.unsignedLongLongValue());
        auto dictionary = everyKey(20400);
        dictionary[u"appversion"] = version;
        writeDocument("newer.sealscribe", dictionary);
        const auto before = modal->alertsShown().size();
        modal->answerNextWith(u"Cancel");
        EXPECT_FALSE(open("newer.sealscribe"));
        ASSERT_EQ(modal->alertsShown().size(), before + 1);
        EXPECT_EQ(modal->alertsShown().back()->messageText(),
                  u"The document you requested to open was created with a more recent version "
                  u"of this application");
    }
    EXPECT_TRUE(controller->documents().empty());
    EXPECT_TRUE(launcher->requests().empty());
}

// Nothing in a document read and never unlocked was decrypted: whatever writes it, it
// keeps what the file held, in the file's own version.
TEST_F(FileFormat, ADocumentNeverUnlockedIsWrittenBackAsRead) {
    for (const std::uint64_t version : {10600, 20000, 20400}) {
        SCOPED_TRACE(version);
        const auto original = everyKey(version);
        writeDocument("old.sealscribe", original);
        const auto document = open("old.sealscribe");
        unlock(document, u"not the password");
        answerAlert(document->myWindow(), u"Wrong Password", u"OK");
        bool written = false;
        document->saveToURL(
            urlOf("written.sealscribe"), u"sealscribe", platform::SaveOperationType::SaveAs,
            [&written](const platform::Result<>& saved) { written = saved.has_value(); });
        loop.runUntilIdle();
        ASSERT_TRUE(written);
        EXPECT_EQ(dictionaryOf(readFile(folder / "written.sealscribe")), original);
        document->close();

        const auto reopened = open("written.sealscribe");
        unlock(reopened, u"orchid");
        EXPECT_TRUE(reopened->isDecrypted());
        EXPECT_EQ(reopened->myTextViewData(), body());
        reopened->close();
    }
}

TEST_F(FileFormat, AnUnlockedOldDocumentIsWrittenInTheCurrentVersion) {
    writeDocument("old.sealscribe", everyKey(10500));
    const auto document = open("old.sealscribe");
    unlock(document, u"orchid");
    save(document);
    const auto written = dictionaryOf(readFile(folder / "old.sealscribe"));
    EXPECT_EQ(written.at(u"appversion"), Value(Number::uint64(20400)));
    for (const auto* key : {u"publicTextData", u"isEditable", u"textData", u"crDate", u"crMAC",
                            u"salt", u"IV", u"rc", u"sha1-rc", u"windowRecX", u"windowRecY",
                            u"windowRecWidth", u"windowRecHeight", u"makeToolbarVisibleAtDecrypt"})
        EXPECT_TRUE(written.contains(key)) << platform::toUtf8Lossy(key);
    EXPECT_EQ(written.at(u"windowRecWidth").doubleValue(), document->myWindow()->frame().width());
    document->close();

    const auto reopened = open("old.sealscribe");
    unlock(reopened, u"orchid");
    EXPECT_EQ(reopened->myTextViewData(), body());
    EXPECT_EQ(reopened->releaseToDecryptDoc(), 20400);
}

TEST_F(FileFormat, ANewBodyOfNoneIsStoredAsOnePaddingBlock) {
    const auto document = newDocumentWithPassword(u"orchid");
    document->setMyTextViewData(std::nullopt);
    document->setMyCrMAC(std::nullopt);
    std::optional<String> error;
    const auto file = document->dataOfType(u"sealscribe", error);
    ASSERT_TRUE(file);
    const auto written = dictionaryOf(*file);
    EXPECT_EQ(written.at(u"textData").data()->size(), 16u);
    EXPECT_EQ(written.at(u"crMAC").data()->size(), 16u);
}

// Either would store a file that its password cannot open.
TEST_F(FileFormat, SavesThatCouldNotBeOpenedAgainFail) {
    const struct {
        std::string name;
        String password;
        String reason;
    } cases[] = {
        {"no password", u"",
         u"The document has no password yet. Give it one with the password command first."},
        {"no UTF-8 form", String(u"orchid") + char16_t(0xD800),
         u"The document could not be encrypted."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::optional<String> error;
        const auto document = std::dynamic_pointer_cast<MyDocument>(
            controller->openUntitledDocumentAndDisplay(false, error));
        document->setPlainPassword(c.password);
        document->saveToURL(urlOf("refused.sealscribe"), u"sealscribe",
                            platform::SaveOperationType::SaveAs);
        answerAlert(document->windowForSheet(),
                    u"The document \u201cUntitled\u201d could not be saved.", u"OK");
        EXPECT_FALSE(std::filesystem::exists(folder / "refused.sealscribe"));
        document->close();
    }
}

} // namespace
