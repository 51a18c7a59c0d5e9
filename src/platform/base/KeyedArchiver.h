#pragma once

#include "platform/base/PropertyListEncoder.h"
#include "platform/base/PropertyListNode.h"
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

// Writes values as the platform's keyed archiver does: the root object at UID 1, then
// each object when it is first met (a dictionary's keys, then its values), its class
// record after its contents. Strings, data and numbers are stored inline; dictionaries,
// arrays, sets and dates are NSDictionary, NSArray, NSSet and NSDate instances. Strings,
// numbers and dates are stored once per value, the other objects once per shared value.
// None is nil at the root and has no archive inside a collection; objects have none.
class KeyedArchiver {
public:
    [[nodiscard]] static std::optional<Data> archivedDataWithRootObject(const Value& root);
    [[nodiscard]] static std::optional<Data> archivedDataWithRootObject(const Value& root,
                                                                        std::string& reason);

private:
    KeyedArchiver() = default;

    std::optional<Data> archive(const Value& root, std::string& reason);
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
