#include "app/utilities/LWValueTransformerClasses.h"

#include "app/utilities/LW1IfEqualToRef.h"
#include "app/utilities/LW1IfNot0.h"
#include "app/utilities/LWDateTagElaborated.h"
#include "app/utilities/LWEmptyTrimmedString.h"
#include "app/utilities/LWFilledTrimmedString.h"
#include "app/utilities/LWHeightForFontSize.h"
#include "app/utilities/LWImgData.h"
#include "app/utilities/LWIntToBool.h"
#include "app/utilities/LWNameFromBookmark.h"
#include "app/utilities/LWNegateIntToBool.h"
#include "app/utilities/LWNumberBoolToNumberNum.h"
#include "app/utilities/LWOneIfOneInArray.h"
#include "app/utilities/LWPathFromBookmark.h"
#include "app/utilities/LWReturnInitStr.h"
#include "app/utilities/LWUnarchivieFromDataToText.h"
#include "app/utilities/LWValueIsDigit.h"
#include "app/utilities/LWValueIsEqualToRef.h"
#include "app/utilities/LWValueIsEqualToStr.h"
#include "app/utilities/LWValueIsGreaterOfRef.h"
#include "app/utilities/LWValueIsInArray.h"
#include "app/utilities/LWValueIsInSet.h"
#include "app/utilities/LWValueIsSmallerOfRef.h"
#include "app/utilities/LWValueMultipliedBy.h"
#include "app/utilities/LWValueNotEqualToRef.h"
#include "platform/base/Number.h"
#include "platform/ui/ValueTransformer.h"

#include <gtest/gtest.h>
#include <string>
#include <typeindex>

using platform::Number;
using platform::String;
using platform::Value;
using platform::ValueTransformer;

