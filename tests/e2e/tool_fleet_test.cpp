// dpmr-tool programming a fleet: one link per port at once, one result line per port, a
// failing radio reported without stopping or spoiling the others, and a backup before any
// write (no backup, no write).

#include "link_test_support.h"

#include "core/link/link_protocol.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <unistd.h>

namespace dpmr::test {
namespace {

bool Has(const std::string &text, const std::string &part) {
    return text.find(part) != std::string::npos;
}

int Lines(const std::string &text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

class Fleet : public ::testing::Test {
protected:
    // Radio i saves its memory to saved<i>.dat after a write; `faults[i]` is its fault, if any.
    void StartRadios(const std::vector<std::string> &faults) {
        for (std::size_t i = 0; i < faults.size(); ++i) {
            std::vector<std::string> args{"--quiet", "--wake-delay", "30", "--save", Saved(i)};
            if (!faults[i].empty())
                args.insert(args.end(), {"--fault", faults[i]});
            radios.push_back(std::make_unique<sim::SimProcess>());
            std::string error;
            ASSERT_TRUE(radios.back()->Start(DPMR_SIM_PATH, args, error)) << error;
        }
    }
    std::string Saved(std::size_t i) const {
        return dir.File("saved" + std::to_string(i) + ".dat");
    }
    std::vector<std::string> PortArgs() const {
        std::vector<std::string> args;
        for (const auto &radio : radios)
            args.insert(args.end(), {"--port", radio->Path()});
        return args;
    }

    std::vector<std::string> BackupNames() const {
        std::vector<std::string> names;
        for (const auto &entry : std::filesystem::directory_iterator(dir.File("backups")))
            names.push_back(entry.path().filename().string());
        return names;
    }

    TempDir dir;
    std::vector<std::unique_ptr<sim::SimProcess>> radios;
};

class FleetWithABadRadio : public Fleet, public ::testing::WithParamInterface<const char *> {};

TEST_P(FleetWithABadRadio, TheGoodRadiosAreWrittenAndVerifiedAndTheBadOneNamed) {
    StartRadios({"", "", GetParam(), ""});
    const std::string file = dir.File("fleet.dat");
    const Image image = RandomImage(41);
    SaveImage(file, image);
    std::vector<std::string> args{"write", "--verify", "--backup-folder", dir.File("backups")};
    const auto ports = PortArgs();
    args.insert(args.end(), ports.begin(), ports.end());
    args.push_back(file);
    const ToolRun run = RunTool(args);

    EXPECT_EQ(run.exitCode, 1);
    for (std::size_t i : {0u, 1u, 3u}) {
        EXPECT_TRUE(Has(run.out, radios[i]->Path() + ": written and verified\n")) << run.out;
        ASSERT_TRUE(WaitForFile(Saved(i), kImageSize));
        EXPECT_TRUE(SameRange(LoadImage(Saved(i)), image, kLinkFirst, kLinkEnd)) << i;
    }
    EXPECT_TRUE(
        Has(run.out, "3 of 4 radios written and verified; failed: " + radios[2]->Path() + "\n"))
        << run.out;
    EXPECT_EQ(Lines(run.out), 4) << run.out;
    EXPECT_TRUE(Has(run.err, "dpmr-tool: " + radios[2]->Path() + ": ")) << run.err;
    EXPECT_EQ(Lines(run.err), 2) << "the backup and the bad radio: " << run.err;
    EXPECT_EQ(BackupNames().size(), 1u) << "one backup of what the whole fleet gets";
}

INSTANTIATE_TEST_SUITE_P(Faults, FleetWithABadRadio, ::testing::Values("hangup:200", "silent"),
                         [](const auto &info) { return NameOf(info.param); });

TEST_F(Fleet, ReadsIntoOneFilePerPortWithABackupEach) {
    StartRadios({"", ""});
    const ToolRun run =
        RunTool({"read", "--backup-folder", dir.File("backups"), "--port", radios[0]->Path(),
                 "--port", radios[1]->Path(), dir.File("a.dat"), dir.File("b.dat")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(Has(run.out, radios[0]->Path() + ": read into " + dir.File("a.dat") + "\n"));
    EXPECT_TRUE(Has(run.out, radios[1]->Path() + ": read into " + dir.File("b.dat") + "\n"));
    EXPECT_TRUE(Has(run.out, "2 of 2 radios read\n")) << run.out;
    const auto names = BackupNames();
    ASSERT_EQ(names.size(), 2u);
    for (const auto &name : names)
        EXPECT_TRUE(name.find("-read") != std::string::npos) << name;
    EXPECT_EQ(Lines(run.err), 2) << "one backup line per radio: " << run.err;
}

TEST_F(Fleet, APortGivenTwiceIsRefusedBeforeAnythingStarts) {
    StartRadios({""});
    const std::string file = dir.File("fleet.dat");
    SaveImage(file, RandomImage(42));
    // The same radio under two names: its terminal and a symbolic link to it.
    const std::string alias = dir.File("radio-link");
    ASSERT_EQ(::symlink(radios[0]->Path().c_str(), alias.c_str()), 0);
    const ToolRun run = RunTool({"write", "--port", radios[0]->Path(), "--port", alias, file});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(Has(run.err, "port " + alias + " is given twice")) << run.err;
    usleep(200 * 1000);
    EXPECT_EQ(::access(Saved(0).c_str(), F_OK), -1) << "the radio was written";
}

TEST_F(Fleet, AFailingBackupStopsTheWriteButNeverARead) {
    StartRadios({""});
    const std::string file = dir.File("fleet.dat");
    SaveImage(file, RandomImage(43));
    SaveImage(dir.File("DATA"), RandomImage(44)); // a file where the folder should be
    const std::string backups = dir.File("DATA/backups");
    ToolRun run = RunTool({"write", "--backup-folder", backups, "--port", radios[0]->Path(), file});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(Lines(run.err), 1) << run.err;
    EXPECT_TRUE(Has(run.err, dir.File("DATA")) && Has(run.err, "nothing written")) << run.err;
    EXPECT_EQ(run.out, "");
    usleep(200 * 1000);
    EXPECT_EQ(::access(Saved(0).c_str(), F_OK), -1) << "written without a backup";

    run = RunTool(
        {"read", "--backup-folder", backups, "--port", radios[0]->Path(), dir.File("read.dat")});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(Has(run.err, "warning: Cannot create the backup folder")) << run.err;
    EXPECT_EQ(LoadImage(dir.File("read.dat")).size(), kImageSize) << "the read is kept";
}

} // namespace
} // namespace dpmr::test
