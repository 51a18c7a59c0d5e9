#pragma once

#include <cstdint>
#include <string_view>

namespace platform {

// The names of the platform's keyed-archive format: a binary property list whose top
// dictionary names the archiver, its version, the root object's UID in "$top" and every
// object in "$objects", with "$null" at index 0. Objects other than strings, data and
// numbers are dictionaries whose "$class" refers to a class record.
struct KeyedArchiveFormat {
    static constexpr std::string_view archiverKey = "$archiver";
    static constexpr std::string_view archiverName = "NSKeyedArchiver";
    static constexpr std::string_view versionKey = "$version";
    static constexpr std::uint64_t version = 100000;
    static constexpr std::string_view topKey = "$top";
    static constexpr std::string_view rootKey = "root";
    static constexpr std::string_view objectsKey = "$objects";
    static constexpr std::string_view null = "$null";

    static constexpr std::string_view classKey = "$class";
    static constexpr std::string_view classNameKey = "$classname";
    static constexpr std::string_view classesKey = "$classes";
    // A UID in an XML archive.
    static constexpr std::string_view xmlUidKey = "CF$UID";

    static constexpr std::string_view keysKey = "NS.keys";
    static constexpr std::string_view membersKey = "NS.objects";
    static constexpr std::string_view timeKey = "NS.time";
    static constexpr std::string_view stringKey = "NS.string";
    static constexpr std::string_view dataKey = "NS.data";
};

} // namespace platform
