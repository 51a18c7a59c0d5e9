#include "platform/ui/Binding.h"

#include "platform/base/BaseEnvironment.h"
#include "platform/base/String.h"
#include "platform/ui/KeyPathObservation.h"
#include "platform/ui/ValueTransformer.h"

#include <cstdio>

namespace platform {
namespace {

void reportUnbound(const String& binding, const String& keyPath, const char* reason) {
    std::fprintf(stderr, "Sealscribe: binding %s to %s not made: %s\n",
                 toUtf8Lossy(binding).c_str(), toUtf8Lossy(keyPath).c_str(), reason);
}

} // namespace

std::unique_ptr<Binding> Binding::bind(const std::shared_ptr<View>& view, const String& binding,
                                       const std::shared_ptr<Object>& object, const String& keyPath,
                                       const Options& options) {
    auto viewSide = BindableValue::forView(view, binding, options.continuouslyUpdatesValue);
    if (!viewSide) {
        reportUnbound(binding, keyPath, "the view has no such binding");
        return nullptr;
    }
    auto made = bind(std::move(*viewSide), object, keyPath, options);
    if (!made)
        reportUnbound(binding, keyPath, "no object, no transformer of that name, or no such key");
    return made;
}

std::unique_ptr<Binding> Binding::bind(BindableValue viewSide,
                                       const std::shared_ptr<Object>& object, const String& keyPath,
                                       const Options& options) {
    auto transformer = options.valueTransformer;
    if (!transformer && !options.valueTransformerName.empty()) {
        transformer = ValueTransformer::valueTransformerForName(options.valueTransformerName);
        if (!transformer)
            return nullptr;
    }
    if (!object || !viewSide.get || !viewSide.set)
        return nullptr;
    // A key the object lacks is a fault of the interface description, not a value of none.
    if (const String key = keyPath.substr(0, keyPath.find(u'.')); !object->hasKey(key)) {
        BaseEnvironment::current().reportFailure(u"binding to \u201c" + keyPath +
                                                 u"\u201d not made: the object has no key \u201c" +
                                                 key + u"\u201d");
        return nullptr;
    }
    return std::make_unique<Binding>(std::move(viewSide), object, keyPath, std::move(transformer));
}

Binding::Binding(BindableValue viewSide, const std::shared_ptr<Object>& object, String keyPath,
                 std::shared_ptr<ValueTransformer> transformer)
    : view_(std::move(viewSide)), object_(object), keyPath_(std::move(keyPath)),
      transformer_(std::move(transformer)) {
    showModel();
    modelChanges_ = std::make_unique<KeyPathObservation>(object, keyPath_, [this] {
        if (!writing_)
            showModel();
    });
    const bool writesBack = !transformer_ || transformer_->allowsReverseTransformation();
    if (writesBack && view_.observeEdits)
        edits_ = view_.observeEdits([this] { writeEdit(); });
}

Binding::~Binding() = default;

void Binding::showModel() {
    const auto object = object_.lock();
    if (!object)
        return;
    const Value value = object->valueForKeyPath(keyPath_);
    view_.set(transformer_ ? transformer_->transformedValue(value) : value);
}

void Binding::writeEdit() {
    const auto object = object_.lock();
    if (!object)
        return;
    const Value shown = view_.get();
    const Value value = transformer_ ? transformer_->reverseTransformedValue(shown) : shown;
    if (object->valueForKeyPath(keyPath_) == value)
        return;
    // The model's own notification of this write is not shown back: the view holds the
    // user's form of the value.
    writing_ = true;
    object->setValueForKeyPath(value, keyPath_);
    writing_ = false;
}

} // namespace platform
