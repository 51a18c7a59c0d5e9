#include "ProgramModelTest.h"
#include "platform/base/FileWriter.h"
#include "platform/base/Timer.h"
#include "platform/base/URL.h"
#include "platform/ui/TextView.h"

#include <cerrno>
#include <cstdint>
#include <limits>
#include <string>

namespace interfacetest {
namespace {

const String password = u"orchid";

// Fails every write, as a full disk does.
class FullDiskWriter : public platform::FileWriter {
protected:
    platform::Result<> writeBytes(int, const platform::Data&) override {
        return platform::failure(platform::Error::fromErrno(ENOSPC));
    }
};

class AutomaticLockTest : public ProgramModelTest {
protected:
    // Launches with automatic locking set as given, and goes to the foreground.
    void launchWith(bool enabled, const Value& interval) {
        launch([enabled, interval](platform::UserDefaults& store) {
            store.setBool(enabled, u"autolocBackgroundEnabled");
            store.setObject(interval, u"autolocBackgroundInterval");
        });
        application()->setActive(true);
    }
    void launchWith(bool enabled, std::int64_t interval) {
        launchWith(enabled, Value(platform::Number::int64(interval)));
    }

    static bool isLocked(const std::shared_ptr<MyDocument>& document) {
        return !document->isDecrypted();
    }

