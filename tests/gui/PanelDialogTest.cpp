#include "gui/PanelDialog.h"

#include "GuiTest.h"
#include "gui/AlertDialog.h"
#include "gui/QtModalRunner.h"
#include "gui/QtString.h"
#include "gui/SheetBinding.h"
#include "platform/ui/OpenPanel.h"
#include "platform/ui/SavePanel.h"

#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>

using namespace platform;

namespace {

class PanelDialogTest : public guitest::GuiTest {
protected:
    // Types the name into the dialog's name field and presses return.
    static void enterName(QFileDialog& dialog, const QString& name) {
        auto* nameField = dialog.findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(nameField, nullptr);
        nameField->setText(name);
        QTest::keyClick(nameField, Qt::Key_Return);
    }

    QTemporaryDir folder;
    std::shared_ptr<Window> window = shownWindow(std::make_shared<View>());
    std::vector<ModalResponse> answers;
};

TEST_F(PanelDialogTest, ASavePanelSheetTakesTheNameTheModelAccepts) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(widgetOf(*window)));
    auto panel = SavePanel::savePanel();
    panel->setAllowedFileTypes({u"sealscribe"});
    panel->setDirectoryURL(URL::fileURLWithPath(gui::fromQString(folder.path())));
    panel->beginSheetModalForWindow(window,
                                    [this](ModalResponse code) { answers.push_back(code); });
    QPointer<QDialog> shown = widgetOf(*window)->sheets().dialog();
    auto* dialog = dynamic_cast<gui::PanelDialog*>(shown.data());
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialog->nameFilters(), QStringList{"*.sealscribe"});

    enterName(*dialog, "Diary");
    EXPECT_EQ(answers, std::vector<ModalResponse>{ModalResponseOK});
    ASSERT_TRUE(panel->URL());
    EXPECT_EQ(panel->URL()->path(), gui::fromQString(folder.path()) + u"/Diary.sealscribe");
    ASSERT_TRUE(waitUntil([&] { return shown.isNull(); }));
}

