// What the backend makes of a queue's device URI, a job's options and the queue's PPD file.
#include "AccountingPPD.h"
#include "DeviceURI.h"
#include "JobAccount.h"
#include "JobOptions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cups/cups.h>
#include <utility>
#include <vector>

namespace {

TEST(DeviceURI, ThePolicyLeadsThePrintersOwnIPPURIAndCancellingIsTheDefault) {
    WrappedDevice device;
    std::string why;
    ASSERT_TRUE(ParseDeviceURI("korvane:ipp://printer.example/ipp/print", &device, &why));
    EXPECT_EQ(device.unlisted, UnlistedPolicy::Cancel);
    EXPECT_EQ(device.innerURI, "ipp://printer.example/ipp/print");
    EXPECT_EQ(device.innerScheme, "ipp");
    ASSERT_TRUE(ParseDeviceURI("korvane:hold:ipps://p:631/ipp/print?x=1", &device, &why));
    EXPECT_EQ(device.unlisted, UnlistedPolicy::Hold);
    EXPECT_EQ(device.innerURI, "ipps://p:631/ipp/print?x=1");
    ASSERT_TRUE(ParseDeviceURI("korvane:print:https://10.0.0.9/ipp", &device, &why));
    EXPECT_EQ(device.unlisted, UnlistedPolicy::Print);
    ASSERT_TRUE(ParseDeviceURI("korvane:cancel:http://host/ipp/print", &device, &why));
    EXPECT_EQ(device.unlisted, UnlistedPolicy::Cancel);

    for (const char* wrong :
         {"ipp://printer/ipp/print", "korvane:", "korvane:hold:", "korv", "korvane:printer.example",
          "korvane:1ipp://x", "korvane:ipp:", "korvane:../../bin/sh:x", "korvane:ip/p:x"}) {
        EXPECT_FALSE(ParseDeviceURI(wrong, &device, &why)) << wrong;
        EXPECT_EQ(why, "names no printer behind it; give it as korvane:ipp://printer/ipp/print");
    }
    // Backends that send no job attributes would print every job unbilled.
    for (const char* wrong : {"korvane:socket://10.0.0.9", "korvane:hold:lpd://host/queue",
                              "korvane:korvane:ipp://x", "korvane:usb://Maker/Model"})
        EXPECT_FALSE(ParseDeviceURI(wrong, &device, &why)) << wrong;
    EXPECT_EQ(why, "wraps a usb printer, which cannot carry an account ID; wrap the printer's ipp "
                   "or ipps URI");
}

// The options as the printer's backend reads them, sorted.
std::vector<std::pair<std::string, std::string>> AsRead(const std::string& text) {
    cups_option_t* parsed = nullptr;
    const int count = cupsParseOptions(text.c_str(), 0, &parsed);
    std::vector<std::pair<std::string, std::string>> options;
    for (int i = 0; i < count; ++i)
        options.emplace_back(parsed[i].name, parsed[i].value);
    cupsFreeOptions(count, parsed);
    std::sort(options.begin(), options.end());
    return options;
}

TEST(JobOptions, OnlyTheListsIDIsSentWhateverThePersonAskedFor) {
    using Read = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(AsRead(*OptionsWithAccountID("", "42")), (Read{{"job-account-id", "42"}}));
    EXPECT_EQ(AsRead(*OptionsWithAccountID("media=a4 sides=one-sided", "42")),
              (Read{{"job-account-id", "42"}, {"media", "a4"}, {"sides", "one-sided"}}));
    EXPECT_EQ(
        AsRead(*OptionsWithAccountID(
            "job-account-id=99 media=a4 JOB-ACCOUNT-ID='7 7' job-accounting-user-id=bob", "42")),
        (Read{{"job-account-id", "42"}, {"media", "a4"}}));
    EXPECT_EQ(AsRead(*OptionsWithAccountID("nojob-account-id  copies=2", "")),
              (Read{{"copies", "2"}}));
    // Quotes, escapes, braces and commas keep their values, and hide nothing after them.
    for (const char* tricky :
         {"x=a{ job-account-id=42 z={", "job-name='a job-account-id=1' x=a\\ job-account-id=2",
          "t=\"say \\\"hi\\\"\"", "media-col={media-size={x-dimension=1 y-dimension=2}}",
          "x=a,{ y=b}", "z={", "w=a\\", "v=1,'2 3',\"4\""}) {
        const std::optional<std::string> written = OptionsWithAccountID(tricky, "66");
        ASSERT_TRUE(written) << tricky;
        Read expected = AsRead(tricky);
        std::erase_if(expected, [](const auto& o) { return o.first == "job-account-id"; });
        expected.emplace_back("job-account-id", "66");
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(AsRead(*written), expected) << tricky << " -> " << *written;
    }
}

TEST(AccountingPPD, TheFlagIsAddedOnceAndAnyOtherValueGivesWay) {
    const std::string plain = "*PPD-Adobe: \"4.3\"\r\n*ModelName: \"Test\"\r\n";
    EXPECT_FALSE(PPDSendsAccountID(plain));
    EXPECT_EQ(PPDWithAccountID(plain), plain + "*cupsJobAccountId: True\n");
    EXPECT_TRUE(PPDSendsAccountID(PPDWithAccountID(plain)));

    const std::string refusing = "*PPD-Adobe: \"4.3\"\n*cupsJobAccountId: False\n*End";
    EXPECT_FALSE(PPDSendsAccountID(refusing));
    EXPECT_EQ(PPDWithAccountID(refusing), "*PPD-Adobe: \"4.3\"\n*End\n*cupsJobAccountId: True\n");
    EXPECT_TRUE(PPDSendsAccountID("*PPD-Adobe: \"4.3\"\n*cupsJobAccountId: \"TRUE\"\n"));
    EXPECT_FALSE(PPDSendsAccountID("*cupsJobAccountId: False\n*cupsJobAccountId: True\n"));
    EXPECT_FALSE(PPDSendsAccountID("*cupsJobAccountId: True\n*cupsJobAccountId: No\n"));
    EXPECT_FALSE(PPDSendsAccountID("*cupsJobAccountIdX: True\n"));
}

TEST(JobAccount, NamesFromAJobCannotStartAMessageLineOfTheirOwn) {
    EXPECT_EQ(Printable("bob"), "bob");
    EXPECT_EQ(Printable("bob\nPPD: *cupsJobAccountId: False\r\x7f"),
              "bob?PPD: *cupsJobAccountId: False??");
    EXPECT_EQ(Printable("J\xc3\xb6rg"), "J\xc3\xb6rg");
}

} // namespace
