// The DTMF pages without widgets: new-image defaults, the 100 ms grid and its wrap, the
// tenths of a second, normalised before they are reduced to a byte, the shared bytes' other
// bits, digit strings, and the auto-dial list the one-key entries name.

#include "core/dtmf/auto_dial.h"
#include "core/dtmf/dtmf_settings.h"
#include "core/fields/page_table.h"
#include "core/image/factory_defaults.h"
#include "core_test_support.h"

#include <gtest/gtest.h>

namespace {

using namespace dpmr;

const BandLimits kBand{40000000, 47000000};

using testing_support::NewImage;

int Field(const PageTable &page, std::string_view name) {
    const int index = FieldIndex(page.fields, name);
    EXPECT_GE(index, 0) << name;
    return index;
}

const FieldRule &Rule(const PageTable &page, std::string_view name) {
    return page.fields[Field(page, name)].rule;
}

std::string Normalised(const PageTable &page, std::string_view name, std::string_view typed) {
    const Image image;
    return NormaliseText(Rule(page, name), {image, kBand}, typed);
}

// Stores `typed` into one field of a page loaded from `image`.
void StoreTyped(const PageTable &page, Image &image, std::string_view name, std::string_view typed,
                int record = 0) {
    FieldTexts texts = LoadPage(page, {image, kBand}, record);
    texts[Field(page, name)] = std::string(typed);
    StorePage(page, image, kBand, record, texts);
}

TEST(DtmfPages, NewImageShowsTheFactorySettings) {
    const Image image = NewImage();
    const FieldTexts code = LoadPage(kDtmfEncodePage, {image, kBand}, 0);
    const std::vector<std::pair<const char *, const char *>> expectedCode{
        {"speed", "100"},           {"first_digit_delay", "100"}, {"first_digit", "0"},
        {"star_hash_tone", "0"},    {"short_beep", "Inhibit"},    {"side_tone", "Allow"},
        {"ptt_id_type", "On-line"}, {"online_code", ""},          {"offline_code", ""},
        {"hold_time", "1.0"},       {"response_wait", "Inhibit"}, {"response_wait_time", "5.0"}};
    for (const auto &[name, text] : expectedCode)
        EXPECT_EQ(code[Field(kDtmfEncodePage, name)], text) << name;
    const FieldTexts decode = LoadPage(kDtmfDecodePage, {image, kBand}, 0);
    const std::vector<std::pair<const char *, const char *>> expectedDecode{
        {"decode_response", "remind and response"},
        {"decode_display", "allow"},
        {"group_call_code", "*"},
        {"stun_type", "tx inhibit"},
        {"stun_code", ""},
        {"person_id", ""},
        {"auto_reset_time", "10"}};
    for (const auto &[name, text] : expectedDecode)
        EXPECT_EQ(decode[Field(kDtmfDecodePage, name)], text) << name;
    for (const std::string &number : LoadAutoDialList(image))
        EXPECT_EQ(number, "");
    EXPECT_EQ(AutoDialChoices(image).size(), 1u);
}

TEST(DtmfPages, MillisecondsKeepToTheGridAndWrap) {
    const FieldRule &delay = Rule(kDtmfEncodePage, "first_digit_delay");
    EXPECT_EQ(Normalised(kDtmfEncodePage, "first_digit_delay", "250"), "200");
    EXPECT_EQ(Normalised(kDtmfEncodePage, "first_digit_delay", "50"), "100");
    EXPECT_EQ(Normalised(kDtmfEncodePage, "first_digit", "50"), "0");
    EXPECT_EQ(Normalised(kDtmfEncodePage, "star_hash_tone", "9999"), "1000");
    EXPECT_EQ(StepText(delay, "100", -1), "1000");
    EXPECT_EQ(StepText(delay, "1000", +1), "100");
    EXPECT_EQ(StepText(delay, "150", +1), "200");
    EXPECT_EQ(StepText(delay, "150", -1), "100");
    EXPECT_EQ(StepText(Rule(kDtmfEncodePage, "first_digit"), "0", -1), "1000");

    Image image = NewImage();
    StoreTyped(kDtmfEncodePage, image, "first_digit_delay", "250");
    EXPECT_EQ(image[0x3001], 2);
    image[0x3002] = 0xFF; // 25.5 s, far off the range: shown and stored as 1000 ms
    EXPECT_EQ(LoadPage(kDtmfEncodePage, {image, kBand}, 0)[Field(kDtmfEncodePage, "first_digit")],
              "1000");
}

TEST(DtmfPages, TenthsAreNormalisedBeforeTheyBecomeAByte) {
    EXPECT_EQ(StepText(Rule(kDtmfEncodePage, "hold_time"), "2.0", +1), "0.5");
    EXPECT_EQ(StepText(Rule(kDtmfEncodePage, "response_wait_time"), "0.5", -1), "10.0");
    Image image = NewImage();
    // 30 s would be 300 tenths, 44 in the low 8 bits: it is limited to 10.0 s first.
    StoreTyped(kDtmfEncodePage, image, "response_wait_time", "30");
    EXPECT_EQ(image[0x3009], 100);
    StoreTyped(kDtmfEncodePage, image, "hold_time", "1.3");
    EXPECT_EQ(image[0x3008], 13);
    // A blank byte (25.5 s) is never written back out of range.
    image[0x3009] = 0xFF;
    StoreTyped(kDtmfEncodePage, image, "hold_time", "1.3");
    EXPECT_EQ(image[0x3009], 100);
}

TEST(DtmfPages, AutoResetIsLimitedAndWraps) {
    const FieldRule &reset = Rule(kDtmfDecodePage, "auto_reset_time");
    EXPECT_EQ(StepText(reset, "255", +1), "0");
    EXPECT_EQ(StepText(reset, "0", -1), "255");
    Image image = NewImage();
    StoreTyped(kDtmfDecodePage, image, "auto_reset_time", "300");
    EXPECT_EQ(image[0x3034], 255);
}

TEST(DtmfPages, SharedBytesKeepTheirOtherBits) {
    Image image = NewImage();
    image[0x3007] = 0x7C; // bits 2-6 belong to no DTMF field
    image[0x3037] = 0x3E; // bits 1-5 likewise
    FieldTexts code = LoadPage(kDtmfEncodePage, {image, kBand}, 0);
    code[Field(kDtmfEncodePage, "side_tone")] = "Allow";
    code[Field(kDtmfEncodePage, "short_beep")] = "Allow";
    code[Field(kDtmfEncodePage, "response_wait")] = "Allow";
    StorePage(kDtmfEncodePage, image, kBand, 0, code);
    EXPECT_EQ(image[0x3007], 0xFF);
    FieldTexts decode = LoadPage(kDtmfDecodePage, {image, kBand}, 0);
    decode[Field(kDtmfDecodePage, "decode_display")] = ""; // no selection gives "allow"
    decode[Field(kDtmfDecodePage, "stun_type")] = "stun";
    StorePage(kDtmfDecodePage, image, kBand, 0, decode);
    EXPECT_EQ(image[0x3037], 0xBF);
}

TEST(DtmfPages, ChoicesThatNameNothingShowTheirDefault) {
    Image image = NewImage();
    image[0x3000] = 5; // a speed selects the first choice its digits begin
    EXPECT_EQ(LoadPage(kDtmfEncodePage, {image, kBand}, 0)[0], "50");
    image[0x3000] = 3;
    EXPECT_EQ(LoadPage(kDtmfEncodePage, {image, kBand}, 0)[0], "100");
    image[0x3005] = 7;
    EXPECT_EQ(LoadPage(kDtmfEncodePage, {image, kBand}, 0)[Field(kDtmfEncodePage, "ptt_id_type")],
              "On-line");
    const int group = Field(kDtmfDecodePage, "group_call_code");
    for (std::uint8_t digit = 0; digit <= 9; ++digit) {
        image[0x3030] = digit;
        EXPECT_EQ(LoadPage(kDtmfDecodePage, {image, kBand}, 0)[group], "None") << int(digit);
    }
    image[0x3031] = 9;
    EXPECT_EQ(
        LoadPage(kDtmfDecodePage, {image, kBand}, 0)[Field(kDtmfDecodePage, "decode_response")],
        "remind and response");
    StoreTyped(kDtmfDecodePage, image, "group_call_code", "None");
    EXPECT_EQ(image[0x3030], 0xFF);
    StoreTyped(kDtmfDecodePage, image, "group_call_code", "#");
    EXPECT_EQ(image[0x3030], 0x0F);
}

TEST(DtmfPages, DigitStringsAreFilteredAndEndAtTheFirstInvalidCode) {
    Image image = NewImage();
    StoreTyped(kDtmfEncodePage, image, "online_code", "12*#A");
    const std::uint8_t stored[] = {0x01, 0x02, 0x0E, 0x0F, 0x0A};
    for (std::size_t i = 0; i < 16; ++i)
        EXPECT_EQ(image[0x3010 + i], i < 5 ? stored[i] : 0xFF) << i;
    const int online = Field(kDtmfEncodePage, "online_code");
    EXPECT_EQ(LoadPage(kDtmfEncodePage, {image, kBand}, 0)[online], "12*#A");
    image[0x3010] = 0x01;
    image[0x3011] = 0xFF;
    image[0x3012] = 0x02;
    EXPECT_EQ(LoadPage(kDtmfEncodePage, {image, kBand}, 0)[online], "1");
    // Pasted text keeps only DTMF characters, upper case, to the field's length.
    EXPECT_EQ(FilterTyped(Rule(kDtmfDecodePage, "stun_code"), "a-b x\n1234567890123456"),
              "AB1234567890123");
    EXPECT_EQ(FilterTyped(kAutoDialCodeRule, "*#abcd\xC3\xA9x12345678901234"), "*#ABCD1234567890");
}

TEST(AutoDialList, NumbersRoundTripAndNameTheOneKeyChoices) {
    Image image = NewImage();
    std::vector<std::string> numbers(16);
    numbers[0] = "1234567890ABCD*#";
    numbers[4] = "555";
    StoreAutoDialList(image, numbers);
    for (std::size_t i = 0; i < 16; ++i)
        EXPECT_NE(image[0x3060 + i], 0xFF) << i; // sixteen digits fill the record
    EXPECT_EQ(image[0x3070], 0xFF);
    EXPECT_EQ(LoadAutoDialList(image), numbers);
    const ChoiceList choices = AutoDialChoices(image);
    ASSERT_EQ(choices.size(), 3u);
    EXPECT_EQ(choices[0].text, "None");
    EXPECT_EQ(choices[1].text, numbers[0]);
    EXPECT_EQ(choices[1].code, 1u);
    EXPECT_EQ(choices[2].text, "555");
    EXPECT_EQ(choices[2].code, 5u);

    numbers[0].clear(); // deleting a number empties its record
    StoreAutoDialList(image, numbers);
    for (std::size_t i = 0; i < 16; ++i)
        EXPECT_EQ(image[0x3060 + i], 0xFF) << i;
    EXPECT_EQ(image[0x30A0], 0x05);
    EXPECT_EQ(image[0x315F], 0xFF);
}

} // namespace
