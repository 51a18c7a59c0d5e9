#pragma once

#include "platform/base/String.h"
#include "platform/base/URL.h"
#include "platform/base/Value.h"

#include <cstdint>
#include <optional>

// What the checker reads from an update list. The list comes over plain HTTP, where anyone
// on the path may have written it, so nothing of it is taken on trust.
class UpdateList {
public:
    static constexpr const char16_t* latestReleaseKey = u"LRA";
    static constexpr const char16_t* updateDownloadKey = u"GFU";
    static constexpr const char16_t* downloadPageKey = u"DPU";

    // "LRA" as a signed 64-bit integer. None when it is absent or no integer: a string, a
    // real, a boolean, an unsigned value beyond the signed range.
    [[nodiscard]] static std::optional<std::int64_t>
    latestRelease(const platform::Dictionary& list);

    // The key's string when it is an absolute http: or https: address with a host; none for
    // anything else (a local file, a script, another scheme, no string at all).
    [[nodiscard]] static std::optional<platform::URL> webAddress(const platform::Dictionary& list,
                                                                 const platform::String& key);
};
