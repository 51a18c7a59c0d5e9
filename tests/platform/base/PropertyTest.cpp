#include "platform/base/Property.h"

#include "platform/base/ComputedProperty.h"
#include "platform/base/Object.h"

#include <gtest/gtest.h>
#include <optional>
#include <vector>

using namespace platform;

namespace {

struct Point2 {
    int x = 0;
    int y = 0;
    bool operator==(const Point2&) const = default;
};

class Sheet : public Object {
public:
    Sheet() { upperTitle_.dependsOn(title_); }

    [[nodiscard]] const String& title() const { return title_.get(); }
    void setTitle(const String& title) { title_.set(title); }
    [[nodiscard]] String upperTitle() const {
        String upper = title_.get();
        for (auto& c : upper)
            if (c >= u'a' && c <= u'z')
                c = static_cast<char16_t>(c - u'a' + u'A');
        return upper;
    }
    [[nodiscard]] bool isShown() const { return shown_.get(); }
    // Showing also counts.
    void setShown(bool shown) {
        if (shown_.change(shown) && shown)
            ++timesShown;
    }
    void moveTo(Point2 origin) { origin_.set(origin); }
    void setPin(const String& pin) { pin_.set(pin); }

    Property<String> title_{*this, u"title", u"untitled", KeyAccess::ReadWrite};
    Property<bool> shown_{*this, u"shown", false, &Sheet::setShown};
    Property<std::int64_t> count_{*this, u"count", 7};
    Property<std::optional<Data>> attachment_{*this, u"attachment", std::nullopt,
                                              KeyAccess::ReadWrite};
    Property<Point2> origin_{*this, u"origin"};
    // A value that is no string is refused.
    Property<String> pin_{*this, u"pin", u"0000", KeyAccess::ReadWrite,
                          [](const Value& value) { return value.string() != nullptr; }};
    ComputedProperty<String> upperTitle_{*this, u"upperTitle", &Sheet::upperTitle};
    int timesShown = 0;
};

} // namespace

TEST(Property, SetTellsEveryTimeAndChangeOnlyADifferentValue) {
    Sheet sheet;
    int titles = 0;
    int shows = 0;
    const auto title = sheet.title_.observe([&] { ++titles; });
    const auto shown = sheet.shown_.observe([&] { ++shows; });

    sheet.setTitle(u"Notes");
    sheet.setTitle(u"Notes");
    EXPECT_EQ(titles, 2) << "every set tells, as key-value observing does";
    sheet.setShown(true);
    sheet.setShown(true);
    sheet.setShown(false);
    EXPECT_EQ(shows, 2);
    EXPECT_EQ(sheet.timesShown, 1);

    sheet.origin_.modify([](Point2& origin) { origin.x = 3; });
    EXPECT_EQ(sheet.origin_.get(), (Point2{3, 0}));
}

TEST(Property, KeyValueCodingReadsAndWritesThroughTheDeclaration) {
    Sheet sheet;
    std::vector<Value> seen;
    const auto observation =
        sheet.addObserver(u"title", [&](const Value& value) { seen.push_back(value); });

    EXPECT_EQ(sheet.valueForKey(u"title"), Value(u"untitled"));
    sheet.setValueForKey(Value(u"Draft"), u"title");
    sheet.setTitle(u"Final");
    EXPECT_EQ(seen, (std::vector<Value>{Value(u"Draft"), Value(u"Final")}))
        << "a write by key and a C++ set are told alike";

    // A value of another kind gives the type's empty value.
    sheet.setValueForKey(Value(Number::int32(4)), u"title");
    EXPECT_EQ(sheet.title(), u"");
    sheet.setValueForKey(Value(dataFromBytes("x")), u"attachment");
    EXPECT_EQ(sheet.attachment_.get(), dataFromBytes("x"));
    sheet.setValueForKey(Value(u"no data"), u"attachment");
    EXPECT_EQ(sheet.attachment_.get(), std::nullopt);
    EXPECT_TRUE(sheet.valueForKey(u"attachment").isNone());

    // Read-only by key, refused by the validator, no platform value.
    sheet.setValueForKey(Value(Number::int64(9)), u"count");
    EXPECT_EQ(sheet.valueForKey(u"count"), Value(Number::int64(7)));
    sheet.setValueForKey(Value(Number::int32(1234)), u"pin");
    EXPECT_EQ(sheet.valueForKey(u"pin"), Value(u"0000"));
    sheet.setValueForKey(Value(u"4321"), u"pin");
    EXPECT_EQ(sheet.valueForKey(u"pin"), Value(u"4321"));
    EXPECT_TRUE(sheet.valueForKey(u"origin").isNone());
    EXPECT_TRUE(sheet.hasKey(u"origin"));
}

TEST(Property, AWriteByKeyGoesThroughTheClassSetter) {
    Sheet sheet;
    sheet.setValueForKey(Value(Number::boolean(true)), u"shown");
    EXPECT_TRUE(sheet.isShown());
    EXPECT_EQ(sheet.timesShown, 1);
    sheet.setValueForKey(Value(u"not a number"), u"shown");
    EXPECT_FALSE(sheet.isShown()) << "another kind of value is NO";
}

TEST(ComputedProperty, FollowsItsSourceAfterTheSourceObservers) {
    Sheet sheet;
    std::vector<String> told;
    const auto upper =
        sheet.upperTitle_.observe([&] { told.push_back(u"upper " + sheet.upperTitle_.get()); });
    const auto title = sheet.title_.observe([&] { told.push_back(u"title " + sheet.title()); });
    const auto byKey = sheet.addObserver(
        u"upperTitle", [&](const Value& value) { told.push_back(*value.string()); });

    sheet.setTitle(u"ab");
    EXPECT_EQ(told, (std::vector<String>{u"title ab", u"upper AB", u"AB"}));
    sheet.setValueForKey(Value(u"ignored"), u"upperTitle");
    EXPECT_EQ(sheet.valueForKey(u"upperTitle"), Value(u"AB")) << "read-only by key";
}

TEST(Property, ReadsCommitAPendingEditAndANewValueDiscardsIt) {
    Sheet sheet;
    bool pending = true;
    const auto edit = sheet.title_.addPendingEdit(
        [&] {
            if (std::exchange(pending, false))
                sheet.setTitle(u"typed");
        },
        [&] { pending = false; });

    EXPECT_EQ(sheet.title(), u"typed") << "a C++ read sees the edit too";
    pending = true;
    sheet.setTitle(u"model");
    EXPECT_FALSE(pending);
    EXPECT_EQ(sheet.title(), u"model");
}
