#include "DocumentTestSupport.h"
#include "platform/base/FileWriter.h"
#include "platform/ui/DocumentAlerts.h"
#include "platform/ui/MenuItem.h"
#include "platform/ui/PageLayout.h"
#include "platform/ui/SavePanel.h"
#include "platform/ui/UserInterfaceValidation.h"

using namespace platform;
using namespace documenttest;

namespace {

const String question =
    u"Do you want to save the changes made to the document \u201cUntitled\u201d?";

// Writes half of the bytes and then fails, as a disk that fills up does.
class HalfWriter : public FileWriter {
protected:
    Result<> writeBytes(int fd, const Data& data) override {
        const Data half(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(data.size() / 2));
        (void)FileWriter::writeBytes(fd, half);
        return failure(Error::fromErrno(ENOSPC));
    }
};

// Replaces the file but cannot flush its folder, as a failing disk may not.
class UnflushedFolderWriter : public FileWriter {
protected:
    Result<> flushFolder(int) override { return failure(Error::fromErrno(EIO)); }
};

using DocumentLifecycleTest = DocumentTest;

TEST_F(DocumentLifecycleTest, ANewDocumentShowsItsWindowWithItsOutletsConnected) {
    auto document = newDocument();
    ASSERT_TRUE(document);
    EXPECT_EQ(controller->documents(), std::vector<std::shared_ptr<Document>>{document});
    const auto window = document->windowForSheet();
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isKeyWindow());
    EXPECT_EQ(window->title(), u"Untitled");
    EXPECT_EQ(document->loadedControllers,
              std::vector<WindowController*>{document->windowControllers().front().get()});
    ASSERT_TRUE(document->textField);
    EXPECT_EQ(window->delegate().get(), static_cast<WindowDelegate*>(document.get()));
    EXPECT_FALSE(document->isDocumentEdited());
    EXPECT_EQ(document->fileType(), u"sealscribe");

    // The user's typing reaches the document through the binding, and marks it edited.
    document->textField->userType(u"hello");
    EXPECT_EQ(document->text(), u"hello");
    EXPECT_TRUE(document->isDocumentEdited());
}

TEST_F(DocumentLifecycleTest, NewWindowsCascadeUnlessTheyAreToldNotTo) {
    const auto first = newDocument()->windowForSheet()->frame();
    const auto second = newDocument()->windowForSheet()->frame();
    EXPECT_EQ(second, Rect(first.minX() + 20, first.minY() - 20, first.width(), first.height()));

    std::optional<String> error;
    auto kept = controller->openUntitledDocumentAndDisplay(false, error);
    ASSERT_TRUE(kept);
    EXPECT_FALSE(kept->windowForSheet()->isVisible());
    kept->windowControllers().front()->setShouldCascadeWindows(false);
    kept->showWindows();
    EXPECT_EQ(kept->windowForSheet()->frame(), first);
}

TEST_F(DocumentLifecycleTest, UntitledDocumentsAreNumbered) {
    auto first = newDocument();
    auto second = newDocument();
    auto third = newDocument();
    EXPECT_EQ(first->displayName(), u"Untitled");
    EXPECT_EQ(second->displayName(), u"Untitled 2");
    EXPECT_EQ(third->displayName(), u"Untitled 3");
    EXPECT_EQ(third->windowForSheet()->title(), u"Untitled 3");
    second->close();
    EXPECT_EQ(newDocument()->displayName(), u"Untitled 2") << "a freed number is used again";
}

