#pragma once

#include <algorithm>
#include <mutex>
#include <vector>

namespace platform {

// What makes one layer's part of the program's environment current (see Environment in
// platform/ui, which builds a part for each layer below it): the innermost one built that
// still lives, else the layer's default, made on first use and kept for the program's
// life, which serves code that runs outside any environment. Parts are built and ended
// on the main thread; current() may be asked from any thread.
template <typename Part> class EnvironmentPart {
public:
    EnvironmentPart(const EnvironmentPart&) = delete;
    EnvironmentPart& operator=(const EnvironmentPart&) = delete;

    [[nodiscard]] static Part& current() {
        if (Part* innermost = innermostBuilt())
            return *innermost;
        static Part fallback{Fallback{}};
        return fallback;
    }

protected:
    // The tag of the default's constructor: the default is never current by being built.
    struct Fallback {};

    EnvironmentPart() {
        const std::lock_guard lock(mutex_);
        built_.push_back(this);
    }
    explicit EnvironmentPart(Fallback) {}
    ~EnvironmentPart() {
        const std::lock_guard lock(mutex_);
        std::erase(built_, this);
    }

private:
    static Part* innermostBuilt() {
        const std::lock_guard lock(mutex_);
        return built_.empty() ? nullptr : static_cast<Part*>(built_.back());
    }

    static inline std::mutex mutex_;
    static inline std::vector<EnvironmentPart*> built_;
};

} // namespace platform