    // What the file holds, read by another document with the password.
    String bodyOnDisk(const std::string& fileName) {
        std::shared_ptr<platform::Document> opened;
        run_->program.controller()->openDocumentWithContentsOfURL(
            *platform::URL::fileURLWithPath(pathOf(fileName)), true,
            [&opened](const std::shared_ptr<platform::Document>& document, bool,
                      const std::optional<String>&) { opened = document; });
        loop().runUntilIdle();
        const auto reader = std::dynamic_pointer_cast<MyDocument>(opened);
        if (!reader)
            return u"(not opened)";
        reader->passwordToDecryptField()->userType(password);
        reader->passwordToDecryptField()->userPressEnter();
        loop().runUntilIdle();
        String body = reader->myTextView()->string();
        reader->close();
        loop().runUntilIdle();
        return body;
    }
};

struct IntervalCase {
    const char* name;
    bool enabled;
    Value interval;
    // Seconds in the background until the lock; none when nothing locks.
    std::optional<double> lockAfter;
};

TEST_F(AutomaticLockTest, LocksAfterTheSettingsIntervalButNeverBefore30Seconds) {
    const auto int64 = [](std::int64_t value) { return Value(platform::Number::int64(value)); };
    const std::vector<IntervalCase> cases = {
        {"off", false, int64(120), std::nullopt},
        {"the default", true, int64(120), 120},
        {"one second", true, int64(1), 30},
        {"ten seconds", true, int64(10), 30},
        {"thirty", true, int64(30), 30},
        {"thirty-one", true, int64(31), 31},
        {"zero", true, int64(0), std::nullopt},
        {"negative", true, int64(-5), std::nullopt},
        {"the lowest", true, int64(std::numeric_limits<std::int32_t>::min()), std::nullopt},
        // Only the low 32 bits count.
        {"past 32 bits", true, int64((std::int64_t{1} << 32) + 40), 40},
        {"2 to the 31", true, int64(std::int64_t{1} << 31), std::nullopt},
        {"a real", true, Value(platform::Number::float64(45.9)), 45},
        // The registered default, not 0, which would switch the lock off.
        {"a text", true, Value(u"soon"), 120},
    };
    int round = 0;
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        launchWith(row.enabled, row.interval);
        const auto document =
            savedDocument(password, "notes" + std::to_string(++round) + ".sealscribe");
        application()->setActive(false);
        if (!row.lockAfter) {
            EXPECT_FALSE(delegate()->repeatingAutomaticLockTimer());
            loop().advance(100000);
            EXPECT_FALSE(isLocked(document));
            continue;
        }
        loop().advance(*row.lockAfter - 0.01);
        EXPECT_FALSE(isLocked(document));
        loop().advance(0.02);
        EXPECT_TRUE(isLocked(document));
    }
}

TEST_F(AutomaticLockTest, ComingBackBeforeTheLockCancelsIt) {
    launchWith(true, 120);
    const auto document = savedDocument(password, "notes.sealscribe");
    application()->setActive(false);
    loop().advance(119);
    const auto timer = delegate()->repeatingAutomaticLockTimer();
    application()->setActive(true);
    EXPECT_FALSE(timer->isValid());
    EXPECT_FALSE(delegate()->repeatingAutomaticLockTimer());
    loop().advance(1000);
    EXPECT_FALSE(isLocked(document));

    // The next stay in the background counts from its own start.
    application()->setActive(false);
    loop().advance(119);
    EXPECT_FALSE(isLocked(document));
    loop().advance(1);
    EXPECT_TRUE(isLocked(document));
}

// The platform may tell of a resignation again without an activation between.
TEST_F(AutomaticLockTest, ASecondResignationReplacesTheRunningTimer) {
    launchWith(true, 120);
    const auto document = savedDocument(password, "notes.sealscribe");
    application()->setActive(false);
    const auto first = delegate()->repeatingAutomaticLockTimer();
    loop().advance(100);
    store()->setInteger(60, u"autolocBackgroundInterval");
    delegate()->applicationDidResignActive(*application());
    EXPECT_FALSE(first->isValid());
    loop().advance(59);
    EXPECT_FALSE(isLocked(document));
    loop().advance(1);
    EXPECT_TRUE(isLocked(document));
}

TEST_F(AutomaticLockTest, SwitchingTheSettingOffLeavesARunningTimerAlone) {
    launchWith(true, 120);
    const auto document = savedDocument(password, "notes.sealscribe");
    application()->setActive(false);
    const auto timer = delegate()->repeatingAutomaticLockTimer();
    loop().advance(60);
    store()->setBool(false, u"autolocBackgroundEnabled");
    delegate()->applicationDidResignActive(*application());
    EXPECT_EQ(delegate()->repeatingAutomaticLockTimer(), timer);
    loop().advance(60);
    EXPECT_TRUE(isLocked(document));
}

// It fires once: what opens afterwards stays unlocked, and what cannot be locked is left.
TEST_F(AutomaticLockTest, FiresOnceAndLeavesWhatCannotBeLocked) {
    launchWith(true, 120);
    const auto& documents = run_->program.controller()->documents();
    const auto untitled = std::dynamic_pointer_cast<MyDocument>(documents.front());
    ASSERT_TRUE(untitled);
    const auto document = savedDocument(password, "notes.sealscribe");
    application()->setActive(false);
    loop().advance(120);
    EXPECT_TRUE(isLocked(document));
    EXPECT_FALSE(isLocked(untitled));
    EXPECT_TRUE(untitled->myWindow()->attachedSheet()) << "its password sheet stays";
    const auto fired = delegate()->repeatingAutomaticLockTimer();
    ASSERT_TRUE(fired);
    EXPECT_FALSE(fired->isValid());

    const auto later = savedDocument(password, "later.sealscribe");
    loop().advance(10000);
    EXPECT_FALSE(isLocked(later));
}

// Sheets of the window, the one shown and the ones waiting behind it, end with the stop
// answer before the lock, so that none attaches to the locked window.
TEST_F(AutomaticLockTest, EndsEverySheetOfTheWindowThenLocks) {
    launchWith(true, 30);
    const auto document = savedDocument(password, "notes.sealscribe");
    const auto window = document->myWindow();
    std::vector<std::int64_t> answers;
    const auto alert = [&answers, &window](const String& message) {
        auto shown = std::make_shared<platform::Alert>();
        shown->setMessageText(message);
        shown->addButtonWithTitle(u"OK");
        shown->beginSheetModalForWindow(
            window, [&answers](platform::ModalResponse answer) { answers.push_back(answer); });
    };
    document->lockDocument(nullptr);
    alert(u"Waiting");
    alert(u"Waiting too");
    ASSERT_TRUE(window->attachedSheet());

    application()->setActive(false);
    loop().advance(30);
    EXPECT_TRUE(isLocked(document));
    EXPECT_FALSE(window->attachedSheet());
    EXPECT_EQ(answers, (std::vector<std::int64_t>{platform::ModalResponseStop,
                                                  platform::ModalResponseStop}));
}

// While an application-modal alert waits for its answer, time passes in its session: the
// timer fires there, and the lock runs before the answer.
TEST_F(AutomaticLockTest, FiresWhileAnApplicationModalAlertWaits) {
    launchWith(true, 120);
    const auto document = savedDocument(password, "notes.sealscribe");
    application()->setActive(false);
    bool lockedBeforeTheAnswer = false;
    run_->modal->answerNextWith([&](platform::Alert& shown) {
        loop().advance(200);
        lockedBeforeTheAnswer = isLocked(document);
        EXPECT_TRUE(shown.userPressButton(u"OK"));
    });
    const auto waiting = std::make_shared<platform::Alert>();
    waiting->setMessageText(u"Waiting");
    waiting->addButtonWithTitle(u"OK");
    EXPECT_EQ(waiting->runModal(), platform::AlertFirstButtonReturn);
    EXPECT_TRUE(lockedBeforeTheAnswer);
}

TEST_F(AutomaticLockTest, EditsBeforeTheLockAreSavedAndSurviveClose) {
    launchWith(true, 120);
    const auto document = savedDocument(password, "notes.sealscribe");
    document->myTextView()->userTypeText(u"Typed before leaving.");
    application()->setActive(false);
    loop().advance(120);
    EXPECT_TRUE(isLocked(document));
    EXPECT_FALSE(document->isDocumentEdited());

    document->myWindow()->userClose();
    loop().runUntilIdle();
    EXPECT_TRUE(document->isClosed());
    EXPECT_EQ(bodyOnDisk("notes.sealscribe"), u"Typed before leaving.");
}

TEST_F(AutomaticLockTest, EditsBeforeTheLockSurviveQuitAndARelaunch) {
    launchWith(true, 120);
    const auto document = savedDocument(password, "notes.sealscribe");
    document->myTextView()->userTypeText(u"Typed before leaving.");
    application()->setActive(false);
    loop().advance(120);
    ASSERT_TRUE(isLocked(document));

    application()->terminate(nullptr);
    loop().runUntilIdle();
    EXPECT_FALSE(application()->isRunning());
    EXPECT_TRUE(run_->modal->alertsShown().empty());

    launchWith(true, 120);
    EXPECT_EQ(bodyOnDisk("notes.sealscribe"), u"Typed before leaving.");
}

// The edits stay in memory, marked, and Close asks about them.
TEST_F(AutomaticLockTest, ASaveAfterTheLockThatFailsShowsWhyAndCloseAsks) {
    launchWith(true, 120);
    const auto document = savedDocument(password, "notes.sealscribe");
    const auto window = document->myWindow();
    document->myTextView()->userTypeText(u"Typed before leaving.");
    document->setFileWriter(std::make_shared<FullDiskWriter>());
    application()->setActive(false);
    loop().advance(120);
    EXPECT_TRUE(isLocked(document));
    EXPECT_TRUE(document->isDocumentEdited());
    const auto failure = platform::AlertPanel::alertOf(window->attachedSheet());
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->messageText(),
              u"The document \u201cnotes.sealscribe\u201d could not be saved.");
    EXPECT_TRUE(failure->userPressButton(u"OK"));
    loop().runUntilIdle();

    window->userClose();
    loop().runUntilIdle();
    EXPECT_FALSE(document->isClosed());
    const auto question = platform::AlertPanel::alertOf(window->attachedSheet());
    ASSERT_TRUE(question);
    EXPECT_EQ(question->messageText(), u"Do you want to save the changes made to the document "
                                       u"\u201cnotes.sealscribe\u201d?");
    EXPECT_TRUE(question->userPressButton(u"Don't Save"));
    loop().runUntilIdle();
    EXPECT_TRUE(document->isClosed());
}

} // namespace
} // namespace interfacetest
