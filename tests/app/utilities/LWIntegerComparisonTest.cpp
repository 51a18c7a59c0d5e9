#include "TransformerCases.h"
#include "app/utilities/LW1IfEqualToRef.h"
#include "app/utilities/LWValueIsDigit.h"
#include "app/utilities/LWValueIsEqualToRef.h"
#include "app/utilities/LWValueIsGreaterOfRef.h"
#include "app/utilities/LWValueIsSmallerOfRef.h"
#include "app/utilities/LWValueNotEqualToRef.h"
#include "platform/base/Data.h"

#include <gtest/gtest.h>

using platform::Value;

namespace {

TEST(LWValueNotEqualToRef, TheValueNot0InstanceAnswersIntegers) {
    const LWValueNotEqualToRef valueNot0(0);
    expectForward(valueNot0, {
                                 {"0", int32Number(0), "int 0"},
                                 {"5", int32Number(5), "int 1"},
                                 {"-1", int32Number(-1), "int 1"},
                                 {"none", Value(), "none"},
                                 {"65536 (low 16 bits 0)", int32Number(65536), "int 0"},
                                 {"YES", boolNumber(true), "int 1"},
                                 {"NO", boolNumber(false), "int 0"},
                                 {"0.7 (truncated)", floatNumber(0.7f), "int 0"},
                                 {"-1.5 (truncated)", doubleNumber(-1.5), "int 1"},
                                 {"the string \"0\"", Value(u"0"), "none"},
                                 {"data", Value(platform::dataFromBytes("1")), "none"},
                             });
}

TEST(LWValueIsEqualToRef, LowSixteenBitsOfTheInputMeetTheWholeReference) {
    const LWValueIs3 three;
    expectForward(three, {
                             {"3", int32Number(3), "int 1"},
                             {"65539 (low 16 bits 3)", int32Number(65539), "int 1"},
                             {"2^32 + 3", int64Number((std::int64_t{1} << 32) + 3), "int 1"},
                             {"4", int32Number(4), "int 0"},
                             {"3.9", floatNumber(3.9f), "int 1"},
                             {"none", Value(), "none"},
                             {"the string \"3\"", Value(u"3"), "none"},
                         });

    // The reference is not cut to 16 bits, so an input can never reach it.
    expectForward(LWValueIsEqualToRef(65539), {
                                                  {"3", int32Number(3), "int 0"},
                                                  {"65539", int32Number(65539), "int 0"},
                                              });
    expectForward(LWValueIsEqualToRef(-1), {{"65535", int32Number(65535), "int 1"}});
}

TEST(LWValueIsEqualToRef, AnOnStateWritesTheReferenceBackAndAnOffStateNone) {
    expectReverse(LWValueIs3(), {
                                    {"YES", boolNumber(true), "int 3"},
                                    {"NO", boolNumber(false), "none"},
                                    {"none", Value(), "none"},
                                    {"7", int32Number(7), "int 3"},
                                    {"the string \"1\"", Value(u"1"), "none"},
                                });
    expectReverse(LWValueIsEqualToRef(-20), {{"YES", boolNumber(true), "int -20"}});
    expectReverse(LWValueIsEqualToRef(), {{"YES", boolNumber(true), "int 0"}});
}

TEST(LWValueIsEqualToRef, AGivenReferenceReplacesTheDigitOfTheName) {
    const LWValueIs3 seven(7);
    expectForward(seven, {{"7", int32Number(7), "int 1"}, {"3", int32Number(3), "int 0"}});
    expectReverse(seven, {{"YES", boolNumber(true), "int 7"}});
}

TEST(LWValueIsGreaterOfRef, SignedComparisonOfTheLowSixteenBits) {
    expectForward(LWValueIsGreaterOfRef(),
                  {
                      {"1", int32Number(1), "int 1"},
                      {"0", int32Number(0), "int 0"},
                      {"-1", int32Number(-1), "int 0"},
                      {"40000 (reads -25536)", int32Number(40000), "int 0"},
                      {"32767", int32Number(32767), "int 1"},
                      {"none", Value(), "none"},
                      {"the string \"9\"", Value(u"9"), "none"},
                  });
    expectForward(LWValueIsGreaterOfRef(100000), {{"32767", int32Number(32767), "int 0"}});
    expectForward(LWValueIsGreaterOfRef(-40000), {{"-32768", int32Number(-32768), "int 1"}});
}

TEST(LWValueIsSmallerOfRef, SignedComparisonOfTheLowSixteenBits) {
    expectForward(LWValueIsSmallerOfRef(),
                  {
                      {"-1", int32Number(-1), "int 1"},
                      {"0", int32Number(0), "int 0"},
                      {"1", int32Number(1), "int 0"},
                      {"40000 (reads -25536)", int32Number(40000), "int 1"},
                      {"none", Value(), "none"},
                      {"the string \"-9\"", Value(u"-9"), "none"},
                  });
    expectForward(LWValueIsSmallerOfRef(100000), {{"32767", int32Number(32767), "int 1"}});
    expectForward(LWValueIsSmallerOfRef(5), {{"5", int32Number(5), "int 0"}});
}

TEST(LW1IfEqualToRef, IntegerOneOnEqualityAndNoWayBack) {
    const LW1IfEqualToRef five(5);
    expectForward(five, {
                            {"5", int32Number(5), "int 1"},
                            {"65541 (low 16 bits 5)", int32Number(65541), "int 1"},
                            {"6", int32Number(6), "int 0"},
                            {"none", Value(), "none"},
                        });
    EXPECT_FALSE(five.allowsReverseTransformation());
    expectReverse(five, {{"YES", boolNumber(true), "none"}});
    expectForward(LW1IfEqualToRef(), {{"0", int32Number(0), "int 1"}});
}

} // namespace
