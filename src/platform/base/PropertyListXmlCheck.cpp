#include "platform/base/PropertyListXmlCheck.h"

#include "platform/base/PropertyListLimits.h"

#include <string_view>

namespace platform {
namespace {

constexpr auto npos = std::string_view::npos;

struct Markup {
    std::string_view opening;
    std::string_view closing;
};

// Markup that holds no elements; the DOCTYPE comes last, as "<!" opens the others too.
constexpr Markup skipped[] = {{"<!--", "-->"}, {"<![CDATA[", "]]>"}, {"<?", "?>"}, {"<!", ">"}};

// Where the markup or tag that opens at `position` ends; npos when it never does.
std::size_t endOf(std::string_view text, std::size_t position, bool& isTag) {
    const std::string_view rest = text.substr(position);
    for (const auto& markup : skipped) {
        if (rest.starts_with(markup.opening)) {
            isTag = false;
            const auto end = text.find(markup.closing, position + markup.opening.size());
            return end == npos ? npos : end + markup.closing.size();
        }
    }
    isTag = true;
    const auto end = text.find('>', position);
    return end == npos ? npos : end + 1;
}

class Counter {
public:
    explicit Counter(std::string& reason) : reason_(reason) {}

    // A tag from "<" to ">": an end tag, an empty element or a start tag.
    bool count(std::string_view tag) {
        if (tag.starts_with("</")) {
            depth_ -= depth_ > 0 ? 1 : 0;
            return true;
        }
        if (++elements_ > PropertyListLimits::maximumElements + 1)
            return fail("of more than " + std::to_string(PropertyListLimits::maximumElements) +
                        " elements");
        const bool empty = tag.ends_with("/>");
        // The <plist> element around the value is one level more.
        if (!empty && ++depth_ > PropertyListLimits::maximumDepth + 1)
            return fail("nested deeper than " + std::to_string(PropertyListLimits::maximumDepth) +
                        " levels");
        return true;
    }

private:
    bool fail(const std::string& why) {
        reason_ = "XML property list " + why;
        return false;
    }

    std::string& reason_;
    std::size_t depth_ = 0;
    std::size_t elements_ = 0;
};

} // namespace

Result<> PropertyListXmlCheck::check(const Data& bytes) {
    const std::string_view text = bytesOf(bytes);
    std::string reason;
    Counter counter(reason);
    for (auto position = text.find('<'); position != npos; position = text.find('<', position)) {
        bool isTag = false;
        const auto end = endOf(text, position, isTag);
        if (end == npos)
            return failure(u"damaged XML property list: unterminated markup");
        if (isTag && !counter.count(text.substr(position, end - position)))
            return failure(Error::fromUtf8(reason));
        position = end;
    }
    return {};
}

} // namespace platform
