// The core is shared by the program, the command-line tool and the virtual radio, and is
// tested without widgets: no file below src/core may pull in Qt.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

namespace {

namespace fs = std::filesystem;

TEST(CoreSources, IncludeNoQtHeader) {
    // This file lives in tests/core; the sources are two folders up.
    const fs::path core =
        fs::path(__FILE__).parent_path().parent_path().parent_path() / "src" / "core";
    ASSERT_TRUE(fs::is_directory(core)) << core;
    const std::regex qtInclude(R"(^\s*#\s*include\s*[<"](Q[A-Za-z]|Qt))");
    // Also the word Qt itself (a find_package in CMakeLists.txt, a Qt type, a comment that
    // leans on Qt) and the macros and classes that would need its headers.
    const std::regex qtName(
        R"(\bQt|\bQ_[A-Z]+\b|\bQ(Object|String|Byte|List|Map|Vector|Variant|Widget|File)\w*)");
    int files = 0;
    for (const auto &entry : fs::recursive_directory_iterator(core)) {
        if (!entry.is_regular_file())
            continue;
        ++files;
        std::ifstream file(entry.path());
        std::string line;
        for (int number = 1; std::getline(file, line); ++number) {
            EXPECT_FALSE(std::regex_search(line, qtInclude))
                << entry.path().string() << ':' << number << ": " << line;
            EXPECT_FALSE(std::regex_search(line, qtName))
                << entry.path().string() << ':' << number << ": " << line;
        }
    }
    EXPECT_GT(files, 10);
}

} // namespace
