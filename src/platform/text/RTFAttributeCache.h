#pragma once

#include "platform/text/RTFColorTable.h"
#include "platform/text/RTFFontTable.h"
#include "platform/text/RTFGroupState.h"
#include "platform/text/TextAttributes.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <unordered_map>

namespace platform {

// The attributes of the RTF reader's group states, made once for each formatting the
// document uses, so that its runs share them.
class RTFAttributeCache {
public:
    static constexpr std::size_t maxEntries = 4096;

    // The state keeps what it is given until its formatting changes.
    [[nodiscard]] const std::shared_ptr<const TextAttributes>&
    attributesOf(RTFGroupState& state, const RTFFontTable& fonts, const RTFColorTable& colors,
                 std::int64_t defaultFont);

    // For a change of the tables, which changes what a formatting means.
    void clear() { entries_.clear(); }

private:
    struct Key {
        bool fontSet;
        bool bold;
        bool italic;
        bool underline;
        bool strikethrough;
        std::int32_t halfPoints;
        std::int64_t fontNumber;
        std::int64_t foreground;
        std::int64_t background;
        const void* link;
        const void* paragraph;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& key) const;
    };

    [[nodiscard]] static std::shared_ptr<const TextAttributes> make(const RTFGroupState& state,
                                                                    const RTFFontTable& fonts,
                                                                    const RTFColorTable& colors,
                                                                    std::int64_t defaultFont);

    std::unordered_map<Key, std::shared_ptr<const TextAttributes>, KeyHash> entries_;
};

} // namespace platform
