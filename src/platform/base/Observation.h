#pragma once

#include <memory>

namespace platform {

// Keeps an observer registered while it lives; moving it moves the registration.
class Observation {
public:
    Observation() = default;
    explicit Observation(std::shared_ptr<void> registration)
        : registration_(std::move(registration)) {}

    bool isActive() const { return registration_ != nullptr; }
    void cancel() { registration_.reset(); }

private:
    std::shared_ptr<void> registration_;
};

} // namespace platform
