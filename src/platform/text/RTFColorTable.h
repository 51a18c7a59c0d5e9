#pragma once

#include "platform/text/Color.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace platform {

// The colour table of an RTF document as the reader collects it: each entry ends at a
// semicolon; an entry without components is the automatic colour (none).
class RTFColorTable {
public:
    static constexpr std::size_t maxEntries = 32768;

    void setRed(std::int64_t value);
    void setGreen(std::int64_t value);
    void setBlue(std::int64_t value);
    void commit();

    // None for the automatic colour and for an index past the table.
    [[nodiscard]] std::optional<Color> at(std::int64_t index) const;

private:
    static std::uint8_t component(std::int64_t value);

    std::vector<std::optional<Color>> entries_;
    Color pending_;
    bool hasPending_ = false;
};

} // namespace platform
