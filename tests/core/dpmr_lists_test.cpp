// Messages and encryption keys: list <-> bytes, the limits of a record, and references that
// follow their entry when the list is reordered.

#include "core/channels/channel_record.h"
#include "core/dpmr/encryption_keys.h"
#include "core/dpmr/messages.h"
#include "core/image/factory_defaults.h"
#include "core/image/record_layouts.h"
#include "core_test_support.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using namespace dpmr;

using testing_support::NewImage;

std::size_t OneKey(int e) {
    return kOneKeyEntries + kOneKeyEntrySize * static_cast<std::size_t>(e);
}

TEST(Messages, AddDeleteAndTheIndexOfTwo) {
    Image image = NewImage();
    NumberedList messages = LoadMessages(image);
    EXPECT_EQ(messages.size(), 0);
    for (int i = 0; i < 3; ++i)
        AddMessage(messages);
    messages.Erase(1);
    AddMessage(messages);
    EXPECT_EQ(messages.texts, (std::vector<std::string>{"Message 1", "Message 3", "Message 3"}));
    messages.Erase(2);
    StoreMessages(image, messages);
    EXPECT_EQ(image.U16le(0x2280), 0x1A80);
    EXPECT_EQ(image.U16le(0x2282), 0x1B00);
    for (std::size_t i = 0x2284; i < 0x22A0; ++i)
        EXPECT_EQ(image[i], 0xFF);
}

TEST(Messages, SixteenFullMessagesRoundTripAndLeaveTheIndexAlone) {
    Image image = NewImage();
    NumberedList messages;
    for (int m = 1; m <= 16; ++m)
        messages.Append(std::string(200, static_cast<char>('A' + m))); // longer than a slot
    StoreMessages(image, messages);
    const NumberedList loaded = LoadMessages(image);
    ASSERT_EQ(loaded.size(), 16);
    for (int m = 0; m < 16; ++m)
        EXPECT_EQ(loaded.texts[static_cast<std::size_t>(m)],
                  std::string(126, static_cast<char>('A' + m + 1)));
    const std::size_t last = MessageRecordOffset(16);
    EXPECT_EQ(image[last + 126], 0x00);
    EXPECT_EQ(image[last + 127], 0x00);
    EXPECT_EQ(image.U16le(0x2280), 0x1A80); // not overwritten by message 16
}

TEST(Messages, ADamagedRecordOfPrintableBytesLoadsCutToItsSlot) {
    Image image = NewImage();
    NumberedList one;
    one.Append("x");
    StoreMessages(image, one);
    image.Fill(MessageRecordOffset(1), 128, 'Q'); // no terminator anywhere
    NumberedList loaded = LoadMessages(image);
    ASSERT_EQ(loaded.size(), 1);
    EXPECT_EQ(loaded.texts[0].size(), 126u);
    const Image before = image;
    StoreMessages(image, loaded);
    for (std::size_t i = MessageRecordOffset(2); i < kImageSize; ++i) {
        if (i < 0x2280 || i >= 0x22A0) {
            ASSERT_EQ(image[i], before[i]) << std::hex << i;
        }
    }
}

TEST(Messages, EditsRefuseEmptyTexts) {
    NumberedList messages;
    AddMessage(messages);
    std::string empty;
    EXPECT_FALSE(EditMessage(messages, 0, empty));
    std::string typed = "Hello\x01world";
    EXPECT_TRUE(EditMessage(messages, 0, typed));
    EXPECT_EQ(messages.texts[0], "Hello");
}

TEST(Messages, OneKeyCallsFollowTheirMessage) {
    Image image = NewImage();
    NumberedList messages;
    for (int m = 0; m < 4; ++m)
        AddMessage(messages);
    StoreMessages(image, messages);
    for (int e = 0; e < 3; ++e) {
        image[OneKey(e)] = 1;     // digital call
        image[OneKey(e) + 2] = 2; // with message
    }
    image[OneKey(0) + 3] = 2;
    image[OneKey(1) + 3] = 3;
    image[OneKey(2) + 3] = 4;
    messages = LoadMessages(image);
    messages.Erase(1);          // message 2 goes
    InsertMessage(messages, 0); // a new first message
    StoreMessages(image, messages);
    EXPECT_EQ(image[OneKey(0) + 3], 0); // its message was deleted: names none
    EXPECT_EQ(image[OneKey(1) + 3], 3); // old 3 is now at position 3 (insert, delete)
    EXPECT_EQ(image[OneKey(2) + 3], 4);
    EXPECT_EQ(messages.texts[2], LoadMessages(image).texts[2]);
}

