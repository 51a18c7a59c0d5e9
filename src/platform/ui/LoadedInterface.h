#pragma once

#include "platform/base/Object.h"
#include "platform/base/String.h"
#include "platform/ui/BindingOptions.h"

#include <functional>
#include <memory>
#include <vector>

namespace platform {

class Binding;
class Responder;
class View;

// One interface description built for its owner: the top-level objects it made (windows,
// panels, menus, toolbars, helper objects), which it keeps alive, and its bindings, which
// live as long as it does. The description's builder makes the objects and connects them
// through it:
//     auto window = interface.addTopLevelObject(std::make_shared<Window>(frame));
//     interface.connectOutlet(u"myWindow", window);
//     interface.connectAction(button, u"submitPasswordToDecrypt:", interface.ownerResponder());
//     interface.bind(textField, u"value", interface.owner(), u"plainPasswordInserted");
// A connection that cannot be made is reported to the registry's message sink and left
// out; the rest of the interface is built all the same.
class LoadedInterface {
public:
    using MessageSink = std::function<void(const String& message)>;

    LoadedInterface(String name, const std::shared_ptr<Object>& owner, MessageSink sink);
    ~LoadedInterface();
    LoadedInterface(const LoadedInterface&) = delete;
    LoadedInterface& operator=(const LoadedInterface&) = delete;

    [[nodiscard]] const String& name() const { return name_; }
    // Held weakly: the owner usually keeps the interface.
    [[nodiscard]] std::shared_ptr<Object> owner() const { return owner_.lock(); }
    // The owner as the target of actions; none when it takes no actions.
    [[nodiscard]] std::shared_ptr<Responder> ownerResponder() const;

    template <typename T> std::shared_ptr<T> addTopLevelObject(std::shared_ptr<T> object) {
        topLevelObjects_.push_back(object);
        return object;
    }
    [[nodiscard]] const std::vector<std::shared_ptr<Object>>& topLevelObjects() const {
        return topLevelObjects_;
    }
    // The first top-level object of the type; none when there is none.
    template <typename T> [[nodiscard]] std::shared_ptr<T> firstTopLevelObject() const {
        for (const auto& object : topLevelObjects_)
            if (auto typed = std::dynamic_pointer_cast<T>(object))
                return typed;
        return nullptr;
    }

    // An outlet of the owner, or of another object of the interface (an OutletOwner).
    void connectOutlet(const String& outlet, const std::shared_ptr<Object>& destination);
    void connectOutlet(const std::shared_ptr<Object>& source, const String& outlet,
                       const std::shared_ptr<Object>& destination);

    // The item's action, sent to the target; none sends it down the responder chain
    // (the platform's first responder). For controls, menu items and toolbar items.
    template <typename Item>
    void connectAction(const std::shared_ptr<Item>& item, const String& action,
                       const std::shared_ptr<Responder>& target = nullptr) {
        item->setAction(action);
        item->setTarget(target);
    }

    // A binding of one of the view's values to the object's key path (see Binding).
    void bind(const std::shared_ptr<View>& view, const String& binding,
              const std::shared_ptr<Object>& object, const String& keyPath,
              const BindingOptions& options = {});
    // Keeps a binding that the builder made itself (one with a view side of its own).
    void keepBinding(std::unique_ptr<Binding> binding);
    [[nodiscard]] std::size_t numberOfBindings() const { return bindings_.size(); }

private:
    void report(const String& message) const;

    String name_;
    std::weak_ptr<Object> owner_;
    MessageSink sink_;
    std::vector<std::shared_ptr<Object>> topLevelObjects_;
    // Last, so that the bindings end before the objects they observe.
    std::vector<std::unique_ptr<Binding>> bindings_;
};

} // namespace platform
