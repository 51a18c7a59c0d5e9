#pragma once

#include "platform/base/String.h"
#include "platform/base/StringEncoding.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>

namespace platform {

// The font table of an RTF document as the reader collects it: \fN starts an entry, its
// name runs to the semicolon.
class RTFFontTable {
public:
    struct Entry {
        String family;
        std::optional<StringEncoding> encoding; // of the font's \fcharset or \cpg
    };

    static constexpr std::size_t maxEntries = 4096;
    static constexpr std::size_t maxNameLength = 256;

    // Names and character sets count only within an entry.
    void beginEntry(std::int64_t number);
    void setCharset(std::int64_t charset);
    void setCodePage(std::int64_t codePage);
    void addNameCharacter(char16_t character);
    // Ends the entry being read, if any.
    void commit();

    // The encoding of the entry being read, for the bytes of its name.
    [[nodiscard]] std::optional<StringEncoding> pendingEncoding() const {
        return pending_.encoding;
    }
    // Null when the table has no such font.
    [[nodiscard]] const Entry* find(std::int64_t number) const;

private:
    std::map<std::int64_t, Entry> entries_;
    std::int64_t number_ = 0;
    Entry pending_;
    bool open_ = false;
};

} // namespace platform