TEST_F(PanelDialogTest, AModalOpenPanelRunsUntilTheUserChoosesWhatItTakes) {
    QFile file(folder.filePath("Notes.sealscribe"));
    QFile other(folder.filePath("other.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && other.open(QIODevice::WriteOnly));
    file.close();
    other.close();
    auto panel = OpenPanel::openPanel();
    panel->setAllowedFileTypes({u"sealscribe"});
    panel->setDirectoryURL(URL::fileURLWithPath(gui::fromQString(folder.path())));
    bool wasOpenDialog = false;
    bool refusedOtherType = false;
    renderer->modalRunner().setShownHandler([&](QDialog& shown) {
        // Should the choice not come, the nested loop is ended and the panel answers -1001.
        const auto unanswered = qScopeGuard([&] {
            if (panel->isShown())
                QCoreApplication::exit(1);
        });
        auto* dialog = dynamic_cast<gui::PanelDialog*>(&shown);
        ASSERT_NE(dialog, nullptr);
        wasOpenDialog = dialog->acceptMode() == QFileDialog::AcceptOpen &&
                        dialog->windowModality() == Qt::ApplicationModal;
        // The user sees the folder's listing, which Qt reads on a thread of its own, before
        // typing: a listing that arrives meanwhile changes what the name field holds.
        auto* listing = dialog->findChild<QFileSystemModel*>();
        ASSERT_NE(listing, nullptr);
        ASSERT_TRUE(
            waitUntil([&] { return listing->rowCount(listing->index(folder.path())) == 1; }));
        // The dialog takes any name typed; the panel takes only the allowed type.
        enterName(*dialog, "other.txt");
        refusedOtherType = panel->isShown() && dialog->isVisible();
        enterName(*dialog, "Notes.sealscribe");
    });

    EXPECT_EQ(panel->runModal(), ModalResponseOK);
    EXPECT_TRUE(wasOpenDialog);
    EXPECT_TRUE(refusedOtherType);
    ASSERT_EQ(panel->URLs().size(), 1u);
    EXPECT_EQ(panel->URLs()[0].path(), gui::fromQString(file.fileName()));
    EXPECT_EQ(renderer->modalRunner().dialog(), nullptr);
}

TEST_F(PanelDialogTest, AnOpenPanelTakesAnRtfdFolderAsOneFile) {
    ASSERT_TRUE(QDir(folder.path()).mkpath("Letter.rtfd"));
    QFile inside(folder.filePath("Letter.rtfd/TXT.rtf"));
    ASSERT_TRUE(inside.open(QIODevice::WriteOnly));
    inside.close();
    auto panel = OpenPanel::openPanel();
    panel->setAllowedFileTypes({u"sealscribe", u"rtfd"});
    panel->setDirectoryURL(URL::fileURLWithPath(gui::fromQString(folder.path())));
    panel->beginSheetModalForWindow(window,
                                    [this](ModalResponse code) { answers.push_back(code); });
    auto* dialog = dynamic_cast<gui::PanelDialog*>(widgetOf(*window)->sheets().dialog());
    ASSERT_NE(dialog, nullptr);
    auto* listing = dialog->findChild<QFileSystemModel*>();
    ASSERT_NE(listing, nullptr);
    ASSERT_TRUE(waitUntil([&] { return listing->rowCount(listing->index(folder.path())) == 1; }));

    enterName(*dialog, "Letter.rtfd");
    EXPECT_EQ(answers, std::vector<ModalResponse>{ModalResponseOK});
    ASSERT_EQ(panel->URLs().size(), 1u);
    EXPECT_EQ(panel->URLs()[0].path(), gui::fromQString(folder.filePath("Letter.rtfd")));
}

// Qt's dialog would open the folder, or ask about replacing the file itself.
TEST_F(PanelDialogTest, ASavePanelHandsAnExistingNameToTheModel) {
    ASSERT_TRUE(QDir(folder.path()).mkpath("Old.rtfd"));
    QFile existing(folder.filePath("Diary.sealscribe"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    for (const QString name : {"Old.rtfd", "Diary"}) {
        SCOPED_TRACE(name.toStdString());
        answers.clear();
        auto panel = SavePanel::savePanel();
        panel->setAllowedFileTypes({u"sealscribe", u"rtfd"});
        panel->setDirectoryURL(URL::fileURLWithPath(gui::fromQString(folder.path())));
        panel->beginSheetModalForWindow(window,
                                        [this](ModalResponse code) { answers.push_back(code); });
        QPointer<QDialog> shown = widgetOf(*window)->sheets().dialog();
        auto* dialog = dynamic_cast<gui::PanelDialog*>(shown.data());
        ASSERT_NE(dialog, nullptr);
        auto* listing = dialog->findChild<QFileSystemModel*>();
        ASSERT_NE(listing, nullptr);
        ASSERT_TRUE(
            waitUntil([&] { return listing->rowCount(listing->index(folder.path())) == 2; }));

        // The model asks once, about the name it writes; Qt's own question is off.
        bool asked = false;
        renderer->modalRunner().setShownHandler([&](QDialog& up) {
            auto* question = dynamic_cast<gui::AlertDialog*>(&up);
            ASSERT_NE(question, nullptr);
            asked = true;
            QTest::mouseClick(question->buttons()[1], Qt::LeftButton);
        });
        enterName(*dialog, name);
        renderer->modalRunner().setShownHandler({});
        EXPECT_TRUE(asked);
        EXPECT_EQ(answers, std::vector<ModalResponse>{ModalResponseOK});
        ASSERT_TRUE(panel->URL());
        const QString expected = name.endsWith(".rtfd") ? name : name + ".sealscribe";
        EXPECT_EQ(panel->URL()->path(), gui::fromQString(folder.filePath(expected)));
        ASSERT_TRUE(waitUntil([&] { return shown.isNull(); }));
    }
}

} // namespace
