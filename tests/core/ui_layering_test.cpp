// Commands are composed in ui/app only: no subsystem folder under src/ui includes ui/app, so
// the window can change without touching an editor, and an editor cannot reach the window.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

namespace {

namespace fs = std::filesystem;

TEST(UiSources, SubsystemFoldersNeverIncludeTheApplicationFolder) {
    const fs::path ui = fs::path(__FILE__).parent_path().parent_path().parent_path() / "src" / "ui";
    ASSERT_TRUE(fs::is_directory(ui)) << ui;
    const std::regex appInclude(R"(^\s*#\s*include\s*["<]ui/app/)");
    int files = 0;
    for (const auto &folder : fs::directory_iterator(ui)) {
        if (!folder.is_directory() || folder.path().filename() == "app")
            continue;
        for (const auto &entry : fs::recursive_directory_iterator(folder.path())) {
            if (!entry.is_regular_file())
                continue;
            ++files;
            std::ifstream file(entry.path());
            std::string line;
            for (int number = 1; std::getline(file, line); ++number)
                EXPECT_FALSE(std::regex_search(line, appInclude))
                    << entry.path().string() << ':' << number << ": " << line;
        }
    }
    EXPECT_GT(files, 10);
}

} // namespace
