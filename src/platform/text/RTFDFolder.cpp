#include "platform/text/RTFDFolder.h"

#include "platform/base/FileIO.h"
#include "platform/base/SystemError.h"

#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

namespace fs = std::filesystem;

tl::unexpected<Error> systemFailure(const std::string& what, int error) {
    return failure(Error{Error::fromUtf8(what).message + u": " + systemErrorText(error), error});
}

struct CloseDirectory {
    void operator()(DIR* entries) const { closedir(entries); }
};
using Directory = std::unique_ptr<DIR, CloseDirectory>;

Error folderFailure(const String& folder, const char16_t* what, int error) {
    return {folder + what + systemErrorText(error) + u".", error};
}

Result<Directory> openFolder(const fs::path& path, const String& folder) {
    const int handle = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NONBLOCK | O_CLOEXEC);
    if (handle < 0 && errno == ENOTDIR)
        return failure(Error{folder + u" is not a folder.", ENOTDIR});
    if (handle < 0)
        return failure(folderFailure(folder, u" cannot be opened: ", errno));
    DIR* entries = fdopendir(handle);
    if (entries == nullptr) {
        const int error = errno;
        close(handle);
        return failure(folderFailure(folder, u" cannot be read: ", error));
    }
    return Directory(entries);
}

// The reader's own refusals name the entry already; past the limit, it is the whole
// package that is too large.
Error entryFailure(Error error, const String& entry, const String& folder, std::size_t limit) {
    if (error.cause == EFBIG)
        return FileReader::tooLarge(folder, limit);
    if (error.cause)
        error.message = entry + u" cannot be read: " + error.message + u".";
    return error;
}

Result<RTFDFolder::Files> readEntries(DIR* entries, const String& folder, std::size_t limit) {
    RTFDFolder::Files files;
    std::size_t total = 0;
    for (;;) {
        errno = 0;
        const dirent* entry = readdir(entries);
        if (entry == nullptr)
            break;
        auto name = fromUtf8(entry->d_name);
        if (!name || !RTFDFolder::isFileName(*name))
            continue;
        const String subject = FileReader::quotedName(entry->d_name) + u" in " + folder;
        auto contents =
            FileReader::readDataAt(dirfd(entries), entry->d_name, subject, limit - total);
        if (!contents)
            return failure(entryFailure(std::move(contents.error()), subject, folder, limit));
        total += contents->size();
        files.emplace(std::move(*name), std::move(*contents));
    }
    if (errno != 0)
        return failure(folderFailure(folder, u" cannot be read: ", errno));
    return files;
}

bool syncPath(const fs::path& path) {
    const int handle = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0)
        return false;
    const bool synced = fsync(handle) == 0;
    close(handle);
    return synced;
}

Result<> writeFiles(const RTFDFolder::Files& files, const fs::path& folder) {
    for (const auto& [name, contents] : files) {
        const auto utf8 = toUtf8(name);
        if (!utf8 || !RTFDFolder::isFileName(name))
            return failure(u"The package cannot hold a file named \"" + name + u"\"");
        const fs::path path = folder / *utf8;
        const int file = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (file < 0)
            return systemFailure("Cannot create " + path.string(), errno);
        const auto written = writeAll(file, contents);
        const bool synced = written && fsync(file) == 0;
        const int error = written ? errno : written.error().cause.value_or(EIO);
        close(file);
        if (!synced)
            return systemFailure("Cannot write " + path.string(), error);
    }
    if (!syncPath(folder))
        return systemFailure("Cannot flush " + folder.string(), errno);
    return {};
}

// Puts the finished folder in the place of the old package. Without an exchange of the
// two names (a file system that lacks it), the old one steps aside first and comes back
// if the new one cannot take its place.
Result<> replaceFolder(const fs::path& finished, const fs::path& folder) {
    if (std::rename(finished.c_str(), folder.c_str()) == 0)
        return {};
    if (renameat2(AT_FDCWD, finished.c_str(), AT_FDCWD, folder.c_str(), RENAME_EXCHANGE) == 0) {
        std::error_code ignored;
        fs::remove_all(finished, ignored); // now the old package
        return {};
    }
    const fs::path aside = finished.string() + ".old";
    if (std::rename(folder.c_str(), aside.c_str()) != 0)
        return systemFailure("Cannot replace " + folder.string(), errno);
    if (std::rename(finished.c_str(), folder.c_str()) != 0) {
        const int error = errno;
        std::rename(aside.c_str(), folder.c_str());
        return systemFailure("Cannot replace " + folder.string(), error);
    }
    std::error_code ignored;
    fs::remove_all(aside, ignored);
    return {};
}

} // namespace

Result<RTFDFolder::Files> RTFDFolder::read(const fs::path& folder, std::size_t limit) {
    const String name = FileReader::quotedName(folder);
    return openFolder(folder, name).and_then([&](const Directory& entries) {
        return readEntries(entries.get(), name, limit);
    });
}

Result<> RTFDFolder::write(const Files& files, const fs::path& path) {
    const fs::path folder = path.has_filename() ? path : path.parent_path(); // "Doc.rtfd/"
    const fs::path parent = folder.has_parent_path() ? folder.parent_path() : fs::path(".");
    std::string hidden = ".";
    hidden += folder.filename().string();
    hidden += ".XXXXXX";
    std::string pattern = (parent / hidden).string();
    if (mkdtemp(pattern.data()) == nullptr)
        return systemFailure("Cannot create a folder beside " + folder.string(), errno);
    const fs::path finished = pattern;
    auto result =
        writeFiles(files, finished).and_then([&] { return replaceFolder(finished, folder); });
    if (!result) {
        std::error_code ignored;
        fs::remove_all(finished, ignored);
        return result;
    }
    syncPath(parent);
    return result;
}

bool RTFDFolder::isFileName(const String& name) {
    return !name.empty() && name != u"." && name != u".." &&
           name.find_first_of(u"/\0", 0, 2) == String::npos;
}

} // namespace platform
