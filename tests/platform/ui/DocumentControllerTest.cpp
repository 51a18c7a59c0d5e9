#include "DocumentTestSupport.h"
#include "platform/ui/ApplicationDelegate.h"
#include "platform/ui/OpenPanel.h"

#include <sys/stat.h>

using namespace platform;
using namespace documenttest;

namespace {

struct Opened {
    std::shared_ptr<Document> document;
    bool wasOpen = false;
    std::optional<String> error;
    int calls = 0;
};

// A document that, like a locked one, closes at once when asked whether it may close,
// without answering.
class SelfClosingDocument : public TextDocument {
public:
    void canCloseDocumentWithDelegate(ShouldCloseHandler) override { close(); }
};

class UntitledAnswer : public ApplicationDelegate {
public:
    explicit UntitledAnswer(bool answer) : answer_(answer) {}
    bool applicationShouldOpenUntitledFile(Application&) override { return answer_; }

private:
    bool answer_;
};

class DocumentControllerTest : public DocumentTest {
protected:
    void openURL(const URL& url, Opened& opened) {
        controller->openDocumentWithContentsOfURL(
            url, true,
            [&opened](const std::shared_ptr<Document>& document, bool wasOpen,
                      const std::optional<String>& error) {
                opened = {document, wasOpen, error, opened.calls + 1};
            });
    }

