#pragma once

#include "platform/base/Calendar.h"
#include "platform/base/Date.h"
#include "platform/ui/ValueTransformer.h"

#include <functional>

// A text with its date tags ("<yy>", "<YY>", "<mm>", "<dd>", "<hh>", "<ii>", "<ss>") filled
// in with the present moment, split by the calendar in its time zone. Tags match literally
// and case-sensitively.
class LWDateTagElaborated : public platform::ValueTransformer {
public:
    using Clock = std::function<platform::Date()>;

    explicit LWDateTagElaborated(
        Clock clock = platform::Date::now,
        platform::Calendar calendar = platform::Calendar::currentCalendar());

    [[nodiscard]] platform::Value transformedValue(const platform::Value& value) const override;
    [[nodiscard]] ValueClass transformedValueClass() const override {
        return ValueClass::StringValue;
    }

private:
    Clock clock_;
    platform::Calendar calendar_;
};
