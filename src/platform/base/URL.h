#pragma once

#include "platform/base/String.h"

#include <bitset>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// An absolute URI in the grammar of RFC 3986: a scheme, the hierarchical part (with an
// authority after "//", or a bare path as in mailto:), an optional query and fragment.
// Relative references are refused, since nothing resolves them against a base.
class URL {
public:
    // The ASCII characters that percent-encoding leaves as they stand.
    using AllowedCharacters = std::bitset<128>;

    // None for what the grammar refuses: the empty string, a missing scheme, a space or any
    // other character that a URL holds only escaped, a malformed escape or authority.
    [[nodiscard]] static std::optional<URL> URLWithString(const String& string);

    // A relative path is taken from the current directory. None for the empty path and for
    // one that has no POSIX form (a lone surrogate, a NUL).
    [[nodiscard]] static std::optional<URL> fileURLWithPath(const String& path);

    // Letters, digits, - . _ ~ ! $ & ' ( ) * + , ; = : @ / ?
    [[nodiscard]] static const AllowedCharacters& URLQueryAllowedCharacterSet();

    // Every character outside the set becomes the %XX escapes (upper-case) of its UTF-8
    // bytes. None when the text holds a lone surrogate.
    [[nodiscard]] static std::optional<String>
    stringByAddingPercentEncodingWithAllowedCharacters(std::u16string_view text,
                                                       const AllowedCharacters& allowed);

    [[nodiscard]] String absoluteString() const;
    // As written; compare it without regard to case.
    [[nodiscard]] String scheme() const;
    // Percent-decoded, an IP literal without its brackets. None without an authority and
    // for an empty host (file:///tmp).
    [[nodiscard]] std::optional<String> host() const;
    // Percent-decoded. None when the decoded bytes are no UTF-8.
    [[nodiscard]] std::optional<String> path() const;
    // The last component of path(), trailing slashes aside; "/" for the root.
    [[nodiscard]] std::optional<String> lastPathComponent() const;
    [[nodiscard]] bool isFileURL() const;
    // http: or https:, in either case.
    [[nodiscard]] bool isHTTPURL() const;

    bool operator==(const URL&) const = default;

private:
    struct Span {
        std::size_t begin = 0;
        std::size_t end = 0;
        bool operator==(const Span&) const = default;
    };

    static std::optional<URL> parse(std::string text);
    static std::optional<Span> parseAuthority(std::string_view text, Span authority);

    std::string text_; // ASCII only: whatever else a URL holds is escaped
    std::size_t schemeEnd_ = 0;
    std::optional<Span> host_;
    Span path_;
};

} // namespace platform
