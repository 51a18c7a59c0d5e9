#include "platform/ui/TiffCodec.h"

#include <algorithm>
#include <cstdarg>
#include <cstring>
#include <limits>
#include <tiffio.h>

namespace platform {
namespace {

// libtiff's own buffers: a strip of the largest image at 16 bits a sample fits.
constexpr tmsize_t maximumAllocation = tmsize_t{1} << 30;

// The bytes that libtiff reads, or the data that it writes, as a file.
struct MemoryFile {
    std::string_view source;
    Data* sink = nullptr;
    std::uint64_t position = 0;

    [[nodiscard]] std::uint64_t size() const { return sink ? sink->size() : source.size(); }
    [[nodiscard]] const char* bytes() const {
        return sink ? reinterpret_cast<const char*>(sink->data()) : source.data();
    }
};

MemoryFile& fileOf(thandle_t handle) {
    return *static_cast<MemoryFile*>(handle);
}

tmsize_t readFile(thandle_t handle, void* buffer, tmsize_t count) {
    MemoryFile& file = fileOf(handle);
    if (count < 0)
        return -1;
    if (file.position >= file.size())
        return 0;
    const std::uint64_t length =
        std::min(static_cast<std::uint64_t>(count), file.size() - file.position);
    std::memcpy(buffer, file.bytes() + file.position, length);
    file.position += length;
    return static_cast<tmsize_t>(length);
}

tmsize_t writeFile(thandle_t handle, void* buffer, tmsize_t count) {
    MemoryFile& file = fileOf(handle);
    if (!file.sink || count < 0)
        return -1;
    const auto length = static_cast<std::uint64_t>(count);
    // No exception may cross libtiff.
    try {
        if (file.position + length > file.sink->size())
            file.sink->resize(file.position + length);
    } catch (const std::exception&) {
        return -1;
    }
    std::memcpy(file.sink->data() + file.position, buffer, length);
    file.position += length;
    return count;
}

toff_t seekFile(thandle_t handle, toff_t offset, int whence) {
    MemoryFile& file = fileOf(handle);
    const std::uint64_t base = whence == SEEK_CUR   ? file.position
                               : whence == SEEK_END ? file.size()
                                                    : 0;
    // A negative offset arrives as its two's complement.
    const std::uint64_t position = base + offset;
    if (position > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
        return static_cast<toff_t>(-1);
    file.position = position;
    return position;
}

int closeFile(thandle_t /*handle*/) {
    return 0;
}

toff_t sizeOfFile(thandle_t handle) {
    return fileOf(handle).size();
}

int mapNothing(thandle_t /*handle*/, void** /*base*/, toff_t* /*size*/) {
    return 0;
}

void unmapNothing(thandle_t /*handle*/, void* /*base*/, toff_t /*size*/) {}

int ignoreMessage(TIFF* /*tiff*/, void* /*data*/, const char* /*module*/, const char* /*format*/,
                  va_list /*arguments*/) {
    return 1; // handled: nothing reaches the terminal
}

struct TiffCloser {
    void operator()(TIFF* tiff) const { TIFFClose(tiff); }
};
using Tiff = std::unique_ptr<TIFF, TiffCloser>;

struct OptionsDeleter {
    void operator()(TIFFOpenOptions* options) const { TIFFOpenOptionsFree(options); }
};

Tiff openFile(MemoryFile& file, const char* mode) {
    const std::unique_ptr<TIFFOpenOptions, OptionsDeleter> options(TIFFOpenOptionsAlloc());
    if (!options)
        return nullptr;
    TIFFOpenOptionsSetErrorHandlerExtR(options.get(), ignoreMessage, nullptr);
    TIFFOpenOptionsSetWarningHandlerExtR(options.get(), ignoreMessage, nullptr);
    TIFFOpenOptionsSetMaxSingleMemAlloc(options.get(), maximumAllocation);
    return Tiff(TIFFClientOpenExt("memory", mode, &file, readFile, writeFile, seekFile, closeFile,
                                  sizeOfFile, mapNothing, unmapNothing, options.get()));
}

// 8-bit RGB or RGBA in strips with unassociated alpha, as encode writes it: read as it
// stands, where libtiff's RGBA reader would premultiply the alpha.
bool isPlainRGBA(TIFF* tiff) {
    std::uint16_t bits = 0;
    std::uint16_t samples = 0;
    std::uint16_t photometric = 0;
    std::uint16_t planar = 0;
    std::uint16_t orientation = 0;
    std::uint16_t extraCount = 0;
    const std::uint16_t* extra = nullptr;
    if (TIFFIsTiled(tiff) || TIFFGetField(tiff, TIFFTAG_PHOTOMETRIC, &photometric) != 1 ||
        TIFFGetFieldDefaulted(tiff, TIFFTAG_BITSPERSAMPLE, &bits) != 1 ||
        TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLESPERPIXEL, &samples) != 1 ||
        TIFFGetFieldDefaulted(tiff, TIFFTAG_PLANARCONFIG, &planar) != 1 ||
        TIFFGetFieldDefaulted(tiff, TIFFTAG_ORIENTATION, &orientation) != 1 ||
        TIFFGetFieldDefaulted(tiff, TIFFTAG_EXTRASAMPLES, &extraCount, &extra) != 1)
        return false;
    if (bits != 8 || photometric != PHOTOMETRIC_RGB || planar != PLANARCONFIG_CONTIG ||
        orientation != ORIENTATION_TOPLEFT)
        return false;
    return (samples == 3 && extraCount == 0) ||
           (samples == 4 && extraCount == 1 && extra[0] == EXTRASAMPLE_UNASSALPHA);
}

bool readPlainRGBA(TIFF* tiff, std::uint32_t width, std::uint32_t height,
                   std::vector<std::uint8_t>& rgba) {
    std::uint16_t samples = 0;
    TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLESPERPIXEL, &samples);
    const tmsize_t lineSize = TIFFScanlineSize(tiff);
    if (lineSize < static_cast<tmsize_t>(std::uint64_t{width} * samples))
        return false;
    std::vector<std::uint8_t> line(static_cast<std::size_t>(lineSize));
    for (std::uint32_t row = 0; row < height; ++row) {
        if (TIFFReadScanline(tiff, line.data(), row, 0) < 0)
            return false;
        std::uint8_t* out = rgba.data() + std::size_t{row} * width * 4;
        for (std::uint32_t column = 0; column < width; ++column) {
            const std::uint8_t* in = line.data() + std::size_t{column} * samples;
            std::copy_n(in, 3, out + std::size_t{column} * 4);
            out[std::size_t{column} * 4 + 3] = samples == 4 ? in[3] : 255;
        }
    }
    return true;
}

// Every other kind, through libtiff's RGBA reader, which premultiplies any alpha.
bool readAnyRGBA(TIFF* tiff, std::uint32_t width, std::uint32_t height,
                 std::vector<std::uint8_t>& rgba) {
    char message[1024] = {};
    if (TIFFRGBAImageOK(tiff, message) != 1)
        return false;
    // The packed pixels land in the byte buffer itself and are unpacked in place.
    auto* packed = reinterpret_cast<std::uint32_t*>(rgba.data());
    if (TIFFReadRGBAImageOriented(tiff, width, height, packed, ORIENTATION_TOPLEFT, 1) != 1)
        return false;
    for (std::size_t at = 0; at < rgba.size(); at += 4) {
        std::uint32_t pixel = 0;
        std::memcpy(&pixel, rgba.data() + at, sizeof pixel);
        const unsigned alpha = TIFFGetA(pixel);
        const unsigned channels[3] = {TIFFGetR(pixel), TIFFGetG(pixel), TIFFGetB(pixel)};
        for (std::size_t channel = 0; channel < 3; ++channel) {
            const unsigned value =
                alpha == 0 ? 0 : std::min(255U, (channels[channel] * 255 + alpha / 2) / alpha);
            rgba[at + channel] = static_cast<std::uint8_t>(value);
        }
        rgba[at + 3] = static_cast<std::uint8_t>(alpha);
    }
    return true;
}

bool writeFields(TIFF* tiff, const Image& image) {
    const std::uint16_t extra[] = {EXTRASAMPLE_UNASSALPHA};
    return TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, image.width()) == 1 &&
           TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, image.height()) == 1 &&
           TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, 8) == 1 &&
           TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, 4) == 1 &&
           TIFFSetField(tiff, TIFFTAG_EXTRASAMPLES, 1, extra) == 1 &&
           TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB) == 1 &&
           TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG) == 1 &&
           TIFFSetField(tiff, TIFFTAG_ORIENTATION, ORIENTATION_TOPLEFT) == 1 &&
           TIFFSetField(tiff, TIFFTAG_COMPRESSION, COMPRESSION_LZW) == 1 &&
           TIFFSetField(tiff, TIFFTAG_PREDICTOR, PREDICTOR_HORIZONTAL) == 1 &&
           TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, TIFFDefaultStripSize(tiff, 0)) == 1;
}

} // namespace

