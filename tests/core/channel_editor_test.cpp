// The channel editor's rules without widgets: commits, new-channel defaults, the lists it takes
// from the image and the store of an edited or emptied channel.

#include "core/channels/channel_editor.h"
#include "core/channels/channel_record.h"
#include "core/image/factory_defaults.h"
#include "core/image/frequency.h"
#include "core_test_support.h"

#include <gtest/gtest.h>

namespace {

using namespace dpmr;

const BandLimits k400{40000000, 47000000};

using testing_support::NewImage;

std::string CommitRx(Image &image, int n, const std::string &typed, FieldTexts &texts,
                     std::string &previous) {
    texts[kEditRxFreq] = typed;
    CommitReceiveFrequency({image, k400}, n, texts, previous);
    return texts[kEditRxFreq];
}

TEST(ChannelEditor, ReceiveCommitReplacesOutOfBandByTheLowerLimitAndSnaps) {
    Image image = NewImage();
    FieldTexts texts = LoadChannelEditor({image, k400}, 1);
    std::string previous;
    EXPECT_EQ(CommitRx(image, 1, "145", texts, previous), "400.000000");
    // 1 Hz is below the stored 10 Hz resolution: 470.000001 is the upper limit itself.
    EXPECT_EQ(CommitRx(image, 1, "470.000001", texts, previous), "470.000000");
    EXPECT_EQ(CommitRx(image, 1, "470.00001", texts, previous), "400.000000");
    EXPECT_EQ(CommitRx(image, 1, "438.503", texts, previous), "438.503125");
    // Only the first commit on the empty channel filled the transmit text.
    EXPECT_EQ(texts[kEditTxFreq], "400.000000");
}

TEST(ChannelEditor, AReceiveFrequencyWithATopByteOfZeroOpensAsAnEmptyChannel) {
    Image image = NewImage();
    image[ChannelRecordOffset(4) + 3] = 0x00;
    EXPECT_EQ(LoadChannelEditor({image, k400}, 4)[kEditTxPower], "");
}

TEST(ChannelEditor, NewChannelDefaultsAndTheirBytes) {
    Image image = NewImage();
    for (int n : {5, 40}) {
        FieldTexts texts = LoadChannelEditor({image, k400}, n);
        std::string previous;
        ASSERT_TRUE(texts[kEditRxFreq].empty());
        CommitRx(image, n, "438.5", texts, previous);
        EXPECT_EQ(texts[kEditTxFreq], "438.500000");
        EXPECT_EQ(texts[kEditTxPower], "High");
        EXPECT_EQ(texts[kEditChannelType], "Digit");
        EXPECT_EQ(texts[kEditScan], "1");
        EXPECT_EQ(texts[kEditBusy], "0");
        EXPECT_EQ(texts[kEditGroupRxList], "");
        EXPECT_EQ(texts[kEditStatusInfo], n <= 32 ? "30" : "");
        StoreChannelEditor(image, k400, n, texts);
        const ChannelRecord r = ReadChannel(image, n);
        EXPECT_EQ(r.rxFreq, 43850000u);
        EXPECT_EQ(r.txFreq, 43850000u);
        EXPECT_EQ(r.rxTone, kNoTone);
        EXPECT_EQ(r.txPower, 3);
        EXPECT_FALSE(r.busyLock);
        // The factory channel names list 1, contact and key 0xFF; none exist, so all store 0.
        EXPECT_EQ(r.groupRxList, 0);
        EXPECT_EQ(r.contact, 0);
        EXPECT_EQ(r.encryptKey, 0);
    }
    EXPECT_EQ(ReadDigitalExt(image, 5)->statusInfo, 30);
    EXPECT_EQ(ReadDigitalExt(image, 5)->rxColor, kAutoColor);
}

TEST(ChannelEditor, ChannelsAbove32LeaveTheDigitalExtensionsAlone) {
    Image image = testing_support::RandomImage(3);
    const Image before = image;
    FieldTexts texts = LoadChannelEditor({image, k400}, 33);
    texts[kEditRxColor] = "5"; // whatever a control would say, there is no extension
    StoreChannelEditor(image, k400, 33, texts);
    for (std::size_t i = 0x3E00; i < 0x3E80; ++i)
        ASSERT_EQ(image[i], before[i]) << std::hex << i;
}

TEST(ChannelEditor, ListsComeFromTheImage) {
    Image image = NewImage();
    image.SetU16le(kKeyPresentBitmap, 0x0005); // keys 1 and 3: the gap ends the list
    ASSERT_EQ(EncryptKeyChoices(image).size(), 2u);
    EXPECT_EQ(EncryptKeyChoices(image)[1].text, "1");

    EXPECT_EQ(GroupListChoices(image).size(), 1u); // only "None"
    image[kGroupLists + 8 * 2] = 0x01;
    ASSERT_EQ(GroupListChoices(image).size(), 2u);
    EXPECT_EQ(GroupListChoices(image)[1].text, "3");

    const ChoiceList contacts = ContactChoices(image);
    ASSERT_EQ(contacts.size(), 2u);
    EXPECT_EQ(contacts[1].text, "Name 1");
    EXPECT_EQ(contacts[1].code, 1u);
}

TEST(ChannelEditor, StoredValuesWithoutAnEntryShowTheirFallbacks) {
    Image image = NewImage();
    FieldTexts texts = LoadChannelEditor({image, k400}, 7);
    std::string previous;
    CommitRx(image, 7, "440", texts, previous);
    StoreChannelEditor(image, k400, 7, texts);
    const std::size_t b = ChannelRecordOffset(7);
    image[b + 21] = 9;              // a contact that is not in the index
    image.SetBits(b + 16, 6, 2, 1); // power bits 01
    image[b + 18] |= 0x02;          // the second busy bit alone reads as busy
    image[b + 18] &= ~0x01;
    image[ChannelDigitalExtOffset(7) + 3] = 40;
    texts = LoadChannelEditor({image, k400}, 7);
    EXPECT_EQ(texts[kEditContact], "None");
    EXPECT_EQ(texts[kEditTxPower], "");
    EXPECT_EQ(texts[kEditBusy], "1");
    EXPECT_EQ(texts[kEditStatusInfo], "30");
    StoreChannelEditor(image, k400, 7, texts);
    EXPECT_EQ(image[b + 21], 0);
    EXPECT_EQ(image.Bits(b + 16, 6, 2), 3u);
    EXPECT_EQ(image[b + 18] & 0x03, 0x01);
}

TEST(ChannelEditor, AnEmptiedChannelGetsTheDefaultFlagsAndNoFrequency) {
    Image image = testing_support::RandomImage(11);
    image[ChannelRecordOffset(9) + 3] = 0x43;
    FieldTexts texts = LoadChannelEditor({image, k400}, 9);
    std::string previous = texts[kEditRxFreq];
    CommitRx(image, 9, "", texts, previous);
    StoreChannelEditor(image, k400, 9, texts);
    const std::size_t b = ChannelRecordOffset(9);
    EXPECT_TRUE(IsChannelEmpty(image, 9));
    Image canonical = image;
    ClearChannel(canonical, 9);
    EXPECT_TRUE(image == canonical) << testing_support::DescribeDifferences(canonical, image);
    EXPECT_EQ(image[b + 18], 0x41); // reserved bits cleared
    EXPECT_EQ(ReadAlias(image, 9), "");
}

TEST(ChannelEditor, ToneAndTransmitCommits) {
    Image image = NewImage();
    FieldTexts texts = LoadChannelEditor({image, k400}, 2);
    texts[kEditRxTone] = "88";
    CommitTone(texts, kEditRxTone);
    EXPECT_EQ(texts[kEditRxTone], "88"); // nothing runs on an empty channel
    std::string previous;
    CommitRx(image, 2, "439", texts, previous);
    texts[kEditRxTone] = "88";
    CommitTone(texts, kEditRxTone);
    EXPECT_EQ(texts[kEditRxTone], "D088N");
    texts[kEditTxTone] = "88.5";
    CommitTone(texts, kEditTxTone);
    EXPECT_EQ(texts[kEditTxTone], "88.5");
    texts[kEditTxFreq] = "";
    CommitTransmitFrequency({image, k400}, texts);
    EXPECT_EQ(texts[kEditTxFreq], "400.000000");
}

TEST(ChannelEditor, ChannelNumberTypedAndStepped) {
    EXPECT_EQ(ChannelNumberFromText("0"), 1);
    EXPECT_EQ(ChannelNumberFromText("500"), 199);
    EXPECT_EQ(ChannelNumberFromText("x"), 1);
    EXPECT_EQ(StepChannelNumber("199", +1), 1);
    EXPECT_EQ(StepChannelNumber("1", -1), 199);
    EXPECT_EQ(StepChannelNumber("57", +1), 58);
}

} // namespace
