#include "app/utilities/LWBookmark.h"

#include "platform/system/BookmarkData.h"
#include "platform/system/BookmarkOptions.h"

using platform::BookmarkData;
using platform::BookmarkOptions;
using platform::Data;
using platform::URL;

namespace {

constexpr std::uint64_t readOnlyOptions = BookmarkOptions::creationWithSecurityScope |
                                          BookmarkOptions::creationSecurityScopeAllowOnlyReadAccess;
constexpr std::uint64_t readWriteOptions = BookmarkOptions::creationWithSecurityScope;

} // namespace

std::optional<Data> LWBookmark::bookmarkForURL_RO(const URL& url) {
    return make(url, readOnlyOptions, std::nullopt);
}

std::optional<Data> LWBookmark::bookmarkForURL_RW(const URL& url) {
    return make(url, readWriteOptions, std::nullopt);
}

std::optional<URL> LWBookmark::urlForBookmark(const std::optional<Data>& bookmark, bool& isStale) {
    return resolve(bookmark, std::nullopt, isStale);
}

std::optional<Data> LWBookmark::docBookmarkForURL_RO(const URL& url, const URL& docUrl) {
    return make(url, readOnlyOptions, docUrl);
}

std::optional<Data> LWBookmark::docBookmarkForURL_RW(const URL& url, const URL& docUrl) {
    return make(url, readWriteOptions, docUrl);
}

std::optional<URL> LWBookmark::urlForDocBookmark(const std::optional<Data>& bookmark,
                                                 const URL& docUrl, bool& isStale) {
    return resolve(bookmark, docUrl, isStale);
}

std::optional<Data> LWBookmark::make(const URL& url, std::uint64_t options,
                                     const std::optional<URL>& relativeTo) {
    auto data = BookmarkData::bookmarkDataWithOptions(url, options, relativeTo);
    if (!data)
        return std::nullopt;
    return std::move(*data);
}

std::optional<URL> LWBookmark::resolve(const std::optional<Data>& bookmark,
                                       const std::optional<URL>& relativeTo, bool& isStale) {
    isStale = false;
    if (!bookmark)
        return std::nullopt;
    auto url = BookmarkData::URLByResolvingBookmarkData(
        *bookmark, BookmarkOptions::resolutionWithSecurityScope, relativeTo, isStale);
    if (!url)
        return std::nullopt;
    return *url;
}
