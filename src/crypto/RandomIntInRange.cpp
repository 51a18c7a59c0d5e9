#include "crypto/RandomIntInRange.h"

#include <cstdlib>
#include <ctime>

namespace {

bool seeded = false;

} // namespace

std::int64_t RandomIntInRange(std::int64_t min, std::int64_t max) {
    if (!seeded) {
        srandom(static_cast<unsigned int>(time(nullptr)));
        seeded = true;
    }
    const auto r = static_cast<std::uint64_t>(random());
    if (max < min)
        return min;
    // Unsigned, so that a span of the whole int64 range neither overflows nor divides by 0.
    const std::uint64_t span =
        static_cast<std::uint64_t>(max) - static_cast<std::uint64_t>(min) + 1;
    const std::uint64_t offset = span == 0 ? r : r % span;
    return static_cast<std::int64_t>(static_cast<std::uint64_t>(min) + offset);
}
