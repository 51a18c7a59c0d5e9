#include "TransformerCases.h"
#include "app/utilities/LWEmptyTrimmedString.h"
#include "app/utilities/LWFilledTrimmedString.h"
#include "app/utilities/LWReturnInitStr.h"
#include "app/utilities/LWUnarchivieFromDataToText.h"
#include "app/utilities/LWValueIsEqualToStr.h"
#include "app/utilities/LWValueIsInArray.h"
#include "app/utilities/LWValueIsInSet.h"
#include "platform/base/Data.h"

#include <gtest/gtest.h>

using platform::Array;
using platform::Set;
using platform::Value;

namespace {

TEST(LWValueIsEqualToStr, TheValueIsOpSelDocInstanceComparesExactly) {
    const LWValueIsEqualToStr valueIsOpSelDoc(u"Open Selected Document");
    expectForward(valueIsOpSelDoc,
                  {
                      {"the same words", Value(u"Open Selected Document"), "bool YES"},
                      {"lower case", Value(u"open selected document"), "bool NO"},
                      {"a trailing blank", Value(u"Open Selected Document "), "bool NO"},
                      {"empty", Value(u""), "bool NO"},
                      {"none", Value(), "none"},
                      {"the number 1", int32Number(1), "none"},
                      {"data", Value(platform::dataFromBytes("Open Selected Document")), "none"},
                  });
}

TEST(LWValueIsEqualToStr, WithoutAReferenceEveryStringIsUnequal) {
    expectForward(LWValueIsEqualToStr(), {
                                             {"empty", Value(u""), "bool NO"},
                                             {"a word", Value(u"Open"), "bool NO"},
                                             {"none", Value(), "none"},
                                         });
}

TEST(LWReturnInitStr, GivesItsReferenceWhateverTheInput) {
    expectForward(LWReturnInitStr(u"abc"), {
                                               {"none", Value(), "string \"abc\""},
                                               {"5", int32Number(5), "string \"abc\""},
                                               {"another string", Value(u"x"), "string \"abc\""},
                                           });
    expectForward(LWReturnInitStr(), {
                                         {"none", Value(), "none"},
                                         {"a string", Value(u"abc"), "none"},
                                         {"5", int32Number(5), "none"},
                                     });
}

TEST(LWValueIsInSet, MembershipByTheMembersOwnEquality) {
    const LWValueIsInSet transformer(Set(Array{int32Number(1), Value(u"a")}));
    expectForward(transformer, {
                                   {"1", int32Number(1), "bool YES"},
                                   {"1.0 (a real of equal value)", doubleNumber(1.0), "bool YES"},
                                   {"YES (the number 1)", boolNumber(true), "bool YES"},
                                   {"2", int32Number(2), "bool NO"},
                                   {"\"a\"", Value(u"a"), "bool YES"},
                                   {"\"A\"", Value(u"A"), "bool NO"},
                                   {"none", Value(), "none"},
                               });
    expectForward(LWValueIsInSet(), {
                                        {"1", int32Number(1), "bool NO"},
                                        {"none", Value(), "none"},
                                    });
}

TEST(LWValueIsInArray, MembershipByTheElementsOwnEquality) {
    const LWValueIsInArray transformer(Array{int32Number(2), Value(u"b"), Array{}});
    expectForward(transformer, {
                                   {"2", int32Number(2), "bool YES"},
                                   {"2.0 (a real of equal value)", floatNumber(2.0f), "bool YES"},
                                   {"3", int32Number(3), "bool NO"},
                                   {"\"b\"", Value(u"b"), "bool YES"},
                                   {"an empty array", Array{}, "bool YES"},
                                   {"none", Value(), "none"},
                               });
    expectForward(LWValueIsInArray(), {
                                          {"2", int32Number(2), "bool NO"},
                                          {"none", Value(), "none"},
                                      });
}

TEST(LWTrimmedString, OnlyTheSpaceCharacterIsTrimmed) {
    const LWEmptyTrimmedString empty;
    const LWFilledTrimmedString filled;
    const struct {
        const char* name;
        Value input;
        bool isEmpty;
    } cases[] = {
        {"spaces alone", Value(u"   "), true},
        {"empty", Value(u""), true},
        {"none", Value(), true},
        {"the number 0", int32Number(0), true},
        {"the number 5", int32Number(5), true},
        {"a tab alone", Value(u"\t"), false},
        {"a line break alone", Value(u"\n"), false},
        {"a no-break space alone", Value(u"\u00A0"), false},
        {"a word between spaces", Value(u"  a  "), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(transformedValueText(empty.transformedValue(c.input)),
                  c.isEmpty ? "bool YES" : "bool NO")
            << c.name;
        EXPECT_EQ(transformedValueText(filled.transformedValue(c.input)),
                  c.isEmpty ? "bool NO" : "bool YES")
            << c.name;
    }
}

TEST(LWUnarchivieFromDataToText, NoArchiveEverDecodes) {
    expectForward(LWUnarchivieFromDataToText(),
                  {
                      {"none", Value(), "none"},
                      {"empty data", Value(platform::Data{}), "none"},
                      {"data", Value(platform::dataFromBytes("\x04\x0bstreamtyped")), "none"},
                      {"a string", Value(u"text"), "none"},
                  });
}

} // namespace
