// CSV channel lists: export then import restores the channel records byte for byte; files as
// other tools write them import with the format's meaning, rows this radio cannot hold are
// skipped and listed; malformed text is refused with its line and leaves every byte.

#include "core/channels/channel_record.h"
#include "core/channels/new_channel.h"
#include "core/exchange/channel_csv.h"
#include "core/image/band_limits.h"
#include "core/image/derived_data.h"
#include "core/image/frequency.h"
#include "core/image/memory_map.h"
#include "core/image/tone.h"
#include "core_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <utility>

namespace dpmr {
namespace {

using testing_support::DescribeDifferences;
using testing_support::RandomImage;
namespace fs = std::filesystem;

constexpr BandLimits kVhf{13600000, 17400000};

const std::string kHeader = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,"
                            "DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,"
                            "Comment\n";

// A random image whose band limits are set and whose channels hold random valid values.
Image RandomChannels(std::uint32_t seed, const BandLimits &band, std::vector<int> &used) {
    std::mt19937 random(seed);
    Image image = RandomImage(seed);
    EncodeBandLimits(image, band);
    const auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const auto frequency = [&] {
        const std::int64_t units =
            std::uniform_int_distribution<std::int64_t>(band.low, band.high)(random);
        return FrequencyFromText(FrequencyText(ClampToBand(units, band)));
    };
    used.clear();
    for (int n = 1; n <= kChannelCount; ++n) {
        if (pick(0, 2) == 0) {
            ClearChannel(image, n);
            continue;
        }
        used.push_back(n);
        ChannelRecord r = ReadChannel(image, n);
        r.rxFreq = static_cast<std::uint64_t>(frequency());
        r.txFreq = pick(0, 4) == 0
                       ? std::nullopt
                       : std::optional<std::uint64_t>(pick(0, 2) == 0 ? *r.rxFreq : frequency());
        const auto tone = [&] {
            return ToneCodeFromText(
                ToneList()[static_cast<std::size_t>(pick(0, kToneListSize - 1))]);
        };
        r.rxTone = pick(0, 3) == 0 ? kNoTone : tone();
        r.txTone = pick(0, 3) == 0 ? r.rxTone : tone();
        r.txPower = pick(0, 1) ? 3 : 0;
        r.scan = pick(0, 1);
        r.narrow = pick(0, 1);
        r.channelType = static_cast<std::uint8_t>(pick(0, 3));
        // The offset as the program derives it from the two frequencies.
        DeriveOffset(r);
        WriteChannel(image, n, r);
        std::string alias;
        for (int i = pick(0, static_cast<int>(kAliasLength)); i > 0; --i)
            alias += static_cast<char>(pick(0x20, 0x7E));
        WriteAlias(image, n, alias);
    }
    RefreshDerivedData(image, band);
    return image;
}

void ExpectSameCarriedFields(const Image &expected, const Image &actual, int n) {
    const ChannelRecord a = ReadChannel(expected, n), b = ReadChannel(actual, n);
    SCOPED_TRACE("channel " + std::to_string(n));
    EXPECT_EQ(a.rxFreq, b.rxFreq);
    EXPECT_EQ(a.txFreq, b.txFreq);
    EXPECT_EQ(ToneText(a.rxTone), ToneText(b.rxTone));
    EXPECT_EQ(ToneText(a.txTone), ToneText(b.txTone));
    EXPECT_EQ(a.txPower, b.txPower);
    EXPECT_EQ(a.scan, b.scan);
    EXPECT_EQ(a.narrow, b.narrow);
    EXPECT_EQ(a.channelType, b.channelType);
    EXPECT_EQ(ReadAlias(expected, n), ReadAlias(actual, n));
}

TEST(ChannelCsv, ExportThenImportRestoresTheRecordsByteForByte) {
    for (std::uint32_t seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::vector<int> used, ignored;
        const Image source = RandomChannels(seed, kVhf, used);
        const std::string csv = ChannelsToCsv(source);

        // Into the code plug it came from: not one byte changes.
        Image same = source;
        const CsvImportResult back = ImportChannelsCsv(csv, "list.csv", same);
        ASSERT_TRUE(back) << back.message;
        EXPECT_EQ(back.channels, static_cast<int>(used.size()));
        EXPECT_TRUE(back.skipped.empty());
        EXPECT_EQ(DescribeDifferences(source, same), "");

        // Into another one: every column arrives, and a second round changes nothing more.
        Image target = RandomChannels(seed + 1000, kVhf, ignored);
        ASSERT_TRUE(ImportChannelsCsv(csv, "list.csv", target));
        for (int n : used)
            ExpectSameCarriedFields(source, target, n);
        Image again = target;
        ASSERT_TRUE(ImportChannelsCsv(ChannelsToCsv(target), "again.csv", again));
        EXPECT_EQ(DescribeDifferences(target, again), "");
    }
}

TEST(ChannelCsv, ExportWritesWhatOtherToolsRead) {
    Image image = testing_support::NewImage(kVhf);
    const auto put = [](Image &target, int n, const char *rx, const char *tx, const char *txTone,
                        const char *rxTone, std::uint8_t power, bool narrow, std::uint8_t type) {
        ChannelRecord r = ReadChannel(target, n);
        r.rxFreq = static_cast<std::uint64_t>(FrequencyFromText(rx));
        r.txFreq = tx ? std::optional<std::uint64_t>(FrequencyFromText(tx)) : std::nullopt;
        r.txTone = ToneCodeFromText(txTone);
        r.rxTone = ToneCodeFromText(rxTone);
        r.txPower = power;
        r.narrow = narrow;
        r.channelType = type;
        r.scan = true;
        DeriveOffset(r);
        WriteChannel(target, n, r);
    };
    put(image, 1, "145.6", "145.0", "88.5", "None", 3, false, 0);
    put(image, 2, "146.52", "146.52", "100.0", "100.0", 0, true, 0);
    put(image, 3, "146.52", "147.12", "D023N", "D023I", 3, false, 1);
    put(image, 4, "146.52", nullptr, "D754N", "123.0", 3, true, 2);
    put(image, 5, "146.52", "146.52", "None", "D025N", 0, false, 3);
    RefreshDerivedData(image, kVhf);
    const std::string csv = ChannelsToCsv(image);
    EXPECT_NE(csv.find("\n1,,145.600000,-,0.600000,Tone,88.5,88.5,023,NN,023,Tone->Tone,FM,2.50,,"
                       "5.0W,,Analog,Wide\n"),
              std::string::npos)
        << csv;
    EXPECT_NE(csv.find("\n2,,146.520000,,0.000000,TSQL,100.0,100.0,023,NN,023,Tone->Tone,NFM,2.50,,"
                       "1.0W,,Analog,Narrow\n"),
              std::string::npos)
        << csv;
    EXPECT_NE(csv.find("\n3,,146.520000,+,0.600000,DTCS,88.5,88.5,023,NR,023,Tone->Tone,DIG,2.50,,"
                       "5.0W,,Digit,Wide\n"),
              std::string::npos)
        << csv;
    EXPECT_NE(csv.find("\n4,,146.520000,off,0.000000,Cross,88.5,123.0,754,NN,023,DTCS->Tone,DIG,"
                       "2.50,,5.0W,,Mixed(Digit),Narrow\n"),
              std::string::npos)
        << csv;
    EXPECT_NE(csv.find("\n5,,146.520000,,0.000000,Cross,88.5,88.5,023,NN,025,->DTCS,DIG,2.50,,"
                       "1.0W,,Mixed(Analog),Wide\n"),
              std::string::npos)
        << csv;

    // A chosen set, in the order given; an empty channel is a row that deletes it.
    const std::vector<int> chosen = {4, 9, 2};
    const std::string some = ChannelsToCsv(image, chosen);
    EXPECT_EQ(std::count(some.begin(), some.end(), '\n'), 4);
    EXPECT_NE(some.find("\n4,"), std::string::npos);
    EXPECT_LT(some.find("\n4,"), some.find("\n9,,,"));
    EXPECT_LT(some.find("\n9,,,"), some.find("\n2,"));
    Image other = image;
    put(other, 9, "147.0", "147.0", "None", "None", 3, false, 0);
    const CsvImportResult result = ImportChannelsCsv(some, "some.csv", other);
    ASSERT_TRUE(result) << result.message;
    EXPECT_EQ(result.deleted, 1);
    Image expected = image;
    ClearChannel(expected, 9);
    RefreshDerivedData(expected, kVhf);
    EXPECT_TRUE(IsChannelEmpty(other, 9));
    EXPECT_EQ(DescribeDifferences(expected, other), "");
}

// A list as the widely used tool's current export writes it, by hand from the format's facts:
// watts, DTCS with RxDtcsCode 023, Location 0, another band, a DMR row, comment lines, a
// quoted comment of two lines, the D-STAR columns.
TEST(ChannelCsv, AListAsOtherToolsWriteIt) {
    const std::string text =
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
        "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\n"
        "# written by hand for this test\n"
        "0,CALL,146.520000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,50W,,,,,\n"
        "1,RPT1,145.290000,-,0.600000,Tone,100.0,88.5,023,NN,023,Tone->Tone,FM,5.00,,5.0W,"
        "\"Repeater\non the hill\",,,,\n"
        "2,DCS,146.940000,-,0.600000,DTCS,88.5,88.5,754,NR,023,Tone->Tone,NFM,12.50,S,0.5W,,,,,\n"
        "3,UHF,446.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,12.50,,1.0W,,,,,\n"
        "4,DMR,145.500000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,DMR,12.50,,5.0W,,,,,\n"
        ",,,,,,,,,,,,,,,,,,,,\n"
        "5,Mountain Top Repeater,147.000000,+,0.600000,TSQL,88.5,123.0,023,NN,023,Tone->Tone,,"
        "5.00,P,2.5W,,,,,\n"
        "6,Calling,146.55 MHz,,,,,,,,,,Auto,,,,,,,,\n"
        "7,Wide,146400 kHz,split,146.6,,,,,,,,FM,,,50 w,,,,,\n";
    Image image = testing_support::NewImage(kVhf);
    const CsvImportResult result = ImportChannelsCsv(text, "export.csv", image);
    ASSERT_TRUE(result) << result.message;
    EXPECT_EQ(result.Summary(), "5 channels imported, 3 rows skipped");
    ASSERT_EQ(result.skipped.size(), 3u);
    EXPECT_EQ(DescribeRow(result.skipped[0], true),
              "line 3: skipped: Location 0 is no channel of this radio (1 to 199)");
    EXPECT_EQ(DescribeRow(result.skipped[1], true),
              "line 7: skipped: 446.000000 MHz is outside the band 136.000000-174.000000 MHz");
    EXPECT_EQ(result.skipped[2].line, 8);
    EXPECT_NE(result.skipped[2].what.find("Mode \"DMR\""), std::string::npos);
    ASSERT_EQ(result.notes.size(), 2u);
    EXPECT_EQ(DescribeRow(result.notes[0], false),
              "line 10: note: priority scan (Skip P) is scanned as any channel");
    EXPECT_EQ(DescribeRow(result.notes[1], false),
              "line 10: note: Name cut to \"Mountain Top\" (at most 12 characters)");

    const ChannelRecord one = ReadChannel(image, 1);
    EXPECT_EQ(one.txFreq, 14469000u);
    EXPECT_EQ(ToneText(one.txTone), "100.0");
    EXPECT_EQ(ToneText(one.rxTone), "None") << "Tone: on transmit only";
    EXPECT_EQ(one.txPower, 3);
    EXPECT_EQ(one.channelType, 0);
    const ChannelRecord two = ReadChannel(image, 2);
    EXPECT_EQ(ToneText(two.txTone), "D754N") << "DTCS: DtcsCode both ways";
    EXPECT_EQ(ToneText(two.rxTone), "D754I") << "not RxDtcsCode";
    EXPECT_TRUE(two.narrow);
    EXPECT_FALSE(two.scan);
    EXPECT_EQ(two.txPower, 0) << "0.5 W is nearer Low";
    EXPECT_TRUE(IsChannelEmpty(image, 3));
    EXPECT_TRUE(IsChannelEmpty(image, 4));
    const ChannelRecord five = ReadChannel(image, 5);
    EXPECT_EQ(ReadAlias(image, 5), "Mountain Top");
    EXPECT_EQ(ToneText(five.txTone), "123.0") << "TSQL: cToneFreq both ways";
    EXPECT_EQ(ToneText(five.rxTone), "123.0");
    EXPECT_EQ(five.channelType, 0) << "an empty Mode is FM";
    EXPECT_FALSE(five.narrow);
    EXPECT_TRUE(five.scan);
    EXPECT_EQ(five.txPower, 0) << "2.5 W is nearer Low";
    EXPECT_EQ(ReadChannel(image, 6).rxFreq, 14655000u);
    EXPECT_EQ(ReadChannel(image, 6).channelType, 0) << "Auto is FM";
    const ChannelRecord seven = ReadChannel(image, 7);
    EXPECT_EQ(seven.rxFreq, 14640000u);
    EXPECT_EQ(seven.txFreq, 14660000u) << "split: Offset is the transmit frequency";
    EXPECT_EQ(seven.txPower, 3);

    // Strict: the first row that does not fit refuses the whole list.
    Image strict = testing_support::NewImage(kVhf);
    const Image before = strict;
    const CsvImportResult refused = ImportChannelsCsv(text, "export.csv", strict, {.strict = true});
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.message, "Cannot import \"export.csv\": line 3, column 1 (Location): "
                               "Location 0 is no channel of this radio (1 to 199)");
    EXPECT_EQ(DescribeDifferences(before, strict), "");
}

TEST(ChannelCsv, EveryCrossMode) {
    struct Case {
        const char *cross, *tx, *rx;
    };
    const Case cases[] = {
        {"Tone->Tone", "100.0", "123.0"}, {"DTCS->", "D023N", "None"},
        {"->DTCS", "None", "D754I"},      {"Tone->DTCS", "100.0", "D754I"},
        {"DTCS->Tone", "D023N", "123.0"}, {"->Tone", "None", "123.0"},
        {"DTCS->DTCS", "D023N", "D754I"}, {"Tone->", "100.0", "None"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.cross);
        Image image = testing_support::NewImage(kVhf);
        const std::string text =
            kHeader + "9,X,146.52,,,Cross,100.0,123.0,023,NR,754," + c.cross + ",FM,,,,\n";
        const CsvImportResult result = ImportChannelsCsv(text, "cross.csv", image);
        ASSERT_TRUE(result) << result.message;
        EXPECT_EQ(ToneText(ReadChannel(image, 9).txTone), c.tx);
        EXPECT_EQ(ToneText(ReadChannel(image, 9).rxTone), c.rx);
        // And back out: the export writes the same pair, so that other tools read it alike.
        Image again = testing_support::NewImage(kVhf);
        ASSERT_TRUE(ImportChannelsCsv(ChannelsToCsv(image), "back.csv", again));
        EXPECT_EQ(DescribeDifferences(image, again), "");
    }
}

class ChannelCsvImport : public ::testing::Test {
protected:
    ChannelCsvImport() {
        std::vector<int> used;
        image = RandomChannels(77, kVhf, used);
    }
    // The import must fail, name the line (and column), and leave every byte.
    void ExpectRefused(const std::string &text, const std::string &where, const std::string &reason,
                       CsvImportOptions options = {}) {
        SCOPED_TRACE(where + ": " + reason);
        const Image before = image;
        const CsvImportResult result = ImportChannelsCsv(text, "bad.csv", image, options);
        EXPECT_FALSE(result.ok);
        EXPECT_NE(result.message.find("\"bad.csv\": " + where), std::string::npos)
            << result.message;
        EXPECT_NE(result.message.find(reason), std::string::npos) << result.message;
        EXPECT_EQ(result.message.find('\n'), std::string::npos) << "one line";
        EXPECT_EQ(DescribeDifferences(before, image), "");
    }
    // One good row (line 2) and the row under test (line 3): the good row is imported and the
    // other skipped with `reason`.
    void ExpectSkipped(const std::string &row, const std::string &reason) {
        SCOPED_TRACE(row);
        Image copy = image;
        const CsvImportResult result = ImportChannelsCsv(
            kHeader + "1,Good,146.52,,,,,,,,,,FM,,,,\n" + row + "\n", "skip.csv", copy);
        ASSERT_TRUE(result) << result.message;
        EXPECT_EQ(result.written, std::vector<int>{1});
        ASSERT_EQ(result.skipped.size(), 1u);
        EXPECT_EQ(result.skipped[0].line, 3);
        EXPECT_NE(result.skipped[0].what.find(reason), std::string::npos) << result.skipped[0].what;
        // Strict refuses the same text at that row.
        ExpectRefused(kHeader + "1,Good,146.52,,,,,,,,,,FM,,,,\n" + row + "\n", "line 3", reason,
                      {.strict = true});
    }
    Image image;
};

TEST_F(ChannelCsvImport, MalformedTextIsRefusedWhole) {
    const std::string good = "1,Good,146.520000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,"
                             "2.50,,5.0W,\n";
    ExpectRefused(kHeader + good + "2,X,14a.5,,0,,,,,,,,FM,,,,\n", "line 3, column 3 (Frequency)",
                  "not a frequency");
    ExpectRefused(kHeader + "2,X,146.5,-,abc,,,,,,,,FM,,,,\n", "line 2, column 5 (Offset)",
                  "not a frequency");
    ExpectRefused(kHeader + "2,X,146.5,,0,Tone,8x.5,,,,,,FM,,,,\n", "line 2, column 7 (rToneFreq)",
                  "not a tone in Hz");
    ExpectRefused(kHeader + "2,X,146.5,,0,DTCS,,,0x3,NN,,,FM,,,,\n", "line 2, column 9 (DtcsCode)",
                  "not a DCS code");
    ExpectRefused(kHeader + good + "1e2,X,146.5,,0,,,,,,,,FM,,,,\n", "line 3, column 1 (Location)",
                  "not a channel number");
    const std::string row = ",X,146.5,,0,,,,,,,,FM,,,,\n";
    ExpectRefused(kHeader + "5" + row + "6" + row + "5" + row, "line 4, column 1 (Location)",
                  "already on line 2");
    ExpectRefused(kHeader + "0" + row + "0" + row, "line 3, column 1 (Location)",
                  "already on line 2");
    ExpectRefused(kHeader + "5,X,146.5\n", "line 2", "3 fields where the header has 17");
    ExpectRefused(kHeader + "5,\"open,146.5,,0,,,,,,,,FM,,,,\n", "line 2", "not closed by the end");
    ExpectRefused(kHeader + "5,a\"b,146.5,,0,,,,,,,,FM,,,,\n", "line 2", "quote");
    ExpectRefused("Location,Name\n1,X\n", "line 1", "no Frequency column");
    ExpectRefused("Location,Frequency,Location\n", "line 1, column 3 (Location)", "named twice");
    ExpectRefused("", "no header", "no header");
    ExpectRefused(kHeader + std::string("1,\0,146.5", 10) + "\n", "line 2", "NUL byte");
    constexpr char kNulComment[] = "# a comment with a NUL \0 in it\n";
    ExpectRefused(kHeader + std::string(kNulComment, sizeof kNulComment - 1) + good, "line 2",
                  "NUL byte");
    std::string big = kHeader;
    while (big.size() <= kMaxChannelCsvSize)
        big += good;
    ExpectRefused(big, "the file holds", "a channel list is at most 1048576");
}

TEST_F(ChannelCsvImport, RowsThisRadioCannotHoldAreSkippedAndListed) {
    ExpectSkipped("2,X,446.000000,,0,,,,,,,,FM,,,,", "446.000000 MHz is outside the band");
    ExpectSkipped("2,X,146.5,+,30.000000,,,,,,,,FM,,,,",
                  "the transmit frequency 176.500000 MHz is outside the band");
    ExpectSkipped("2,X,146.5,split,0,,,,,,,,FM,,,,", "the transmit frequency is outside");
    ExpectSkipped("2,X,146.5,dup,0,,,,,,,,FM,,,,", "no duplex");
    ExpectSkipped("0,X,146.5,,0,,,,,,,,FM,,,,", "Location 0 is no channel");
    ExpectSkipped("200,X,146.5,,0,,,,,,,,FM,,,,", "Location 200 is no channel");
    ExpectSkipped("2,X,146.5,,0,,,,,,,,AM,,,,", "Mode \"AM\" is not one this radio has");
    ExpectSkipped("2,X,146.5,,0,,,,,,,,DIG,,,,", "without a ChannelType");
    ExpectSkipped("2,X,146.5,,0,DTCS-R,,,023,NN,,,FM,,,,", "reversed tone mode DTCS-R");
    ExpectSkipped("2,X,146.5,,0,TSQL-R,,88.5,,,,,FM,,,,", "reversed tone mode TSQL-R");
    ExpectSkipped("2,X,146.5,,0,Tone,88.4,,,,,,FM,,,,", "88.4 Hz is no CTCSS tone");
    ExpectSkipped("2,X,146.5,,0,Tone," + std::string(400, '9') + ",,,,,,FM,,,,",
                  "Hz is no CTCSS tone");
    ExpectSkipped("2,X,146.5,,0,DTCS,,,024,NN,,,FM,,,,", "no DCS code of this radio");
    ExpectSkipped("2,X,146.5,,0,DTCS,,,023,NX,,,FM,,,,", "no polarity");
    ExpectSkipped("2,X,146.5,,0,Cross,,,,,,Tone->Foo,FM,,,,", "no cross mode");
    ExpectSkipped("2,X,146.5,,0,Squelch,,,,,,,FM,,,,", "no tone mode");
    ExpectSkipped("2,X,146.5,,0,,,,,,,,FM,,,Max,", "neither watts");
    ExpectSkipped("2,X,146.5,,0,,,,,,,,FM,,Y,,", "no skip mark");
}

TEST_F(ChannelCsvImport, AListWithNoRowThatFitsIsRefusedWithTheReason) {
    ExpectRefused(kHeader + "1,X,446.0,,,,,,,,,,FM,,,,\n2,Y,447.0,,,,,,,,,,FM,,,,\n",
                  "no row fits this radio; line 2: 446.000000 MHz is outside the band", "band");
    // A header alone, or only comments, imports nothing and is no error.
    Image copy = image;
    const CsvImportResult empty = ImportChannelsCsv(kHeader + "# nothing\n", "empty.csv", copy);
    EXPECT_TRUE(empty) << empty.message;
    EXPECT_EQ(empty.Summary(), "0 channels imported, 0 rows skipped");
}

TEST_F(ChannelCsvImport, WattsGoToTheNearerLevel) {
    const std::pair<const char *, int> cases[] = {
        {"0.5W", 0}, {"1.0W", 0}, {"2.9W", 0}, {"3", 3},   {"5.0W", 3},
        {"50W", 3},  {"8 w", 3},  {"high", 3}, {"Low", 0}, {"", 3},
    };
    for (const auto &[power, level] : cases) {
        SCOPED_TRACE(power);
        const std::string text = kHeader + "3,P,146.5,,,,,,,,,,FM,,," + power + ",\n";
        ASSERT_TRUE(ImportChannelsCsv(text, "power.csv", image));
        EXPECT_EQ(ReadChannel(image, 3).txPower, level);
    }
}

TEST_F(ChannelCsvImport, ByteOrderMarkWindowsLineEndsAndMissingColumnsAreAccepted) {
    const std::string text = "\xEF\xBB\xBFLocation,Frequency,Unknown,Mode\r\n"
                             "7,146.52,whatever,NFM\r\n"
                             "8,147.000000,,\r\n";
    const CsvImportResult result = ImportChannelsCsv(text, "crlf.csv", image);
    ASSERT_TRUE(result) << result.message;
    EXPECT_EQ(result.channels, 2);
    const ChannelRecord seven = ReadChannel(image, 7), eight = ReadChannel(image, 8);
    EXPECT_EQ(seven.rxFreq, 14652000u);
    EXPECT_EQ(seven.txFreq, 14652000u) << "no Duplex: simplex";
    EXPECT_TRUE(seven.narrow);
    EXPECT_EQ(seven.channelType, 0);
    EXPECT_EQ(eight.channelType, 0) << "an empty Mode is FM";
    EXPECT_FALSE(eight.narrow);
    EXPECT_EQ(eight.txPower, 3);
    EXPECT_TRUE(eight.scan);
    EXPECT_EQ(eight.rxTone, kNoTone);
}

TEST_F(ChannelCsvImport, DuplexDeletionNamesAndEarlierFiles) {
    const std::string text = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,"
                             "DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,Mode,ChannelType\n"
                             "1,A,145.6,-,0.6,TSQL,,100.0,,,,,FM,\n"
                             "2,Caf\xC3\xA9,145.6,off,,DTCS,,,23,RN,,,FM,\n"
                             "3,,,,,,,,,,,,,\n"
                             "4,Old,145.6,,,,,,,,,,DPMR,\n"
                             "5,Mixed,145.6,,,,,,,,,,DPMR,Mixed(Analog)\n";
    const CsvImportResult result = ImportChannelsCsv(text, "tones.csv", image);
    ASSERT_TRUE(result) << result.message;
    EXPECT_EQ(result.deleted, 1);
    const ChannelRecord one = ReadChannel(image, 1), two = ReadChannel(image, 2);
    EXPECT_EQ(one.txFreq, 14500000u);
    EXPECT_EQ(ToneText(one.txTone), "100.0");
    EXPECT_EQ(ToneText(one.rxTone), "100.0");
    EXPECT_EQ(two.txFreq, std::nullopt) << "Duplex off: receive only";
    EXPECT_EQ(ToneText(two.txTone), "D023I");
    EXPECT_EQ(ToneText(two.rxTone), "D023N");
    EXPECT_EQ(ReadAlias(image, 2), "Caf?");
    ASSERT_EQ(result.notes.size(), 1u);
    EXPECT_EQ(result.notes[0].line, 3);
    EXPECT_TRUE(IsChannelEmpty(image, 3)) << "an empty Frequency deletes the channel";
    // What earlier versions wrote for digital channels still reads.
    EXPECT_EQ(ReadChannel(image, 4).channelType, 1);
    EXPECT_EQ(ReadChannel(image, 5).channelType, 3);
}

TEST_F(ChannelCsvImport, APasteGoesToTheChannelsFromItsStart) {
    const std::string text = "Name,Frequency\nA,146.1\nB,146.2\nC,146.3\n";
    const CsvImportResult result = ImportChannelsCsv(text, "clipboard", image, {.pasteAt = 198});
    ASSERT_TRUE(result) << result.message;
    EXPECT_EQ(result.written, (std::vector<int>{198, 199}));
    ASSERT_EQ(result.skipped.size(), 1u);
    EXPECT_EQ(result.skipped[0].line, 4);
    EXPECT_EQ(ReadAlias(image, 199), "B");
}

class ChannelCsvFiles : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = ::testing::TempDir() + "csv-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }
    void TearDown() override { fs::remove_all(folder); }
    std::string Write(const std::string &name, const std::string &bytes) {
        const fs::path path = folder / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
    fs::path folder;
};

TEST_F(ChannelCsvFiles, LargeBinaryAndMissingFilesAreRefusedWhole) {
    std::vector<int> used;
    Image image = RandomChannels(5, kVhf, used);
    const Image before = image;
    std::string big = kHeader;
    while (big.size() < 10 * 1024 * 1024)
        big += "1,X,146.5,,0,,,,,,,,FM,,,,\n";
    const std::string large = Write("large.csv", big);
    CsvImportResult result = ImportChannelsCsvFile(large, image);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find(large + "\": the file holds"), std::string::npos)
        << result.message;

    std::string binary(4096, '\0');
    std::mt19937 random(9);
    for (char &c : binary)
        c = static_cast<char>(random());
    result = ImportChannelsCsvFile(Write("plug.csv", binary), image);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("plug.csv\": line "), std::string::npos) << result.message;

    result = ImportChannelsCsvFile((folder / "none.csv").string(), image);
    EXPECT_NE(result.message.find("none.csv\": No such file"), std::string::npos) << result.message;
    EXPECT_EQ(DescribeDifferences(before, image), "");
}

TEST_F(ChannelCsvFiles, ExportWritesTheFileThatImportReads) {
    std::vector<int> used;
    const Image source = RandomChannels(6, kVhf, used);
    const std::string path = (folder / "out.csv").string();
    ASSERT_TRUE(ExportChannelsCsvFile(path, source));
    Image target = source;
    for (int n = 1; n <= kChannelCount; ++n)
        ClearChannel(target, n);
    const CsvImportResult result = ImportChannelsCsvFile(path, target);
    ASSERT_TRUE(result) << result.message;
    for (int n : used)
        ExpectSameCarriedFields(source, target, n);
}

} // namespace
} // namespace dpmr
