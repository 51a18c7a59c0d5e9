#pragma once

#include "platform/base/Data.h"
#include "platform/base/Result.h"
#include "platform/base/String.h"
#include "platform/base/Value.h"

namespace platform {

// The settings as the bytes of their file: an XML property list, which a person can read.
// Numbers come back in the narrowest kind that holds them exactly (a 32-bit integer, a
// float), since the list itself keeps no width; dates come back to the whole second.
class SettingsCoding {
public:
    [[nodiscard]] static Result<Data> encode(const Dictionary& settings);

    // Binary lists are read too. Fails when the bytes are no property list or hold no
    // dictionary.
    [[nodiscard]] static Result<Dictionary> decode(const Data& bytes);

    // Whether the file can keep the value under the key and give it back as it is.
    [[nodiscard]] static Result<> canKeep(const String& key, const Value& value);
};

} // namespace platform
