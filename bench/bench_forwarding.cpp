// A later start of the program handing its request to the running instance, until the
// start has exited with the instance's answer: a forwarded --unlock (each time a document
// not yet open, so it is read and unlocked), a --new-from-text of one letter (what the
// forwarding itself costs) and one of 10 MiB. Runs on a private session bus of its own (it
// starts itself again under dbus-run-session), offscreen unless told otherwise.
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

const fs::path& scratch() {
    static const fs::path folder = [] {
        std::string pattern = (fs::temp_directory_path() / "sealscribe-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        return fs::path(pattern);
    }();
    return folder;
}
constexpr int documents = 32;

// Runs the program with `input` as its standard input; answers its exit status.
int run(const std::vector<std::string>& arguments, const fs::path& input, bool wait = true,
        pid_t* started = nullptr) {
    std::vector<char*> argv;
    std::string program = SEALSCRIBE_PROGRAM;
    argv.push_back(program.data());
    std::vector<std::string> copies = arguments;
    for (auto& argument : copies)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, input.c_str(), O_RDONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return -1;
    if (started)
        *started = pid;
    if (!wait)
        return 0;
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class Instance {
public:
    Instance() {
        ::setenv("XDG_CONFIG_HOME", (scratch() / "config").c_str(), 1);
        std::ofstream(scratch() / "password") << "orchid\n";
        std::ofstream(scratch() / "empty");
        std::ofstream(scratch() / "letter") << "a";
        // Paragraphs of a few lines each, as a long document has them.
        std::ofstream text(scratch() / "text");
        std::string paragraph;
        for (int i = 0; i < 12; ++i)
            paragraph += "The quick brown fox jumps over the lazy dog. ";
        paragraph += "\n";
        for (std::size_t size = 0; size < (std::size_t{10} << 20); size += paragraph.size())
            text << paragraph;
        text.close();
        for (int i = 0; i < documents; ++i) {
            const std::string command = "/usr/bin/python3 '" SEALSCRIBE_DOCUMENT_WRITER
                                        "' write 20400 orchid '" SEALSCRIBE_DOCUMENT_BODY "' '" +
                                        path(i).string() + "'";
            if (std::system(command.c_str()) != 0)
                std::abort();
        }
        (void)run({}, scratch() / "empty", false, &pid_);
        // Until it answers on the bus.
        for (int i = 0; i < 600 && std::system("dbus-send --session --print-reply "
                                               "--dest=org.freedesktop.DBus /org/freedesktop/DBus "
                                               "org.freedesktop.DBus.GetNameOwner "
                                               "string:example.sealscribe.Sealscribe "
                                               ">/dev/null 2>&1") != 0;
             ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    ~Instance() {
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
        std::error_code ignored;
        fs::remove_all(scratch(), ignored);
    }
    Instance(const Instance&) = delete;
    Instance& operator=(const Instance&) = delete;

    static fs::path path(int i) {
        return scratch() / ("document" + std::to_string(i) + ".sealscribe");
    }

private:
    pid_t pid_ = 0;
};

Instance& instance() {
    static Instance running;
    return running;
}

void ForwardedUnlock(benchmark::State& state) {
    (void)instance();
    int next = 0;
    for (auto _ : state) {
        if (run({"--unlock", Instance::path(next++).string()}, scratch() / "password") != 0)
            state.SkipWithError("the unlock failed");
    }
}
BENCHMARK(ForwardedUnlock)->Iterations(documents)->Unit(benchmark::kMillisecond)->UseRealTime();

// What forwarding itself costs: the start, the bus and the new document of one letter.
void ForwardedLetter(benchmark::State& state) {
    (void)instance();
    for (auto _ : state) {
        if (run({"--new-from-text"}, scratch() / "letter") != 0)
            state.SkipWithError("the new document failed");
    }
}
BENCHMARK(ForwardedLetter)->Iterations(10)->Unit(benchmark::kMillisecond)->UseRealTime();

void ForwardedTenMebibytes(benchmark::State& state) {
    (void)instance();
    for (auto _ : state) {
        if (run({"--new-from-text"}, scratch() / "text") != 0)
            state.SkipWithError("the new document failed");
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(fs::file_size(scratch() / "text")));
}
BENCHMARK(ForwardedTenMebibytes)->Iterations(5)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("SEALSCRIBE_BENCH_BUS")) {
        ::setenv("SEALSCRIBE_BENCH_BUS", "1", 1);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
        ::setenv("SEALSCRIBE_UPDATE_URLS", "http://127.0.0.1:9/", 1);
        std::vector<char*> again{const_cast<char*>("dbus-run-session"), const_cast<char*>("--")};
        for (int i = 0; i < argc; ++i)
            again.push_back(argv[i]);
        again.push_back(nullptr);
        ::execvp(again[0], again.data());
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
