#pragma once

#include "platform/system/FileAccess.h"

namespace platform {

// Access as the file system gives it: starting answers whether the regular file at the URL
// can be opened now for reading and, under a read-write grant, for writing, by the
// process's effective ids. Nothing is opened, so a FIFO put in the file's place cannot
// block the caller. Stopping has nothing to give back.
class FileSystemAccess : public FileAccess {
public:
    [[nodiscard]] bool startAccessingSecurityScopedResource(const URL& url) override;
    void stopAccessingSecurityScopedResource(const URL& url) override;
};

} // namespace platform
