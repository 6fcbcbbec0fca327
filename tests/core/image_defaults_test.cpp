// A new image, the band limit mirror, and the derived tables rebuilt before every save and
// every write to the radio.

#include "core/image/band_limits.h"
#include "core/image/bcd.h"
#include "core/image/derived_data.h"
#include "core/image/factory_defaults.h"

#include "core_test_support.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace dpmr {
namespace {

using testing_support::DescribeDifferences;
using testing_support::Differences;

const BandLimits kUhf{40000000, 47000000};

void Put(Image &image, std::size_t offset, std::initializer_list<int> bytes) {
    for (int byte : bytes)
        image[offset++] = static_cast<std::uint8_t>(byte);
}

std::size_t Record(int n) {
    return 0x0100 + 24 * static_cast<std::size_t>(n - 1);
}
std::size_t Contact(int k) {
    return 0x1680 + 16 * static_cast<std::size_t>(k - 1);
}
std::size_t Message(int m) {
    return 0x1A80 + 128 * static_cast<std::size_t>(m - 1);
}

// The new image written out byte by byte from the factory table, independently of the code.
Image ExpectedNewImage() {
    Image image;
    image.Fill(0xFF);
    Put(image, 0x0000, {0x01, 0x00, 0x00, 0x00});
    Put(image, 0x0040, {0x00, 0x00, 0x00, 0x00});
    Put(image, 0x0048, {0x00, 0x08});
    Put(image, 0x004C, {0x00, 0x08, 0x00, 0x08, 0x10});
    Put(image, 0x0052, {0x39, 0x39});
    Put(image, 0x005C, {0x00, 0x08, 0x00, 0x08, 0x10});
    Put(image, 0x0062, {0x39, 0x39});
    Put(image, 0x0068,
        {0x00, 0x08, 0x00, 0x10, 0x00, 0x10, 0x00, 0x10, 0x10, 0x39, 0x20, 0xEA, 0x00, 0x00});
    Put(image, 0x0078, {0x10, 0x39});
    Put(image, 0x007C, {0x00, 0x08});
    Put(image, 0x0080, {0x7F, 0x39, 0x39});
    Put(image, 0x1420, {0x05, 0x04, 0x0A, 0x00});
    Put(image, 0x1427, {0xCE, 0x1E, 0x00, 0x00, 0x00, 0x00});
    Put(image, 0x1430, {0x00, 0x05, 0x0A});
    Put(image, 0x1438, {0xDC, 0x01, 0xF8, 0x00});
    Put(image, 0x1440, {0x0A});
    Put(image, 0x1442,
        {0x00, 0x00, 0x03, 0x03, 0x0A, 0x00, 0x02, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00});
    Put(image, 0x1450, {0x0A, 0x00});
    Put(image, 0x1490, {0xFF});
    Put(image, 0x14C0, {0x01, 0x00, 0x1E});
    Put(image, 0x14C4, {0x1E});
    Put(image, 0x14C7, {0x8C, 0x00});
    Put(image, 0x14CA, {0x00});
    Put(image, 0x14F0, {0x00, 0x00});
    Put(image, 0x14F4, {0x0A, 0x05, 0x08, 0x00});
    Put(image, 0x1500, {0x00, 0x0A, 0x0A});
    Put(image, 0x1508, {0x00, 0x0A, 0x05, 0x0A});
    Put(image, 0x150E, {0x1E, 0x3C, 0x00, 0x19, 0x01});
    Put(image, 0x1518, {0x07});
    Put(image, 0x1528, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01});
    Put(image, 0x1530, {0x09, 0x09, 0x09, 0x09, 0x09, 0x09, 0x08});
    Put(image, 0x1538, {0x05, 0x01, 0x07, 0x03, 0x08, 0x02, 0x00}); // 5173820
    Put(image, 0x1540, {0x05, 0x01, 0x07, 0x03, 0x08, 0x02, 0x01}); // 5173821
    Put(image, 0x1549, {0x00, 0x03, 0x04});
    Put(image, 0x154F, {0x00, 0x00});
    Put(image, 0x1556, {0x00, 0x00});
    Put(image, 0x1600, {0x80, 0x16});
    Put(image, 0x1680, {0, 0, 0, 0, 0, 0, 1, 1, 'N', 'a', 'm', 'e', ' ', '1', 0xFF, 0xFF});
    Put(image, 0x3000, {0x64, 0x01, 0x00, 0x00});
    Put(image, 0x3005, {0x00});
    Put(image, 0x3007, {0x01, 0x0A, 0x32});
    Put(image, 0x3030, {0x0E, 0x04});
    Put(image, 0x3034, {0x0A});
    Put(image, 0x3037, {0x01});
    for (int n = 1; n <= 199; ++n) {
        Put(image, Record(n) + 0x0C, {0x00, 0x00, 0x06, 0x00, 0xC1, 0x00, 0x41});
        image[Record(n) + 0x14] = 0x01;
    }
    Put(image, 0x13B4, {0x00, 0x00, 0x06, 0x00, 0xC1, 0x00, 0x41, 0x00, 0x01});
    image[0x13BF] = 0x03;
    Put(image, 0x3FA0, {0x00, 0x00, 0x00, 0x40, 0x00, 0x00, 0x00, 0x47});
    return image;
}

