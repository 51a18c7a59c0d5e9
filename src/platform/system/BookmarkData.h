#pragma once

#include "platform/base/Data.h"
#include "platform/base/Result.h"
#include "platform/base/URL.h"
#include "platform/system/BookmarkOptions.h"

#include <cstdint>
#include <optional>

namespace platform {

// Bookmark data of files: made from a file URL and resolved back to one in a later run.
// The data is a BookmarkRecord; to the program it is opaque.
//
// Resolving never opens the file or anything else that could block: it looks at the path
// (stat) and, failing that, at the entries of the recorded folder (lstat of each), and
// takes only regular files. A file renamed in its folder is found by its device, inode, size
// and modification time, and the data is then stale; a file moved to another folder is not
// followed.
class BookmarkData {
public:
    // Data for the regular file at a file URL (BookmarkOptions' creation bits), made relative
    // to a document's file URL or to nothing. Fails for anything but a regular file that can
    // be looked at.
    [[nodiscard]] static Result<Data>
    bookmarkDataWithOptions(const URL& url, std::uint64_t options,
                            const std::optional<URL>& relativeToURL);

    // The file's URL. `bookmarkDataIsStale` is set when the file had to be found again, so
    // that the caller stores fresh data. Data made relative to a document resolves only
    // relative to that document's URL, other data only relative to nothing. With the
    // security scope (BookmarkOptions' resolution bit) the URL is granted the bookmark's
    // access in the shared FileAccess.
    [[nodiscard]] static Result<URL>
    URLByResolvingBookmarkData(const Data& data, std::uint64_t options,
                               const std::optional<URL>& relativeToURL, bool& bookmarkDataIsStale);
};

} // namespace platform
