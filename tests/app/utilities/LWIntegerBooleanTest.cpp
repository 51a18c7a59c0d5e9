#include "TransformerCases.h"
#include "app/utilities/LW1IfNot0.h"
#include "app/utilities/LWIntToBool.h"
#include "app/utilities/LWNegateIntToBool.h"
#include "app/utilities/LWNumberBoolToNumberNum.h"
#include "app/utilities/LWOneIfOneInArray.h"
#include "platform/base/Data.h"

#include <gtest/gtest.h>

using platform::Array;
using platform::Value;

namespace {

const std::int64_t twoTo32 = std::int64_t{1} << 32;

TEST(LWIntToBool, IntegerAsBooleanAndBack) {
    const LWIntToBool transformer;
    expectForward(transformer, {
                                   {"none", Value(), "bool NO"},
                                   {"0", int32Number(0), "bool NO"},
                                   {"2", int32Number(2), "bool YES"},
                                   {"-1", int32Number(-1), "bool YES"},
                                   {"2^32 (low 32 bits 0)", int64Number(twoTo32), "bool NO"},
                                   {"0.5 (truncated)", floatNumber(0.5f), "bool NO"},
                                   {"the string \"1\"", Value(u"1"), "bool NO"},
                                   {"data", Value(platform::dataFromBytes("\x01")), "bool NO"},
                               });
    expectReverse(transformer, {
                                   {"YES", boolNumber(true), "int 1"},
                                   {"NO", boolNumber(false), "int 0"},
                                   {"none", Value(), "int 0"},
                                   {"2", int32Number(2), "int 1"},
                                   {"the string \"1\"", Value(u"1"), "int 0"},
                               });
}

TEST(LWNegateIntToBool, ZeroIsOnAndBack) {
    const LWNegateIntToBool transformer;
    expectForward(transformer, {
                                   {"none", Value(), "bool YES"},
                                   {"0", int32Number(0), "bool YES"},
                                   {"3", int32Number(3), "bool NO"},
                                   {"2^32 (low 32 bits 0)", int64Number(twoTo32), "bool YES"},
                                   {"the string \"5\"", Value(u"5"), "bool YES"},
                               });
    expectReverse(transformer, {
                                   {"none", Value(), "int 1"},
                                   {"YES", boolNumber(true), "int 0"},
                                   {"NO", boolNumber(false), "int 1"},
                                   {"the string \"1\"", Value(u"1"), "int 1"},
                               });
}

TEST(LW1IfNot0, IntegerOneForAnyIntegerButZero) {
    const LW1IfNot0 transformer;
    expectForward(transformer, {
                                   {"none", Value(), "int 0"},
                                   {"0", int32Number(0), "int 0"},
                                   {"7", int32Number(7), "int 1"},
                                   {"-7", int32Number(-7), "int 1"},
                                   {"YES", boolNumber(true), "int 1"},
                                   {"the string \"7\"", Value(u"7"), "int 0"},
                               });
}

TEST(LWNumberBoolToNumberNum, BooleanAsIntegerAndBackThroughTheWholeInteger) {
    const LWNumberBoolToNumberNum transformer;
    expectForward(transformer, {
                                   {"YES", boolNumber(true), "int 1"},
                                   {"NO", boolNumber(false), "int 0"},
                                   {"none", Value(), "int 0"},
                                   {"5", int32Number(5), "int 1"},
                                   {"the string \"YES\"", Value(u"YES"), "int 0"},
                               });
    expectReverse(transformer, {
                                   {"0", int32Number(0), "bool NO"},
                                   {"2", int32Number(2), "bool YES"},
                                   {"none", Value(), "bool NO"},
                                   {"2^32 (read as 64 bits)", int64Number(twoTo32), "bool YES"},
                                   {"the string \"1\"", Value(u"1"), "bool NO"},
                               });
}

TEST(LWOneIfOneInArray, OneOnlyForMoreThanOneElementAndBackAnEmptyArray) {
    const LWOneIfOneInArray transformer;
    expectForward(transformer, {
                                   {"[]", Array{}, "int 0"},
                                   {"[1]", Array{int32Number(1)}, "int 0"},
                                   {"[1, 2]", Array{int32Number(1), int32Number(2)}, "int 1"},
                                   {"none", Value(), "int 0"},
                                   {"the string \"ab\"", Value(u"ab"), "int 0"},
                               });
    expectReverse(transformer, {
                                   {"[1, 2]", Array{int32Number(1), int32Number(2)}, "array of 0"},
                                   {"1", int32Number(1), "array of 0"},
                                   {"none", Value(), "array of 0"},
                               });
}

} // namespace
