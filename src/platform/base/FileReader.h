#pragma once

#include "platform/base/Data.h"
#include "platform/base/Result.h"
#include "platform/base/String.h"

#include <cstddef>
#include <filesystem>
#include <string>

namespace platform {

// Reads a file whole. Only a regular file is read: a pipe, a socket, a device or a folder
// is refused before a byte is read, as it could wait for ever or never end.
class FileReader {
public:
    // The most a file that the user imports may hold.
    static constexpr std::size_t importLimit = std::size_t{64} << 20;

    // Fails with a reason for a person. The refusals name the file ("“notes.rtf” is
    // larger than 64 MiB."); a failure of the system gives the system's text alone, for
    // the caller's own message that names the file.
    [[nodiscard]] static Result<Data> readData(const String& path, std::size_t limit);
    // Without a limit of size.
    [[nodiscard]] static Result<Data> readData(const String& path);

    // The entry `name` of the open folder `folder`, not following a link (a link is no
    // regular file); `subject` names it in the reasons ("“a.png” in “Doc.rtfd”").
    [[nodiscard]] static Result<Data> readDataAt(int folder, const std::string& name,
                                                 const String& subject, std::size_t limit);

    // The last part of the path in quotes ("“Doc.rtfd”"), as the reasons name a file.
    [[nodiscard]] static String quotedName(const std::filesystem::path& path);
    // "SUBJECT is larger than 64 MiB.", with EFBIG as its cause.
    [[nodiscard]] static Error tooLarge(const String& subject, std::size_t limit);
};

} // namespace platform
