#pragma once

#include "platform/base/SettingsFile.h"
#include "platform/base/Value.h"

#include <cstdint>
#include <mutex>

namespace platform {

// Writes the settings store's snapshots to its file, one at a time, from any thread. Each
// snapshot carries the store's change count when it was taken; one no newer than the last
// written is dropped, so that a write still queued on a background thread never puts back
// what a later one replaced.
class SettingsWriter {
public:
    explicit SettingsWriter(SettingsFile file) : file_(std::move(file)) {}
    SettingsWriter(const SettingsWriter&) = delete;
    SettingsWriter& operator=(const SettingsWriter&) = delete;

    // Only before the first write, which may run on another thread.
    [[nodiscard]] SettingsFile& file() { return file_; }

    // False, with a message from the file, when the settings could not be written; true when
    // they were or nothing newer was to be written.
    [[nodiscard]] bool write(const Dictionary& settings, std::uint64_t changeCount);

    // Waits for a write in progress; the writes that come later are dropped.
    void close();

private:
    std::mutex mutex_;
    SettingsFile file_;
    std::uint64_t writtenCount_ = 0;
    bool closed_ = false;
};

} // namespace platform
