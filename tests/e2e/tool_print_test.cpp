// dpmr-tool print-plan: the channel plan as a PDF that poppler's pdfinfo and pdftotext read,
// or as HTML; a refused input or output names the file and writes nothing.

#include "link_test_support.h"

#include "core/channels/channel_record.h"
#include "core/image/factory_defaults.h"
#include "core/image/frequency.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <regex>
#include <sstream>
#include <sys/stat.h>

namespace dpmr::test {
namespace {

// Channel n on 400.0125 + n x 12.5 kHz, named "Site n".
Image FullImage() {
    Image image;
    WriteFactoryDefaults(image, {});
    for (int n = 1; n <= kChannelCount; ++n) {
        ChannelRecord record = ReadChannel(image, n);
        record.rxFreq = 40001250u + 1250u * static_cast<unsigned>(n);
        record.txFreq = *record.rxFreq + 500000u;
        WriteChannel(image, n, record);
        WriteAlias(image, n, "Site " + std::to_string(n));
    }
    return image;
}

// A command's standard output; empty when it failed to run or exited non-zero.
std::string Output(const std::string &command) {
    FILE *pipe = popen((command + " 2>/dev/null").c_str(), "r");
    if (!pipe)
        return {};
    std::string out;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    return pclose(pipe) == 0 ? out : std::string();
}

int Count(const std::string &text, const std::string &part) {
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

bool Exists(const std::string &path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0;
}

class PrintPlan : public ::testing::TestWithParam<std::pair<std::string, int>> {};

TEST_P(PrintPlan, PdfHoldsEveryChannelOncePerPaper) {
    const auto &[paper, pages] = GetParam();
    TempDir dir;
    SaveImage(dir.File("fleet.dat"), FullImage());
    const std::string pdf = dir.File("fleet.pdf");
    const ToolRun run = RunTool({"print-plan", dir.File("fleet.dat"), pdf, "--paper", paper});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");

    const std::string info = Output("pdfinfo '" + pdf + "'");
    ASSERT_FALSE(info.empty()) << "pdfinfo refused " << pdf << " (is poppler-utils installed?)";
    EXPECT_TRUE(std::regex_search(info, std::regex("Pages:\\s+" + std::to_string(pages) + "\n")))
        << info;
    EXPECT_NE(info.find("Channel plan, 199 channels - fleet.dat"), std::string::npos) << info;
    const std::string text = Output("pdftotext '" + pdf + "' -");
    for (int n = 1; n <= kChannelCount; ++n) {
        EXPECT_EQ(Count(text, FrequencyText(40001250 + 1250 * n)), 1) << n;
        EXPECT_EQ(Count(text, FrequencyText(40501250 + 1250 * n)), 1) << n;
    }
    EXPECT_EQ(Count(text, "Rx MHz"), pages) << "the column headers repeat on every page";
    EXPECT_EQ(Count(text, "fleet.dat"), pages);
    EXPECT_EQ(Count(text, "page " + std::to_string(pages) + " of " + std::to_string(pages)), 1);
}

INSTANTIATE_TEST_SUITE_P(Paper, PrintPlan,
                         ::testing::Values(std::pair<std::string, int>{"a4", 5},
                                           std::pair<std::string, int>{"letter", 5}),
                         [](const auto &info) { return info.param.first; });

TEST(PrintPlanTool, SettingsSheetAndHtml) {
    TempDir dir;
    SaveImage(dir.File("fleet.dat"), FullImage());
    ASSERT_EQ(
        RunTool({"print-plan", dir.File("fleet.dat"), dir.File("all.pdf"), "--settings"}).exitCode,
        0);
    const std::string text = Output("pdftotext '" + dir.File("all.pdf") + "' -");
    EXPECT_NE(text.find("dpmr.basic"), std::string::npos);
    EXPECT_NE(text.find("radio_name"), std::string::npos);

    const ToolRun run =
        RunTool({"print-plan", dir.File("fleet.dat"), dir.File("plan.html"), "--html"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::ostringstream html;
    html << std::ifstream(dir.File("plan.html")).rdbuf();
    EXPECT_EQ(html.str().rfind("<!DOCTYPE html>", 0), 0u);
    for (int n = 1; n <= kChannelCount; ++n)
        EXPECT_EQ(Count(html.str(), ">" + FrequencyText(40001250 + 1250 * n) + "<"), 1) << n;
}

TEST(PrintPlanTool, RefusalsNameTheFileAndWriteNothing) {
    TempDir dir;
    std::ofstream(dir.File("short.dat")) << "not a code plug";
    ToolRun run = RunTool({"print-plan", dir.File("short.dat"), dir.File("out.pdf")});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.err.find(dir.File("short.dat")), std::string::npos) << run.err;
    EXPECT_FALSE(Exists(dir.File("out.pdf")));

    SaveImage(dir.File("fleet.dat"), FullImage());
    const std::string unwritable = dir.File("no/such/folder/out.pdf");
    run = RunTool({"print-plan", dir.File("fleet.dat"), unwritable});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.err.find(unwritable), std::string::npos) << run.err;

    run = RunTool({"print-plan", dir.File("fleet.dat"), dir.File("out.pdf"), "--paper", "a3"});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_FALSE(Exists(dir.File("out.pdf")));
}

} // namespace
} // namespace dpmr::test
