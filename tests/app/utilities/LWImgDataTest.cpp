#include "app/utilities/LWImgData.h"

#include "platform/ui/Image.h"
#include "support/Files.h"

#include <filesystem>
#include <gtest/gtest.h>

using platform::Image;
using platform::Value;

namespace {

std::shared_ptr<Image> imageIn(const Value& value) {
    return std::dynamic_pointer_cast<Image>(value.object());
}

platform::Data tinyPNG() {
    return platform::dataFromBytes(
        testsupport::readFile(std::filesystem::path(SEALSCRIBE_TEST_DATA) / "images" / "tiny.png"));
}

TEST(LWImgData, DataGivesItsDecodedImageAndDataThatDoesNotDecodeGivesNone) {
    const LWImgData transformer;
    const auto image = imageIn(transformer.transformedValue(tinyPNG()));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->width(), 3u);
    EXPECT_EQ(image->height(), 2u);

    EXPECT_TRUE(transformer.transformedValue(platform::dataFromBytes("no image")).isNone());
    EXPECT_TRUE(transformer.transformedValue(platform::Data{}).isNone());
}

TEST(LWImgData, NoDataGivesAnEmptyImage) {
    const LWImgData transformer;
    for (const Value& input : {Value(), Value(platform::Number::int32(1)), Value(u"x")}) {
        const auto image = imageIn(transformer.transformedValue(input));
        ASSERT_NE(image, nullptr);
        EXPECT_TRUE(image->isEmpty());
    }
}

TEST(LWImgData, AnImageGivesItsTIFFDataAndAnythingElseNone) {
    const LWImgData transformer;
    const auto image = Image::imageWithData(tinyPNG());
    ASSERT_NE(image, nullptr);
    const Value tiff =
        transformer.reverseTransformedValue(std::shared_ptr<platform::Object>(image));
    ASSERT_NE(tiff.data(), nullptr);
    const auto back = imageIn(transformer.transformedValue(tiff));
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->rgba(), image->rgba());

    for (const Value& input : {Value(), Value(tinyPNG()),
                               Value(std::shared_ptr<platform::Object>(std::make_shared<Image>()))})
        EXPECT_TRUE(transformer.reverseTransformedValue(input).isNone());
}

TEST(LWImgData, GivesImagesAndIsReversible) {
    const LWImgData transformer;
    EXPECT_EQ(transformer.transformedValueClass(),
              platform::ValueTransformer::ValueClass::ImageValue);
    EXPECT_TRUE(transformer.allowsReverseTransformation());
}

} // namespace
