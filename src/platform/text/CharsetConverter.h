#pragma once

#include "platform/base/String.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Text between the platform's strings and a character set that iconv knows by name
// ("ISO8859-1", "KOI8-R"). Conversions are exact: a character without a form in the set,
// or bytes without a meaning in it, give none. Not for use from two threads at once.
class CharsetConverter {
public:
    // None when iconv knows no such set.
    [[nodiscard]] static std::unique_ptr<CharsetConverter> forCharset(const std::string& name);
    ~CharsetConverter();
    CharsetConverter(const CharsetConverter&) = delete;
    CharsetConverter& operator=(const CharsetConverter&) = delete;

    [[nodiscard]] std::optional<std::string> encode(std::u16string_view text) const;
    [[nodiscard]] std::optional<String> decode(std::string_view bytes) const;

private:
    struct Descriptors;
    explicit CharsetConverter(std::unique_ptr<Descriptors> descriptors);

    std::unique_ptr<Descriptors> descriptors_;
};

} // namespace platform
