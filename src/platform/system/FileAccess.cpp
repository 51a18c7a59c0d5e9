#include "platform/system/FileAccess.h"

#include "platform/system/FileSystemAccess.h"
#include "platform/system/SystemEnvironment.h"

namespace platform {

std::shared_ptr<FileAccess> FileAccess::sharedFileAccess() {
    return SystemEnvironment::current().fileAccess.get(
        [] { return std::make_shared<FileSystemAccess>(); });
}

void FileAccess::setSharedFileAccess(std::shared_ptr<FileAccess> access) {
    SystemEnvironment::current().fileAccess.set(std::move(access));
}

void FileAccess::grant(const URL& url, Grant grant) {
    const std::lock_guard lock(mutex_);
    grants_.insert_or_assign(url.absoluteString(), grant);
}

std::optional<FileAccess::Grant> FileAccess::grantFor(const URL& url) const {
    const std::lock_guard lock(mutex_);
    const auto found = grants_.find(url.absoluteString());
    if (found == grants_.end())
        return std::nullopt;
    return found->second;
}

} // namespace platform
