#include "MorrowCommon_2/LongMinMax.h"
#include "MorrowCommon_2/MyByteBuffers.h"
#include "MorrowCommon_2/MyPStrings.h"
#include "TestSupport/PString.h"

#include <gtest/gtest.h>

TEST(MyPStrings, CopyAndAdd) {
    PString s("abcdef");
    MyPStrCopy(s.bytes, s.bytes + 2); // the destination overlaps the source's text
    EXPECT_EQ(TextOf(s.bytes + 2), "abcdef");

    PString dst(std::string(200, 'a'));
    EXPECT_EQ(MyPStrAdd(dst, PString(std::string(55, 'b') + std::string(45, 'c'))), 255);
    EXPECT_EQ(TextOf(dst), std::string(200, 'a') + std::string(55, 'b'));
    EXPECT_EQ(MyPStrAdd(dst, PString("x")), 255);
    EXPECT_EQ(TextOf(dst).back(), 'b');

    PString small("ab");
    EXPECT_EQ(MyPStrAdd(small, PString("")), 2);
    EXPECT_EQ(MyPStrAdd(small, PString("cd")), 4);
    EXPECT_EQ(TextOf(small), "abcd");
}

TEST(MyPStrings, EqualAndCompareAreBytewise) {
    EXPECT_FALSE(MyPStrEqual(PString("abc"), PString("ABC")));
    EXPECT_TRUE(MyPStrEqual(PString(""), PString("")));
    EXPECT_FALSE(MyPStrEqual(PString("ab"), PString("abc")));

    EXPECT_EQ(MyPStrCompare(PString("abc"), PString("abd")), -1);
    EXPECT_EQ(MyPStrCompare(PString("abc"), PString("ab")), 1);
    EXPECT_EQ(MyPStrCompare(PString("ABC"), PString("AC")), -1);
    EXPECT_EQ(MyPStrCompare(PString(""), PString("")), 0);
    EXPECT_EQ(MyPStrCompare(PString("a"), PString("A")), 1);
    EXPECT_EQ(MyPStrCompare(PString("\xE9"), PString("z")), 1); // unsigned bytes

    EXPECT_TRUE(MyPStrCStrEqual(PString("abc"), "abcdef"));
    EXPECT_TRUE(MyPStrCStrEqual(PString(""), "anything"));
    EXPECT_FALSE(MyPStrCStrEqual(PString("abd"), "abcdef"));
    EXPECT_FALSE(MyPStrCStrEqual(PString(std::string_view("ab\0", 3)), "ab"));
}

TEST(MyByteBuffers, DecimalText) {
    auto written = [](SInt32 value, Boolean plus) {
        char buf[16] = {};
        return std::string(buf, AppendLongString(buf, value, plus));
    };
    EXPECT_EQ(written(-2147483647 - 1, false), "-2147483648");
    EXPECT_EQ(written(2147483647, true), "+2147483647");
    EXPECT_EQ(written(0, false), "0");
    EXPECT_EQ(written(0, true), "+0");
    EXPECT_EQ(written(1000000000, false), "1000000000");
    EXPECT_EQ(written(-90, true), "-90");

    Str255 s;
    MyNumToString(-305, s);
    EXPECT_EQ(TextOf(s), "-305");
}

TEST(MyByteBuffers, SearchesAndComparisons) {
    EXPECT_EQ(SearchString(6, "ABCABC", PString("CA")), 3);
    EXPECT_EQ(SearchString(6, "ABCABC", PString("CAX")), 0);
    EXPECT_EQ(SearchString(2, "AB", 3, "ABC"), 0);
    EXPECT_EQ(SearchString(4, "xxAB", 2, "AB"), 3); // a match at the very end
    EXPECT_EQ(SearchString(4, "xxAB", 0, "AB"), 1); // an empty pattern is found at once
    EXPECT_EQ(SearchString(-1, "xxAB", 0, "AB"), 0);
    EXPECT_EQ(SearchString(4, "xxAB", -1, "AB"), 0);

    const char* text = "a,b";
    EXPECT_EQ(MyStrChr(text, ','), text + 1);
    EXPECT_EQ(MyStrChr(text, '\0'), nullptr);
    const char counted[] = {'a', '\0', 'c'};
    EXPECT_EQ(MyStrChr(counted, 3, 'c'), counted + 2);
    EXPECT_EQ(MyStrChr(counted, 2, 'c'), nullptr);

    EXPECT_TRUE(MyStructureEqual("abcd", "abce", 3));
    EXPECT_FALSE(MyStructureEqual("abcd", "abce", 4));

    UInt8 bytes[4] = {1, 0xFF, 0x80, 9};
    EXPECT_EQ(GetShortFromOddAddressPointer(bytes + 1), SInt16(-128));
    SetDataToZero(bytes + 1, 2);
    EXPECT_EQ(bytes[0] + bytes[1] + bytes[2] + bytes[3], 10);
}

TEST(LongMinMax, MinMaxAndClampInEitherOrder) {
    EXPECT_EQ(LongMin(3, 2, 1, 4), 1);
    EXPECT_EQ(LongMax(-3, -2, -5), -2);
    EXPECT_EQ(RestrictWithinRange(5, 10, 0), 5);
    EXPECT_EQ(RestrictWithinRange(5, 0, 10), 5);
    EXPECT_EQ(RestrictWithinRange(-3, 10, 0), 0);
    EXPECT_EQ(RestrictWithinRange(12, 10, 0), 10);
    EXPECT_EQ(RestrictWithinRange(12, 0, 10), 10);
}
