#pragma once

#include "platform/ui/ValueTransformer.h"

// Bound image data as an image and back: data decodes to an image (none when it does not
// decode), and an image gives its TIFF data. No data gives an empty image.
class LWImgData : public platform::ValueTransformer {
public:
    [[nodiscard]] platform::Value transformedValue(const platform::Value& value) const override;
    [[nodiscard]] platform::Value
    reverseTransformedValue(const platform::Value& value) const override;

    [[nodiscard]] ValueClass transformedValueClass() const override {
        return ValueClass::ImageValue;
    }
    [[nodiscard]] bool allowsReverseTransformation() const override { return true; }
};
