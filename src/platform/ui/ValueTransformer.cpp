#include "platform/ui/ValueTransformer.h"

#include <map>
#include <mutex>

namespace platform {
namespace {

struct Registry {
    std::mutex mutex;
    std::map<String, std::shared_ptr<ValueTransformer>> named;
    std::map<String, ValueTransformer::Factory> classes;
};

Registry& registry() {
    static Registry instance;
    return instance;
}

} // namespace

Value ValueTransformer::transformedValue(const Value& value) const {
    return value;
}

Value ValueTransformer::reverseTransformedValue(const Value& value) const {
    return allowsReverseTransformation() ? transformedValue(value) : Value();
}

void ValueTransformer::setValueTransformer(std::shared_ptr<ValueTransformer> transformer,
                                           const String& name) {
    auto& shared = registry();
    const std::lock_guard lock(shared.mutex);
    if (transformer)
        shared.named[name] = std::move(transformer);
    else
        shared.named.erase(name);
}

std::shared_ptr<ValueTransformer> ValueTransformer::valueTransformerForName(const String& name) {
    auto& shared = registry();
    Factory factory;
    {
        const std::lock_guard lock(shared.mutex);
        if (const auto found = shared.named.find(name); found != shared.named.end())
            return found->second;
        const auto registered = shared.classes.find(name);
        if (registered == shared.classes.end())
            return nullptr;
        factory = registered->second;
    }
    // Made outside the lock: a constructor may register transformers of its own.
    auto made = factory();
    if (!made)
        return nullptr;
    const std::lock_guard lock(shared.mutex);
    return shared.named.try_emplace(name, std::move(made)).first->second;
}

void ValueTransformer::registerClass(const String& className, Factory factory) {
    auto& shared = registry();
    const std::lock_guard lock(shared.mutex);
    shared.classes[className] = std::move(factory);
}

void ValueTransformer::resetRegistry() {
    auto& shared = registry();
    const std::lock_guard lock(shared.mutex);
    shared.named.clear();
    shared.classes.clear();
}

} // namespace platform