TEST_F(DocumentLifecycleTest, ClosingAnEditedDocumentAsksFirst) {
    // Don't Save closes, Cancel keeps, Save (of an untitled document) asks for a file.
    auto document = newDocument();
    const auto window = document->windowForSheet();
    document->setText(u"draft");

    window->userClose();
    auto alert = sheetAlert(window);
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->messageText(), question);
    EXPECT_EQ(alert->informativeText(), u"Your changes will be lost if you don't save them.");
    EXPECT_EQ(alert->buttonTitles(), (std::vector<String>{u"Save", u"Cancel", u"Don't Save"}));
    EXPECT_TRUE(alert->userPressButton(u"Cancel"));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(controller->documents().size(), 1u);

    window->userClose();
    EXPECT_TRUE(sheetAlert(window)->userPressButton(u"Save"));
    auto panel = std::dynamic_pointer_cast<SavePanel>(window->attachedSheet());
    ASSERT_TRUE(panel) << "an untitled document asks for a file";
    EXPECT_EQ(panel->allowedFileTypes(), std::vector<String>{u"sealscribe"});
    EXPECT_EQ(panel->nameFieldStringValue(), u"Untitled");
    EXPECT_TRUE(panel->userCancel());
    EXPECT_TRUE(window->isVisible()) << "a cancelled save keeps the document open";

    window->userClose();
    EXPECT_TRUE(sheetAlert(window)->userPressButton(u"Save"));
    panel = std::dynamic_pointer_cast<SavePanel>(window->attachedSheet());
    EXPECT_TRUE(panel->userChoose(pathString(folder / "draft")));
    EXPECT_EQ(readFile(folder / "draft.sealscribe"), "draft");
    EXPECT_TRUE(document->isClosed());
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(controller->documents().empty());

    auto another = newDocument();
    another->setText(u"lost");
    another->windowForSheet()->userClose();
    EXPECT_TRUE(sheetAlert(another->windowForSheet())->userPressButton(u"Don't Save"));
    EXPECT_TRUE(another->isClosed());
    EXPECT_TRUE(controller->documents().empty());
}

TEST_F(DocumentLifecycleTest, AnUnchangedDocumentClosesWithoutAQuestion) {
    auto document = newDocument();
    const auto window = document->windowForSheet();
    app->sendAction(u"performClose:", nullptr, nullptr);
    EXPECT_TRUE(document->isClosed());
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(app->windows().empty());
}

TEST_F(DocumentLifecycleTest, SaveAsWritesTheNewFileAndMakesItTheDocuments) {
    auto document = newDocument();
    document->setText(u"first words");
    // Save of an untitled document is Save As, reached down the responder chain.
    EXPECT_TRUE(app->sendAction(u"saveDocument:", nullptr, nullptr));
    const auto window = document->windowForSheet();
    auto panel = std::dynamic_pointer_cast<SavePanel>(window->attachedSheet());
    ASSERT_TRUE(panel);
    EXPECT_TRUE(panel->userChoose(pathString(folder / "letter")));

    EXPECT_EQ(readFile(folder / "letter.sealscribe"), "first words");
    EXPECT_EQ(document->fileURL(), fileURL(folder / "letter.sealscribe"));
    EXPECT_EQ(document->displayName(), u"letter.sealscribe");
    EXPECT_EQ(window->title(), u"letter.sealscribe");
    EXPECT_FALSE(document->isDocumentEdited());

    // Save then writes in place without asking; Save As asks again.
    document->setText(u"second words");
    EXPECT_TRUE(app->sendAction(u"saveDocument:", nullptr, nullptr));
    EXPECT_EQ(window->attachedSheet(), nullptr);
    EXPECT_EQ(readFile(folder / "letter.sealscribe"), "second words");
    EXPECT_TRUE(app->sendAction(u"saveDocumentAs:", nullptr, nullptr));
    panel = std::dynamic_pointer_cast<SavePanel>(window->attachedSheet());
    EXPECT_EQ(panel->nameFieldStringValue(), u"letter.sealscribe");
    EXPECT_TRUE(panel->userChoose(pathString(folder / "copy.sealscribe")));
    EXPECT_EQ(document->fileURL(), fileURL(folder / "copy.sealscribe"));
    EXPECT_EQ(readFile(folder / "copy.sealscribe"), "second words");
}

