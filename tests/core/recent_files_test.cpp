// File > Recent files in "Program.ini": newest first, at most eight, no repeats, and a list
// that shrinks leaves no stale entries behind.

#include "core/app/recent_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <unistd.h>

namespace dpmr {
namespace {

TEST(RecentFiles, RotateAndComeBackFromTheFile) {
    std::string folder = ::testing::TempDir() + "recent-XXXXXX";
    ASSERT_NE(::mkdtemp(folder.data()), nullptr);
    const std::string path = folder + "/Program.ini";
    std::vector<std::string> files;
    for (int i = 1; i <= 10; ++i)
        AddRecentFile(files, "/plans/" + std::to_string(i) + ".dat");
    AddRecentFile(files, "/plans/5.dat"); // back to the top, not twice
    AddRecentFile(files, "");
    AddRecentFile(files, "/" + std::string(SettingsFile::kMaxValueLength, 'x'));
    const std::vector<std::string> expected = {"/plans/5.dat", "/plans/10.dat", "/plans/9.dat",
                                               "/plans/8.dat", "/plans/7.dat",  "/plans/6.dat",
                                               "/plans/4.dat", "/plans/3.dat"};
    EXPECT_EQ(files, expected);

    SettingsFile settings(path);
    ASSERT_TRUE(WriteRecentFiles(settings, files));
    EXPECT_EQ(ReadRecentFiles(SettingsFile(path)), expected);

    // Hand-edited entries: gaps, repeats and a ninth are skipped.
    std::ofstream(path, std::ios::binary)
        << "[Recent File List]\r\nFile1=/a.dat\r\nFile3=/b.dat\r\nFile4=/a.dat\r\nFile9=/c.dat\r\n";
    EXPECT_EQ(ReadRecentFiles(SettingsFile(path)), (std::vector<std::string>{"/a.dat", "/b.dat"}));
    RemoveRecentFile(files, "/plans/10.dat");
    EXPECT_EQ(files.size(), 7u);
    EXPECT_EQ(files[1], "/plans/9.dat");
    std::system(("rm -rf '" + folder + "'").c_str());
}

} // namespace
} // namespace dpmr
