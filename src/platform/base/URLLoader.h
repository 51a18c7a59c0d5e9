#pragma once

#include "platform/base/Data.h"
#include "platform/base/URL.h"

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>

namespace platform {

// Reads the whole resource at a file:, http: or https: URL. What comes back is outside
// data, so every read is bounded in time and in size. Blocking: it belongs on a
// background queue. One loader may serve several threads at once.
class URLLoader {
public:
    struct Options {
        // For connecting, and again for the whole transfer.
        std::chrono::milliseconds timeout{30'000};
        std::size_t maximumLength = 16 * 1024 * 1024;
        long maximumRedirects = 5;
    };

    struct Result {
        std::optional<Data> data;
        std::string reason; // why there is no data, for the log
    };

    URLLoader();
    explicit URLLoader(Options options);

    // A redirect may lead to http: and https: only. A status other than 2xx fails.
    [[nodiscard]] Result load(const URL& url) const;

private:
    [[nodiscard]] Result loadFile(const URL& url) const;
    [[nodiscard]] Result loadHTTP(const URL& url) const;

    Options options_;
};

} // namespace platform
