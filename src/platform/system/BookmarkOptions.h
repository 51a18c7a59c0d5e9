#pragma once

#include <cstdint>

namespace platform {

// The option bits of making and resolving bookmark data, with the platform's values.
struct BookmarkOptions {
    // Making: the resolved URL grants access, reading and writing...
    static constexpr std::uint64_t creationWithSecurityScope = 0x800;
    // ...or reading only.
    static constexpr std::uint64_t creationSecurityScopeAllowOnlyReadAccess = 0x1000;
    // Resolving: the URL carries the access that the bookmark grants.
    static constexpr std::uint64_t resolutionWithSecurityScope = 0x400;
};

} // namespace platform
