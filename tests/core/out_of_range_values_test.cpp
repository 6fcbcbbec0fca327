// Packed-decimal values no text can store again (a frequency of 1000 MHz or more, a CTCSS word
// with digits above 9): shown as empty or "None", and their bytes kept until the user changes
// the field. A document opened and saved twice settles.

#include "core/app/code_plug_document.h"
#include "core/channels/channel_editor.h"
#include "core/channels/channel_record.h"
#include "core/channels/vfo_editor.h"
#include "core/exchange/channel_csv.h"
#include "core/fields/page_table.h"
#include "core/image/bcd.h"
#include "core/image/frequency.h"
#include "core/image/record_layouts.h"
#include "core/image/tone.h"
#include "core_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

using namespace dpmr;
using testing_support::DescribeDifferences;
using testing_support::NewImage;

constexpr std::size_t kRecord1 = 0x0100; // channel 1's record

// Channel 1 in use at 438.5 MHz, offset off, with a transmit frequency of 1004.50001 MHz (top
// byte 0xA0, off the channel grid) and a receive tone word 48 7E (844.8, which would store as
// a DCS code).
Image WithOddChannel1() {
    Image image = NewImage();
    const std::uint8_t record[24] = {0x00, 0x00, 0x85, 0x43, 0x01, 0x50, 0x04, 0xA0,
                                     0x48, 0x7E, 0xFF, 0xFF, 0x00, 0x00, 0x06, 0x00,
                                     0xC1, 0x00, 0x41, 0xFF, 0x00, 0xFF, 0xFF, 0xFF};
    for (std::size_t i = 0; i < 24; ++i)
        image[kRecord1 + i] = record[i];
    return image;
}

std::vector<std::uint8_t> RecordBytes(const Image &image, std::size_t at) {
    return {image.data() + at, image.data() + at + kChannelRecordSize};
}

TEST(OutOfRangeValues, ToneAndFrequencyChecks) {
    EXPECT_FALSE(IsToneShowable(0x7E48));
    EXPECT_FALSE(IsToneShowable(0x80FA)); // DCS with a last digit pair beyond 99
    EXPECT_TRUE(IsToneShowable(0x0885));  // 88.5
    EXPECT_TRUE(IsToneShowable(0x8023));  // D023N
    EXPECT_TRUE(IsToneShowable(kNoTone));
    // Showable means: its text stores the tone its text names.
    for (unsigned code = 0; code <= 0xFFFF; ++code) {
        const std::string text = ToneText(static_cast<ToneCode>(code));
        const bool roundTrip = code >> 8 == 0xFF || ToneText(ToneCodeFromText(text)) == text;
        ASSERT_EQ(IsToneShowable(static_cast<ToneCode>(code)), roundTrip) << std::hex << code;
    }
    Image image = WithOddChannel1();
    EXPECT_TRUE(IsFrequencyOutOfRange(image, kRecord1 + 4));
    EXPECT_FALSE(IsFrequencyOutOfRange(image, kRecord1));
    // Valid digits that round up to a text of 1000 MHz are out of range too: 999.99999 MHz
    // would store as 0.
    EXPECT_EQ(FrequencyText(kMaxShownFrequency), "999.997500");
    EXPECT_EQ(FrequencyText(kMaxShownFrequency + 1), "1000.000000");
    EncodeBcd(image, kRecord1, kMaxShownFrequency + 1, kFrequencySize);
    EXPECT_TRUE(IsFrequencyOutOfRange(image, kRecord1));
    EncodeBcd(image, kRecord1, kMaxShownFrequency, kFrequencySize);
    EXPECT_FALSE(IsFrequencyOutOfRange(image, kRecord1));
}

TEST(OutOfRangeValues, AllNinesInARecordSettleInTheTable) {
    Image image = NewImage();
    const std::size_t record108 = kRecord1 + 107 * kChannelRecordSize;
    image.Fill(record108, kChannelRecordSize, 0x99);
    const auto before = RecordBytes(image, record108);
    BandLimits limits;
    ChannelTable table;
    LoadChannelTable(image, limits, table);
    EXPECT_TRUE(table.IsRowEmpty(108));
    StoreChannelTable(table, image, limits);
    EXPECT_EQ(RecordBytes(image, record108), before);
}

TEST(OutOfRangeValues, TheTableShowsThemAsEmptyOrNoneAndKeepsTheirBytes) {
    Image image = WithOddChannel1();
    const auto before = RecordBytes(image, kRecord1);
    BandLimits limits;
    ChannelTable table;
    LoadChannelTable(image, limits, table);
    EXPECT_EQ(table.Cell(1, kColRxFreq), "438.500000");
    EXPECT_EQ(table.Cell(1, kColTxFreq), "");
    EXPECT_EQ(table.Cell(1, kColRxTone), "None");
    StoreChannelTable(table, image, limits);
    EXPECT_EQ(RecordBytes(image, kRecord1), before);

    // Changed by the user, they are stored.
    table.Cell(1, kColTxFreq) = "439.000000";
    table.Cell(1, kColRxTone) = "88.5";
    StoreChannelTable(table, image, limits);
    EXPECT_EQ(ReadChannel(image, 1).txFreq, 43900000u);
    EXPECT_EQ(ReadChannel(image, 1).rxTone, 0x0885);
}

