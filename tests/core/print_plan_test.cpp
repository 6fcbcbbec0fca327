// The channel plan and the settings sheet: what rows they hold, and how they go onto A4 and
// Letter pages (every channel once, nothing outside the margins, headers on every page).

#include "core_test_support.h"

#include "core/channels/channel_record.h"
#include "core/image/frequency.h"
#include "core/print/page_layout.h"
#include "core/print/pdf_writer.h"
#include "core/print/plan_html.h"
#include "core/print/text_metrics.h"
#include "core/settings_text/settings_apply.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace dpmr {
namespace {

using testing_support::NewImage;

// Channel n on 400.0125 + n x 12.5 kHz, transmitting 5 MHz higher, named "Site n".
Image FullImage() {
    Image image = NewImage();
    for (int n = 1; n <= kChannelCount; ++n) {
        ChannelRecord record = ReadChannel(image, n);
        record.rxFreq = 40001250u + 1250u * static_cast<unsigned>(n);
        record.txFreq = *record.rxFreq + 500000u;
        record.channelType = n % 4;
        WriteChannel(image, n, record);
        WriteAlias(image, n, "Site " + std::to_string(n));
    }
    return image;
}

std::string RxText(int n) {
    return FrequencyText(40001250 + 1250 * n);
}

Image Applied(std::vector<SettingChange> changes) {
    Image image = NewImage();
    const ApplyResult result = ApplySettings(image, changes, ListRows::Edit);
    EXPECT_TRUE(result) << result.message;
    return image;
}

const PrintHeader kHeader{"fleet.dat", "400-470 MHz", "2026-12-07"};

TEST(ChannelPlan, ShowsChannelsInUseWithTheirDigitalNamesOnly) {
    const Image image = Applied({{"channel.3.rx_freq", "446.00625", "1"},
                                 {"channel.3.alias", "Site-A", "2"},
                                 {"channel.3.channel_type", "Digit", "3"},
                                 {"channel.3.contact", "Name 1", "4"},
                                 {"channel.7.rx_freq", "430.5", "5"},
                                 {"channel.7.channel_type", "Analog", "6"},
                                 {"channel.7.contact", "Name 1", "7"},
                                 {"channel.7.rx_only", "only rx", "8"},
                                 {"channel.7.tx_tone", "D023N", "9"}});
    const PrintTable plan = ChannelPlan(image);
    EXPECT_EQ(plan.title, "Channel plan, 2 channels");
    ASSERT_EQ(plan.columns.size(), 13u);
    ASSERT_EQ(plan.rows.size(), 2u);
    const std::vector<std::string> digital = {
        "3",   "Site-A", "446.006250", "446.006250", "None", "None", "High",
        "Add", "Wide",   "Digit",      "Name 1",     "None", "None"};
    EXPECT_EQ(plan.rows[0].cells, digital);
    // An analog channel's contact is not used, so the plan leaves it out.
    const std::vector<std::string> &analog = plan.rows[1].cells;
    EXPECT_EQ(analog[0], "7");
    EXPECT_EQ(analog[5], "D023N");
    EXPECT_EQ(analog[9], "Analog");
    EXPECT_EQ(analog[10], "");
    EXPECT_EQ(analog[12], "");
}

TEST(ChannelPlan, HeaderNamesTheFileBandAndDate) {
    Image image = NewImage({13600000, 17400000});
    EXPECT_EQ(HeaderFor(image, "/home/dealer/plans/fleet.dat", "2026-12-07").fileName, "fleet.dat");
    EXPECT_EQ(HeaderFor(image, "Data", "2026-12-07").fileName, "Data");
    EXPECT_EQ(BandText(image), "136-174 MHz");
    EncodeBandLimits(image, {40100000, 46950000});
    EXPECT_EQ(BandText(image), "401-469.5 MHz");
    EXPECT_EQ(TodayText().size(), 10u);
}

TEST(SettingsSheet, EveryPageUnderItsHeadingAndNoChannel) {
    const PrintTable sheet = SettingsSheet(FullImage());
    ASSERT_FALSE(sheet.rows.empty());
    EXPECT_TRUE(sheet.rows.front().heading);
    std::vector<std::string> headings;
    for (const PrintRow &row : sheet.rows) {
        if (row.heading)
            headings.push_back(row.cells.front());
        else
            EXPECT_EQ(row.cells.size(), 2u);
    }
    EXPECT_NE(std::find(headings.begin(), headings.end(), "scan"), headings.end());
    EXPECT_NE(std::find(headings.begin(), headings.end(), "vfo"), headings.end());
    for (const std::string &heading : headings)
        EXPECT_FALSE(heading.starts_with("channel.")) << heading;
}

struct PaperCase {
    PaperSize paper;
    std::size_t planPages;
};

class PlanPages : public ::testing::TestWithParam<PaperCase> {};

TEST_P(PlanPages, EveryChannelOnceInsideTheMargins) {
    const PaperSize paper = GetParam().paper;
    const PrintDocument document = PlanDocument(FullImage(), kHeader, false);
    ASSERT_EQ(document.tables.front().rows.size(), 199u);
    const std::vector<PrintPage> pages = LayoutPages(document, paper);
    ASSERT_EQ(pages.size(), GetParam().planPages);

    std::map<std::string, int> seen;
    int next = 0;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const PrintPage &page = pages[p];
        EXPECT_EQ(page.rows.first, next) << "page " << p + 1;
        next += page.rows.count;
        int headers = 0;
        for (const PageText &text : page.texts) {
            ++seen[text.text];
            headers += text.text == "Rx MHz";
            EXPECT_GE(text.x, kPageMargin - 0.01) << text.text;
            EXPECT_LE(text.x + TextWidth(text.text, text.size, text.bold),
                      paper.width - kPageMargin + 0.01)
                << text.text;
            EXPECT_LE(text.y, paper.height - kPageMargin) << text.text;
            EXPECT_GE(text.y - text.size, kPageMargin - 0.01) << text.text;
        }
        EXPECT_EQ(headers, 1) << "the column headers repeat on page " << p + 1;
        for (const PageShade &shade : page.shades)
            EXPECT_LE(shade.y + shade.height, paper.height - kPageMargin);
        const std::string footer =
            "page " + std::to_string(p + 1) + " of " + std::to_string(pages.size());
        EXPECT_EQ(std::count_if(page.texts.begin(), page.texts.end(),
                                [&](const PageText &t) { return t.text == footer; }),
                  1);
        EXPECT_EQ(std::count_if(page.texts.begin(), page.texts.end(),
                                [](const PageText &t) { return t.text == "fleet.dat"; }),
                  1);
    }
    EXPECT_EQ(next, 199);
    for (int n = 1; n <= kChannelCount; ++n) {
        EXPECT_EQ(seen["Site " + std::to_string(n)], 1) << n;
        EXPECT_EQ(seen[RxText(n)], 1) << n;
    }
    EXPECT_EQ(seen["Band 400-470 MHz"], static_cast<int>(pages.size()));
}

