#include "GuiTest.h"
#include "gui/AlertDialog.h"
#include "gui/QtModalRunner.h"
#include "gui/SheetBinding.h"
#include "platform/ui/Alert.h"
#include "platform/ui/Panel.h"
#include "platform/ui/TextField.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>

using namespace platform;

namespace {

class SheetAndAlertTest : public guitest::GuiTest {
protected:
    std::shared_ptr<Window> window = shownWindow(std::make_shared<View>());
    gui::WindowWidget* widget = widgetOf(*window);
    std::vector<ModalResponse> answers;
};

TEST_F(SheetAndAlertTest, ASheetIsAWindowModalDialogUntilTheModelEndsIt) {
    auto panel = std::make_shared<Panel>(Rect(0, 0, 300, 122));
    auto field = std::make_shared<TextField>();
    field->setFrame({20, 40, 260, 24});
    auto sheetContent = std::make_shared<View>();
    sheetContent->addSubview(field);
    panel->setContentView(sheetContent);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(widget));

    window->beginSheet(panel, [this](ModalResponse code) { answers.push_back(code); });
    QPointer<QDialog> dialog = widget->sheets().dialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->parentWidget(), widget);
    EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
    EXPECT_EQ(dialog->size(), QSize(300, 100));
    EXPECT_EQ(dialog->geometry().center().x(), widget->geometry().center().x());

    // The field of the sheet is the model's; escape does not end the sheet.
    auto* edit = dialog->findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    QTest::keyClicks(edit, "abc");
    EXPECT_EQ(field->stringValue(), u"abc");
    QTest::keyClick(dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(answers.empty());

    window->endSheet(panel, ModalResponseOK);
    EXPECT_EQ(answers, std::vector<ModalResponse>{ModalResponseOK});
    EXPECT_EQ(widget->sheets().dialog(), nullptr);
    ASSERT_TRUE(waitUntil([&] { return dialog.isNull(); }));
}

TEST_F(SheetAndAlertTest, AlertButtonsAnswerInTheOrderAdded) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(widget));
    for (std::size_t pressed = 0; pressed < 3; ++pressed) {
        auto alert = std::make_shared<Alert>();
        alert->setMessageText(u"Do you want to save the changes?");
        alert->setInformativeText(u"Your changes will be lost if you don't save them.");
        alert->addButtonWithTitle(u"Save");
        alert->addButtonWithTitle(u"Cancel");
        alert->addButtonWithTitle(u"Don't Save");
        alert->beginSheetModalForWindow(window,
                                        [this](ModalResponse code) { answers.push_back(code); });
        auto* dialog = dynamic_cast<gui::AlertDialog*>(widget->sheets().dialog());
        ASSERT_NE(dialog, nullptr);
        const auto& buttons = dialog->buttons();
        ASSERT_EQ(buttons.size(), 3u);
        EXPECT_EQ(buttons[0]->text(), "Save");
        EXPECT_TRUE(buttons[0]->isDefault());
        // The first at the right, the others to its left in order.
        EXPECT_GT(buttons[0]->x(), buttons[1]->x());
        EXPECT_GT(buttons[1]->x(), buttons[2]->x());

        QTest::mouseClick(buttons[pressed], Qt::LeftButton);
        ASSERT_EQ(answers.size(), pressed + 1);
        EXPECT_EQ(answers.back(), AlertFirstButtonReturn + static_cast<ModalResponse>(pressed));
        EXPECT_EQ(window->attachedSheet(), nullptr);
    }
}

TEST_F(SheetAndAlertTest, AnApplicationModalAlertRunsANestedLoopUntilAnswered) {
    auto alert = std::make_shared<Alert>();
    alert->setMessageText(u"Wrong Password");
    alert->addButtonWithTitle(u"OK");
    alert->addButtonWithTitle(u"Try Again");
    bool wasApplicationModal = false;
    // The user answers once the dialog is up, inside the nested loop.
    renderer->modalRunner().setShownHandler([&](QDialog& shown) {
        // Should the answer not come, the nested loop is ended and the alert answers -1001.
        const auto unanswered = qScopeGuard([&] {
            if (alert->isShown())
                QCoreApplication::exit(1);
        });
        auto* dialog = dynamic_cast<gui::AlertDialog*>(&shown);
        ASSERT_NE(dialog, nullptr);
        wasApplicationModal =
            dialog->isVisible() && dialog->windowModality() == Qt::ApplicationModal;
        QTest::mouseClick(dialog->buttons()[1], Qt::LeftButton);
    });

    EXPECT_EQ(alert->runModal(), AlertSecondButtonReturn);
    EXPECT_TRUE(wasApplicationModal);
    EXPECT_EQ(renderer->modalRunner().dialog(), nullptr);
    EXPECT_FALSE(alert->isShown());
}

} // namespace
