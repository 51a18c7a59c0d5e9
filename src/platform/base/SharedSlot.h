#pragma once

#include <memory>
#include <mutex>
#include <utility>

namespace platform {

// One shared object of an environment: the one given, or else one made on first use.
// Giving none makes the next use make a fresh one.
template <typename T> class SharedSlot {
public:
    template <typename Make> [[nodiscard]] std::shared_ptr<T> get(Make make) {
        const std::lock_guard lock(mutex_);
        if (!object_)
            object_ = make();
        return object_;
    }
    [[nodiscard]] std::shared_ptr<T> get() {
        return get([] { return std::make_shared<T>(); });
    }
    void set(std::shared_ptr<T> object) {
        const std::lock_guard lock(mutex_);
        object_ = std::move(object);
    }

private:
    std::mutex mutex_;
    std::shared_ptr<T> object_;
};

} // namespace platform
