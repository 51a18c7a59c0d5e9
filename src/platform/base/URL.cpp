#include "platform/base/URL.h"

#include "platform/base/AsciiCharacter.h"
#include "platform/base/HexDigit.h"
#include "platform/base/PosixPath.h"

#include <algorithm>
#include <arpa/inet.h>
#include <filesystem>
#include <system_error>

namespace platform {
namespace {

bool isHexDigit(char c) {
    return hexValue(c) >= 0;
}
bool isUnreserved(char c) {
    return isAsciiLetter(c) || isAsciiDigit(c) || c == '-' || c == '.' || c == '_' || c == '~';
}
bool isSubDelimiter(char c) {
    return std::string_view("!$&'()*+,;=").find(c) != std::string_view::npos;
}
bool isPathCharacter(char c) {
    return isUnreserved(c) || isSubDelimiter(c) || c == ':' || c == '@';
}
bool isSegmentOrSlash(char c) {
    return isPathCharacter(c) || c == '/';
}
bool isQueryCharacter(char c) {
    return isPathCharacter(c) || c == '/' || c == '?';
}
bool isUserInfoCharacter(char c) {
    return isUnreserved(c) || isSubDelimiter(c) || c == ':';
}
bool isRegNameCharacter(char c) {
    return isUnreserved(c) || isSubDelimiter(c);
}

// Every character passes `allowed`, and each "%" opens an escape of two hex digits.
template <typename Allowed> bool consistsOf(std::string_view text, Allowed allowed) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%') {
            if (i + 2 >= text.size() || !isHexDigit(text[i + 1]) || !isHexDigit(text[i + 2]))
                return false;
            i += 2;
        } else if (!allowed(text[i])) {
            return false;
        }
    }
    return true;
}

bool isScheme(std::string_view text) {
    if (text.empty() || !isAsciiLetter(text.front()))
        return false;
    for (const char c : text)
        if (!isAsciiLetter(c) && !isAsciiDigit(c) && c != '+' && c != '-' && c != '.')
            return false;
    return true;
}

bool isPort(std::string_view text) {
    for (const char c : text)
        if (!isAsciiDigit(c))
            return false;
    return true;
}

bool isIPvFuture(std::string_view text) {
    const auto dot = text.find('.');
    if (text.size() < 4 || (text[0] != 'v' && text[0] != 'V') || dot == std::string_view::npos ||
        dot < 2 || dot + 1 == text.size())
        return false;
    for (const char c : text.substr(1, dot - 1))
        if (!isHexDigit(c))
            return false;
    for (const char c : text.substr(dot + 1))
        if (!isUserInfoCharacter(c))
            return false;
    return true;
}

bool isIPLiteral(std::string_view text) {
    if (isIPvFuture(text))
        return true;
    in6_addr address{};
    return inet_pton(AF_INET6, std::string(text).c_str(), &address) == 1;
}

// The escapes are known to be well-formed: the parser let them in.
std::string percentDecoded(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%') {
            out.push_back(static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2])));
            i += 2;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

std::string percentEncoded(std::string_view bytes, const URL::AllowedCharacters& allowed) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 128 && allowed[byte]) {
            out.push_back(c);
        } else {
            out.push_back('%');
            out.push_back(hex[byte >> 4]);
            out.push_back(hex[byte & 0xF]);
        }
    }
    return out;
}

template <typename Member> URL::AllowedCharacters characterSet(Member member) {
    URL::AllowedCharacters set;
    for (std::size_t c = 0; c < set.size(); ++c)
        set[c] = member(static_cast<char>(c));
    return set;
}

const URL::AllowedCharacters& pathAllowedCharacters() {
    static const auto set = characterSet(isSegmentOrSlash);
    return set;
}

String widened(std::string_view ascii) {
    return String(ascii.begin(), ascii.end());
}

std::optional<std::string> currentDirectory() {
    std::error_code error;
    auto directory = std::filesystem::current_path(error);
    if (error)
        return std::nullopt;
    return directory.native();
}

} // namespace

std::optional<URL> URL::URLWithString(const String& string) {
    std::string text;
    text.reserve(string.size());
    for (const char16_t unit : string) {
        if (unit >= 128)
            return std::nullopt;
        text.push_back(static_cast<char>(unit));
    }
    return parse(std::move(text));
}

