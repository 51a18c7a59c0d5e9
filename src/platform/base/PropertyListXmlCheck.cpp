#include "platform/base/PropertyListXmlCheck.h"

#include "platform/base/PropertyListLimits.h"

#include <string_view>

namespace platform {
namespace {

struct Skipped {
    std::string_view opening;
    std::string_view closing;
};

// Markup that holds no elements; the DOCTYPE comes last, as "<!" opens the others too.
constexpr Skipped skipped[] = {{"<!--", "-->"}, {"<![CDATA[", "]]>"}, {"<?", "?>"}, {"<!", ">"}};

} // namespace

bool PropertyListXmlCheck::check(const Data& bytes, std::string& reason) {
    const std::string_view text = bytesOf(bytes);
    // The <plist> element around the value is one level more.
    constexpr std::size_t maximumDepth = PropertyListLimits::maximumDepth + 1;
    std::size_t depth = 0;
    std::size_t elements = 0;
    std::size_t position = text.find('<');
    while (position != std::string_view::npos) {
        const std::string_view rest = text.substr(position);
        std::size_t end = std::string_view::npos;
        for (const auto& markup : skipped) {
            if (rest.starts_with(markup.opening)) {
                end = text.find(markup.closing, position + markup.opening.size());
                if (end == std::string_view::npos) {
                    reason = "damaged XML property list: unterminated markup";
                    return false;
                }
                end += markup.closing.size();
                break;
            }
        }
        if (end == std::string_view::npos) {
            end = text.find('>', position);
            if (end == std::string_view::npos) {
                reason = "damaged XML property list: unterminated tag";
                return false;
            }
            if (rest.starts_with("</")) {
                depth -= depth > 0 ? 1 : 0;
            } else {
                const bool empty = text[end - 1] == '/';
                if (++elements > PropertyListLimits::maximumElements + 1) {
                    reason = "XML property list of more than " +
                             std::to_string(PropertyListLimits::maximumElements) + " elements";
                    return false;
                }
                if (!empty && ++depth > maximumDepth) {
                    reason = "XML property list nested deeper than " +
                             std::to_string(PropertyListLimits::maximumDepth) + " levels";
                    return false;
                }
            }
            ++end;
        }
        position = text.find('<', end);
    }
    return true;
}

} // namespace platform
