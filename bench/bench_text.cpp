// RTF write and read of 10 MiB bodies: plain paragraphs, and 1,000 style runs per 100 KiB.
// Each reports its peak memory (counted allocations) as a multiple of the RTF body, and
// the reads are compared with unrtf's on the same file.
#include "platform/text/AttributedString.h"
#include "platform/text/RTFReader.h"
#include "platform/text/RTFWriter.h"

#include <atomic>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <malloc.h>
#include <new>
#include <string>
#include <unistd.h>

namespace {

std::atomic<std::size_t> allocated{0};
std::atomic<std::size_t> peak{0};

void* counted(void* pointer) {
    if (pointer == nullptr)
        throw std::bad_alloc();
    const std::size_t now = allocated += malloc_usable_size(pointer);
    std::size_t highest = peak.load();
    while (now > highest && !peak.compare_exchange_weak(highest, now)) {
    }
    return pointer;
}

void uncounted(void* pointer) {
    if (pointer != nullptr)
        allocated -= malloc_usable_size(pointer);
    std::free(pointer);
}

} // namespace

void* operator new(std::size_t size) {
    return counted(std::malloc(size));
}
void* operator new[](std::size_t size) {
    return counted(std::malloc(size));
}
void operator delete(void* pointer) noexcept {
    uncounted(pointer);
}
void operator delete[](void* pointer) noexcept {
    uncounted(pointer);
}
void operator delete(void* pointer, std::size_t) noexcept {
    uncounted(pointer);
}
void operator delete[](void* pointer, std::size_t) noexcept {
    uncounted(pointer);
}

namespace {

using namespace platform;

constexpr std::size_t bodySize = 10 * 1024 * 1024;

// Peak bytes allocated while `work` runs, beyond what was allocated before.
template <typename Work> std::size_t peakDuring(Work work) {
    const std::size_t before = allocated.load();
    peak = before;
    work();
    return peak.load() - before;
}

String paragraphText(std::size_t index) {
    static const char16_t* words[] = {u"lorem",       u"ipsum",      u"dolor", u"sit", u"amet",
                                      u"consectetur", u"adipiscing", u"elit",  u"sed", u"do"};
    String paragraph;
    for (std::size_t word = 0; paragraph.size() < 380; ++word)
        paragraph += String(words[(index + word * 7) % 10]) + u" ";
    paragraph += u"end.\n";
    return paragraph;
}

AttributedString plainBody() {
    AttributedString body;
    body.reserve(bodySize);
    const auto none = std::make_shared<const TextAttributes>();
    for (std::size_t index = 0; body.length() < bodySize - 1024; ++index)
        body.append(paragraphText(index), none);
    return body;
}

// A run every 80 characters, cycling through fonts, traits and colours: with the words
// that set each run, about 1,000 runs per 100 KiB of RTF, and 10 MiB of RTF in all.
AttributedString styledBody() {
    std::vector<std::shared_ptr<const TextAttributes>> styles;
    for (int i = 0; i < 8; ++i) {
        TextAttributes attributes;
        attributes.font = Font(i % 2 ? u"Times" : u"Helvetica", 10 + i, i % 3 == 0, i % 4 == 1);
        attributes.underline = i == 5;
        if (i % 3 == 1)
            attributes.foregroundColor = Color{static_cast<std::uint8_t>(i * 30), 0, 200};
        styles.push_back(std::make_shared<const TextAttributes>(attributes));
    }
    AttributedString body;
    body.reserve(bodySize);
    constexpr std::size_t runLength = 80;
    for (std::size_t index = 0; body.length() < bodySize * 4 / 5; ++index) {
        const String paragraph = paragraphText(index);
        for (std::size_t at = 0; at < paragraph.size(); at += runLength)
            body.append(std::u16string_view(paragraph).substr(at, runLength),
                        styles[(index * 5 + at / runLength) % styles.size()]);
    }
    return body;
}

const AttributedString& body(bool styled) {
    static const AttributedString plain = plainBody();
    static const AttributedString withStyles = styledBody();
    return styled ? withStyles : plain;
}

const Data& rtf(bool styled) {
    static const Data plain = RTFWriter::write(body(false));
    static const Data withStyles = RTFWriter::write(body(true));
    return styled ? withStyles : plain;
}

void report(benchmark::State& state, std::size_t peakBytes) {
    const Data& data = rtf(state.range(0) != 0);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * data.size()));
    state.counters["rtf_MiB"] = static_cast<double>(data.size()) / (1024.0 * 1024.0);
    state.counters["runs_per_100KiB"] = static_cast<double>(body(state.range(0) != 0).runCount()) /
                                        (static_cast<double>(data.size()) / (100.0 * 1024.0));
    state.counters["peak_x_body"] =
        static_cast<double>(peakBytes) / static_cast<double>(data.size());
}

void BM_WriteRTF(benchmark::State& state) {
    const AttributedString& text = body(state.range(0) != 0);
    (void)rtf(state.range(0) != 0);
    std::size_t peakBytes = 0;
    for (auto _ : state)
        peakBytes = peakDuring([&] { benchmark::DoNotOptimize(RTFWriter::write(text)); });
    report(state, peakBytes);
}

void BM_ReadRTF(benchmark::State& state) {
    const std::string_view data = bytesOf(rtf(state.range(0) != 0));
    (void)body(state.range(0) != 0);
    std::size_t peakBytes = 0;
    for (auto _ : state)
        peakBytes = peakDuring([&] { benchmark::DoNotOptimize(RTFReader::read(data)); });
    report(state, peakBytes);
}

double secondsOf(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// unrtf (its plain-text output, the least it does) on the same file, timed as a process;
// the counter is its time over ours.
void BM_UnrtfRead(benchmark::State& state) {
    const bool styled = state.range(0) != 0;
    const Data& data = rtf(styled);
    const std::string path = "/tmp/bench_text_" + std::to_string(getpid()) + ".rtf";
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(data.data()),
               static_cast<std::streamsize>(data.size()));
    const std::string command = "unrtf --text " + path + " > /dev/null 2>&1";
    double ours = 1e9;
    for (int i = 0; i < 5; ++i)
        ours = std::min(ours, secondsOf([&] { (void)RTFReader::read(bytesOf(data)); }));
    double theirs = 0;
    for (auto _ : state) {
        int status = 0;
        theirs = secondsOf([&] { status = std::system(command.c_str()); });
        state.SetIterationTime(theirs);
        if (status != 0)
            state.SkipWithError("unrtf did not run (tools/setup installs it)");
    }
    std::remove(path.c_str());
    state.counters["unrtf_over_ours"] = theirs / ours;
    state.counters["ours_ms"] = ours * 1000.0;
}

BENCHMARK(BM_WriteRTF)->ArgName("styled")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadRTF)->ArgName("styled")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UnrtfRead)
    ->ArgName("styled")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
