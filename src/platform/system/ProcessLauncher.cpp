#include "platform/system/ProcessLauncher.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace platform {
namespace {

class SpawnSettings {
public:
    SpawnSettings() {
        posix_spawn_file_actions_init(&actions_);
        for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO})
            posix_spawn_file_actions_addopen(&actions_, fd, "/dev/null", O_RDWR, 0);
        // The program's own descriptors (an open document) are not the launched program's.
        posix_spawn_file_actions_addclosefrom_np(&actions_, STDERR_FILENO + 1);

        posix_spawnattr_init(&attributes_);
        sigset_t none;
        sigemptyset(&none);
        sigset_t defaults;
        sigfillset(&defaults);
        posix_spawnattr_setsigmask(&attributes_, &none);
        posix_spawnattr_setsigdefault(&attributes_, &defaults);
        posix_spawnattr_setflags(&attributes_,
                                 static_cast<short>(POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF |
                                                    POSIX_SPAWN_SETSID));
    }
    ~SpawnSettings() {
        posix_spawnattr_destroy(&attributes_);
        posix_spawn_file_actions_destroy(&actions_);
    }
    SpawnSettings(const SpawnSettings&) = delete;
    SpawnSettings& operator=(const SpawnSettings&) = delete;

    const posix_spawn_file_actions_t* actions() const { return &actions_; }
    const posix_spawnattr_t* attributes() const { return &attributes_; }

private:
    posix_spawn_file_actions_t actions_;
    posix_spawnattr_t attributes_;
};

bool runToSuccess(const Launcher::Command& command) {
    if (command.empty())
        return false;
    std::vector<char*> argv;
    for (const auto& argument : command)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    const SpawnSettings settings;
    pid_t child = 0;
    if (posix_spawnp(&child, argv[0], settings.actions(), settings.attributes(), argv.data(),
                     environ) != 0)
        return false;
    int status = 0;
    while (waitpid(child, &status, 0) < 0)
        if (errno != EINTR)
            return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void reportFailure(const std::vector<Launcher::Command>& alternatives) {
    if (alternatives.empty() || alternatives.back().empty())
        return;
    std::fprintf(stderr, "Sealscribe: could not run %s\n", alternatives.back().front().c_str());
}

} // namespace

ProcessLauncher::ProcessLauncher(Finished finished) : finished_(std::move(finished)) {}

void ProcessLauncher::launch(std::vector<Command> alternatives) {
    // A browser started by xdg-open may keep it waiting until the browser ends.
    std::thread([alternatives = std::move(alternatives), finished = finished_] {
        std::optional<std::size_t> succeeded;
        for (std::size_t index = 0; index < alternatives.size() && !succeeded; ++index)
            if (runToSuccess(alternatives[index]))
                succeeded = index;
        if (!succeeded)
            reportFailure(alternatives);
        if (finished)
            finished(succeeded);
    }).detach();
}

} // namespace platform