    void expectOpenFailure(const fs::path& path, const String& reason) {
        Opened opened;
        modal->answerNextWith([&](Alert& alert) {
            EXPECT_EQ(alert.messageText(), u"The document \u201c" + pathString(path.filename()) +
                                               u"\u201d could not be opened.");
            EXPECT_EQ(alert.informativeText(), reason);
            EXPECT_TRUE(alert.userPressButton(u"OK"));
        });
        openURL(fileURL(path), opened);
        loop.runUntilIdle();
        EXPECT_EQ(opened.calls, 1);
        EXPECT_EQ(opened.document, nullptr);
        ASSERT_TRUE(opened.error);
        EXPECT_NE(opened.error->find(reason), String::npos);
        EXPECT_EQ(modal->pendingAnswers(), 0u) << "the alert was shown";
        EXPECT_TRUE(controller->documents().empty());
        EXPECT_TRUE(app->windows().empty());
    }
};

TEST_F(DocumentControllerTest, OpeningAFileReadsItAndShowsItsWindowOnce) {
    writeFile(folder / "notes.sealscribe", "from the file");
    Opened first;
    openURL(fileURL(folder / "notes.sealscribe"), first);
    EXPECT_EQ(first.calls, 0) << "the completion handler runs from the main queue";
    loop.runUntilIdle();
    ASSERT_EQ(first.calls, 1);
    const auto document = std::dynamic_pointer_cast<TextDocument>(first.document);
    ASSERT_TRUE(document);
    EXPECT_FALSE(first.wasOpen);
    EXPECT_EQ(first.error, std::nullopt);
    EXPECT_EQ(document->text(), u"from the file");
    EXPECT_EQ(document->textField->stringValue(), u"from the file");
    EXPECT_EQ(document->fileURL(), fileURL(folder / "notes.sealscribe"));
    EXPECT_TRUE(document->windowForSheet()->isKeyWindow());
    EXPECT_EQ(document->windowForSheet()->title(), u"notes.sealscribe");

    // The same file again, by another path, while another window is in front.
    auto other = newDocument();
    EXPECT_TRUE(other->windowForSheet()->isKeyWindow());
    fs::create_directory(folder / "sub");
    Opened second;
    openURL(fileURL(folder / "sub" / ".." / "notes.sealscribe"), second);
    loop.runUntilIdle();
    EXPECT_EQ(second.document, document);
    EXPECT_TRUE(second.wasOpen);
    EXPECT_EQ(document->reads, 1);
    EXPECT_TRUE(document->windowForSheet()->isKeyWindow()) << "brought to the front";
    EXPECT_EQ(controller->documents().size(), 2u);
}

TEST_F(DocumentControllerTest, AFileThatCannotBeOpenedIsReported) {
    expectOpenFailure(folder / "missing.sealscribe", u"No such file or directory");
    fs::create_directory(folder / "folder.sealscribe");
    expectOpenFailure(folder / "folder.sealscribe",
                      u"\u201Cfolder.sealscribe\u201D is not a regular file.");
    ASSERT_EQ(::mkfifo((folder / "pipe.sealscribe").c_str(), 0600), 0); // no writer
    expectOpenFailure(folder / "pipe.sealscribe",
                      u"\u201Cpipe.sealscribe\u201D is not a regular file.");
    writeFile(folder / "refused.sealscribe", "refuse this one");
    expectOpenFailure(folder / "refused.sealscribe", u"Refused by the reader.");
    writeFile(folder / "notes.txt", "a file of another type");
    expectOpenFailure(folder / "notes.txt",
                      u"The file is not of a type that this application opens.");
}

TEST_F(DocumentControllerTest, AReaderThatReportedItsOwnErrorGetsNoSecondAlert) {
    writeFile(folder / "newer.sealscribe", "reported by the reader");
    Opened opened;
    openURL(fileURL(folder / "newer.sealscribe"), opened);
    loop.runUntilIdle();
    EXPECT_TRUE(modal->alertsShown().empty());
    EXPECT_EQ(opened.document, nullptr);
    EXPECT_TRUE(opened.error);
    EXPECT_TRUE(controller->documents().empty());
}

TEST_F(DocumentControllerTest, OpenDocumentRunsAnOpenPanelForTheRegisteredTypes) {
    writeFile(folder / "a.sealscribe", "a");
    writeFile(folder / "b.sealscribe", "b");
    modal->answerNextPanelWith([&](SavePanel& panel) {
        auto& open = dynamic_cast<OpenPanel&>(panel);
        EXPECT_EQ(open.allowedFileTypes(), std::vector<String>{u"sealscribe"});
        EXPECT_TRUE(open.allowsMultipleSelection());
        EXPECT_TRUE(open.userChoose(std::vector<String>{pathString(folder / "a.sealscribe"),
                                                        pathString(folder / "b.sealscribe")}));
    });
    EXPECT_TRUE(app->sendAction(u"openDocument:", nullptr, nullptr));
    ASSERT_EQ(controller->documents().size(), 2u);
    EXPECT_EQ(std::dynamic_pointer_cast<TextDocument>(controller->documents()[1])->text(), u"b");

    modal->cancelNextPanel();
    EXPECT_TRUE(app->sendAction(u"openDocument:", nullptr, nullptr));
    EXPECT_EQ(controller->documents().size(), 2u);
    EXPECT_TRUE(app->sendAction(u"newDocument:", nullptr, nullptr));
    EXPECT_EQ(controller->documents().size(), 3u);
}

TEST_F(DocumentControllerTest, LaunchOpensAnUntitledDocumentWhenTheDelegateSaysSo) {
    for (const bool answer : {false, true}) {
        auto delegate = std::make_shared<UntitledAnswer>(answer);
        app->setDelegate(delegate);
        app->finishLaunching();
        EXPECT_EQ(controller->documents().size(), answer ? 1u : 0u) << answer;
    }
    app->finishLaunching();
    EXPECT_EQ(controller->documents().size(), 1u) << "not while a document is open";
}

TEST_F(DocumentControllerTest, TerminationReviewsEachUnsavedDocument) {
    auto clean = newDocument();
    auto first = newDocument();
    auto second = newDocument();
    first->setText(u"one");
    second->setText(u"two");
    app->finishLaunching();
    ASSERT_TRUE(app->isRunning());

    app->terminate(nullptr);
    EXPECT_TRUE(clean->isClosed()) << "an unchanged document closes without a question";
    auto alert = sheetAlert(first->windowForSheet());
    ASSERT_TRUE(alert);
    EXPECT_EQ(app->keyWindow()->sheetParent(), first->windowForSheet())
        << "the asking window comes to the front";
    EXPECT_EQ(sheetAlert(second->windowForSheet()), nullptr) << "one question at a time";
    EXPECT_TRUE(alert->userPressButton(u"Cancel"));
    EXPECT_TRUE(app->isRunning());
    EXPECT_FALSE(first->isClosed());
    EXPECT_EQ(sheetAlert(second->windowForSheet()), nullptr) << "Cancel stops the review";

    app->terminate(nullptr);
    EXPECT_TRUE(sheetAlert(first->windowForSheet())->userPressButton(u"Don't Save"));
    EXPECT_TRUE(first->isClosed());
    EXPECT_TRUE(app->isRunning());
    EXPECT_TRUE(sheetAlert(second->windowForSheet())->userPressButton(u"Don't Save"));
    EXPECT_FALSE(app->isRunning());
    EXPECT_TRUE(controller->documents().empty());
}

TEST_F(DocumentControllerTest, ADocumentThatClosesItselfDoesNotStallTheReview) {
    controller->registerDocumentClass<SelfClosingDocument>(u"sealscribe", {u"sealscribe"});
    auto locked = newDocument();
    locked->setText(u"edited while locked");
    auto plain = newDocument();
    bool replied = false;
    bool closedAll = false;
    controller->closeAllDocuments([&](bool didCloseAll) {
        replied = true;
        closedAll = didCloseAll;
    });
    EXPECT_TRUE(replied);
    EXPECT_TRUE(closedAll);
    EXPECT_TRUE(locked->isClosed());
    EXPECT_TRUE(plain->isClosed());
}

TEST_F(DocumentControllerTest, AnEditedDocumentWithAFileIsSavedInPlaceOnItsSchedule) {
    writeFile(folder / "auto.sealscribe", "v1");
    auto document = open(folder / "auto.sealscribe");
    document->autosaves = true;
    document->setText(u"v2");
    loop.advance(Document::autosaveDelay - 1);
    document->setText(u"v3");
    loop.advance(0.5);
    EXPECT_EQ(readFile(folder / "auto.sealscribe"), "v1");
    loop.advance(0.5);
    EXPECT_EQ(readFile(folder / "auto.sealscribe"), "v3")
        << "written one delay after the first change, with every change since";
    EXPECT_FALSE(document->isDocumentEdited());
    EXPECT_EQ(document->fileURL(), fileURL(folder / "auto.sealscribe"));

    // Leaving the application writes at once.
    app->setActive(true);
    document->setText(u"v4");
    app->setActive(false);
    EXPECT_EQ(readFile(folder / "auto.sealscribe"), "v4");

    // Not while a sheet asks about the changes; the next turn writes them.
    document->setText(u"v5");
    document->windowForSheet()->userClose();
    loop.advance(Document::autosaveDelay);
    EXPECT_EQ(readFile(folder / "auto.sealscribe"), "v4");
    EXPECT_TRUE(sheetAlert(document->windowForSheet())->userPressButton(u"Cancel"));
    loop.advance(Document::autosaveDelay);
    EXPECT_EQ(readFile(folder / "auto.sealscribe"), "v5");
}

TEST_F(DocumentControllerTest, OnlyDocumentsThatAutosaveWithAFileAreAutosaved) {
    writeFile(folder / "manual.sealscribe", "v1");
    auto manual = open(folder / "manual.sealscribe");
    manual->setText(u"v2");
    auto untitled = newDocument();
    untitled->autosaves = true;
    untitled->setText(u"draft");
    loop.advance(Document::autosaveDelay * 2);
    app->setActive(true);
    app->setActive(false);
    EXPECT_EQ(readFile(folder / "manual.sealscribe"), "v1");
    EXPECT_TRUE(manual->isDocumentEdited());
    EXPECT_TRUE(untitled->isDocumentEdited());
    EXPECT_EQ(filesIn(folder.path()), std::vector<std::string>{"manual.sealscribe"});
}

} // namespace
