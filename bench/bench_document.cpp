// The document's main road with a large body: open (read the file and unarchive it), unlock
// (five key derivations and four decryptions) and save (a fresh salt, IV and check, the
// encryptions, the archive, and the safe write beside the file with its flush and rename);
// the lock (a fresh salt, IV and check and the encryptions, no RTF written); and the
// plain-text conversion of a styled body with the read of the body that follows it.
// The document has no window, so the body's text view does not take part. A small body
// shows the cost of the key derivations alone.
#include "document/BodyRestyling.h"
#include "document/MyDocument.h"
#include "platform/base/ManualRunLoop.h"
#include "platform/base/ScopedMainRunLoop.h"
#include "platform/ui/TextStorage.h"
#include "platform/ui/TextView.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <unistd.h>

using platform::Data;

namespace {

const platform::String password = u"correct horse battery staple";

Data body(std::size_t length) {
    std::string text = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Helvetica;}}\\f0 ";
    while (text.size() + 1 < length)
        text += "The quick brown fox jumps over the lazy dog. ";
    text.resize(length - 1);
    text += "}";
    return platform::dataFromBytes(text);
}

std::shared_ptr<MyDocument> unlockedDocument(std::size_t length) {
    auto document = std::make_shared<MyDocument>();
    document->setPlainPassword(password);
    document->setMyTextViewData(body(length));
    return document;
}

Data savedFile(std::size_t length) {
    std::optional<platform::String> error;
    return unlockedDocument(length)->dataOfType(u"sealscribe", error).value_or(Data());
}

// A run loop for the document machinery, and a file of its own.
struct Fixture {
    Fixture() {
        std::string pattern = std::filesystem::temp_directory_path() / "bench-document-XXXXXX";
        folder = ::mkdtemp(pattern.data()) ? std::filesystem::path(pattern)
                                           : std::filesystem::temp_directory_path();
        path = folder / "bench.sealscribe";
        url = *platform::URL::fileURLWithPath(*platform::fromUtf8(path.string()));
    }
    ~Fixture() { std::filesystem::remove_all(folder); }

    void write(const Data& file) const {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(file.data()),
                   static_cast<std::streamsize>(file.size()));
    }

    std::shared_ptr<MyDocument> open() const {
        auto document = std::make_shared<MyDocument>();
        std::optional<platform::String> error;
        if (!document->readFromURL(url, u"sealscribe", error))
            return nullptr;
        return document;
    }

    platform::ManualRunLoop loop;
    platform::ScopedMainRunLoop installed{loop};
    std::filesystem::path folder;
    std::filesystem::path path;
    platform::URL url = *platform::URL::URLWithString(u"file:///");
};

void setBytes(benchmark::State& state) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

void BM_Save(benchmark::State& state) {
    const Fixture fixture;
    const auto document = unlockedDocument(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        bool saved = false;
        document->saveToURL(fixture.url, u"sealscribe", platform::SaveOperationType::SaveAs,
                            [&saved](const platform::Result<>& done) { saved = done.has_value(); });
        if (!saved)
            state.SkipWithError("the save failed");
    }
    setBytes(state);
}

void BM_Open(benchmark::State& state) {
    const Fixture fixture;
    fixture.write(savedFile(static_cast<std::size_t>(state.range(0))));
    for (auto _ : state) {
        auto document = fixture.open();
        if (!document)
            state.SkipWithError("the read failed");
        benchmark::DoNotOptimize(document);
    }
    setBytes(state);
}

void BM_Unlock(benchmark::State& state) {
    const Fixture fixture;
    fixture.write(savedFile(static_cast<std::size_t>(state.range(0))));
    for (auto _ : state) {
        state.PauseTiming();
        const auto document = fixture.open();
        document->setPlainPasswordInserted(password);
        state.ResumeTiming();
        document->submitPasswordToDecrypt(nullptr);
        if (!document->isDecrypted())
            state.SkipWithError("the unlock failed");
    }
    setBytes(state);
}

void BM_Lock(benchmark::State& state) {
    const Fixture fixture;
    const auto document = unlockedDocument(static_cast<std::size_t>(state.range(0)));
    document->setFileURL(fixture.url);
    for (auto _ : state) {
        document->doLockDocument();
        if (document->isDecrypted())
            state.SkipWithError("the lock failed");
        state.PauseTiming();
        document->setIsEncrypted(platform::Number::boolean(false));
        state.ResumeTiming();
    }
    setBytes(state);
}

// About 1,060 runs per 100 KiB, alternating bold and coloured, as a styled body has.
Data styledBody(std::size_t length) {
    std::string text = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Helvetica;}{\\f1 Times;}}"
                       "{\\colortbl;\\red200\\green0\\blue0;}\\f0 ";
    const std::string runs[] = {"{\\b Bold words of a run that carries on. }",
                                "{\\cf1\\f1 Coloured words in another font here. }",
                                "Plain words between the styled runs, of a usual length.\\par "};
    for (std::size_t i = 0; text.size() + 64 < length; ++i)
        text += runs[i % 3];
    text += "}";
    return platform::dataFromBytes(text);
}

void BM_PlainTextConversion(benchmark::State& state) {
    const Data source = styledBody(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        platform::TextView text;
        if (!text.replaceCharactersInRangeWithRTF({0, 0}, source))
            state.SkipWithError("the body was not read");
        state.ResumeTiming();
        BodyRestyling::restyle(text);
        benchmark::DoNotOptimize(text.RTFFromRange({0, text.textStorage()->length()}));
    }
    setBytes(state);
}

constexpr std::int64_t small = 1 << 10;
constexpr std::int64_t large = 10 << 20;

BENCHMARK(BM_Open)->Arg(small)->Arg(large)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Unlock)->Arg(small)->Arg(large)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->Arg(small)->Arg(large)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Lock)->Arg(small)->Arg(large)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainTextConversion)->Arg(100 << 10)->Arg(large)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
