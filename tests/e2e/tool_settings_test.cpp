// dpmr-tool dump, apply, get, set, diff and fields on real files: a refused document leaves
// the file byte for byte and says in one line where and what; diff names exactly what differs;
// docs/fields.md is what `fields` prints.

#include "link_test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace dpmr::test {
namespace {

struct Hostile {
    const char *name;
    std::string document;
    std::string error; // the part of the one-line message that names line and field
};

std::vector<Hostile> HostileDocuments() {
    return {
        {"wrong_type_float", "[scan]\nstop_time = 3.5\n", "line 2, scan.stop_time: expected"},
        {"wrong_type_array", "[alarm]\n\ncycle = [1, 2]\n", "line 3, alarm.cycle: expected"},
        {"text_for_a_check", "[dpmr.encrypt]\nencrypt = \"maybe\"\n",
         "line 2, dpmr.encrypt.encrypt: \"maybe\": not true or false"},
        {"duplicate_key", "[scan]\nstop_time = \"3.0\"\nstop_time = \"4.0\"\n", "line 3:"},
        {"field_twice", "scan.stop_time = \"3.0\"\n[scan]\nstop_time = \"2.0\"\n", "line 2:"},
        {"megabyte_string", "[dpmr.basic]\nradio_name = \"" + std::string(1 << 20, 'x') + "\"\n",
         "line 2, dpmr.basic.radio_name: \"xxxx"},
        {"channel_0", "[channel.0]\nrx_freq = \"430.000000\"\n",
         "line 2, channel.0.rx_freq: no channel by that number (1..199)"},
        {"channel_200", "[channel.200]\nrx_freq = \"430.000000\"\n",
         "line 2, channel.200.rx_freq: no channel by that number (1..199)"},
        {"deleted_contact",
         "[dpmr.contacts.1]\nname = \"Alpha\"\n[channel.1]\n"
         "rx_freq = \"430.000000\"\ncontact = \"Name 1\"\n",
         "line 5, channel.1.contact: \"Name 1\": no such choice"},
        {"contact_name_too_long", "[dpmr.contacts.1]\nname = \"Dispatcher\"\n",
         "line 2, dpmr.contacts.1.name: \"Dispatcher\": longer than 8 characters"},
        {"unknown_section", "[nowhere]\nx = \"1\"\n", "line 2, nowhere.x: unknown section"},
        {"unknown_field", "[alarm]\nloudness = \"9\"\n", "line 2, alarm.loudness: unknown field"},
        {"choice_not_offered", "[vfo]\nbandwidth = \"Medium\"\n",
         "line 2, vfo.bandwidth: \"Medium\": no such choice"},
        {"not_a_number", "[alarm]\nalarm_time = \"ten\"\n",
         "line 2, alarm.alarm_time: \"ten\": not a number"},
        {"group_member_not_a_group_call",
         "[dpmr.contacts.1]\nname = \"Solo\"\ntype = \"Single call\"\n"
         "[dpmr.group_rx.1]\nmember_1 = \"Solo\"\n",
         "line 5, dpmr.group_rx.1.member_1: \"Solo\": no group-call contact by that name"},
        {"contact_rows_with_a_gap",
         "[dpmr.contacts.1]\nname = \"A\"\n[dpmr.contacts.3]\nname = \"B\"\n",
         "dpmr.contacts.3.name: rows must run"},
    };
}

class ToolSettingsHostile : public ::testing::TestWithParam<Hostile> {};

TEST_P(ToolSettingsHostile, OneLineErrorAndTheFileUnchanged) {
    TempDir dir;
    const std::string plug = dir.File("plug.dat"), changes = dir.File("changes.toml");
    ASSERT_EQ(RunTool({"new", plug}).exitCode, 0);
    const auto before = ReadFileBytes(plug);
    std::ofstream(changes, std::ios::binary) << GetParam().document;
    const ToolRun run = RunTool({"apply", plug, changes});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.starts_with("dpmr-tool: " + changes + ": ")) << run.err;
    EXPECT_NE(run.err.find(GetParam().error), std::string::npos) << run.err;
    EXPECT_TRUE(run.err.ends_with("; " + plug + " unchanged\n")) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_LT(run.err.size(), 400u);
    EXPECT_EQ(ReadFileBytes(plug), before);
}

