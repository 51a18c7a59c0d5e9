#pragma once

#include "platform/base/Data.h"
#include "platform/base/FileWriteOutcome.h"
#include "platform/base/Result.h"
#include "platform/base/String.h"

namespace platform {

// Writes a document's new content without ever leaving its file damaged or a copy beside
// it: the bytes go to an unnamed file in the target's folder (O_TMPFILE), which is flushed
// to the disk, given a temporary name and renamed over the old file, and then the folder
// is flushed. A save killed at any moment leaves the old or the new file; only a kill
// between the naming and the rename leaves the temporary name, and the next save of the
// same file removes it. Where the file system has no unnamed files, or /proc is not there
// to name one, the bytes go to a named temporary file instead.
//
// A failure before the rename leaves the old file as it was and nothing beside it. The
// new file takes the old one's permissions; a symbolic link is followed, so the link stays
// and its target gets the content.
//
// Documents write through one (Document::setFileWriter); a test gives a writer whose
// writeBytes fails partway, as a full disk does, or whose flushFolder fails.
class FileWriter {
public:
    virtual ~FileWriter() = default;

    // Fails when the file does not hold the data. A success warns when the folder could
    // not be flushed, so that the change may not survive a crash.
    [[nodiscard]] Result<FileWriteOutcome> writeData(const Data& data, const String& path);

protected:
    // Writes all the bytes to the open file.
    [[nodiscard]] virtual Result<> writeBytes(int fd, const Data& data);

    // Flushes the open folder's entries to the disk.
    [[nodiscard]] virtual Result<> flushFolder(int fd);
};

} // namespace platform