TEST_P(PlanPages, SettingsSheetFollowsOnPagesOfItsOwn) {
    const PaperSize paper = GetParam().paper;
    const PrintDocument document = PlanDocument(FullImage(), kHeader, true);
    const std::vector<PrintPage> pages = LayoutPages(document, paper);
    ASSERT_GT(pages.size(), GetParam().planPages);
    const PrintTable &sheet = document.tables[1];
    int next = 0;
    for (std::size_t p = GetParam().planPages; p < pages.size(); ++p) {
        const PageRows rows = pages[p].rows;
        EXPECT_EQ(rows.table, 1);
        EXPECT_EQ(rows.first, next);
        next += rows.count;
        // A heading goes with the rows it heads, never alone at the foot of a page.
        if (next < static_cast<int>(sheet.rows.size())) {
            EXPECT_FALSE(sheet.rows[static_cast<std::size_t>(next - 1)].heading) << p + 1;
        }
    }
    EXPECT_EQ(next, static_cast<int>(sheet.rows.size()));
}

INSTANTIATE_TEST_SUITE_P(Paper, PlanPages,
                         ::testing::Values(PaperCase{kA4Paper, 5}, PaperCase{kLetterPaper, 5}),
                         [](const auto &info) { return std::string(info.param.paper.name); });

