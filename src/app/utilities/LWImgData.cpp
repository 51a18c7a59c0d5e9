#include "app/utilities/LWImgData.h"

#include "platform/ui/Image.h"

using platform::Image;
using platform::Value;

Value LWImgData::transformedValue(const Value& value) const {
    // A value of another kind counts as no data.
    const std::shared_ptr<platform::Object> image =
        value.data() ? Image::imageWithData(*value.data()) : std::make_shared<Image>();
    return image;
}

Value LWImgData::reverseTransformedValue(const Value& value) const {
    const auto image = std::dynamic_pointer_cast<Image>(value.object());
    if (!image)
        return {};
    return Value(image->TIFFRepresentation());
}