std::optional<URL> URL::parse(std::string text) {
    const std::string_view all(text);
    URL url;
    url.schemeEnd_ = all.find(':');
    if (url.schemeEnd_ == std::string_view::npos || !isScheme(all.substr(0, url.schemeEnd_)))
        return std::nullopt;

    const auto fragment = std::min(all.find('#', url.schemeEnd_), all.size());
    const auto hierEnd = std::min(all.find('?', url.schemeEnd_), fragment);
    if (hierEnd < fragment &&
        !consistsOf(all.substr(hierEnd + 1, fragment - hierEnd - 1), isQueryCharacter))
        return std::nullopt;
    if (fragment < all.size() && !consistsOf(all.substr(fragment + 1), isQueryCharacter))
        return std::nullopt;

    url.path_ = {url.schemeEnd_ + 1, hierEnd};
    if (all.substr(url.path_.begin, 2) == "//") {
        const auto authorityBegin = url.path_.begin + 2;
        const auto authorityEnd = std::min(all.find('/', authorityBegin), hierEnd);
        url.host_ = parseAuthority(all, {authorityBegin, authorityEnd});
        if (!url.host_)
            return std::nullopt;
        url.path_.begin = authorityEnd;
    }
    if (!consistsOf(all.substr(url.path_.begin, url.path_.end - url.path_.begin), isSegmentOrSlash))
        return std::nullopt;
    url.text_ = std::move(text);
    return url;
}

// The host's span within the authority [userinfo "@"] host [":" port].
std::optional<URL::Span> URL::parseAuthority(std::string_view text, Span authority) {
    auto rest = text.substr(authority.begin, authority.end - authority.begin);
    auto hostBegin = authority.begin;
    if (const auto at = rest.find('@'); at != std::string_view::npos) {
        if (!consistsOf(rest.substr(0, at), isUserInfoCharacter))
            return std::nullopt;
        hostBegin += at + 1;
        rest.remove_prefix(at + 1);
    }
    Span host{hostBegin, hostBegin};
    if (rest.starts_with('[')) {
        const auto close = rest.find(']');
        if (close == std::string_view::npos || !isIPLiteral(rest.substr(1, close - 1)))
            return std::nullopt;
        host = {hostBegin + 1, hostBegin + close};
        rest.remove_prefix(close + 1);
    } else {
        const auto colon = std::min(rest.find(':'), rest.size());
        if (!consistsOf(rest.substr(0, colon), isRegNameCharacter))
            return std::nullopt;
        host.end = hostBegin + colon;
        rest.remove_prefix(colon);
    }
    if (!rest.empty() && (rest.front() != ':' || !isPort(rest.substr(1))))
        return std::nullopt;
    return host;
}

std::optional<URL> URL::fileURLWithPath(const String& path) {
    auto bytes = posixPath(path);
    if (!bytes)
        return std::nullopt;
    if (bytes->front() != '/') {
        auto directory = currentDirectory();
        if (!directory)
            return std::nullopt;
        if (!directory->ends_with('/'))
            directory->push_back('/');
        bytes = *directory + *bytes;
    }
    return parse("file://" + percentEncoded(*bytes, pathAllowedCharacters()));
}

const URL::AllowedCharacters& URL::URLQueryAllowedCharacterSet() {
    static const auto set = characterSet(isQueryCharacter);
    return set;
}

std::optional<String>
URL::stringByAddingPercentEncodingWithAllowedCharacters(std::u16string_view text,
                                                        const AllowedCharacters& allowed) {
    const auto bytes = toUtf8(text);
    if (!bytes)
        return std::nullopt;
    return widened(percentEncoded(*bytes, allowed));
}

String URL::absoluteString() const {
    return widened(text_);
}

String URL::scheme() const {
    return widened(std::string_view(text_).substr(0, schemeEnd_));
}

std::optional<String> URL::host() const {
    if (!host_ || host_->begin == host_->end)
        return std::nullopt;
    return fromUtf8(
        percentDecoded(std::string_view(text_).substr(host_->begin, host_->end - host_->begin)));
}

std::optional<String> URL::path() const {
    return fromUtf8(
        percentDecoded(std::string_view(text_).substr(path_.begin, path_.end - path_.begin)));
}

std::optional<String> URL::lastPathComponent() const {
    auto components = path();
    if (!components)
        return std::nullopt;
    String& text = *components;
    while (text.size() > 1 && text.back() == u'/')
        text.pop_back();
    if (text == u"/")
        return text;
    const auto slash = text.rfind(u'/');
    return slash == String::npos ? text : text.substr(slash + 1);
}

bool URL::isFileURL() const {
    return equalsIgnoringAsciiCase(std::string_view(text_).substr(0, schemeEnd_), "file");
}

bool URL::isHTTPURL() const {
    const auto scheme = std::string_view(text_).substr(0, schemeEnd_);
    return equalsIgnoringAsciiCase(scheme, "http") || equalsIgnoringAsciiCase(scheme, "https");
}

} // namespace platform
