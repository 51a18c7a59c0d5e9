#include "ProgramModelTest.h"
#include "app/utilities/LWBookmark.h"
#include "platform/system/RecordingFileAccess.h"
#include "platform/ui/Alert.h"
#include "platform/ui/AlertPanel.h"
#include "platform/ui/Document.h"
#include "platform/ui/OpenPanel.h"
#include "platform/ui/Window.h"

#include <filesystem>
#include <sys/stat.h>

namespace interfacetest {
namespace {

using platform::Data;

constexpr const char16_t* bookmarkKey = u"StartupSelectedDocBookmark";
constexpr const char* missingMessage =
    "Preference was set to open at startup a document without specifying it";

class StartupDocumentTest : public ProgramModelTest {
protected:
    // A run that saved a document and chose it as the start-up document.
    void chooseASavedDocument() {
        launch();
        (void)savedDocument(u"orchid7", "Diary.sealscribe");
        store()->setObject(Value(*LWBookmark::bookmarkForURL_RW(urlOf("Diary.sealscribe"))),
                           bookmarkKey);
        store()->setInteger(3, u"StartupActionTag");
        quit();
    }

    // The next launch, with its file access recorded; the start-up timer has fired.
    void launchAndWaitForTheStartupAction() {
        launch(
            [this](platform::UserDefaults&) { platform::FileAccess::setSharedFileAccess(access); });
        loop().advance(1.0);
        loop().runUntilIdle();
    }

    [[nodiscard]] platform::URL urlOf(const std::string& fileName) const {
        return *platform::URL::fileURLWithPath(pathOf(fileName));
    }
    [[nodiscard]] std::vector<std::optional<String>> openDocumentPaths() const {
        std::vector<std::optional<String>> paths;
        for (const auto& document : run_->program.controller()->documents())
            paths.push_back(document->fileURL() ? document->fileURL()->path() : std::nullopt);
        return paths;
    }

