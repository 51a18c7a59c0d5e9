#include "platform/ui/LoadedInterface.h"

#include "platform/ui/Binding.h"
#include "platform/ui/OutletOwner.h"
#include "platform/ui/Responder.h"
#include "platform/ui/View.h"

namespace platform {

LoadedInterface::LoadedInterface(String name, const std::shared_ptr<Object>& owner,
                                 MessageSink sink)
    : name_(std::move(name)), owner_(owner), sink_(std::move(sink)) {}

LoadedInterface::~LoadedInterface() = default;

std::shared_ptr<Responder> LoadedInterface::ownerResponder() const {
    return std::dynamic_pointer_cast<Responder>(owner());
}

void LoadedInterface::connectOutlet(const String& outlet,
                                    const std::shared_ptr<Object>& destination) {
    connectOutlet(owner(), outlet, destination);
}

void LoadedInterface::connectOutlet(const std::shared_ptr<Object>& source, const String& outlet,
                                    const std::shared_ptr<Object>& destination) {
    const auto owner = std::dynamic_pointer_cast<OutletOwner>(source);
    const String what = source && source == this->owner() ? u"the owner" : u"the object";
    if (!owner || !owner->hasOutlet(outlet))
        report(u"outlet \u201c" + outlet + u"\u201d not connected: " + what +
               u" has no such outlet");
    else if (!owner->setOutlet(outlet, destination))
        report(u"outlet \u201c" + outlet + u"\u201d not connected: the object is not of the " +
               u"outlet's type");
}

void LoadedInterface::bind(const std::shared_ptr<View>& view, const String& binding,
                           const std::shared_ptr<Object>& object, const String& keyPath,
                           const BindingOptions& options) {
    auto made = Binding::bind(view, binding, object, keyPath, options);
    if (!made) {
        report(u"binding \u201c" + binding + u"\u201d to \u201c" + keyPath + u"\u201d not made");
        return;
    }
    bindings_.push_back(std::move(made));
}

void LoadedInterface::keepBinding(std::unique_ptr<Binding> binding) {
    if (binding)
        bindings_.push_back(std::move(binding));
}

void LoadedInterface::report(const String& message) const {
    if (sink_)
        sink_(u"interface \u201c" + name_ + u"\u201d: " + message);
}

} // namespace platform
