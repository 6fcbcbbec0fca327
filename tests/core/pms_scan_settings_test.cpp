// PMS edges and the scan settings without widgets: the edge commit, what makes an entry
// defined, and the scan page's load, store, normalisation and arrows.

#include "core/channels/pms_editor.h"
#include "core/image/factory_defaults.h"
#include "core/settings/scan_settings.h"
#include "core_test_support.h"

#include <gtest/gtest.h>

namespace {

using namespace dpmr;

const BandLimits k400{40000000, 47000000};

using testing_support::NewImage;

TEST(PmsEditor, TypedEdgesAreClampedIntoTheBandAndSnapped) {
    const Image image = NewImage();
    EXPECT_EQ(CommitPmsEdge({image, k400}, "390"), "400.000000");
    EXPECT_EQ(CommitPmsEdge({image, k400}, "480"), "470.000000");
    EXPECT_EQ(CommitPmsEdge({image, k400}, "438.503"), "438.503125");
    EXPECT_EQ(CommitPmsEdge({image, k400}, "0"), "");
    EXPECT_EQ(CommitPmsEdge({image, k400}, "abc"), "");
}

TEST(PmsEditor, EmptyCellsStoreNotSetAndAZeroTopByteCountsAsEmpty) {
    Image image = NewImage();
    const std::size_t e3 = PmsEntryOffset(3);
    WriteNumber(image, e3, pms_layout::kLow, 45000000);
    WriteNumber(image, e3, pms_layout::kHigh, 44000000); // lower above upper is allowed
    EXPECT_TRUE(IsPmsEntryDefined(image, 3));
    image[e3 + 3] = 0x00;
    EXPECT_FALSE(IsPmsEntryDefined(image, 3));
    FieldTexts texts = LoadPage(kPmsPage, {image, k400}, 3);
    EXPECT_EQ(texts, (FieldTexts{"", "440.000000"}));
    StorePage(kPmsPage, image, k400, 3, texts);
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(image[e3 + i], 0xFF);
    EXPECT_EQ(ReadNumber(image, e3, pms_layout::kHigh), 44000000u);
    texts = {"450.000000", "440.000000"};
    StorePage(kPmsPage, image, k400, 3, texts);
    EXPECT_TRUE(IsPmsEntryDefined(image, 3));
    StorePage(kPmsPage, image, k400, 3, {"", ""});
    EXPECT_EQ(image[e3 + 7], 0xFF);
}

FieldTexts ScanTexts(const Image &image) {
    return LoadPage(kScanPage, {image, k400}, 0);
}

TEST(ScanSettings, ANewAndABlankImage) {
    Image image = NewImage();
    FieldTexts texts = ScanTexts(image);
    EXPECT_EQ(texts[kScanMode], "Carrier");
    EXPECT_EQ(texts[kPriorityChannel], "None");
    EXPECT_EQ(texts[kStopTime], "3.0");
    EXPECT_EQ(texts[kResumeDelay], "3.0");

    image.Fill(0x14C0, 11, 0xFF);
    texts = ScanTexts(image);
    // 25.5 s is shown as its clamp, never cut to "25." first.
    EXPECT_EQ(texts[kScanMode], "Carrier");
    EXPECT_EQ(texts[kStopTime], "10.0");
    EXPECT_EQ(texts[kResumeDelay], "5.0");
    EXPECT_EQ(texts[kScanTxChannel], "Specified ch");
    StorePage(kScanPage, image, k400, 0, texts);
    EXPECT_EQ(image[0x14C0], 1);
    EXPECT_EQ(image[0x14C2], 100);
    EXPECT_EQ(image[0x14C4], 50);
    EXPECT_EQ(image[0x14C7], 0xBF); // bits 6-7 give 2; bits 1, 4 and 5 kept
    EXPECT_EQ(image[0x14C8], 0);
    EXPECT_EQ(image[0x14CA], 0);
    EXPECT_EQ(image[0x14C3], 0xFF); // not ours
    EXPECT_EQ(image[0x14C9], 0xFF);
}

TEST(ScanSettings, StopTimeTypedAndStepped) {
    const FieldRule &stop = kScanPage.fields[kStopTime].rule;
    const Image image;
    EXPECT_EQ(NormaliseText(stop, {image, k400}, "1.2"), "1.0");
    EXPECT_EQ(NormaliseText(stop, {image, k400}, "12"), "10.0");
    EXPECT_EQ(NormaliseText(stop, {image, k400}, "x"), "0.5");
    EXPECT_EQ(StepText(stop, "10.0", +1), "0.5");
    EXPECT_EQ(StepText(stop, "0.5", -1), "10.0");
    // Off the grid an arrow goes to the next grid point in its direction.
    EXPECT_EQ(StepText(stop, "1.2", +1), "1.5");
    EXPECT_EQ(StepText(stop, "1.2", -1), "1.0");
    EXPECT_EQ(StepText(stop, "1.5", -1), "1.0");
    const FieldRule &delay = kScanPage.fields[kResumeDelay].rule;
    EXPECT_EQ(StepText(delay, "5.0", +1), "0.1");
    EXPECT_EQ(StepText(delay, "0.1", -1), "5.0");
    EXPECT_EQ(NormaliseText(delay, {image, k400}, "2.55"), "2.5");
}

TEST(ScanSettings, PriorityChannelsComeFromTheChannelsInUse) {
    Image image = NewImage();
    for (int n = 10; n <= 19; ++n)
        WriteNumber(image, ChannelRecordAt(n), channel_layout::kRxFreq, 44000000);
    const ChoiceList list = ChannelsInUseChoices(image);
    ASSERT_EQ(list.size(), 11u);
    EXPECT_EQ(list[1].text, "10");

    image[0x14C8] = 1; // not in use: "None", not the entry at that position
    image[0x14CA] = 12;
    FieldTexts texts = ScanTexts(image);
    EXPECT_EQ(texts[kPriorityChannel], "None");
    EXPECT_EQ(texts[kSpecifiedChannel], "12");
    image[0x14C8] = 15;
    EXPECT_EQ(ScanTexts(image)[kPriorityChannel], "15");
    // A channel emptied before the dialog opens is stored back as 0.
    image.Fill(ChannelRecordAt(15), 4, 0xFF);
    StorePage(kScanPage, image, k400, 0, ScanTexts(image));
    EXPECT_EQ(image[0x14C8], 0);
    EXPECT_EQ(image[0x14CA], 12);
}

} // namespace