TEST_F(DocumentLifecycleTest, AFailedSaveLeavesTheOldFileAndShowsTheError) {
    writeFile(folder / "kept.sealscribe", "the saved text");
    auto document = open(folder / "kept.sealscribe");
    ASSERT_TRUE(document);
    const auto window = document->windowForSheet();
    document->setFileWriter(std::make_shared<HalfWriter>());
    document->setText(u"an edit that cannot be written");

    document->saveDocument(nullptr);
    EXPECT_EQ(readFile(folder / "kept.sealscribe"), "the saved text");
    EXPECT_EQ(filesIn(folder.path()), std::vector<std::string>{"kept.sealscribe"});
    EXPECT_TRUE(document->isDocumentEdited());
    auto alert = sheetAlert(window);
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->messageText(),
              u"The document \u201ckept.sealscribe\u201d could not be saved.");
    EXPECT_EQ(alert->informativeText(), u"No space left on device");
    EXPECT_TRUE(alert->userPressButton(u"OK"));

    // Save As to a path whose folder is a file keeps the document's own file.
    document->setFileWriter(nullptr);
    writeFile(folder / "plain", "not a folder");
    document->saveDocumentAs(nullptr);
    auto panel = std::dynamic_pointer_cast<SavePanel>(window->attachedSheet());
    EXPECT_TRUE(panel->userChoose(pathString(folder / "plain" / "moved.sealscribe")));
    alert = sheetAlert(window);
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->informativeText(), u"Not a directory");
    EXPECT_TRUE(alert->userPressButton(u"OK"));
    EXPECT_EQ(document->fileURL(), fileURL(folder / "kept.sealscribe"));
    EXPECT_TRUE(document->isDocumentEdited());

    // The writer's own refusal is shown the same way.
    document->refuseToWrite = true;
    document->saveDocument(nullptr);
    EXPECT_EQ(sheetAlert(window)->informativeText(), u"The writer refused.");
    EXPECT_EQ(readFile(folder / "kept.sealscribe"), "the saved text");
}

TEST_F(DocumentLifecycleTest, ASaveWhoseFolderCannotBeFlushedSucceedsAndSaysSo) {
    writeFile(folder / "kept.sealscribe", "the saved text");
    auto document = open(folder / "kept.sealscribe");
    const auto window = document->windowForSheet();
    document->setFileWriter(std::make_shared<UnflushedFolderWriter>());
    document->setText(u"written, not yet flushed");

    document->saveDocumentAs(nullptr);
    auto panel = std::dynamic_pointer_cast<SavePanel>(window->attachedSheet());
    ASSERT_TRUE(panel);
    EXPECT_TRUE(panel->userChoose(pathString(folder / "moved.sealscribe")));
    EXPECT_EQ(readFile(folder / "moved.sealscribe"), "written, not yet flushed");
    EXPECT_EQ(document->fileURL(), fileURL(folder / "moved.sealscribe"));
    EXPECT_FALSE(document->isDocumentEdited());
    const auto alert = sheetAlert(window);
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->alertStyle(), AlertStyle::Informational);
    EXPECT_EQ(alert->messageText(), u"The document \u201cmoved.sealscribe\u201d was saved, but the "
                                    u"disk may not keep the change if the computer stops now.");
    EXPECT_EQ(alert->informativeText(), u"Input/output error");
    EXPECT_TRUE(alert->userPressButton(u"OK"));
    EXPECT_EQ(window->attachedSheet(), nullptr);
}

TEST_F(DocumentLifecycleTest, AFailedSaveFromTheCloseQuestionKeepsTheDocumentOpen) {
    writeFile(folder / "kept.sealscribe", "the saved text");
    auto document = open(folder / "kept.sealscribe");
    document->setFileWriter(std::make_shared<HalfWriter>());
    document->setText(u"unsaved");
    const auto window = document->windowForSheet();
    window->userClose();
    EXPECT_TRUE(sheetAlert(window)->userPressButton(u"Save"));
    EXPECT_FALSE(document->isClosed());
    EXPECT_EQ(sheetAlert(window)->informativeText(), u"No space left on device");
    EXPECT_EQ(readFile(folder / "kept.sealscribe"), "the saved text");
}

