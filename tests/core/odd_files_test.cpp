// Inputs and targets that are not plain files: named pipes nobody writes to, device nodes,
// dangling links, and channel lists that come through a pipe. Nothing may hang, nothing that
// is not a file may be loaded or replaced, and a pipe is read to its end.

#include "core/app/settings_file.h"
#include "core/exchange/channel_csv.h"
#include "core/files/file_paths.h"
#include "core/image/code_plug_file.h"

#include "core_test_support.h"
#include "fifo_rescue.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>
#include <unistd.h>

namespace dpmr {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testing_support::FifoRescue;
using testing_support::NewImage;
using testing_support::RandomImage;

bool Has(const std::string &text, const std::string &part) {
    return text.find(part) != std::string::npos;
}

class OddFiles : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = ::testing::TempDir() + "odd-files-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }
    void TearDown() override { fs::remove_all(folder); }
    std::string Fifo(const std::string &name) const {
        const std::string path = (folder / name).string();
        EXPECT_EQ(::mkfifo(path.c_str(), 0644), 0);
        return path;
    }

    fs::path folder;
};

TEST_F(OddFiles, ANamedPipeIsNoCodePlugAndIsNeverReplaced) {
    const std::string fifo = Fifo("plug.dat");
    const Image before = RandomImage(1);
    Image image = before;
    {
        FifoRescue rescue(fifo, 3s);
        const FileResult loaded = LoadCodePlugFile(fifo, image);
        EXPECT_FALSE(rescue.rescued) << "the load waited in open() for a writer";
        EXPECT_FALSE(loaded);
        EXPECT_TRUE(Has(loaded.message, "plug.dat\": a named pipe, not a file")) << loaded.message;
    }
    EXPECT_TRUE(image == before);

    const FileResult saved = SaveCodePlugFile(fifo, image);
    EXPECT_FALSE(saved);
    EXPECT_TRUE(Has(saved.message, "a named pipe, not a file")) << saved.message;
    EXPECT_TRUE(fs::is_fifo(fifo)) << "the save renamed a file over the pipe";
}

