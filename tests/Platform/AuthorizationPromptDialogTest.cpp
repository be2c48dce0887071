#include "AuthorizationPrompt.h"
#include "Platform/PlatformTesting.h"
#include "TestSupport/HeadlessDriver.h"

#include <gmock/gmock.h>

using namespace testsupport;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

// With no prompt installed, the platform's dialog asks, from the system resource file.
class PromptDialog : public ::testing::Test {
  protected:
    PromptDialog() { PlatformResetResourceChain(); }
    ~PromptDialog() override { PlatformResetResourceChain(); }

    std::optional<platform::AdministratorCredentials> Ask() {
        return platform::AskForAdministrator("system.privilege.admin", "ann");
    }

    PlatformScopedMainBundle bundle{KORVANE_BUILD_BUNDLE};
    HeadlessDriver display;
};

} // namespace

TEST_F(PromptDialog, GrantsWithTheNameAndPasswordTypedAndNeverShowsThePassword) {
    display.Script("print\n"
                   "type \"root\"\n" // replaces the proposed name, which is selected
                   "key tab\n"
                   "type \"s3cr3t!\"\n"
                   "key backspace\n"
                   "print\n"
                   "key return\n");
    std::optional<platform::AdministratorCredentials> answer = Ask();
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->user, "root");
    EXPECT_EQ(answer->password, "s3cr3t");
    const std::string printed = display.Printouts();
    EXPECT_THAT(printed, HasSubstr("  item 4 static \"Right: system.privilege.admin\" disabled\n"
                                   "  item 5 static \"Name:\" disabled\n"
                                   "  item 6 edit \"ann\" focus selection 0-3\n"));
    EXPECT_THAT(printed, HasSubstr("  item 8 edit \"••••••\" focus"));
    EXPECT_THAT(printed, Not(HasSubstr("s3cr")));
    EXPECT_FALSE(display.ScriptEndedEarly());
}

TEST_F(PromptDialog, CancelAndEscapeRefuse) {
    display.Script("admin \"root\" \"x\"\n" // the script's own answer: granted
                   "admin cancel\n"
                   "type \"root\"\n"
                   "click item 2\n");
    EXPECT_TRUE(Ask());
    EXPECT_FALSE(Ask());
    EXPECT_FALSE(Ask());
    EXPECT_FALSE(display.ScriptEndedEarly());
}

TEST_F(PromptDialog, TypingOverSelectedBulletsReplacesThePassword) {
    display.Script("key tab\n"
                   "type \"first\"\n"
                   "key tab\n" // to the name
                   "key tab\n" // back to the bullets, all selected
                   "type \"second\"\n"
                   "key return\n");
    std::optional<platform::AdministratorCredentials> answer = Ask();
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->user, "ann");
    EXPECT_EQ(answer->password, "second");
}
