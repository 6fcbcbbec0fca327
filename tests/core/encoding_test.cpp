// Value encodings: tones, packed decimal digits, dialling digits, text slots and identities.

#include "core/image/bcd.h"
#include "core/image/digit_codes.h"
#include "core/image/text.h"
#include "core/image/tone.h"

#include "core_test_support.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace dpmr {
namespace {

using testing_support::Differences;

TEST(NormalizeToneText, TurnsTypedTextIntoTheCanonicalTone) {
    const std::pair<const char *, const char *> cases[] = {
        {"d23i", "D023I"},  {"88", "D088N"},   {"88.5", "88.5"},
        {"300.0", "None"},  {"59.9", "None"},  {"D999", "None"},
        {"D089", "D089N"},  {"I023", "D023I"}, {"ID23", "D023I"},
        {"X", "None"},      {"", ""},          {"60.0", "60.0"},
        {"280.0", "280.0"}, {"280.1", "None"}, {"67.0hz", "67.0HZ"},
        {"d754n", "D754N"}, {"dn23", "D023N"}, {"di23", "D023I"},
        {"nd23", "D023N"},  {"n23", "D023N"},  {"23i", "D023I"},
        {"23d", "D023N"},   {"777", "D777N"},  {"778", "None"},
        {"D0", "None"},     {"D", "None"},     {"I", "None"},
        {" ", "None"},      {"D-5", "None"},   {"d 23", "D023N"},
        {"D23X", "D023N"},  {"DX23", "None"},
    };
    for (const auto &[typed, shown] : cases)
        EXPECT_EQ(NormalizeToneText(typed), shown) << '"' << typed << '"';
}

TEST(ToneCodeFromText, StoresEachFormOfTone) {
    // ToneCode holds the low byte first, as the image does: 0x8023 is bytes 23 80.
    const std::pair<const char *, ToneCode> cases[] = {
        {"D023N", 0x8023}, {"D754I", 0xC754},  {"67.0", 0x0670},  {"None", 0xFFFF},
        {"", 0x0000},      {"100.05", 0x1000}, {"254.1", 0x2541}, {"D114N", 0x8114},
        {"D089N", 0x8089}, {"88.0", 0x0880},   {"D023", 0xC023},  {"D", 0xC000},
    };
    for (const auto &[text, code] : cases)
        EXPECT_EQ(ToneCodeFromText(text), code) << '"' << text << '"';
}

TEST(ToneText, ShowsEachFormOfToneCode) {
    const std::pair<ToneCode, const char *> cases[] = {
        {0x8023, "D023N"}, {0x8114, "D114N"}, {0x0670, "67.0"},  {0xC754, "D754I"},
        {0x2541, "254.1"}, {0xFFFF, "None"},  {0xFF00, "None"},  {0xFF12, "None"},
        {0x1000, "100.0"}, {0x0880, "88.0"},  {0xC023, "D023I"},
    };
    for (const auto &[code, text] : cases)
        EXPECT_EQ(ToneText(code), text) << std::hex << code;
}

std::vector<std::string> Words(const std::string &text) {
    std::istringstream stream(text);
    std::vector<std::string> words;
    for (std::string word; stream >> word;)
        words.push_back(word);
    return words;
}

TEST(ToneList, Holds261UniqueTonesInChooserOrder) {
    const auto ctcss =
        Words("67.0 69.3 71.9 74.4 77.0 79.7 82.5 85.4 88.5 91.5 94.8 97.4 100.0 103.5 107.2 110.9 "
              "114.8 118.8 123.0 127.3 131.8 136.5 141.3 146.2 151.4 156.7 159.8 162.2 165.5 167.9 "
              "171.3 173.8 177.3 179.9 183.5 186.2 189.9 192.8 196.6 199.5 203.5 206.5 210.7 218.1 "
              "225.7 229.1 233.6 241.8 250.3 254.1");
    const auto dcs = Words(
        "023 025 026 031 032 036 043 047 051 053 054 065 071 072 073 074 114 115 116 122 125 "
        "131 132 134 143 145 152 155 156 162 165 172 174 205 212 223 225 226 243 244 245 246 "
        "251 252 255 261 263 265 266 271 274 306 311 315 325 331 332 343 346 351 356 364 365 "
        "371 411 412 413 423 431 432 445 446 452 454 455 462 464 465 466 503 506 516 523 526 "
        "532 546 565 606 612 624 627 631 632 645 654 662 664 703 712 723 731 732 734 743 754");
    ASSERT_EQ(ctcss.size(), 50u);
    ASSERT_EQ(dcs.size(), 105u);
    std::vector<std::string> expected{"None"};
    expected.insert(expected.end(), ctcss.begin(), ctcss.end());
    for (const char *polarity : {"N", "I"})
        for (const std::string &code : dcs)
            expected.push_back("D" + code + polarity);

    const auto &list = ToneList();
    ASSERT_EQ(list.size(), 261u);
    EXPECT_EQ(list, expected);
    EXPECT_EQ(std::set<std::string>(list.begin(), list.end()).size(), 261u);
}

TEST(ToneList, EveryEntrySurvivesStoreAndShow) {
    for (const std::string &text : ToneList()) {
        EXPECT_EQ(ToneText(ToneCodeFromText(text)), text);
        EXPECT_EQ(NormalizeToneText(text), text);
    }
}

TEST(Bcd, EncodesAndDecodesDigitPairs) {
    EXPECT_EQ(EncodeBcdByte(42), 0x42);
    EXPECT_EQ(EncodeBcdByte(0), 0x00);
    EXPECT_EQ(EncodeBcdByte(99), 0x99);
    EXPECT_EQ(EncodeBcdByte(123), 0x23);
    EXPECT_EQ(DecodeBcdByte(0x42), 42u);
    EXPECT_EQ(DecodeBcdByte(0xFF), 165u); // no validation
    EXPECT_EQ(DecodeBcdByte(0xA0), 100u);

    std::uint8_t bytes[4];
    EncodeBcd(bytes, 43850000, 4);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes, bytes + 4),
              (std::vector<std::uint8_t>{0x00, 0x00, 0x85, 0x43}));
    EncodeBcd(bytes, 123456789, 4); // the ninth digit is dropped
    EXPECT_EQ(std::vector<std::uint8_t>(bytes, bytes + 4),
              (std::vector<std::uint8_t>{0x89, 0x67, 0x45, 0x23}));
    EXPECT_EQ(DecodeBcd(bytes, 4), 23456789u);
    const std::uint8_t blank[4] = {0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(DecodeBcd(blank, 4), 166666665u); // 165 * 1010101: far above any band
    const std::uint8_t tone[2] = {0x41, 0x25};
    EXPECT_EQ(DecodeBcd(tone, 2), 2541u);
}

