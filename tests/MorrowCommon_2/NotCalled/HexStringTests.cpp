#include "MorrowCommon_2/MyHexStrings.h"
#include "TestSupport/PString.h"

#include <gtest/gtest.h>

namespace {

template <typename Value> using HexFormatter = UInt8 (*)(Value, StringPtr, Boolean, Boolean);

template <typename Value>
std::string Hex(HexFormatter<Value> format, Value value, bool prefix, bool zeros) {
    Str255 str;
    const UInt8 length = format(value, str, prefix, zeros);
    EXPECT_EQ(length, str[0]);
    return TextOf(str);
}

std::string Long(UInt32 value, bool prefix, bool zeros) {
    return Hex(&GetHexStringFromLongValue, value, prefix, zeros);
}

std::string Short(UInt16 value, bool prefix, bool zeros) {
    return Hex(&GetHexStringFromShortValue, value, prefix, zeros);
}

} // namespace

TEST(MyHexStrings, UpperCaseDigitsWithOrWithoutPrefixAndLeadingZeros) {
    EXPECT_EQ(Long(0xBEEF, false, false), "BEEF");
    EXPECT_EQ(Long(0xBEEF, true, true), "0x0000BEEF");
    EXPECT_EQ(Long(0xFFFFFFFF, true, false), "0xFFFFFFFF");
    EXPECT_EQ(Long(0x00A00B00, false, false), "A00B00"); // inner zeros stay
    EXPECT_EQ(Long(0, false, false), "0");
    EXPECT_EQ(Long(0, true, false), "0x0");
    EXPECT_EQ(Long(0, false, true), "00000000");

    EXPECT_EQ(Short(0x0A1, false, false), "A1");
    EXPECT_EQ(Short(0x0A1, true, true), "0x00A1");
    EXPECT_EQ(Short(0, true, false), "0x0");
    EXPECT_EQ(Short(0xFFFF, false, true), "FFFF");
}
