#pragma once

namespace platform {

// The version of the platform whose features this layer offers, for the program's
// run-time tests of the system version: every feature that the program asks for by
// version (the dark appearance's adaptive colour mapping of 10.14) is here.
class SystemVersion {
public:
    static constexpr int majorVersion = 10;
    static constexpr int minorVersion = 14;

    [[nodiscard]] static constexpr bool isAtLeast(int major, int minor) {
        return major < majorVersion || (major == majorVersion && minor <= minorVersion);
    }
};

} // namespace platform
