#pragma once

#include "platform/base/String.h"
#include "platform/base/URL.h"

#include <map>
#include <memory>
#include <mutex>
#include <optional>

namespace platform {

// Access to the files that bookmarks name, started before and stopped after each use of a
// resolved URL. Resolving a bookmark with its security scope records here what it grants
// for the URL; starting answers whether that access is possible now. The environment's
// (SystemEnvironment) object is shared, so that the grants reach whoever starts access;
// tests put one of their own in its place (RecordingFileAccess), since file modes refuse
// nothing to root.
class FileAccess {
public:
    enum class Grant { ReadOnly, ReadWrite };

    // The environment's: a FileSystemAccess unless the program or a test has set its own.
    [[nodiscard]] static std::shared_ptr<FileAccess> sharedFileAccess();
    // None brings the default back; the grants recorded so far stay with the old object.
    static void setSharedFileAccess(std::shared_ptr<FileAccess> access);

    FileAccess() = default;
    FileAccess(const FileAccess&) = delete;
    FileAccess& operator=(const FileAccess&) = delete;
    virtual ~FileAccess() = default;

    // False for a URL that no resolved bookmark granted, and when the grant cannot be used.
    [[nodiscard]] virtual bool startAccessingSecurityScopedResource(const URL& url) = 0;
    virtual void stopAccessingSecurityScopedResource(const URL& url) = 0;

    // A later grant for the same URL replaces the earlier one.
    void grant(const URL& url, Grant grant);
    [[nodiscard]] std::optional<Grant> grantFor(const URL& url) const;

private:
    mutable std::mutex mutex_;
    std::map<String, Grant> grants_; // by the URL's absolute string
};

} // namespace platform