Image NewImage(const BandLimits &band = kUhf) {
    Image image = testing_support::RandomImage(7); // nothing of the old content may remain
    WriteFactoryDefaults(image, band);
    return image;
}

TEST(FactoryDefaults, EveryByteOfANewImage) {
    const Image expected = ExpectedNewImage();
    const Image image = NewImage();
    EXPECT_TRUE(image == expected) << DescribeDifferences(expected, image);
}

TEST(FactoryDefaults, TheCurrentBandGoesIntoTheMirror) {
    const Image image = NewImage({13600000, 17400000});
    const std::vector<int> mirror(image.data() + 0x3FA0, image.data() + 0x3FA8);
    EXPECT_EQ(mirror, (std::vector<int>{0x00, 0x00, 0x60, 0x13, 0x00, 0x00, 0x40, 0x17}));
    EXPECT_EQ(DecodeBandLimits(image), (BandLimits{13600000, 17400000}));
}

TEST(RefreshDerivedData, OnANewImageChangesOnlyTheDerivedBytes) {
    const Image before = NewImage();
    Image expected = before;
    expected.Fill(0x14D0, 25, 0x00);
    expected.Fill(0x3160, 25, 0x00);
    expected[0x3FB8] = 0xFF; // no valid channel
    expected[0x3FBB] = 0x00;
    for (int m = 1; m <= 16; ++m)
        expected[Message(m) + 127] = 0x7F;
    for (int k = 1; k <= 64; ++k)
        expected[Contact(k) + 7] &= 0x7F;            // no channel uses a contact
    Put(expected, 0x13AC, {0x00, 0x00, 0x00, 0x40}); // VFO tx: empty becomes the low limit
    // The VFO rx stays empty: an empty frequency counts as the low limit, which passes.

    Image image = before;
    RefreshDerivedData(image, kUhf);
    EXPECT_TRUE(image == expected) << DescribeDifferences(expected, image);
    EXPECT_EQ(image[0x13AB], 0xFF);

    Image again = image;
    RefreshDerivedData(again, kUhf);
    EXPECT_TRUE(again == image) << "a second pass changed " << DescribeDifferences(image, again);
}

// Channels with receive frequencies on and around the band edges.
class DerivedChannels : public ::testing::Test {
protected:
    void SetUp() override { image = NewImage(); }
    void SetRx(int n, std::uint64_t units) { WriteFrequency(image, Record(n), units); }
    void Refresh() { RefreshDerivedData(image, kUhf); }
    bool Valid(int n) const { return ChannelBit(image, 0x3160, n); }
    bool Scanned(int n) const { return ChannelBit(image, 0x14D0, n); }
    bool ContactUsed(int k) const { return (image[Contact(k) + 7] & 0x80) != 0; }
    bool MessageUsed(int m) const { return (image[Message(m) + 127] & 0x80) != 0; }
    Image image;
};

