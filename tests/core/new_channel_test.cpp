// A channel that comes into use gets the same bytes whichever way it was made: `set`, a
// document, typing into the table, a CSV row. An empty tone given to it is no tone.

#include "core/channels/channel_editor.h"
#include "core/channels/channel_record.h"
#include "core/channels/channel_table.h"
#include "core/exchange/channel_csv.h"
#include "core/image/band_limits.h"
#include "core/image/memory_map.h"
#include "core/image/tone.h"
#include "core/settings_text/settings_apply.h"
#include "core_test_support.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace dpmr {
namespace {

using testing_support::DescribeDifferences;
using testing_support::NewImage;

TEST(NewChannel, EveryPathGivesTheSameBytes) {
    // Channels 5 (with a digital extension) and 40 (without one) in a new code plug whose
    // empty records hold the factory's bytes, busy bits included.
    for (const int n : {5, 40}) {
        SCOPED_TRACE("channel " + std::to_string(n));
        const Image start = NewImage();
        const std::string channel = std::to_string(n);

        Image set = start;
        ASSERT_TRUE(ApplySettings(set, {{"channel." + channel + ".rx_freq", "446.00625", "arg"}},
                                  ListRows::Edit));

        Image typed = start;
        BandLimits limits;
        ChannelTable table;
        LoadChannelTable(typed, limits, table);
        EndFrequencyEdit(table, typed, limits, n, kColRxFreq, "446.00625");
        StoreChannelTable(table, typed, limits);

        // The CSV row names what a new channel gets, as our export writes it.
        Image csv = start;
        const CsvImportResult imported =
            ImportChannelsCsv("Location,Name,Frequency,Mode,Power,ChannelType,Bandwidth\n" +
                                  channel + ",,446.00625,DIG,5.0W,Digit,Wide\n",
                              "new.csv", csv);
        ASSERT_TRUE(imported) << imported.message;

        // The table's store rewrites every empty record in its canonical form; the new
        // channel's record, alias and digital extension are what must agree.
        const auto channelBytes = [&](const Image &image) {
            std::vector<std::uint8_t> bytes;
            const auto add = [&](std::size_t at, std::size_t size) {
                for (std::size_t i = 0; i < size; ++i)
                    bytes.push_back(image[at + i]);
            };
            add(ChannelRecordOffset(n), kChannelRecordSize);
            add(ChannelAliasOffset(n), kAliasLength);
            if (HasDigitalExt(n))
                add(ChannelDigitalExtOffset(n), kDigitalExtSize);
            return bytes;
        };
        EXPECT_EQ(channelBytes(set), channelBytes(typed));
        EXPECT_EQ(channelBytes(set), channelBytes(csv));
        // The import writes its own channels only.
        EXPECT_EQ(DescribeDifferences(set, csv), "");
        const ChannelRecord record = ReadChannel(set, n);
        EXPECT_FALSE(record.busyLock);
        EXPECT_EQ(record.txFreq, record.rxFreq);
        EXPECT_EQ(record.rxTone, kNoTone);
    }
}

TEST(NewChannel, AnEmptyToneIsNoTone) {
    Image image = NewImage();
    const std::vector<SettingChange> document = {
        {"channel.7.rx_freq", "446.1", "line 2"},
        {"channel.7.rx_tone", "", "line 3"},
        {"channel.7.tx_tone", "", "line 4"},
    };
    ASSERT_TRUE(ApplySettings(image, document));
    EXPECT_EQ(ReadChannel(image, 7).rxTone, kNoTone);
    EXPECT_EQ(ReadChannel(image, 7).txTone, kNoTone);
    // The same document again is no error and changes nothing.
    const Image once = image;
    const ApplyResult again = ApplySettings(image, document);
    EXPECT_TRUE(again) << again.message;
    EXPECT_EQ(DescribeDifferences(once, image), "");

    // A tone given empty on a channel in use.
    ASSERT_TRUE(ApplySettings(image, {{"channel.7.tx_tone", "88.5", "a"}}, ListRows::Edit));
    ASSERT_TRUE(ApplySettings(image, {{"channel.7.tx_tone", "", "a"}}, ListRows::Edit));
    EXPECT_EQ(ReadChannel(image, 7).txTone, kNoTone);
}

} // namespace
} // namespace dpmr