std::shared_ptr<Image> TiffCodec::decode(std::string_view bytes) {
    MemoryFile file{bytes};
    // "m": read through the callbacks, never from a mapping libtiff might write to.
    const Tiff tiff = openFile(file, "rm");
    if (!tiff)
        return nullptr;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    if (TIFFGetField(tiff.get(), TIFFTAG_IMAGEWIDTH, &width) != 1 ||
        TIFFGetField(tiff.get(), TIFFTAG_IMAGELENGTH, &height) != 1 || width == 0 || height == 0 ||
        std::uint64_t{width} * height > Image::maximumPixelCount)
        return nullptr;
    std::vector<std::uint8_t> rgba(std::size_t{width} * height * 4);
    const bool read = isPlainRGBA(tiff.get()) ? readPlainRGBA(tiff.get(), width, height, rgba)
                                              : readAnyRGBA(tiff.get(), width, height, rgba);
    if (!read)
        return nullptr;
    return std::make_shared<Image>(width, height, std::move(rgba));
}

std::optional<Data> TiffCodec::encode(const Image& image) {
    if (image.isEmpty())
        return std::nullopt;
    Data written;
    MemoryFile file{{}, &written};
    Tiff tiff = openFile(file, "wm");
    if (!tiff || !writeFields(tiff.get(), image))
        return std::nullopt;
    const std::size_t stride = std::size_t{image.width()} * 4;
    // The predictor rewrites the row that it is given.
    std::vector<std::uint8_t> row(stride);
    for (std::uint32_t y = 0; y < image.height(); ++y) {
        std::copy_n(image.rgba().begin() + static_cast<std::ptrdiff_t>(stride * y), stride,
                    row.begin());
        if (TIFFWriteScanline(tiff.get(), row.data(), y, 0) != 1)
            return std::nullopt;
    }
    if (TIFFWriteDirectory(tiff.get()) != 1)
        return std::nullopt;
    tiff.reset();
    return written;
}

} // namespace platform
