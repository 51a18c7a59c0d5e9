#pragma once

namespace platform {

struct Size {
    double width = 0;
    double height = 0;

    bool operator==(const Size&) const = default;
};

} // namespace platform
