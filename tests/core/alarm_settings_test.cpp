// The alarm page without widgets: new and blank images, the fixed replacements, the fixed
// words at the ends of the range and the ID code's digits.

#include "core/fields/page_table.h"
#include "core/image/factory_defaults.h"
#include "core/settings/alarm_settings.h"
#include "core_test_support.h"

#include <gtest/gtest.h>

namespace {

using namespace dpmr;

const BandLimits kBand{40000000, 47000000};

using testing_support::NewImage;

Image BlankImage() {
    Image image;
    for (std::size_t i = 0; i < Image::size(); ++i)
        image[i] = 0xFF;
    return image;
}

int Field(std::string_view name) {
    const int index = FieldIndex(kAlarmPage.fields, name);
    EXPECT_GE(index, 0) << name;
    return index;
}

const FieldRule &Rule(std::string_view name) {
    return kAlarmPage.fields[Field(name)].rule;
}

std::string Normalised(std::string_view name, std::string_view typed) {
    const Image image;
    return NormaliseText(Rule(name), {image, kBand}, typed);
}

TEST(AlarmPage, NewImageShowsTheFactorySettings) {
    const Image image = NewImage();
    const FieldTexts texts = LoadPage(kAlarmPage, {image, kBand}, 0);
    EXPECT_EQ(texts[Field("alarm_type")], "close");
    EXPECT_EQ(texts[Field("id_type")], "None");
    EXPECT_EQ(texts[Field("id_code")], "");
    EXPECT_EQ(texts[Field("alarm_time")], "10");
    EXPECT_EQ(texts[Field("tx_time")], "5");
    EXPECT_EQ(texts[Field("rx_time")], "8");
    EXPECT_EQ(texts[Field("cycle")], "continuous");
    EXPECT_EQ(texts[Field("work_alone")], "prohibit");
    EXPECT_EQ(texts[Field("exit_delay")], "10");
    EXPECT_EQ(texts[Field("tx_interval")], "25");
}

TEST(AlarmPage, BlankImageShowsFirstChoicesAndStoresTheFixedReplacements) {
    Image image = BlankImage();
    const FieldTexts texts = LoadPage(kAlarmPage, {image, kBand}, 0);
    EXPECT_EQ(texts[Field("alarm_type")], "close");
    EXPECT_EQ(texts[Field("upside")], "prohibit");
    EXPECT_EQ(texts[Field("id_code")], "");
    EXPECT_EQ(texts[Field("alarm_time")], "255");
    EXPECT_EQ(texts[Field("cycle")], "255");
    // Two-character fields show their whole replacement, never a cut "25".
    EXPECT_EQ(texts[Field("upside_pre_prompt")], "5");
    EXPECT_EQ(texts[Field("entry_delay_time")], "10");
    EXPECT_EQ(texts[Field("upside_angle")], "30");
    EXPECT_EQ(texts[Field("recovery_angle")], "60");
    EXPECT_EQ(texts[Field("exit_delay")], "unlimited");

    StorePage(kAlarmPage, image, kBand, 0, texts);
    EXPECT_EQ(image[0x14F0], 0);
    EXPECT_EQ(image[0x1509], 10);
    EXPECT_EQ(image[0x150A], 5);
    EXPECT_EQ(image[0x150B], 255);
    EXPECT_EQ(image[0x150E], 30);
    EXPECT_EQ(image[0x150F], 60);
    EXPECT_EQ(image[0x1511], 25);
    EXPECT_EQ(image[0x1512], 1);
    // Bytes the page does not own stay as they were.
    for (std::size_t untouched : {0x14F2, 0x14F3, 0x1503, 0x1507, 0x150C, 0x150D})
        EXPECT_EQ(image[untouched], 0xFF) << std::hex << untouched;
}

TEST(AlarmPage, OutOfRangeValuesAreReplacedNotClamped) {
    EXPECT_EQ(Normalised("alarm_time", "0"), "10");
    EXPECT_EQ(Normalised("alarm_time", ""), "10");
    EXPECT_EQ(Normalised("tx_time", "0"), "5");
    EXPECT_EQ(Normalised("entry_delay_time", "61"), "10");
    EXPECT_EQ(Normalised("upside_angle", "91"), "30");
    EXPECT_EQ(Normalised("query_interval", "11"), "1");
    EXPECT_EQ(Normalised("tx_interval", "37"), "35");
    EXPECT_EQ(Normalised("tx_interval", "65"), "25");
    EXPECT_EQ(Normalised("cycle", "continuous"), "continuous");
    EXPECT_EQ(Normalised("exit_delay", "unlimited"), "unlimited");
}

TEST(AlarmPage, FixedWordsAtTheRangeEndsStepAndWrap) {
    EXPECT_EQ(StepText(Rule("cycle"), "continuous", -1), "255");
    EXPECT_EQ(StepText(Rule("cycle"), "255", +1), "continuous");
    EXPECT_EQ(StepText(Rule("exit_delay"), "unlimited", +1), "0");
    EXPECT_EQ(StepText(Rule("exit_delay"), "unlimited", -1), "254");
    EXPECT_EQ(StepText(Rule("exit_delay"), "254", +1), "unlimited");
    EXPECT_EQ(StepText(Rule("tx_interval"), "60", +1), "10");
    EXPECT_EQ(StepText(Rule("tx_interval"), "37", +1), "40");
    EXPECT_EQ(StepText(Rule("tx_interval"), "37", -1), "35");
}

TEST(AlarmPage, UnlimitedExitDelaySurvivesARoundTrip) {
    Image image = NewImage();
    image[0x150B] = 255;
    const Image before = image;
    StorePage(kAlarmPage, image, kBand, 0, LoadPage(kAlarmPage, {image, kBand}, 0));
    EXPECT_TRUE(image == before);
}

TEST(AlarmPage, IdCodeIsUpperCasedFilteredAndEndsAtTheFirstEmptyCode) {
    Image image = NewImage();
    FieldTexts texts = LoadPage(kAlarmPage, {image, kBand}, 0);
    // Pasted text: lower case taken in upper case, other characters dropped, 8 at most.
    texts[Field("id_code")] = FilterTyped(Rule("id_code"), "1-2ab*#\t9999");
    EXPECT_EQ(texts[Field("id_code")], "12AB*#99");
    texts[Field("id_code")] = FilterTyped(Rule("id_code"), "12ab*#");
    StorePage(kAlarmPage, image, kBand, 0, texts);
    const std::uint8_t expected[] = {0x01, 0x02, 0x0A, 0x0B, 0x0E, 0x0F, 0xFF, 0xFF};
    for (std::size_t i = 0; i < 8; ++i)
        EXPECT_EQ(image[0x14F8 + i], expected[i]) << i;

    image[0x14F8] = 0x01;
    image[0x14F9] = 0x02;
    image[0x14FA] = 0xFF;
    image[0x14FB] = 0x03;
    EXPECT_EQ(LoadPage(kAlarmPage, {image, kBand}, 0)[Field("id_code")], "12");
}

} // namespace
