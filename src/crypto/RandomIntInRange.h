#pragma once

#include <cstdint>

// A non-secret random integer from min to max inclusive, from the C library's random().
// The generator is seeded once per process, on the first call, from the current time.
// A range wider than 2^31 values yields only its lowest 2^31 values; with max < min the
// result is min.
[[nodiscard]] std::int64_t RandomIntInRange(std::int64_t min, std::int64_t max);
