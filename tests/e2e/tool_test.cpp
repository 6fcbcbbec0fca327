// dpmr-tool as a dealer runs it: read, write with verify, new, info, ports; one line on stderr
// and a non-zero exit for every failure; FILE written only after a completed read.

#include "link_test_support.h"

#include "core/image/bcd.h"
#include "core/link/link_protocol.h"
#include "core/link/port_names.h"

#include <gtest/gtest.h>

#include <fstream>

#include <algorithm>
#include <csignal>
#include <cstdio>

namespace dpmr::test {
namespace {

int Lines(const std::string &text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

bool Has(const std::string &text, const std::string &part) {
    return text.find(part) != std::string::npos;
}

class Tool : public ::testing::Test {
protected:
    void StartRadio(std::vector<std::string> args) {
        SaveImage(dir.File("radio.dat"), radioMemory);
        args.insert(args.end(), {"--load", dir.File("radio.dat"), "--save", dir.File("saved.dat"),
                                 "--wake-delay", "30"});
        std::string error;
        ASSERT_TRUE(radio.Start(DPMR_SIM_PATH, args, error)) << error;
    }

    TempDir dir;
    sim::SimProcess radio;
    const Image radioMemory = RandomImage(31);
};

TEST_F(Tool, ReadWriteAndVerifyRoundTrip) {
    StartRadio({"--quiet"});
    const std::string file = dir.File("plug.dat");
    ToolRun run =
        RunTool({"read", "--port", radio.Path(), "--backup-folder", dir.File("backups"), file});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err.rfind("dpmr-tool: backup " + dir.File("backups/"), 0), 0u) << run.err;
    EXPECT_EQ(Lines(run.err), 1) << "no progress when stdout is no terminal: " << run.err;
    EXPECT_EQ(run.out, radio.Path() + ": read into " + file + "\n");
    const Image read = LoadImage(file);
    EXPECT_TRUE(SameRange(read, radioMemory, kLinkFirst, kLinkEnd));
    EXPECT_EQ(read[0], 0x01) << "a new file takes a new code plug's file-only bytes";

    Image changed = read;
    changed[0x2300] ^= 0x5A;
    changed[0x3FFF] ^= 0xA5;
    SaveImage(file, changed);
    run = RunTool({"write", "--port", radio.Path(), "--verify", file});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_TRUE(WaitForFile(dir.File("saved.dat"), kImageSize));
    EXPECT_TRUE(SameRange(LoadImage(dir.File("saved.dat")), changed, kLinkFirst, kLinkEnd));
}

TEST_F(Tool, ReadIntoAnExistingFileKeepsItsFileOnlyBytes) {
    StartRadio({"--quiet"});
    const std::string file = dir.File("plug.dat");
    Image old = RandomImage(32);
    SaveImage(file, old);
    ASSERT_EQ(RunTool({"read", "--port", radio.Path(), file}).exitCode, 0);
    const Image read = LoadImage(file);
    EXPECT_TRUE(SameRange(read, old, 0, kLinkFirst));
    EXPECT_TRUE(SameRange(read, radioMemory, kLinkFirst, kLinkEnd));
}

TEST_F(Tool, FailedReadLeavesTheFileAsItWas) {
    StartRadio({"--quiet", "--fault", "no-ack:100"});
    const std::string file = dir.File("plug.dat");
    const Image old = RandomImage(33);
    SaveImage(file, old);
    ToolRun run = RunTool({"read", "--port", radio.Path(), file});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(Lines(run.err), 1) << run.err;
    EXPECT_TRUE(Has(run.err, radio.Path()) && Has(run.err, "Communication error") &&
                Has(run.err, "block 100 of 504"))
        << run.err;
    EXPECT_EQ(LoadImage(file), old);

    // A file that was not there is not made, and nothing is left behind.
    run = RunTool({"read", "--port", radio.Path(), dir.File("new.dat")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"plug.dat", "radio.dat"}));
}

TEST_F(Tool, ReadRefusesToReplaceAFileThatIsNoCodePlug) {
    StartRadio({"--quiet"});
    const std::string notes = dir.File("notes.txt");
    { std::ofstream(notes) << "not a code plug"; }
    const ToolRun run = RunTool({"read", "--port", radio.Path(), notes});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(Has(run.err, notes) && Has(run.err, "16384")) << run.err;
    std::ifstream in(notes);
    std::string text;
    std::getline(in, text);
    EXPECT_EQ(text, "not a code plug");
}

TEST_F(Tool, VerifyNamesTheFirstBlockThatDiffers) {
    StartRadio({"--quiet", "--fault", "ignore-write:37"});
    const std::string file = dir.File("plug.dat");
    SaveImage(file, RandomImage(34));
    const ToolRun run = RunTool({"write", "--verify", "--port", radio.Path(), "--backup-folder",
                                 dir.File("backups"), file});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(Lines(run.err), 2) << "the backup and the failure: " << run.err;
    EXPECT_TRUE(Has(run.err, "verify failed: block 37 (0x0580)")) << run.err;
}

// The radio keeps nothing of block 37, and its read-back reply for that block stops after 16
// bytes, just where the block differs: bytes that never came back must not pass for bytes
// that match.
TEST_F(Tool, VerifyFailsWhenABlockComesBackShort) {
    StartRadio({"--quiet", "--fault", "ignore-write:37", "--fault", "short:37"});
    const std::string file = dir.File("plug.dat");
    Image image = radioMemory;
    for (std::size_t i = 16; i < kLinkBlockSize; ++i)
        image[BlockAddress(37) + i] ^= 0xFF;
    SaveImage(file, image);
    const ToolRun run = RunTool({"write", "--verify", "--port", radio.Path(), "--backup-folder",
                                 dir.File("backups"), file});
    EXPECT_EQ(run.exitCode, 1) << run.out;
    EXPECT_TRUE(Has(run.err, "verify failed: block 37 (0x0580) came back with 16 of 32 bytes"))
        << run.err;
}

// A radio without band limits reads back with those of its identification; verify allows it.
TEST_F(Tool, VerifyOfAFileWithoutBandLimits) {
    StartRadio({"--quiet", "--band", "350-390"});
    const std::string file = dir.File("plug.dat");
    Image image = RandomImage(35);
    std::fill(image.data() + kBandLowLimit, image.data() + kBandLowLimit + 8, 0xFF);
    SaveImage(file, image);
    const ToolRun run = RunTool({"write", "--verify", "--port", radio.Path(), file});
    EXPECT_EQ(run.exitCode, 0) << run.err;
}

TEST_F(Tool, FailuresNameThePortOrFileInOneLine) {
    struct Case {
        std::vector<std::string> args;
        std::string named;
        std::string reason;
    };
    const std::string missing = dir.File("missing.dat");
    const std::string tty = dir.File("ttyUSB9");
    const std::vector<Case> cases = {
        {{"read", "--port", tty, dir.File("x.dat")}, tty, "Cound not open the port"},
        {{"write", "--port", tty, missing}, missing, "Cannot open"},
        {{"info", missing}, missing, "Cannot open"},
        {{"new", dir.File("no-folder/x.dat")}, dir.File("no-folder/x.dat"), "Cannot save"},
        {{"read", "--port", tty, dir.File("no-folder/x.dat")},
         dir.File("no-folder/x.dat"),
         "cannot write in"},
    };
    for (const auto &c : cases) {
        const ToolRun run = RunTool(c.args);
        EXPECT_EQ(run.exitCode, 1) << c.args[0];
        EXPECT_EQ(Lines(run.err), 1) << run.err;
        EXPECT_TRUE(Has(run.err, c.named) && Has(run.err, c.reason)) << run.err;
    }
}

TEST_F(Tool, UsageErrorsExitWithTwo) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"frobnicate"},
        {"read", dir.File("x.dat")},
        {"write", "--port", "COM1"},
        {"new"},
        {"new", dir.File("x.dat"), "--band", "100-200"},
        {"info", dir.File("a.dat"), dir.File("b.dat")},
        {"read", "--port", "COM1", "--verify", dir.File("x.dat")},
        {"ports", "--bogus"},
    };
    for (const auto &args : cases) {
        const ToolRun run = RunTool(args);
        EXPECT_EQ(run.exitCode, 2) << (args.empty() ? "" : args[0]);
        EXPECT_TRUE(Has(run.err, "usage:")) << run.err;
    }
    EXPECT_EQ(RunTool({"--help"}).exitCode, 0);
    EXPECT_TRUE(dir.Names().empty());
}

