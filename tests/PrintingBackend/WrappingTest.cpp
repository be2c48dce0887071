// What the backend makes of a queue's device URI, a job's options and the queue's PPD file.
#include "AccountingPPD.h"
#include "DeviceURI.h"
#include "JobAccount.h"
#include "JobOptions.h"

#include <gtest/gtest.h>

namespace {

TEST(DeviceURI, ThePolicyLeadsThePrintersOwnURIAndCancellingIsTheDefault) {
    WrappedDevice device;
    ASSERT_TRUE(ParseDeviceURI("korvane:ipp://printer.example/ipp/print", &device));
    EXPECT_EQ(device.unlisted, UnlistedPolicy::Cancel);
    EXPECT_EQ(device.innerURI, "ipp://printer.example/ipp/print");
    EXPECT_EQ(device.innerScheme, "ipp");
    ASSERT_TRUE(ParseDeviceURI("korvane:hold:ipps://p:631/ipp/print?x=1", &device));
    EXPECT_EQ(device.unlisted, UnlistedPolicy::Hold);
    EXPECT_EQ(device.innerURI, "ipps://p:631/ipp/print?x=1");
    ASSERT_TRUE(ParseDeviceURI("korvane:print:socket://10.0.0.9", &device));
    EXPECT_EQ(device.unlisted, UnlistedPolicy::Print);
    EXPECT_EQ(device.innerScheme, "socket");
    ASSERT_TRUE(ParseDeviceURI("korvane:cancel:lpd://host/queue", &device));
    EXPECT_EQ(device.unlisted, UnlistedPolicy::Cancel);

    for (const char* wrong :
         {"ipp://printer/ipp/print", "korvane:", "korvane:hold:", "korvane:printer.example",
          "korvane:1ipp://x", "korvane:ipp:", "korvane:korvane:ipp://x",
          "korvane:hold:korvane:ipp://x", "korvane:../../bin/sh:x", "korvane:ip/p:x"})
        EXPECT_FALSE(ParseDeviceURI(wrong, &device)) << wrong;
}

TEST(JobOptions, OnlyTheListsIDIsSentWhateverThePersonAskedFor) {
    EXPECT_EQ(OptionsWithAccountID("", "42"), "job-account-id=42");
    EXPECT_EQ(OptionsWithAccountID("media=a4 sides=one-sided", "42"),
              "media=a4 sides=one-sided job-account-id=42");
    EXPECT_EQ(OptionsWithAccountID("job-account-id=99 media=a4 JOB-ACCOUNT-ID='7 7'", "42"),
              "media=a4 job-account-id=42");
    EXPECT_EQ(OptionsWithAccountID("nojob-account-id  copies=2", ""), "copies=2");
    // Quoted and escaped spaces, and collections, stay within their option.
    EXPECT_EQ(OptionsWithAccountID("job-name='a job-account-id=1' x=a\\ job-account-id=2 "
                                   "media-col={media-size={x-dimension=1 y-dimension=2}}",
                                   "3"),
              "job-name='a job-account-id=1' x=a\\ job-account-id=2 "
              "media-col={media-size={x-dimension=1 y-dimension=2}} job-account-id=3");
    EXPECT_EQ(
        OptionsWithAccountID("title=\"say \\\"hi\\\" job-account-id=9\" job-account-id=9", ""),
        "title=\"say \\\"hi\\\" job-account-id=9\"");
}

TEST(AccountingPPD, TheFlagIsAddedOnceAndAFalseOneGivesWay) {
    const std::string plain = "*PPD-Adobe: \"4.3\"\r\n*ModelName: \"Test\"\r\n";
    EXPECT_FALSE(PPDSendsAccountID(plain));
    EXPECT_EQ(PPDWithAccountID(plain), plain + "*cupsJobAccountId: True\n");
    EXPECT_TRUE(PPDSendsAccountID(PPDWithAccountID(plain)));

    const std::string refusing = "*PPD-Adobe: \"4.3\"\n*cupsJobAccountId: False\n*End";
    EXPECT_FALSE(PPDSendsAccountID(refusing));
    EXPECT_EQ(PPDWithAccountID(refusing), "*PPD-Adobe: \"4.3\"\n*End\n*cupsJobAccountId: True\n");
    EXPECT_TRUE(PPDSendsAccountID("*PPD-Adobe: \"4.3\"\n*cupsJobAccountId: \"True\"\n"));
    // The first line of a keyword is the one a reader takes.
    EXPECT_FALSE(PPDSendsAccountID("*cupsJobAccountId: False\n*cupsJobAccountId: True\n"));
    EXPECT_FALSE(PPDSendsAccountID("*cupsJobAccountIdX: True\n"));
}

TEST(JobAccount, NamesFromAJobCannotStartAMessageLineOfTheirOwn) {
    EXPECT_EQ(Printable("bob"), "bob");
    EXPECT_EQ(Printable("bob\nPPD: *cupsJobAccountId: False\r\x7f"),
              "bob?PPD: *cupsJobAccountId: False??");
    EXPECT_EQ(Printable("J\xc3\xb6rg"), "J\xc3\xb6rg");
}

} // namespace