namespace {

class LWValueTransformerClassesTest : public testing::Test {
protected:
    void SetUp() override {
        ValueTransformer::resetRegistry();
        LWValueTransformerClasses::registerAll();
    }
    void TearDown() override { ValueTransformer::resetRegistry(); }
};

using Class = ValueTransformer::ValueClass;

TEST_F(LWValueTransformerClassesTest, EveryClassNameGivesAnInstanceOfThatClass) {
    const struct {
        const char16_t* name;
        std::type_index type;
        Class resultClass;
        bool reversible;
    } classes[] = {
        {u"LWDateTagElaborated", typeid(LWDateTagElaborated), Class::StringValue, false},
        {u"LWImgData", typeid(LWImgData), Class::ImageValue, true},
        {u"LWIntToBool", typeid(LWIntToBool), Class::NumberValue, true},
        {u"LWNegateIntToBool", typeid(LWNegateIntToBool), Class::NumberValue, true},
        {u"LWOneIfOneInArray", typeid(LWOneIfOneInArray), Class::NumberValue, true},
        {u"LWPathFromBookmark", typeid(LWPathFromBookmark), Class::StringValue, false},
        {u"LWNameFromBookmark", typeid(LWNameFromBookmark), Class::StringValue, false},
        {u"LW1IfNot0", typeid(LW1IfNot0), Class::NumberValue, false},
        {u"LWNumberBoolToNumberNum", typeid(LWNumberBoolToNumberNum), Class::NumberValue, true},
        {u"LW1IfEqualToRef", typeid(LW1IfEqualToRef), Class::NumberValue, false},
        {u"LWValueIsEqualToRef", typeid(LWValueIsEqualToRef), Class::NumberValue, true},
        {u"LWValueIs0", typeid(LWValueIs0), Class::NumberValue, true},
        {u"LWValueIs1", typeid(LWValueIs1), Class::NumberValue, true},
        {u"LWValueIs2", typeid(LWValueIs2), Class::NumberValue, true},
        {u"LWValueIs3", typeid(LWValueIs3), Class::NumberValue, true},
        {u"LWValueIs4", typeid(LWValueIs4), Class::NumberValue, true},
        {u"LWValueIs5", typeid(LWValueIs5), Class::NumberValue, true},
        {u"LWValueIs6", typeid(LWValueIs6), Class::NumberValue, true},
        {u"LWValueIs7", typeid(LWValueIs7), Class::NumberValue, true},
        {u"LWValueIs8", typeid(LWValueIs8), Class::NumberValue, true},
        {u"LWValueIs9", typeid(LWValueIs9), Class::NumberValue, true},
        {u"LWValueIsGreaterOfRef", typeid(LWValueIsGreaterOfRef), Class::NumberValue, false},
        {u"LWValueIsSmallerOfRef", typeid(LWValueIsSmallerOfRef), Class::NumberValue, false},
        {u"LWValueNotEqualToRef", typeid(LWValueNotEqualToRef), Class::NumberValue, false},
        {u"LWReturnInitStr", typeid(LWReturnInitStr), Class::StringValue, false},
        {u"LWValueMultipliedBy", typeid(LWValueMultipliedBy), Class::NumberValue, false},
        {u"LWHeightForFontSize", typeid(LWHeightForFontSize), Class::NumberValue, false},
        {u"LWValueIsEqualToStr", typeid(LWValueIsEqualToStr), Class::NumberValue, false},
        {u"LWValueIsInSet", typeid(LWValueIsInSet), Class::NumberValue, false},
        {u"LWValueIsInArray", typeid(LWValueIsInArray), Class::NumberValue, false},
        {u"LWEmptyTrimmedString", typeid(LWEmptyTrimmedString), Class::NumberValue, false},
        {u"LWFilledTrimmedString", typeid(LWFilledTrimmedString), Class::NumberValue, false},
        {u"LWUnarchivieFromDataToText", typeid(LWUnarchivieFromDataToText), Class::StringValue,
         false},
    };
    for (const auto& c : classes) {
        const std::string name = platform::toUtf8Lossy(c.name);
        const auto transformer = ValueTransformer::valueTransformerForName(c.name);
        ASSERT_NE(transformer, nullptr) << name;
        const ValueTransformer& instance = *transformer;
        EXPECT_EQ(std::type_index(typeid(instance)), c.type) << name;
        EXPECT_EQ(transformer->transformedValueClass(), c.resultClass) << name;
        EXPECT_EQ(transformer->allowsReverseTransformation(), c.reversible) << name;
        if (!c.reversible) {
            EXPECT_TRUE(transformer->reverseTransformedValue(Number::int32(1)).isNone()) << name;
        }
    }
}

TEST_F(LWValueTransformerClassesTest, EachDigitClassTakesItsDigitAsTheReference) {
    for (std::int32_t digit = 0; digit <= 9; ++digit) {
        const String name = u"LWValueIs" + String(1, static_cast<char16_t>(u'0' + digit));
        const auto transformer = ValueTransformer::valueTransformerForName(name);
        ASSERT_NE(transformer, nullptr) << digit;
        EXPECT_EQ(transformer->transformedValue(Number::int32(digit)), Value(Number::int32(1)))
            << digit;
        EXPECT_EQ(transformer->transformedValue(Number::int32(digit + 1)), Value(Number::int32(0)))
            << digit;
        EXPECT_EQ(transformer->reverseTransformedValue(Number::boolean(true)),
                  Value(Number::int32(digit)))
            << digit;
    }
}

TEST_F(LWValueTransformerClassesTest, TheNamedInstancesAreLeftToTheApplication) {
    EXPECT_EQ(ValueTransformer::valueTransformerForName(u"valueNot0"), nullptr);
    EXPECT_EQ(ValueTransformer::valueTransformerForName(u"valueIsOpSelDoc"), nullptr);
}

TEST_F(LWValueTransformerClassesTest, AClassNameGivesThePlainConstructorsReference) {
    const auto greater = ValueTransformer::valueTransformerForName(u"LWValueIsGreaterOfRef");
    ASSERT_NE(greater, nullptr);
    EXPECT_EQ(greater->transformedValue(Number::int32(1)), Value(Number::int32(1)));
    EXPECT_EQ(greater->transformedValue(Number::int32(40000)), Value(Number::int32(0)));

    const auto initString = ValueTransformer::valueTransformerForName(u"LWReturnInitStr");
    ASSERT_NE(initString, nullptr);
    EXPECT_TRUE(initString->transformedValue(u"abc").isNone());

    const auto dateTags = ValueTransformer::valueTransformerForName(u"LWDateTagElaborated");
    ASSERT_NE(dateTags, nullptr);
    const Value year = dateTags->transformedValue(u"<YY>");
    ASSERT_NE(year.string(), nullptr);
    EXPECT_NE(*year.string(), String(u"<YY>"));
}

} // namespace
