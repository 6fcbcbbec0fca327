// CSV channel lists: export then import carries every field the columns hold, over random
// images; every bad file is refused with its line and column and leaves the image as it was.

#include "core/channels/channel_record.h"
#include "core/exchange/channel_csv.h"
#include "core/image/band_limits.h"
#include "core/image/frequency.h"
#include "core/image/memory_map.h"
#include "core/image/tone.h"
#include "core_test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

namespace dpmr {
namespace {

using testing_support::DescribeDifferences;
using testing_support::RandomImage;
namespace fs = std::filesystem;

constexpr BandLimits kVhf{13600000, 17400000};

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
        WriteChannel(image, n, r);
        std::string alias;
        for (int i = pick(0, static_cast<int>(kAliasLength)); i > 0; --i)
            alias += static_cast<char>(pick(0x20, 0x7E));
        WriteAlias(image, n, alias);
    }
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

TEST(ChannelCsv, ExportThenImportCarriesEveryColumnOverRandomImages) {
    for (std::uint32_t seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::vector<int> used, ignored;
        const Image source = RandomChannels(seed, kVhf, used);
        const std::string csv = ChannelsToCsv(source);

        Image target = RandomChannels(seed + 1000, kVhf, ignored);
        const CsvImportResult result = ImportChannelsCsv(csv, "list.csv", target);
        ASSERT_TRUE(result) << result.message;
        EXPECT_EQ(result.channels, static_cast<int>(used.size()));
        for (int n : used)
            ExpectSameCarriedFields(source, target, n);
        // A second round through the text changes nothing more.
        Image again = target;
        ASSERT_TRUE(ImportChannelsCsv(ChannelsToCsv(target), "again.csv", again));
        EXPECT_EQ(DescribeDifferences(target, again), "");
    }
}

const std::string kHeader = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,"
                            "DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,"
                            "Comment\n";

class ChannelCsvImport : public ::testing::Test {
protected:
    ChannelCsvImport() {
        std::vector<int> used;
        image = RandomChannels(77, kVhf, used);
    }
    // The import must fail, name the line and column, and leave every byte.
    void ExpectRefused(const std::string &text, const std::string &where,
                       const std::string &reason) {
        const Image before = image;
        const CsvImportResult result = ImportChannelsCsv(text, "bad.csv", image);
        EXPECT_FALSE(result.ok);
        EXPECT_NE(result.message.find("\"bad.csv\": " + where), std::string::npos)
            << result.message;
        EXPECT_NE(result.message.find(reason), std::string::npos) << result.message;
        EXPECT_EQ(result.message.find('\n'), std::string::npos) << "one line";
        EXPECT_EQ(DescribeDifferences(before, image), "");
    }
    Image image;
};

TEST_F(ChannelCsvImport, BadValuesNameTheirLineAndColumn) {
    const std::string good = "1,Good,146.520000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,"
                             "2.50,,High,\n";
    ExpectRefused(kHeader + good + "2,X,446.000000,,0,,,,,,,,FM,,,,\n",
                  "line 3, column 3 (Frequency)", "outside the band");
    ExpectRefused(kHeader + "2,X,14a.5,,0,,,,,,,,FM,,,,\n", "line 2, column 3 (Frequency)",
                  "not a frequency");
    ExpectRefused(kHeader + "2,X,146.5,+,30.000000,,,,,,,,FM,,,,\n", "line 2, column 5 (Offset)",
                  "transmit frequency 176.500000 MHz is outside");
    ExpectRefused(kHeader + "2,X,146.5,-,abc,,,,,,,,FM,,,,\n", "line 2, column 5 (Offset)",
                  "not a frequency");
    ExpectRefused(kHeader + "2,X,146.5,dup,0,,,,,,,,FM,,,,\n", "line 2, column 4 (Duplex)",
                  "no duplex");
    ExpectRefused(kHeader + "2,X,146.5,,0,Tone,88.4,,,,,,FM,,,,\n", "line 2, column 7 (rToneFreq)",
                  "no CTCSS tone");
    ExpectRefused(kHeader + "2,X,146.5,,0,DTCS,,,024,NN,,,FM,,,,\n", "line 2, column 9 (DtcsCode)",
                  "no DCS code");
    ExpectRefused(kHeader + "2,X,146.5,,0,DTCS,,,023,NX,,,FM,,,,\n",
                  "line 2, column 10 (DtcsPolarity)", "no polarity");
    ExpectRefused(kHeader + "2,X,146.5,,0,Cross,,,,,,Tone->Foo,FM,,,,\n",
                  "line 2, column 12 (CrossMode)", "no cross mode");
    ExpectRefused(kHeader + "2,X,146.5,,0,Squelch,,,,,,,FM,,,,\n", "line 2, column 6 (Tone)",
                  "no tone mode");
    ExpectRefused(kHeader + "2,X,146.5,,0,,,,,,,,AM,,,,\n", "line 2, column 13 (Mode)", "no mode");
    ExpectRefused(kHeader + "2,X,146.5,,0,,,,,,,,FM,,,Max,\n", "line 2, column 16 (Power)",
                  "not one of Low, High");
    ExpectRefused(kHeader + "2,X,146.5,,0,,,,,,,,FM,,Y,,\n", "line 2, column 15 (Skip)",
                  "no skip mark");
    ExpectRefused(kHeader + "2,ThirteenChars,146.5,,0,,,,,,,,FM,,,,\n", "line 2, column 2 (Name)",
                  "does not fit");
}

TEST_F(ChannelCsvImport, BadLocationsAndShapes) {
    const std::string row = ",X,146.5,,0,,,,,,,,FM,,,,\n";
    ExpectRefused(kHeader + "0" + row, "line 2, column 1 (Location)", "no channel (1 to 199)");
    ExpectRefused(kHeader + "200" + row, "line 2, column 1 (Location)", "no channel");
    ExpectRefused(kHeader + "1e2" + row, "line 2, column 1 (Location)", "no channel");
    ExpectRefused(kHeader + "5" + row + "6" + row + "5" + row, "line 4, column 1 (Location)",
                  "already on line 2");
    ExpectRefused(kHeader + "5,X,146.5\n", "line 2", "3 fields where the header has 17");
    ExpectRefused(kHeader + "5,\"two\nlines\",146.5,,0,,,,,,,,FM,,,,\n", "line 2, column 2",
                  "runs over a line end");
    ExpectRefused(kHeader + "5,\"open,146.5,,0,,,,,,,,FM,,,,\n", "line 2", "not closed by the end");
    ExpectRefused(kHeader + "5,a\"b,146.5,,0,,,,,,,,FM,,,,\n", "line 2", "quote");
    ExpectRefused("Location,Name\n1,X\n", "line 1", "no Frequency column");
    ExpectRefused("Location,Frequency,Location\n", "line 1, column 3 (Location)", "named twice");
    ExpectRefused("", "no header", "no header");
    ExpectRefused(kHeader + std::string("1,\0,146.5", 10) + "\n", "line 2", "NUL byte");
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
    // Columns left out take what a new channel typed into the table gets.
    EXPECT_EQ(eight.channelType, 1);
    EXPECT_FALSE(eight.narrow);
    EXPECT_EQ(eight.txPower, 3);
    EXPECT_TRUE(eight.scan);
    EXPECT_EQ(eight.rxTone, kNoTone);
}

TEST_F(ChannelCsvImport, ToneModesDuplexAndDeletion) {
    const std::string text = "Location,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
                             "DtcsPolarity,RxDtcsCode,CrossMode,Mode\n"
                             "1,145.6,-,0.6,TSQL,,100.0,,,,,FM\n"
                             "2,145.6,split,146.0,Cross,71.9,,,NR,754,Tone->DTCS,FM\n"
                             "3,145.6,off,,DTCS,,,23,RN,,,FM\n"
                             "4,,,,,,,,,,,\n";
    ASSERT_TRUE(ImportChannelsCsv(text, "tones.csv", image));
    const ChannelRecord one = ReadChannel(image, 1), two = ReadChannel(image, 2),
                        three = ReadChannel(image, 3);
    EXPECT_EQ(one.txFreq, 14500000u);
    EXPECT_EQ(ToneText(one.txTone), "100.0");
    EXPECT_EQ(ToneText(one.rxTone), "100.0");
    EXPECT_EQ(two.txFreq, 14600000u);
    EXPECT_EQ(ToneText(two.txTone), "71.9");
    EXPECT_EQ(ToneText(two.rxTone), "D754I");
    EXPECT_EQ(three.txFreq, std::nullopt) << "Duplex off: receive only";
    EXPECT_EQ(ToneText(three.txTone), "D023I");
    EXPECT_EQ(ToneText(three.rxTone), "D023N");
    EXPECT_TRUE(IsChannelEmpty(image, 4)) << "an empty Frequency deletes the channel";
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