TEST(Bcd, FrequencyFieldsInTheImage) {
    Image image;
    image.Fill(0x00);
    WriteFrequency(image, 0x0200, 43850000);
    EXPECT_EQ(ReadFrequency(image, 0x0200), 43850000u);
    EXPECT_EQ(image[0x0202], 0x85);
    EXPECT_EQ(image[0x0203], 0x43);
    EXPECT_TRUE(IsFrequencyPresent(image, 0x0200));
    EXPECT_TRUE(IsFrequencyShown(image, 0x0200));

    const Image before = image;
    WriteFrequency(image, 0x0200, std::nullopt);
    EXPECT_EQ(Differences(before, image),
              (std::vector<std::size_t>{0x0200, 0x0201, 0x0202, 0x0203}));
    EXPECT_FALSE(IsFrequencyPresent(image, 0x0200));
    EXPECT_FALSE(IsFrequencyShown(image, 0x0200));

    image[0x0203] = 0x00; // present, but shown as empty
    EXPECT_TRUE(IsFrequencyPresent(image, 0x0200));
    EXPECT_FALSE(IsFrequencyShown(image, 0x0200));
}

TEST(DigitCodes, DtmfAndContactDigitsBothWays) {
    const std::string dtmf = "0123456789ABCD*#";
    for (std::size_t code = 0; code < dtmf.size(); ++code) {
        EXPECT_EQ(DtmfCharFromCode(static_cast<std::uint8_t>(code)), dtmf[code]);
        EXPECT_EQ(DtmfCodeFromChar(dtmf[code]), code) << dtmf[code];
    }
    // Any hexadecimal digit is read, "E" and "F" too; the rest is no digit.
    EXPECT_EQ(DtmfCodeFromChar('a'), 0xA);
    EXPECT_EQ(DtmfCodeFromChar('E'), 0xE);
    EXPECT_EQ(DtmfCodeFromChar('f'), 0xF);
    for (char c : {'G', ' ', '\0', '-'})
        EXPECT_EQ(DtmfCodeFromChar(c), 0xFF) << int(c);
    EXPECT_EQ(DtmfCharFromCode(0x10), '\0'); // the end of the digit string
    EXPECT_EQ(DtmfCharFromCode(0xFF), '\0');

    EXPECT_EQ(ContactCodeFromChar('*'), 0xA);
    EXPECT_EQ(ContactCodeFromChar('7'), 7);
    EXPECT_EQ(ContactCodeFromChar('#'), 0xFF);
    EXPECT_EQ(ContactCharFromCode(0xA), '*');
    EXPECT_EQ(ContactCharFromCode(9), '9');
    EXPECT_EQ(ContactCharFromCode(0xB), static_cast<char>(0xFF));
}

