#pragma once

#include <memory>

namespace platform {

class Responder;

// The target of a control, menu item or toolbar item, held weakly as on the platform.
// No target means the action goes down the responder chain; a target that has gone
// away means the action goes nowhere.
class ActionTarget {
public:
    void set(const std::shared_ptr<Responder>& target) {
        target_ = target;
        isSet_ = target != nullptr;
    }
    [[nodiscard]] std::shared_ptr<Responder> get() const { return target_.lock(); }
    [[nodiscard]] bool isSet() const { return isSet_; }
    [[nodiscard]] bool isGone() const { return isSet_ && target_.expired(); }

private:
    std::weak_ptr<Responder> target_;
    bool isSet_ = false;
};

} // namespace platform
