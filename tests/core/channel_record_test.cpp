// Channel records, aliases and digital extensions read from and written to the image.

#include "core/channels/channel_record.h"
#include "core/image/bcd.h"

#include "core_test_support.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace dpmr {
namespace {

using testing_support::DescribeDifferences;
using testing_support::Differences;
using testing_support::RandomImage;

bool Inside(std::size_t offset, std::size_t first, std::size_t size) {
    return offset >= first && offset < first + size;
}

// Every field at a value different from the factory record.
ChannelRecord BusyRecord() {
    ChannelRecord r;
    r.rxFreq = 43850000;
    r.txFreq = 43950000;
    r.rxTone = 0x8023;
    r.txTone = 0x0670;
    r.offsetFreq = 1000000;
    r.scan = false;
    r.narrow = true;
    r.talkAround = true;
    r.reverse = true;
    r.txPower = 0;
    r.signalType = 1;
    r.pttId = true;
    r.rxOnly = true;
    r.busyLock = false;
    r.offsetDir = 1;
    r.channelType = 3;
    r.vfoScan = 0x81;
    r.groupRxList = 16;
    r.contact = 64;
    r.encryptKey = 16;
    r.step = 5;
    return r;
}

TEST(ChannelRecord, OffsetsOfTheThreeTables) {
    EXPECT_EQ(ChannelRecordOffset(1), 0x0100u);
    EXPECT_EQ(ChannelRecordOffset(199), 0x1390u); // ends at 0x13A7
    EXPECT_EQ(ChannelRecordOffset(200), 0x13A8u); // the VFO
    EXPECT_EQ(ChannelAliasOffset(1), 0x3180u);
    EXPECT_EQ(ChannelAliasOffset(199), 0x3DE0u); // ends at 0x3DEF
    EXPECT_EQ(ChannelDigitalExtOffset(1), 0x3E00u);
    EXPECT_EQ(ChannelDigitalExtOffset(32), 0x3E7Cu);
    EXPECT_EQ(ChannelDigitalExtOffset(200), 0x3DF0u);
    EXPECT_THROW(ChannelRecordOffset(0), std::out_of_range);
    EXPECT_THROW(ChannelRecordOffset(201), std::out_of_range);
    EXPECT_THROW(ChannelAliasOffset(200), std::out_of_range);
    EXPECT_THROW(ChannelDigitalExtOffset(33), std::out_of_range);
}

// Whatever a radio or a file put there, reading a channel and writing it back is invisible.
TEST(ChannelRecord, ReadAndWriteBackChangesNoByteOfARandomImage) {
    for (std::uint32_t seed = 1; seed <= 8; ++seed) {
        const Image original = RandomImage(seed);
        Image image = original;
        for (int n = 1; n <= 200; ++n) {
            WriteChannel(image, n, ReadChannel(image, n));
            if (const auto ext = ReadDigitalExt(image, n))
                WriteDigitalExt(image, n, *ext);
            ASSERT_TRUE(image == original) << "seed " << seed << " channel " << n << ": "
                                           << DescribeDifferences(original, image);
        }
    }
}

TEST(ChannelRecord, AliasesAreCutTo12AndSurviveReadAndWriteBack) {
    std::mt19937 random(3);
    std::uniform_int_distribution<int> length(0, 12), printable(0x20, 0x7E);
    Image image = RandomImage(11);
    for (int n = 1; n <= 199; ++n) {
        std::string alias(static_cast<std::size_t>(length(random)), ' ');
        for (char &c : alias)
            c = static_cast<char>(printable(random));
        WriteAlias(image, n, alias);
        const Image written = image;
        EXPECT_EQ(ReadAlias(image, n), alias);
        WriteAlias(image, n, ReadAlias(image, n));
        ASSERT_TRUE(image == written) << n << ": " << DescribeDifferences(written, image);
    }
    WriteAlias(image, 1, "Repeater North 2");
    EXPECT_EQ(ReadAlias(image, 1), "Repeater Nor");
}

// Each operation on channel n touches only channel n's own bytes; channel 199 never reaches
// the VFO record (0x13A8) and its alias never reaches the VFO extension (0x3DF0).
TEST(ChannelRecord, OperationsStayInsideTheirChannel) {
    for (int n : {1, 2, 32, 33, 198, 199}) {
        const Image original = RandomImage(static_cast<std::uint32_t>(100 + n));
        Image image = original;
        WriteChannel(image, n, BusyRecord());
        // Channels leave the VFO-only bytes +19 and +23 alone (ClearChannel blanks them).
        EXPECT_EQ(image[ChannelRecordOffset(n) + 19], original[ChannelRecordOffset(n) + 19]);
        EXPECT_EQ(image[ChannelRecordOffset(n) + 23], original[ChannelRecordOffset(n) + 23]);
        ClearChannel(image, n);
        WriteChannel(image, n, BusyRecord());
        WriteAlias(image, n, "ABCDEFGHIJKLMNOP");
        WriteDigitalExt(image, n, ChannelDigitalExt{1, 2, false, 0x40, 3});
        const std::size_t ext = n <= 32 ? ChannelDigitalExtOffset(n) : 0;
        for (std::size_t offset : Differences(original, image)) {
            EXPECT_TRUE(Inside(offset, ChannelRecordOffset(n), 24) ||
                        Inside(offset, ChannelAliasOffset(n), 16) ||
                        (n <= 32 && Inside(offset, ext, 4)))
                << "channel " << n << " changed 0x" << std::hex << offset;
        }
    }
}

TEST(ChannelRecord, FieldsLandOnTheirBytesAndBits) {
    Image image;
    image.Fill(0x00);
    WriteChannel(image, 3, BusyRecord());
    const std::size_t b = ChannelRecordOffset(3);
    const std::vector<int> bytes(image.data() + b, image.data() + b + 24);
    EXPECT_EQ(bytes, (std::vector<int>{0x00, 0x00, 0x85, 0x43, 0x00, 0x00, 0x95, 0x43,
                                       0x23, 0x80, 0x70, 0x06, 0x00, 0x00, 0x00, 0x01,
                                       0x32, 0x85, 0xD0, 0x00, 0x10, 0x40, 0x10, 0x00}));
    const ChannelRecord back = ReadChannel(image, 3);
    EXPECT_EQ(back.rxFreq, 43850000u);
    EXPECT_EQ(back.txFreq, 43950000u);
    EXPECT_EQ(back.offsetFreq, 1000000u);
    EXPECT_EQ(back.rxTone, 0x8023);
    EXPECT_EQ(back.txTone, 0x0670);
    EXPECT_EQ(back.channelType, 3);
    EXPECT_EQ(back.offsetDir, 1);
    EXPECT_EQ(back.signalType, 1);
    EXPECT_TRUE(back.narrow && back.talkAround && back.reverse && back.pttId && back.rxOnly);
    EXPECT_FALSE(back.scan || back.busyLock);

    ChannelRecord empty = BusyRecord();
    empty.rxFreq.reset();
    empty.txFreq.reset();
    WriteChannel(image, 3, empty);
    EXPECT_TRUE(IsChannelEmpty(image, 3));
    for (std::size_t i = 0; i < 8; ++i)
        EXPECT_EQ(image[b + i], 0xFF) << i;
    image[b + 2] = 0x12; // only the top byte decides
    EXPECT_TRUE(IsChannelEmpty(image, 3));
    image[b + 3] = 0x00; // shown as empty, but not empty
    EXPECT_FALSE(IsChannelEmpty(image, 3));
}

TEST(ChannelRecord, ReservedBitsSurviveEveryFieldChange) {
    Image image;
    image.Fill(0x00);
    const std::size_t b = ChannelRecordOffset(40);
    image[b + 16] = 0x0C; // bits 2-3
    image[b + 17] = 0x78; // bits 3-6
    image[b + 18] = 0x0E; // bits 1-3 (bit 1 is cleared by the editors, not here)
    ChannelRecord r = ReadChannel(image, 40);
    WriteChannel(image, 40, BusyRecord());
    EXPECT_EQ(image[b + 16] & 0x0C, 0x0C);
    EXPECT_EQ(image[b + 17] & 0x78, 0x78);
    EXPECT_EQ(image[b + 18] & 0x0E, 0x0E);
    r.rxFreq = 44000000;
    WriteChannel(image, 40, r); // every flag back to 0
    EXPECT_EQ(image[b + 16], 0x0C);
    EXPECT_EQ(image[b + 17], 0x78);
    EXPECT_EQ(image[b + 18], 0x0E);
}

TEST(ChannelRecord, TxPowerOneAndTwoReadBackAsStored) {
    Image image;
    for (std::uint8_t bits : {1, 2}) {
        image[ChannelRecordOffset(9) + 16] = static_cast<std::uint8_t>(bits << 6 | 0x01);
        EXPECT_EQ(ReadChannel(image, 9).txPower, bits);
        ChannelRecord r = ReadChannel(image, 9);
        WriteChannel(image, 9, r);
        EXPECT_EQ(image[ChannelRecordOffset(9) + 16], bits << 6 | 0x01);
    }
}

TEST(ChannelRecord, ClearChannelWritesTheCanonicalEmptyRecord) {
    Image image = RandomImage(5);
    const Image before = image;
    ClearChannel(image, 12);
    const std::size_t b = ChannelRecordOffset(12);
    const std::vector<int> bytes(image.data() + b, image.data() + b + 24);
    EXPECT_EQ(bytes, (std::vector<int>{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                       0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x06, 0x00,
                                       0xC1, 0x00, 0x41, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    for (std::size_t offset : Differences(before, image))
        EXPECT_TRUE(Inside(offset, b, 24)) << std::hex << offset; // alias and ext untouched
    EXPECT_TRUE(IsChannelEmpty(image, 12));
}

TEST(ChannelDigitalExt, ChannelsAbove32HaveNone) {
    for (int n : {33, 100, 199}) {
        Image image = RandomImage(static_cast<std::uint32_t>(n));
        const Image before = image;
        EXPECT_FALSE(ReadDigitalExt(image, n).has_value()) << n;
        WriteDigitalExt(image, n, ChannelDigitalExt{1, 2, false, 0x10, 4});
        EXPECT_TRUE(image == before) << n << ": " << DescribeDifferences(before, image);
    }
    Image image;
    EXPECT_TRUE(ReadDigitalExt(image, 32).has_value());
    EXPECT_TRUE(ReadDigitalExt(image, 200).has_value());
}

TEST(ChannelDigitalExt, FieldsAndPreservedBits) {
    Image image;
    const std::size_t e = ChannelDigitalExtOffset(32);
    image[e + 2] = 0x06; // bits 1-2 are not ours
    WriteDigitalExt(image, 32, ChannelDigitalExt{5, 63, true, 0x80, 31});
    EXPECT_EQ(image[e + 0], 5);
    EXPECT_EQ(image[e + 1], 63);
    EXPECT_EQ(image[e + 2], 0x87);
    EXPECT_EQ(image[e + 3], 31);
    WriteDigitalExt(image, 32, ChannelDigitalExt{0xFF, 0xFF, false, 0x20, 0});
    EXPECT_EQ(image[e + 2], 0x26);
    const auto ext = ReadDigitalExt(image, 32);
    ASSERT_TRUE(ext.has_value());
    EXPECT_EQ(ext->dataType, 0x20);
    EXPECT_FALSE(ext->oacsu);
    EXPECT_EQ(ext->rxColor, 0xFF);
}

TEST(ChannelDigitalExt, DataTypePatternsOtherThanOneBitReadAsDataType1) {
    Image image;
    const std::size_t e = ChannelDigitalExtOffset(1);
    for (int pattern = 0; pattern < 32; ++pattern) {
        image[e + 2] = static_cast<std::uint8_t>(pattern << 3 | 0x01);
        const int single = pattern != 0 && (pattern & (pattern - 1)) == 0 ? pattern << 3 : 0x08;
        EXPECT_EQ(ReadDigitalExt(image, 1)->dataType, single) << pattern;
        EXPECT_TRUE(ReadDigitalExt(image, 1)->oacsu);
    }
    // An unnamed pattern stays until another data type is chosen.
    image[e + 2] = 0x18;
    WriteDigitalExt(image, 1, *ReadDigitalExt(image, 1));
    EXPECT_EQ(image[e + 2], 0x18);
    ChannelDigitalExt changed = *ReadDigitalExt(image, 1);
    changed.dataType = 0x40;
    WriteDigitalExt(image, 1, changed);
    EXPECT_EQ(image[e + 2], 0x40);
}

} // namespace
} // namespace dpmr
