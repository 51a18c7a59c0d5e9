#include "platform/system/ProcessLauncher.h"

#include "support/ScratchFolder.h"

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <future>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using platform::Launcher;
using platform::ProcessLauncher;
namespace fs = std::filesystem;

namespace {

class ProcessLaunches : public testing::Test {
protected:
    // The index of the command that succeeded, once the launcher has finished.
    std::optional<std::size_t> run(std::vector<Launcher::Command> alternatives,
                                   const std::function<void()>& whileRunning = {}) {
        auto promise = std::make_shared<std::promise<std::optional<std::size_t>>>();
        auto outcome = promise->get_future();
        ProcessLauncher launcher([promise](auto succeeded) { promise->set_value(succeeded); });
        launcher.launch(std::move(alternatives));
        if (whileRunning)
            whileRunning();
        // A guard against a hang, not a measure of speed.
        EXPECT_EQ(outcome.wait_for(std::chrono::seconds(60)), std::future_status::ready);
        return outcome.get();
    }

    std::vector<std::string> filesMade() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_))
            names.push_back(entry.path().filename().string());
        return names;
    }

    testsupport::ScratchFolder scratch_;
    const fs::path& folder_ = scratch_.path();
};

TEST_F(ProcessLaunches, AnArgumentReachesTheProgramWithoutAShell) {
    const std::string name = "a b; touch injected $(id) `id` '\"";
    EXPECT_EQ(run({{"touch", (folder_ / name).string()}}), 0u);
    EXPECT_EQ(filesMade(), std::vector<std::string>{name});
}

TEST_F(ProcessLaunches, FallsBackUntilACommandSucceeds) {
    const auto made = (folder_ / "made").string();
    EXPECT_EQ(run({{"false"}, {"/nonexistent/program"}, {}, {"touch", made}, {"false"}}), 3u);
    EXPECT_TRUE(fs::exists(made));
}

TEST_F(ProcessLaunches, NoneWhenEveryCommandFails) {
    EXPECT_EQ(run({{"false"}, {"no-such-program-on-path"}}), std::nullopt);
    EXPECT_EQ(run({}), std::nullopt);
}

TEST_F(ProcessLaunches, ReturnsBeforeTheProgramEnds) {
    // cat blocks on the pipe until the test, running on after launch, writes to it.
    const auto fifo = (folder_ / "fifo").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const auto outcome = run({{"cat", fifo}}, [&] {
        const int fd = open(fifo.c_str(), O_WRONLY);
        ASSERT_GE(fd, 0);
        EXPECT_EQ(write(fd, "x", 1), 1);
        close(fd);
    });
    EXPECT_EQ(outcome, 0u);
}

TEST_F(ProcessLaunches, OpenDescriptorsStayWithTheProgram) {
    const auto secret = (folder_ / "document").string();
    const int fd = open(secret.c_str(), O_CREAT | O_WRONLY, 0600);
    ASSERT_GE(fd, 3);
    // The child sees its standard streams only: fd 3 and above are closed.
    const auto probe = "/proc/self/fd/" + std::to_string(fd);
    EXPECT_EQ(run({{"test", "-e", "/proc/self/fd/2"}}), 0u);
    EXPECT_EQ(run({{"test", "-e", probe}}), std::nullopt);
    close(fd);
}

} // namespace