TEST(OutOfRangeValues, AReceiveFrequencyOutOfRangeIsAnEmptyRowUntilFilledIn) {
    Image image = WithOddChannel1();
    image[kRecord1 + 3] = 0xB4; // 1144.5 MHz
    const auto before = RecordBytes(image, kRecord1);
    BandLimits limits;
    ChannelTable table;
    LoadChannelTable(image, limits, table);
    EXPECT_TRUE(table.IsRowEmpty(1));
    StoreChannelTable(table, image, limits);
    EXPECT_EQ(RecordBytes(image, kRecord1), before);

    EndFrequencyEdit(table, image, limits, 1, kColRxFreq, "440");
    StoreChannelTable(table, image, limits);
    const ChannelRecord r = ReadChannel(image, 1);
    EXPECT_EQ(r.rxFreq, 44000000u);
    EXPECT_EQ(r.txFreq, 44000000u);
    EXPECT_EQ(r.rxTone, kNoTone); // a new channel: nothing kept of the old record
}

TEST(OutOfRangeValues, ImportNamingChannel5LeavesChannel1Alone) {
    Image image = WithOddChannel1();
    const auto before = RecordBytes(image, kRecord1);
    const CsvImportResult result =
        ImportChannelsCsv("Location,Frequency\n5,438.250000\n", "five.csv", image);
    ASSERT_TRUE(result) << result.message;
    EXPECT_EQ(RecordBytes(image, kRecord1), before);
    EXPECT_EQ(ReadChannel(image, 5).rxFreq, 43825000u);

    // A row with an empty Frequency still deletes such a channel.
    image[kRecord1 + 3] = 0xB4;
    ASSERT_TRUE(ImportChannelsCsv("Location,Frequency\n1,\n", "one.csv", image));
    EXPECT_TRUE(IsChannelEmpty(image, 1));
}

TEST(OutOfRangeValues, EditorPagesShowThemAsInvalidAndKeepThem) {
    Image image = WithOddChannel1();
    const BandLimits band{40000000, 47000000};
    FieldTexts texts = LoadPage(kChannelEditPage, {image, band}, 1);
    EXPECT_EQ(texts[kEditTxFreq], "");
    EXPECT_EQ(texts[kEditRxTone], "None");
    const auto before = RecordBytes(image, kRecord1);
    StorePage(kChannelEditPage, image, band, 1, texts);
    // Tx frequency and receive tone kept (the contact and key bytes take their replacements).
    EXPECT_TRUE(std::equal(before.begin() + 4, before.begin() + 10,
                           RecordBytes(image, kRecord1).begin() + 4));

    // The VFO shows the lower band limit in place of a receive frequency of 1000 MHz or more.
    const std::size_t vfo = ChannelRecordOffset(kVfoChannel);
    image[vfo + 3] = 0xC4;
    const Image withVfo = image;
    texts = LoadPage(kVfoEditPage, {image, band}, kVfoChannel);
    EXPECT_EQ(texts[kEditRxFreq], "400.000000");
    StorePage(kVfoEditPage, image, band, kVfoChannel, texts);
    EXPECT_EQ(image[vfo + 3], 0xC4) << DescribeDifferences(withVfo, image);
}

// Random images with out-of-range frequencies, tones and band mirrors: Open then Save, and
// again; the second file is the first.
TEST(OutOfRangeValues, OpenAndSaveSettle) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("dpmr-settle-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string source = dir / "source.dat", once = dir / "once.dat",
                      twice = dir / "twice.dat";
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        Image image = testing_support::RandomImage(seed);
        if (seed % 4 == 0)
            image.Fill(kBandLowLimit, 8, 0xFF);
        for (int n = 1; n <= kChannelCount; n += 3)
            image[ChannelRecordAt(n) + 3] = static_cast<std::uint8_t>(0x40 + seed % 3); // in use
        {
            std::ofstream out(source, std::ios::binary);
            out.write(reinterpret_cast<const char *>(image.data()), kImageSize);
        }
        CodePlugDocument document;
        ASSERT_TRUE(document.Open(source));
        ASSERT_TRUE(document.Save(once));
        const Image first = document.image;
        ASSERT_TRUE(document.Open(once));
        ASSERT_TRUE(document.Save(twice));
        ASSERT_EQ(document.image, first)
            << "seed " << seed << ": " << DescribeDifferences(first, document.image);
    }
    std::filesystem::remove_all(dir);
}

} // namespace
