#include "Platform/Script.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <string>

namespace {

// Sets locale variables for a scope and puts back what was there.
class ScopedLocale {
  public:
    explicit ScopedLocale(const std::map<std::string, std::optional<std::string>>& values) {
        for (const auto& [name, value] : values) {
            const char* old = std::getenv(name.c_str());
            saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
            Set(name, value);
        }
    }
    ~ScopedLocale() {
        for (const auto& [name, value] : saved_)
            Set(name, value);
    }

  private:
    static void Set(const std::string& name, const std::optional<std::string>& value) {
        if (value)
            setenv(name.c_str(), value->c_str(), 1);
        else
            unsetenv(name.c_str());
    }
    std::map<std::string, std::optional<std::string>> saved_;
};

SInt32 SystemLanguage() {
    return GetScriptVariable(SInt16(GetScriptManagerVariable(smSysScript)), smScriptLang);
}

} // namespace

TEST(ScriptManager, TheSystemScriptIsRomanWithTheSystemNumberFormat) {
    EXPECT_EQ(GetScriptManagerVariable(smSysScript), smRoman);
    EXPECT_EQ(GetScriptVariable(smSystemScript, smScriptNumber), 0);
    EXPECT_EQ(GetScriptVariable(smJapanese, smScriptLang), 0); // not installed
}

TEST(ScriptManager, TheLanguageFollowsTheLocaleInTheCLibrarysOrder) {
    {
        ScopedLocale locale(
            {{"LC_ALL", std::nullopt}, {"LC_MESSAGES", ""}, {"LANG", "ja_JP.UTF-8"}});
        EXPECT_EQ(SystemLanguage(), langJapanese);
    }
    {
        ScopedLocale locale(
            {{"LC_ALL", std::nullopt}, {"LC_MESSAGES", std::nullopt}, {"LANG", "C"}});
        EXPECT_EQ(SystemLanguage(), langEnglish);
    }
    {
        ScopedLocale locale({{"LC_ALL", "ja_JP"}, {"LANG", "en_GB.UTF-8"}});
        EXPECT_EQ(GetScriptVariable(smRoman, smScriptLang), langJapanese);
    }
    {
        ScopedLocale locale({{"LC_ALL", std::nullopt}, {"LC_MESSAGES", "en_US"}, {"LANG", "ja"}});
        EXPECT_EQ(SystemLanguage(), langEnglish);
    }
}
