// Test support: a temporary folder removed with everything in it, and scoped environment
// variables, so that no test touches the real system folders or the user's home.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace testsupport {

class TempFolder {
  public:
    TempFolder() : TempFolder(std::filesystem::temp_directory_path()) {}
    // Inside base, for a test that needs a file system of its own kind there (as /dev/shm).
    explicit TempFolder(const std::filesystem::path& base) {
        std::string pattern = base / "korvane-test-XXXXXX";
        path_ = mkdtemp(pattern.data());
    }
    ~TempFolder() {
        std::error_code ignored;
        // Locked files lose their write bit; give it back so the folder can go.
        for (auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored))
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string str() const { return path_.string(); }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

class ScopedEnv {
  public:
    ScopedEnv(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() {
        if (old_)
            setenv(name_.c_str(), old_->c_str(), 1);
        else
            unsetenv(name_.c_str());
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    std::string name_;
    std::optional<std::string> old_;
};

// Points the user's Preferences folder and the local domain into a fresh temporary folder.
class ScopedDomains {
  public:
    ScopedDomains()
        : user_("XDG_CONFIG_HOME", temp_ / "user-preferences"),
          local_("KORVANE_LOCAL_ROOT", temp_ / "local-root") {}
    std::string userPreferences() const { return temp_ / "user-preferences"; }
    std::string localRoot() const { return temp_ / "local-root"; }
    const TempFolder& temp() const { return temp_; }

  private:
    TempFolder temp_;
    ScopedEnv user_;
    ScopedEnv local_;
};

} // namespace testsupport
