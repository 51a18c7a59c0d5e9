#pragma once

#include "platform/base/Data.h"
#include "platform/base/Result.h"
#include "platform/base/String.h"
#include "platform/system/FileIdentity.h"

#include <cstdint>
#include <optional>

namespace platform {

// The contents of our bookmark data: a binary property list of one dictionary that names a
// regular file by its absolute path and its identity when the bookmark was made. Reading is
// reading outside data (the settings can hold anything): whatever is not exactly such a
// record of this format version is refused with the reason.
struct BookmarkRecord {
    static constexpr const char16_t* kindMarker = u"org.sealscribe.file-bookmark";
    static constexpr std::int64_t formatVersion = 1;

    String path; // absolute, usable as a POSIX path
    FileIdentity identity;
    bool readOnly = false;
    // Set for a bookmark made relative to a document: it resolves only for that document.
    std::optional<String> documentPath;

    [[nodiscard]] static Result<BookmarkRecord> read(const Data& data);
    [[nodiscard]] Result<Data> write() const;

    // An absolute path that can name a file: no NUL, no lone surrogate, not a folder's form
    // with a trailing slash.
    [[nodiscard]] static bool isUsablePath(const String& path);

    bool operator==(const BookmarkRecord&) const = default;
};

} // namespace platform
