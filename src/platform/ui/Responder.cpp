#include "platform/ui/Responder.h"

#include <set>

namespace platform {

std::shared_ptr<Responder> Responder::nextResponder() const {
    return nextResponder_.lock();
}

void Responder::setNextResponder(const std::shared_ptr<Responder>& next) {
    nextResponder_ = next;
}

bool Responder::respondsToAction(const String& action) const {
    return actions_.contains(action);
}

bool Responder::perform(const String& action, const Sender& sender) {
    const auto found = actions_.find(action);
    if (found == actions_.end())
        return false;
    // The handler may replace this responder's actions while it runs.
    const ActionHandler handler = found->second;
    handler(sender);
    return true;
}

bool Responder::tryToPerform(const String& action, const Sender& sender) {
    std::set<const Responder*> visited;
    std::shared_ptr<Responder> keepAlive;
    for (Responder* responder = this; responder && visited.insert(responder).second;) {
        if (responder->respondsToAction(action))
            return responder->perform(action, sender);
        keepAlive = responder->nextResponder();
        responder = keepAlive.get();
    }
    return false;
}

std::optional<bool> Responder::validateMenuItem(MenuItem&) {
    return std::nullopt;
}

std::optional<bool> Responder::validateUserInterfaceItem(const UserInterfaceItem&) {
    return std::nullopt;
}

void Responder::exposeAction(const String& action, ActionHandler handler) {
    actions_[action] = std::move(handler);
}

} // namespace platform
