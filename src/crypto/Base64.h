#pragma once

#include "platform/base/Data.h"
#include "platform/base/String.h"
#include "platform/security/Base64Transform.h"

#include <memory>
#include <optional>

// Base64 (RFC 4648, standard alphabet, padded) of data objects. Encoded text has no line
// breaks; decoding also takes text broken into lines. Nothing is reported: every failure,
// and text that is not pure ASCII, gives none.
class Base64 {
public:
    [[nodiscard]] static std::optional<platform::String>
    base64EncodedString(const platform::Data& data);
    [[nodiscard]] static std::optional<platform::String> base64enc(const platform::Data& data);

    [[nodiscard]] static std::optional<platform::Data>
    dataFromBase64String(const platform::String& string);
    [[nodiscard]] static std::optional<platform::Data>
    dataWithBase64EncodedString(const platform::String& string);
    // Decodes, despite its name.
    [[nodiscard]] static std::optional<platform::Data>
    dataBase64enc(const platform::String& string);
    [[nodiscard]] static std::optional<platform::Data>
    transformExecuter(std::optional<platform::Data> data,
                      const std::shared_ptr<platform::Base64Transform>& transform);
    [[nodiscard]] static std::optional<platform::Data> base64dec(const platform::String& string);
};
