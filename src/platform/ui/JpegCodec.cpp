#include "platform/ui/JpegCodec.h"

#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <jpeglib.h>
#include <vector>

namespace platform {
namespace {

// A progressive image of thousands of scans costs unbounded time on a small file.
constexpr int maximumScans = 500;

struct ErrorJump {
    jpeg_error_mgr manager; // first, so that libjpeg's error pointer points at the whole
    std::jmp_buf target;
};

// Everything the steps below touch, as plain data: libjpeg leaves them by a jump.
struct Decoding {
    jpeg_decompress_struct info;
    ErrorJump error;
    jpeg_progress_mgr progress;
    std::string_view bytes;
    std::uint8_t* pixels;

    Decoding() = default;
    Decoding(const Decoding&) = delete;
    Decoding& operator=(const Decoding&) = delete;
    ~Decoding() { jpeg_destroy_decompress(&info); } // nothing when it was never created
};

[[noreturn]] void jumpBack(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorJump*>(info->err)->target, 1);
}

void dropMessage(j_common_ptr /*info*/) {}

void limitScans(j_common_ptr info) {
    if (reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > maximumScans)
        jumpBack(info);
}

// The one place where libjpeg's errors land: false when the step ended in an error. The
// frames that the jump leaves, the step's and libjpeg's, hold no object with a destructor.
bool guarded(Decoding& decoding, void (*step)(Decoding&)) {
    if (setjmp(decoding.error.target) != 0)
        return false;
    step(decoding);
    return true;
}

bool isCMYK(const jpeg_decompress_struct& info) {
    return info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
}

void readHeader(Decoding& decoding) {
    jpeg_decompress_struct& info = decoding.info;
    jpeg_create_decompress(&info);
    info.progress = &decoding.progress;
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(decoding.bytes.data()),
                 static_cast<unsigned long>(decoding.bytes.size()));
    jpeg_read_header(&info, TRUE);
    // libjpeg converts everything but CMYK to RGBA itself.
    info.out_color_space = isCMYK(info) ? JCS_CMYK : JCS_EXT_RGBA;
    jpeg_calc_output_dimensions(&info);
    if (info.output_components != 4)
        jumpBack(reinterpret_cast<j_common_ptr>(&info));
}

void readPixels(Decoding& decoding) {
    jpeg_decompress_struct& info = decoding.info;
    jpeg_start_decompress(&info);
    const std::size_t stride = std::size_t{info.output_width} * 4;
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = decoding.pixels + stride * info.output_scanline;
        if (jpeg_read_scanlines(&info, &row, 1) != 1)
            jumpBack(reinterpret_cast<j_common_ptr>(&info));
    }
    jpeg_finish_decompress(&info);
}

// Adobe's files, the usual kind, store each ink inverted: 255 is no ink.
void cmykToRGBA(std::vector<std::uint8_t>& pixels, bool inverted) {
    for (std::size_t at = 0; at + 4 <= pixels.size(); at += 4) {
        const auto light = [&](std::size_t channel) -> unsigned {
            const unsigned value = pixels[at + channel];
            return inverted ? value : 255 - value;
        };
        const unsigned black = light(3);
        for (std::size_t channel = 0; channel < 3; ++channel)
            pixels[at + channel] = static_cast<std::uint8_t>((light(channel) * black + 127) / 255);
        pixels[at + 3] = 255;
    }
}

} // namespace

std::shared_ptr<Image> JpegCodec::decode(std::string_view bytes) {
    Decoding decoding{};
    decoding.info.err = jpeg_std_error(&decoding.error.manager);
    decoding.error.manager.error_exit = jumpBack;
    decoding.error.manager.output_message = dropMessage;
    decoding.progress.progress_monitor = limitScans;
    decoding.bytes = bytes;
    if (!guarded(decoding, readHeader))
        return nullptr;

    const JDIMENSION width = decoding.info.output_width;
    const JDIMENSION height = decoding.info.output_height;
    if (width == 0 || height == 0 || std::uint64_t{width} * height > Image::maximumPixelCount)
        return nullptr;
    std::vector<std::uint8_t> pixels(std::size_t{width} * height * 4);
    decoding.pixels = pixels.data();
    if (!guarded(decoding, readPixels))
        return nullptr;
    if (isCMYK(decoding.info))
        cmykToRGBA(pixels, decoding.info.saw_Adobe_marker != 0);
    return std::make_shared<Image>(width, height, std::move(pixels));
}

} // namespace platform
