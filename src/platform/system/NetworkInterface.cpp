#include "platform/system/NetworkInterface.h"

#include "platform/base/FileReader.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace platform {
namespace {

// Names the kernel never gives an interface; refusing them keeps the path inside the root.
bool isInterfaceName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

std::optional<std::string> readLine(const std::filesystem::path& path) {
    const auto name = fromUtf8(path.string());
    if (!name)
        return std::nullopt;
    const auto bytes = FileReader::readData(*name);
    if (!bytes)
        return std::nullopt;
    std::string text(bytesOf(*bytes));
    if (!text.empty() && text.back() == '\n')
        text.pop_back();
    return text;
}

std::optional<std::uint8_t> parseHexByte(std::string_view digits) {
    if (digits.size() != 2)
        return std::nullopt;
    std::uint8_t byte = 0;
    const char* last = digits.data() + digits.size();
    const auto [end, error] = std::from_chars(digits.data(), last, byte, 16);
    if (error != std::errc() || end != last)
        return std::nullopt;
    return byte;
}

// sysfs writes the address as two hex digits per byte joined by ':'.
std::optional<Data> parseAddress(std::string_view text) {
    Data address;
    if (text.empty())
        return address;
    for (std::size_t start = 0;;) {
        const std::size_t colon = std::min(text.find(':', start), text.size());
        const auto byte = parseHexByte(text.substr(start, colon - start));
        if (!byte)
            return std::nullopt;
        address.push_back(*byte);
        if (colon == text.size())
            return address;
        start = colon + 1;
    }
}

bool lengthAgrees(const std::filesystem::path& folder, std::size_t size) {
    const auto text = readLine(folder / "addr_len");
    if (!text)
        return true;
    std::size_t length = 0;
    const char* last = text->data() + text->size();
    const auto [end, error] = std::from_chars(text->data(), last, length);
    return error == std::errc() && end == last && length == size;
}

} // namespace

std::optional<Data> NetworkInterface::hardwareAddress(std::string_view name,
                                                      const std::filesystem::path& root) {
    if (!isInterfaceName(name))
        return std::nullopt;
    const auto folder = root / name;
    const auto text = readLine(folder / "address");
    if (!text)
        return std::nullopt;
    auto address = parseAddress(*text);
    if (!address || !lengthAgrees(folder, address->size()))
        return std::nullopt;
    return address;
}

} // namespace platform
