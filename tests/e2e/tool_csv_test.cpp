// dpmr-tool export-csv and import-csv on real files: a list goes out and comes back into
// another code plug; a bad list changes no byte of the code plug and names file, line, column.

#include "link_test_support.h"

#include "core/channels/channel_record.h"

#include <gtest/gtest.h>

#include <fstream>

namespace dpmr::test {
namespace {

TEST(ToolCsv, ExportThenImportIntoANewCodePlug) {
    TempDir dir;
    const std::string source = dir.File("source.dat"), target = dir.File("target.dat"),
                      csv = dir.File("list.csv");
    ASSERT_EQ(RunTool({"new", source, "--band", "136-174"}).exitCode, 0);
    std::ofstream(dir.File("in.csv")) << "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq\n"
                                         "3,Repeater,145.6,-,0.6,Tone,88.5\n"
                                         "9,Simplex,145.5,,,,\n";
    ToolRun run = RunTool({"import-csv", source, dir.File("in.csv")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "2 channels from " + dir.File("in.csv") + " into " + source + "\n");

    ASSERT_EQ(RunTool({"export-csv", source, csv}).exitCode, 0);
    ASSERT_EQ(RunTool({"new", target, "--band", "136-174"}).exitCode, 0);
    run = RunTool({"import-csv", target, csv});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const Image image = LoadImage(target);
    EXPECT_EQ(ReadAlias(image, 3), "Repeater");
    EXPECT_EQ(ReadChannel(image, 3).txFreq, 14500000u);
    EXPECT_EQ(ToneText(ReadChannel(image, 3).txTone), "88.5");
    EXPECT_EQ(ReadChannel(image, 9).rxFreq, 14550000u);
}

TEST(ToolCsv, ABadListLeavesTheCodePlugAsItWas) {
    TempDir dir;
    const std::string plug = dir.File("plug.dat");
    ASSERT_EQ(RunTool({"new", plug, "--band", "136-174"}).exitCode, 0);
    const auto before = ReadFileBytes(plug);
    std::ofstream(dir.File("bad.csv")) << "Location,Frequency\n1,145.5\n2,433.5\n";
    const ToolRun run = RunTool({"import-csv", plug, dir.File("bad.csv")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "dpmr-tool: Cannot import \"" + dir.File("bad.csv") +
                           "\": line 3, column 2 (Frequency): 433.5 MHz is outside the band "
                           "136.000000-174.000000 MHz; " +
                           plug + " unchanged\n");
    EXPECT_EQ(ReadFileBytes(plug), before);
}

} // namespace
} // namespace dpmr::test
