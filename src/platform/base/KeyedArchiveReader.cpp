#include "platform/base/KeyedArchiveReader.h"

#include "platform/base/KeyedArchiveFormat.h"
#include "platform/base/PropertyListDecoder.h"
#include "platform/base/PropertyListLimits.h"
#include "platform/base/PropertyListNode.h"

#include <algorithm>

namespace platform {
namespace {

using Format = KeyedArchiveFormat;

// Comparisons that building one set may cost: members are compared pairwise.
constexpr std::uint64_t setComparisonBudget = std::uint64_t{1} << 24;

plist_t member(plist_t dictionary, std::string_view key) {
    return plist_dict_get_item(dictionary, std::string(key).c_str());
}

bool isString(plist_t node, std::string_view expected) {
    std::uint64_t length = 0;
    const char* text =
        plist_get_node_type(node) == PLIST_STRING ? plist_get_string_ptr(node, &length) : nullptr;
    return text && std::string_view(text, length) == expected;
}

bool isVersion(plist_t node) {
    std::uint64_t version = 0;
    if (plist_get_node_type(node) == PLIST_UINT)
        plist_get_uint_val(node, &version);
    return version == Format::version;
}

// A UID: a binary list's own type, or the {"CF$UID": n} dictionary of an XML list.
std::optional<std::uint64_t> uidOf(plist_t node) {
    std::uint64_t uid = 0;
    switch (plist_get_node_type(node)) {
    case PLIST_UID:
        plist_get_uid_val(node, &uid);
        return uid;
    case PLIST_DICT: {
        const plist_t value = member(node, Format::xmlUidKey);
        if (plist_dict_get_size(node) != 1 || plist_get_node_type(value) != PLIST_UINT)
            return std::nullopt;
        plist_get_uint_val(value, &uid);
        return uid;
    }
    default:
        return std::nullopt;
    }
}

std::optional<std::string> className(plist_t node) {
    std::uint64_t length = 0;
    const char* text =
        plist_get_node_type(node) == PLIST_STRING ? plist_get_string_ptr(node, &length) : nullptr;
    return text ? std::optional<std::string>(std::in_place, text, length) : std::nullopt;
}

bool isClassChain(plist_t node) {
    if (!node)
        return true; // the platform writes it; nothing needs it
    if (plist_get_node_type(node) != PLIST_ARRAY)
        return false;
    const std::uint32_t count = plist_array_get_size(node);
    for (std::uint32_t i = 0; i < count; ++i)
        if (plist_get_node_type(plist_array_get_item(node, i)) != PLIST_STRING)
            return false;
    return true;
}

std::uint64_t saturatingAdd(std::uint64_t a, std::uint64_t b) {
    return std::min(a + b, std::uint64_t{PropertyListLimits::maximumElements} + 1);
}

} // namespace

Result<Value> KeyedArchiveReader::read(const Data& data) {
    auto root = PropertyListNode::parse(data);
    if (!root)
        return failure(std::move(root.error()));
    const plist_t archive = root->get();
    const plist_t objects =
        plist_get_node_type(archive) == PLIST_DICT ? member(archive, Format::objectsKey) : nullptr;
    if (plist_get_node_type(objects) != PLIST_ARRAY || plist_array_get_size(objects) == 0)
        return failure(u"not a keyed archive: no $objects");
    KeyedArchiveReader reader(objects, data.size());
    auto value = reader.unarchive(archive);
    if (!value)
        return failure(Error::fromUtf8(reader.reason_));
    return *std::move(value);
}

KeyedArchiveReader::KeyedArchiveReader(plist_t objects, std::size_t inputSize)
    : objects_(objects), count_(plist_array_get_size(objects)), slots_(count_),
      keyUnitsLeft_(2 * std::uint64_t{inputSize} + (1 << 20)) {}

std::nullopt_t KeyedArchiveReader::fail(std::string why) {
    if (reason_.empty())
        reason_ = std::move(why);
    return std::nullopt;
}

std::optional<Value> KeyedArchiveReader::unarchive(plist_t archive) {
    if (!isString(member(archive, Format::archiverKey), Format::archiverName))
        return fail("not an archive of NSKeyedArchiver");
    if (!isVersion(member(archive, Format::versionKey)))
        return fail("unknown keyed-archive version");
    const plist_t top = member(archive, Format::topKey);
    const plist_t root =
        plist_get_node_type(top) == PLIST_DICT ? member(top, Format::rootKey) : nullptr;
    if (!root)
        return fail("the archive names no root object");
    const auto uid = reference(root);
    if (!uid)
        return std::nullopt;
    if (*uid == 0)
        return Value();
    return decodeObject(*uid, 1);
}

std::optional<std::uint64_t> KeyedArchiveReader::reference(plist_t node) {
    const auto uid = uidOf(node);
    if (!uid)
        return fail("a reference is no UID");
    if (*uid >= count_)
        return fail("UID " + std::to_string(*uid) + " is beyond the " + std::to_string(count_) +
                    " objects");
    return uid;
}

std::optional<Value> KeyedArchiveReader::decodeMember(plist_t node, std::size_t depth,
                                                      std::uint64_t& expanded) {
    const auto uid = reference(node);
    if (!uid)
        return std::nullopt;
    if (*uid == 0)
        return fail("a collection holds $null");
    auto value = decodeObject(*uid, depth + 1);
    if (value)
        expanded = saturatingAdd(expanded, slots_[*uid].expanded);
    return value;
}

std::optional<Value> KeyedArchiveReader::decodeObject(std::uint64_t uid, std::size_t depth) {
    if (depth > PropertyListLimits::maximumDepth)
        return fail("nested deeper than " + std::to_string(PropertyListLimits::maximumDepth) +
                    " levels");
    Slot& slot = slots_[uid];
    if (slot.state == State::Done)
        return slot.value;
    if (slot.state == State::InProgress)
        return fail("object " + std::to_string(uid) + " contains itself");
    slot.state = State::InProgress;
    std::uint64_t expanded = 1;
    auto value = decodeNode(plist_array_get_item(objects_, static_cast<std::uint32_t>(uid)), uid,
                            depth, expanded);
    if (!value)
        return std::nullopt;
    if (expanded > PropertyListLimits::maximumElements)
        return fail("object " + std::to_string(uid) + " expands to more than " +
                    std::to_string(PropertyListLimits::maximumElements) + " elements");
    slots_[uid] = {State::Done, *value, expanded};
    return value;
}

std::optional<Value> KeyedArchiveReader::decodeNode(plist_t node, std::uint64_t uid,
                                                    std::size_t depth, std::uint64_t& expanded) {
    switch (plist_get_node_type(node)) {
    case PLIST_DICT:
        if (!member(node, Format::classKey))
            return fail("object " + std::to_string(uid) + " is a dictionary without $class");
        return decodeInstance(node, depth, expanded);
    case PLIST_ARRAY:
    case PLIST_UID:
        return fail("object " + std::to_string(uid) + " is of a type that stands in no archive");
    default: {
        auto value = PropertyListDecoder::scalar(node);
        if (!value)
            return fail("object " + std::to_string(uid) + ": " +
                        toUtf8Lossy(value.error().message));
        return *std::move(value);
    }
    }
}

std::optional<Value> KeyedArchiveReader::decodeInstance(plist_t instance, std::size_t depth,
                                                        std::uint64_t& expanded) {
    const auto kind = classOf(instance);
    if (!kind)
        return std::nullopt;
    switch (*kind) {
    case ClassKind::DictionaryClass:
        return decodeDictionary(instance, depth, expanded);
    case ClassKind::ArrayClass: {
        auto members = decodeMembers(member(instance, Format::membersKey), depth, expanded);
        return members ? std::optional<Value>(std::move(*members)) : std::nullopt;
    }
    case ClassKind::SetClass:
        return decodeSet(instance, depth, expanded);
    case ClassKind::DateClass:
        return decodeDate(instance);
    default:
        return decodeWrapped(instance, *kind, depth, expanded);
    }
}

std::optional<KeyedArchiveReader::ClassKind> KeyedArchiveReader::classOf(plist_t instance) {
    const auto uid = reference(member(instance, Format::classKey));
    if (!uid)
        return std::nullopt;
    if (const auto found = classes_.find(*uid); found != classes_.end())
        return found->second;
    const auto kind = readClassRecord(*uid);
    if (kind)
        classes_.emplace(*uid, *kind);
    return kind;
}

std::optional<KeyedArchiveReader::ClassKind>
KeyedArchiveReader::readClassRecord(std::uint64_t uid) {
    static const std::map<std::string, ClassKind, std::less<>> known = {
        {"NSDictionary", ClassKind::DictionaryClass},
        {"NSMutableDictionary", ClassKind::DictionaryClass},
        {"NSArray", ClassKind::ArrayClass},
        {"NSMutableArray", ClassKind::ArrayClass},
        {"NSSet", ClassKind::SetClass},
        {"NSMutableSet", ClassKind::SetClass},
        {"NSDate", ClassKind::DateClass},
        {"NSString", ClassKind::StringClass},
        {"NSMutableString", ClassKind::StringClass},
        {"NSData", ClassKind::DataClass},
        {"NSMutableData", ClassKind::DataClass},
    };
    const plist_t record = plist_array_get_item(objects_, static_cast<std::uint32_t>(uid));
    if (plist_get_node_type(record) != PLIST_DICT)
        return fail("class record " + std::to_string(uid) + " is no dictionary");
    const auto name = className(member(record, Format::classNameKey));
    if (!name)
        return fail("class record " + std::to_string(uid) + " has no $classname");
    if (!isClassChain(member(record, Format::classesKey)))
        return fail("the $classes of class record " + std::to_string(uid) +
                    " are no array of strings");
    const auto found = known.find(*name);
    if (found == known.end())
        return fail("instances of class " + *name + " cannot be unarchived");
    return found->second;
}

bool KeyedArchiveReader::spendKey(const String& key) {
    // A dictionary copies its keys, and many dictionaries may share one long key.
    if (key.size() > keyUnitsLeft_) {
        fail("the dictionaries' keys take more memory than the archive allows");
        return false;
    }
    keyUnitsLeft_ -= key.size();
    return true;
}

std::optional<Value> KeyedArchiveReader::decodeDictionary(plist_t instance, std::size_t depth,
                                                          std::uint64_t& expanded) {
    const plist_t keys = member(instance, Format::keysKey);
    const plist_t values = member(instance, Format::membersKey);
    if (!keys && !values)
        return Value(Dictionary{});
    if (plist_get_node_type(keys) != PLIST_ARRAY || plist_get_node_type(values) != PLIST_ARRAY)
        return fail("NS.keys or NS.objects is no array");
    const std::uint32_t count = plist_array_get_size(keys);
    if (plist_array_get_size(values) != count)
        return fail("NS.keys and NS.objects differ in length");
    Dictionary entries;
    for (std::uint32_t i = 0; i < count; ++i) {
        const auto key = decodeMember(plist_array_get_item(keys, i), depth, expanded);
        if (!key)
            return std::nullopt;
        if (!key->string())
            return fail("a dictionary key is no string");
        if (!spendKey(*key->string()))
            return std::nullopt;
        auto value = decodeMember(plist_array_get_item(values, i), depth, expanded);
        if (!value)
            return std::nullopt;
        entries.insert_or_assign(*key->string(), std::move(*value));
    }
    return Value(std::move(entries));
}

std::optional<Array> KeyedArchiveReader::decodeMembers(plist_t list, std::size_t depth,
                                                       std::uint64_t& expanded) {
    if (!list)
        return Array{};
    if (plist_get_node_type(list) != PLIST_ARRAY)
        return fail("NS.objects is no array");
    const std::uint32_t count = plist_array_get_size(list);
    Array members;
    members.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        auto value = decodeMember(plist_array_get_item(list, i), depth, expanded);
        if (!value)
            return std::nullopt;
        members.push_back(std::move(*value));
    }
    return members;
}

