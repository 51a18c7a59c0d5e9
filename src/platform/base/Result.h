#pragma once

#include "platform/base/Error.h"

#include <tl/expected.hpp>
#include <utility>

namespace platform {

// A value, or the Error that kept it from being made; Result<> tells only whether the
// operation worked. tl::expected stands in for C++23's std::expected.
template <typename T = void> using Result = tl::expected<T, Error>;

// What a function that answers a Result returns on failure:
//     if (::fsync(fd) != 0)
//         return failure(Error::fromErrno(errno));
[[nodiscard]] inline tl::unexpected<Error> failure(Error error) {
    return tl::unexpected<Error>(std::move(error));
}
[[nodiscard]] inline tl::unexpected<Error> failure(String message) {
    return failure(Error{std::move(message), std::nullopt});
}

} // namespace platform
