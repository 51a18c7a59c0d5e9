#include "platform/base/SettingsCoding.h"

#include "platform/base/PropertyList.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace platform {
namespace {

// Property lists keep no width of numbers: integers read back as 64 bits and reals as
// doubles. A number that the narrower kind holds exactly takes that kind again, so that a
// 32-bit integer or a float comes back as it was set.
Number narrowed(const Number& number) {
    if (number.kind() == Number::Kind::Int64) {
        const std::int64_t value = number.longValue();
        if (value >= std::numeric_limits<std::int32_t>::min() &&
            value <= std::numeric_limits<std::int32_t>::max())
            return Number::int32(static_cast<std::int32_t>(value));
    }
    if (number.kind() == Number::Kind::Double) {
        const double value = number.doubleValue();
        if (std::fabs(value) <= std::numeric_limits<float>::max() &&
            static_cast<double>(static_cast<float>(value)) == value)
            return Number::float32(static_cast<float>(value));
    }
    return number;
}

Value narrowed(const Value& value) {
    if (const Number* number = value.number())
        return Value(narrowed(*number));
    if (const Array* members = value.array()) {
        Array result;
        result.reserve(members->size());
        for (const Value& member : *members)
            result.push_back(narrowed(member));
        return Value(std::move(result));
    }
    if (const Dictionary* entries = value.dictionary()) {
        Dictionary result;
        for (const auto& [key, member] : *entries)
            result.emplace(key, narrowed(member));
        return Value(std::move(result));
    }
    return value;
}

// XML keeps dates to the whole second: a date that comes back within the second is kept.
bool readsBackAs(const Value& read, const Value& written) {
    if (read.date() && written.date())
        return std::fabs(read.date()->timeIntervalSinceReferenceDate() -
                         written.date()->timeIntervalSinceReferenceDate()) < 1.0;
    const Array* readMembers = read.array();
    const Array* writtenMembers = written.array();
    if (readMembers && writtenMembers)
        return std::equal(readMembers->begin(), readMembers->end(), writtenMembers->begin(),
                          writtenMembers->end(), readsBackAs);
    const Dictionary* readEntries = read.dictionary();
    const Dictionary* writtenEntries = written.dictionary();
    if (readEntries && writtenEntries)
        return std::equal(readEntries->begin(), readEntries->end(), writtenEntries->begin(),
                          writtenEntries->end(), [](const auto& one, const auto& other) {
                              return one.first == other.first &&
                                     readsBackAs(one.second, other.second);
                          });
    return read == written;
}

} // namespace

Result<Data> SettingsCoding::encode(const Dictionary& settings) {
    return PropertyList::write(Value(settings), PropertyListFormat::XML);
}

Result<Dictionary> SettingsCoding::decode(const Data& bytes) {
    const auto root = PropertyList::read(bytes);
    if (!root)
        return failure(u"it is no property list (" + root.error().message + u")");
    const Value settings = narrowed(*root);
    if (!settings.dictionary())
        return failure(u"its property list holds no dictionary");
    return *settings.dictionary();
}

Result<> SettingsCoding::canKeep(const String& key, const Value& value) {
    const Dictionary entry{{key, value}};
    const auto bytes = encode(entry);
    if (!bytes)
        return failure(bytes.error());
    const auto read = decode(*bytes);
    if (!read)
        return failure(read.error());
    if (!readsBackAs(Value(*read), Value(entry)))
        return failure(u"it does not read back as it was");
    return {};
}

} // namespace platform
