// Exact decimal conversion, number parsing, the channel grid and frequency texts.

#include "core/image/decimal.h"
#include "core/image/frequency.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace dpmr {
namespace {

TEST(DecimalMultiply, GivesTheDecimalProductWhereADoubleMultiplyIsOffByOne) {
    // Each of these is one unit short (or over) in the last place with a plain multiply.
    EXPECT_NE(static_cast<long>(136.0125 * 100000), 13601250L);
    EXPECT_EQ(DecimalMultiply(136.0125, 100000), 13601250.0);
    EXPECT_EQ(DecimalMultiply(4.35, 100), 435.0);
    EXPECT_EQ(DecimalMultiply(1.15, 100), 115.0);
    EXPECT_EQ(DecimalMultiply(0.1, 3), 0.3);
    EXPECT_EQ(DecimalMultiply(438503120, 0.000001), 438.50312);
    EXPECT_EQ(DecimalMultiply(-136.0125, 100000), -13601250.0);
    EXPECT_EQ(DecimalMultiply(0.0, 123.456), 0.0);
}

TEST(DecimalMultiply, RoundsOperandsTo15DigitsAndOverflowsLikeAMultiply) {
    // 0.1 + 0.2 is 0.30000000000000004; at 15 digits it is 0.3.
    EXPECT_EQ(DecimalMultiply(0.1 + 0.2, 10), 3.0);
    EXPECT_EQ(DecimalMultiply(1234567.8912345678, 1), 1234567.89123457);
    EXPECT_TRUE(std::isinf(DecimalMultiply(1e308, 10)));
    EXPECT_LT(DecimalMultiply(-1e308, 10), 0.0);
    EXPECT_EQ(DecimalMultiply(1e-300, 1e-300), 0.0);
    EXPECT_EQ(DecimalMultiply(1e-310, 1.0), 1e-310); // subnormal stays
}

TEST(ParseNumber, ReadsTheLeadingNumberAndIgnoresTheRest) {
    EXPECT_EQ(ParseNumber("438.5"), 438.5);
    EXPECT_EQ(ParseNumber(" \t\n438.5"), 438.5);
    EXPECT_EQ(ParseNumber("-12.25"), -12.25);
    EXPECT_EQ(ParseNumber("+7"), 7.0);
    EXPECT_EQ(ParseNumber("1.5e3"), 1500.0);
    EXPECT_EQ(ParseNumber("25E-2"), 0.25);
    EXPECT_EQ(ParseNumber(".5"), 0.5);
    EXPECT_EQ(ParseNumber("5."), 5.0);
    EXPECT_EQ(ParseNumber("438.5MHz"), 438.5);
    EXPECT_EQ(ParseNumber("2e"), 2.0);   // an exponent without digits is junk
    EXPECT_EQ(ParseNumber("2e+x"), 2.0); // likewise
    EXPECT_EQ(ParseNumber("1,5"), 1.0);  // the comma is junk, whatever the desktop's locale
    EXPECT_EQ(ParseNumber("1.2.3"), 1.2);
}

TEST(ParseNumber, GivesZeroWhenThereIsNoNumber) {
    for (const char *text : {"", " ", ".", "-", "+.", "e5", "abc", "- 5", "MHz438"})
        EXPECT_EQ(ParseNumber(text), 0.0) << '"' << text << '"';
}

TEST(ParseNumber, HugeAndTinyTextsDoNotCrash) {
    EXPECT_TRUE(std::isinf(ParseNumber("1e400")));
    EXPECT_TRUE(std::isinf(ParseNumber("1" + std::string(400, '0'))));
    EXPECT_EQ(ParseNumber("1e-400"), 0.0);
    // Very small without an exponent: still zero, not infinity.
    const std::string tiny = "0." + std::string(400, '0') + "1";
    EXPECT_EQ(ParseNumber(tiny), 0.0);
    EXPECT_EQ(ParseNumber("-" + tiny), 0.0);
    EXPECT_EQ(ParseNumber("0.000" + std::string(400, '0') + "1e50"), 0.0);
    EXPECT_TRUE(std::isinf(ParseNumber("0.0001e400")));
    EXPECT_EQ(ParseNumber("1e99999999999999999999"), HUGE_VAL);
    EXPECT_EQ(FrequencyFromText(tiny), 0);
    EXPECT_GT(FrequencyFromText("1e400"), 0); // saturates instead of overflowing
    EXPECT_LT(FrequencyFromText("-1e400"), 0);
}

TEST(FrequencyFromText, TurnsMHzIntoExact10HzUnits) {
    EXPECT_EQ(FrequencyFromText("136.0125"), 13601250);
    EXPECT_EQ(FrequencyFromText("438.5"), 43850000);
    EXPECT_EQ(FrequencyFromText("438.503125"), 43850312); // the last 5 Hz do not fit
    EXPECT_EQ(FrequencyFromText("470.00001"), 47000001);
    EXPECT_EQ(FrequencyFromText("438.5000099"), 43850000); // truncated, not rounded
    EXPECT_EQ(FrequencyFromText(""), 0);
}

TEST(FrequencyText, ShowsSixDecimalsOfTheSnappedValue) {
    EXPECT_EQ(FrequencyText(43850312), "438.503125");
    EXPECT_EQ(FrequencyText(43850000), "438.500000");
    EXPECT_EQ(FrequencyText(13601250), "136.012500");
    EXPECT_EQ(FrequencyText(43850125), "438.500000"); // off the grid: snapped first
    EXPECT_EQ(FrequencyText(0), "0.000000");
}

// Every point of either grid across the 350-470 MHz bands survives typing and showing.
TEST(FrequencyText, EveryGridPointSurvivesTextToUnitsToText) {
    for (long long step : {2500LL, 3125LL}) {
        int failures = 0;
        for (long long hz = 350000000; hz <= 470000000 && failures < 5; hz += step) {
            char text[32];
            std::snprintf(text, sizeof text, "%lld.%06lld", hz / 1000000, hz % 1000000);
            const std::string shown = FrequencyText(FrequencyFromText(text));
            if (shown != text) {
                ++failures;
                ADD_FAILURE() << text << " shows as " << shown;
            }
        }
    }
}

// Runs the conversions under a locale whose decimal mark is a comma.
TEST(FrequencyText, DoesNotDependOnTheCLocale) {
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    const char *german = nullptr;
    for (const char *name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"})
        if ((german = std::setlocale(LC_NUMERIC, name)) != nullptr)
            break;
    if (german == nullptr)
        GTEST_SKIP() << "no German locale installed on this machine";
    const std::string decimal = FormatFixed(-438.25, 3);
    const std::string frequency = FrequencyText(43850312);
    const auto parsed = FrequencyFromText("136.0125");
    std::setlocale(LC_NUMERIC, previous.c_str());
    EXPECT_EQ(decimal, "-438.250");
    EXPECT_EQ(frequency, "438.503125");
    EXPECT_EQ(parsed, 13601250);
}

TEST(SnapToStep, MovesToTheNearestGridPoint) {
    // 438.50125 MHz: r1 = d1 = r2 = 1250, and the first of them (down) wins.
    EXPECT_EQ(SnapToStep(43850125).hz, 438500000);
    EXPECT_TRUE(SnapToStep(43850125).moved);
    EXPECT_EQ(SnapToStep(43850187).hz, 438502500); // up by 630
    EXPECT_EQ(SnapToStep(43850312).hz, 438503125); // the stored 3.125 kHz point: up by 5
    // r1 = d1 = d2 = 1250: going down still wins against both ways up.
    EXPECT_EQ(SnapToStep(43801125).hz, 438010000);
    EXPECT_EQ(SnapToStep(43800001).hz, 438000000);
}

TEST(SnapToStep, LeavesGridPointsAlone) {
    for (long long units : {43850000LL, 43850250LL, 43850625LL, 0LL}) {
        const SnapResult snapped = SnapToStep(units);
        EXPECT_EQ(snapped.hz, units * 10) << units;
        EXPECT_FALSE(snapped.moved) << units;
    }
}

TEST(SnapToStep, AlwaysLandsOnAGridWithinHalfAStep) {
    for (long long units = 46000000; units < 46002000; ++units) {
        const SnapResult snapped = SnapToStep(units);
        const long long f = units * 10;
        ASSERT_TRUE(snapped.hz % 2500 == 0 || snapped.hz % 3125 == 0) << units;
        const long long nearest2500 = std::min(f % 2500, 2500 - f % 2500);
        const long long nearest3125 = std::min(f % 3125, 3125 - f % 3125);
        ASSERT_EQ(std::llabs(snapped.hz - f), std::min(nearest2500, nearest3125)) << units;
        ASSERT_EQ(snapped.moved, snapped.hz != f) << units;
    }
}

} // namespace
} // namespace dpmr
