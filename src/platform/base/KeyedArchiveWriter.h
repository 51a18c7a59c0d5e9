#pragma once

#include "platform/base/PropertyListNode.h"
#include "platform/base/Result.h"
#include "platform/base/Value.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace platform {

// The work of KeyedArchiver: the $objects in the order the platform's archiver writes
// them, each object once.
class KeyedArchiveWriter {
public:
    // Once per writer.
    [[nodiscard]] Result<Data> archive(const Value& root);

private:
    std::optional<std::uint64_t> encodeObject(const Value& value, std::size_t depth);
    std::optional<std::uint64_t> encodeString(const String& text);
    std::uint64_t encodeNumber(const Number& number);
    std::uint64_t encodeData(const Value& value);
    std::uint64_t encodeDate(Date date);
    std::optional<std::uint64_t> encodeCollection(const Value& value, std::size_t depth);
    std::optional<PropertyListNode> encodeMembers(const Array& members, std::size_t depth);
    std::optional<PropertyListNode> encodeDictionary(const Dictionary& dictionary,
                                                     std::size_t depth);
    std::uint64_t classReference(std::string_view className);
    std::uint64_t reserve();
    void store(std::uint64_t uid, PropertyListNode object);
    std::optional<std::uint64_t> fail(std::string why);

    std::vector<PropertyListNode> objects_;
    std::unordered_map<String, std::uint64_t> strings_;
    std::map<std::pair<int, std::uint64_t>, std::uint64_t> scalars_;
    std::unordered_map<const void*, std::uint64_t> shared_;
    std::map<std::string_view, std::uint64_t> classes_;
    std::string reason_;
};

} // namespace platform