TEST_F(OddFiles, ADeviceIsNoCodePlugAndIsNeverReplaced) {
    Image image = RandomImage(2);
    const Image before = image;
    const FileResult loaded = LoadCodePlugFile("/dev/zero", image);
    EXPECT_FALSE(loaded) << "/dev/zero loaded as a code plug";
    EXPECT_TRUE(Has(loaded.message, "\"/dev/zero\": a device, not a file")) << loaded.message;
    EXPECT_TRUE(image == before);

    // A node of our own, so that a save that replaced it harms nothing.
    const std::string node = (folder / "zero").string();
    if (::mknod(node.c_str(), S_IFCHR | 0666, makedev(1, 5)) != 0)
        GTEST_SKIP() << "cannot make a device node here: " << std::strerror(errno);
    const FileResult saved = SaveCodePlugFile(node, image);
    EXPECT_FALSE(saved);
    EXPECT_TRUE(Has(saved.message, "a device, not a file")) << saved.message;
    EXPECT_TRUE(fs::is_character_file(node)) << "the save replaced the device node";
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

// Writing through a link that points nowhere yet creates the file it names, as writing in
// place would; the link stays.
TEST_F(OddFiles, ASaveThroughADanglingLinkCreatesTheFileItNames) {
    fs::create_directory(folder / "share");
    const fs::path target = folder / "share" / "radio.dat", link = folder / "radio.dat";
    fs::create_symlink("share/radio.dat", link);
    const Image image = RandomImage(3);
    ASSERT_TRUE(SaveCodePlugFile(link.string(), image));
    EXPECT_TRUE(fs::is_symlink(link)) << "the link was replaced";
    ASSERT_TRUE(fs::is_regular_file(target));
    Image loaded;
    ASSERT_TRUE(LoadCodePlugFile(target.string(), loaded));
    EXPECT_TRUE(loaded == image);
    EXPECT_EQ(ResolveLinks(link.string()), fs::canonical(target).string());
}

TEST_F(OddFiles, OneFileInTwoSpellings) {
    const std::string plain = (folder / "same.dat").string();
    const std::string dotted = (folder / "." / "same.dat").string();
    const std::string viaLink = (folder / "link.dat").string();
    fs::create_symlink("same.dat", viaLink);
    // Before the file exists (a read creates it) and after.
    EXPECT_TRUE(SameFile(plain, dotted));
    EXPECT_TRUE(SameFile(plain, viaLink));
    EXPECT_FALSE(SameFile(plain, (folder / "other.dat").string()));
    ASSERT_TRUE(SaveCodePlugFile(plain, NewImage()));
    EXPECT_TRUE(SameFile(dotted, viaLink));
    const std::string hard = (folder / "hard.dat").string();
    fs::create_hard_link(plain, hard);
    EXPECT_TRUE(SameFile(plain, hard));
}

TEST_F(OddFiles, ProgramIniAsANamedPipeReadsEmptyAndIsNotReplaced) {
    const std::string fifo = Fifo("Program.ini");
    SettingsFile settings(fifo);
    FifoRescue rescue(fifo, 3s);
    EXPECT_EQ(settings.Read("Setup", "COM"), "");
    EXPECT_FALSE(settings.Write("Setup", "COM", "COM3"));
    EXPECT_FALSE(rescue.rescued) << "the settings file waited in open() for a writer";
    EXPECT_TRUE(fs::is_fifo(fifo)) << "the settings file replaced the pipe";
}

// /dev/stdin and <(command) are pipes: they have no size until read.
TEST_F(OddFiles, AChannelListThroughAPipeIsReadToItsEnd) {
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    const std::string text = "Location,Name,Frequency\n5,PIPE,446.00625\n";
    std::thread writer([&] {
        // Slowly, as a command would.
        for (const char c : text) {
            EXPECT_EQ(::write(ends[1], &c, 1), 1);
            std::this_thread::sleep_for(1ms);
        }
        ::close(ends[1]);
    });
    Image image = NewImage();
    const CsvImportResult imported =
        ImportChannelsCsvFile("/dev/fd/" + std::to_string(ends[0]), image);
    writer.join();
    ::close(ends[0]);
    EXPECT_TRUE(imported.ok) << imported.message;
    EXPECT_EQ(imported.channels, 1);
}

TEST_F(OddFiles, AChannelListThroughAPipeStopsAtTheLimit) {
    std::signal(SIGPIPE, SIG_IGN); // the writer is left with nobody to read the rest
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    std::thread writer([&] {
        const std::string row = "1,X,446.00625\n";
        std::string block = "Location,Name,Frequency\n";
        while (block.size() < 64 * 1024)
            block += row;
        for (std::size_t sent = 0; sent < 4 * kMaxChannelCsvSize; sent += block.size())
            if (::write(ends[1], block.data(), block.size()) < 0)
                break;
        ::close(ends[1]);
    });
    Image image = NewImage();
    const Image before = image;
    const CsvImportResult imported =
        ImportChannelsCsvFile("/dev/fd/" + std::to_string(ends[0]), image);
    ::close(ends[0]);
    writer.join();
    EXPECT_FALSE(imported.ok);
    EXPECT_TRUE(Has(imported.message, "a channel list is at most")) << imported.message;
    EXPECT_TRUE(image == before);
}

TEST_F(OddFiles, AChannelListFromANamedPipeNobodyWritesToDoesNotHang) {
    const std::string fifo = Fifo("list.csv");
    Image image = NewImage();
    const Image before = image;
    FifoRescue rescue(fifo, 3s);
    const CsvImportResult imported = ImportChannelsCsvFile(fifo, image);
    EXPECT_FALSE(rescue.rescued) << "the import waited in open() for a writer";
    EXPECT_FALSE(imported.ok);
    EXPECT_TRUE(image == before);
}

TEST_F(OddFiles, AChannelListMayNotBeADevice) {
    Image image = NewImage();
    const CsvImportResult imported = ImportChannelsCsvFile("/dev/zero", image);
    EXPECT_FALSE(imported.ok);
    EXPECT_TRUE(Has(imported.message, "\"/dev/zero\": a device, not a file")) << imported.message;
}

} // namespace
} // namespace dpmr
