#pragma once

#include "platform/system/FileAccess.h"

#include <vector>

namespace platform {

// Keeps every start and stop and answers as told, for tests of what the program does with
// access granted or refused. Granted means: a resolved bookmark granted the URL and the
// test has not refused access.
class RecordingFileAccess : public FileAccess {
public:
    [[nodiscard]] bool startAccessingSecurityScopedResource(const URL& url) override {
        starts_.push_back(url);
        return !refusing_ && grantFor(url).has_value();
    }
    void stopAccessingSecurityScopedResource(const URL& url) override { stops_.push_back(url); }

    void setRefusing(bool refusing) { refusing_ = refusing; }

    [[nodiscard]] const std::vector<URL>& starts() const { return starts_; }
    [[nodiscard]] const std::vector<URL>& stops() const { return stops_; }

private:
    bool refusing_ = false;
    std::vector<URL> starts_;
    std::vector<URL> stops_;
};

} // namespace platform
