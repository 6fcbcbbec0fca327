// Row operations of the channel table on image bytes: references follow their channel, the
// last row guards Insert, and clips carry exact bytes between documents.

#include "core/channels/channel_record.h"
#include "core/channels/channel_rows.h"
#include "core/exchange/channel_clip_csv.h"
#include "core_test_support.h"

#include <gtest/gtest.h>

using namespace dpmr;
using dpmr::testing_support::DescribeDifferences;
using dpmr::testing_support::NewImage;

namespace {

const BandLimits k400{40000000, 47000000};

// A channel in use at `mhz` (in kHz to stay exact) with a name.
void PutChannel(Image &image, int n, std::uint64_t khz, const std::string &alias) {
    ChannelRecord record = ReadChannel(image, n);
    record.rxFreq = khz * 100;
    record.txFreq = khz * 100;
    WriteChannel(image, n, record);
    WriteAlias(image, n, alias);
    if (HasDigitalExt(n)) {
        ChannelDigitalExt ext;
        ext.rxColor = static_cast<std::uint8_t>(n);
        WriteDigitalExt(image, n, ext);
    }
}

std::uint64_t RxKhz(const Image &image, int n) {
    const auto rx = ReadChannel(image, n).rxFreq;
    return rx ? *rx / 100 : 0;
}

Image WithChannels(std::initializer_list<int> channels) {
    Image image = NewImage(k400);
    for (int n : channels)
        PutChannel(image, n, 430000 + static_cast<std::uint64_t>(n) * 25, "CH" + std::to_string(n));
    return image;
}

} // namespace

TEST(ChannelRows, MovingThePriorityChannelKeepsThePriorityOnIt) {
    Image image = WithChannels({4, 5, 6});
    image[kScanPriorityChannel] = 5;
    image[kScanSpecifiedChannel] = 4;
    const ChannelBytes five = ReadChannelBytes(image, 5);

    ASSERT_TRUE(MoveChannels(image, {5}, -1));
    EXPECT_EQ(ReadChannelBytes(image, 4), five);
    EXPECT_EQ(image[kScanPriorityChannel], 4);
    EXPECT_EQ(image[kScanSpecifiedChannel], 5);
    EXPECT_EQ(ReadAlias(image, 5), "CH4");

    // A block of two moves down as one.
    ASSERT_TRUE(MoveChannels(image, {4, 5}, +1));
    EXPECT_EQ(ReadChannelBytes(image, 5), five);
    EXPECT_EQ(image[kScanPriorityChannel], 5);
    EXPECT_EQ(ReadAlias(image, 4), "CH6");
    EXPECT_EQ(ReadAlias(image, 6), "CH4");

    const Image before = image;
    EXPECT_FALSE(MoveChannels(image, {1, 5}, -1));
    EXPECT_FALSE(MoveChannels(image, {kChannelCount}, +1));
    EXPECT_EQ(image, before) << DescribeDifferences(before, image);
}

TEST(ChannelRows, DeletingMovesTheRestUpAndDropsReferencesToTheDeleted) {
    Image image = WithChannels({3, 5, 7, 199});
    image[kScanPriorityChannel] = 5;
    image[kScanSpecifiedChannel] = 7;
    DeleteChannels(image, {5, 3});
    EXPECT_EQ(image[kScanPriorityChannel], 0); // "None", as a stale reference
    EXPECT_EQ(image[kScanSpecifiedChannel], 5);
    EXPECT_EQ(ReadAlias(image, 5), "CH7");
    EXPECT_EQ(RxKhz(image, 197), 430000u + 199 * 25);
    EXPECT_TRUE(IsChannelEmpty(image, 198));
    EXPECT_TRUE(IsChannelEmpty(image, 199));
    EXPECT_EQ(ReadAlias(image, 199), "");
}

TEST(ChannelRows, InsertIsRefusedWhileTheLastChannelIsInUse) {
    Image image = WithChannels({31, 32, 199});
    image[kScanPriorityChannel] = 32;
    const Image before = image;
    const RowResult refused = InsertEmptyChannel(image, 10);
    EXPECT_FALSE(refused);
    EXPECT_NE(refused.message.find("199"), std::string::npos) << refused.message;
    EXPECT_EQ(image, before) << DescribeDifferences(before, image);

    DeleteChannels(image, {199});
    ASSERT_TRUE(InsertEmptyChannel(image, 32));
    EXPECT_TRUE(IsChannelEmpty(image, 32));
    EXPECT_EQ(ReadAlias(image, 33), "CH32");
    EXPECT_EQ(image[kScanPriorityChannel], 33);
    // Channel 32's extension stays with slot 32 as the default; 33 has none to carry.
    EXPECT_EQ(ReadDigitalExt(image, 32)->rxColor, ChannelDigitalExt{}.rxColor);
    EXPECT_EQ(ReadDigitalExt(image, 31)->rxColor, 31);
}

