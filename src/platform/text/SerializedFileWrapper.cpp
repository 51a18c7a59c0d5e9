#include "platform/text/SerializedFileWrapper.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace platform {
namespace {

constexpr std::string_view magic{"rtfd\0\0\0\0", 8};
constexpr std::uint32_t folderRecord = 3;
constexpr std::uint32_t fileRecord = 1;
constexpr std::uint32_t paddedLength = 0x80000000;

void putNumber(Data& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void putBytes(Data& out, std::string_view bytes) {
    const std::size_t at = out.size();
    out.resize(at + bytes.size());
    if (!bytes.empty())
        std::memcpy(out.data() + at, bytes.data(), bytes.size());
}

bool isMetadata(std::string_view name) {
    return name == "." || name == ".." || name == "__@PreferredName@__" ||
           name == "__@UTF8PreferredName@__";
}

// Readers of the layout: each checks its length against what is left and takes it off.
std::optional<std::uint32_t> takeNumber(std::string_view& data) {
    if (data.size() < 4)
        return std::nullopt;
    std::uint32_t value = 0;
    for (std::size_t i = 4; i-- > 0;)
        value = value << 8 | static_cast<std::uint8_t>(data[i]);
    data.remove_prefix(4);
    return value;
}

std::optional<std::string_view> takeBytes(std::string_view& data, std::size_t count) {
    if (data.size() < count)
        return std::nullopt;
    const std::string_view taken = data.substr(0, count);
    data.remove_prefix(count);
    return taken;
}

// None for a record that is not a regular file; its size was checked by the caller.
std::optional<std::string_view> fileContents(std::string_view record) {
    const auto type = takeNumber(record);
    auto length = takeNumber(record);
    if (type != fileRecord || !length)
        return std::nullopt;
    if (*length == paddedLength) {
        length = takeNumber(record);
        const auto padding = takeNumber(record);
        if (!length || !padding || !takeBytes(record, *padding))
            return std::nullopt;
    }
    return takeBytes(record, *length);
}

} // namespace

Data SerializedFileWrapper::serialize(const Files& files) {
    Data out;
    std::size_t size = magic.size() + 8;
    for (const auto& [name, contents] : files)
        size += 16 + name.size() * 3 + contents.size();
    out.reserve(size);
    putBytes(out, magic);
    putNumber(out, folderRecord);
    putNumber(out, static_cast<std::uint32_t>(files.size()));
    std::vector<std::string> names;
    for (const auto& [name, contents] : files) {
        names.push_back(toUtf8Lossy(name));
        putNumber(out, static_cast<std::uint32_t>(names.back().size()));
        putBytes(out, names.back());
    }
    for (const auto& [name, contents] : files)
        putNumber(out, static_cast<std::uint32_t>(8 + contents.size()));
    for (const auto& [name, contents] : files) {
        putNumber(out, fileRecord);
        putNumber(out, static_cast<std::uint32_t>(contents.size()));
        putBytes(out, bytesOf(contents));
    }
    return out;
}

std::optional<SerializedFileWrapper::Files>
SerializedFileWrapper::deserialize(std::string_view data) {
    if (takeBytes(data, magic.size()) != magic || takeNumber(data) != folderRecord)
        return std::nullopt;
    const auto count = takeNumber(data);
    if (!count || *count > data.size() / 8)
        return std::nullopt;
    std::vector<std::string_view> names;
    for (std::uint32_t i = 0; i < *count; ++i) {
        const auto length = takeNumber(data);
        const auto name = length ? takeBytes(data, *length) : std::nullopt;
        if (!name)
            return std::nullopt;
        names.push_back(*name);
    }
    std::vector<std::uint32_t> sizes;
    for (std::uint32_t i = 0; i < *count; ++i) {
        const auto size = takeNumber(data);
        if (!size)
            return std::nullopt;
        sizes.push_back(*size);
    }
    Files files;
    for (std::uint32_t i = 0; i < *count; ++i) {
        const auto record = takeBytes(data, sizes[i]);
        if (!record)
            return std::nullopt;
        const auto contents = fileContents(*record);
        auto name = fromUtf8(names[i]);
        if (contents && name && !isMetadata(names[i]))
            files.emplace(std::move(*name), dataFromBytes(*contents));
    }
    return files;
}

} // namespace platform
