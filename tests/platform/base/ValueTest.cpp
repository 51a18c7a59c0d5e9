#include "platform/base/Value.h"

#include "platform/base/ComputedProperty.h"
#include "platform/base/Object.h"
#include "platform/base/Property.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace platform;

TEST(Number, AccessorsConvertAsThePlatformDoes) {
    // shortValue keeps the low 16 bits, taken as signed.
    EXPECT_EQ(Number::int32(65539).shortValue(), 3);
    EXPECT_EQ(Number::int32(40000).shortValue(), -25536);
    EXPECT_EQ(Number::int64(0x1'0000'0005).intValue(), 5);
    EXPECT_EQ(Number::uint64(std::numeric_limits<std::uint64_t>::max()).longValue(), -1);
    EXPECT_EQ(Number::uint64(20400).unsignedLongLongValue(), 20400u);
    // Floating values truncate toward zero.
    EXPECT_EQ(Number::float64(120.9).intValue(), 120);
    EXPECT_EQ(Number::float64(-35.5).intValue(), -35);
    EXPECT_EQ(Number::float64(std::nan("")).longValue(), 0);
    EXPECT_EQ(Number::float64(1e300).longValue(), std::numeric_limits<std::int64_t>::max());
    EXPECT_FLOAT_EQ(Number::int32(12).floatValue(), 12.0f);
    EXPECT_TRUE(Number::float32(0.5f).boolValue());
    EXPECT_FALSE(Number::boolean(false).boolValue());
}

TEST(Number, KeepsItsKindAndComparesByValue) {
    EXPECT_EQ(Number::boolean(true).kind(), Number::Kind::Bool);
    EXPECT_EQ(Number::uint64(1).kind(), Number::Kind::UInt64);
    EXPECT_EQ(Number::int32(1), Number::float64(1.0));
    EXPECT_EQ(Number::boolean(true), Number::int32(1));
    EXPECT_FALSE(Number::uint64(std::numeric_limits<std::uint64_t>::max()) == Number::int64(-1));
}

TEST(Value, NoneIsNotEmpty) {
    const Value none;
    EXPECT_TRUE(none.isNone());
    EXPECT_FALSE(Value(String()).isNone());
    EXPECT_FALSE(Value(Data()).isNone());
    EXPECT_NE(none, Value(String()));
    EXPECT_EQ(Value(std::optional<String>()), none);
    EXPECT_EQ(Value(std::optional<String>(u"")), Value(String()));
    // Messages to none answer zero.
    EXPECT_EQ(none.intValue(), 0);
    EXPECT_FALSE(none.boolValue());
    EXPECT_EQ(Value(u"text").intValue(), 0);
}

TEST(Value, CollectionsCompareByContentAndShareStorage) {
    Dictionary entries{{u"a", Value(Number::int32(1))}, {u"b", Value(u"x")}};
    const Value first(entries);
    const Value copy = first;
    EXPECT_EQ(first.dictionary(), copy.dictionary()) << "copies share their storage";
    EXPECT_EQ(first, Value(entries));
    EXPECT_EQ(first[u"b"], Value(u"x"));
    EXPECT_TRUE(first[u"missing"].isNone());
    EXPECT_TRUE(Value(u"no dictionary")[u"a"].isNone());

    Set set(Array{Value(Number::int32(1)), Value(Number::float64(1.0)), Value(u"y")});
    EXPECT_EQ(set.count(), 2u);
    EXPECT_TRUE(set.contains(Value(Number::boolean(true))));
    EXPECT_EQ(Value(set), Value(Set(Array{Value(u"y"), Value(Number::int32(1))})));
}

namespace {

class Sample : public Object {
public:
    void setIsEncrypted(bool encrypted) { encrypted_.set(encrypted); }
    std::shared_ptr<Sample> child;

private:
    Property<bool> encrypted_{*this, u"isEncrypted", false, KeyAccess::ReadWrite};
    ComputedProperty<String> readOnly_{*this, u"readOnly", [] { return String(u"fixed"); }};
};

} // namespace

TEST(KeyValueCoding, GetSetAndObserveByKey) {
    Sample sample;
    std::vector<Value> seen;
    auto observation =
        sample.addObserver(u"isEncrypted", [&](const Value& v) { seen.push_back(v); });

    sample.setValueForKey(Value(Number::boolean(true)), u"isEncrypted");
    sample.setIsEncrypted(false);
    ASSERT_EQ(seen.size(), 2u) << "both ways of setting notify";
    EXPECT_TRUE(seen[0].boolValue());
    EXPECT_FALSE(seen[1].boolValue());

    sample.setValueForKey(Value(u"ignored"), u"readOnly");
    EXPECT_EQ(sample.valueForKey(u"readOnly"), Value(u"fixed"));
    EXPECT_TRUE(sample.valueForKey(u"unknown").isNone());

    observation.cancel();
    sample.setIsEncrypted(true);
    EXPECT_EQ(seen.size(), 2u) << "a cancelled observer hears nothing";
}

TEST(KeyValueCoding, KeyPathsWalkThroughObjects) {
    class Holder : public Object {
    public:
        explicit Holder(std::shared_ptr<Object> inner)
            : inner_(*this, u"inner", [inner] { return inner; }) {}

    private:
        ComputedProperty<std::shared_ptr<Object>> inner_;
    };
    auto inner = std::make_shared<Sample>();
    Holder holder(inner);
    holder.setValueForKeyPath(Value(Number::boolean(true)), u"inner.isEncrypted");
    EXPECT_TRUE(holder.valueForKeyPath(u"inner.isEncrypted").boolValue());
    EXPECT_TRUE(holder.valueForKeyPath(u"inner.unknown.deeper").isNone());
    EXPECT_TRUE(holder.valueForKeyPath(u"nothing.isEncrypted").isNone());
}

TEST(KeyValueCoding, APendingEditIsCommittedBeforeEveryReadAndLosesToANewValue) {
    Sample sample;
    int commits = 0;
    bool pending = true;
    auto edit = sample.addPendingEdit(
        u"isEncrypted",
        [&] {
            if (!pending)
                return;
            pending = false;
            ++commits;
            sample.setIsEncrypted(true);
        },
        [&] { pending = false; });

    EXPECT_TRUE(sample.valueForKey(u"isEncrypted").boolValue()) << "the read sees the edit";
    EXPECT_EQ(commits, 1);

    pending = true;
    sample.setIsEncrypted(false);
    EXPECT_FALSE(pending) << "a new value of the key discards the edit";
    EXPECT_FALSE(sample.valueForKey(u"isEncrypted").boolValue());
    EXPECT_EQ(commits, 1);
}