TEST(PageLayout, LongTextIsCutToItsColumn) {
    PrintDocument document{kHeader, {{"Wide", {{"Key"}, {"Value"}}, {}}}};
    document.tables[0].rows.push_back({{"message_1", std::string(300, 'W')}});
    document.tables[0].rows.push_back({{"name", "Ä\xC3\xA4\xC3\xA4"}});
    const std::vector<PrintPage> pages = LayoutPages(document, kA4Paper);
    ASSERT_EQ(pages.size(), 1u);
    bool cut = false;
    for (const PageText &text : pages[0].texts) {
        EXPECT_LE(text.x + TextWidth(text.text, text.size, text.bold),
                  kA4Paper.width - kPageMargin + 0.01);
        cut = cut || (text.text.ends_with("...") && text.text.starts_with("WWW"));
    }
    EXPECT_TRUE(cut);
    bool splitCharacter = false;
    std::string_view prefix =
        FittingPrefix("\xC3\xA4\xC3\xA4\xC3\xA4", 10, false, 12, splitCharacter);
    EXPECT_TRUE(splitCharacter);
    EXPECT_EQ(prefix.size() % 2, 0u) << "a UTF-8 character is never split";
}

TEST(PdfDocument, OffsetsOfTheCrossReferenceTablePointAtTheirObjects) {
    const std::vector<PrintPage> pages =
        LayoutPages(PlanDocument(FullImage(), kHeader, false), kA4Paper);
    const std::string pdf = PdfDocument(pages, kA4Paper, "Plan (fleet) \\ test");
    ASSERT_TRUE(pdf.starts_with("%PDF-1.4\n"));
    ASSERT_TRUE(pdf.ends_with("%%EOF\n"));
    const std::size_t xref = std::stoul(pdf.substr(pdf.rfind("startxref\n") + 10));
    ASSERT_EQ(pdf.compare(xref, 5, "xref\n"), 0);
    std::size_t line = pdf.find('\n', pdf.find('\n', xref + 5) + 1) + 1; // past the free entry
    for (int object = 1; pdf.compare(line, 7, "trailer") != 0; ++object, line += 20) {
        const std::size_t offset = std::stoul(pdf.substr(line, 10));
        EXPECT_EQ(pdf.compare(offset, std::to_string(object).size() + 6,
                              std::to_string(object) + " 0 obj"),
                  0)
            << object;
    }
    EXPECT_NE(pdf.find("/Title (Plan \\(fleet\\) \\\\ test)"), std::string::npos);
    EXPECT_NE(pdf.find("/Count 5 "), std::string::npos);
}

TEST(PlanHtml, HoldsEveryChannelWithRepeatedHeadersAndEscapesText) {
    Image image = FullImage();
    WriteAlias(image, 9, "A<B&C");
    const std::string html = DocumentHtml(PlanDocument(image, kHeader, true));
    for (int n = 1; n <= kChannelCount; ++n)
        EXPECT_NE(html.find("<td class=\"num\">" + RxText(n) + "</td>"), std::string::npos) << n;
    EXPECT_NE(html.find("A&lt;B&amp;C"), std::string::npos);
    EXPECT_EQ(html.find("A<B"), std::string::npos);
    EXPECT_NE(html.find("thead{display:table-header-group}"), std::string::npos);
    EXPECT_NE(html.find("<h1>Settings</h1>"), std::string::npos);
}

} // namespace
} // namespace dpmr