INSTANTIATE_TEST_SUITE_P(Documents, ToolSettingsHostile, ::testing::ValuesIn(HostileDocuments()),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(ToolSettings, SetThenGetThenDiffNamesExactlyThatField) {
    TempDir dir;
    const std::string a = dir.File("a.dat"), b = dir.File("b.dat");
    ASSERT_EQ(RunTool({"new", a}).exitCode, 0);
    ASSERT_EQ(RunTool({"new", b}).exitCode, 0);
    EXPECT_EQ(RunTool({"diff", a, b}).exitCode, 0);

    ToolRun run = RunTool({"set", b, "alarm.alarm_time=20"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    run = RunTool({"diff", a, b});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "alarm.alarm_time: \"10\" -> \"20\"\n");

    // A channel comes into use; its settings read back as the editor shows them.
    run = RunTool({"set", b, "channel.5.rx_freq=438.5", "channel.5.alias=Repeater"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    run = RunTool({"get", b, "channel.5.rx_freq", "channel.5.alias"});
    EXPECT_EQ(run.out, "channel.5.rx_freq=438.500000\nchannel.5.alias=Repeater\n");
    EXPECT_EQ(RunTool({"get", b, "alarm.alarm_time"}).out, "20\n");
    EXPECT_EQ(RunTool({"get", a, "channel.5.rx_freq"}).exitCode, 1);

    // One row of a list changes in place: the other contacts stay.
    ASSERT_EQ(RunTool({"set", b, "dpmr.contacts.2.name=Team"}).exitCode, 0);
    ASSERT_EQ(RunTool({"set", b, "dpmr.contacts.1.name=Boss"}).exitCode, 0);
    EXPECT_EQ(RunTool({"get", b, "dpmr.contacts.1.name", "dpmr.contacts.2.name"}).out,
              "dpmr.contacts.1.name=Boss\ndpmr.contacts.2.name=Team\n");
}

TEST(ToolSettings, SetRefusesAllWhenOneIsRefused) {
    TempDir dir;
    const std::string plug = dir.File("plug.dat");
    ASSERT_EQ(RunTool({"new", plug}).exitCode, 0);
    const auto before = ReadFileBytes(plug);
    ToolRun run = RunTool({"set", plug, "alarm.alarm_time=20", "alarm.alarm_time=30"});
    EXPECT_EQ(run.err,
              "dpmr-tool: argument 2, alarm.alarm_time: given twice; " + plug + " unchanged\n");
    run = RunTool({"set", plug, "alarm.alarm_time=20", "vfo.bandwidth=Medium"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(ReadFileBytes(plug), before);
}

TEST(ToolSettings, DumpAppliedOntoACopyChangesNoByteAndASectionDumpsAlone) {
    TempDir dir;
    const std::string plug = dir.File("plug.dat"), copy = dir.File("copy.dat");
    ASSERT_EQ(RunTool({"new", plug}).exitCode, 0);
    ASSERT_EQ(
        RunTool({"set", plug, "channel.7.rx_freq=445.0", "dpmr.messages.1.text=Hello"}).exitCode,
        0);
    const ToolRun dump = RunTool({"dump", plug});
    ASSERT_EQ(dump.exitCode, 0) << dump.err;
    std::ofstream(dir.File("all.toml")) << dump.out;
    std::ofstream(copy, std::ios::binary) << std::ifstream(plug, std::ios::binary).rdbuf();
    ToolRun applied = RunTool({"apply", copy, dir.File("all.toml")});
    ASSERT_EQ(applied.exitCode, 0) << applied.err;
    EXPECT_EQ(ReadFileBytes(copy), ReadFileBytes(plug));
    // Onto a new code plug every setting arrives (bytes no field shows may differ).
    ASSERT_EQ(RunTool({"new", copy}).exitCode, 0);
    applied = RunTool({"apply", copy, dir.File("all.toml")});
    ASSERT_EQ(applied.exitCode, 0) << applied.err;
    EXPECT_EQ(RunTool({"diff", plug, copy}).out, "");

    const ToolRun section = RunTool({"dump", plug, "--section", "channel"});
    EXPECT_TRUE(section.out.starts_with("[channel.7]\nrx_freq = \"445.000000\"")) << section.out;
    EXPECT_EQ(section.out.find("[alarm]"), std::string::npos);
}

TEST(ToolSettings, ChecksAreSetAndReadAsDumpWritesThem) {
    TempDir dir;
    const std::string plug = dir.File("plug.dat");
    ASSERT_EQ(RunTool({"new", plug}).exitCode, 0);
    ASSERT_EQ(RunTool({"set", plug, "channel.5.rx_freq=438.5"}).exitCode, 0);
    EXPECT_EQ(RunTool({"get", plug, "channel.5.scan"}).out, "true\n");
    const ToolRun off = RunTool({"set", plug, "channel.5.scan=false"});
    ASSERT_EQ(off.exitCode, 0) << off.err;
    EXPECT_EQ(RunTool({"get", plug, "channel.5.scan"}).out, "false\n");
    EXPECT_NE(RunTool({"dump", plug, "--section", "channel.5"}).out.find("\nscan = false\n"),
              std::string::npos);
}

TEST(ToolSettings, ADocumentOverTheSizeLimitIsRefusedAndTheFileKept) {
    TempDir dir;
    const std::string plug = dir.File("plug.dat"), big = dir.File("big.toml");
    ASSERT_EQ(RunTool({"new", plug}).exitCode, 0);
    const auto before = ReadFileBytes(plug);
    std::ofstream(big, std::ios::binary) << "[alarm]\n# " << std::string(5 << 20, 'x') << "\n";
    const ToolRun run = RunTool({"apply", plug, big});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("larger than 4194304 bytes"), std::string::npos) << run.err;
    EXPECT_EQ(ReadFileBytes(plug), before);
}

TEST(ToolSettings, DocsFieldsIsWhatFieldsPrints) {
    std::ifstream doc(DPMR_FIELDS_DOC);
    std::ostringstream text;
    text << doc.rdbuf();
    const ToolRun run = RunTool({"fields"});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(text.str(), run.out) << "run: build/bin/dpmr-tool fields > docs/fields.md";
}

} // namespace
} // namespace dpmr::test
