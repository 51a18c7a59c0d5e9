#include "DocumentTest.h"
#include "platform/base/FileWriter.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <utility>

using documenttest::DocumentTest;
using documenttest::readFile;
using platform::Data;
using platform::String;

namespace {

// An RTF body of a few MiB, its lines marked.
Data largeBody(const std::string& mark) {
    std::string text = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Helvetica;}}\\f0 ";
    const std::string line = mark + ": the quick brown fox jumps over the lazy dog.\\par\n";
    while (text.size() < 3 * 1024 * 1024)
        text += line;
    return platform::dataFromBytes(text + "}");
}

// The names in the folder, but for the settings store's own folder.
std::vector<std::string> namesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().filename() != "Sealscribe")
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// A child process that saves the two files' bytes in turn to the path, the second first,
// until it is killed. It says on a pipe when it begins, so that the kill is timed from
// its first save.
class SavingChild {
public:
    SavingChild(const std::filesystem::path& path, const Data& first, const Data& second) {
        int ends[2];
        if (::pipe2(ends, O_CLOEXEC) != 0)
            return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(ends[0]);
            const char began = 1;
            if (::write(ends[1], &began, 1) != 1)
                ::_exit(1);
            const auto target = platform::fromUtf8(path.string()).value();
            platform::FileWriter writer;
            for (int round = 0; round < 1000; ++round)
                (void)writer.writeData(round % 2 ? first : second, target);
            ::_exit(0);
        }
        ::close(ends[1]);
        char began = 0;
        began_ = pid_ > 0 && ::read(ends[0], &began, 1) == 1;
        ::close(ends[0]);
    }
    ~SavingChild() { (void)kill(); }
    SavingChild(const SavingChild&) = delete;
    SavingChild& operator=(const SavingChild&) = delete;

    [[nodiscard]] bool began() const { return began_; }

    // Whether the child was still saving when it was killed.
    [[nodiscard]] bool kill() {
        if (pid_ <= 0)
            return false;
        ::kill(pid_, SIGKILL);
        int status = 0;
        const bool waited = ::waitpid(pid_, &status, 0) == pid_;
        pid_ = -1;
        return waited && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    }

private:
    pid_t pid_ = -1;
    bool began_ = false;
};

class KilledSave : public DocumentTest {
protected:
    // The body the saved file opens and unlocks to. Without a window: the body's view
    // would read a few MiB of RTF each time.
    std::optional<Data> reopenedBody() {
        const auto document = std::make_shared<MyDocument>();
        std::optional<String> error;
        if (!document->readFromURL(urlOf("notes.sealscribe"), u"sealscribe", error))
            return std::nullopt;
        document->setPlainPasswordInserted(u"orchid");
        document->submitPasswordToDecrypt(nullptr);
        loop.runUntilIdle();
        return document->isDecrypted() ? document->myTextViewData() : std::nullopt;
    }
};

// A save killed at any moment leaves the old or the new file, whole, and at most a
// temporary name that the next save removes.
TEST_F(KilledSave, LeavesTheOldOrTheNewFileAndNothingAfterTheNextSave) {
    const auto oldBody = largeBody("old");
    const auto newBody = largeBody("new");
    const auto expected = std::vector<std::string>{"notes.sealscribe"};
    ASSERT_TRUE(namesIn(folder).empty());
    const auto document = std::make_shared<MyDocument>();
    document->setPlainPassword(u"orchid");
    document->setMyTextViewData(oldBody);
    bool saved = false;
    document->saveToURL(urlOf("notes.sealscribe"), u"sealscribe",
                        platform::SaveOperationType::SaveAs,
                        [&saved](const platform::Result<>& done) { saved = done.has_value(); });
    ASSERT_TRUE(saved);
    const auto oldFile = readFile(folder / "notes.sealscribe");
    document->setMyTextViewData(newBody);
    std::optional<String> error;
    const auto newFile = document->dataOfType(u"sealscribe", error);
    ASSERT_TRUE(newFile);

    // Microseconds from the child's start: early in its first save, through the later
    // steps of one, and into the saves that follow.
    bool openedOld = false;
    bool openedNew = false;
    for (const int delay : {0, 200, 800, 2000, 4000, 7000, 11000, 16000, 23000, 32000}) {
        SCOPED_TRACE(delay);
        SavingChild child(folder / "notes.sealscribe", oldFile, *newFile);
        ASSERT_TRUE(child.began());
        const auto until = std::chrono::steady_clock::now() + std::chrono::microseconds(delay);
        while (std::chrono::steady_clock::now() < until) {
        }
        ASSERT_TRUE(child.kill());

        const auto file = readFile(folder / "notes.sealscribe");
        ASSERT_TRUE(file == oldFile || file == *newFile);
        // The same bytes unlock the same way: each file is opened once.
        if (!std::exchange(file == oldFile ? openedOld : openedNew, true)) {
            EXPECT_EQ(reopenedBody(), file == oldFile ? oldBody : newBody);
        }
        for (const auto& name : namesIn(folder)) {
            if (name != "notes.sealscribe") {
                EXPECT_TRUE(name.starts_with(".notes.sealscribe.saving-")) << name;
            }
        }
    }

    const auto reopened = open("notes.sealscribe");
    unlock(reopened, u"orchid");
    EXPECT_TRUE(reopened->isDecrypted());
    save(reopened);
    EXPECT_EQ(namesIn(folder), expected);
}

} // namespace
