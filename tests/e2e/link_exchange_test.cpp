// Completed exchanges with the virtual radio: every byte of 0x0100-0x3FFF both ways for each
// band variant, the frames on the line, the progress the dialog shows and the band limit rule.

#include "link_test_support.h"

#include "core/image/bcd.h"
#include "core/image/factory_defaults.h"
#include "core/link/link_protocol.h"

#include <gtest/gtest.h>

namespace dpmr::test {
namespace {

struct Band {
    const char *name;
    std::int64_t low, high; // 10 Hz units
};

class ExchangePerBand : public ::testing::TestWithParam<Band> {};

// The headers of the 504 block frames, in order.
std::vector<std::vector<std::uint8_t>> BlockHeaders(const LinkRig &rig, std::uint8_t command) {
    std::vector<std::vector<std::uint8_t>> headers;
    for (const auto &event : rig.SentEvents())
        if (event.bytes.size() == kFrameHeaderSize && event.bytes[0] == command)
            headers.push_back(event.bytes);
    return headers;
}

void ExpectProgressOfCompletedExchange(const LinkRig &rig) {
    const RecordingObserver &seen = rig.observer;
    EXPECT_EQ(seen.disableStarts, 1);
    EXPECT_EQ(seen.position, 504);
    ASSERT_EQ(seen.percents.size(), 504u);
    EXPECT_EQ(seen.percents[0], "0%");
    EXPECT_EQ(seen.percents[251], "50%");
    EXPECT_EQ(seen.percents[502], "99%");
    EXPECT_EQ(seen.percents[503], "100%");
    EXPECT_TRUE(seen.messages.empty());
    EXPECT_EQ(seen.closeRequests, 1);
    EXPECT_EQ(seen.busyAtClose, 0);
}

TEST_P(ExchangePerBand, ReadsAndWritesEveryByteOfTheLinkRange) {
    const Band band = GetParam();
    TempDir dir;
    const Image radioMemory = RandomImage(7);
    SaveImage(dir.File("radio.dat"), radioMemory);
    LinkRig rig;
    std::string error;
    ASSERT_TRUE(rig.Start(
        {"--band", band.name, "--load", dir.File("radio.dat"), "--save", dir.File("saved.dat")},
        error))
        << error;

    // Read into an image whose file-only bytes differ from the radio's.
    const Image base = RandomImage(8);
    const LinkOutcome read = rig.Run(LinkDirection::Read, base);
    ASSERT_TRUE(read.completed);
    EXPECT_TRUE(SameRange(read.image, radioMemory, kLinkFirst, kLinkEnd));
    EXPECT_TRUE(SameRange(read.image, base, 0, kLinkFirst)) << "0x0000-0x00FF are file-only";
    EXPECT_EQ(read.identifiedLow, band.low);
    EXPECT_EQ(read.identifiedHigh, band.high);
    ExpectProgressOfCompletedExchange(rig);
    const auto readHeaders = BlockHeaders(rig, kReadCommand);
    ASSERT_EQ(readHeaders.size(), 504u);
    EXPECT_EQ(readHeaders.front(), Bytes({0x52, 0x01, 0x00, 0x20}));
    EXPECT_EQ(readHeaders.back(), Bytes({0x52, 0x3F, 0xE0, 0x20}));
    EXPECT_EQ(rig.SentEvents().back().bytes, Bytes(kTrailerRead));
    EXPECT_EQ(rig.LastSendOf(Bytes(kTrailerWrite)), -1);

    // Write a different image; the radio keeps its own 0x0000-0x00FF.
    const Image written = RandomImage(9);
    const LinkOutcome write = rig.Run(LinkDirection::Write, written);
    ASSERT_TRUE(write.completed);
    EXPECT_EQ(write.image, written);
    ExpectProgressOfCompletedExchange(rig);
    const auto writeHeaders = BlockHeaders(rig, kWriteCommand);
    ASSERT_EQ(writeHeaders.size(), 504u);
    EXPECT_EQ(writeHeaders.front(), Bytes({0x57, 0x01, 0x00, 0x20}));
    EXPECT_EQ(writeHeaders.back(), Bytes({0x57, 0x3F, 0xE0, 0x20}));
    EXPECT_EQ(rig.SentEvents().back().bytes, Bytes(kTrailerWrite));
    ASSERT_TRUE(WaitForFile(dir.File("saved.dat"), kImageSize));
    const Image saved = LoadImage(dir.File("saved.dat"));
    EXPECT_TRUE(SameRange(saved, written, kLinkFirst, kLinkEnd));
    EXPECT_TRUE(SameRange(saved, radioMemory, 0, kLinkFirst));

    // A third exchange on the same line reads back what was written.
    const LinkOutcome again = rig.Run(LinkDirection::Read, base);
    ASSERT_TRUE(again.completed);
    EXPECT_TRUE(SameRange(again.image, written, kLinkFirst, kLinkEnd));
    EXPECT_EQ(rig.flags.busy, 0);
}

INSTANTIATE_TEST_SUITE_P(Bands, ExchangePerBand,
                         ::testing::Values(Band{"136-174", 13600000, 17400000},
                                           Band{"350-390", 35000000, 39000000},
                                           Band{"400-470", 40000000, 47000000}),
                         [](const auto &info) { return "Band" + NameOf(info.param.name); });

// The band limits come from the identification only when the radio holds none (0x3FA3 0xFF).
struct BandLimitCase {
    const char *band;
    std::vector<std::uint8_t> radioLimits; // 0x3FA0-0x3FA7 in the radio
    std::vector<std::uint8_t> readLimits;  // 0x3FA0-0x3FA7 after the read
};

class BandLimitsAfterRead : public ::testing::TestWithParam<BandLimitCase> {};

TEST_P(BandLimitsAfterRead, FollowTheIdentificationOnlyWhenTheRadioHasNone) {
    const BandLimitCase c = GetParam();
    TempDir dir;
    Image radioMemory = RandomImage(11);
    std::copy(c.radioLimits.begin(), c.radioLimits.end(), radioMemory.data() + kBandLowLimit);
    SaveImage(dir.File("radio.dat"), radioMemory);
    LinkRig rig;
    std::string error;
    ASSERT_TRUE(rig.Start({"--band", c.band, "--load", dir.File("radio.dat")}, error)) << error;
    Image base;
    WriteFactoryDefaults(base, BandLimits{});
    const LinkOutcome read = rig.Run(LinkDirection::Read, base);
    ASSERT_TRUE(read.completed);
    EXPECT_EQ(std::vector<std::uint8_t>(read.image.data() + kBandLowLimit,
                                        read.image.data() + kBandLowLimit + 8),
              c.readLimits);
    // Nothing else differs from the radio.
    Image expected = radioMemory;
    std::copy(c.readLimits.begin(), c.readLimits.end(), expected.data() + kBandLowLimit);
    EXPECT_TRUE(SameRange(read.image, expected, kLinkFirst, kLinkEnd));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BandLimitsAfterRead,
    ::testing::Values(
        BandLimitCase{"400-470", Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}),
                      Bytes({0x00, 0x00, 0x00, 0x40, 0x00, 0x00, 0x00, 0x47})},
        BandLimitCase{"136-174", Bytes({0x12, 0x34, 0x56, 0xFF, 0x00, 0x00, 0x00, 0x00}),
                      Bytes({0x00, 0x00, 0x60, 0x13, 0x00, 0x00, 0x40, 0x17})},
        // 0x3FA3 is 0x47: whatever the radio holds stays, even against its identification.
        BandLimitCase{"136-174", Bytes({0x12, 0x34, 0x56, 0x47, 0xAB, 0xCD, 0xEF, 0xFF}),
                      Bytes({0x12, 0x34, 0x56, 0x47, 0xAB, 0xCD, 0xEF, 0xFF})}),
    [](const auto &info) {
        return std::string(info.index == 0   ? "BlankLimits"
                           : info.index == 1 ? "Blank0x3FA3"
                                             : "LimitsKept");
    });

} // namespace
} // namespace dpmr::test
