// Authorization services as root, with the prompt forced where a test needs to answer it. The
// tools started are the system's own.
#include "Platform/Authorization.h"
#include "Authorization/AuthorizationPrompt.h"
#include "Platform/PlatformTesting.h"
#include "TestSupport/AuthorizationSupport.h"
#include "TestSupport/HeadlessDriver.h"
#include "TestSupport/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <gmock/gmock.h>
#include <pwd.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

using namespace testsupport;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

OSStatus Request(AuthorizationRef ref, AuthorizationFlags flags = kAsk) {
    return AuthorizationCopyRights(ref, &adminRight, nullptr, flags, nullptr);
}

// A reference holding the right, granted as root without asking.
class GrantedRef {
  public:
    GrantedRef() { AuthorizationCreate(&adminRight, nullptr, kAsk, &ref); }
    ~GrantedRef() { AuthorizationFree(ref, kAuthorizationFlagDefaults); }
    GrantedRef(const GrantedRef&) = delete;
    GrantedRef& operator=(const GrantedRef&) = delete;
    AuthorizationRef ref = nullptr;
};

// The tool's output to its end; the tool is then reaped, its exit status in *exitStatus.
std::string ReadAll(FILE* pipe, int* exitStatus = nullptr) {
    std::string text;
    char piece[64];
    size_t got;
    while ((got = fread(piece, 1, sizeof piece, pipe)) > 0)
        text.append(piece, got);
    fclose(pipe);
    int status = 0;
    wait(&status);
    if (exitStatus) *exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return text;
}

class Authorization : public ::testing::Test {
  protected:
    void SetUp() override {
        if (geteuid() != 0) GTEST_SKIP() << "the administrator right is granted only to root";
    }
    ScopedPrompt prompt{true};
    ScopedToolRecorder tools;
};

// With no prompt installed, the platform's dialog asks, from the system resource file.
class PromptDialog : public ::testing::Test {
  protected:
    PromptDialog() { PlatformResetResourceChain(); }
    ~PromptDialog() override { PlatformResetResourceChain(); }

    std::optional<platform::AdministratorCredentials> Ask(bool again = false) {
        return platform::AskForAdministrator({"system.privilege.admin", "ann", again});
    }

    PlatformScopedMainBundle bundle{KORVANE_BUILD_BUNDLE};
    HeadlessDriver display;
};

} // namespace

TEST_F(Authorization, RootHoldsTheRightWithoutBeingAsked) {
    ScopedEnv dontAsk("KORVANE_ASK_AS_ROOT", "0");
    AuthorizationRef ref = nullptr;
    ASSERT_EQ(AuthorizationCreate(nullptr, nullptr, kAuthorizationFlagDefaults, &ref),
              errAuthorizationSuccess);
    EXPECT_EQ(Request(ref, kAuthorizationFlagExtendRights), errAuthorizationSuccess);
    EXPECT_EQ(prompt.asked, 0);
    EXPECT_EQ(AuthorizationFree(ref, kAuthorizationFlagDefaults), errAuthorizationSuccess);
    EXPECT_EQ(AuthorizationFree(ref, kAuthorizationFlagDefaults), errAuthorizationInvalidRef);
    EXPECT_EQ(Request(ref), errAuthorizationInvalidRef);
}

TEST_F(Authorization, AskingAsRootFollowsThePromptOncePerRequest) {
    ScopedEnv ask("KORVANE_ASK_AS_ROOT", "1");
    AuthorizationRef ref = nullptr;
    ASSERT_EQ(AuthorizationCreate(nullptr, nullptr, 0, &ref), errAuthorizationSuccess);
    EXPECT_EQ(Request(ref, kAuthorizationFlagExtendRights), errAuthorizationInteractionNotAllowed);
    EXPECT_EQ(Request(ref, kAuthorizationFlagInteractionAllowed), errAuthorizationDenied);
    EXPECT_EQ(prompt.asked, 0);

    prompt.grant = false;
    EXPECT_EQ(Request(ref), errAuthorizationCanceled);
    prompt.grant = true;
    EXPECT_EQ(Request(ref), errAuthorizationSuccess);
    EXPECT_EQ(Request(ref), errAuthorizationSuccess); // held: not asked again
    EXPECT_EQ(prompt.asked, 2);

    AuthorizationFree(ref, kAuthorizationFlagDefaults);

    // Creating with the right asks at once.
    GrantedRef granted;
    EXPECT_NE(granted.ref, nullptr);
    EXPECT_EQ(prompt.asked, 3);
}

