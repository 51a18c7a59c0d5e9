#pragma once

#include "platform/base/Observation.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace platform {

// Callbacks told in the order added, each registered as long as its observation lives.
template <typename... Args> class Listeners {
public:
    using Listener = std::function<void(Args...)>;

    [[nodiscard]] Observation add(Listener listener) {
        auto registration = std::make_shared<Listener>(std::move(listener));
        std::erase_if(listeners_, [](const auto& weak) { return weak.expired(); });
        listeners_.push_back(registration);
        return Observation(registration);
    }

    // Listeners may add or cancel listeners while they are told: a snapshot is told.
    void tell(Args... args) const {
        std::vector<std::shared_ptr<Listener>> live;
        for (const auto& weak : listeners_)
            if (auto listener = weak.lock())
                live.push_back(std::move(listener));
        for (const auto& listener : live)
            (*listener)(args...);
    }

private:
    std::vector<std::weak_ptr<Listener>> listeners_;
};

} // namespace platform
