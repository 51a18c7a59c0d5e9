#include "platform/ui/Image.h"

#include "LargestAllocation.h"
#include "platform/text/ImageFormat.h"
#include "support/Files.h"

#include <array>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using platform::Data;
using platform::Image;

namespace {

using Pixel = std::array<int, 4>;
using Pixels = std::vector<Pixel>;

Data fixture(const std::string& name) {
    return platform::dataFromBytes(
        testsupport::readFile(std::filesystem::path(SEALSCRIBE_TEST_DATA) / "images" / name));
}

Data prefix(const Data& data, std::size_t length) {
    return {data.begin(), data.begin() + static_cast<std::ptrdiff_t>(length)};
}

Pixels pixelsOf(const Image& image) {
    Pixels pixels;
    const auto& rgba = image.rgba();
    for (std::size_t at = 0; at + 4 <= rgba.size(); at += 4)
        pixels.push_back({rgba[at], rgba[at + 1], rgba[at + 2], rgba[at + 3]});
    return pixels;
}

void expectPixelsNear(const Pixels& actual, const Pixels& expected, int tolerance) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i)
        for (std::size_t channel = 0; channel < 4; ++channel)
            EXPECT_LE(std::abs(actual[i][channel] - expected[i][channel]), tolerance)
                << "pixel " << i << " channel " << channel;
}

// What make_images.py draws.
const Pixels tiny = {{255, 0, 0, 255},  {0, 255, 0, 128},   {0, 0, 255, 0},
                     {10, 20, 30, 255}, {200, 100, 50, 64}, {255, 255, 255, 255}};

Pixels redAndBlueHalves() {
    Pixels pixels;
    for (int row = 0; row < 8; ++row)
        for (int column = 0; column < 16; ++column)
            pixels.push_back(column < 8 ? Pixel{255, 0, 0, 255} : Pixel{0, 0, 255, 255});
    return pixels;
}

TEST(ImageDecoding, EachFormatDecodesToItsPixels) {
    // Premultiplied storage loses the colour of the transparent pixel and some precision.
    Pixels premultiplied = tiny;
    premultiplied[2] = {0, 0, 0, 0};
    const struct {
        const char* file;
        platform::ImageFormat format;
        std::uint32_t width;
        std::uint32_t height;
        Pixels pixels;
        int tolerance;
    } cases[] = {
        {"tiny.png", platform::ImageFormat::PNG, 3, 2, tiny, 0},
        {"tiny.tif", platform::ImageFormat::TIFF, 3, 2, tiny, 0},
        {"tiny-bigendian.tif", platform::ImageFormat::TIFF, 3, 2, tiny, 0},
        {"tiny-associated.tif", platform::ImageFormat::TIFF, 3, 2, premultiplied, 3},
        {"tiny-palette.tif",
         platform::ImageFormat::TIFF,
         2,
         2,
         {{255, 0, 0, 255}, {0, 128, 0, 255}, {0, 0, 255, 255}, {255, 255, 0, 255}},
         0},
        {"tiny.jpg", platform::ImageFormat::JPEG, 16, 8, redAndBlueHalves(), 8},
    };
    for (const auto& sample : cases) {
        SCOPED_TRACE(sample.file);
        const Data data = fixture(sample.file);
        EXPECT_EQ(platform::detectImageFormat(platform::bytesOf(data)), sample.format);
        const auto image = Image::imageWithData(data);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->width(), sample.width);
        EXPECT_EQ(image->height(), sample.height);
        expectPixelsNear(pixelsOf(*image), sample.pixels, sample.tolerance);
    }
}

TEST(ImageDecoding, DamagedOrForeignDataGivesNone) {
    const Data png = fixture("tiny.png");
    const Data jpeg = fixture("tiny.jpg");
    const Data tiff = fixture("tiny.tif");
    const struct {
        const char* what;
        Data data;
    } cases[] = {
        {"nothing", {}},
        {"text", platform::dataFromBytes("not an image")},
        {"a PNG signature alone", prefix(png, 8)},
        {"a PNG cut in its data", prefix(png, 50)},
        {"a PNG whose data fails its checksum", fixture("broken-crc.png")},
        {"a JPEG cut in its tables", prefix(jpeg, 100)},
        {"a TIFF header alone", prefix(tiff, 8)},
        {"a TIFF cut before its directory", prefix(tiff, 36)},
        {"a TIFF cut in its directory", prefix(tiff, 100)},
    };
    for (const auto& sample : cases)
        EXPECT_EQ(Image::imageWithData(sample.data), nullptr) << sample.what;
}

TEST(ImageDecoding, AJpegWhoseScanEndsEarlyGivesWhatItHolds) {
    const Data jpeg = fixture("tiny.jpg");
    const auto image = Image::imageWithData(prefix(jpeg, jpeg.size() - 4));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->width(), 16u);
    EXPECT_EQ(image->height(), 8u);
}

TEST(ImageDecoding, AHeaderOfMoreThanAHundredMegapixelsIsRefusedBeforeAnyPixelBuffer) {
    // 10001 x 10000 for PNG and JPEG; 65536 x 65536, which wraps to 0 in 32 bits, for TIFF.
    for (const char* file : {"huge.png", "huge.jpg", "huge.tif"}) {
        const Data data = fixture(file);
        const uitest::LargestAllocation largest(1 << 20);
        std::shared_ptr<Image> image;
        EXPECT_NO_THROW(image = Image::imageWithData(data)) << file;
        EXPECT_EQ(image, nullptr) << file;
        EXPECT_LT(largest.bytes(), std::size_t{1} << 20) << file;
    }
}

TEST(ImageTIFF, ARoundTripGivesTheSamePixels) {
    // Several strips, every alpha, and colour under full transparency.
    constexpr std::uint32_t width = 300;
    constexpr std::uint32_t height = 20;
    std::vector<std::uint8_t> rgba(std::size_t{width} * height * 4);
    for (std::size_t at = 0; at < rgba.size(); ++at)
        rgba[at] = static_cast<std::uint8_t>((at * 7919) >> 3);
    const Image original(width, height, rgba);

    const auto tiff = original.TIFFRepresentation();
    ASSERT_TRUE(tiff.has_value());
    EXPECT_EQ(platform::detectImageFormat(platform::bytesOf(*tiff)), platform::ImageFormat::TIFF);
    const auto decoded = Image::imageWithData(*tiff);
    ASSERT_NE(decoded, nullptr);
    EXPECT_EQ(decoded->width(), width);
    EXPECT_EQ(decoded->height(), height);
    EXPECT_EQ(decoded->rgba(), rgba);
}

TEST(ImageTIFF, AnEmptyImageHasNoRepresentation) {
    const Image empty;
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_FALSE(empty.TIFFRepresentation().has_value());
}

} // namespace
