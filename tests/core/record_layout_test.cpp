// Every record layout is one table of descriptors: the fields of a record never share a bit
// and each stays inside its record.

#include "core/image/record_layouts.h"

#include <gtest/gtest.h>

#include <span>
#include <vector>

namespace {

using namespace dpmr;

void ExpectDisjointAndInside(std::span<const NamedLayout> fields, std::size_t recordSize) {
    std::vector<std::uint8_t> owner(recordSize, 0);
    for (const NamedLayout &field : fields) {
        const FieldLayout &layout = field.layout;
        ASSERT_LE(layout.offset + layout.size, recordSize) << field.name;
        if (layout.codec == Codec::Bits) {
            EXPECT_EQ(layout.size, 1u) << field.name;
            EXPECT_LE(layout.shift + layout.width, 8u) << field.name;
        }
        for (std::size_t i = 0; i < layout.size; ++i) {
            std::uint8_t &bits = owner[layout.offset + i];
            EXPECT_EQ(bits & layout.Mask(), 0) << field.name << " overlaps at +" << layout.offset;
            bits |= layout.Mask();
        }
    }
}

TEST(RecordLayouts, FieldsNeverShareABitAndFitTheirRecord) {
    ExpectDisjointAndInside(channel_layout::kFields, kChannelRecordSize);
    ExpectDisjointAndInside(alias_layout::kFields, kAliasSlotSize);
    ExpectDisjointAndInside(digital_ext_layout::kFields, kDigitalExtSize);
    ExpectDisjointAndInside(contact_layout::kFields, kContactRecordSize);
    ExpectDisjointAndInside(pms_layout::kFields, kPmsEntrySize);
}

TEST(RecordLayouts, ChannelRecordLeavesOnlyTheReservedBitsUnnamed) {
    // Bits 2-3 of +16 and bits 3-6 of +17 are the reserved bits every store keeps.
    std::vector<std::uint8_t> owner(kChannelRecordSize, 0);
    for (const NamedLayout &field : channel_layout::kFields)
        for (std::size_t i = 0; i < field.layout.size; ++i)
            owner[field.layout.offset + i] |= field.layout.Mask();
    for (std::size_t i = 0; i < kChannelRecordSize; ++i) {
        const std::uint8_t expected = i == 16 ? 0xF3 : i == 17 ? 0x87 : 0xFF;
        EXPECT_EQ(owner[i], expected) << "+" << i;
    }
}

TEST(RecordLayouts, NumberCodecsWriteOnlyTheirOwnBits) {
    Image image;
    image.Fill(0x00);
    WriteNumber(image, 0x100, channel_layout::kOffsetDir, 3);
    EXPECT_EQ(image[0x112], 0x30);
    image[0x112] = 0xFF;
    WriteNumber(image, 0x100, channel_layout::kOffsetDir, 1);
    EXPECT_EQ(image[0x112], 0xDF);
    WriteNumber(image, 0x100, channel_layout::kOffsetFreq, 60000);
    EXPECT_EQ(image[0x10C], 0x00);
    EXPECT_EQ(image[0x10E], 0x06);
    EXPECT_EQ(ReadNumber(image, 0x100, channel_layout::kOffsetFreq), 60000u);
}

TEST(RecordLayouts, ContactNumbersUseContactDigitCodes) {
    Image image;
    WriteString(image, 0x1680, contact_layout::kNumber, "12*4");
    EXPECT_EQ(image[0x1682], 0x0A);
    EXPECT_EQ(image[0x1684], 0xFF);
    EXPECT_EQ(ReadString(image, 0x1680, contact_layout::kNumber), "12*4");
}

} // namespace
