#include "platform/text/CharsetConverter.h"

#include <cerrno>
#include <iconv.h>

namespace platform {
namespace {

// iconv_open's failure value, as iconv(3) defines it.
const auto noDescriptor = reinterpret_cast<iconv_t>(-1); // NOLINT(performance-no-int-to-ptr)

std::optional<std::string> convert(iconv_t descriptor, std::string_view bytes) {
    // Back to the initial shift state, whatever an earlier failure left.
    iconv(descriptor, nullptr, nullptr, nullptr, nullptr);
    std::string out(bytes.size() * 4 + 16, '\0');
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* next = out.data();
    std::size_t outLeft = out.size();
    while (inLeft > 0) {
        if (iconv(descriptor, &in, &inLeft, &next, &outLeft) != static_cast<std::size_t>(-1))
            continue;
        if (errno != E2BIG)
            return std::nullopt;
        const auto used = static_cast<std::size_t>(next - out.data());
        out.resize(out.size() * 2);
        next = out.data() + used;
        outLeft = out.size() - used;
    }
    if (iconv(descriptor, nullptr, nullptr, &next, &outLeft) == static_cast<std::size_t>(-1))
        return std::nullopt;
    out.resize(static_cast<std::size_t>(next - out.data()));
    return out;
}

} // namespace

struct CharsetConverter::Descriptors {
    iconv_t toCharset = noDescriptor;
    iconv_t fromCharset = noDescriptor;
    ~Descriptors() {
        if (toCharset != noDescriptor)
            iconv_close(toCharset);
        if (fromCharset != noDescriptor)
            iconv_close(fromCharset);
    }
};

CharsetConverter::CharsetConverter(std::unique_ptr<Descriptors> descriptors)
    : descriptors_(std::move(descriptors)) {}

CharsetConverter::~CharsetConverter() = default;

std::unique_ptr<CharsetConverter> CharsetConverter::forCharset(const std::string& name) {
    auto descriptors = std::make_unique<Descriptors>();
    descriptors->toCharset = iconv_open(name.c_str(), "UTF-8");
    descriptors->fromCharset = iconv_open("UTF-8", name.c_str());
    if (descriptors->toCharset == noDescriptor || descriptors->fromCharset == noDescriptor)
        return nullptr;
    return std::unique_ptr<CharsetConverter>(new CharsetConverter(std::move(descriptors)));
}

std::optional<std::string> CharsetConverter::encode(std::u16string_view text) const {
    const auto utf8 = toUtf8(text);
    if (!utf8)
        return std::nullopt;
    return convert(descriptors_->toCharset, *utf8);
}

std::optional<String> CharsetConverter::decode(std::string_view bytes) const {
    const auto utf8 = convert(descriptors_->fromCharset, bytes);
    if (!utf8)
        return std::nullopt;
    return fromUtf8(*utf8);
}

} // namespace platform
