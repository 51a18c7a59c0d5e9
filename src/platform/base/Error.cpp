#include "platform/base/Error.h"

#include "platform/base/StringEncoding.h"
#include "platform/base/SystemError.h"

namespace platform {

Error Error::fromErrno(int error) {
    return {systemErrorText(error), error};
}

Error Error::fromUtf8(std::string_view message) {
    if (auto decoded = platform::fromUtf8(message))
        return {std::move(*decoded), std::nullopt};
    return {decodeString(message, StringEncoding::ISOLatin1).value_or(u"Unknown error"),
            std::nullopt};
}

} // namespace platform
