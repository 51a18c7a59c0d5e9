#include "platform/base/SystemError.h"

#include "platform/base/StringEncoding.h"

#include <system_error>

namespace platform {

String systemErrorText(int error) {
    const std::string text = std::generic_category().message(error);
    if (auto decoded = fromUtf8(text))
        return *decoded;
    // A locale of another character set: its letters still read better than nothing.
    return decodeString(text, StringEncoding::ISOLatin1).value_or(u"Unknown error");
}

} // namespace platform
