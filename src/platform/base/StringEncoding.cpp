#include "platform/base/StringEncoding.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <cstring>
#include <iconv.h>
#include <memory>

namespace platform {
namespace {

constexpr const char* utf16Name =
    std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

constexpr std::size_t encodingCount = static_cast<std::size_t>(StringEncoding::DOSLatin1) + 1;

const char* iconvName(StringEncoding encoding) {
    switch (encoding) {
    case StringEncoding::ASCII:
        return "ASCII";
    case StringEncoding::UTF8:
        return "UTF-8";
    case StringEncoding::MacOSRoman:
        return "MACINTOSH";
    case StringEncoding::ISOLatin1:
        return "ISO-8859-1";
    case StringEncoding::WindowsLatin2:
        return "CP1250";
    case StringEncoding::WindowsCyrillic:
        return "CP1251";
    case StringEncoding::WindowsLatin1:
        return "CP1252";
    case StringEncoding::WindowsGreek:
        return "CP1253";
    case StringEncoding::WindowsLatin5:
        return "CP1254";
    case StringEncoding::WindowsHebrew:
        return "CP1255";
    case StringEncoding::WindowsArabic:
        return "CP1256";
    case StringEncoding::WindowsBalticRim:
        return "CP1257";
    case StringEncoding::WindowsVietnamese:
        return "CP1258";
    case StringEncoding::DOSLatinUS:
        return "CP437";
    case StringEncoding::DOSLatin1:
        return "CP850";
    }
    return "";
}

struct IconvCloser {
    void operator()(void* handle) const { iconv_close(static_cast<iconv_t>(handle)); }
};
using IconvHandle = std::unique_ptr<void, IconvCloser>;

enum class Direction : std::size_t { Encode = 0, Decode = 1 };

// Opening a conversion loads its tables, so every thread keeps the ones it has used.
// Null when glibc has no such conversion.
iconv_t conversion(StringEncoding encoding, Direction direction) {
    thread_local std::array<IconvHandle, encodingCount * 2> handles;
    auto& handle =
        handles[static_cast<std::size_t>(encoding) * 2 + static_cast<std::size_t>(direction)];
    if (!handle) {
        const char* name = iconvName(encoding);
        const iconv_t opened = direction == Direction::Encode ? iconv_open(name, utf16Name)
                                                              : iconv_open(utf16Name, name);
        // iconv_open's failure value, as iconv(3) defines it.
        if (opened != reinterpret_cast<iconv_t>(-1)) // NOLINT(performance-no-int-to-ptr)
            handle.reset(opened);
    }
    return static_cast<iconv_t>(handle.get());
}

// One iconv call carried to its end, the output growing as needed; a null input flushes
// what a composing conversion still holds.
bool runIconv(iconv_t handle, char** in, std::size_t* inLeft, std::string& out,
              std::size_t& produced) {
    for (;;) {
        char* outAt = out.data() + produced;
        std::size_t outLeft = out.size() - produced;
        const std::size_t result = iconv(handle, in, inLeft, &outAt, &outLeft);
        produced = out.size() - outLeft;
        if (result != static_cast<std::size_t>(-1))
            return result == 0; // a non-zero count is of inexact conversions
        if (errno != E2BIG)
            return false;
        out.resize(out.size() * 2 + 16);
    }
}

std::optional<std::string> convert(iconv_t handle, std::string_view bytes,
                                   std::size_t expectedSize) {
    if (handle == nullptr)
        return std::nullopt;
    iconv(handle, nullptr, nullptr, nullptr, nullptr);
    std::string out(expectedSize + 16, '\0');
    std::size_t produced = 0;
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    if (!runIconv(handle, &in, &inLeft, out, produced) ||
        !runIconv(handle, nullptr, nullptr, out, produced))
        return std::nullopt;
    out.resize(produced);
    return out;
}

// glibc's MACINTOSH table differs from the platform's Mac OS Roman in two places: the
// platform has 0xC6 = U+2206 INCREMENT (glibc: U+0394) and 0xF0 = U+F8FF, the Apple logo
// (glibc: U+E01E). glibc's own characters still encode to those bytes.
constexpr std::array<std::pair<char16_t, char16_t>, 2> macOSRomanFixes{{
    {u'\u2206', u'\u0394'},
    {u'\uF8FF', u'\uE01E'},
}};

std::u16string_view toGlibcMacOSRoman(std::u16string_view text, String& storage) {
    const auto needsFix = [](char16_t unit) {
        return std::any_of(macOSRomanFixes.begin(), macOSRomanFixes.end(),
                           [unit](const auto& fix) { return fix.first == unit; });
    };
    if (std::none_of(text.begin(), text.end(), needsFix))
        return text;
    storage.assign(text);
    for (const auto& [platformUnit, glibcUnit] : macOSRomanFixes)
        std::replace(storage.begin(), storage.end(), platformUnit, glibcUnit);
    return storage;
}

void fromGlibcMacOSRoman(String& text) {
    for (const auto& [platformUnit, glibcUnit] : macOSRomanFixes)
        std::replace(text.begin(), text.end(), glibcUnit, platformUnit);
}

} // namespace

std::optional<std::string> encodeString(std::u16string_view text, StringEncoding encoding) {
    if (encoding == StringEncoding::UTF8)
        return toUtf8(text);
    String storage;
    if (encoding == StringEncoding::MacOSRoman)
        text = toGlibcMacOSRoman(text, storage);
    const std::string_view units(reinterpret_cast<const char*>(text.data()),
                                 text.size() * sizeof(char16_t));
    return convert(conversion(encoding, Direction::Encode), units, text.size());
}

std::optional<String> decodeString(std::string_view bytes, StringEncoding encoding) {
    if (encoding == StringEncoding::UTF8)
        return fromUtf8(bytes);
    const auto units =
        convert(conversion(encoding, Direction::Decode), bytes, bytes.size() * sizeof(char16_t));
    if (!units)
        return std::nullopt;
    String text(units->size() / sizeof(char16_t), u'\0');
    std::memcpy(text.data(), units->data(), text.size() * sizeof(char16_t));
    if (encoding == StringEncoding::MacOSRoman)
        fromGlibcMacOSRoman(text);
    return text;
}

} // namespace platform