std::optional<Value> KeyedArchiveReader::decodeSet(plist_t instance, std::size_t depth,
                                                   std::uint64_t& expanded) {
    const std::uint64_t before = expanded;
    auto members = decodeMembers(member(instance, Format::membersKey), depth, expanded);
    if (!members)
        return std::nullopt;
    if ((expanded - before) * members->size() > setComparisonBudget)
        return fail("a set too large to compare its members");
    return Value(Set(*members));
}

std::optional<Value> KeyedArchiveReader::decodeDate(plist_t instance) {
    const plist_t time = member(instance, Format::timeKey);
    const auto seconds = time ? PropertyListDecoder::number(time) : failure(u"no NS.time");
    if (!seconds || seconds->kind() == Number::Kind::Bool)
        return fail("a date without NS.time");
    return Value(Date(seconds->doubleValue()));
}

std::optional<Value> KeyedArchiveReader::decodeWrapped(plist_t instance, ClassKind kind,
                                                       std::size_t depth, std::uint64_t& expanded) {
    const bool isString = kind == ClassKind::StringClass;
    const plist_t wrapped = member(instance, isString ? Format::stringKey : Format::dataKey);
    if (!wrapped)
        return fail(isString ? "a string without NS.string" : "data without NS.data");
    // The platform stores the contents inline; a reference to them is read too.
    std::optional<Value> value;
    if (uidOf(wrapped)) {
        value = decodeMember(wrapped, depth, expanded);
        if (!value)
            return std::nullopt;
    } else if (auto scalar = PropertyListDecoder::scalar(wrapped)) {
        value = *std::move(scalar);
    } else {
        return fail(toUtf8Lossy(scalar.error().message));
    }
    if (isString ? !value->string() : !value->data())
        return fail(isString ? "NS.string is no string" : "NS.data is no data");
    return value;
}

} // namespace platform
