#include "analysis/number_format.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <random>

namespace tavolin {
namespace {

// A reference for two decimals from the float's exact binary value m·2^e, in integer arithmetic
// (values from 0.001 to 100000, where m·100 and 2^−e both fit in 64 bits).
std::string referenceTwoDecimals(float value) {
    int exponent = 0;
    const float fraction =
        std::frexp(value, &exponent); // value = fraction · 2^exponent, fraction in [0.5, 1)
    const auto mantissa = static_cast<std::int64_t>(std::ldexp(fraction, 24));
    const int shift = 24 - exponent; // value = mantissa / 2^shift, shift > 0 below 2^24
    const std::int64_t scaled = mantissa * 100;
    const std::int64_t unit = std::int64_t{1} << shift;
    const std::int64_t hundredths = scaled / unit + (2 * (scaled % unit) >= unit ? 1 : 0);
    const auto cents = static_cast<int>(hundredths % 100);
    return std::to_string(hundredths / 100) + "." + (cents < 10 ? "0" : "") + std::to_string(cents);
}

TEST(NumberFormat, TwoDecimalsAgreeWithExactArithmeticOverManyFloats) {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> wide(0.001f, 100000.0f);
    for (int i = 0; i < 200000; ++i) {
        // Alternate arbitrary floats with exact binary ties such as k/8.
        const float value = i % 2 == 0 ? wide(random) : static_cast<float>(random() % 800000) / 8.0f;
        ASSERT_EQ(formatFixed(value, 2, "."), referenceTwoDecimals(value)) << value;
    }
}

TEST(NumberFormat, FixedDecimalsKnownTiesAndNearTies) {
    EXPECT_EQ(formatFixed(1.125, 2, "."), "1.13");
    EXPECT_EQ(formatFixed(12.25, 1, "."), "12.3");
    EXPECT_EQ(formatFixed(0.145f, 2, "."), "0.14"); // the float lies just below 0.145
    EXPECT_EQ(formatFixed(0.125, 1, "."), "0.1");
    EXPECT_EQ(formatFixed(9.95, 1, "."), "9.9"); // the double lies just below 9.95
    EXPECT_EQ(formatFixed(99.96, 1, "."), "100.0");
    EXPECT_EQ(formatFixed(0.0, 2, ","), "0,00");
    EXPECT_EQ(formatFixed(-1.125, 2, "."), "-1.13");
    EXPECT_EQ(formatFixed(-0.001, 2, "."), "0.00");
    EXPECT_EQ(formatFixed(10.0, 2, "."), "10.00");
    EXPECT_EQ(formatFixed(3.4e38, 1, ".").size(), 39u + 2u);
}

TEST(NumberFormat, ShortestForm) {
    EXPECT_EQ(formatShortest(6.0f, "."), "6");
    EXPECT_EQ(formatShortest(8.5f, ","), "8,5");
    EXPECT_EQ(formatShortest(-2.0f, "."), "-2");
    EXPECT_EQ(formatShortest(0.1f, "."), "0.1");
    EXPECT_EQ(formatShortest(1234567.0f, "."), "1234567");
}

TEST(NumberFormat, ReadingAmounts) {
    EXPECT_EQ(readAmount(""), 0.0);
    EXPECT_EQ(readAmount("abc"), 0.0);
    EXPECT_EQ(readAmount("12abc"), 12.0);
    EXPECT_EQ(readAmount("  1 2 . 5 "), 12.5);
    EXPECT_EQ(readAmount("-3.5"), -3.5);
    EXPECT_EQ(readAmount("+7"), 7.0);
    EXPECT_EQ(readAmount("1.2.3"), 1.2);
    EXPECT_EQ(readAmount("3,5"), 3.0);
    EXPECT_EQ(readAmount("1e3"), 1.0);
    EXPECT_EQ(readAmount(".5"), 0.5);
    EXPECT_EQ(readAmount("-"), 0.0);
    EXPECT_EQ(readAmount("."), 0.0);
    EXPECT_EQ(readAmount("5-3"), 5.0);
    EXPECT_TRUE(std::isinf(readAmount("1" + std::string(400, '0'))));
    EXPECT_EQ(readAmount("0." + std::string(400, '0') + "1"), 0.0);
}

} // namespace
} // namespace tavolin
