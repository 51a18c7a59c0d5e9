#include "platform/system/Workspace.h"

#include "platform/system/RecordingLauncher.h"
#include "platform/system/SystemEnvironment.h"

#include <gtest/gtest.h>
#include <unistd.h>

using platform::Launcher;
using platform::RecordingLauncher;
using platform::URL;
using platform::Workspace;
using Command = Launcher::Command;

namespace {

class WorkspaceRequests : public testing::Test {
protected:
    std::shared_ptr<RecordingLauncher> launcher_ = std::make_shared<RecordingLauncher>();
    Workspace workspace_{launcher_};

    std::vector<Command> onlyRequest() const {
        EXPECT_EQ(launcher_->requests().size(), 1u);
        return launcher_->requests().empty() ? std::vector<Command>{}
                                             : launcher_->requests().front();
    }
};

TEST_F(WorkspaceRequests, URLsGoToXdgOpenAsOneArgument) {
    const char16_t* const links[] = {
        u"mailto:help@example.org?subject=Support%20Request%20for%20x;%20rm%20-rf%20~",
        u"http://www.example.org/osx/sealscribe?a=1&b=$(reboot)",
    };
    for (const auto* link : links) {
        launcher_ = std::make_shared<RecordingLauncher>();
        workspace_ = Workspace(launcher_);
        const auto url = URL::URLWithString(link);
        ASSERT_TRUE(url);
        EXPECT_TRUE(workspace_.openURL(*url));
        const auto expected =
            std::vector<Command>{{"xdg-open", platform::toUtf8Lossy(url->absoluteString())}};
        EXPECT_EQ(onlyRequest(), expected);
    }
}

TEST_F(WorkspaceRequests, NoURLAsksNothing) {
    EXPECT_FALSE(workspace_.openURL(URL::URLWithString(u"")));
    EXPECT_TRUE(launcher_->requests().empty());
}

TEST_F(WorkspaceRequests, FileKeepsSpacesAndSemicolonsInOneArgument) {
    EXPECT_TRUE(workspace_.openFile(u"/tmp/My Notes; rm -rf ~.sealscribe"));
    EXPECT_EQ(onlyRequest(),
              (std::vector<Command>{{"xdg-open", "/tmp/My Notes; rm -rf ~.sealscribe"}}));
}

TEST_F(WorkspaceRequests, RelativeFileIsTakenFromTheCurrentDirectory) {
    char directory[4096];
    ASSERT_NE(getcwd(directory, sizeof directory), nullptr);
    EXPECT_TRUE(workspace_.openFile(u"notes.sealscribe"));
    const std::string expected =
        std::string(directory) + (std::string(directory) == "/" ? "" : "/") + "notes.sealscribe";
    EXPECT_EQ(onlyRequest(), (std::vector<Command>{{"xdg-open", expected}}));
}

TEST_F(WorkspaceRequests, PathsWithoutPosixFormAskNothing) {
    const platform::String loneSurrogate = u"/tmp/\xD800.sealscribe";
    EXPECT_FALSE(workspace_.openFile(loneSurrogate));
    EXPECT_FALSE(workspace_.openFile(u""));
    EXPECT_FALSE(workspace_.selectFile(loneSurrogate, u""));
    EXPECT_FALSE(workspace_.selectFile(u"", u""));
    EXPECT_TRUE(launcher_->requests().empty());
}

TEST_F(WorkspaceRequests, SelectFileOpensTheFolderThatHoldsIt) {
    EXPECT_TRUE(workspace_.selectFile(u"/home/u/Dr. O'Neil, notes/a b.sealscribe", u""));
    EXPECT_EQ(onlyRequest(), (std::vector<Command>{{"xdg-open", "/home/u/Dr. O'Neil, notes"}}));
}

TEST_F(WorkspaceRequests, SelectingAFolderOpensItsParent) {
    EXPECT_TRUE(workspace_.selectFile(u"/home/u/Documents/", u""));
    EXPECT_EQ(onlyRequest().back(), (Command{"xdg-open", "/home/u"}));
}

// What a desktop backend is handed: absolute paths, and only requests that can be made.
class RecordingDesktop : public platform::DesktopServices {
public:
    void openURL(const URL& url) override { requests.push_back(u"url " + url.absoluteString()); }
    void openFile(const platform::String& path) override { requests.push_back(u"file " + path); }
    void revealFile(const platform::String& path) override {
        requests.push_back(u"reveal " + path);
    }

    std::vector<platform::String> requests;
};

TEST(WorkspaceDesktop, TheDesktopServicesGetTheRequestsThatCanBeMade) {
    char directory[4096];
    ASSERT_NE(getcwd(directory, sizeof directory), nullptr);
    const auto cwd = *platform::fromUtf8(std::string(directory) == "/" ? "" : directory);
    const auto desktop = std::make_shared<RecordingDesktop>();
    Workspace workspace(desktop);
    EXPECT_TRUE(workspace.openURL(URL::URLWithString(u"https://www.example.org/a?b=1")));
    EXPECT_TRUE(workspace.openFile(u"notes.sealscribe"));
    EXPECT_TRUE(workspace.selectFile(u"/home/u/a b.sealscribe", u"/"));
    EXPECT_FALSE(workspace.openURL(URL::URLWithString(u"")));
    EXPECT_FALSE(workspace.openFile(u"/tmp/\xD800"));
    EXPECT_FALSE(workspace.selectFile(u"", u""));
    EXPECT_EQ(desktop->requests,
              (std::vector<platform::String>{u"url https://www.example.org/a?b=1",
                                             u"file " + cwd + u"/notes.sealscribe",
                                             u"reveal /home/u/a b.sealscribe"}));
}

TEST(SharedWorkspace, TestsCanReplaceItAndBringTheDefaultBack) {
    platform::SystemEnvironment environment;
    const auto original = Workspace::sharedWorkspace();
    EXPECT_EQ(Workspace::sharedWorkspace(), original);

    auto launcher = std::make_shared<RecordingLauncher>();
    auto replacement = std::make_shared<Workspace>(launcher);
    Workspace::setSharedWorkspace(replacement);
    EXPECT_TRUE(Workspace::sharedWorkspace()->openFile(u"/tmp/x"));
    EXPECT_EQ(launcher->requests().size(), 1u);

    Workspace::setSharedWorkspace(nullptr);
    EXPECT_NE(Workspace::sharedWorkspace(), replacement);
}

} // namespace
