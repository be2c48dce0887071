#include "Platform/UnicodeUtilities.h"
#include "Platform/MacErrors.h"
#include "Platform/Script.h"
#include "Platform/TextUtils.h"
#include "TestSupport/TempFolder.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr UCCollateOptions kNameOptions =
    kUCCollateComposeInsensitiveMask | kUCCollateWidthInsensitiveMask |
    kUCCollateCaseInsensitiveMask | kUCCollatePunctuationSignificantMask |
    kUCCollateDigitsOverrideMask | kUCCollateDigitsAsNumberMask;

const UniChar* Units(const std::u16string& text) {
    return reinterpret_cast<const UniChar*>(text.data());
}

SInt32 Order(const std::u16string& a, const std::u16string& b,
             UCCollateOptions options = kNameOptions) {
    SInt32 order = 99;
    Boolean equivalent = 99;
    EXPECT_EQ(UCCompareTextDefault(options, Units(a), UniCharCount(a.size()), Units(b),
                                   UniCharCount(b.size()), &equivalent, &order),
              noErr);
    EXPECT_EQ(equivalent, order == 0);
    return order;
}

} // namespace

TEST(UnicodeUtilities, NameOptionsIgnoreCaseAndWidthButNotDiacriticsOrPunctuation) {
    // Full-width Z, decomposed and composed é, numbers by value, punctuation significant.
    const struct {
        std::u16string a, b;
        SInt32 order;
    } cases[] = {{u"anna", u"Bob", -1}, {u"Bob", u"carl", -1},      {u"carl", u"anna", 1},
                 {u"Zed", u"zed", 0},   {u"\uFF3Aed", u"zed", 0},   {u"e", u"\u00E9", -1},
                 {u"\u00E9", u"f", -1}, {u"e\u0301", u"\u00E9", 0}, {u"user2", u"user10", -1},
                 {u"a1", u"a01", 0},    {u"9", u"100", -1},         {u"", u"a", -1},
                 {u"", u"", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(Order(c.a, c.b), c.order) << std::string(c.a.begin(), c.a.end());
    EXPECT_NE(Order(u"a-b", u"ab"), 0);
    EXPECT_NE(Order(u"a b", u"ab"), 0);
}

TEST(UnicodeUtilities, RootOrderEvenUnderTheCLocale) {
    // Each test runs in a process of its own, so the collation is set up under these.
    testsupport::ScopedEnv all("LC_ALL", "C"), collate("LC_COLLATE", "C"), lang("LANG", "C");
    EXPECT_EQ(Order(u"a", u"B", 0), -1);      // code points would put B first
    EXPECT_EQ(Order(u"\u00C4", u"B", 0), -1); // and A with diaeresis after every ASCII letter
}

TEST(UnicodeUtilities, RefusesWhatItCannotServe) {
    const UniChar text[] = {u'a', u'b', u'c'};
    SInt32 order = 5;
    EXPECT_EQ(UCCompareTextDefault(0, nullptr, 1, text, 1, nullptr, &order), paramErr);
    EXPECT_EQ(UCCompareTextDefault(0, text, 1, text, 1, nullptr, nullptr), paramErr);
    EXPECT_EQ(UCCompareTextDefault(0, nullptr, 0, nullptr, 0, nullptr, &order), noErr);
    EXPECT_EQ(order, 0); // no text at all is the empty text

    CollatorRef collator = nullptr;
    EXPECT_EQ(UCCreateCollator(LocaleRef(&collator), 0, 0, &collator), paramErr);
    ASSERT_EQ(UCCreateCollator(nullptr, 0, 0, &collator), noErr);
    ItemCount length = 0;
    EXPECT_EQ(UCGetCollationKey(collator, text, 3, 0, &length, nullptr), kCollateBufferTooSmall);
    EXPECT_GT(length, 0u);
    EXPECT_EQ(UCGetCollationKey(collator, nullptr, 3, 0, &length, nullptr), paramErr);
    const UCCollationValue shorter[] = {1, 2}, longer[] = {1, 2, 3}, higher[] = {1, 3};
    EXPECT_EQ(UCCompareCollationKeys(shorter, 2, longer, 3, nullptr, &order), noErr);
    EXPECT_EQ(order, -1); // a prefix first
    EXPECT_EQ(UCCompareCollationKeys(higher, 2, longer, 3, nullptr, &order), noErr);
    EXPECT_EQ(order, 1);
}

// Case is lowered in every script, one character for one of the same length, in place; bytes
// that are not UTF-8 and characters whose lower case is longer stay as they are.
TEST(LowercaseText, LowersEveryScriptKeepingTheLength) {
    const struct {
        std::string text, lowered;
    } cases[] = {{"ÖZTÜRK Ömer", "öztürk ömer"},
                 {"ДМИТРИЙ", "дмитрий"},
                 {"ΣΟΦΊΑ", "σοφία"},
                 {"ABC\xff\xd0", "abc\xff\xd0"},
                 {"İ", "İ"}, // its folding is two characters
                 {"", ""}};
    for (const auto& c : cases) {
        std::string text = c.text;
        LowercaseText(text.data(), SInt16(text.size()), smSystemScript);
        EXPECT_EQ(text, c.lowered);
    }
    LowercaseText(nullptr, 3, smSystemScript);
}
