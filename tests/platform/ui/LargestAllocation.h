#pragma once

#include <cstddef>

namespace uitest {

// While one lives, operator new records the largest block asked of it and refuses, with
// std::bad_alloc, any block above the ceiling: code that allocates for a size it was only
// told about fails its test instead of exhausting the machine. One at a time.
class LargestAllocation {
public:
    explicit LargestAllocation(std::size_t ceiling);
    LargestAllocation(const LargestAllocation&) = delete;
    LargestAllocation& operator=(const LargestAllocation&) = delete;
    ~LargestAllocation();

    [[nodiscard]] std::size_t bytes() const;
};

} // namespace uitest