    std::shared_ptr<platform::RecordingFileAccess> access =
        std::make_shared<platform::RecordingFileAccess>();
};

TEST_F(StartupDocumentTest, TheChosenDocumentOpensLockedASecondAfterLaunch) {
    chooseASavedDocument();
    launchAndWaitForTheStartupAction();
    EXPECT_EQ(openDocumentPaths(),
              (std::vector<std::optional<String>>{pathOf("Diary.sealscribe")}));
    const auto document =
        std::dynamic_pointer_cast<MyDocument>(run_->program.controller()->documents().front());
    EXPECT_FALSE(document->isDecrypted());
    EXPECT_EQ(access->starts().size(), 1u);
    EXPECT_EQ(access->stops().size(), 1u);
    EXPECT_EQ(delegate()->StartupDocPathMessageString(), u"");
}

TEST_F(StartupDocumentTest, ADocumentRenamedInItsFolderIsFoundRenewedAndOpened) {
    chooseASavedDocument();
    const auto before = std::filesystem::last_write_time(files / "Diary.sealscribe");
    std::filesystem::rename(files / "Diary.sealscribe", files / "Journal.sealscribe");
    std::filesystem::last_write_time(files / "Journal.sealscribe", before);
    launchAndWaitForTheStartupAction();
    EXPECT_EQ(openDocumentPaths(),
              (std::vector<std::optional<String>>{pathOf("Journal.sealscribe")}));
    EXPECT_EQ(delegate()->StartupDocPathMessageString(), u"Bookmark renewed");
    bool isStale = true;
    EXPECT_EQ(LWBookmark::urlForBookmark(store()->dataForKey(bookmarkKey), isStale),
              urlOf("Journal.sealscribe"));
    EXPECT_FALSE(isStale);
    // Around the renewal and around the opening.
    EXPECT_EQ(access->starts().size(), 2u);
    EXPECT_EQ(access->stops().size(), 2u);
}

TEST_F(StartupDocumentTest, WithNoDocumentToOpenTheAlertOffersThePreferences) {
    const struct {
        const char* what;
        std::function<void()> change;
    } cases[] = {
        {"deleted", [this] { std::filesystem::remove(files / "Diary.sealscribe"); }},
        {"moved elsewhere",
         [this] {
             std::filesystem::create_directory(files / "elsewhere");
             std::filesystem::rename(files / "Diary.sealscribe",
                                     files / "elsewhere" / "Diary.sealscribe");
         }},
        {"garbage", [] {}},
        {"forgotten", [] {}},
    };
    for (const auto& [what, change] : cases) {
        SCOPED_TRACE(what);
        std::filesystem::remove_all(files.path() / "elsewhere");
        chooseASavedDocument();
        change();
        launch([&](platform::UserDefaults& earlier) {
            platform::FileAccess::setSharedFileAccess(access);
            if (std::string(what) == "garbage")
                earlier.setObject(Value(platform::dataFromBytes("not a bookmark")), bookmarkKey);
            if (std::string(what) == "forgotten")
                earlier.setObject(Value(Data{}), bookmarkKey);
        });
        const auto stored = store()->objectForKey(bookmarkKey);
        run_->modal->answerNextWith(u"Open Preferences");
        loop().advance(1.0);
        loop().runUntilIdle();
        ASSERT_EQ(run_->modal->alertsShown().size(), 1u);
        const auto& alert = *run_->modal->alertsShown().front();
        EXPECT_EQ(platform::toUtf8Lossy(alert.messageText()), missingMessage);
        EXPECT_EQ(alert.informativeText(), u"You can fix the problem in the preferences");
        EXPECT_EQ(delegate()->StartupDocPathMessageString(),
                  u"Please select a file or change startup option");
        EXPECT_FALSE(delegate()->StartupDocSpecified());
        EXPECT_TRUE(delegate()->prefWindow()->isVisible());
        EXPECT_TRUE(run_->program.controller()->documents().empty());
        // It opens again once the file is back.
        EXPECT_EQ(store()->objectForKey(bookmarkKey), stored);
        std::filesystem::remove_all(files.path() / "Diary.sealscribe");
        quit();
    }
}

TEST_F(StartupDocumentTest, RefusedAccessGetsItsOwnAlertAndKeepsTheChoice) {
    chooseASavedDocument();
    access->setRefusing(true);
    launch([this](platform::UserDefaults&) { platform::FileAccess::setSharedFileAccess(access); });
    const auto stored = store()->objectForKey(bookmarkKey);
    run_->modal->answerNextWith(u"Cancel");
    loop().advance(1.0);
    ASSERT_EQ(run_->modal->alertsShown().size(), 1u);
    EXPECT_EQ(run_->modal->alertsShown().front()->messageText(),
              u"The system is negating the access to the document selected to be opened at "
              u"startup");
    EXPECT_EQ(delegate()->StartupDocPathMessageString(),
              u"Not valid Startup Document selected. Please re-select");
    EXPECT_TRUE(delegate()->StartupDocSpecified());
    EXPECT_FALSE(delegate()->prefWindow()->isVisible());
    EXPECT_TRUE(run_->program.controller()->documents().empty());
    EXPECT_EQ(store()->objectForKey(bookmarkKey), stored);
    EXPECT_TRUE(access->stops().empty());
}

TEST_F(StartupDocumentTest, ThePreferencesChooseForgetRevealAndOpenTheDocument) {
    launch();
    (void)savedDocument(u"orchid7", "Diary.sealscribe");
    for (const auto& document : std::vector(run_->program.controller()->documents()))
        document->close();
    delegate()->openPreferences(nullptr);
    const auto window = delegate()->prefWindow();

    // Cancelling changes nothing.
    delegate()->selectStartupDoc(nullptr);
    auto panel = std::dynamic_pointer_cast<platform::OpenPanel>(window->attachedSheet());
    ASSERT_TRUE(panel);
    EXPECT_EQ(panel->allowedFileTypes(), (std::vector<String>{u"sealscribe"}));
    EXPECT_EQ(panel->prompt(), u"Select");
    (void)panel->userCancel();
    loop().runUntilIdle();
    EXPECT_TRUE(store()->objectForKey(bookmarkKey).isNone());

    delegate()->selectStartupDoc(nullptr);
    panel = std::dynamic_pointer_cast<platform::OpenPanel>(window->attachedSheet());
    ASSERT_TRUE(panel && panel->userChoose(pathOf("Diary.sealscribe")));
    loop().runUntilIdle();
    bool isStale = true;
    EXPECT_EQ(LWBookmark::urlForBookmark(store()->dataForKey(bookmarkKey), isStale),
              urlOf("Diary.sealscribe"));
    EXPECT_EQ(delegate()->StartupDocPathMessageString(), u"");
    EXPECT_TRUE(delegate()->StartupDocSpecified());

    delegate()->showInFinderStartupDoc(nullptr);
    ASSERT_EQ(run_->launcher->requests().size(), 1u);

    delegate()->testOpenStartupDoc(nullptr);
    loop().runUntilIdle();
    EXPECT_EQ(openDocumentPaths(),
              (std::vector<std::optional<String>>{pathOf("Diary.sealscribe")}));

    delegate()->clearStartupSelectedDoc(nullptr);
    EXPECT_EQ(store()->objectForKey(bookmarkKey), Value(Data{}));
    EXPECT_EQ(delegate()->StartupDocPathMessageString(),
              u"Please select a file or change startup option");
    EXPECT_FALSE(delegate()->StartupDocSpecified());
    // With nothing chosen these do nothing.
    delegate()->showInFinderStartupDoc(nullptr);
    delegate()->testOpenStartupDoc(nullptr);
    EXPECT_EQ(run_->launcher->requests().size(), 1u);
    EXPECT_EQ(run_->program.controller()->documents().size(), 1u);
}

// A choice that cannot be remembered keeps the one before and says so on the window.
TEST_F(StartupDocumentTest, AChoiceThatCannotBeRememberedKeepsTheOldOne) {
    launch();
    (void)savedDocument(u"orchid7", "Diary.sealscribe");
    const auto old = *LWBookmark::bookmarkForURL_RW(urlOf("Diary.sealscribe"));
    store()->setObject(Value(old), bookmarkKey);
    ASSERT_EQ(mkfifo((files / "Pipe.sealscribe").c_str(), 0600), 0);
    delegate()->openPreferences(nullptr);
    const auto window = delegate()->prefWindow();
    delegate()->selectStartupDoc(nullptr);
    auto panel = std::dynamic_pointer_cast<platform::OpenPanel>(window->attachedSheet());
    ASSERT_TRUE(panel && panel->userChoose(pathOf("Pipe.sealscribe")));
    loop().runUntilIdle();
    EXPECT_EQ(store()->objectForKey(bookmarkKey), Value(old));
    const auto alert = platform::AlertPanel::alertOf(window->attachedSheet());
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->messageText(), u"The chosen document could not be remembered");
}

} // namespace
} // namespace interfacetest