TEST_F(DerivedChannels, BandEdgesAreInclusive) {
    SetRx(5, 47000000);              // 470.00000 MHz
    SetRx(6, 47000001);              // 470.00001 MHz
    SetRx(7, 40000000);              // 400.00000 MHz
    SetRx(8, 39999999);              // just below
    image[Record(7) + 0x10] &= 0xFE; // valid but not a scan member
    image.Fill(0x3160, 25, 0xFF);    // stale bits must go
    image.Fill(0x14D0, 25, 0xFF);
    Refresh();
    EXPECT_TRUE(Valid(5));
    EXPECT_FALSE(Valid(6));
    EXPECT_TRUE(Valid(7));
    EXPECT_FALSE(Valid(8));
    EXPECT_TRUE(Scanned(5));
    EXPECT_FALSE(Scanned(6)); // a scan member, but out of the band
    EXPECT_FALSE(Scanned(7));
    EXPECT_EQ(image[0x3FB8], 5);
    for (int n = 1; n <= 199; ++n)
        EXPECT_EQ(Valid(n) || Scanned(n), n == 5 || n == 7) << n;
    EXPECT_EQ(image[0x3178], 0x00); // bit 7 of the last byte belongs to no channel
    EXPECT_EQ(image[0x14E8], 0x00);
}

TEST_F(DerivedChannels, BitmapPositionsAndFirstValidChannel) {
    for (int n : {1, 8, 9, 199})
        SetRx(n, 44000000);
    Refresh();
    EXPECT_EQ(image[0x3160], 0x81); // channels 1 and 8
    EXPECT_EQ(image[0x3161], 0x01); // channel 9
    EXPECT_EQ(image[0x3178], 0x40); // channel 199
    EXPECT_EQ(image[0x14D0], 0x81);
    EXPECT_EQ(image[0x14E8], 0x40);
    EXPECT_EQ(image[0x3FB8], 1);

    image = NewImage();
    SetRx(199, 44000000);
    Refresh();
    EXPECT_EQ(image[0x3FB8], 199);

    SetRx(199, 48000000); // the only valid channel leaves the band
    Refresh();
    EXPECT_EQ(image[0x3FB8], 0xFF);
}

TEST_F(DerivedChannels, ContactsCountWhetherOrNotTheChannelIsValid) {
    SetRx(10, 48000000); // out of band
    image[Record(10) + 0x15] = 3;
    SetRx(11, 44000000);
    image[Record(11) + 0x15] = 64;
    image[Record(12) + 0x15] = 2;  // an empty channel still counts
    image[Record(13) + 0x15] = 65; // no such contact
    image[Record(14) + 0x15] = 0;
    image[Contact(3) + 7] = 0x05; // other flag bits survive
    image[Contact(4) + 7] = 0x81; // used before, not any more
    image[0x1427] = 0x00;
    Refresh();
    EXPECT_TRUE(ContactUsed(3));
    EXPECT_EQ(image[Contact(3) + 7], 0x85);
    EXPECT_TRUE(ContactUsed(64));
    EXPECT_TRUE(ContactUsed(2));
    EXPECT_EQ(image[Contact(4) + 7], 0x01);
    EXPECT_FALSE(ContactUsed(1));
    EXPECT_EQ(image[0x1427], 0x02); // bit 1 is set, the rest left alone
}

