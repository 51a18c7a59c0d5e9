#pragma once

#include "platform/base/Data.h"
#include "platform/base/String.h"
#include "platform/system/NetworkInterface.h"

#include <filesystem>
#include <optional>

// The hardware address of a network interface, as data and as text ("00:1b:63:84:45:e6").
// `root` stands in for the system's list of interfaces.
class LWMACAddress {
public:
    [[nodiscard]] static std::optional<platform::Data>
    MACAddressData(const std::filesystem::path& root = platform::NetworkInterface::sysfsRoot);
    [[nodiscard]] static std::optional<platform::String>
    MACAddressString(const std::filesystem::path& root = platform::NetworkInterface::sysfsRoot);
    // A name without an ASCII form names no interface.
    [[nodiscard]] static std::optional<platform::Data>
    MACAddressDataAtPort(const platform::String& name,
                         const std::filesystem::path& root = platform::NetworkInterface::sysfsRoot);
    // None also for an address of no bytes.
    [[nodiscard]] static std::optional<platform::String> MACAddressStringAtPort(
        const platform::String& name,
        const std::filesystem::path& root = platform::NetworkInterface::sysfsRoot);
};
