#pragma once

#include "platform/base/Object.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>

namespace platform {

class MenuItem;
class UserInterfaceItem;

// An object that receives actions by selector string and takes part in the responder
// chain. Every object that is the target of an action (a document, an application
// delegate, a toolbar delegate) derives from it; one without a next responder is simply
// a target.
//
// A subclass exposes its actions in its constructor:
//     exposeAction(u"lockDocument:", [this](const Sender& sender) { lockDocument(sender); });
class Responder : public Object {
public:
    using Sender = std::shared_ptr<Object>;
    using ActionHandler = std::function<void(const Sender& sender)>;

    // Held weakly. Views default to their superview, a window's content view to the window.
    [[nodiscard]] virtual std::shared_ptr<Responder> nextResponder() const;
    void setNextResponder(const std::shared_ptr<Responder>& next);

    [[nodiscard]] bool respondsToAction(const String& action) const;
    // Performs the action when this responder answers it; answers whether it did.
    bool perform(const String& action, const Sender& sender);
    // Performs the action here or at the first next responder that answers it.
    bool tryToPerform(const String& action, const Sender& sender);

    // Asked by the window when it makes this responder, or another one, first responder.
    // A responder that resigns ends its editing first; one that answers false keeps the
    // first responder status.
    [[nodiscard]] virtual bool becomeFirstResponder() { return true; }
    [[nodiscard]] virtual bool resignFirstResponder() { return true; }

    // Validation before a menu or toolbar is shown, asked of the action's target. None
    // means that this responder does not answer the question (the platform's
    // respondsToSelector: is false): a menu item then asks validateUserInterfaceItem, and
    // an item that neither question answers is enabled. Toolbar items are asked only
    // validateUserInterfaceItem. validateMenuItem may change the item's title and state.
    [[nodiscard]] virtual std::optional<bool> validateMenuItem(MenuItem& item);
    [[nodiscard]] virtual std::optional<bool>
    validateUserInterfaceItem(const UserInterfaceItem& item);

protected:
    void exposeAction(const String& action, ActionHandler handler);

private:
    std::weak_ptr<Responder> nextResponder_;
    std::map<String, ActionHandler> actions_;
};

} // namespace platform
