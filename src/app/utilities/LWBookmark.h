#pragma once

#include "platform/base/Data.h"
#include "platform/base/URL.h"

#include <optional>

// Bookmarks of files, kept in the settings so that a file chosen once can be opened again in
// a later run: read-only or read-write, standing alone or relative to a document, and their
// resolvers. Every operation gives none when the bookmark cannot be made or resolved; the
// reason is dropped. Starting and stopping access on a resolved URL is the caller's work
// (platform::FileAccess).
class LWBookmark {
public:
    LWBookmark() = delete;

    [[nodiscard]] static std::optional<platform::Data> bookmarkForURL_RO(const platform::URL& url);
    [[nodiscard]] static std::optional<platform::Data> bookmarkForURL_RW(const platform::URL& url);
    // Always writes `isStale`: true when the bookmark resolved but should be made again.
    [[nodiscard]] static std::optional<platform::URL>
    urlForBookmark(const std::optional<platform::Data>& bookmark, bool& isStale);

    [[nodiscard]] static std::optional<platform::Data>
    docBookmarkForURL_RO(const platform::URL& url, const platform::URL& docUrl);
    [[nodiscard]] static std::optional<platform::Data>
    docBookmarkForURL_RW(const platform::URL& url, const platform::URL& docUrl);
    [[nodiscard]] static std::optional<platform::URL>
    urlForDocBookmark(const std::optional<platform::Data>& bookmark, const platform::URL& docUrl,
                      bool& isStale);

private:
    [[nodiscard]] static std::optional<platform::Data>
    make(const platform::URL& url, std::uint64_t options,
         const std::optional<platform::URL>& relativeTo);
    [[nodiscard]] static std::optional<platform::URL>
    resolve(const std::optional<platform::Data>& bookmark,
            const std::optional<platform::URL>& relativeTo, bool& isStale);
};
