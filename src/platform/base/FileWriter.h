#pragma once

#include "platform/base/Data.h"
#include "platform/base/String.h"

#include <optional>

namespace platform {

// Writes a document's new content without ever leaving its file damaged: the bytes go to
// a new file beside the old one, which is flushed to the disk and renamed over the old
// one, and then the folder is flushed. A failure before the rename removes the new file
// and leaves the old one as it was. The new file takes the old one's permissions; a
// symbolic link is followed, so the link stays and its target gets the content.
//
// Documents write through one (Document::setFileWriter); a test gives a writer whose
// writeBytes fails partway, as a full disk does.
class FileWriter {
public:
    virtual ~FileWriter() = default;

    // None when the file holds the data; else the reason, for a person to read.
    [[nodiscard]] std::optional<String> writeData(const Data& data, const String& path);

protected:
    // Writes all the bytes to the open file; the reason on failure.
    [[nodiscard]] virtual std::optional<String> writeBytes(int fd, const Data& data);

    // The reason an errno names ("No space left on device").
    [[nodiscard]] static String reasonForError(int error);
};

} // namespace platform
