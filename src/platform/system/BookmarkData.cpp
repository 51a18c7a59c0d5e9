#include "platform/system/BookmarkData.h"

#include "platform/base/FileDescriptor.h"
#include "platform/base/PosixPath.h"
#include "platform/system/BookmarkRecord.h"
#include "platform/system/FileAccess.h"
#include "platform/system/FileIdentity.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>

namespace platform {
namespace {

constexpr const char16_t* fileNotFound = u"The bookmarked file cannot be found.";

// The absolute path of a file URL, when it can name a file.
std::optional<String> filePath(const URL& url) {
    auto path = url.isFileURL() ? url.path() : std::nullopt;
    if (!path || !BookmarkRecord::isUsablePath(*path))
        return std::nullopt;
    return path;
}

struct DirectoryCloser {
    void operator()(DIR* directory) const { ::closedir(directory); }
};

// The name of the regular file in the folder with that identity. The folder is opened as a
// directory only (O_DIRECTORY refuses anything else before it is opened), and its entries are
// looked at, never opened.
std::optional<std::string> renamedFile(const std::string& folder, const FileIdentity& identity) {
    const int fd =
        ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return std::nullopt;
    const std::unique_ptr<DIR, DirectoryCloser> directory(::fdopendir(fd));
    if (!directory) {
        ::close(fd);
        return std::nullopt;
    }
    while (const dirent* entry = ::readdir(directory.get())) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        struct stat status {};
        if (::fstatat(fd, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            FileIdentity::ofRegularFile(status) == identity)
            return std::string(name);
    }
    return std::nullopt;
}

Result<> checkRelation(const BookmarkRecord& record, const std::optional<URL>& relativeToURL) {
    if (!record.documentPath && !relativeToURL)
        return {};
    const auto documentPath = relativeToURL ? filePath(*relativeToURL) : std::nullopt;
    if (!record.documentPath || documentPath != record.documentPath)
        return failure(u"The bookmark belongs to another document.");
    return {};
}

} // namespace

Result<Data> BookmarkData::bookmarkDataWithOptions(const URL& url, std::uint64_t options,
                                                   const std::optional<URL>& relativeToURL) {
    BookmarkRecord record;
    const auto path = filePath(url);
    if (!path)
        return failure(u"Only a file can be bookmarked.");
    const auto bytes = posixPath(*path);
    struct stat status {};
    if (::stat(bytes->c_str(), &status) != 0)
        return failure(Error::fromErrno(errno));
    const auto identity = FileIdentity::ofRegularFile(status);
    if (!identity)
        return failure(u"Only a file can be bookmarked, not a folder or a special file.");
    if (relativeToURL) {
        record.documentPath = filePath(*relativeToURL);
        if (!record.documentPath)
            return failure(u"A bookmark can be made relative to a document file only.");
    }
    record.path = *path;
    record.identity = *identity;
    record.readOnly = (options & BookmarkOptions::creationSecurityScopeAllowOnlyReadAccess) != 0;
    return record.write();
}

Result<URL> BookmarkData::URLByResolvingBookmarkData(const Data& data, std::uint64_t options,
                                                     const std::optional<URL>& relativeToURL,
                                                     bool& bookmarkDataIsStale) {
    bookmarkDataIsStale = false;
    const auto record = BookmarkRecord::read(data);
    if (!record)
        return failure(record.error());
    if (auto related = checkRelation(*record, relativeToURL); !related)
        return failure(related.error());

    // A safe save gives the file a new inode at the same path: that is still the file.
    const std::string path = *posixPath(record->path);
    std::optional<URL> url;
    bool stale = false;
    if (FileIdentity::ofRegularFileAt(path)) {
        url = URL::fileURLWithPath(record->path);
    } else {
        const std::string folder = path.substr(0, std::max<std::size_t>(path.rfind('/'), 1));
        const auto name = renamedFile(folder, record->identity);
        const auto found =
            name ? fromUtf8(folder == "/" ? "/" + *name : folder + "/" + *name) : std::nullopt;
        url = found ? URL::fileURLWithPath(*found) : std::nullopt;
        stale = true;
    }
    if (!url)
        return failure(fileNotFound);

    if ((options & BookmarkOptions::resolutionWithSecurityScope) != 0)
        FileAccess::sharedFileAccess()->grant(
            *url, record->readOnly ? FileAccess::Grant::ReadOnly : FileAccess::Grant::ReadWrite);
    bookmarkDataIsStale = stale;
    return *url;
}

} // namespace platform
