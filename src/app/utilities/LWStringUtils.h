#pragma once

#include "platform/base/Calendar.h"
#include "platform/base/CharacterSet.h"
#include "platform/base/Date.h"
#include "platform/base/String.h"
#include "platform/text/TextAttributes.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace platform {
class TextMeasurer;
}

// Small string operations: UUID strings, time strings unique within the process, shortening
// a text to a width, trimming, filtering and padding. Class-level operations only; main
// thread only.
class LWStringUtils {
public:
    // Where the time strings take the present moment and their random numbers from.
    struct Sources {
        std::function<platform::Date()> now;
        platform::Calendar calendar;
        std::function<std::int64_t(std::int64_t min, std::int64_t max)> randomIntInRange;

        // The clock, the user's current calendar and RandomIntInRange.
        [[nodiscard]] static Sources system();
    };

    // Longer totals are left alone: they only let a bad number exhaust memory.
    static constexpr std::int64_t maximumPaddedLength = std::int64_t{1} << 24;

    [[nodiscard]] static platform::String createUUIDString();
    [[nodiscard]] static platform::String uniqueUUIDString();

    // The characters of the text that occur in the accepted string, in their order.
    [[nodiscard]] static platform::String trimString(const platform::String& text,
                                                     const platform::String& acceptedChars);

    // The text, or its longest start (never less than one character) followed by "..",
    // that fits the width in points drawn with the attributes.
    [[nodiscard]] static platform::String
    trimStringToFit(const platform::String& text, int width,
                    const platform::TextAttributes& attributes);
    [[nodiscard]] static platform::String
    trimStringToFit(const platform::String& text, int width,
                    const platform::TextAttributes& attributes, platform::TextMeasurer& measurer);

    // The present moment to the second, as digits: year, month, day, hour, minute, second.
    [[nodiscard]] static platform::String
    uniqueTimeString(const Sources& sources = Sources::system());
    // uniqueTimeString and a random number of at least five digits.
    [[nodiscard]] static platform::String
    uniqueTimeRandString(const Sources& sources = Sources::system());
    // 0 for a time string other than the last one given, else one more than last time.
    [[nodiscard]] static platform::String getNewSerialForTimeString(const platform::String& time);
    // uniqueTimeString and its serial.
    [[nodiscard]] static platform::String
    uniqueTimeSerialString(const Sources& sources = Sources::system());
    // Forgets the last time string and its serial, as at start.
    static void resetSerialForTesting();

    [[nodiscard]] static platform::String
    stringByRemovingCharacters(const platform::String& text, const platform::CharacterSet& set);
    // The text from its first character that is not white space; none when nothing is left.
    [[nodiscard]] static std::optional<platform::String>
    removeInitialSpaces(const platform::String& text);
    // Without the spaces (U+0020 only) at its start and end.
    [[nodiscard]] static platform::String trimLateralSpace(const platform::String& text);
    [[nodiscard]] static bool spaceTrimmedNotEmpy(const std::optional<platform::String>& text);
    [[nodiscard]] static platform::String trimLateralQuote(const platform::String& text);
    [[nodiscard]] static platform::String removeLateralSpace(const platform::String& text);
    // Without any line feed or carriage return.
    [[nodiscard]] static platform::String stripNewLines(const platform::String& text);
    // The text with "0"s in front up to the total length; unchanged when it is that long
    // already, or when the total lies beyond maximumPaddedLength.
    [[nodiscard]] static platform::String addLeading0(const platform::String& text,
                                                      std::int64_t totalLen);
};
