#pragma once

#include "platform/base/Data.h"
#include "platform/base/Result.h"
#include "platform/base/URL.h"

#include <atomic>
#include <chrono>
#include <cstddef>
#include <memory>

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
        // Once it holds true, a transfer that has not ended fails within about a second,
        // and none starts.
        std::shared_ptr<const std::atomic<bool>> stop;
    };

    URLLoader();
    explicit URLLoader(Options options);

    // A redirect may lead to http: and https: only. A status other than 2xx fails. The
    // error's message begins with the URL.
    [[nodiscard]] Result<Data> load(const URL& url) const;

private:
    [[nodiscard]] Result<Data> loadFile(const URL& url) const;
    [[nodiscard]] Result<Data> loadHTTP(const URL& url) const;

    Options options_;
};

} // namespace platform
