#pragma once

#include "platform/base/Result.h"
#include "platform/base/String.h"
#include "platform/base/Value.h"

#include <cstdint>
#include <filesystem>
#include <functional>

namespace platform {

// The property-list file that keeps the settings a user has set. Writes are atomic: a
// temporary file beside it, flushed to disk, renamed over it; a failed write leaves the
// old file as it was. A damaged file is moved aside rather than overwritten.
class SettingsFile {
public:
    using MessageSink = std::function<void(const String& message)>;

    // Files larger than this are no settings of ours; reading one would only cost memory.
    static constexpr std::uintmax_t maximumSize = 64 * 1024 * 1024;

    SettingsFile(std::filesystem::path path, MessageSink report);

    const std::filesystem::path& path() const { return path_; }

    // The settings in the file: none there gives an empty dictionary. A file that cannot be
    // read or is no property list with a dictionary at its root is renamed to
    // "<name>.damaged-<UTC time>" and reported; should that fail too, the file is kept and
    // every later write refuses to replace it.
    [[nodiscard]] Dictionary load();

    // Whether the settings loaded are no longer in the file, so that they must be written
    // even if nothing changes.
    bool needsRewrite() const { return needsRewrite_; }

    // False, with a message, when the settings could not be written.
    [[nodiscard]] bool write(const Dictionary& settings);

private:
    void dropUnkeepable(Dictionary& settings);
    void setAside(const String& problem, const String& consequence);
    [[nodiscard]] Result<> writeBytes(const Data& bytes) const;

    std::filesystem::path path_;
    MessageSink report_;
    bool keepsDamagedFile_ = false;
    bool needsRewrite_ = false;
};

} // namespace platform
