#include "platform/base/SettingsWriter.h"

namespace platform {

bool SettingsWriter::write(const Dictionary& settings, std::uint64_t changeCount) {
    std::lock_guard lock(mutex_);
    if (closed_ || changeCount <= writtenCount_)
        return true;
    if (!file_.write(settings))
        return false;
    writtenCount_ = changeCount;
    return true;
}

void SettingsWriter::close() {
    std::lock_guard lock(mutex_);
    closed_ = true;
}

} // namespace platform
