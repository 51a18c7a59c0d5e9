// Archiving and unarchiving a dictionary that holds a 10 MiB body, as a document file
// does, and the unarchiver's peak memory as a multiple of its input.
#include "platform/base/KeyedArchiver.h"
#include "platform/base/KeyedUnarchiver.h"

#include <atomic>
#include <benchmark/benchmark.h>
#include <cerrno>
#include <cstddef>
#include <malloc.h>

// libplist allocates with malloc, so the count stands in for malloc itself (operator new
// comes through it too), and glibc's own allocator does the work.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* pointer, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
void __libc_free(void* pointer);
}

namespace {

std::atomic<std::size_t> allocated{0};
std::atomic<std::size_t> peak{0};

void* counted(void* pointer) {
    if (pointer) {
        const auto now = allocated += malloc_usable_size(pointer);
        auto highest = peak.load();
        while (now > highest && !peak.compare_exchange_weak(highest, now)) {
        }
    }
    return pointer;
}

void uncount(void* pointer) {
    if (pointer)
        allocated -= malloc_usable_size(pointer);
}

} // namespace

extern "C" {
void* malloc(std::size_t size) {
    return counted(__libc_malloc(size));
}
void* calloc(std::size_t count, std::size_t size) {
    return counted(__libc_calloc(count, size));
}
void* realloc(void* pointer, std::size_t size) {
    const std::size_t before = pointer ? malloc_usable_size(pointer) : 0;
    void* moved = __libc_realloc(pointer, size);
    if (moved || size == 0)
        allocated -= before;
    return moved ? counted(moved) : nullptr;
}
void* memalign(std::size_t alignment, std::size_t size) {
    return counted(__libc_memalign(alignment, size));
}
void* aligned_alloc(std::size_t alignment, std::size_t size) {
    return memalign(alignment, size);
}
int posix_memalign(void** result, std::size_t alignment, std::size_t size) {
    void* pointer = memalign(alignment, size);
    if (!pointer)
        return ENOMEM;
    *result = pointer;
    return 0;
}
void free(void* pointer) {
    uncount(pointer);
    __libc_free(pointer);
}
}

namespace {

using namespace platform;

constexpr std::size_t bodySize = 10 * 1024 * 1024;

Value document() {
    Data body(bodySize);
    for (std::size_t i = 0; i < body.size(); ++i)
        body[i] = static_cast<std::uint8_t>(i * 131 + (i >> 9));
    return Dictionary{
        {u"appversion", Number::uint64(20400)},
        {u"textData", std::move(body)},
        {u"salt", Data(8, 1)},
        {u"IV", Data(16, 2)},
        {u"windowRecX", Number::float64(120.0)},
    };
}

void archiveTenMiB(benchmark::State& state) {
    const Value root = document();
    for (auto _ : state) {
        auto data = KeyedArchiver::archivedDataWithRootObject(root);
        benchmark::DoNotOptimize(data);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bodySize));
}

void unarchiveTenMiB(benchmark::State& state) {
    const Data data = *KeyedArchiver::archivedDataWithRootObject(document());
    std::size_t highest = 0;
    for (auto _ : state) {
        const std::size_t before = allocated.load();
        peak.store(before);
        Value value = KeyedUnarchiver::unarchiveObjectWithData(data);
        highest = std::max(highest, peak.load() - before);
        benchmark::DoNotOptimize(value);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bodySize));
    state.counters["peak_MiB"] = static_cast<double>(highest) / (1024.0 * 1024.0);
    state.counters["peak_per_input"] =
        static_cast<double>(highest) / static_cast<double>(data.size());
}

} // namespace

BENCHMARK(archiveTenMiB)->Unit(benchmark::kMillisecond);
BENCHMARK(unarchiveTenMiB)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
