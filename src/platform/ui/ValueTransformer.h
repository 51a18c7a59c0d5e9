#pragma once

#include "platform/base/Object.h"
#include "platform/base/String.h"
#include "platform/base/Value.h"

#include <functional>
#include <memory>

namespace platform {

// Converts a bound value on its way between a model and a control. A subclass overrides
// the transformations and says what it gives and whether it converts back.
//
// The registry: a binding names its transformer by a registered name, or by the name of a
// class registered with registerClass; a class name gives one instance made with the
// class's plain constructor the first time it is named, registered under that name and
// shared from then on.
class ValueTransformer : public Object {
public:
    enum class ValueClass { ObjectValue, NumberValue, StringValue, DataValue, ImageValue };
    using Factory = std::function<std::shared_ptr<ValueTransformer>()>;

    // The value as it stands.
    [[nodiscard]] virtual Value transformedValue(const Value& value) const;
    // A reversible transformer's default undoes nothing: it gives transformedValue; one
    // that is not reversible gives none.
    [[nodiscard]] virtual Value reverseTransformedValue(const Value& value) const;

    [[nodiscard]] virtual ValueClass transformedValueClass() const {
        return ValueClass::ObjectValue;
    }
    [[nodiscard]] virtual bool allowsReverseTransformation() const { return false; }

    // None removes the name's registration.
    static void setValueTransformer(std::shared_ptr<ValueTransformer> transformer,
                                    const String& name);
    // None when the name is neither registered nor a registered class.
    [[nodiscard]] static std::shared_ptr<ValueTransformer>
    valueTransformerForName(const String& name);

    static void registerClass(const String& className, Factory factory);
    template <typename Transformer> static void registerClass(const String& className) {
        registerClass(className, [] { return std::make_shared<Transformer>(); });
    }

    // Forgets every name and class, for tests.
    static void resetRegistry();
};

} // namespace platform