// The bytes a new code plug saved at once holds.
TEST_F(Tool, NewIsNewThenSave) {
    const std::string file = dir.File("new.dat");
    ASSERT_EQ(RunTool({"new", file}).exitCode, 0);
    ASSERT_EQ(ReadFileBytes(file).size(), kImageSize);
    const Image image = LoadImage(file);
    EXPECT_EQ(Bytes({image[0], image[1], image[2], image[3]}), Bytes({1, 0, 0, 0}));
    for (int n = 1; n <= kChannelCount; ++n) {
        const std::size_t b =
            kChannelRecords + kChannelRecordSize * static_cast<std::size_t>(n - 1);
        ASSERT_EQ(std::vector<std::uint8_t>(image.data() + b, image.data() + b + 24),
                  Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                         0x00, 0x00, 0x06, 0x00, 0xC1, 0x00, 0x41, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}))
            << "channel " << n << " is the canonical empty record";
    }
    EXPECT_EQ(ReadFrequency(image, kVfoTxFreq), 40000000u);
    EXPECT_EQ(image[kVfoRxFreq + 3], 0xFF);
    for (std::size_t i = 0; i < kChannelBitmapSize; ++i) {
        EXPECT_EQ(image[kScanBitmap + i], 0x00);
        EXPECT_EQ(image[kValidBitmap + i], 0x00);
    }
    for (int m = 0; m < kMessageCount; ++m)
        EXPECT_EQ(image[kMessageRecords + kMessageRecordSize * static_cast<std::size_t>(m) + 127],
                  0x7F);
    EXPECT_EQ(
        std::vector<std::uint8_t>(image.data() + kBandLowLimit, image.data() + kBandLowLimit + 8),
        Bytes({0x00, 0x00, 0x00, 0x40, 0x00, 0x00, 0x00, 0x47}));
    EXPECT_EQ(image[kFirstValidChannel], 0xFF);
    EXPECT_EQ(image[kAlwaysZero], 0x00);
}

