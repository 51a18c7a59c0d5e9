#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

namespace platform {

class SecurityEnvironment;

// Test seam: while an override lives, secureRandomBytes draws from its source instead of
// the system's, so a test can make the source fail. Overrides nest, within the environment
// current when they are made (SecurityEnvironment); ending one restores the source that was
// active before it. Main thread only.
class SecureRandomOverride {
public:
    // Fills the bytes and returns cryptoStatus::success, or returns a non-zero status.
    using Source = std::function<std::int32_t(std::uint8_t* bytes, std::size_t count)>;

    explicit SecureRandomOverride(Source source);
    ~SecureRandomOverride();
    SecureRandomOverride(const SecureRandomOverride&) = delete;
    SecureRandomOverride& operator=(const SecureRandomOverride&) = delete;

    // The source of the innermost live override, or null.
    [[nodiscard]] static const Source* active();

private:
    Source source_;
    SecurityEnvironment& environment_;
    const SecureRandomOverride* previous_;
};

} // namespace platform