TEST_F(DerivedChannels, OneKeyEntriesMarkTheirContactAndMessage) {
    const std::size_t entry = 0x1468;
    Put(image, entry + 0, {1, 10, 2, 4});   // contact 10, message 4
    Put(image, entry + 8, {1, 0, 1, 7});    // not a message call: +3 is cleared
    Put(image, entry + 16, {0, 20, 2, 9});  // not in use: untouched
    Put(image, entry + 24, {1, 65, 2, 17}); // out of range: nothing marked, +3 kept
    Put(image, entry + 32, {1, 64, 2, 16});
    image[Message(4) + 127] = 0x12;
    image[Message(5) + 127] = 0x92; // only bit 7 is cleared
    Refresh();
    EXPECT_TRUE(ContactUsed(10));
    EXPECT_EQ(image[Message(4) + 127], 0x92);
    EXPECT_EQ(image[Message(5) + 127], 0x12);
    EXPECT_EQ(image[entry + 11], 0);
    EXPECT_FALSE(MessageUsed(7));
    EXPECT_FALSE(ContactUsed(20));
    EXPECT_FALSE(MessageUsed(9));
    EXPECT_EQ(image[entry + 19], 9);
    EXPECT_EQ(image[entry + 27], 17);
    EXPECT_TRUE(ContactUsed(64));
    EXPECT_TRUE(MessageUsed(16));
    for (int m : {1, 2, 3, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15})
        EXPECT_FALSE(MessageUsed(m)) << m;
}

TEST_F(DerivedChannels, VfoScanModeNeedsADefinedPmsEntry) {
    const std::size_t pms3 = 0x13C0 + 8 * 2, pms10 = 0x13C0 + 8 * 9;
    auto scanModeAfter = [&](std::uint8_t mode, std::size_t pms, std::uint8_t lowTop,
                             std::uint8_t highTop) {
        image = NewImage();
        image[0x13BB] = mode;
        Put(image, pms, {0x00, 0x00, 0x00, lowTop, 0x00, 0x00, 0x00, highTop});
        Refresh();
        return image[0x13BB];
    };
    EXPECT_EQ(scanModeAfter(0x82, pms3, 0x43, 0x44), 0x82);
    EXPECT_EQ(scanModeAfter(0x82, pms3, 0x43, 0xFF), 0x00);
    EXPECT_EQ(scanModeAfter(0x82, pms3, 0x00, 0x44), 0x00);
    EXPECT_EQ(scanModeAfter(0x89, pms10, 0x43, 0x44), 0x89);
    EXPECT_EQ(scanModeAfter(0x89, pms10, 0xFF, 0x44), 0x00);
    EXPECT_EQ(scanModeAfter(0x8A, pms10, 0xFF, 0xFF), 0x8A); // not a PMS entry
    EXPECT_EQ(scanModeAfter(0x05, pms3, 0xFF, 0xFF), 0x05);
}

TEST_F(DerivedChannels, VfoFrequenciesAreBroughtIntoTheBand) {
    auto after = [&](std::size_t offset, std::initializer_list<int> bytes) {
        image = NewImage();
        Put(image, offset, bytes);
        Refresh();
        return ReadFrequency(image, offset);
    };
    // Receive: low <= v < high stays; the high edge itself is replaced.
    EXPECT_EQ(after(0x13A8, {0x99, 0x99, 0x99, 0x46}), 46999999u);
    EXPECT_EQ(after(0x13A8, {0x00, 0x00, 0x00, 0x47}), 40000000u);
    EXPECT_EQ(after(0x13A8, {0x00, 0x00, 0x00, 0x40}), 40000000u);
    EXPECT_EQ(after(0x13A8, {0x99, 0x99, 0x99, 0x39}), 40000000u);
    EXPECT_EQ(after(0x13A8, {0x00, 0x00, 0x00, 0x00}), 0u); // empty stays empty
    EXPECT_EQ(image[0x13AB], 0x00);
    // Transmit: low < v <= high stays; empty or the low edge become the low edge.
    EXPECT_EQ(after(0x13AC, {0x00, 0x00, 0x00, 0x47}), 47000000u);
    EXPECT_EQ(after(0x13AC, {0x01, 0x00, 0x00, 0x47}), 40000000u);
    EXPECT_EQ(after(0x13AC, {0x01, 0x00, 0x00, 0x40}), 40000001u);
    EXPECT_EQ(after(0x13AC, {0x00, 0x00, 0x00, 0x00}), 40000000u);
    EXPECT_EQ(image[0x13AF], 0x40);
}

} // namespace
} // namespace dpmr
