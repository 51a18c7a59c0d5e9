#include "platform/system/BookmarkRecord.h"

#include "platform/base/PosixPath.h"
#include "platform/base/PropertyList.h"
#include "platform/base/Value.h"

#include <limits>

namespace platform {
namespace {

constexpr const char16_t* kindKey = u"kind";
constexpr const char16_t* versionKey = u"version";
constexpr const char16_t* pathKey = u"path";
constexpr const char16_t* deviceKey = u"device";
constexpr const char16_t* inodeKey = u"inode";
constexpr const char16_t* sizeKey = u"size";
constexpr const char16_t* modificationTimeKey = u"modificationTime";
constexpr const char16_t* readOnlyKey = u"readOnly";
constexpr const char16_t* documentPathKey = u"documentPath";

constexpr std::string_view binaryMagic = "bplist00";

Error damaged(const char16_t* what) {
    return Error{String(u"The bookmark data is damaged: ") + what, std::nullopt};
}

const Number* integerIn(const Value& value) {
    const Number* number = value.number();
    return number && number->isInteger() && number->kind() != Number::Kind::Bool ? number : nullptr;
}

std::optional<std::uint64_t> unsignedIn(const Value& value) {
    const Number* number = integerIn(value);
    if (!number || (number->kind() != Number::Kind::UInt64 && number->longValue() < 0))
        return std::nullopt;
    return number->unsignedLongLongValue();
}

std::optional<std::int64_t> signedIn(const Value& value) {
    const Number* number = integerIn(value);
    if (!number || (number->kind() == Number::Kind::UInt64 &&
                    number->unsignedLongLongValue() >
                        static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())))
        return std::nullopt;
    return number->longValue();
}

std::optional<String> pathIn(const Value& value) {
    const String* path = value.string();
    if (!path || !BookmarkRecord::isUsablePath(*path))
        return std::nullopt;
    return *path;
}

} // namespace

bool BookmarkRecord::isUsablePath(const String& path) {
    return path.starts_with(u'/') && !path.ends_with(u'/') && path.find(u'\0') == String::npos &&
           posixPath(path).has_value();
}

Result<BookmarkRecord> BookmarkRecord::read(const Data& data) {
    if (!bytesOf(data).starts_with(binaryMagic))
        return failure(u"The data is not a Sealscribe bookmark.");
    const auto list = PropertyList::read(data);
    if (!list)
        return failure(u"The data is not a Sealscribe bookmark.");
    const Value& root = *list;
    if (!root.dictionary() || root[kindKey].stringValue() != String(kindMarker))
        return failure(u"The data is not a Sealscribe bookmark.");
    const auto version = signedIn(root[versionKey]);
    if (!version)
        return failure(damaged(u"it has no format version."));
    if (*version != formatVersion)
        return failure(u"The bookmark was made by another version of Sealscribe.");

    BookmarkRecord record;
    const auto path = pathIn(root[pathKey]);
    const auto device = unsignedIn(root[deviceKey]);
    const auto inode = unsignedIn(root[inodeKey]);
    const auto size = signedIn(root[sizeKey]);
    const auto modificationTime = signedIn(root[modificationTimeKey]);
    const Value readOnlyValue = root[readOnlyKey];
    const Number* readOnly = readOnlyValue.number();
    if (!path)
        return failure(damaged(u"it names no absolute path."));
    if (!device || !inode || !size || *size < 0 || !modificationTime)
        return failure(damaged(u"it does not identify a file."));
    if (!readOnly || readOnly->kind() != Number::Kind::Bool)
        return failure(damaged(u"its access is not stated."));
    const Value document = root[documentPathKey];
    if (!document.isNone()) {
        record.documentPath = pathIn(document);
        if (!record.documentPath)
            return failure(damaged(u"it names no absolute document path."));
    }
    record.path = *path;
    record.identity = {
        .device = *device, .inode = *inode, .size = *size, .modificationTime = *modificationTime};
    record.readOnly = readOnly->boolValue();
    return record;
}

Result<Data> BookmarkRecord::write() const {
    Dictionary root{
        {kindKey, String(kindMarker)},
        {versionKey, Number::int64(formatVersion)},
        {pathKey, path},
        {deviceKey, Number::uint64(identity.device)},
        {inodeKey, Number::uint64(identity.inode)},
        {sizeKey, Number::int64(identity.size)},
        {modificationTimeKey, Number::int64(identity.modificationTime)},
        {readOnlyKey, Number::boolean(readOnly)},
    };
    if (documentPath)
        root.emplace(documentPathKey, *documentPath);
    return PropertyList::write(root, PropertyListFormat::Binary);
}

} // namespace platform