TEST(TextSlot, WriterFillsWith0xFFAndCutsReaderStopsAtNonPrintable) {
    Image image;
    image.Fill(0x00);
    const Image before = image;
    WriteTextSlot(image, 0x3180, 16, 12, "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(ReadTextSlot(image, 0x3180, 12), "ABCDEFGHIJKL");
    WriteTextSlot(image, 0x3180, 16, 12, "Hello");
    EXPECT_EQ(ReadTextSlot(image, 0x3180, 12), "Hello");
    for (std::size_t i = 5; i < 16; ++i)
        EXPECT_EQ(image[0x3180 + i], 0xFF) << i;
    for (std::size_t offset : Differences(before, image))
        EXPECT_TRUE(offset >= 0x3180 && offset < 0x3190) << std::hex << offset;

    // Printable is 0x20 to 0x7E; the reader stops at anything else, or at the limit.
    image[0x3180 + 0] = ' ';
    image[0x3180 + 2] = '~';
    for (std::uint8_t stop : {0x7F, 0x1F, 0x80, 0x00, 0xFF}) {
        image[0x3180 + 3] = stop;
        EXPECT_EQ(ReadTextSlot(image, 0x3180, 12), " e~") << int(stop);
    }
    image.Fill(0x3180, 16, 'x');
    EXPECT_EQ(ReadTextSlot(image, 0x3180, 8), "xxxxxxxx");
}

TEST(Identities, PadTextIdTextAndReservedIds) {
    EXPECT_EQ(PadText("123", '0', 7, true), "0000123");
    EXPECT_EQ(PadText("123456789", '0', 7, true), "1234567");
    EXPECT_EQ(PadText("ab", 'x', 4, false), "abxx");
    EXPECT_EQ(PadText("abc", 'x', 0, true), "");
    EXPECT_EQ(PadText("", ' ', 3, false), "   ");
    EXPECT_EQ(IdText(1), "0000001");
    EXPECT_EQ(IdText(9999999), "9999999");
    EXPECT_EQ(IdText(123456789), "1234567");

    for (char first = '0'; first <= '9'; ++first)
        EXPECT_TRUE(IsReservedId(std::string(1, first) + "000000")) << first;
    for (const char *text : {"0000001", "30000000", "300000", "", "A000000", "3000001", "0300000"})
        EXPECT_FALSE(IsReservedId(text)) << text;
}

} // namespace
} // namespace dpmr

namespace {
TEST(ToneCodeFromTextMend, ADcsCodeBeyondItsPolarityIsNone) {
    using namespace dpmr;
    // A stored 0xFE 0xA4 shows as D6304I (0xA4 decodes to 104); it must not come back as the
    // half-blank 0xFF 0x04 or as a normal code.
    EXPECT_EQ(ToneCodeFromText(ToneText(0xFEA4)), kNoTone);
    EXPECT_EQ(ToneCodeFromText("D6399N"), 0xBF99);
    EXPECT_EQ(ToneCodeFromText("D6400N"), kNoTone);
    EXPECT_EQ(ToneCodeFromText("D6299I"), 0xFE99);
}
} // namespace
