// The VFO editor's rules without widgets: what record 200 shows and stores, the derived
// transmit frequency and the offset checks, and the fallbacks of the VFO's own choosers.

#include "core/channels/vfo_editor.h"
#include "core/image/bcd.h"
#include "core/image/derived_data.h"
#include "core/image/factory_defaults.h"
#include "core/image/record_layouts.h"
#include "core_test_support.h"

#include <gtest/gtest.h>

namespace {

using namespace dpmr;

const BandLimits k400{40000000, 47000000};
constexpr std::size_t kVfo = 0x13A8;

using testing_support::NewImage;

void DefinePms(Image &image, int k) {
    WriteNumber(image, PmsEntryOffset(k), pms_layout::kLow, 43000000);
    WriteNumber(image, PmsEntryOffset(k), pms_layout::kHigh, 44000000);
}

struct Vfo {
    Image image = NewImage();
    FieldTexts texts;
    VfoDirection direction;
    void Load() {
        texts = LoadVfoEditor({image, k400});
        direction.remembered = texts[kVfoEditOffsetDir];
    }
    void Store() { StoreVfoEditor(image, k400, texts); }
    FieldContext Context() { return {image, k400}; }
};

TEST(VfoEditor, AnUnsetReceiveFrequencyOpensAtTheLowerLimitAndIsStoredSo) {
    Vfo vfo;
    ASSERT_EQ(vfo.image[kVfo + 3], 0xFF);
    vfo.Load();
    EXPECT_EQ(vfo.texts[kEditRxFreq], "400.000000");
    EXPECT_EQ(vfo.texts[kEditTxFreq], "400.000000");
    EXPECT_EQ(vfo.texts[kVfoEditOffsetFreq], "0.600000");
    // The VFO is never an empty record: the channel controls show their values.
    EXPECT_EQ(vfo.texts[kEditTxPower], "High");
    vfo.Store();
    EXPECT_EQ(ReadNumber(vfo.image, kVfo, channel_layout::kRxFreq), 40000000u);
    EXPECT_EQ(ReadNumber(vfo.image, kVfo, channel_layout::kTxFreq), 40000000u);
    // Even an emptied receive text leaves a frequency in the record.
    vfo.texts[kEditRxFreq] = "";
    vfo.Store();
    EXPECT_EQ(ReadNumber(vfo.image, kVfo, channel_layout::kRxFreq), 40000000u);
}

TEST(VfoEditor, AnOffsetThatLeavesTheBandTurnsTheDirectionOff) {
    Vfo vfo;
    vfo.Load();
    vfo.texts[kEditRxFreq] = "465";
    CommitVfoReceive(vfo.Context(), vfo.texts, vfo.direction);
    vfo.texts[kVfoEditOffsetFreq] = "10";
    CommitVfoOffset(vfo.Context(), vfo.texts, vfo.direction);
    vfo.texts[kVfoEditOffsetDir] = "+";
    CommitOffsetDirection(vfo.Context(), vfo.texts, vfo.direction);
    EXPECT_EQ(vfo.texts[kVfoEditOffsetDir], "Off");
    EXPECT_EQ(vfo.texts[kEditTxFreq], "465.000000");
    // Off is what the controls now say, so the offset edit may not be edited either.
    EXPECT_FALSE(IsOffsetEditable(vfo.texts));
    // Choosing "+" again checks again; "-" fits.
    vfo.texts[kVfoEditOffsetDir] = "+";
    CommitOffsetDirection(vfo.Context(), vfo.texts, vfo.direction);
    EXPECT_EQ(vfo.texts[kVfoEditOffsetDir], "Off");
    vfo.texts[kVfoEditOffsetDir] = "-";
    CommitOffsetDirection(vfo.Context(), vfo.texts, vfo.direction);
    EXPECT_EQ(vfo.texts[kEditTxFreq], "455.000000");
    EXPECT_TRUE(IsOffsetEditable(vfo.texts));
    // A receive commit that pushes the transmit frequency out of the band turns it off too.
    vfo.texts[kEditRxFreq] = "405";
    CommitVfoReceive(vfo.Context(), vfo.texts, vfo.direction);
    EXPECT_EQ(vfo.texts[kVfoEditOffsetDir], "Off");
    EXPECT_EQ(vfo.direction.remembered, "Off");
    EXPECT_EQ(vfo.texts[kEditTxFreq], "405.000000");
}

TEST(VfoEditor, TransmitIsReceiveMinusTheSnappedOffset) {
    Vfo vfo;
    vfo.Load();
    vfo.texts[kEditRxFreq] = "438.5";
    CommitVfoReceive(vfo.Context(), vfo.texts, vfo.direction);
    vfo.texts[kVfoEditOffsetDir] = "-";
    CommitOffsetDirection(vfo.Context(), vfo.texts, vfo.direction);
    vfo.texts[kVfoEditOffsetFreq] = "5";
    CommitVfoOffset(vfo.Context(), vfo.texts, vfo.direction);
    EXPECT_EQ(vfo.texts[kVfoEditOffsetFreq], "5.00000");
    EXPECT_EQ(vfo.texts[kEditTxFreq], "433.500000");
    vfo.Store();
    EXPECT_EQ(ReadNumber(vfo.image, kVfo, channel_layout::kTxFreq), 43350000u);
    EXPECT_EQ(ReadNumber(vfo.image, kVfo, channel_layout::kOffsetFreq), 500000u);
    EXPECT_EQ(ReadNumber(vfo.image, kVfo, channel_layout::kOffsetDir), 2u);
    // Picking the direction that is already acted on leaves the shown transmit text alone.
    vfo.texts[kEditTxFreq] = "439.000000";
    CommitOffsetDirection(vfo.Context(), vfo.texts, vfo.direction);
    EXPECT_EQ(vfo.texts[kEditTxFreq], "439.000000");
}

TEST(VfoEditor, OffsetsBeyondFiftyMegahertzOrBelowZeroBecomeTheDefault) {
    Vfo vfo;
    vfo.Load();
    for (const char *typed : {"60", "-1"}) {
        vfo.texts[kVfoEditOffsetFreq] = typed;
        CommitVfoOffset(vfo.Context(), vfo.texts, vfo.direction);
        EXPECT_EQ(vfo.texts[kVfoEditOffsetFreq], "0.60000") << typed;
    }
    vfo.texts[kVfoEditOffsetFreq] = "0.0031";
    CommitVfoOffset(vfo.Context(), vfo.texts, vfo.direction);
    EXPECT_EQ(vfo.texts[kVfoEditOffsetFreq], "0.00313"); // 3.125 kHz, five decimals
    // Stored without the commit (the command-line tool), the same range holds.
    vfo.texts[kVfoEditOffsetFreq] = "75";
    vfo.Store();
    EXPECT_EQ(ReadNumber(vfo.image, kVfo, channel_layout::kOffsetFreq), 60000u);
    vfo.texts[kVfoEditOffsetFreq] = "";
    vfo.Store();
    EXPECT_FALSE(IsFrequencyPresent(vfo.image, kVfo + 12));
    vfo.Load();
    EXPECT_EQ(vfo.texts[kVfoEditOffsetFreq], "");
}

TEST(VfoEditor, ScanRangeCodesRoundTripOnlyWhenTheyNameAnEntry) {
    Vfo vfo;
    DefinePms(vfo.image, 4);
    DefinePms(vfo.image, 9);
    const ChoiceList choices = VfoScanChoices(vfo.image);
    ASSERT_EQ(choices.size(), 6u);
    EXPECT_EQ(choices[4].text, "PMS 4");
    EXPECT_EQ(choices[5].code, 0x88u);

    auto roundTrip = [&](std::uint8_t code) {
        vfo.image[kVfo + 19] = code;
        vfo.Load();
        const std::string shown = vfo.texts[kVfoEditScan];
        vfo.Store();
        return std::make_pair(shown, vfo.image[kVfo + 19]);
    };
    EXPECT_EQ(roundTrip(0x83), std::make_pair(std::string("PMS 4"), std::uint8_t{0x83}));
    EXPECT_EQ(roundTrip(2), std::make_pair(std::string("5MHz"), std::uint8_t{2}));
    EXPECT_EQ(roundTrip(3), std::make_pair(std::string("BAND"), std::uint8_t{4}));
    // Code 5 sits where "PMS 4" sits in the list, and must not become it.
    EXPECT_EQ(roundTrip(5), std::make_pair(std::string("1MHz"), std::uint8_t{0}));
    EXPECT_EQ(roundTrip(0x84), std::make_pair(std::string("1MHz"), std::uint8_t{0}));

    // With entry 4 undefined the derived data has reset the code before the dialog opens.
    vfo.image.Fill(PmsEntryOffset(4), 8, 0xFF);
    vfo.image[kVfo + 19] = 0x83;
    RefreshDerivedData(vfo.image, k400);
    vfo.Load();
    EXPECT_EQ(vfo.texts[kVfoEditScan], "1MHz");
}

TEST(VfoEditor, AStepWithoutAnEntryShowsTwelveAndAHalfAndIsStoredSo) {
    Vfo vfo;
    vfo.image[kVfo + 23] = 9;
    vfo.Load();
    EXPECT_EQ(vfo.texts[kVfoEditStep], "12.5");
    vfo.Store();
    EXPECT_EQ(vfo.image[kVfo + 23], 3);
    vfo.texts[kVfoEditStep] = "";
    vfo.Store();
    EXPECT_EQ(vfo.image[kVfo + 23], 3);
}

TEST(VfoEditor, TheDigitalExtensionIsAlwaysStoredAndTheAliasNever) {
    Vfo vfo;
    const Image before = vfo.image;
    vfo.Load();
    EXPECT_EQ(vfo.texts[kEditStatusInfo], "30"); // 0xFF has no entry
    EXPECT_EQ(vfo.texts[kEditAlias], "");
    vfo.texts[kEditRxColor] = "5";
    vfo.texts[kEditDataType] = "Status message";
    vfo.texts[kEditOacsu] = "0";
    vfo.texts[kEditStatusInfo] = "12";
    vfo.texts[kEditAlias] = "NOWHERE";
    vfo.Store();
    EXPECT_EQ(vfo.image[0x3DF0], 5);
    EXPECT_EQ(vfo.image[0x3DF2] & 0xF9, 0x80);
    EXPECT_EQ(vfo.image[0x3DF3], 12);
    for (std::size_t i = 0x3180; i < 0x3180 + 199 * 16; ++i)
        ASSERT_EQ(vfo.image[i], before[i]) << std::hex << i;
}

TEST(VfoEditor, SharesTheChannelFieldsButNamesItsOwnOnlyRx) {
    const auto &vfo = VfoEditFields();
    const auto &channel = ChannelEditFields();
    for (int i = 0; i < kChannelEditFieldCount; ++i)
        EXPECT_STREQ(vfo[i].name, channel[i].name);
    Vfo editor;
    editor.image[kVfo + 17] |= 0x80;
    editor.Load();
    EXPECT_EQ(editor.texts[kEditRxOnly], "Only rx");
    EXPECT_EQ(editor.texts[kVfoEditOffsetDir], "Off");
}

} // namespace
