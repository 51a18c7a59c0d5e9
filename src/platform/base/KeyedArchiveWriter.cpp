#include "platform/base/KeyedArchiveWriter.h"

#include "platform/base/KeyedArchiveFormat.h"
#include "platform/base/PropertyListEncoder.h"
#include "platform/base/PropertyListLimits.h"

#include <bit>
#include <limits>

namespace platform {

namespace {

using Format = KeyedArchiveFormat;

// The classes that the platform's values give for keyed archiving; each derives directly
// from NSObject.
constexpr std::string_view dictionaryClass = "NSDictionary";
constexpr std::string_view arrayClass = "NSArray";
constexpr std::string_view setClass = "NSSet";
constexpr std::string_view dateClass = "NSDate";
constexpr std::string_view rootClass = "NSObject";

// Keys of the scalars stored once per value: how the number is written, and its bits.
enum ScalarForm { BooleanForm, SignedForm, UnsignedForm, RealForm, DateForm };

std::pair<int, std::uint64_t> scalarKey(const Number& number) {
    switch (number.kind()) {
    case Number::Kind::Bool:
        return {BooleanForm, number.boolValue() ? 1 : 0};
    case Number::Kind::Float:
    case Number::Kind::Double:
        return {RealForm, std::bit_cast<std::uint64_t>(number.doubleValue())};
    case Number::Kind::UInt64:
        if (number.unsignedLongLongValue() > std::numeric_limits<std::int64_t>::max())
            return {UnsignedForm, number.unsignedLongLongValue()};
        [[fallthrough]];
    default:
        return {SignedForm, static_cast<std::uint64_t>(number.longValue())};
    }
}

// The storage a value shares with its copies: the platform stores an object once however
// often it is referenced.
const void* identity(const Value& value) {
    if (value.data())
        return value.data();
    if (value.array())
        return value.array();
    if (value.set())
        return value.set();
    return value.dictionary();
}

PropertyListNode uidArray(const std::vector<std::uint64_t>& uids) {
    PropertyListNode array(plist_new_array());
    for (const auto uid : uids)
        array.append(PropertyListEncoder::uid(uid));
    return array;
}

PropertyListNode stringNode(std::string_view text) {
    return PropertyListNode(plist_new_string(std::string(text).c_str()));
}

} // namespace

Result<Data> KeyedArchiveWriter::archive(const Value& root) {
    objects_.emplace_back(stringNode(Format::null));
    const auto rootUid = root.isNone() ? std::optional<std::uint64_t>(0) : encodeObject(root, 1);
    if (!rootUid)
        return failure(Error::fromUtf8(reason_));
    PropertyListNode objects(plist_new_array());
    for (auto& object : objects_)
        objects.append(std::move(object));
    PropertyListNode top(plist_new_dict());
    top.set(Format::rootKey, PropertyListEncoder::uid(*rootUid));

    PropertyListNode archive(plist_new_dict());
    archive.set(Format::archiverKey, stringNode(Format::archiverName));
    archive.set(Format::versionKey, PropertyListNode(plist_new_uint(Format::version)));
    archive.set(Format::objectsKey, std::move(objects));
    archive.set(Format::topKey, std::move(top));
    return archive.serialize(PropertyListFormat::Binary);
}

std::optional<std::uint64_t> KeyedArchiveWriter::fail(std::string why) {
    if (reason_.empty())
        reason_ = std::move(why);
    return std::nullopt;
}

std::uint64_t KeyedArchiveWriter::reserve() {
    objects_.emplace_back();
    return objects_.size() - 1;
}

void KeyedArchiveWriter::store(std::uint64_t uid, PropertyListNode object) {
    objects_[uid] = std::move(object);
}

std::optional<std::uint64_t> KeyedArchiveWriter::encodeObject(const Value& value,
                                                              std::size_t depth) {
    if (depth > PropertyListLimits::maximumDepth)
        return fail("nested deeper than " + std::to_string(PropertyListLimits::maximumDepth) +
                    " levels");
    if (objects_.size() > PropertyListLimits::maximumElements)
        return fail("more than " + std::to_string(PropertyListLimits::maximumElements) +
                    " objects");
    if (const auto* text = value.string())
        return encodeString(*text);
    if (const auto* number = value.number())
        return encodeNumber(*number);
    if (const auto* moment = value.date())
        return encodeDate(*moment);
    if (value.data())
        return encodeData(value);
    if (value.array() || value.set() || value.dictionary())
        return encodeCollection(value, depth);
    return fail(value.isNone() ? "a collection holds none, which has no archive"
                               : "an object that is no property-list value cannot be archived");
}

std::optional<std::uint64_t> KeyedArchiveWriter::encodeString(const String& text) {
    if (const auto found = strings_.find(text); found != strings_.end())
        return found->second;
    auto node = PropertyListEncoder::string(text);
    if (!node)
        return fail(toUtf8Lossy(node.error().message));
    const auto uid = reserve();
    store(uid, std::move(*node));
    strings_.emplace(text, uid);
    return uid;
}

std::uint64_t KeyedArchiveWriter::encodeNumber(const Number& number) {
    const auto [found, isNew] = scalars_.try_emplace(scalarKey(number), 0);
    if (isNew) {
        found->second = reserve();
        store(found->second, PropertyListEncoder::number(number));
    }
    return found->second;
}

std::uint64_t KeyedArchiveWriter::encodeData(const Value& value) {
    const auto [found, isNew] = shared_.try_emplace(identity(value), 0);
    if (isNew) {
        found->second = reserve();
        store(found->second, PropertyListEncoder::data(*value.data()));
    }
    return found->second;
}

std::uint64_t KeyedArchiveWriter::encodeDate(Date date) {
    const auto key = std::pair<int, std::uint64_t>(
        DateForm, std::bit_cast<std::uint64_t>(date.timeIntervalSinceReferenceDate()));
    const auto [found, isNew] = scalars_.try_emplace(key, 0);
    if (isNew) {
        found->second = reserve();
        PropertyListNode instance(plist_new_dict());
        instance.set(Format::timeKey,
                     PropertyListEncoder::real(date.timeIntervalSinceReferenceDate()));
        instance.set(Format::classKey, PropertyListEncoder::uid(classReference(dateClass)));
        store(found->second, std::move(instance));
    }
    return found->second;
}

std::optional<std::uint64_t> KeyedArchiveWriter::encodeCollection(const Value& value,
                                                                  std::size_t depth) {
    if (const auto found = shared_.find(identity(value)); found != shared_.end())
        return found->second;
    const auto uid = reserve();
    shared_.emplace(identity(value), uid);
    std::optional<PropertyListNode> instance;
    std::string_view className = dictionaryClass;
    if (const auto* dictionary = value.dictionary()) {
        instance = encodeDictionary(*dictionary, depth);
    } else if (const auto* array = value.array()) {
        instance = encodeMembers(*array, depth);
        className = arrayClass;
    } else {
        instance = encodeMembers(value.set()->members(), depth);
        className = setClass;
    }
    if (!instance)
        return std::nullopt;
    instance->set(Format::classKey, PropertyListEncoder::uid(classReference(className)));
    store(uid, std::move(*instance));
    return uid;
}

std::optional<PropertyListNode> KeyedArchiveWriter::encodeMembers(const Array& members,
                                                                  std::size_t depth) {
    std::vector<std::uint64_t> uids;
    uids.reserve(members.size());
    for (const auto& member : members) {
        const auto uid = encodeObject(member, depth + 1);
        if (!uid)
            return std::nullopt;
        uids.push_back(*uid);
    }
    PropertyListNode instance(plist_new_dict());
    instance.set(Format::membersKey, uidArray(uids));
    return instance;
}

std::optional<PropertyListNode> KeyedArchiveWriter::encodeDictionary(const Dictionary& dictionary,
                                                                     std::size_t depth) {
    std::vector<std::uint64_t> keys;
    std::vector<std::uint64_t> values;
    keys.reserve(dictionary.size());
    values.reserve(dictionary.size());
    // All keys first, then all values, as the platform's dictionaries encode themselves.
    for (const auto& entry : dictionary) {
        const auto uid = encodeString(entry.first);
        if (!uid)
            return std::nullopt;
        keys.push_back(*uid);
    }
    for (const auto& entry : dictionary) {
        const auto uid = encodeObject(entry.second, depth + 1);
        if (!uid)
            return std::nullopt;
        values.push_back(*uid);
    }
    PropertyListNode instance(plist_new_dict());
    instance.set(Format::keysKey, uidArray(keys));
    instance.set(Format::membersKey, uidArray(values));
    return instance;
}

std::uint64_t KeyedArchiveWriter::classReference(std::string_view className) {
    const auto [found, isNew] = classes_.try_emplace(className, 0);
    if (isNew) {
        PropertyListNode chain(plist_new_array());
        chain.append(stringNode(className));
        chain.append(stringNode(rootClass));
        PropertyListNode record(plist_new_dict());
        record.set(Format::classNameKey, stringNode(className));
        record.set(Format::classesKey, std::move(chain));
        found->second = reserve();
        store(found->second, std::move(record));
    }
    return found->second;
}

} // namespace platform
