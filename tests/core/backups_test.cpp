// Automatic backups: names by time and reason, never two writers on one name, the newest kept,
// and a folder that cannot be used is reported rather than skipped.

#include "core/app/backups.h"
#include "core/image/code_plug_file.h"
#include "core_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <thread>

namespace dpmr {
namespace {

namespace fs = std::filesystem;
using testing_support::RandomImage;

// 2026-12-07 05:30:00 local time, whatever the zone.
std::time_t LocalTime(int hour, int minute, int second) {
    std::tm when{};
    when.tm_year = 2026 - 1900;
    when.tm_mon = 11;
    when.tm_mday = 7;
    when.tm_hour = hour;
    when.tm_min = minute;
    when.tm_sec = second;
    when.tm_isdst = -1;
    return std::mktime(&when);
}

class Backups : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = ::testing::TempDir() + "backups-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        root = pattern;
        folder = (root / "DATA" / "backups").string();
    }
    void TearDown() override { fs::remove_all(root); }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto &entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    fs::path root;
    std::string folder;
};

TEST_F(Backups, NamedByTimeAndReasonWithTheImageBytes) {
    const Image image = RandomImage(3);
    const BackupResult read =
        SaveBackup(folder, BackupReason::Read, image, 50, LocalTime(5, 30, 7));
    ASSERT_TRUE(read) << read.message;
    EXPECT_EQ(read.path, folder + "/20261207-053007-read.dat");
    Image loaded;
    ASSERT_TRUE(LoadCodePlugFile(read.path, loaded));
    EXPECT_EQ(loaded, image);

    // The same second again, and from several threads at once: every copy gets its own name.
    std::vector<std::thread> threads;
    std::vector<BackupResult> results(6);
    for (auto &result : results)
        threads.emplace_back([&] {
            result = SaveBackup(folder, BackupReason::Write, image, 50, LocalTime(5, 30, 7));
        });
    for (auto &thread : threads)
        thread.join();
    for (const auto &result : results)
        EXPECT_TRUE(result) << result.message;
    EXPECT_EQ(Names(), (std::vector<std::string>{
                           "20261207-053007-read.dat", "20261207-053007-write-2.dat",
                           "20261207-053007-write-3.dat", "20261207-053007-write-4.dat",
                           "20261207-053007-write-5.dat", "20261207-053007-write-6.dat",
                           "20261207-053007-write.dat"}));
    for (const auto &name : Names())
        EXPECT_EQ(fs::file_size(fs::path(folder) / name), kImageSize) << name;
}

TEST_F(Backups, OnlyTheNewestAreKeptAndOtherFilesAreLeftAlone) {
    fs::create_directories(folder);
    std::ofstream(fs::path(folder) / "notes.txt") << "mine";
    const Image image = RandomImage(4);
    for (int i = 0; i < 8; ++i)
        ASSERT_TRUE(SaveBackup(folder, i % 2 ? BackupReason::Read : BackupReason::Write, image, 5,
                               LocalTime(6, 0, i)));
    EXPECT_EQ(Names(),
              (std::vector<std::string>{"20261207-060003-read.dat", "20261207-060004-write.dat",
                                        "20261207-060005-read.dat", "20261207-060006-write.dat",
                                        "20261207-060007-read.dat", "notes.txt"}));
}

TEST_F(Backups, AFolderThatCannotBeMadeIsReported) {
    std::ofstream(root / "DATA") << "a file where the folder should be";
    const BackupResult result = SaveBackup(folder, BackupReason::Write, RandomImage(5), 50);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("\"" + (root / "DATA").string()), std::string::npos)
        << result.message;
    EXPECT_NE(result.message.find("Not a directory"), std::string::npos) << result.message;
}

TEST_F(Backups, TheNumberKeptComesFromProgramIni) {
    const std::string ini = (root / "Program.ini").string();
    SettingsFile settings(ini);
    EXPECT_EQ(BackupsKept(settings), kDefaultBackupsKept);
    for (const auto &[text, kept] :
         std::vector<std::pair<std::string, int>>{{"7", 7},
                                                  {"0", kDefaultBackupsKept},
                                                  {"-3", kDefaultBackupsKept},
                                                  {"12x", kDefaultBackupsKept},
                                                  {"200", 200}}) {
        ASSERT_TRUE(settings.Write("Setup", "BACKUPS", text));
        EXPECT_EQ(BackupsKept(settings), kept) << text;
    }
}

} // namespace
} // namespace dpmr
