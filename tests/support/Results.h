#pragma once

#include "platform/base/Result.h"

#include <string>

namespace testsupport {

// A failed result's message in UTF-8, for assertions and their output; empty on success.
template <typename T> std::string messageOf(const platform::Result<T>& result) {
    return result ? std::string() : platform::toUtf8Lossy(result.error().message);
}

} // namespace testsupport
