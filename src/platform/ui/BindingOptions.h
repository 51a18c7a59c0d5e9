#pragma once

#include "platform/base/String.h"

#include <memory>

namespace platform {

class ValueTransformer;

// The options of a binding that the interface files use.
struct BindingOptions {
    // A registered name or a registered class name (the platform's
    // NSValueTransformerNameBindingOption).
    String valueTransformerName;
    // Used in place of the name when given.
    std::shared_ptr<ValueTransformer> valueTransformer;
    // A text field writes at every change, else when its editing ends.
    bool continuouslyUpdatesValue = false;
};

} // namespace platform