TEST(ChannelRows, ClipsCarryExactBytesBetweenDocuments) {
    Image from = WithChannels({2, 3, 40});
    from[ChannelRecordOffset(3) + 19] = 0x5A; // a byte no editor names travels too
    const ChannelClip clip = CopyChannels(from, k400, {3, 2, 40, 41});
    ASSERT_EQ(clip.entries.size(), 4u);
    EXPECT_EQ(clip.entries[0].source, 2);

    const std::optional<ChannelClip> back = DeserializeClip(SerializeClip(clip));
    ASSERT_TRUE(back);
    Image to = WithChannels({20, 21, 22, 23, 24});
    const PastePlan plan = PlanPaste(*back, 20, k400);
    EXPECT_TRUE(plan.Clean());
    ApplyPaste(to, *back, plan);
    EXPECT_EQ(ReadChannelBytes(to, 20), ReadChannelBytes(from, 2));
    EXPECT_EQ(ReadChannelBytes(to, 21), ReadChannelBytes(from, 3));
    // From channel 40 (no extension) into 22: the record and alias, the default extension.
    EXPECT_EQ(ReadChannelBytes(to, 22).record, ReadChannelBytes(from, 40).record);
    EXPECT_EQ(ReadDigitalExt(to, 22)->rxColor, ChannelDigitalExt{}.rxColor);
    EXPECT_TRUE(IsChannelEmpty(to, 23)); // the empty channel 41 replaced 23
    EXPECT_EQ(ReadAlias(to, 24), "CH24");

    EXPECT_FALSE(DeserializeClip("Location,Name\n"));
    std::string cut = SerializeClip(clip);
    cut.pop_back();
    EXPECT_FALSE(DeserializeClip(cut));
}

TEST(ChannelRows, PastePlanSaysWhatDoesNotFit) {
    Image from = WithChannels({1, 2, 3, 4, 5});
    ChannelRecord high = ReadChannel(from, 4);
    high.rxFreq = 46900000;
    WriteChannel(from, 4, high);
    const ChannelClip clip = CopyChannels(from, k400, {1, 2, 3, 4, 5});
    const BandLimits narrow{43000000, 44000000};

    const PastePlan plan = PlanPaste(clip, 197, narrow);
    EXPECT_EQ(plan.fitting, 3);
    EXPECT_EQ(plan.beyondEnd, 2);
    EXPECT_TRUE(plan.outOfBand.empty()); // channel 4 would land beyond 199 anyway
    EXPECT_EQ(plan.Problems(narrow), "2 of 5 channels do not fit below channel 197 (the last "
                                     "channel is 199).");

    const PastePlan inside = PlanPaste(clip, 10, narrow);
    EXPECT_EQ(inside.outOfBand, std::vector<int>{4});
    EXPECT_EQ(inside.pasted(), 4);
    EXPECT_EQ(inside.Problems(narrow), "Channel 4 lies outside 430-440 MHz.");
    Image to = WithChannels({13});
    ApplyPaste(to, clip, inside);
    EXPECT_EQ(ReadAlias(to, 13), "CH13"); // left out: the channel it would replace stays
    EXPECT_EQ(ReadAlias(to, 14), "CH5");
}

TEST(ChannelClipText, CopiedRowsPasteBackAndSpreadsheetRowsAreRead) {
    const Image from = WithChannels({3, 8});
    const std::string text = ChannelsToCsvText(from, {8, 3, 4});
    EXPECT_EQ(text.find("Location,Name,Frequency"), 0u) << text;
    CsvClip back = ChannelsFromCsvText(text, NewImage(k400));
    ASSERT_TRUE(back.skipped.empty()) << back.skipped.front().reason;
    ASSERT_EQ(back.clip.entries.size(), 2u);
    EXPECT_EQ(back.clip.entries[1].source, 8);
    // The text carries what its columns name: here the frequencies and the name.
    const auto frequencies = [](const ChannelBytes &bytes) {
        return std::vector<std::uint8_t>(bytes.record.begin(), bytes.record.begin() + 8);
    };
    EXPECT_EQ(frequencies(back.clip.entries[1].bytes), frequencies(ReadChannelBytes(from, 8)));
    EXPECT_EQ(back.clip.entries[1].bytes.alias, ReadChannelBytes(from, 8).alias);

    // Two rows copied out of a spreadsheet: tabs, no header line, CR LF.
    const std::string sheet = "1\tRPT 1\t438.500000\t-\t7.600000\tTone\t88.5\t88.5\t023\tNN\t023\t"
                              "Tone->Tone\tNFM\t12.5\t\tHigh\t\t\t\r\n"
                              "2\tSimplex\t446.006250\t\t0.000000\t\t88.5\t88.5\t023\tNN\t023\t"
                              "Tone->Tone\tFM\t12.5\tS\tLow\t\t\t\r\n";
    CsvClip rows = ChannelsFromCsvText(sheet, NewImage(k400));
    ASSERT_TRUE(rows.skipped.empty()) << rows.skipped.front().reason;
    ASSERT_EQ(rows.clip.entries.size(), 2u);
    Image to = NewImage(k400);
    ApplyPaste(to, rows.clip, PlanPaste(rows.clip, 50, k400));
    EXPECT_EQ(ReadAlias(to, 50), "RPT 1");
    EXPECT_EQ(RxKhz(to, 51), 446006u);
    EXPECT_EQ(*ReadChannel(to, 50).txFreq, 43090000u);

    CsvClip bad = ChannelsFromCsvText("Location,Frequency\n1,999.5\n", NewImage(k400));
    EXPECT_TRUE(bad.clip.entries.empty());
    ASSERT_EQ(bad.skipped.size(), 1u);
    EXPECT_NE(bad.skipped[0].reason.find("outside"), std::string::npos) << bad.skipped[0].reason;
}
