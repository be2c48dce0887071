// Which way the administrator right is asked for: a desktop session's polkit agent through
// pkexec, or the platform's own prompt checked by sudo. Stand-in scripts play sudo and pkexec;
// the pkexec stand-in runs what it is given, so the commit helper's tool running is the real one.
#include "Platform/AdministratorPrompt.h"
#include "Platform/Authorization.h"
#include "Platform/PlatformTesting.h"
#include "TestSupport/AuthorizationSupport.h"
#include "TestSupport/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <gmock/gmock.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace testsupport;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

namespace {

const std::string kHelper = std::string(KORVANE_BUILD_BUNDLE) + "/Contents/MacOS/korvane-commit";
std::string UserName() {
    const passwd* user = getpwuid(getuid());
    return user ? user->pw_name : "";
}

const char* kNoAgent = "Error executing command as another user: No authentication agent found.";

class AgentOrPrompt : public ::testing::Test {
  protected:
    ~AgentOrPrompt() override {
        PlatformSetPrivilegeTools(nullptr, nullptr);
        PlatformAskOnTerminal(nullptr);
        if (ref) AuthorizationFree(ref, 0);
    }

    // pkexec as the agent would leave it: the command run after answer (an agent that granted),
    // or what it prints and its status.
    void Pkexec(const std::string& answer) {
        Script("pkexec", "[ \"$1\" = --disable-internal-agent ] && shift\n" + answer);
        Install();
    }
    // sudo taking "secret" alone, and running what it is given.
    void Sudo() {
        Script("sudo", "case \"$1\" in -k) exit 0 ;; -S) read p; [ \"$p\" = secret ] ;;\n"
                       "-n) shift 2; exec \"$@\" ;; esac\n");
        Install();
    }
    void Script(const std::string& name, const std::string& body) {
        const std::string path = temp / name;
        std::ofstream(path) << "#!/bin/sh\necho \"" << name << " $*\" >> " << (temp / "log") << "\n"
                            << body;
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    }
    void Install() {
        const std::string sudo = temp / "sudo", pkexec = temp / "pkexec";
        PlatformSetPrivilegeTools(std::filesystem::exists(sudo) ? sudo.c_str() : "",
                                  std::filesystem::exists(pkexec) ? pkexec.c_str() : "");
    }
    std::string LogText() {
        std::ifstream in(temp / "log");
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    OSStatus Request() {
        if (!ref) AuthorizationCreate(nullptr, nullptr, 0, &ref);
        return AuthorizationCopyRights(ref, &adminRight, nullptr, kAsk, nullptr);
    }
    // The tool's output, and its status as the caller reaps it.
    std::string Run(const char* tool, std::vector<const char*> arguments, int* status) {
        arguments.push_back(nullptr);
        FILE* pipe = nullptr;
        if (AuthorizationExecuteWithPrivileges(ref, tool, 0,
                                               const_cast<char* const*>(arguments.data()),
                                               &pipe) != errAuthorizationSuccess)
            return "not started";
        std::string text;
        for (int c; (c = fgetc(pipe)) != EOF;)
            text += char(c);
        fclose(pipe);
        int waited = 0;
        wait(&waited);
        *status = WIFEXITED(waited) ? WEXITSTATUS(waited) : -1;
        return text;
    }

    TempFolder temp;
    ScopedEnv display{"DISPLAY", ":47"};
    ScopedEnv wayland{"WAYLAND_DISPLAY", ""};
    PlatformScopedMainBundle bundle{KORVANE_BUILD_BUNDLE};
    ScopedPrompt prompt{true};
    AuthorizationRef ref = nullptr;
};

} // namespace

TEST_F(AgentOrPrompt, InADesktopSessionTheAgentAsksAndPkexecRunsOnlyTheHelper) {
    Sudo();
    Pkexec("exec \"$@\"\n");
    ASSERT_EQ(Request(), errAuthorizationSuccess);
    EXPECT_EQ(prompt.asked, 0); // the program drew nothing
    std::string log = LogText();
    EXPECT_THAT(log, StartsWith("pkexec --disable-internal-agent " + kHelper + " --run /"));
    EXPECT_THAT(log, HasSubstr("/true\n"));
    EXPECT_THAT(log, Not(HasSubstr("sudo")));

    // Every tool goes through the helper, which runs the commit's tools and nothing else.
    int status = -1;
    EXPECT_EQ(Run("/usr/bin/id", {"-un"}, &status), UserName() + "\n");
    EXPECT_EQ(status, 0);
    EXPECT_THAT(LogText(), HasSubstr(kHelper + " --run /usr/bin/id -un\n"));
    EXPECT_EQ(Run("/bin/sh", {"-c", "echo ran"}, &status), "");
    EXPECT_EQ(status, 64);
    // The helper itself runs as it is.
    Run(kHelper.c_str(), {}, &status);
    EXPECT_EQ(status, 64); // its usage, without arguments
    EXPECT_THAT(LogText(), EndsWith("pkexec " + kHelper + "\n"));
}

TEST_F(AgentOrPrompt, TheAgentsAnswerIsFinal) {
    Sudo();
    Pkexec("exit 126\n"); // the agent's dialog dismissed
    EXPECT_EQ(Request(), errAuthorizationCanceled);
    Pkexec("echo 'Error executing command as another user: Not authorized' >&2; exit 127\n");
    EXPECT_EQ(Request(), errAuthorizationDenied);
    EXPECT_EQ(prompt.asked, 0);
    EXPECT_THAT(LogText(), Not(HasSubstr("sudo")));
}

TEST_F(AgentOrPrompt, WithoutAnAgentTheProgramsPromptAsksAndSudoChecks) {
    Sudo();
    Pkexec(std::string("echo '") + kNoAgent + "' >&2; exit 127\n");
    ASSERT_EQ(Request(), errAuthorizationSuccess);
    EXPECT_EQ(prompt.asked, 1);
    EXPECT_EQ(prompt.questions[0].account, UserName());
    EXPECT_THAT(LogText(), HasSubstr("sudo -S -p  -v\n"));
    int status = -1;
    EXPECT_EQ(Run("/usr/bin/id", {"-un"}, &status), UserName() + "\n");
    EXPECT_THAT(LogText(), EndsWith("sudo -n -- /usr/bin/id -un\n"));
    AuthorizationFree(ref, 0);
    ref = nullptr;

    // No display, or a command asking on its terminal's line: pkexec is not even tried.
    std::filesystem::remove(temp / "log");
    {
        ScopedEnv noDisplay("DISPLAY", "");
        ASSERT_EQ(Request(), errAuthorizationSuccess);
    }
    AuthorizationFree(ref, 0);
    ref = nullptr;
    PlatformAskOnTerminal("korvane");
    ASSERT_EQ(Request(), errAuthorizationSuccess);
    EXPECT_EQ(prompt.asked, 3);
    EXPECT_THAT(LogText(), Not(HasSubstr("pkexec")));

    // Without sudo, pkexec asks as it can (its own terminal agent), and runs the helper alone.
    std::filesystem::remove(temp / "sudo");
    Pkexec("exec \"$@\"\n");
    AuthorizationFree(ref, 0);
    ref = nullptr;
    ASSERT_EQ(Request(), errAuthorizationSuccess);
    EXPECT_EQ(prompt.asked, 3);
    EXPECT_THAT(LogText(), HasSubstr("\npkexec " + kHelper + " --run /"));
    EXPECT_THAT(LogText(), EndsWith("/true\n"));
}
