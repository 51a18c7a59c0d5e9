#pragma once

#include "platform/base/Data.h"

#include <memory>
#include <optional>

namespace platform {

// A Base64 transform (RFC 4648, standard alphabet). The encoder writes padded text
// without line breaks; the decoder takes that text, also broken into lines, and gives
// none for anything else.
class Base64Transform {
public:
    enum class Direction { encode, decode };

    [[nodiscard]] static std::shared_ptr<Base64Transform> create(Direction direction);

    explicit Base64Transform(Direction direction) : direction_(direction) {}

    // Refuses a missing input.
    [[nodiscard]] bool setInput(std::optional<Data> input);

    // None without an input, or when the input is not valid Base64 text.
    [[nodiscard]] std::optional<Data> execute() const;

private:
    Direction direction_;
    std::optional<Data> input_;
};

} // namespace platform
