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

TEST_F(WorkspaceRequests, SelectFileAsksTheFileManagerThenOpensTheFolder) {
    EXPECT_TRUE(workspace_.selectFile(u"/home/u/Dr. O'Neil, notes/a b.sealscribe", u""));
    const auto uri = platform::toUtf8Lossy(
        URL::fileURLWithPath(u"/home/u/Dr. O'Neil, notes/a b.sealscribe")->absoluteString());
    ASSERT_EQ(uri.find(' '), std::string::npos);

    std::string gvariant = "['";
    std::string commaFree;
    for (const char c : uri) {
        if (c == '\'')
            gvariant += '\\';
        gvariant += c;
        commaFree += c == ',' ? std::string("%2C") : std::string(1, c);
    }
    gvariant += "']";

    const std::vector<Command> expected = {
        {"gdbus", "call", "--session", "--dest", "org.freedesktop.FileManager1", "--object-path",
         "/org/freedesktop/FileManager1", "--method", "org.freedesktop.FileManager1.ShowItems",
         gvariant, "''"},
        {"dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.FileManager1",
         "/org/freedesktop/FileManager1", "org.freedesktop.FileManager1.ShowItems",
         "array:string:" + commaFree, "string:"},
        {"xdg-open", "/home/u/Dr. O'Neil, notes"},
    };
    EXPECT_EQ(onlyRequest(), expected);
}

TEST_F(WorkspaceRequests, SelectingAFolderOpensItsParent) {
    EXPECT_TRUE(workspace_.selectFile(u"/home/u/Documents/", u""));
    EXPECT_EQ(onlyRequest().back(), (Command{"xdg-open", "/home/u"}));
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
