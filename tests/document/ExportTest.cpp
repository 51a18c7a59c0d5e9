#include "CommandTest.h"
#include "platform/base/SystemError.h"
#include "platform/text/RTFReader.h"

#include <cerrno>

using documenttest::CommandTest;
using documenttest::readFile;
using documenttest::writeFile;
using platform::String;

namespace {

const String textWarning =
    u"WARNING.\nThis command export the content of this document on a external file.\nContent "
    u"will be saved in the external file in plain text format and will be not "
    u"encrypted.\nEveryone will be able to acces the created external file using a standard "
    u"text viewer.\nThis doesn't in any way affect the protection of the Seal Scribe "
    u"file.\nThe lack of protection is only in the exported file.";
const String rtfWarning =
    u"WARNING.\nThis command export the content of this document on a external file.\nContent "
    u"will be saved in the external file in RTF format and will be not encrypted.\nEveryone "
    u"will be able to acces the created external file using a standard RTF viewer.\nThis "
    u"doesn't in any way affect the protection of the Seal Scribe file.\nThe lack of "
    u"protection is only in the exported file.";
const String rtfMessage = u"Export as Unencripted RTF File";

// Beyond Latin-1 and beyond the basic plane, so that a wrong encoding shows.
const String body = u"Gr\u00fc\u00dfe \u2014 \u65e5\u672c \U0001F600 end";
const std::string bodyUtf8 = "Gr\xc3\xbc\xc3\x9f"
                             "e \xe2\x80\x94 \xe6\x97\xa5\xe6\x9c\xac "
                             "\xf0\x9f\x98\x80 end";

struct Kind {
    const char* name;
    void (MyDocument::*command)(const MyDocument::Sender&);
    String message;
    const String* warning;
    std::string file;
};

const Kind kinds[] = {
    {"text", &MyDocument::exportToTEXT, u"Export as Unencripted Text File", &textWarning,
     "out.txt"},
    {"RTF", &MyDocument::exportToRTF, rtfMessage, &rtfWarning, "out.rtf"},
    {"RTFD", &MyDocument::exportToRTFD, rtfMessage, &rtfWarning, "out.rtfd"},
};

// The body's text as the exported file of the kind holds it.
String exportedText(const Kind& kind, const std::filesystem::path& path) {
    const auto rtfPath = kind.file.ends_with(".rtfd") ? path / "TXT.rtf" : path;
    const auto bytes = readFile(rtfPath);
    if (kind.file.ends_with(".txt"))
        return platform::fromUtf8(platform::bytesOf(bytes)).value_or(u"<not UTF-8>");
    const auto text = platform::RTFReader::read(platform::bytesOf(bytes));
    return text ? text->string() : u"<not RTF>";
}

class Export : public CommandTest {
protected:
    std::shared_ptr<MyDocument> document = savedDocument();
    std::shared_ptr<platform::Window> window = document->myWindow();

    Export() {
        document->setContentAsText(body);
        document->myTextView()->setSelectedRange({3, 4});
        document->updateChangeCount(platform::ChangeCleared);
    }

    // The command, with its warning answered to go on.
    void beginExport(const Kind& kind) {
        (document.get()->*kind.command)(nullptr);
        answerAlert(window, kind.message, u"Export");
    }

    // Beside the document and the settings' folder.
    [[nodiscard]] std::vector<std::string> otherFiles() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            if (const auto name = entry.path().filename().string();
                name != "notes.sealscribe" && name != "Sealscribe")
                names.push_back(name);
        return names;
    }
};

TEST_F(Export, WarnsFirstAndCancelWritesNothing) {
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.name);
        (document.get()->*kind.command)(nullptr);
        const auto alert = alertOn(window);
        ASSERT_TRUE(alert);
        EXPECT_EQ(alert->messageText(), kind.message);
        EXPECT_EQ(alert->informativeText(), *kind.warning);
        EXPECT_EQ(alert->alertStyle(), platform::AlertStyle::Warning);
        EXPECT_EQ(alert->buttonTitles(), (std::vector<String>{u"Cancel", u"Export"}));
        EXPECT_TRUE(alert->userPressButton(u"Cancel"));
        loop.runUntilIdle();
        EXPECT_FALSE(window->attachedSheet());
        EXPECT_EQ(otherFiles(), std::vector<std::string>{});
    }
}

TEST_F(Export, WritesTheWholeBodyAndLeavesTheDocumentAsItWas) {
    const auto before = stateOf(*document);
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.name);
        beginExport(kind);
        chooseInPanel(window, pathOf(kind.file));
        EXPECT_FALSE(window->attachedSheet());
        EXPECT_EQ(exportedText(kind, folder / kind.file), body);
        EXPECT_EQ(stateOf(*document), before);
    }
    EXPECT_EQ(readFile(folder / "out.txt"), platform::dataFromBytes(bodyUtf8));
    EXPECT_TRUE(std::filesystem::is_directory(folder / "out.rtfd"));
}

TEST_F(Export, CancellingThePanelWritesNothing) {
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.name);
        beginExport(kind);
        const auto panel = std::dynamic_pointer_cast<platform::SavePanel>(window->attachedSheet());
        ASSERT_TRUE(panel);
        EXPECT_TRUE(panel->userCancel());
        loop.runUntilIdle();
        EXPECT_FALSE(window->attachedSheet());
        EXPECT_EQ(otherFiles(), std::vector<std::string>{});
    }
}

TEST_F(Export, AnExistingFileIsReplacedWholeOnceTheUserAgrees) {
    const std::string longer(4096, 'x');
    writeFile(folder / "out.txt", platform::dataFromBytes(longer));
    writeFile(folder / "out.rtf", platform::dataFromBytes(longer));
    std::filesystem::create_directory(folder / "out.rtfd");
    writeFile(folder / "out.rtfd" / "TXT.rtf", platform::dataFromBytes(longer));
    writeFile(folder / "out.rtfd" / "old.png", platform::dataFromBytes(longer));
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.name);
        beginExport(kind);
        modal->answerNextWith(u"Replace");
        chooseInPanel(window, pathOf(kind.file));
        EXPECT_EQ(modal->pendingAnswers(), 0U);
        EXPECT_EQ(exportedText(kind, folder / kind.file), body);
    }
    EXPECT_EQ(readFile(folder / "out.txt"), platform::dataFromBytes(bodyUtf8));
    EXPECT_FALSE(std::filesystem::exists(folder / "out.rtfd" / "old.png"));
}

TEST_F(Export, AFailedWriteIsShownAndChangesNothing) {
    const auto before = stateOf(*document);
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.name);
        beginExport(kind);
        chooseInPanel(window, pathOf("missing/" + kind.file));
        const auto alert = alertOn(window);
        ASSERT_TRUE(alert);
        EXPECT_EQ(alert->messageText(), u"The text could not be exported to \u201c" +
                                            platform::fromUtf8(kind.file).value() + u"\u201d.");
        EXPECT_NE(alert->informativeText().find(platform::systemErrorText(ENOENT)), String::npos)
            << platform::toUtf8Lossy(alert->informativeText());
        answerAlert(window, alert->messageText(), u"OK");
        EXPECT_EQ(stateOf(*document), before);
        EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
    }
}

} // namespace
