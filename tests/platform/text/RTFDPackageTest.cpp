#include "platform/text/RTFDPackage.h"

#include "TextFixtures.h"
#include "platform/text/SerializedFileWrapper.h"
#include "support/Files.h"
#include "support/Results.h"
#include "support/ScratchFolder.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

using platform::AttributedString;
using platform::Data;
using platform::RTFDFolder;
using platform::RTFDPackage;
using platform::SerializedFileWrapper;
using platform::String;
using testsupport::filesIn;
using testsupport::messageOf;
using testsupport::writeFile;
using textfixtures::attachmentText;

namespace fs = std::filesystem;

namespace {

// The bytes of a literal with NULs, without its terminator.
template <std::size_t N> std::string bytes(const char (&literal)[N]) {
    return std::string(literal, N - 1);
}

class RTFDPackageTest : public testing::Test {
protected:
    testsupport::ScratchFolder scratch_;
    const fs::path& folder_ = scratch_.path();
};

AttributedString withAttachments() {
    AttributedString text(u"Image ");
    text.replaceCharacters({text.length(), 0},
                           attachmentText(u"photo.png", textfixtures::pngImage()));
    text.replaceCharacters({text.length(), 0}, AttributedString(u" file "));
    text.replaceCharacters({text.length(), 0},
                           attachmentText(u"notes.txt", platform::dataFromBytes("n")));
    text.replaceCharacters({text.length(), 0}, AttributedString(u"\n"));
    return text;
}

TEST_F(RTFDPackageTest, HoldsTheRTFAndOneFileEachAttachment) {
    const AttributedString text = withAttachments();
    const RTFDPackage package = RTFDPackage::fromAttributedString(text);
    std::vector<String> names;
    for (const auto& [name, contents] : package.files())
        names.push_back(name);
    EXPECT_EQ(names, (std::vector<String>{u"TXT.rtf", u"notes.txt", u"photo.png"}));
    const std::string rtf(platform::bytesOf(package.files().at(u"TXT.rtf")));
    EXPECT_NE(rtf.find("{{\\NeXTGraphic photo.png \\width40 \\height20 "), std::string::npos)
        << rtf;
    EXPECT_EQ(rtf.find("89504e47"), std::string::npos); // the image is beside, not inside
    EXPECT_EQ(package.attributedString(), text);
}

TEST_F(RTFDPackageTest, GivesAttachmentsValidUniqueFileNames) {
    AttributedString text;
    const auto add = [&text](const char16_t* name, const char* contents) {
        text.replaceCharacters({text.length(), 0},
                               attachmentText(name, platform::dataFromBytes(contents)));
    };
    add(u"a.png", "1");
    add(u"a.png", "2"); // same name, other bytes
    add(u"a.png", "1"); // same name and bytes: the same file
    add(u"TXT.rtf", "3");
    add(u"dir/x", "4");
    add(u"..", "5");
    add(u"trailing  ", "6");
    add(u"", "7");
    const RTFDPackage package = RTFDPackage::fromAttributedString(text);
    const auto attachmentNames = [](const AttributedString& read) {
        std::vector<String> names;
        for (std::size_t i = 0; i < read.length(); ++i)
            names.push_back(read.attributesAt(i).attachment->fileName());
        return names;
    };
    const auto read = package.attributedString();
    ASSERT_TRUE(read);
    EXPECT_EQ(attachmentNames(*read),
              (std::vector<String>{u"a.png", u"a 2.png", u"a.png", u"TXT 2.rtf", u"dir_x",
                                   u"Attachment", u"trailing", u"Attachment 2"}));
    EXPECT_EQ(read->attributesAt(1).attachment->contents(), platform::dataFromBytes("2"));
    EXPECT_EQ(package.files().size(), 8u);
}

TEST_F(RTFDPackageTest, WritesAndReadsAFolder) {
    const AttributedString text = withAttachments();
    const fs::path path = folder_ / "Export.rtfd";
    const auto result = RTFDPackage::fromAttributedString(text).writeToFolder(path);
    ASSERT_TRUE(result) << messageOf(result);
    EXPECT_EQ(filesIn(path), (std::vector<std::string>{"TXT.rtf", "notes.txt", "photo.png"}));
    EXPECT_EQ(filesIn(folder_), std::vector<std::string>{"Export.rtfd"});
    const auto package = RTFDPackage::readFromFolder(path);
    ASSERT_TRUE(package);
    EXPECT_EQ(package->attributedString(), text);
}

TEST_F(RTFDPackageTest, ReplacesAnExistingPackageWhole) {
    const fs::path path = folder_ / "Doc.rtfd";
    fs::create_directory(path);
    writeFile(path / "TXT.rtf", "{\\rtf1 old}");
    writeFile(path / "stale.png", "old");
    const auto result =
        RTFDPackage::fromAttributedString(AttributedString(u"new")).writeToFolder(path);
    ASSERT_TRUE(result) << messageOf(result);
    EXPECT_EQ(filesIn(path), std::vector<std::string>{"TXT.rtf"});
    EXPECT_EQ(RTFDPackage::readFromFolder(path)->attributedString()->string(), u"new");
    EXPECT_EQ(filesIn(folder_), std::vector<std::string>{"Doc.rtfd"});

    ASSERT_TRUE(RTFDPackage::fromAttributedString(AttributedString(u"slash"))
                    .writeToFolder(path.string() + "/"));
    EXPECT_EQ(RTFDPackage::readFromFolder(path)->attributedString()->string(), u"slash");

    writeFile(folder_ / "plain.rtf", "{\\rtf1 a file}");
    ASSERT_TRUE(RTFDPackage::fromAttributedString(AttributedString(u"x"))
                    .writeToFolder(folder_ / "plain.rtf"));
    EXPECT_TRUE(fs::is_directory(folder_ / "plain.rtf"));
}

TEST_F(RTFDPackageTest, AFailedWriteLeavesTheOldPackage) {
    const fs::path path = folder_ / "Doc.rtfd";
    fs::create_directory(path);
    writeFile(path / "TXT.rtf", "{\\rtf1 old}");
    const RTFDFolder::Files files{{u"TXT.rtf", platform::dataFromBytes("{\\rtf1 new}")},
                                  {u"z/evil", platform::dataFromBytes("x")}};
    const auto result = RTFDFolder::write(files, path);
    ASSERT_FALSE(result);
    EXPECT_FALSE(result.error().message.empty());
    EXPECT_EQ(textfixtures::readFile((path / "TXT.rtf").string()), "{\\rtf1 old}");
    EXPECT_EQ(filesIn(folder_), std::vector<std::string>{"Doc.rtfd"});

    const auto noFolder = RTFDPackage::fromAttributedString(AttributedString(u"x"))
                              .writeToFolder(folder_ / "missing" / "Doc.rtfd");
    EXPECT_FALSE(noFolder);
}

// Each refuses the whole package, with a reason that names the entry or the package.
TEST_F(RTFDPackageTest, RefusesAFolderThatIsNoPackageOfRegularFiles) {
    const fs::path path = folder_ / "Doc.rtfd";
    const auto package = [&](const std::function<void()>& change) {
        fs::remove_all(path);
        fs::create_directory(path);
        writeFile(path / "TXT.rtf", "{\\rtf1 a{{\\NeXTGraphic a.png}\\'ac}b}");
        writeFile(path / "a.png", "png");
        change();
    };
    const auto sparse = [&](const char* name, std::uintmax_t size) {
        writeFile(path / name, "");
        fs::resize_file(path / name, size);
    };
    const struct {
        const char* what;
        std::function<void()> change;
        std::string reason;
    } cases[] = {
        // No writer: a blocking open would wait for ever.
        {"a pipe", [&] { ASSERT_EQ(mkfifo((path / "pipe").c_str(), 0600), 0); },
         "\u201Cpipe\u201D in \u201CDoc.rtfd\u201D is not a regular file."},
        {"a link", [&] { fs::create_symlink("/dev/zero", path / "link.png"); },
         "\u201Clink.png\u201D in \u201CDoc.rtfd\u201D is not a regular file."},
        {"a sub-folder", [&] { fs::create_directory(path / "sub"); },
         "\u201Csub\u201D in \u201CDoc.rtfd\u201D is not a regular file."},
        {"no text", [&] { fs::remove(path / "TXT.rtf"); },
         "The RTFD package \u201CDoc.rtfd\u201D has no TXT.rtf."},
        {"no RTF", [&] { writeFile(path / "TXT.rtf", "plain words"); },
         "\u201CTXT.rtf\u201D in \u201CDoc.rtfd\u201D is not RTF."},
        {"a large file", [&] { sparse("big.png", platform::FileReader::importLimit + 1); },
         "\u201CDoc.rtfd\u201D is larger than 64 MiB."},
    };
    for (const auto& [what, change, reason] : cases) {
        package(change);
        EXPECT_EQ(messageOf(RTFDPackage::readFromFolder(path)), reason) << what;
    }

    EXPECT_EQ(messageOf(RTFDPackage::readFromFolder(folder_ / "none.rtfd")),
              "\u201Cnone.rtfd\u201D cannot be opened: No such file or directory.");
    package([] {});
    EXPECT_EQ(messageOf(RTFDPackage::readFromFolder(path / "TXT.rtf")),
              "\u201CTXT.rtf\u201D is not a folder.");
    const auto read = RTFDPackage::readFromFolder(path);
    ASSERT_TRUE(read) << messageOf(read);
    EXPECT_EQ(read->attributedString()->string(), u"a\uFFFCb");
}

TEST_F(RTFDPackageTest, TheLimitBoundsTheFilesTogether) {
    const fs::path path = folder_ / "Doc.rtfd";
    fs::create_directory(path);
    writeFile(path / "TXT.rtf", "{\\rtf1 12345}"); // 13 bytes
    writeFile(path / "a.png", "1234567");
    EXPECT_TRUE(RTFDFolder::read(path, 20));
    EXPECT_EQ(messageOf(RTFDFolder::read(path, 19)),
              "\u201CDoc.rtfd\u201D is larger than 19 bytes.");
}

TEST_F(RTFDPackageTest, ReadsATextEditPackage) {
    const auto package = RTFDPackage::readFromFolder(textfixtures::dataPath("textedit-image.rtfd"));
    ASSERT_TRUE(package);
    const auto text = package->attributedString();
    ASSERT_TRUE(text);
    EXPECT_EQ(text->string(), u"Picture: \uFFFC\nFile: \uFFFC end.");
    const auto& image = text->attributesAt(9).attachment;
    ASSERT_TRUE(image);
    EXPECT_EQ(image->fileName(), u"Pasted Graphic.png");
    EXPECT_EQ(image->contents(), textfixtures::pngImage());
    EXPECT_EQ(text->attributesAt(17).attachment->contents(),
              platform::dataFromBytes("plain notes\n"));
}

TEST_F(RTFDPackageTest, TravelsAsOneDataValue) {
    const AttributedString text = withAttachments();
    const Data data = RTFDPackage::fromAttributedString(text).serializedData();
    const auto package = RTFDPackage::fromSerializedData(platform::bytesOf(data));
    ASSERT_TRUE(package);
    EXPECT_EQ(package->attributedString(), text);
    EXPECT_FALSE(RTFDPackage::fromSerializedData("{\\rtf1 not a package}"));
}

TEST(SerializedFileWrapper, WritesTheFlatFolderLayout) {
    const Data data = SerializedFileWrapper::serialize({{u"a", platform::dataFromBytes("xy")}});
    const std::string expected = bytes("rtfd\0\0\0\0"
                                       "\x03\0\0\0\x01\0\0\0"
                                       "\x01\0\0\0a"
                                       "\x0a\0\0\0"
                                       "\x01\0\0\0\x02\0\0\0xy");
    EXPECT_EQ(platform::bytesOf(data), expected);
}

// The serialization of an empty folder "Test1" as published by Simon Rodriguez
// ("NSFileWrapper serializedRepresentation", 2015): only the folder's name entries.
TEST(SerializedFileWrapper, ReadsThePlatformsMetadataAsNoFiles) {
    const std::string published = bytes("rtfd\0\0\0\0\x03\0\0\0\x02\0\0\0"
                                        "\x13\0\0\0__@PreferredName@__"
                                        "\x17\0\0\0__@UTF8PreferredName@__"
                                        "\x0d\0\0\0\x0d\0\0\0"
                                        "\x01\0\0\0\x05\0\0\0Test1"
                                        "\x01\0\0\0\x05\0\0\0Test1");
    const auto files = SerializedFileWrapper::deserialize(published);
    ASSERT_TRUE(files);
    EXPECT_TRUE(files->empty());
}

TEST(SerializedFileWrapper, ReadsPaddedFilesAndSkipsFolders) {
    const std::string data = bytes("rtfd\0\0\0\0\x03\0\0\0\x02\0\0\0"
                                   "\x01\0\0\0p\x01\0\0\0d"
                                   "\x15\0\0\0\x0c\0\0\0"
                                   "\x01\0\0\0\x00\0\0\x80\x02\0\0\0\x03\0\0\0\0\0\0ok"
                                   "\x03\0\0\0\0\0\0\0\0\0\0\0");
    const auto files = SerializedFileWrapper::deserialize(data);
    ASSERT_TRUE(files);
    ASSERT_EQ(files->size(), 1u);
    EXPECT_EQ(files->at(u"p"), platform::dataFromBytes("ok"));
}

TEST(SerializedFileWrapper, RefusesDamagedData) {
    const Data data =
        SerializedFileWrapper::serialize({{u"TXT.rtf", platform::dataFromBytes("{\\rtf1 x}")},
                                          {u"b", platform::dataFromBytes("yy")}});
    const std::string whole(platform::bytesOf(data));
    for (std::size_t length = 0; length < whole.size(); ++length)
        EXPECT_FALSE(SerializedFileWrapper::deserialize(whole.substr(0, length))) << length;
    std::string huge = whole;
    huge[12] = '\xff'; // a count of files larger than the data
    EXPECT_FALSE(SerializedFileWrapper::deserialize(huge));
}

} // namespace
