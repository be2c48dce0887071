#include "MorrowCommon_2/MyDigitNums.h"
#include "TestSupport/PString.h"
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

TEST(MyStringToDigitNum, ScalesTruncatesAndRejects) {
    const struct {
        const char* text;
        SInt16 decimals;
        SInt32 value;
    } parsed[] = {{"12.5", 2, 1250}, {"12.345", 2, 1234}, {"-12.345", 2, -1234}, {"-3", 1, -30},
                  {"+7", 0, 7},      {".5", 1, 5},        {"5.", 1, 50},         {"0012", 0, 12}};
    for (const auto& p : parsed)
        EXPECT_EQ(MyStringToDigitNum(PString(p.text), p.decimals), p.value) << p.text;
    EXPECT_EQ(MyStringToDigitNum("99.9x", 4, 1), 999); // only count bytes are read
    for (const char* text :
         {"", "-", "+", ".", "1a", " 1", "1 ", "1.2.3", "--1", "+-1", "1-", "1.2x", "12.3\xb5"}) {
        SInt32 result = 77;
        EXPECT_FALSE(MyStringToDigitNum(PString(text), &result, 2)) << text;
        EXPECT_EQ(result, 0) << text;
    }
    SInt32 result = 0;
    EXPECT_TRUE(MyStringToDigitNum(PString("-1.5"), &result, 1));
    EXPECT_EQ(result, -15);
    EXPECT_TRUE(MyStringToDigitNum(PString("2147483647"), &result, 0));
    EXPECT_EQ(result, 2147483647);
    EXPECT_TRUE(MyStringToDigitNum(PString("-214748364.8"), &result, 1));
    EXPECT_EQ(result, -2147483647 - 1);
    EXPECT_FALSE(MyStringToDigitNum(PString("2147483648"), &result, 0));
    EXPECT_FALSE(MyStringToDigitNum(PString("21474836.48"), &result, 3)); // by the scaling
    EXPECT_FALSE(MyStringToDigitNum(PString(std::string(200, '9')), &result, 0));
    EXPECT_EQ(result, 0);
}

TEST(MyDigitNumToString, PlacesTheDecimalPointAndSign) {
    const struct {
        SInt32 value;
        SInt16 decimals;
        bool keep;
        const char* text;
    } formats[] = {{1250, 2, true, "12.50"},
                   {1250, 2, false, "12.5"},
                   {5, 3, true, "0.005"},
                   {1000, 2, false, "10"},
                   {0, 0, false, "0"},
                   {0, 2, true, "0.00"},
                   {0, 2, false, "0"},
                   {123, 3, true, "0.123"},
                   {100, 0, false, "100"},
                   {42, -1, true, "42"},
                   {-5, 3, true, "-0.005"},
                   {-5, 1, true, "-0.5"},
                   {-50, 2, false, "-0.5"},
                   {-1250, 2, true, "-12.50"},
                   {-2147483647 - 1, 3, true, "-2147483.648"},
                   {-2147483647 - 1, 12, true, "-0.002147483648"},
                   {-7, 253, true, ""},
                   {7, 254, false, ""}};
    for (const auto& f : formats)
        EXPECT_EQ(Format(f.value, f.decimals, f.keep), f.text) << f.value << "/" << f.decimals;
    EXPECT_EQ(Format(7, 253, true), "0." + std::string(252, '0') + "7");
}
