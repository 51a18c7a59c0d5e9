#include "platform/text/RTFCodePage.h"

#include <algorithm>
#include <array>
#include <mutex>
#include <utility>
#include <vector>

namespace platform {
namespace {

constexpr std::size_t encodingCount = static_cast<std::size_t>(StringEncoding::DOSLatin1) + 1;

using ByteTable = std::array<char16_t, 256>;

ByteTable buildTable(StringEncoding encoding) {
    ByteTable table{};
    for (std::size_t byte = 0; byte < table.size(); ++byte) {
        const char bytes[] = {static_cast<char>(byte)};
        const auto decoded = decodeString({bytes, 1}, encoding);
        table[byte] = decoded && decoded->size() == 1 ? (*decoded)[0] : static_cast<char16_t>(byte);
    }
    return table;
}

const ByteTable& tableFor(StringEncoding encoding) {
    static std::array<ByteTable, encodingCount> tables;
    static std::array<std::once_flag, encodingCount> built;
    const auto index = static_cast<std::size_t>(encoding);
    std::call_once(built[index], [&] { tables[index] = buildTable(encoding); });
    return tables[index];
}

using Reverse = std::vector<std::pair<char16_t, std::uint8_t>>;

Reverse buildWindowsLatin1Reverse() {
    const ByteTable& table = tableFor(StringEncoding::WindowsLatin1);
    Reverse reverse;
    for (std::size_t byte = 0x80; byte < table.size(); ++byte)
        if (table[byte] > 0x9F) // the bytes the code page lacks stand for C1 controls
            reverse.emplace_back(table[byte], static_cast<std::uint8_t>(byte));
    std::sort(reverse.begin(), reverse.end());
    return reverse;
}

} // namespace

std::optional<StringEncoding> RTFCodePage::forCodePage(std::int64_t number) {
    switch (number) {
    case 437:
        return StringEncoding::DOSLatinUS;
    case 850:
        return StringEncoding::DOSLatin1;
    case 1250:
        return StringEncoding::WindowsLatin2;
    case 1251:
        return StringEncoding::WindowsCyrillic;
    case 1252:
        return StringEncoding::WindowsLatin1;
    case 1253:
        return StringEncoding::WindowsGreek;
    case 1254:
        return StringEncoding::WindowsLatin5;
    case 1255:
        return StringEncoding::WindowsHebrew;
    case 1256:
        return StringEncoding::WindowsArabic;
    case 1257:
        return StringEncoding::WindowsBalticRim;
    case 1258:
        return StringEncoding::WindowsVietnamese;
    case 10000:
        return StringEncoding::MacOSRoman;
    case 28591:
        return StringEncoding::ISOLatin1;
    default:
        return std::nullopt;
    }
}

std::optional<StringEncoding> RTFCodePage::forCharset(std::int64_t charset) {
    switch (charset) {
    case 0: // ANSI
        return StringEncoding::WindowsLatin1;
    case 77: // Mac
        return StringEncoding::MacOSRoman;
    case 161:
        return StringEncoding::WindowsGreek;
    case 162:
        return StringEncoding::WindowsLatin5;
    case 163:
        return StringEncoding::WindowsVietnamese;
    case 177:
        return StringEncoding::WindowsHebrew;
    case 178:
        return StringEncoding::WindowsArabic;
    case 186:
        return StringEncoding::WindowsBalticRim;
    case 204:
        return StringEncoding::WindowsCyrillic;
    case 238:
        return StringEncoding::WindowsLatin2;
    case 255: // OEM
        return StringEncoding::DOSLatinUS;
    default:
        return std::nullopt;
    }
}

char16_t RTFCodePage::decode(StringEncoding encoding, std::uint8_t byte) {
    return tableFor(encoding)[byte];
}

std::optional<std::uint8_t> RTFCodePage::encodeWindowsLatin1(char16_t character) {
    static const Reverse reverse = buildWindowsLatin1Reverse();
    const auto found = std::lower_bound(reverse.begin(), reverse.end(),
                                        std::pair<char16_t, std::uint8_t>{character, 0});
    if (found == reverse.end() || found->first != character)
        return std::nullopt;
    return found->second;
}

} // namespace platform
