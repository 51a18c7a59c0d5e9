#include "interface/NegateBooleanTransformer.h"

platform::Value NegateBooleanTransformer::transformedValue(const platform::Value& value) const {
    return platform::Value(platform::Number::boolean(!value.boolValue()));
}