TEST(Keys, AddStoreAndTheBytesOfAShortKey) {
    Image image = NewImage();
    NumberedList keys = LoadKeys(image);
    EXPECT_EQ(keys.size(), 0);
    AddKey(keys);
    std::string typed = "12ab";
    ASSERT_TRUE(EditKey(keys, 0, typed));
    EXPECT_EQ(typed, "12ABFFFF");
    StoreKeys(image, keys);
    EXPECT_EQ(image.U16le(kKeyPresentBitmap), 0x0001);
    EXPECT_EQ(image[0x1558], 0x12);
    EXPECT_EQ(image[0x1559], 0xAB);
    EXPECT_EQ(image[0x155A], 0xFF);
    EXPECT_EQ(image[0x155F], 0xFF);
    image[0x1558] = 0x05;
    EXPECT_EQ(LoadKeys(image).texts[0], "05ABFFFF");
}

TEST(Keys, DeleteKeepsTheRecordAndAGapEndsTheList) {
    Image image = NewImage();
    NumberedList keys;
    for (int k = 0; k < 3; ++k)
        AddKey(keys);
    keys.texts[2] = "33333333";
    StoreKeys(image, keys);
    keys = LoadKeys(image);
    keys.Erase(1);
    StoreKeys(image, keys);
    EXPECT_EQ(image.U16le(kKeyPresentBitmap), 0x0003);
    EXPECT_EQ(LoadKeys(image).texts[1], "33333333");
    EXPECT_EQ(image[0x1558 + 16], 0x33); // record 3 keeps its bytes
    image.SetU16le(kKeyPresentBitmap, 0x0005);
    EXPECT_EQ(LoadKeys(image).size(), 1);
}

TEST(Keys, SixteenKeysFillTheBitmapAndRefuseMore) {
    Image image = NewImage();
    NumberedList keys;
    for (int k = 0; k < 20; ++k)
        AddKey(keys);
    EXPECT_EQ(keys.size(), 16);
    EXPECT_FALSE(keys.CanAdd());
    StoreKeys(image, keys);
    EXPECT_EQ(image.U16le(kKeyPresentBitmap), 0xFFFF);
}

TEST(Keys, RandomEditsKeepEveryChannelOnItsKeyOrNone) {
    std::mt19937 random(5);
    for (int round = 0; round < 40; ++round) {
        Image image = NewImage();
        NumberedList keys;
        const int count = 1 + static_cast<int>(random() % 16);
        for (int k = 0; k < count; ++k)
            keys.Append("0000000" + std::to_string(k % 10));
        for (int k = 0; k < count; ++k)
            keys.texts[static_cast<std::size_t>(k)] =
                "AB" + std::string(1, "0123456789ABCDEF"[k]) + "00000";
        StoreKeys(image, keys);
        // Channels and the VFO name keys (or none, or a key that does not exist).
        std::vector<std::uint8_t> before(kVfoChannel + 1);
        for (int n = 1; n <= kVfoChannel; ++n) {
            before[static_cast<std::size_t>(n)] = static_cast<std::uint8_t>(random() % 20);
            image[ChannelRecordOffset(n) + 22] = before[static_cast<std::size_t>(n)];
        }
        auto textOf = [&](const Image &img, int key) -> std::string {
            const NumberedList list = LoadKeys(img);
            return key >= 1 && key <= list.size() ? list.texts[static_cast<std::size_t>(key - 1)]
                                                  : std::string();
        };
        std::vector<std::string> keyText(kVfoChannel + 1);
        for (int n = 1; n <= kVfoChannel; ++n)
            keyText[static_cast<std::size_t>(n)] =
                textOf(image, before[static_cast<std::size_t>(n)]);
        NumberedList edited = LoadKeys(image);
        for (int step = 0; step < 6; ++step) {
            const int op = static_cast<int>(random() % 3);
            const int row = edited.size() ? static_cast<int>(random() % edited.size()) : 0;
            if (op == 0)
                AddKey(edited);
            else if (op == 1)
                InsertKey(edited, row);
            else
                edited.Erase(row);
        }
        StoreKeys(image, edited);
        for (int n = 1; n <= kVfoChannel; ++n) {
            const std::uint8_t now = image[ChannelRecordOffset(n) + 22];
            const std::uint8_t was = before[static_cast<std::size_t>(n)];
            if (was < 1 || was > count) {
                EXPECT_EQ(now, was) << "a reference to no key is left alone";
            } else if (now != 0) {
                EXPECT_EQ(textOf(image, now), keyText[static_cast<std::size_t>(n)])
                    << "channel " << n << " moved to another key";
            }
        }
    }
}

} // namespace