TEST_F(Authorization, AWrongAnswerIsAskedAgainThreeTimesAtMost) {
    ScopedEnv ask("KORVANE_ASK_AS_ROOT", "1");
    ScopedEnv password("KORVANE_ASK_AS_ROOT_PASSWORD", "right");
    const std::string account = getpwuid(getuid())->pw_name;
    auto request = [&] {
        AuthorizationRef ref = nullptr;
        AuthorizationCreate(nullptr, nullptr, 0, &ref);
        OSStatus status = Request(ref);
        AuthorizationFree(ref, kAuthorizationFlagDefaults);
        return status;
    };

    // Right at the third try; each question names the account, and all but the first say the
    // answer before was wrong.
    prompt.passwords = {"wrong", "", "right"};
    EXPECT_EQ(request(), errAuthorizationSuccess);
    ASSERT_EQ(prompt.questions.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(prompt.questions[i].account, account);
        EXPECT_EQ(prompt.questions[i].right, "system.privilege.admin");
        EXPECT_EQ(prompt.questions[i].again, i > 0) << i;
    }

    // Three wrong answers refuse, with no fourth question; only the process's own user can be
    // vouched for, so another name is a wrong answer too.
    prompt.passwords = {"wrong", "wrong", "wrong", "right"};
    EXPECT_EQ(request(), errAuthorizationDenied);
    prompt.answerUser = "nobody";
    EXPECT_EQ(request(), errAuthorizationDenied);
    prompt.answerUser.clear();
    EXPECT_EQ(prompt.asked, 9);

    // A cancel after a wrong answer is a cancel.
    prompt.passwords = {"wrong", std::nullopt};
    EXPECT_EQ(request(), errAuthorizationCanceled);
    EXPECT_EQ(prompt.asked, 11);
    EXPECT_TRUE(prompt.questions.back().again);
}

TEST_F(Authorization, ToolsRunFromArgumentVectorsWithTheirOutputOnThePipe) {
    GrantedRef granted;
    FILE* pipe = nullptr;
    char* idArguments[] = {const_cast<char*>("-un"), nullptr};
    ASSERT_EQ(AuthorizationExecuteWithPrivileges(granted.ref, "/usr/bin/id", 0, idArguments, &pipe),
              errAuthorizationSuccess);
    EXPECT_EQ(ReadAll(pipe), "root\n");

    // No shell sees the arguments: the odd name is one file name as it stands.
    TempFolder temp;
    std::string odd = temp / "a b;touch $(echo x)*";
    char* touchArguments[] = {odd.data(), nullptr};
    ASSERT_EQ(AuthorizationExecuteWithPrivileges(granted.ref, "/usr/bin/touch", 0, touchArguments,
                                                 nullptr),
              errAuthorizationSuccess);
    EXPECT_TRUE(std::filesystem::exists(odd)); // without a pipe the call waited for the tool
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp.path()), {}), 1);

    // A path of the original platform that is not here is run by name from the system folders.
    char* chownArguments[] = {const_cast<char*>("root"), odd.data(), nullptr};
    ASSERT_EQ(AuthorizationExecuteWithPrivileges(granted.ref, "/usr/sbin/chown", 0, chownArguments,
                                                 &pipe),
              errAuthorizationSuccess);
    EXPECT_EQ(ReadAll(pipe), "");
    bool original = std::filesystem::exists("/usr/sbin/chown");
    EXPECT_EQ(tools.toolPaths.back(), original ? "/usr/sbin/chown" : "/usr/bin/chown");
    EXPECT_EQ(tools.calls.size(), 3u);
}

TEST_F(Authorization, ThePipeCarriesInputToTheToolWhichTheCallerReapsForItsStatus) {
    GrantedRef granted;
    FILE* pipe = nullptr;
    char* headArguments[] = {const_cast<char*>("-c"), const_cast<char*>("5"), nullptr};
    ASSERT_EQ(
        AuthorizationExecuteWithPrivileges(granted.ref, "/usr/bin/head", 0, headArguments, &pipe),
        errAuthorizationSuccess);
    fputs("line\nnot read", pipe);
    fflush(pipe);
    int exitStatus = -2;
    EXPECT_EQ(ReadAll(pipe, &exitStatus), "line\n");
    EXPECT_EQ(exitStatus, 0);

    // A tool made to fail is seen as asked for, and ends with status 1 whatever it is given.
    PlatformFailPrivilegedTool("head");
    ASSERT_EQ(
        AuthorizationExecuteWithPrivileges(granted.ref, "/usr/bin/head", 0, headArguments, &pipe),
        errAuthorizationSuccess);
    PlatformFailPrivilegedTool(nullptr);
    fputs("line\n", pipe);
    EXPECT_EQ(ReadAll(pipe, &exitStatus), "");
    EXPECT_EQ(exitStatus, 1);
    EXPECT_EQ(tools.calls.back(), (std::vector<std::string>{"head", "-c", "5"}));
}

