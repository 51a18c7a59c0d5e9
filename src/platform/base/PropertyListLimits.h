#pragma once

#include <cstddef>

namespace platform {

// What our property lists and keyed archives may hold. libplist walks its trees by
// recursion and keeps about a hundred bytes per element, so its input is held to these
// bounds before it sees it, and we write nothing that we could not read back.
struct PropertyListLimits {
    // libplist counts bytes in 32 bits; our largest files are documents of some megabytes.
    static constexpr std::size_t maximumBytes = std::size_t{1} << 30;
    static constexpr std::size_t maximumDepth = 512;
    // Elements as libplist's tree holds them: an object referenced twice counts twice.
    static constexpr std::size_t maximumElements = std::size_t{1} << 20;
};

} // namespace platform
