#include "platform/security/OutputBuffer.h"

#include <cstdint>
#include <sys/mman.h>

namespace platform {
namespace {

constexpr std::size_t hugePage = std::size_t{2} << 20;
constexpr std::size_t adviseFrom = 2 * hugePage;

// Only advice: where the system declines, the buffer works the same with small pages.
void adviseHugePages(void* start, std::size_t length) {
    const auto first = reinterpret_cast<std::uintptr_t>(start);
    const std::uintptr_t begin = (first + hugePage - 1) & ~(hugePage - 1);
    const std::uintptr_t end = (first + length) & ~(hugePage - 1);
    if (end > begin)
        // madvise takes page-aligned addresses, computed as integers.
        static_cast<void>(
            madvise(reinterpret_cast<void*>(begin), // NOLINT(performance-no-int-to-ptr)
                    end - begin, MADV_HUGEPAGE));
}

} // namespace

Data zeroedOutputBuffer(std::size_t length) {
    Data buffer;
    buffer.reserve(length);
    if (length >= adviseFrom)
        adviseHugePages(buffer.data(), length);
    buffer.resize(length);
    return buffer;
}

} // namespace platform
