#include "core/channels/channel_record.h"
#include "core/channels/channel_table.h"
#include "core/channels/contact_index.h"
#include "core/image/factory_defaults.h"
#include "core/image/text.h"

#include <gtest/gtest.h>

#include <vector>

namespace dpmr {
namespace {

std::size_t Record(int slot) {
    return 0x1680 + 16 * static_cast<std::size_t>(slot - 1);
}

// Contacts in the given slots, listed in that order in the index.
Image WithContacts(const std::vector<std::pair<int, std::string>> &contacts) {
    Image image;
    WriteFactoryDefaults(image, BandLimits{});
    image.Fill(0x1600, 0x480, 0xFF);
    for (std::size_t i = 0; i < contacts.size(); ++i) {
        const std::size_t record = Record(contacts[i].first);
        image.SetU16le(0x1600 + 2 * i, static_cast<std::uint16_t>(record));
        image.Fill(record, 7, 0x00);
        image[record + 7] = 0x01; // group call
        for (std::size_t c = 0; c < contacts[i].second.size(); ++c)
            image[record + 8 + c] = static_cast<std::uint8_t>(contacts[i].second[c]);
    }
    return image;
}

std::vector<std::string> Names(const Image &image, std::vector<int> slots) {
    std::vector<std::string> names;
    for (int slot : slots)
        names.push_back(ReadTextSlot(image, Record(slot) + 8, 8));
    return names;
}

TEST(RepairContactNames, EmptyNamesFirstThenLaterDuplicatesTakeFreeNames) {
    Image image = WithContacts({{4, ""}, {2, "Name 1"}, {9, ""}, {1, "Bob"}, {3, "Bob"}});
    RepairContactNames(image);
    EXPECT_EQ(Names(image, {4, 2, 9, 1, 3}),
              (std::vector<std::string>{"Name 2", "Name 1", "Name 3", "Bob", "Name 4"}));
}

TEST(RepairContactNames, RewritesSlotsUpToTheEndOfTheIndex) {
    Image image = WithContacts({{1, "Al\x01xyz"}, {2, "Cy"}, {3, ""}});
    image.SetU16le(0x1602, 0x1A71); // ends the list before slots 2 and 3
    RepairContactNames(image);
    EXPECT_EQ(image[Record(1) + 10], 0xFF); // the slot writer dropped "\x01xyz"
    EXPECT_EQ(image[Record(1) + 11], 0xFF);
    EXPECT_EQ(Names(image, {1, 3}), (std::vector<std::string>{"Al", ""}));
}

TEST(RepairContactNames, IndexEntriesIntoARecordsMiddleOrNamedTwiceAreDropped) {
    Image image = WithContacts({{1, "A"}, {2, "B"}});
    // After the two good entries: one into the middle of record 1 (its name would lie across
    // record 2's number), then record 2 again.
    image.SetU16le(0x1604, static_cast<std::uint16_t>(Record(1) + 4));
    image.SetU16le(0x1606, static_cast<std::uint16_t>(Record(2)));
    EXPECT_EQ(ContactIndexEntries(image), (std::vector<std::size_t>{Record(1), Record(2)}));

    const Image before = image;
    BandLimits limits;
    ChannelTable table;
    ReloadChannelView(image, limits, table);
    for (std::size_t at = Record(1); at < Record(3); ++at)
        ASSERT_EQ(image[at], before[at]) << std::hex << at;
    // Loaded again, nothing changes: a save settles.
    const Image settled = image;
    ReloadChannelView(image, limits, table);
    EXPECT_EQ(image, settled);
}

TEST(CheckContactAndGroupReferences, ChannelsKeepOnlyListedContacts) {
    Image image = WithContacts({{1, "A"}, {3, "C"}});
    image.Fill(Record(2), 16, 0x00); // a record the index does not list
    const int contacts[] = {1, 0, 2, 3, 0xFF};
    for (int n = 1; n <= 5; ++n)
        image[ChannelRecordOffset(n) + 21] = static_cast<std::uint8_t>(contacts[n - 1]);
    image[0x13BD] = 2;
    CheckContactAndGroupReferences(image);
    const int expected[] = {1, 0xFF, 0xFF, 3, 0xFF};
    for (int n = 1; n <= 5; ++n)
        EXPECT_EQ(image[ChannelRecordOffset(n) + 21], expected[n - 1]) << n;
    EXPECT_EQ(image[0x13BD], 2); // the VFO's contact is the VFO editor's business
}

TEST(CheckContactAndGroupReferences, GroupListsKeepGroupCallsAndEmptyListsAreUnlinked) {
    Image image = WithContacts({{1, "A"}, {2, "B"}, {3, "C"}});
    image[Record(2) + 7] = 0x00; // single call
    image[Record(3)] = 0xFF;     // free slot
    const std::uint8_t list1[] = {2, 1, 3, 70, 0x00, 1, 0xFF, 0xFF};
    std::copy(std::begin(list1), std::end(list1), image.data() + 0x2CC0);
    image[0x2CC8] = 2; // list 2 holds only the single call
    const int groups[] = {1, 2, 3, 0};
    for (int n = 1; n <= 4; ++n)
        image[ChannelRecordOffset(n) + 20] = static_cast<std::uint8_t>(groups[n - 1]);
    image[0x13BC] = 2;
    CheckContactAndGroupReferences(image);
    EXPECT_EQ(std::vector<int>(image.data() + 0x2CC0, image.data() + 0x2CD0),
              (std::vector<int>{1, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                0xFF, 0xFF, 0xFF, 0xFF}));
    const int expected[] = {1, 0, 0, 0};
    for (int n = 1; n <= 4; ++n)
        EXPECT_EQ(image[ChannelRecordOffset(n) + 20], expected[n - 1]) << n;
    EXPECT_EQ(image[0x13BC], 0);
}

TEST(ReloadChannelView, NewImageUnlinksTheFactoryGroupList) {
    Image image;
    WriteFactoryDefaults(image, BandLimits{});
    BandLimits limits;
    ChannelTable table;
    ReloadChannelView(image, limits, table);
    for (int n = 1; n <= kChannelCount; ++n)
        ASSERT_EQ(image[ChannelRecordOffset(n) + 20], 0) << n;
    EXPECT_EQ(image[0x13BC], 0);
    EXPECT_EQ(ReadTextSlot(image, 0x1688, 8), "Name 1");
}

} // namespace
} // namespace dpmr
