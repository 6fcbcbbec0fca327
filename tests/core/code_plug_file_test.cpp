// Code plug files on a real file system: sizes, missing files, folders in the way, failed
// saves that must leave the previous file whole.

#include "core/image/code_plug_file.h"

#include "core_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace dpmr {
namespace {

namespace fs = std::filesystem;
using testing_support::DescribeDifferences;
using testing_support::RandomImage;

std::vector<std::uint8_t> ReadBytes(const fs::path &path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path &path, const std::vector<std::uint8_t> &bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char *>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> BytesOf(const Image &image) {
    return {image.data(), image.data() + Image::size()};
}

class CodePlugFile : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = ::testing::TempDir() + "codeplug-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(folder, ignored);
    }
    std::vector<std::string> FolderEntries() const {
        std::vector<std::string> names;
        for (const auto &entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    fs::path folder;
};

TEST_F(CodePlugFile, UnnamedBytesSurviveOpenAndSave) {
    Image original = RandomImage(2);
    original[0x2300] = 0x5A;
    original[0x3F00] = 0xA5;
    original[0x0000] = 0x77;
    const fs::path in = folder / "in.dat", out = folder / "out.dat";
    WriteBytes(in, BytesOf(original));
    Image image;
    ASSERT_TRUE(LoadCodePlugFile(in, image));
    ASSERT_TRUE(SaveCodePlugFile(out, image));
    EXPECT_TRUE(image == original) << DescribeDifferences(original, image);
    // The file is the image byte for byte: no header, offset 0 first.
    EXPECT_TRUE(ReadBytes(out) == BytesOf(original)) << "content of " << out;
    EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"in.dat", "out.dat"}));
}

TEST_F(CodePlugFile, AShortFileIsRefusedAndTheImageKeepsEveryByte) {
    const fs::path path = folder / "short.dat";
    WriteBytes(path, std::vector<std::uint8_t>(100, 0x00));
    const Image before = RandomImage(3);
    Image image = before;
    const FileResult result = LoadCodePlugFile(path, image);
    EXPECT_FALSE(result);
    EXPECT_TRUE(image == before) << DescribeDifferences(before, image);
    EXPECT_NE(result.message.find(path.string()), std::string::npos) << result.message;
    EXPECT_NE(result.message.find("100"), std::string::npos) << result.message;
    EXPECT_NE(result.message.find("16384"), std::string::npos) << result.message;

    WriteBytes(path, std::vector<std::uint8_t>(16383, 0x00)); // one byte short
    EXPECT_FALSE(LoadCodePlugFile(path, image));
    EXPECT_TRUE(image == before);
    WriteBytes(path, {});
    EXPECT_FALSE(LoadCodePlugFile(path, image));
    EXPECT_TRUE(image == before);
}

TEST_F(CodePlugFile, ALongerFileOpensAndSavesAs16384Bytes) {
    const Image original = RandomImage(4);
    auto bytes = BytesOf(original);
    bytes.push_back(0xEE);
    const fs::path path = folder / "long.dat";
    WriteBytes(path, bytes);
    Image image;
    ASSERT_TRUE(LoadCodePlugFile(path, image));
    EXPECT_TRUE(image == original);
    ASSERT_TRUE(SaveCodePlugFile(path, image));
    EXPECT_EQ(fs::file_size(path), 16384u);
    EXPECT_TRUE(ReadBytes(path) == BytesOf(original)) << "content of " << path;
}

TEST_F(CodePlugFile, MissingFilesAndFoldersAreReported) {
    const Image before = RandomImage(5);
    Image image = before;
    const fs::path missing = folder / "missing.dat";
    FileResult result = LoadCodePlugFile(missing, image);
    EXPECT_FALSE(result);
    EXPECT_NE(result.message.find(missing.string()), std::string::npos) << result.message;
    EXPECT_TRUE(image == before);

    const fs::path nowhere = folder / "no-such-folder" / "x.dat";
    result = SaveCodePlugFile(nowhere, image);
    EXPECT_FALSE(result);
    EXPECT_NE(result.message.find(nowhere.string()), std::string::npos) << result.message;
    EXPECT_FALSE(fs::exists(folder / "no-such-folder"));
}

