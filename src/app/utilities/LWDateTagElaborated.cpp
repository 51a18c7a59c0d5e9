#include "app/utilities/LWDateTagElaborated.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

using platform::String;
using platform::Value;

namespace {

String decimal(std::int64_t value) {
    const std::string digits = std::to_string(value);
    return String(digits.begin(), digits.end());
}

// At least two characters, as "%02li" writes them: 7 gives "07", -7 stays "-7".
String twoDigits(std::int64_t value) {
    String digits = decimal(value);
    if (digits.size() < 2)
        digits.insert(digits.begin(), u'0');
    return digits;
}

// Left to right without overlaps; a replacement is digits only and never forms a new tag.
void replaceOccurrences(String& text, std::u16string_view tag, const String& replacement) {
    for (auto at = text.find(tag); at != String::npos; at = text.find(tag, at + replacement.size()))
        text.replace(at, tag.size(), replacement);
}

} // namespace

LWDateTagElaborated::LWDateTagElaborated(Clock clock, platform::Calendar calendar)
    : clock_(std::move(clock)), calendar_(calendar) {}

Value LWDateTagElaborated::transformedValue(const Value& value) const {
    const auto* input = value.string();
    if (!input)
        return String();
    String text = *input;
    // Read once, so that one text never mixes two moments.
    const auto now = calendar_.components(clock_());
    // A moment the calendar cannot split leaves the tags as they stand.
    if (!now)
        return text;
    const std::array<std::pair<std::u16string_view, String>, 7> tags = {{
        {u"<yy>", twoDigits(now->year % 100)},
        {u"<YY>", decimal(now->year)},
        {u"<mm>", twoDigits(now->month)},
        {u"<dd>", twoDigits(now->day)},
        {u"<hh>", twoDigits(now->hour)},
        {u"<ii>", twoDigits(now->minute)},
        {u"<ss>", twoDigits(now->second)},
    }};
    for (const auto& [tag, replacement] : tags)
        replaceOccurrences(text, tag, replacement);
    return text;
}
