#include "platform/base/FileReader.h"

#include "platform/base/FileDescriptor.h"
#include "platform/base/FileIO.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace platform {
namespace {

String reasonForError(int error) {
    return fromUtf8(std::generic_category().message(error)).value_or(u"Unknown error");
}

} // namespace

std::optional<Data> FileReader::readData(const String& path, String& reason) {
    const auto bytes = toUtf8(path);
    if (!bytes || bytes->empty() || bytes->find('\0') != std::string::npos) {
        reason = u"The file name cannot be used on this system.";
        return std::nullopt;
    }
    FileDescriptor file(::open(bytes->c_str(), O_RDONLY | O_CLOEXEC));
    struct stat status {};
    if (file.get() < 0 || ::fstat(file.get(), &status) != 0) {
        reason = reasonForError(errno);
        return std::nullopt;
    }
    if (S_ISDIR(status.st_mode)) {
        reason = reasonForError(EISDIR);
        return std::nullopt;
    }
    Data data;
    if (S_ISREG(status.st_mode))
        data.reserve(static_cast<std::size_t>(status.st_size));
    if (const int error = readToEnd(file.get(), data)) {
        reason = reasonForError(error);
        return std::nullopt;
    }
    return data;
}

} // namespace platform