TEST_F(CodePlugFile, AFolderWhereTheFileShouldBe) {
    const fs::path path = folder / "Data.dat";
    fs::create_directory(path);
    WriteBytes(path / "inside", {1, 2, 3});
    const Image before = RandomImage(6);
    Image image = before;

    FileResult result = LoadCodePlugFile(path, image);
    EXPECT_FALSE(result);
    EXPECT_NE(result.message.find(path.string()), std::string::npos) << result.message;
    EXPECT_TRUE(image == before);

    result = SaveCodePlugFile(path, image);
    EXPECT_FALSE(result);
    EXPECT_NE(result.message.find(path.string()), std::string::npos) << result.message;
    EXPECT_TRUE(fs::is_directory(path));
    EXPECT_EQ(ReadBytes(path / "inside"), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"Data.dat"});
}

TEST_F(CodePlugFile, AReadOnlyFolderRefusesTheSaveAndKeepsTheOldFile) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "running as root: folder permissions are not enforced; the failed "
                        "write is covered by AFailedWriteKeepsTheOldFile";
    const fs::path path = folder / "Data.dat";
    const auto old = BytesOf(RandomImage(7));
    WriteBytes(path, old);
    fs::permissions(folder, fs::perms(0555));
    const FileResult result = SaveCodePlugFile(path, RandomImage(8));
    fs::permissions(folder, fs::perms(0755));
    EXPECT_FALSE(result);
    EXPECT_NE(result.message.find(path.string()), std::string::npos) << result.message;
    EXPECT_TRUE(ReadBytes(path) == old) << "content of " << path;
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"Data.dat"});
}

TEST_F(CodePlugFile, AReadOnlyFileIsNotReplaced) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "running as root: a read-only file is writable";
    const fs::path path = folder / "Data.dat";
    const auto old = BytesOf(RandomImage(12));
    WriteBytes(path, old);
    fs::permissions(path, fs::perms(0444));
    const FileResult result = SaveCodePlugFile(path, RandomImage(13));
    EXPECT_FALSE(result);
    EXPECT_NE(result.message.find(path.string()), std::string::npos) << result.message;
    EXPECT_TRUE(ReadBytes(path) == old) << "content of " << path;
    EXPECT_EQ(fs::status(path).permissions(), fs::perms(0444));
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"Data.dat"});
}

// Saving through a link updates the file it points to; the link stays a link.
TEST_F(CodePlugFile, SavingThroughASymbolicLinkWritesTheLinkedFile) {
    fs::create_directory(folder / "share");
    const fs::path target = folder / "share" / "radio.dat", link = folder / "radio.dat";
    WriteBytes(target, BytesOf(RandomImage(14)));
    fs::create_symlink(target, link);
    const Image image = RandomImage(15);
    ASSERT_TRUE(SaveCodePlugFile(link, image));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_TRUE(ReadBytes(target) == BytesOf(image)) << "content of " << target;
    EXPECT_EQ(FolderEntries().size(), 2u); // no temporary file left beside the link
    EXPECT_EQ(std::distance(fs::directory_iterator(folder / "share"), fs::directory_iterator()), 1);
}

// A write that stops half-way (here the file size limit; on a desk, a full disk) must not
// reach the old file, and the half-written temporary file must go.
TEST_F(CodePlugFile, AFailedWriteKeepsTheOldFile) {
    const fs::path path = folder / "Data.dat";
    const auto old = BytesOf(RandomImage(9));
    WriteBytes(path, old);
    fs::permissions(path, fs::perms(0640));

    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit limited = saved;
    limited.rlim_cur = 4096;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    const FileResult result = SaveCodePlugFile(path, RandomImage(10));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(result);
    EXPECT_NE(result.message.find(path.string()), std::string::npos) << result.message;
    EXPECT_TRUE(ReadBytes(path) == old) << "content of " << path;
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"Data.dat"});

    // And once the disk has room again, the save replaces the file and keeps its mode.
    const Image image = RandomImage(11);
    ASSERT_TRUE(SaveCodePlugFile(path, image));
    EXPECT_TRUE(ReadBytes(path) == BytesOf(image)) << "content of " << path;
    EXPECT_EQ(fs::status(path).permissions(), fs::perms(0640));
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"Data.dat"});
}

} // namespace
} // namespace dpmr
