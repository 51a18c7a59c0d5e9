#pragma once

#include "platform/base/Result.h"
#include "platform/base/Value.h"

#include <cstdint>
#include <map>
#include <optional>
#include <plist/plist.h>
#include <string>
#include <vector>

namespace platform {

// The work of KeyedUnarchiver: each object of $objects decoded once, however often it is
// referenced, with its nesting, its expanded size and the keys it copies held to limits.
class KeyedArchiveReader {
public:
    // The root object (none for nil), or why the data is no such archive.
    [[nodiscard]] static Result<Value> read(const Data& data);

private:
    enum class ClassKind {
        DictionaryClass,
        ArrayClass,
        SetClass,
        DateClass,
        StringClass,
        DataClass
    };
    enum class State : std::uint8_t { Unvisited, InProgress, Done };

    struct Slot {
        State state = State::Unvisited;
        Value value;
        // Elements of the value with every shared member counted once per reference, so
        // that no later walk over it meets more than the limit.
        std::uint64_t expanded = 0;
    };

    KeyedArchiveReader(plist_t objects, std::size_t inputSize);

    std::optional<Value> unarchive(plist_t archive);
    std::optional<std::uint64_t> reference(plist_t node);
    std::optional<Value> decodeObject(std::uint64_t uid, std::size_t depth);
    std::optional<Value> decodeNode(plist_t node, std::uint64_t uid, std::size_t depth,
                                    std::uint64_t& expanded);
    std::optional<Value> decodeMember(plist_t node, std::size_t depth, std::uint64_t& expanded);
    std::optional<Value> decodeInstance(plist_t instance, std::size_t depth,
                                        std::uint64_t& expanded);
    std::optional<ClassKind> classOf(plist_t instance);
    std::optional<ClassKind> readClassRecord(std::uint64_t uid);
    std::optional<Value> decodeDictionary(plist_t instance, std::size_t depth,
                                          std::uint64_t& expanded);
    std::optional<Array> decodeMembers(plist_t list, std::size_t depth, std::uint64_t& expanded);
    std::optional<Value> decodeSet(plist_t instance, std::size_t depth, std::uint64_t& expanded);
    std::optional<Value> decodeDate(plist_t instance);
    std::optional<Value> decodeWrapped(plist_t instance, ClassKind kind, std::size_t depth,
                                       std::uint64_t& expanded);
    bool spendKey(const String& key);
    std::nullopt_t fail(std::string why);

    plist_t objects_;
    std::uint32_t count_;
    std::vector<Slot> slots_;
    std::map<std::uint64_t, ClassKind> classes_;
    std::uint64_t keyUnitsLeft_;
    std::string reason_;
};

} // namespace platform
