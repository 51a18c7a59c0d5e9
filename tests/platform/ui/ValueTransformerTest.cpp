#include "platform/ui/ValueTransformer.h"

#include <gtest/gtest.h>

using platform::Number;
using platform::Value;
using platform::ValueTransformer;

namespace {

class Negate : public ValueTransformer {
public:
    static inline int made = 0;
    Negate() { ++made; }
    Value transformedValue(const Value& value) const override {
        return value.isNone() ? Value() : Value(Number::boolean(!value.boolValue()));
    }
    ValueClass transformedValueClass() const override { return ValueClass::NumberValue; }
    bool allowsReverseTransformation() const override { return true; }
};

class Constant : public ValueTransformer {
public:
    explicit Constant(int value = 0) : value_(value) {}
    Value transformedValue(const Value&) const override { return Number::int32(value_); }

private:
    int value_;
};

// Registers a transformer of its own while it is being made by the registry.
class RegistersAnother : public ValueTransformer {
public:
    RegistersAnother() { setValueTransformer(std::make_shared<Constant>(7), u"madeInside"); }
};

class TransformerRegistry : public testing::Test {
protected:
    void SetUp() override {
        ValueTransformer::resetRegistry();
        Negate::made = 0;
    }
    void TearDown() override { ValueTransformer::resetRegistry(); }
};

TEST_F(TransformerRegistry, RegisteredNameGivesItsInstance) {
    const auto five = std::make_shared<Constant>(5);
    ValueTransformer::setValueTransformer(five, u"valueNot0");
    EXPECT_EQ(ValueTransformer::valueTransformerForName(u"valueNot0"), five);

    const auto six = std::make_shared<Constant>(6);
    ValueTransformer::setValueTransformer(six, u"valueNot0");
    EXPECT_EQ(ValueTransformer::valueTransformerForName(u"valueNot0"), six);

    ValueTransformer::setValueTransformer(nullptr, u"valueNot0");
    EXPECT_EQ(ValueTransformer::valueTransformerForName(u"valueNot0"), nullptr);
}

TEST_F(TransformerRegistry, ClassNameGivesOneSharedInstanceMadeWithThePlainConstructor) {
    ValueTransformer::registerClass<Negate>(u"LWNegateIntToBool");
    EXPECT_EQ(Negate::made, 0);

    const auto first = ValueTransformer::valueTransformerForName(u"LWNegateIntToBool");
    const auto second = ValueTransformer::valueTransformerForName(u"LWNegateIntToBool");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, second);
    EXPECT_EQ(Negate::made, 1);
    EXPECT_EQ(first->transformedValue(Number::int32(0)), Value(Number::boolean(true)));
    EXPECT_EQ(first->transformedValueClass(), ValueTransformer::ValueClass::NumberValue);
}

TEST_F(TransformerRegistry, UnknownNameGivesNone) {
    ValueTransformer::registerClass<Negate>(u"LWNegateIntToBool");
    for (const auto* name : {u"", u"lwnegateinttobool", u"LWNegateIntToBool ", u"NoSuchClass"})
        EXPECT_EQ(ValueTransformer::valueTransformerForName(name), nullptr);
    EXPECT_EQ(Negate::made, 0);
}

TEST_F(TransformerRegistry, RegisteredNameWinsOverAClassOfThatName) {
    ValueTransformer::registerClass<Negate>(u"LWValueIs3");
    const auto own = std::make_shared<Constant>(3);
    ValueTransformer::setValueTransformer(own, u"LWValueIs3");
    EXPECT_EQ(ValueTransformer::valueTransformerForName(u"LWValueIs3"), own);
    EXPECT_EQ(Negate::made, 0);
}

TEST_F(TransformerRegistry, AConstructorMayRegisterTransformersOfItsOwn) {
    ValueTransformer::registerClass<RegistersAnother>(u"RegistersAnother");
    EXPECT_NE(ValueTransformer::valueTransformerForName(u"RegistersAnother"), nullptr);
    EXPECT_NE(ValueTransformer::valueTransformerForName(u"madeInside"), nullptr);
}

TEST_F(TransformerRegistry, ResetForgetsNamesAndClasses) {
    ValueTransformer::registerClass<Negate>(u"LWNegateIntToBool");
    ValueTransformer::setValueTransformer(std::make_shared<Constant>(), u"valueNot0");
    ASSERT_NE(ValueTransformer::valueTransformerForName(u"LWNegateIntToBool"), nullptr);
    ValueTransformer::resetRegistry();
    EXPECT_EQ(ValueTransformer::valueTransformerForName(u"LWNegateIntToBool"), nullptr);
    EXPECT_EQ(ValueTransformer::valueTransformerForName(u"valueNot0"), nullptr);
}

TEST(ValueTransformerBase, DefaultsPassTheValueAndReverseOnlyWhenAllowed) {
    const ValueTransformer plain;
    EXPECT_EQ(plain.transformedValue(u"abc"), Value(u"abc"));
    EXPECT_FALSE(plain.allowsReverseTransformation());
    EXPECT_TRUE(plain.reverseTransformedValue(u"abc").isNone());
    EXPECT_EQ(plain.transformedValueClass(), ValueTransformer::ValueClass::ObjectValue);

    const Negate reversible;
    EXPECT_EQ(reversible.reverseTransformedValue(Number::boolean(true)),
              Value(Number::boolean(false)));
}

} // namespace
