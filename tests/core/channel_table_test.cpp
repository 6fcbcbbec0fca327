#include "core/channels/channel_record.h"
#include "core/channels/channel_table.h"
#include "core/image/bcd.h"
#include "core/image/factory_defaults.h"
#include "core/image/tone.h"
#include "core_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace dpmr {
namespace {

using testing_support::DescribeDifferences;

const BandLimits kVhf{13600000, 17400000};

using testing_support::NewImage;

std::vector<int> Bytes(const Image &image, std::size_t offset, std::size_t count) {
    return {image.data() + offset, image.data() + offset + count};
}

ChannelRow Row(std::vector<std::string> cells) {
    ChannelRow row;
    std::copy(cells.begin(), cells.end(), row.begin() + kColRxFreq);
    return row;
}

TEST(LoadChannelTable, ChoosesTheBandThatHoldsTheLimits) {
    struct Case {
        BandLimits stored;
        BandEdits shown;
    } cases[] = {
        {{13600000, 17400000}, {0, "136", "174"}}, {{35000000, 39000000}, {1, "350", "390"}},
        {{43099999, 43999999}, {2, "430", "439"}}, // whole MHz, rounded down
        {{10000000, 20000000}, {2, "400", "470"}}, // no band fits: default edits
        {{13600000, 39000000}, {2, "400", "470"}},
    };
    for (const Case &c : cases) {
        Image image = NewImage();
        EncodeBandLimits(image, c.stored);
        BandLimits limits;
        ChannelTable table;
        LoadChannelTable(image, limits, table);
        EXPECT_EQ(limits, c.stored) << c.shown.low; // the limits keep what the image says
        EXPECT_EQ(table.band.bandIndex, c.shown.bandIndex) << c.stored.low;
        EXPECT_EQ(table.band.low, c.shown.low);
        EXPECT_EQ(table.band.high, c.shown.high);
    }
}

TEST(LoadChannelTable, ShowsChannelFieldsAndBlanks) {
    Image image = NewImage();
    ChannelRecord r = ReadChannel(image, 1);
    r.rxFreq = 43850312;
    r.txFreq = 43800000;
    r.rxTone = 0x8023;
    r.txTone = 0x0670;
    r.txPower = 0;
    r.scan = false;
    r.narrow = true;
    r.channelType = 3;
    WriteChannel(image, 1, r);
    r.rxTone = 0x0012; // a high byte of 0x00 is no tone
    r.txPower = 2;     // names no choice
    WriteChannel(image, 2, r);
    image[ChannelRecordOffset(3) + 3] = 0x00; // an rx top byte of 0x00 is an empty channel
    WriteAlias(image, 1, "Kept");
    WriteAlias(image, 3, "Hidden"); // an empty channel shows no name
    ChannelTable table;
    table.Cell(3, kColName) = "cleared";
    BandLimits limits;
    LoadChannelTable(image, limits, table);
    EXPECT_EQ(table.rows[0], Row({"438.503125", "438.000000", "D023N", "67.0", "Low", "Del",
                                  "Narrow", "Mixed(Analog)", "Kept"}));
    EXPECT_EQ(table.Cell(2, kColRxTone), "None");
    EXPECT_EQ(table.Cell(2, kColPower), "");
    EXPECT_EQ(table.rows[2], ChannelRow{});
}

TEST(StoreChannelTable, AllChannelsClearedGiveTheCanonicalImage) {
    Image image = NewImage();
    BandLimits limits;
    ChannelTable table;
    LoadChannelTable(image, limits, table);
    EndFrequencyEdit(table, image, limits, 7, kColRxFreq, "438.5");
    StoreChannelTable(table, image, limits);
    // Clearing a channel leaves its alias alone.
    WriteAlias(image, 7, "Repeater");
    EndFrequencyEdit(table, image, limits, 7, kColRxFreq, "");
    StoreChannelTable(table, image, limits);

    const std::vector<int> empty{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x06, 0x00,
                                 0xC1, 0x00, 0x41, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    for (int n = 1; n <= kChannelCount; ++n)
        ASSERT_EQ(Bytes(image, ChannelRecordOffset(n), 24), empty) << "channel " << n;
    EXPECT_EQ(ReadAlias(image, 7), "Repeater");
    EXPECT_EQ(Bytes(image, 0x13A8, 8), (std::vector<int>{0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0x40}));
    EXPECT_EQ(Bytes(image, 0x14D0, 25), std::vector<int>(25, 0));
    EXPECT_EQ(Bytes(image, 0x3160, 25), std::vector<int>(25, 0));
    EXPECT_EQ(image[0x1A80 + 127], 0x7F);
    EXPECT_EQ(Bytes(image, 0x3FA0, 8), (std::vector<int>{0, 0, 0, 0x40, 0, 0, 0, 0x47}));
    EXPECT_EQ(image[0x3FB8], 0xFF);
    EXPECT_EQ(image[0x3FBB], 0x00);
}

TEST(StoreChannelTable, DerivesOffsetDirectionAndDistance) {
    struct Case {
        const char *rx, *tx;
        unsigned dir;
        std::vector<int> offset;
    } cases[] = {
        {"145.500000", "145.000000", 2, {0, 0, 0x05, 0}},
        {"145.000000", "145.500000", 1, {0, 0, 0x05, 0}},
        {"145.500000", "145.500000", 0, {0, 0, 0, 0}},
        {"136.000000", "186.000000", 1, {0, 0, 0, 0x05}}, // exactly 50 MHz is kept
        {"136.000000", "190.000000", 1, {0, 0, 0x06, 0}}, // wider: the 0.6 MHz default
    };
    for (const Case &c : cases) {
        Image image = NewImage();
        ChannelTable table;
        table.rows[0] = Row({c.rx, c.tx, "None", "None", "High", "Add", "Wide", "Digit"});
        BandLimits limits;
        StoreChannelTable(table, image, limits);
        const std::size_t b = ChannelRecordOffset(1);
        EXPECT_EQ(image.Bits(b + 18, 4, 2), c.dir) << c.rx << " " << c.tx;
        EXPECT_EQ(Bytes(image, b + 12, 4), c.offset) << c.rx << " " << c.tx;
    }
}

TEST(StoreChannelTable, WritesTonesAndChoicesAndKeepsTheEditorsBits) {
    Image image = NewImage();
    const std::size_t b = ChannelRecordOffset(2);
    // A channel in use: a new one would first get the new-channel settings.
    ChannelRecord inUse = ReadChannel(image, 2);
    inUse.rxFreq = 43000000;
    WriteChannel(image, 2, inUse);
    image[b + 16] = 0x3C; // talk-around, reverse and reserved bits
    image[b + 17] = 0xFF;
    image[b + 18] = 0x0F; // busy lock, its twin and reserved bits
    for (std::size_t i = 19; i < 24; ++i)
        image[b + i] = static_cast<std::uint8_t>(i);
    ChannelTable table;
    table.rows[1] = Row(
        {"438.500000", "438.500000", "D023N", "D754I", "High", "Del", "Narrow", "Mixed(Digit)"});
    BandLimits limits;
    StoreChannelTable(table, image, limits);
    EXPECT_EQ(Bytes(image, b, 12),
              (std::vector<int>{0, 0, 0x85, 0x43, 0, 0, 0x85, 0x43, 0x23, 0x80, 0x54, 0xC7}));
    EXPECT_EQ(Bytes(image, b + 16, 8), (std::vector<int>{0xFE, 0xFF, 0x8F, 19, 20, 21, 22, 23}));

    table.rows[1] = Row({"438.500000", "438.500000", "67.0", "None", "?", "?", "?", "?"});
    StoreChannelTable(table, image, limits);
    EXPECT_EQ(Bytes(image, b + 8, 4), (std::vector<int>{0x70, 0x06, 0xFF, 0xFF}));
    EXPECT_EQ(Bytes(image, b + 16, 3), (std::vector<int>{0x3C, 0xFF, 0x0F}));
}

// Random records through load and store: the table changes only what it shows, and a second
// round changes nothing at all. Frequencies are proper digit pairs below 1000 MHz and tones
// come from the list, as the radio and this program write them; so are the band limits.
TEST(StoreChannelTable, LoadStoreKeepsWhatTheTableDoesNotOwn) {
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        Image image = testing_support::RandomImage(seed);
        std::mt19937 random(seed);
        auto pick = [&](int below) { return static_cast<int>(random() % unsigned(below)); };
        for (int n = 1; n <= kChannelCount; ++n) {
            const std::size_t b = ChannelRecordOffset(n);
            WriteFrequency(image, b, 13600000u + unsigned(pick(40000000)));
            WriteFrequency(image, b + 4, 13600000u + unsigned(pick(40000000)));
            image.SetU16le(b + 8, ToneCodeFromText(ToneList()[std::size_t(pick(kToneListSize))]));
            image.SetU16le(b + 10, ToneCodeFromText(ToneList()[std::size_t(pick(kToneListSize))]));
            if (n % 2 == 0)
                image[b + 3] = pick(2) ? 0x00 : 0xFF; // every other channel empty
        }
        const BandLimits bands[] = {kVhf, {35000000, 39000000}, {43000000, 44000000}};
        EncodeBandLimits(image, bands[pick(3)]);
        const Image before = image;
        BandLimits limits;
        ChannelTable table;
        LoadChannelTable(image, limits, table);
        StoreChannelTable(table, image, limits);
        for (int n = 1; n <= kChannelCount; n += 2) {
            const std::size_t b = ChannelRecordOffset(n);
            ASSERT_EQ(image[b + 16] & 0x3C, before[b + 16] & 0x3C) << seed << " ch " << n;
            ASSERT_EQ(image[b + 17], before[b + 17]) << seed << " ch " << n;
            ASSERT_EQ(image[b + 18] & 0x0F, before[b + 18] & 0x0F) << seed << " ch " << n;
            ASSERT_EQ(Bytes(image, b + 19, 5), Bytes(before, b + 19, 5)) << seed << " ch " << n;
        }
        ASSERT_EQ(Bytes(image, 0x3180, 0x3E80 - 0x3180), Bytes(before, 0x3180, 0x3E80 - 0x3180));
        const Image once = image;
        LoadChannelTable(image, limits, table);
        StoreChannelTable(table, image, limits);
        ASSERT_TRUE(image == once) << seed << ": " << DescribeDifferences(once, image);
    }
}

TEST(StoreChannelTable, AnUnsetTransmitFrequencyStaysUnset) {
    // A receive-only channel: its 0xFF transmit bytes must not show as 1651651.652500 MHz
    // nor come back as a 0 MHz transmit frequency with a split of the whole receive one.
    Image image = NewImage();
    const std::size_t b = ChannelRecordOffset(9);
    WriteFrequency(image, b, 43850000);
    WriteFrequency(image, b + 12, 12500);
    BandLimits limits;
    ChannelTable table;
    LoadChannelTable(image, limits, table);
    EXPECT_EQ(table.Cell(9, kColTxFreq), "");

    StoreChannelTable(table, image, limits);
    EXPECT_EQ(Bytes(image, b + 4, 4), (std::vector<int>{0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(ReadFrequency(image, b + 12), 12500u);
    EXPECT_TRUE(ChannelBit(image, kValidBitmap, 9));

    // A transmit frequency of 0 is a value, not "unset": it shows and stays.
    WriteFrequency(image, b + 4, 0);
    LoadChannelTable(image, limits, table);
    EXPECT_EQ(table.Cell(9, kColTxFreq), "0.000000");
    StoreChannelTable(table, image, limits);
    EXPECT_EQ(Bytes(image, b + 4, 4), (std::vector<int>{0x00, 0x00, 0x00, 0x00}));
}

TEST(CellEdits, AChoiceEditStartsOnTheFirstChoiceThatBeginsWithTheCell) {
    EXPECT_EQ(InitialChoiceIndex(kColChannelType, "Mixed(Analog)"), 3);
    EXPECT_EQ(InitialChoiceIndex(kColChannelType, "Mixed("), 2);
    EXPECT_EQ(InitialChoiceIndex(kColPower, "High"), 1);
    EXPECT_EQ(InitialChoiceIndex(kColPower, ""), 0);
    EXPECT_EQ(InitialChoiceIndex(kColScan, "Maybe"), -1);
}

TEST(StoreChannelTable, LimitsThatFitNoBandLastUntilTheStore) {
    Image image = NewImage();
    EncodeBandLimits(image, {10000000, 20000000});
    BandLimits limits;
    ChannelTable table;
    LoadChannelTable(image, limits, table);
    StoreChannelTable(table, image, limits);
    EXPECT_EQ(limits, (BandLimits{40000000, 47000000}));
    EXPECT_EQ(Bytes(image, 0x3FA0, 8), (std::vector<int>{0, 0, 0, 0x40, 0, 0, 0, 0x47}));
}

TEST(CellEdits, AChannelBeginsWithItsReceiveFrequency) {
    Image image = NewImage();
    ChannelTable table;
    EXPECT_EQ(EditColumnFor(table, 5, kColScan), kColRxFreq);
    EndFrequencyEdit(table, image, kVhf, 5, kColTxFreq, "145");
    EXPECT_EQ(table.rows[4], ChannelRow{});
    EndToneEdit(table, 5, kColRxTone, "67.0");
    EndChoiceEdit(table, 5, kColPower, "Low");
    EXPECT_EQ(table.rows[4], ChannelRow{});

    EndFrequencyEdit(table, image, kVhf, 5, kColRxFreq, "145.5");
    EXPECT_EQ(table.rows[4], Row({"145.500000", "145.500000", "None", "None", "High", "Add", "Wide",
                                  "Digit", ""}));
    EXPECT_EQ(EditColumnFor(table, 5, kColScan), kColScan);
    EndToneEdit(table, 5, kColRxTone, "d23i");
    EndToneEdit(table, 5, kColTxTone, "300.0");
    EXPECT_EQ(table.Cell(5, kColRxTone), "D023I");
    EXPECT_EQ(table.Cell(5, kColTxTone), "None");
    BandLimits limits;
    table.band = {0, "136", "174"};
    StoreChannelTable(table, image, limits);
    const std::size_t b = ChannelRecordOffset(5);
    EXPECT_EQ(image.Bits(b + 18, 4, 2), 0u);
    EXPECT_EQ(Bytes(image, b + 12, 4), (std::vector<int>{0, 0, 0, 0}));
}

TEST(EndFrequencyEdit, ClampsIntoTheBandAndSnapsToTheGrid) {
    const BandLimits uhf{40000000, 47000000};
    const std::pair<const char *, const char *> cases[] = {
        {"500", "470.000000"}, {"300", "400.000000"}, {"438.5031", "438.503125"}};
    for (auto [typed, shown] : cases) {
        Image image = NewImage();
        ChannelTable table;
        table.rows[0] = Row({"430.000000", "430.000000"});
        EndFrequencyEdit(table, image, uhf, 1, kColRxFreq, typed);
        EndFrequencyEdit(table, image, uhf, 1, kColTxFreq, typed);
        EXPECT_EQ(table.Cell(1, kColRxFreq), shown) << typed;
        EXPECT_EQ(table.Cell(1, kColTxFreq), shown) << typed;
    }
}

TEST(EndFrequencyEdit, ClearingTheReceiveFrequencyEmptiesTheRecordAtOnce) {
    for (const char *typed : {"", "0", "abc"}) {
        Image image = NewImage();
        WriteAlias(image, 3, "Kept");
        BandLimits limits;
        ChannelTable table;
        EndFrequencyEdit(table, image, kVhf, 3, kColRxFreq, "145");
        StoreChannelTable(table, image, limits);
        Image expected = image;
        ClearChannel(expected, 3);
        EndFrequencyEdit(table, image, kVhf, 3, kColRxFreq, typed);
        EXPECT_EQ(table.rows[2], ChannelRow{});
        EXPECT_TRUE(image == expected) << typed << ": " << DescribeDifferences(expected, image);
        // Clearing a row that was empty already leaves the image alone.
        image[ChannelRecordOffset(3)] = 0x12;
        expected = image;
        EndFrequencyEdit(table, image, kVhf, 3, kColRxFreq, typed);
        EXPECT_TRUE(image == expected);
    }
}

TEST(SelectBand, OutsideTheEditsResetsThemAndMovesTheVfo) {
    Image image = NewImage();
    ChannelTable table; // edits 400 and 470
    BandLimits limits;
    SelectBand(table, image, limits, 0);
    EXPECT_EQ(table.band.bandIndex, 0);
    EXPECT_EQ(table.band.low, "136");
    EXPECT_EQ(table.band.high, "174");
    EXPECT_EQ(limits, kVhf);
    const std::vector<int> vfo{0, 0, 0x60, 0x13, 0, 0, 0x60, 0x13};
    EXPECT_EQ(Bytes(image, 0x13A8, 8), vfo);

    image.Fill(0x13A8, 8, 0xFF); // the same entry again sets the VFO again
    SelectBand(table, image, limits, 0);
    EXPECT_EQ(table.band.low, "136");
    EXPECT_EQ(Bytes(image, 0x13A8, 8), vfo);
}

TEST(SelectBand, AStrictlyInsideRangeIsKept) {
    Image image = NewImage();
    const Image before = image;
    ChannelTable table;
    table.band = {2, "140", "170"};
    BandLimits limits{1, 2};
    SelectBand(table, image, limits, 0);
    EXPECT_EQ(table.band.bandIndex, 0);
    EXPECT_EQ(table.band.low, "140");
    EXPECT_EQ(limits, (BandLimits{1, 2}));
    EXPECT_TRUE(image == before);

    table.band = {2, "136", "170"}; // on the edge: validated, kept, and the VFO moves
    SelectBand(table, image, limits, 0);
    EXPECT_EQ(limits, (BandLimits{13600000, 17000000}));
    EXPECT_EQ(image[0x13AB], 0x13);
}

TEST(ValidateBandEdits, ResetsOnlyEditsOutsideTheBandButAlwaysSetsTheLimits) {
    struct Case {
        const char *low, *high, *lowAfter, *highAfter;
    } cases[] = {
        {"140", "170", "140", "170"}, {"136", "174", "136", "174"}, {"135", "170", "136", "174"},
        {"140", "175", "136", "174"}, {"170", "150", "136", "174"}, {"abc", "170", "136", "174"},
    };
    for (const Case &c : cases) {
        ChannelTable table;
        table.band = {0, c.low, c.high};
        BandLimits limits;
        ValidateBandEdits(table, limits);
        EXPECT_EQ(table.band.low, c.lowAfter) << c.low << "-" << c.high;
        EXPECT_EQ(table.band.high, c.highAfter) << c.low << "-" << c.high;
        EXPECT_EQ(limits.low, std::stol(c.lowAfter) * 100000);
        EXPECT_EQ(limits.high, std::stol(c.highAfter) * 100000);
    }
}

} // namespace
} // namespace dpmr
