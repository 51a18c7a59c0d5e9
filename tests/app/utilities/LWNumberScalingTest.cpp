#include "TransformerCases.h"
#include "app/utilities/LWHeightForFontSize.h"
#include "app/utilities/LWValueMultipliedBy.h"

#include <gtest/gtest.h>
#include <limits>

using platform::Number;
using platform::Value;

namespace {

TEST(LWHeightForFontSize, SizeTimesOnePointFourPlusTwoInSinglePrecision) {
    expectForward(LWHeightForFontSize(),
                  {
                      {"9", int32Number(9), "int 14"},
                      {"10", int32Number(10), "int 16"},
                      {"12", int32Number(12), "int 18"},
                      {"13", int32Number(13), "int 20"},
                      {"24", int32Number(24), "int 35"},
                      {"9.5", floatNumber(9.5f), "int 15"},
                      {"12.0 as a double", doubleNumber(12.0), "int 18"},
                      {"0", int32Number(0), "int 2"},
                      {"-3 (truncated toward zero)", int32Number(-3), "int -2"},
                      {"YES (the number 1)", boolNumber(true), "int 3"},
                      {"none", Value(), "none"},
                      {"the string \"12\"", Value(u"12"), "none"},
                  });
}

TEST(LWHeightForFontSize, HeightsNoIntegerHoldsAreNoneOrSaturate) {
    const double infinity = std::numeric_limits<double>::infinity();
    expectForward(LWHeightForFontSize(),
                  {
                      {"NaN", doubleNumber(std::numeric_limits<double>::quiet_NaN()), "none"},
                      {"1e10", doubleNumber(1e10), "int 2147483647"},
                      {"-1e10", doubleNumber(-1e10), "int -2147483648"},
                      {"1e300 (infinite as a float)", doubleNumber(1e300), "int 2147483647"},
                      {"infinity", doubleNumber(infinity), "int 2147483647"},
                      {"-infinity", doubleNumber(-infinity), "int -2147483648"},
                      {"1e9", doubleNumber(1e9), "int 1400000000"},
                  });
}

TEST(LWValueMultipliedBy, WithoutAReferenceEveryFiniteInputGivesFloatZero) {
    expectForward(LWValueMultipliedBy(), {
                                             {"5", int32Number(5), "float 0"},
                                             {"2.5", floatNumber(2.5f), "float 0"},
                                             {"1e30", doubleNumber(1e30), "float 0"},
                                             {"YES", boolNumber(true), "float 0"},
                                             {"none", Value(), "none"},
                                             {"the string \"5\"", Value(u"5"), "none"},
                                         });
}

TEST(LWValueMultipliedBy, ProductInSinglePrecisionWithoutRounding) {
    expectForward(LWValueMultipliedBy(Number::int32(3)),
                  {
                      {"7", int32Number(7), "float 21"},
                      {"0.5", floatNumber(0.5f), "float 1.5"},
                      {"-2", int32Number(-2), "float -6"},
                  });
    // 0.1f squared rounds to 0.0100000007f, not to the float nearest 0.01.
    const Value product =
        LWValueMultipliedBy(Number::float64(0.1)).transformedValue(doubleNumber(0.1));
    ASSERT_NE(product.number(), nullptr);
    EXPECT_EQ(product.number()->kind(), Number::Kind::Float);
    EXPECT_EQ(product.number()->floatValue(), 0.1f * 0.1f);
    EXPECT_NE(product.number()->floatValue(), 0.01f);
}

} // namespace