TEST_F(Authorization, ToolsThatCannotStartGiveAnErrorStatus) {
    GrantedRef granted;
    TempFolder temp;
    std::string notExecutable = temp / "script";
    std::ofstream(notExecutable) << "#!/bin/sh\n";
    FILE* pipe = nullptr;
    for (const char* path : {"/usr/bin/korvane-no-such-tool", notExecutable.c_str(), "id", ""})
        EXPECT_EQ(AuthorizationExecuteWithPrivileges(granted.ref, path, 0, nullptr, &pipe),
                  errAuthorizationToolExecuteFailure)
            << path;
    EXPECT_EQ(pipe, nullptr);
    EXPECT_EQ(AuthorizationExecuteWithPrivileges(granted.ref, "/usr/bin/id", 1, nullptr, &pipe),
              errAuthorizationInvalidFlags);
    EXPECT_EQ(AuthorizationExecuteWithPrivileges(nullptr, "/usr/bin/id", 0, nullptr, &pipe),
              errAuthorizationInvalidRef);

    // A reference without the right asks for it first; refused, nothing runs.
    ScopedEnv ask("KORVANE_ASK_AS_ROOT", "1");
    prompt.grant = false;
    AuthorizationRef bare = nullptr;
    AuthorizationCreate(nullptr, nullptr, 0, &bare);
    EXPECT_EQ(AuthorizationExecuteWithPrivileges(bare, "/usr/bin/id", 0, nullptr, &pipe),
              errAuthorizationCanceled);
    EXPECT_EQ(prompt.asked, 1);
    EXPECT_TRUE(tools.calls.empty());
    AuthorizationFree(bare, 0);
}

TEST_F(PromptDialog, GrantsWithTheNameAndPasswordTypedAndNeverShowsThePassword) {
    // The name typed replaces the proposed one, which is selected.
    display.Script(
        "print\ntype \"root\"\nkey tab\ntype \"s3cr3t!\"\nkey backspace\nprint\nkey return\n");
    std::optional<platform::AdministratorCredentials> answer = Ask();
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->user, "root");
    EXPECT_EQ(answer->password, "s3cr3t");
    const std::string printed = display.Printouts();
    EXPECT_THAT(printed, HasSubstr("  item 4 static \"Right: system.privilege.admin\" disabled\n"
                                   "  item 5 static \"Name:\" disabled\n"
                                   "  item 6 edit \"ann\" focus selection 0-3\n"));
    EXPECT_THAT(printed, HasSubstr("  item 8 edit \"••••••\" focus"));
    EXPECT_THAT(printed, HasSubstr("  item 9 static \"Password for ann\" disabled\n"));
    EXPECT_THAT(printed, Not(HasSubstr("s3cr")));
    EXPECT_THAT(printed, Not(HasSubstr("Sorry")));
    EXPECT_FALSE(display.ScriptEndedEarly());
}

TEST_F(PromptDialog, AskedAgainItSaysSoAndWaitsInTheEmptyPasswordField) {
    // A person retypes the password at once; a script's answer selects the name first.
    display.Script("print\ntype \"again\"\nkey return\nadmin \"root\" \"pw\"\n");
    std::optional<platform::AdministratorCredentials> answer = Ask(true);
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->user, "ann");
    EXPECT_EQ(answer->password, "again");
    const std::string printed = display.Printouts();
    EXPECT_THAT(printed, HasSubstr("  item 6 edit \"ann\"\n"));
    EXPECT_THAT(printed, HasSubstr("  item 8 edit \"\" focus caret 0\n"));
    EXPECT_THAT(printed, HasSubstr("  item 9 static \"Password for ann\" disabled\n"));
    EXPECT_THAT(printed, HasSubstr("  item 10 static \"Sorry, try again.\" disabled\n"));

    answer = Ask(true);
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->user, "root");
    EXPECT_EQ(answer->password, "pw");
    EXPECT_FALSE(display.ScriptEndedEarly());
}

TEST_F(PromptDialog, CancelAndEscapeRefuse) {
    // The script's own answers first, then the dialog's Cancel.
    display.Script("admin \"root\" \"x\"\nadmin cancel\ntype \"root\"\nclick item 2\n");
    EXPECT_TRUE(Ask());
    EXPECT_FALSE(Ask());
    EXPECT_FALSE(Ask());
    EXPECT_FALSE(display.ScriptEndedEarly());
}

TEST_F(PromptDialog, TypingOverSelectedBulletsReplacesThePassword) {
    // Tab to the name, and back to the bullets, all selected.
    display.Script("key tab\ntype \"first\"\nkey tab\nkey tab\ntype \"second\"\nkey return\n");
    std::optional<platform::AdministratorCredentials> answer = Ask();
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->user, "ann");
    EXPECT_EQ(answer->password, "second");
}