TEST_F(Tool, NewWithABandAndInfo) {
    const std::string file = dir.File("vhf.dat");
    ASSERT_EQ(RunTool({"new", file, "--band", "136-174"}).exitCode, 0);
    Image image = LoadImage(file);
    EXPECT_EQ(
        std::vector<std::uint8_t>(image.data() + kBandLowLimit, image.data() + kBandLowLimit + 8),
        Bytes({0x00, 0x00, 0x60, 0x13, 0x00, 0x00, 0x40, 0x17}));
    EXPECT_EQ(ReadFrequency(image, kVfoTxFreq), 13600000u);

    ToolRun run = RunTool({"info", file});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(Has(run.out, "Band:      136-174 MHz")) << run.out;
    EXPECT_TRUE(Has(run.out, "Channels:  0 in use of 199")) << run.out;
    EXPECT_TRUE(Has(run.out, "Contacts:  1 of 64")) << run.out;
    EXPECT_TRUE(Has(run.out, "Messages:  0 of 16")) << run.out;
    EXPECT_TRUE(Has(run.out, "Keys:      0 of 16, encryption off")) << run.out;

    // Channels 1 and 199 in use, a second contact, two messages, three keys.
    WriteFrequency(image, kChannelRecords, 14600000);
    WriteFrequency(image, kChannelRecords + kChannelRecordSize * 198, 14700000);
    image.SetU16le(kContactIndex + 2, 0x1690);
    image.SetU16le(kMessageIndex, 0x1A80);
    image.SetU16le(kMessageIndex + 2, 0x1B00);
    image.SetU16le(kKeyPresentBitmap, 0x0007);
    image[kEncryption] = 1;
    SaveImage(file, image);
    run = RunTool({"info", file});
    EXPECT_TRUE(Has(run.out, "Channels:  2 in use of 199")) << run.out;
    EXPECT_TRUE(Has(run.out, "Contacts:  2 of 64")) << run.out;
    EXPECT_TRUE(Has(run.out, "Messages:  2 of 16")) << run.out;
    EXPECT_TRUE(Has(run.out, "Keys:      3 of 16, encryption on")) << run.out;
}

TEST_F(Tool, TraceShowsEveryByteWithATime) {
    StartRadio({"--quiet"});
    const ToolRun run = RunTool({"--trace", "read", "--port", radio.Path(), dir.File("p.dat")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(Has(run.err, " > 02\n")) << run.err.substr(0, 400);
    EXPECT_TRUE(Has(run.err, " < 41\n"));
    EXPECT_TRUE(Has(run.err, " > 52 3F E0 20\n"));
    EXPECT_TRUE(Has(run.err, " > 45 4E 44 52\n"));
    EXPECT_EQ(run.err.compare(0, 6, "   0.0"), 0) << "seconds since the start";
}

// Ctrl-C finishes the block under way and tells the radio "ENDW", then stops.
TEST_F(Tool, InterruptCancelsAfterTheCurrentBlock) {
    StartRadio({"--quiet", "--pace"});
    const std::string file = dir.File("p.dat");
    ToolProcess tool;
    ASSERT_TRUE(tool.Start({"--trace", "read", "--port", radio.Path(), file}));
    ASSERT_TRUE(tool.WaitForErr("> 52 01 40 20", 10000));
    tool.Signal(SIGINT);
    const ToolRun run = tool.Finish();
    EXPECT_EQ(run.exitCode, 130);
    EXPECT_TRUE(Has(run.err, "> 45 4E 44 57\n")) << run.err.substr(run.err.size() - 300);
    EXPECT_FALSE(Has(run.err, "> 45 4E 44 52\n"));
    EXPECT_TRUE(Has(run.err, "cancelled"));
    EXPECT_FALSE(Has(run.err, "> 52 3F E0 20")) << "stopped long before the end";
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"radio.dat"}));
}

TEST_F(Tool, PortsListsComNumbers) {
    const ToolRun run = RunTool({"ports"});
    EXPECT_EQ(run.exitCode, 0);
    const auto devices = ListSerialDevices();
    EXPECT_EQ(Lines(run.out), static_cast<int>(devices.size()));
    for (const auto &device : devices) {
        char line[300];
        std::snprintf(line, sizeof line, "COM%-3d %s\n", device.number, device.path.c_str());
        EXPECT_TRUE(Has(run.out, line)) << run.out;
    }
}

} // namespace
} // namespace dpmr::test
