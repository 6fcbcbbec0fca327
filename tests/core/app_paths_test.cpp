// Where Program.ini and DATA go: the XDG folders for an installed copy, whatever it may write,
// and beside the executable only for a portable copy.

#include "core/app/app_paths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

namespace dpmr {
namespace {

namespace fs = std::filesystem;

// Sets an environment variable for one test and puts the old value back.
class ScopedVariable {
public:
    ScopedVariable(const char *name, const char *value) : name_(name) {
        if (const char *old = std::getenv(name))
            old_ = old;
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~ScopedVariable() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }

private:
    const char *name_;
    std::optional<std::string> old_;
};

class AppPathsTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = ::testing::TempDir() + "app-paths-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        root = pattern;
        bin = root / "usr" / "bin";
        fs::create_directories(bin);
    }
    void TearDown() override { fs::remove_all(root); }

    fs::path root, bin;
};

TEST_F(AppPathsTest, AnInstalledCopyUsesTheXdgFoldersEvenWhenItCouldWriteBesideItself) {
    const ScopedVariable home("HOME", (root / "home").c_str());
    const ScopedVariable config("XDG_CONFIG_HOME", nullptr);
    const ScopedVariable data("XDG_DATA_HOME", nullptr);
    const AppPaths paths = ResolveAppPaths(bin.string() + "/");
    EXPECT_EQ(paths.settingsFile, (root / "home/.config/dpmr-cps/Program.ini").string());
    EXPECT_EQ(paths.dataFolder, (root / "home/.local/share/dpmr-cps/DATA").string());
    EXPECT_TRUE(fs::is_directory(root / "home/.config/dpmr-cps"));
    EnsureDataFolder(paths);
    EXPECT_TRUE(fs::is_directory(paths.dataFolder));
    EXPECT_TRUE(fs::is_empty(bin));
}

TEST_F(AppPathsTest, XdgVariablesCountOnlyWhenAbsolute) {
    const ScopedVariable home("HOME", (root / "home").c_str());
    {
        const ScopedVariable config("XDG_CONFIG_HOME", (root / "cfg").c_str());
        const ScopedVariable data("XDG_DATA_HOME", (root / "dat").c_str());
        const AppPaths paths = ResolveAppPaths(bin.string());
        EXPECT_EQ(paths.settingsFile, (root / "cfg/dpmr-cps/Program.ini").string());
        EXPECT_EQ(paths.dataFolder, (root / "dat/dpmr-cps/DATA").string());
    }
    const ScopedVariable config("XDG_CONFIG_HOME", "relative/cfg");
    const ScopedVariable data("XDG_DATA_HOME", "");
    const AppPaths paths = ResolveAppPaths(bin.string());
    EXPECT_EQ(paths.settingsFile, (root / "home/.config/dpmr-cps/Program.ini").string());
    EXPECT_EQ(paths.dataFolder, (root / "home/.local/share/dpmr-cps/DATA").string());
}

TEST_F(AppPathsTest, WithoutHomeTheAccountsFolderIsUsedNotTheExecutables) {
    const ScopedVariable home("HOME", nullptr);
    const ScopedVariable config("XDG_CONFIG_HOME", (root / "cfg").c_str());
    const ScopedVariable data("XDG_DATA_HOME", (root / "dat").c_str());
    const AppPaths paths = ResolveAppPaths(bin.string());
    EXPECT_EQ(paths.settingsFile.rfind(bin.string(), 0), std::string::npos);
    EXPECT_EQ(paths.dataFolder.rfind(bin.string(), 0), std::string::npos);
}

TEST_F(AppPathsTest, TheMarkerFileMakesAPortableCopy) {
    const ScopedVariable home("HOME", (root / "home").c_str());
    EXPECT_FALSE(IsPortableCopy(bin.string()));
    std::ofstream(bin / kPortableMarker).flush();
    EXPECT_TRUE(IsPortableCopy(bin.string()));
    const AppPaths paths = ResolveAppPaths(bin.string());
    EXPECT_EQ(paths.settingsFile, (bin / "Program.ini").string());
    EXPECT_EQ(paths.dataFolder, (bin / "DATA").string());
    EXPECT_FALSE(fs::exists(root / "home"));
}

} // namespace
} // namespace dpmr
