#pragma once

#include "platform/base/Data.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace platform {

// The network interfaces that the kernel lists under sysfs.
class NetworkInterface {
public:
    static constexpr const char* sysfsRoot = "/sys/class/net";

    // The interface's hardware address byte for byte (6 bytes for Ethernet and Wi-Fi,
    // possibly none at all); none when no interface has that name. `root` stands in for
    // the sysfs folder.
    [[nodiscard]] static std::optional<Data>
    hardwareAddress(std::string_view name, const std::filesystem::path& root = sysfsRoot);
};

} // namespace platform
