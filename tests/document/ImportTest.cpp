#include "CommandTest.h"

#include <sys/stat.h>

using documenttest::CommandTest;
using documenttest::rtf;
using documenttest::writeFile;
using platform::Range;
using platform::String;

namespace {

class Import : public CommandTest {
protected:
    std::shared_ptr<MyDocument> document = savedDocument();
    std::shared_ptr<platform::Window> window = document->myWindow();
    std::shared_ptr<platform::TextView> body = document->myTextView();

    // The command, the file chosen in its panel, and the insertion it queues.
    void import(void (MyDocument::*command)(const MyDocument::Sender&), const std::string& name) {
        (document.get()->*command)(nullptr);
        chooseInPanel(window, pathOf(name));
    }

    void makeRTFD(const std::string& name, const platform::Data& text) {
        std::filesystem::create_directory(folder / name);
        writeFile(folder / name / "TXT.rtf", text);
    }
};

TEST_F(Import, TextReplacesTheSelectionOrGoesInAtTheInsertionPoint) {
    writeFile(folder / "words.txt", platform::dataFromBytes("there \xe2\x80\x94"));
    body->setSelectedRange({6, 5});
    import(&MyDocument::importFromTEXT, "words.txt");
    EXPECT_EQ(body->string(), u"Hello there \u2014");
    EXPECT_TRUE(document->isDocumentEdited());
    EXPECT_FALSE(window->attachedSheet());

    body->setSelectedRange({5, 0});
    import(&MyDocument::importFromTEXT, "words.txt");
    EXPECT_EQ(body->string(), u"Hellothere \u2014 there \u2014");
}

TEST_F(Import, RTFKeepsItsStyling) {
    writeFile(folder / "styled.rtf",
              platform::dataFromBytes("{\\rtf1\\ansi{\\fonttbl{\\f0 Courier;}}"
                                      "{\\colortbl;\\red200\\green0\\blue0;}\\f0\\b\\cf1 red}"));
    body->setSelectedRange({6, 5});
    import(&MyDocument::importFromRTF, "styled.rtf");
    EXPECT_EQ(body->string(), u"Hello red");
    const auto& inserted = body->textStorage()->attributedString().attributesAt(6);
    ASSERT_TRUE(inserted.font);
    EXPECT_EQ(inserted.font->family(), u"Courier");
    EXPECT_TRUE(inserted.font->isBold());
    EXPECT_EQ(inserted.foregroundColor, (platform::Color{200, 0, 0}));
    EXPECT_TRUE(document->isDocumentEdited());
}

TEST_F(Import, AnRTFDPackageGoesInAtTheSelection) {
    makeRTFD("package.rtfd", rtf("packed"));
    body->setSelectedRange({0, 5});
    import(&MyDocument::importFromRTFD, "package.rtfd");
    EXPECT_EQ(body->string(), u"packed world");
    EXPECT_TRUE(document->isDocumentEdited());
}

// Importing is the program's change of the body, not the user's typing.
TEST_F(Import, WorksInAReadOnlyDocument) {
    document->switchReadAndWrite(nullptr);
    ASSERT_FALSE(body->isEditable());
    writeFile(folder / "words.txt", platform::dataFromBytes("Goodbye"));
    body->setSelectedRange({0, 5});
    import(&MyDocument::importFromTEXT, "words.txt");
    EXPECT_EQ(body->string(), u"Goodbye world");
    EXPECT_TRUE(document->isDocumentEdited());
}

TEST_F(Import, AFileItCannotTakeIsShownAndChangesNothing) {
    writeFile(folder / "latin1.txt", platform::dataFromBytes("caf\xe9 \xff\xfe"));
    writeFile(folder / "plain.rtf", platform::dataFromBytes("Just words, no RTF."));
    std::filesystem::create_directory(folder / "empty.rtfd");
    writeFile(folder / "empty.rtfd" / "picture.png", platform::dataFromBytes("png"));
    ASSERT_EQ(::mkfifo((folder / "pipe.rtfd").c_str(), 0600), 0);
    struct Case {
        void (MyDocument::*command)(const MyDocument::Sender&);
        std::string file;
    };
    const Case cases[] = {
        {&MyDocument::importFromTEXT, "latin1.txt"},
        {&MyDocument::importFromRTF, "plain.rtf"},
        {&MyDocument::importFromRTFD, "empty.rtfd"},
        {&MyDocument::importFromRTFD, "pipe.rtfd"},
    };
    body->setSelectedRange({2, 3});
    const auto before = stateOf(*document);
    for (const auto& [command, file] : cases) {
        SCOPED_TRACE(file);
        import(command, file);
        const auto alert = alertOn(window);
        ASSERT_TRUE(alert);
        EXPECT_FALSE(alert->informativeText().empty());
        answerAlert(window,
                    u"The file \u201c" + platform::fromUtf8(file).value() +
                        u"\u201d could not be imported.",
                    u"OK");
        EXPECT_EQ(stateOf(*document), before);
    }
}

TEST_F(Import, AFIFOIsRefusedAsTextAndAsRTF) {
    // Reading a FIFO would block until a writer comes.
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    const auto before = stateOf(*document);
    for (const auto command : {&MyDocument::importFromTEXT, &MyDocument::importFromRTF}) {
        import(command, "pipe");
        answerAlert(window, u"The file \u201cpipe\u201d could not be imported.", u"OK");
        EXPECT_EQ(stateOf(*document), before);
    }
}

} // namespace
