#include "platform/text/TextAttributes.h"

namespace platform {
namespace {

template <typename T>
bool sameValue(const std::shared_ptr<const T>& left, const std::shared_ptr<const T>& right) {
    if (left == right)
        return true;
    return left && right && *left == *right;
}

} // namespace

bool TextAttributes::operator==(const TextAttributes& other) const {
    return font == other.font && underline == other.underline &&
           strikethrough == other.strikethrough && foregroundColor == other.foregroundColor &&
           backgroundColor == other.backgroundColor && sameValue(link, other.link) &&
           sameValue(paragraphStyle, other.paragraphStyle) &&
           sameValue(attachment, other.attachment);
}

} // namespace platform
