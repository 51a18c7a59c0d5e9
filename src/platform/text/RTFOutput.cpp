#include "platform/text/RTFOutput.h"

#include "platform/text/RTFCodePage.h"

#include <array>
#include <charconv>
#include <utility>

namespace platform {
namespace {

constexpr char hexDigits[] = "0123456789abcdef";
constexpr std::size_t hexLineLength = 128;

bool isPlainText(char16_t unit) {
    return unit >= 0x20 && unit < 0x7F && unit != u'\\' && unit != u'{' && unit != u'}';
}

} // namespace

RTFOutput::RTFOutput(std::size_t expectedSize) {
    bytes_.reserve(expectedSize);
}

void RTFOutput::word(std::string_view name) {
    put('\\');
    put(name);
    afterWord_ = true;
}

void RTFOutput::word(std::string_view name, std::int64_t parameter) {
    word(name);
    number(parameter);
}

void RTFOutput::raw(std::string_view bytes) {
    put(bytes);
    afterWord_ = false;
}

void RTFOutput::text(std::u16string_view text) {
    for (const char16_t unit : text) {
        if (isPlainText(unit)) {
            if (std::exchange(afterWord_, false))
                put(' ');
            put(static_cast<char>(unit));
            continue;
        }
        textCharacter(unit);
    }
}

void RTFOutput::literal(std::u16string_view text) {
    for (const char16_t unit : text) {
        if (unit == u';') {
            raw("\\'3b");
        } else if (isPlainText(unit)) {
            if (std::exchange(afterWord_, false))
                put(' ');
            put(static_cast<char>(unit));
        } else if (unit == u'\\' || unit == u'{' || unit == u'}') {
            symbol(static_cast<char>(unit));
        } else {
            unicode(unit);
        }
    }
}

void RTFOutput::hex(std::string_view bytes) {
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        const auto byte = static_cast<std::uint8_t>(bytes[at]);
        put(hexDigits[byte >> 4]);
        put(hexDigits[byte & 0xF]);
        if ((at + 1) % (hexLineLength / 2) == 0)
            put('\n');
    }
    afterWord_ = false;
}

void RTFOutput::symbol(char escaped) {
    put('\\');
    put(escaped);
    afterWord_ = false;
}

void RTFOutput::textCharacter(char16_t unit) {
    switch (unit) {
    case u'\n':
        raw("\\par\n");
        break;
    case u'\t':
        word("tab");
        break;
    case u'\u2028':
        word("line");
        break;
    case u'\\':
    case u'{':
    case u'}':
        symbol(static_cast<char>(unit));
        break;
    default:
        unicode(unit);
        break;
    }
}

// \uN takes a signed 16-bit number; its one fallback byte is the Windows Latin 1 form
// where there is one.
void RTFOutput::unicode(char16_t unit) {
    word("u", static_cast<std::int16_t>(unit));
    if (const auto byte = RTFCodePage::encodeWindowsLatin1(unit)) {
        const char escape[] = {'\\', '\'', hexDigits[*byte >> 4], hexDigits[*byte & 0xF]};
        raw({escape, sizeof escape});
    } else {
        raw("?");
    }
}

void RTFOutput::number(std::int64_t value) {
    std::array<char, 24> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    put(std::string_view(digits.data(), static_cast<std::size_t>(result.ptr - digits.data())));
}

} // namespace platform
