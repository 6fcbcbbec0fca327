// dpmr-tool export-csv and import-csv on real files: a list goes out and comes back into
// another code plug; a bad list changes no byte of the code plug and names file, line, column.

#include "link_test_support.h"

#include "core/channels/channel_record.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

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
    EXPECT_EQ(run.out,
              dir.File("in.csv") + " into " + source + ": 2 channels imported, 0 rows skipped\n");

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

TEST(ToolCsv, ExportOfChosenChannels) {
    TempDir dir;
    const std::string plug = dir.File("plug.dat"), csv = dir.File("some.csv");
    ASSERT_EQ(RunTool({"new", plug, "--band", "136-174"}).exitCode, 0);
    std::ofstream(dir.File("in.csv")) << "Location,Frequency\n2,145.2\n3,145.3\n9,145.9\n";
    ASSERT_EQ(RunTool({"import-csv", plug, dir.File("in.csv")}).exitCode, 0);
    ToolRun run = RunTool({"export-csv", plug, csv, "--channels", "2-4,9"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::ifstream in(csv);
    std::string line;
    std::vector<std::string> starts;
    while (std::getline(in, line))
        starts.push_back(line.substr(0, line.find(',')));
    EXPECT_EQ(starts, (std::vector<std::string>{"Location", "2", "3", "4", "9"}));
    run = RunTool({"export-csv", plug, csv, "--channels", "5-3"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("as 1-10,15"), std::string::npos) << run.err;
}

TEST(ToolCsv, RowsThatDoNotFitAreListedOnStderrAndStrictRefusesThem) {
    TempDir dir;
    const std::string plug = dir.File("plug.dat"), csv = dir.File("mixed.csv");
    ASSERT_EQ(RunTool({"new", plug, "--band", "136-174"}).exitCode, 0);
    std::ofstream(csv) << "Location,Name,Frequency,Mode,Power\n"
                          "# two bands in one list\n"
                          "1,Two metre,145.5,FM,5.0W\n"
                          "2,Seventy,433.5,FM,5.0W\n"
                          "3,Digital,145.6,DMR,1.0W\n"
                          "4,Long name here,145.7,,50W\n";
    const auto before = ReadFileBytes(plug);
    ToolRun run = RunTool({"import-csv", "--strict", plug, csv});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "dpmr-tool: Cannot import \"" + csv +
                           "\": line 4, column 3 (Frequency): 433.500000 MHz is outside the band "
                           "136.000000-174.000000 MHz; " +
                           plug + " unchanged\n");
    EXPECT_EQ(ReadFileBytes(plug), before);

    run = RunTool({"import-csv", plug, csv});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, csv + " into " + plug + ": 2 channels imported, 2 rows skipped\n");
    EXPECT_EQ(run.err, csv +
                           ": line 4: skipped: 433.500000 MHz is outside the band "
                           "136.000000-174.000000 MHz\n" +
                           csv +
                           ": line 5: skipped: Mode \"DMR\" is not one this radio has (FM, "
                           "NFM, Auto, or DIG with a dPMR ChannelType)\n" +
                           csv +
                           ": line 6: note: Name cut to \"Long name he\" (at most 12 "
                           "characters)\n");
    const Image image = LoadImage(plug);
    EXPECT_EQ(ReadAlias(image, 4), "Long name he");
    EXPECT_TRUE(IsChannelEmpty(image, 2));
}

TEST(ToolCsv, MalformedTextLeavesTheCodePlugAsItWas) {
    TempDir dir;
    const std::string plug = dir.File("plug.dat");
    ASSERT_EQ(RunTool({"new", plug, "--band", "136-174"}).exitCode, 0);
    const auto before = ReadFileBytes(plug);
    const std::pair<std::string, std::string> cases[] = {
        {"Location,Frequency\n1,145.5\n2,145.x\n",
         "line 3, column 2 (Frequency): \"145.x\" is not a frequency in MHz"},
        {"Location,Frequency\n1,145.5\n1,145.6\n",
         "line 3, column 1 (Location): channel 1 is already on line 2"},
        {"Location,Frequency\n1,\"145.5\n", "line 2: a quoted field is not closed by the end"},
        {"Location,Frequency\n1,433.5\n",
         "no row fits this radio; line 2: 433.500000 MHz is outside the band "
         "136.000000-174.000000 MHz"},
    };
    for (const auto &[text, reason] : cases) {
        std::ofstream(dir.File("bad.csv"), std::ios::trunc) << text;
        const ToolRun run = RunTool({"import-csv", plug, dir.File("bad.csv")});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err, "dpmr-tool: Cannot import \"" + dir.File("bad.csv") + "\": " + reason +
                               "; " + plug + " unchanged\n");
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(ReadFileBytes(plug), before);
    }
}

} // namespace
} // namespace dpmr::test
