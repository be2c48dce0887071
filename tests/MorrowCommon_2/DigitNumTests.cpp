#include "MorrowCommon_2/MyDigitNums.h"
#include "MorrowCommon_2/MyHexStrings.h"
#include "PString.h"
#include "TestSupport/ResourceFiles.h"

#include <gtest/gtest.h>

using testsupport::ScopedResourceBundle;

namespace {

std::string Format(SInt32 value, SInt16 decimals, bool keepTrailingZeros) {
    Str255 str;
    MyDigitNumToString(value, decimals, str, keepTrailingZeros);
    return TextOf(str);
}

// A system file whose number format has the given decimal point, or none at all.
std::vector<UInt8> SystemFileWithDecimalPoint(std::optional<char> point) {
    platform::resources::ResourceFileImage image;
    if (point)
        image.entries.push_back({FOUR_CHAR_CODE("itl0"), 0, std::nullopt, 0, {UInt8(*point), ','}});
    return platform::resources::SerializeResourceFile(image);
}

} // namespace

TEST(DecimalPoint, ComesFromTheSystemNumberFormat) {
    EXPECT_EQ(GetDecimalPointCharacter(), '.'); // the bundle's own system file
    {
        ScopedResourceBundle bundle(SystemFileWithDecimalPoint(','), std::nullopt);
        EXPECT_EQ(GetDecimalPointCharacter(), ',');
        EXPECT_EQ(MyStringToDigitNum(PString("12,5"), 2), 1250);
        EXPECT_EQ(MyStringToDigitNum(PString("12.5"), 2), 0);
        EXPECT_EQ(Format(-1250, 2, false), "-12,5");
    }
    ScopedResourceBundle bundle(SystemFileWithDecimalPoint(std::nullopt), std::nullopt);
    EXPECT_EQ(GetDecimalPointCharacter(), '.');
}

TEST(MyStringToDigitNum, ScalesAndTruncates) {
    EXPECT_EQ(MyStringToDigitNum(PString("12.5"), 2), 1250);
    EXPECT_EQ(MyStringToDigitNum(PString("12.345"), 2), 1234);
    EXPECT_EQ(MyStringToDigitNum(PString("-12.345"), 2), -1234);
    EXPECT_EQ(MyStringToDigitNum(PString("-3"), 1), -30);
    EXPECT_EQ(MyStringToDigitNum(PString("+7"), 0), 7);
    EXPECT_EQ(MyStringToDigitNum(PString(".5"), 1), 5);
    EXPECT_EQ(MyStringToDigitNum(PString("5."), 1), 50);
    EXPECT_EQ(MyStringToDigitNum(PString("0012"), 0), 12);
    EXPECT_EQ(MyStringToDigitNum("99.9x", 4, 1), 999); // only count bytes are read
}

TEST(MyStringToDigitNum, RejectsWhatIsNotANumber) {
    for (const char* text :
         {"", "-", "+", ".", "1a", " 1", "1 ", "1.2.3", "--1", "+-1", "1-", "1.2x", "12.3\xb5"}) {
        SInt32 result = 77;
        EXPECT_FALSE(MyStringToDigitNum(PString(text), &result, 2)) << text;
        EXPECT_EQ(result, 0) << text;
    }
    SInt32 result = 0;
    EXPECT_TRUE(MyStringToDigitNum(PString("-1.5"), &result, 1));
    EXPECT_EQ(result, -15);
}

TEST(MyStringToDigitNum, RejectsValuesBeyondThirtyTwoBits) {
    SInt32 result = 0;
    EXPECT_TRUE(MyStringToDigitNum(PString("2147483647"), &result, 0));
    EXPECT_EQ(result, 2147483647);
    EXPECT_TRUE(MyStringToDigitNum(PString("-214748364.8"), &result, 1));
    EXPECT_EQ(result, -2147483647 - 1);
    EXPECT_FALSE(MyStringToDigitNum(PString("2147483648"), &result, 0));
    EXPECT_FALSE(MyStringToDigitNum(PString("21474836.48"), &result, 3)); // by the scaling
    EXPECT_FALSE(MyStringToDigitNum(PString(std::string(200, '9')), &result, 0));
    EXPECT_EQ(result, 0);
}

TEST(MyDigitNumToString, PlacesTheDecimalPoint) {
    EXPECT_EQ(Format(1250, 2, true), "12.50");
    EXPECT_EQ(Format(1250, 2, false), "12.5");
    EXPECT_EQ(Format(5, 3, true), "0.005");
    EXPECT_EQ(Format(1000, 2, false), "10");
    EXPECT_EQ(Format(0, 0, false), "0");
    EXPECT_EQ(Format(0, 2, true), "0.00");
    EXPECT_EQ(Format(0, 2, false), "0");
    EXPECT_EQ(Format(123, 3, true), "0.123");
    EXPECT_EQ(Format(100, 0, false), "100"); // whole numbers keep their zeros
    EXPECT_EQ(Format(42, -1, true), "42");
}

TEST(MyDigitNumToString, KeepsTheSignInFront) {
    EXPECT_EQ(Format(-5, 3, true), "-0.005");
    EXPECT_EQ(Format(-5, 1, true), "-0.5");
    EXPECT_EQ(Format(-50, 2, false), "-0.5");
    EXPECT_EQ(Format(-1250, 2, true), "-12.50");
    EXPECT_EQ(Format(-2147483647 - 1, 3, true), "-2147483.648");
    EXPECT_EQ(Format(-2147483647 - 1, 12, true), "-0.002147483648");
}

TEST(MyDigitNumToString, TextThatCannotFitIsEmpty) {
    EXPECT_EQ(Format(7, 253, true), "0." + std::string(252, '0') + "7");
    EXPECT_EQ(Format(-7, 253, true), "");
    EXPECT_EQ(Format(7, 254, false), "");
}

TEST(MyDigitNumToString, RoundTripsThroughTheParser) {
    for (SInt32 value : {0, 1, -1, 99, -100, 123456, -2147483647 - 1, 2147483647})
        for (SInt16 decimals : {0, 2, 5})
            for (bool keep : {true, false})
                EXPECT_EQ(MyStringToDigitNum(PString(Format(value, decimals, keep)), decimals),
                          value);
}

TEST(HexStrings, LongAndShortForms) {
    Str255 str;
    EXPECT_EQ(GetHexStringFromLongValue(6699, str, true, false), 6);
    EXPECT_EQ(TextOf(str), "0x1A2B");
    EXPECT_EQ(GetHexStringFromLongValue(6699, str, true, true), 10);
    EXPECT_EQ(TextOf(str), "0x00001A2B");
    EXPECT_EQ(GetHexStringFromLongValue(0, str, false, false), 1);
    EXPECT_EQ(TextOf(str), "0");
    EXPECT_EQ(GetHexStringFromLongValue(0xDEADBEEF, str, false, false), 8);
    EXPECT_EQ(TextOf(str), "DEADBEEF");
    EXPECT_EQ(GetHexStringFromLongValue(0x10, str, false, false), 2);
    EXPECT_EQ(TextOf(str), "10"); // inner zeros stay

    EXPECT_EQ(GetHexStringFromShortValue(240, str, false, false), 2);
    EXPECT_EQ(TextOf(str), "F0");
    EXPECT_EQ(GetHexStringFromShortValue(240, str, true, true), 6);
    EXPECT_EQ(TextOf(str), "0x00F0");
    EXPECT_EQ(GetHexStringFromShortValue(0, str, true, false), 3);
    EXPECT_EQ(TextOf(str), "0x0");
}
