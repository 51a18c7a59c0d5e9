#include "platform/ui/DesktopRequest.h"

#include "ProgramFixture.h"
#include "gui/DesktopRequestPerformer.h"
#include "gui/QtModalRunner.h"

#include <QCoreApplication>

namespace guitest {
namespace {

using Kind = platform::DesktopRequest::Kind;

class DesktopRequests : public ProgramFixture {};

// Qt's nested loop of the alert would run the request inside it; it waits instead.
TEST_F(DesktopRequests, WaitWhileAnApplicationModalAlertRuns) {
    gui::DesktopRequestPerformer performer(program.application());
    std::vector<std::optional<String>> answers;
    std::size_t documentsDuringAlert = 99;
    renderer->modalRunner().setShownHandler([&](QDialog& shown) {
        platform::DesktopRequest request;
        request.kind = Kind::newFromText;
        request.text = platform::dataFromBytes("abc");
        performer.perform(
            request, [&](const std::optional<String>& failure) { answers.push_back(failure); });
        for (int i = 0; i < 10; ++i)
            QCoreApplication::processEvents();
        documentsDuringAlert = program.controller()->documents().size();
        auto* dialog = dynamic_cast<gui::AlertDialog*>(&shown);
        ASSERT_NE(dialog, nullptr);
        QTest::mouseClick(dialog->buttons().front(), Qt::LeftButton);
    });
    const auto alert = std::make_shared<platform::Alert>();
    alert->setMessageText(u"Busy");
    (void)alert->runModal();
    renderer->modalRunner().setShownHandler({});
    EXPECT_EQ(documentsDuringAlert, 0U);
    EXPECT_TRUE(answers.empty());
    ASSERT_TRUE(waitUntil([&] { return answers.size() == 1; }));
    EXPECT_EQ(answers.front(), std::nullopt);
    EXPECT_EQ(program.controller()->documents().size(), 1U);
}

// A start with no file, as from the launcher, shows a window rather than nothing.
TEST_F(DesktopRequests, AnOpenOfNoFileMakesANewDocument) {
    gui::DesktopRequestPerformer performer(program.application());
    std::vector<std::optional<String>> answers;
    performer.perform(platform::DesktopRequest{},
                      [&](const std::optional<String>& failure) { answers.push_back(failure); });
    ASSERT_EQ(answers.size(), 1U);
    EXPECT_EQ(answers.front(), std::nullopt);
    EXPECT_EQ(program.controller()->documents().size(), 1U);
}

} // namespace
} // namespace guitest