TEST_F(DocumentLifecycleTest, RevertAsksAndReadsTheFileAgain) {
    writeFile(folder / "notes.sealscribe", "saved");
    auto document = open(folder / "notes.sealscribe");
    const auto window = document->windowForSheet();
    document->setText(u"changed");

    document->revertDocumentToSaved(nullptr);
    auto alert = sheetAlert(window);
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->messageText(), u"Do you want to revert to the most recently saved version "
                                    u"of the document \u201cnotes.sealscribe\u201d?");
    EXPECT_EQ(alert->informativeText(), u"Your current changes will be lost.");
    EXPECT_TRUE(alert->userPressButton(u"Cancel"));
    EXPECT_EQ(document->text(), u"changed");

    document->revertDocumentToSaved(nullptr);
    EXPECT_TRUE(sheetAlert(window)->userPressButton(u"Revert"));
    EXPECT_EQ(document->text(), u"saved");
    EXPECT_EQ(document->textField->stringValue(), u"saved");
    EXPECT_FALSE(document->isDocumentEdited());

    // A file that has gone is reported, and the edits stay.
    document->setText(u"changed again");
    fs::remove(folder / "notes.sealscribe");
    document->revertDocumentToSaved(nullptr);
    EXPECT_TRUE(sheetAlert(window)->userPressButton(u"Revert"));
    alert = sheetAlert(window);
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->messageText(),
              u"The document \u201cnotes.sealscribe\u201d could not be reverted.");
    EXPECT_EQ(alert->informativeText(), u"No such file or directory");
    EXPECT_EQ(document->text(), u"changed again");
    EXPECT_TRUE(document->isDocumentEdited());
}

TEST_F(DocumentLifecycleTest, ValidationFollowsThePlatformsRules) {
    auto document = newDocument();
    const auto enabled = [&](const String& action) {
        MenuItem item(u"", action, u"");
        return document->validateMenuItem(item);
    };
    EXPECT_EQ(enabled(u"saveDocument:"), true);
    EXPECT_EQ(enabled(u"saveDocumentAs:"), true);
    EXPECT_EQ(enabled(u"runPageLayout:"), true);
    EXPECT_EQ(enabled(u"printDocument:"), true);
    EXPECT_EQ(enabled(u"revertDocumentToSaved:"), false) << "no file";
    document->setText(u"x");
    EXPECT_EQ(enabled(u"revertDocumentToSaved:"), false) << "edited, but no file";
    document->saveToURL(fileURL(folder / "v.sealscribe"), u"sealscribe", SaveOperationType::SaveAs);
    EXPECT_EQ(enabled(u"revertDocumentToSaved:"), false) << "a file, but no edits";
    document->setText(u"y");
    EXPECT_EQ(enabled(u"revertDocumentToSaved:"), true);
    EXPECT_EQ(enabled(u"lockDocument:"), false) << "an action the document does not answer";

    // A menu item validated through the application reaches the document.
    auto item = std::make_shared<MenuItem>(u"Revert", u"revertDocumentToSaved:", u"");
    EXPECT_TRUE(UserInterfaceValidation::validateMenuItem(*app, *item));
    document->updateChangeCount(ChangeUndone);
    EXPECT_FALSE(UserInterfaceValidation::validateMenuItem(*app, *item));
}

TEST_F(DocumentLifecycleTest, PageSetupIsForTheDocumentsWindow) {
    std::vector<std::shared_ptr<PageLayout>> shown;
    PageLayout::setPresenter([&](const auto& layout) { shown.push_back(layout); });
    auto document = newDocument();
    EXPECT_TRUE(document->tryToPerform(u"runPageLayout:", nullptr));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0]->window(), document->windowForSheet());
    EXPECT_EQ(shown[0]->state(), PageLayout::State::Pending);
}

TEST_F(DocumentLifecycleTest, TheChangeCountIsObservable) {
    auto document = newDocument();
    std::vector<bool> seen;
    const auto observation = document->addObserver(
        u"documentEdited", [&](const Value& value) { seen.push_back(value.boolValue()); });
    document->updateChangeCount(ChangeDone);
    document->updateChangeCount(ChangeDone);
    document->updateChangeCount(ChangeUndone);
    EXPECT_TRUE(document->isDocumentEdited());
    document->updateChangeCount(ChangeUndone);
    EXPECT_FALSE(document->isDocumentEdited());
    document->updateChangeCount(ChangeDone);
    document->updateChangeCount(ChangeCleared);
    EXPECT_EQ(seen, (std::vector<bool>{true, false, true, false}));
}

} // namespace
