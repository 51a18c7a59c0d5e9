#include "DocumentTest.h"

#include <cstdio>
#include <unistd.h>

using documenttest::DocumentTest;
using documenttest::readFile;
using platform::Data;
using platform::String;

namespace {

const char* const python = "/usr/bin/python3";
const std::filesystem::path fixtures = std::filesystem::path(SEALSCRIBE_TEST_DATA) / "document";

std::string hex(const Data& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string text;
    for (const auto byte : bytes) {
        text += digits[byte >> 4];
        text += digits[byte & 15];
    }
    return text;
}

Data unhex(const std::string& text) {
    Data bytes;
    for (std::size_t i = 0; i + 1 < text.size(); i += 2)
        bytes.push_back(static_cast<std::uint8_t>(std::stoi(text.substr(i, 2), nullptr, 16)));
    return bytes;
}

// The value of a key in the one-line JSON the script prints: a string without its quotes,
// or a number or literal as written.
std::string jsonValue(const std::string& json, const std::string& key) {
    const auto at = json.find("\"" + key + "\": ");
    if (at == std::string::npos)
        return {};
    auto begin = at + key.size() + 4;
    if (json[begin] == '"')
        return json.substr(begin + 1, json.find('"', begin + 1) - begin - 1);
    return json.substr(begin, json.find_first_of(",}", begin) - begin);
}

// Our writer and reader against an independent implementation of the format (plistlib,
// hashlib and python3-cryptography).
class Interchange : public DocumentTest {
protected:
    void SetUp() override {
        if (::access(python, X_OK) != 0)
            GTEST_SKIP() << python << " is not installed";
    }

    static std::string run(const std::string& arguments, int& status) {
        const std::string command = std::string(python) + " " +
                                    (fixtures / "sealscribe_doc.py").string() + " " + arguments +
                                    " 2>&1";
        std::string output;
        FILE* pipe = ::popen(command.c_str(), "r");
        if (!pipe)
            return output;
        char buffer[4096];
        while (const auto read = std::fread(buffer, 1, sizeof buffer, pipe))
            output.append(buffer, read);
        status = ::pclose(pipe);
        return output;
    }
};

TEST_F(Interchange, AnIndependentReaderUnlocksWhatWeWrite) {
    const auto document = newDocumentWithPassword(u"orchid-password");
    document->myTextView()->userTypeText(u"Written by us, read by python");
    save(document, "ours.sealscribe");

    int status = -1;
    const auto json =
        run("read " + (folder / "ours.sealscribe").string() + " orchid-password", status);
    ASSERT_EQ(status, 0) << json;
    EXPECT_EQ(jsonValue(json, "appversion"), "20400");
    EXPECT_EQ(jsonValue(json, "body"), hex(*document->myTextViewData()));
    EXPECT_EQ(jsonValue(json, "checkMatches"), "true");
    EXPECT_EQ(jsonValue(json, "sha1"), hex(*document->mySha1_RcData()));
    EXPECT_EQ(jsonValue(json, "crMAC"), hex(document->myCrMAC().value_or(Data())));
    EXPECT_EQ(std::stod(jsonValue(json, "crDate")),
              document->myCrDate()->timeIntervalSinceReferenceDate());
    EXPECT_EQ(jsonValue(json, "publicTextData"), "");

    const auto check = platform::fromUtf8(platform::bytesOf(unhex(jsonValue(json, "check"))));
    ASSERT_TRUE(check);
    EXPECT_EQ(check->size(), 256u);
    for (const auto unit : *check)
        EXPECT_TRUE(unit >= 1 && unit <= 255);

    run("read " + (folder / "ours.sealscribe").string() + " orchid-passwore", status);
    EXPECT_NE(status, 0);
}

TEST_F(Interchange, WeUnlockWhatAnIndependentWriterWrites) {
    const Data body = readFile(fixtures / "body.rtf");
    const struct {
        int version;
        bool toolbarShown;
        bool creationStored;
    } cases[] = {{20400, false, true}, {20000, true, true}, {10600, true, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.version);
        const std::string name = "python-" + std::to_string(c.version) + ".sealscribe";
        int status = -1;
        const auto output =
            run("write " + std::to_string(c.version) + " orchid-password " +
                    (fixtures / "body.rtf").string() + " " + (folder / name).string(),
                status);
        ASSERT_EQ(status, 0) << output;

        const auto document = open(name);
        ASSERT_TRUE(document);
        unlock(document, u"orchid-password");
        ASSERT_TRUE(document->isDecrypted());
        EXPECT_EQ(document->myTextViewData(), body);
        EXPECT_EQ(document->myTextView()->string(), u"An old body from 2006: caf\u00e9.\n");
        EXPECT_EQ(document->myPublicTextData(), String(u"written by python"));
        EXPECT_EQ(document->myWindow()->frame(), platform::Rect(120, -35, 640, 480));
        EXPECT_EQ(document->modernToolbar()->isVisible(), c.toolbarShown);
        if (c.creationStored) {
            EXPECT_EQ(document->myCrDate(), platform::Date(650000000.5));
            EXPECT_EQ(document->myCrMAC(), (Data{0x00, 0x1b, 0x63, 0x84, 0x45, 0xe6}));
        }
        document->close();
    }
}

} // namespace
