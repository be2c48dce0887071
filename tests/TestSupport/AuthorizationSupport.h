// Test support for authorization services: answers for the administrator prompt and a record of
// the privileged tools started.
#pragma once

#include "Platform/AdministratorPrompt.h"
#include "Platform/Authorization.h"
#include "Platform/PlatformTesting.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace testsupport {

// The administrator right, asked for as the program asks for it.
inline AuthorizationItem adminItem = {kAuthorizationRightExecute, 0, nullptr, 0};
inline AuthorizationRights adminRight = {1, &adminItem};
inline constexpr AuthorizationFlags kAsk = kAuthorizationFlagInteractionAllowed |
                                           kAuthorizationFlagExtendRights |
                                           kAuthorizationFlagPreAuthorize;

// Answers the administrator prompt: grants as the account asked for, or cancels. Counts the asks
// and keeps the questions.
class ScopedPrompt {
  public:
    explicit ScopedPrompt(bool granting) : grant(granting) {
        PlatformSetAuthorizationPrompt([this](const platform::AdministratorQuestion& question)
                                           -> std::optional<platform::AdministratorCredentials> {
            ++asked;
            questions.push_back(question);
            std::optional<std::string> password;
            if (this->grant) password = "secret";
            if (!passwords.empty()) {
                password = passwords.front();
                passwords.erase(passwords.begin());
            }
            if (!password) return std::nullopt;
            return platform::AdministratorCredentials{
                answerUser.empty() ? question.account : answerUser, *password};
        });
    }
    ~ScopedPrompt() { PlatformSetAuthorizationPrompt(nullptr); }
    ScopedPrompt(const ScopedPrompt&) = delete;
    ScopedPrompt& operator=(const ScopedPrompt&) = delete;

    bool grant;
    std::string answerUser; // empty: the account asked for
    // The answers to the next asks, in turn, nothing for a cancel; then grant decides.
    std::vector<std::optional<std::string>> passwords;
    int asked = 0;
    std::vector<platform::AdministratorQuestion> questions;
};

// Records every privileged tool started.
class ScopedToolRecorder {
  public:
    ScopedToolRecorder() { PlatformSetPrivilegedToolObserver(&Observe, this); }
    ~ScopedToolRecorder() { PlatformSetPrivilegedToolObserver(nullptr, nullptr); }
    ScopedToolRecorder(const ScopedToolRecorder&) = delete;
    ScopedToolRecorder& operator=(const ScopedToolRecorder&) = delete;

    std::vector<std::vector<std::string>> calls; // the tool's file name, then its arguments
    std::vector<std::string> toolPaths;          // the file each tool was run from
    std::function<void(const std::vector<std::string>&)> onTool;

  private:
    static void Observe(char* const* argv, void* refCon) {
        auto* self = static_cast<ScopedToolRecorder*>(refCon);
        std::vector<std::string> call;
        for (char* const* argument = argv; *argument; ++argument)
            call.emplace_back(*argument);
        self->toolPaths.push_back(call[0]);
        call[0] = call[0].substr(call[0].rfind('/') + 1);
        self->calls.push_back(call);
        if (self->onTool) self->onTool(call);
    }
};

} // namespace testsupport
