#include "app/utilities/LWStringUtils.h"

#include "crypto/RandomIntInRange.h"
#include "platform/base/CodePoint.h"
#include "platform/base/UUID.h"
#include "platform/text/TextMeasurer.h"

#include <cinttypes>
#include <cstdio>

using platform::CodePoint;
using platform::String;

namespace {

constexpr std::int64_t randomMinimum = 1;
constexpr std::int64_t randomMaximum = 32000000000000;

// The serial memory of getNewSerialForTimeString.
String lastTimeString;
std::int64_t serial = 0;

String ascii(const char* text) {
    String result;
    for (const char* c = text; *c != '\0'; ++c)
        result.push_back(static_cast<char16_t>(*c));
    return result;
}

String keepingCharacters(const String& text, const std::function<bool(char32_t)>& keep) {
    String result;
    for (std::size_t index = 0; index < text.size();) {
        const CodePoint character = CodePoint::at(text, index);
        if (keep(character.value))
            result.append(text, index, character.length);
        index += character.length;
    }
    return result;
}

String trimmingUnit(const String& text, char16_t unit) {
    const auto first = text.find_first_not_of(unit);
    if (first == String::npos)
        return {};
    return text.substr(first, text.find_last_not_of(unit) - first + 1);
}

} // namespace

LWStringUtils::Sources LWStringUtils::Sources::system() {
    return {platform::Date::now, platform::Calendar::currentCalendar(), RandomIntInRange};
}

String LWStringUtils::createUUIDString() {
    return platform::UUID().UUIDString();
}

String LWStringUtils::uniqueUUIDString() {
    return platform::UUID().UUIDString();
}

String LWStringUtils::trimString(const String& text, const String& acceptedChars) {
    const auto accepted = platform::CharacterSet::characterSetWithCharactersInString(acceptedChars);
    return keepingCharacters(
        text, [&](char32_t character) { return accepted.longCharacterIsMember(character); });
}

String LWStringUtils::trimStringToFit(const String& text, int width,
                                      const platform::TextAttributes& attributes) {
    return trimStringToFit(text, width, attributes, *platform::TextMeasurer::sharedTextMeasurer());
}

String LWStringUtils::trimStringToFit(const String& text, int width,
                                      const platform::TextAttributes& attributes,
                                      platform::TextMeasurer& measurer) {
    const double limit = width;
    String copy = text;
    if (limit >= measurer.widthOfString(copy, attributes))
        return copy;
    // Whole characters go, so that a surrogate pair is never split.
    while (measurer.widthOfString(copy + u"..", attributes) > limit) {
        if (copy.empty() || CodePoint::at(copy, 0).length == copy.size())
            break;
        copy.resize(copy.size() - CodePoint::lengthBefore(copy, copy.size()));
    }
    return copy + u"..";
}

String LWStringUtils::uniqueTimeString(const Sources& sources) {
    const auto parts = sources.calendar.components(sources.now());
    // Only a clock beyond the calendar's years gives none.
    if (!parts)
        return {};
    char digits[96];
    std::snprintf(digits, sizeof digits,
                  "%" PRId64 "%02" PRId64 "%02" PRId64 "%02" PRId64 "%02" PRId64 "%02" PRId64,
                  parts->year, parts->month, parts->day, parts->hour, parts->minute, parts->second);
    return ascii(digits);
}

String LWStringUtils::uniqueTimeRandString(const Sources& sources) {
    const std::int64_t number = sources.randomIntInRange(randomMinimum, randomMaximum);
    char digits[32];
    std::snprintf(digits, sizeof digits, "%05" PRId64, number);
    return uniqueTimeString(sources) + ascii(digits);
}

String LWStringUtils::getNewSerialForTimeString(const String& time) {
    serial = time == lastTimeString ? serial + 1 : 0;
    lastTimeString = time;
    return ascii(std::to_string(serial).c_str());
}

String LWStringUtils::uniqueTimeSerialString(const Sources& sources) {
    const String time = uniqueTimeString(sources);
    return time + getNewSerialForTimeString(time);
}

void LWStringUtils::resetSerialForTesting() {
    lastTimeString.clear();
    serial = 0;
}

String LWStringUtils::stringByRemovingCharacters(const String& text,
                                                 const platform::CharacterSet& set) {
    return keepingCharacters(
        text, [&](char32_t character) { return !set.longCharacterIsMember(character); });
}

std::optional<String> LWStringUtils::removeInitialSpaces(const String& text) {
    const auto whitespace = platform::CharacterSet::whitespaceCharacterSet();
    std::size_t start = 0;
    while (start < text.size() && whitespace.longCharacterIsMember(text[start]))
        ++start;
    if (start == text.size())
        return std::nullopt;
    return text.substr(start);
}

String LWStringUtils::trimLateralSpace(const String& text) {
    return trimmingUnit(text, u' ');
}

bool LWStringUtils::spaceTrimmedNotEmpy(const std::optional<String>& text) {
    return text && !trimmingUnit(*text, u' ').empty();
}

String LWStringUtils::trimLateralQuote(const String& text) {
    return trimmingUnit(text, u'"');
}

String LWStringUtils::removeLateralSpace(const String& text) {
    return trimLateralSpace(text);
}

String LWStringUtils::stripNewLines(const String& text) {
    String result = text;
    std::erase_if(result, [](char16_t unit) { return unit == u'\n' || unit == u'\r'; });
    return result;
}

String LWStringUtils::addLeading0(const String& text, std::int64_t totalLen) {
    // Compared, not subtracted: a subtraction overflows for the most negative total.
    if (totalLen > maximumPaddedLength || totalLen <= static_cast<std::int64_t>(text.size()))
        return text;
    return String(static_cast<std::size_t>(totalLen) - text.size(), u'0') + text;
}
