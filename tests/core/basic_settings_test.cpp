// The rules of the basic setting pages that are more than copying a byte: loaded values in
// range, the timer grids, the key pairing, kept unknown key codes, one-key references by
// number and the power-on password.

#include "core/dpmr/contact_list.h"
#include "core/dpmr/messages.h"
#include "core/dtmf/auto_dial.h"
#include "core/image/factory_defaults.h"
#include "core/image/memory_map.h"
#include "core/settings/basic_settings.h"
#include "core/settings/one_key_settings.h"
#include "core/settings/password_settings.h"
#include "core/settings/side_key_settings.h"
#include "core/settings/tone_menu_settings.h"

#include <gtest/gtest.h>

namespace {

using namespace dpmr;

const BandLimits kBand{40000000, 47000000};

Image Blank() {
    Image image;
    image.Fill(0, kImageSize, 0xFF);
    return image;
}

Image Factory() {
    Image image;
    WriteFactoryDefaults(image, kBand);
    return image;
}

std::string Shown(const PageTable &page, const Image &image, const char *field) {
    return LoadPage(page, {image, kBand}, 0).at(FieldIndex(page.fields, field));
}

const FieldRule &RuleOf(const PageTable &page, const char *field) {
    return page.fields[FieldIndex(page.fields, field)].rule;
}

void StoreWith(const PageTable &page, Image &image, const char *field, const std::string &text) {
    FieldTexts texts = LoadPage(page, {image, kBand}, 0);
    texts.at(FieldIndex(page.fields, field)) = text;
    StorePage(page, image, kBand, 0, texts);
}

TEST(BasicPage, ABlankImageShowsEveryNumberClampedAndStoresItSo) {
    Image image = Blank();
    const FieldTexts texts = LoadPage(kBasicPage, {image, kBand}, 0);
    const std::vector<std::string> expected{"5",   "1:4", "60", "Off", "240", "Off", "On", "On",
                                            "600", "15",  "60", "30",  "Off", "5",   "2.0"};
    EXPECT_EQ(texts, expected);
    StorePage(kBasicPage, image, kBand, 0, texts);
    EXPECT_EQ(image[0x1422], 60);
    EXPECT_EQ(image.U16le(0x1428), 600);
    EXPECT_EQ(image[0x142A], 15);
    EXPECT_EQ(image[0x142B], 60);
    EXPECT_EQ(image[0x142C], 30);
    EXPECT_EQ(image[0x1432], 20);
    // The lists fall back to their replacements, the free bits 0 and 1 of 0x1427 stay.
    EXPECT_EQ(image[0x1420], 5);
    EXPECT_EQ(image[0x1421], 4);
    EXPECT_EQ(image[kBasicFlags], 0xCF);
}

TEST(BasicPage, ANewImageShowsItsFactoryValues) {
    const Image image = Factory();
    const std::vector<std::string> expected{"5",  "1:4", "10",  "Off", "240", "Off", "On", "On",
                                            "30", "Off", "Off", "Off", "Off", "5",   "1.0"};
    EXPECT_EQ(LoadPage(kBasicPage, {image, kBand}, 0), expected);
}

TEST(BasicPage, SharedFlagByteKeepsTheBitsNoFieldOwns) {
    Image image = Factory();
    image[kBasicFlags] = 0x1F; // bits 0, 1 set, STE "240", lamp "On", wired copy "Off"
    StoreWith(kBasicPage, image, "ste", "Freq");
    EXPECT_EQ(image[kBasicFlags], 0x13);
}

TEST(BasicPage, TotArrowsSnapOntoThe30SecondGridInTheDirectionOfTravel) {
    const FieldRule &tot = RuleOf(kBasicPage, "tot");
    EXPECT_EQ(StepText(tot, "45", +1), "60");
    EXPECT_EQ(StepText(tot, "45", -1), "30");
    EXPECT_EQ(StepText(tot, "Off", -1), "600");
    EXPECT_EQ(StepText(tot, "600", +1), "Off");
    EXPECT_EQ(NormaliseText(tot, {Image(), kBand}, "45"), "30");
    EXPECT_EQ(NormaliseText(tot, {Image(), kBand}, "999"), "600");
}

TEST(BasicPage, SavingDelayArrowsStepByFiveOnItsGrid) {
    const FieldRule &delay = RuleOf(kBasicPage, "saving_delay");
    EXPECT_EQ(StepText(delay, "10", +1), "15");
    EXPECT_EQ(StepText(delay, "12", +1), "15");
    EXPECT_EQ(StepText(delay, "60", +1), "10");
    EXPECT_EQ(StepText(delay, "10", -1), "60");
}

TEST(BasicPage, VoxDelayTakesTenthsAndWraps) {
    const FieldRule &vox = RuleOf(kBasicPage, "vox_delay");
    EXPECT_EQ(StepText(vox, "2.0", +1), "0.1");
    EXPECT_EQ(StepText(vox, "0.1", -1), "2.0");
    EXPECT_EQ(FilterTyped(vox, "1.5"), "1.5");
    Image image = Factory();
    StoreWith(kBasicPage, image, "vox_delay", "1.5");
    EXPECT_EQ(image[0x1432], 15);
    StoreWith(kBasicPage, image, "vox_delay", "26");
    EXPECT_EQ(image[0x1432], 20);
}

TEST(SideKeyPage, LongKeyTimeClampsWhenStoredAndABadStoredValueLoadsAsOneSecond) {
    Image image = Factory();
    for (const auto &[typed, stored] :
         {std::pair{"26", 25}, std::pair{"3", 25}, std::pair{"0.7", 7}, std::pair{"0", 5},
          std::pair{"", 10}, std::pair{"999", 25}}) {
        StoreWith(kSideKeyPage, image, "long_key_time", typed);
        EXPECT_EQ(image[kSideKeys], stored) << typed;
    }
    image[kSideKeys] = 0xFF;
    EXPECT_EQ(Shown(kSideKeyPage, image, "long_key_time"), "1.0");
    const FieldRule &time = RuleOf(kSideKeyPage, "long_key_time");
    EXPECT_EQ(StepText(time, "2.5", +1), "0.5");
    EXPECT_EQ(StepText(time, "0.5", -1), "2.5");
}

TEST(SideKeyPage, MonitorAndOneKeyCallsTakeBothPresses) {
    const Image image = Factory();
    FieldTexts texts = LoadPage(kSideKeyPage, {image, kBand}, 0);
    const int sk2 = 2;
    EXPECT_EQ(texts[ShortPressField(sk2)], "Back Light");
    texts[ShortPressField(sk2)] = "One key call 2";
    PairKeyPresses(texts, ShortPressField(sk2));
    EXPECT_EQ(texts[LongPressField(sk2)], "One key call 2");
    texts[LongPressField(sk2)] = "Scan";
    PairKeyPresses(texts, LongPressField(sk2));
    EXPECT_EQ(texts[ShortPressField(sk2)], "None");
}

TEST(SideKeyPage, AKeyCodeNoListOffersIsKeptUntilTheUserChoosesOne) {
    Image image = Blank();
    image[kSideKeys + 4] = 17; // SK1 short press
    FieldTexts texts = LoadPage(kSideKeyPage, {image, kBand}, 0);
    EXPECT_EQ(texts[ShortPressField(1)], "");
    // 0xFF loads as the slot's "Monitor", which an empty short press leaves for "None".
    EXPECT_EQ(texts[LongPressField(1)], "None");
    StorePage(kSideKeyPage, image, kBand, 0, texts);
    EXPECT_EQ(image[kSideKeys + 4], 17);
    EXPECT_EQ(image[kSideKeys + 9], 0); // P1 long: 0 when loading
    texts[ShortPressField(1)] = "Scan";
    StorePage(kSideKeyPage, image, kBand, 0, texts);
    EXPECT_EQ(image[kSideKeys + 4], 4);
}

TEST(MenuPage, TimesOutsideTheRangeBecomeTenAndArrowsWrap) {
    const FieldRule &time = RuleOf(kMenuPage, "menu_reset_time");
    EXPECT_EQ(NormaliseText(time, {Image(), kBand}, "3"), "10");
    EXPECT_EQ(NormaliseText(time, {Image(), kBand}, "45"), "10");
    EXPECT_EQ(StepText(time, "30", +1), "5");
    const Image blank = Blank();
    EXPECT_EQ(LoadPage(kMenuPage, {blank, kBand}, 0), (FieldTexts{"10", "English"}));
    EXPECT_EQ(LoadPage(kToneLightPage, {blank, kBand}, 0), FieldTexts(14, "1"));
}

// A contact, a message and an auto-dial number the one-key tests name.
struct Lists {
    Image image = Factory();
    ContactList contacts;
    Lists() {
        contacts = LoadContacts(image);
        for (int i = 0; i < 3; ++i)
            AddContact(image, contacts);
        RenameContact(contacts, 0, "None");
        RenameContact(contacts, 1, "Bob");
        RenameContact(contacts, 2, "Bobby");
        StoreContacts(image, contacts);
        contacts = LoadContacts(image);
        NumberedList messages;
        for (const char *text : {"Same", "Same", "Other"})
            messages.Append(text);
        StoreMessages(image, messages);
        StoreAutoDialList(image, {"123", "", "456"});
    }
    int ContactNamed(const char *name) const {
        for (const ChoiceItem &item : OneKeyContactChoices(image))
            if (item.text == name && item.code != 0)
                return static_cast<int>(item.code);
        return -1;
    }
};

TEST(OneKeyCalls, ReferencesAreStoredByNumberWhateverTheTexts) {
    Lists lists;
    const int none = lists.ContactNamed("None");
    const int bob = lists.ContactNamed("Bob");
    ASSERT_GT(none, 0);
    StoreOneKeyCall(lists.image, 1, {CallMode::Digit, none, kCallTypeMsg, 2});
    StoreOneKeyCall(lists.image, 2, {CallMode::Digit, bob, 1, 0});
    StoreOneKeyCall(lists.image, 3, {CallMode::Analog, 3, 1, 0});
    EXPECT_EQ(LoadOneKeyCall(lists.image, 1), (OneKeyCall{CallMode::Digit, none, 2, 2}));
    EXPECT_EQ(LoadOneKeyCall(lists.image, 2), (OneKeyCall{CallMode::Digit, bob, 1, 0}));
    EXPECT_EQ(LoadOneKeyCall(lists.image, 3), (OneKeyCall{CallMode::Analog, 3, 1, 0}));
    const std::size_t entry1 = kOneKeyEntries;
    EXPECT_EQ(lists.image[entry1 + 3], 2); // the second "Same", not the first
    for (std::size_t i = 4; i < 8; ++i)
        EXPECT_EQ(lists.image[entry1 + i], 0xFF);
}

TEST(OneKeyCalls, ReferencesToNothingAreNoneAndUnknownTypesStoreZero) {
    Lists lists;
    Image &image = lists.image;
    const std::size_t entry = kOneKeyEntries;
    for (const auto &bytes :
         {std::array<std::uint8_t, 4>{1, 0xFF, 2, 0xFF}, std::array<std::uint8_t, 4>{1, 65, 7, 17},
          std::array<std::uint8_t, 4>{2, 2, 9, 0}}) {
        for (std::size_t i = 0; i < 4; ++i)
            image[entry + i] = bytes[i];
        const OneKeyCall call = LoadOneKeyCall(image, 1);
        EXPECT_EQ(call.list, 0);
        EXPECT_EQ(call.message, 0);
        StoreOneKeyCall(image, 1, call);
        EXPECT_EQ(image[entry + 1], 0);
        EXPECT_LE(image[entry + 2], 2);
        EXPECT_EQ(image[entry + 3], 0);
    }
    image[entry + 2] = 9;
    StoreOneKeyCall(image, 1, LoadOneKeyCall(image, 1));
    EXPECT_EQ(image[entry + 2], 0);
    // A mode naming nothing is an empty row.
    image[entry] = 0xFF;
    StoreOneKeyCall(image, 1, LoadOneKeyCall(image, 1));
    EXPECT_EQ(image.U16le(entry), 0);
    EXPECT_EQ(image.U16le(entry + 2), 0);
}

TEST(OneKeyCalls, ADeletedContactOrMessageIsNoneAfterwards) {
    Lists lists;
    const int bob = lists.ContactNamed("Bob");
    StoreOneKeyCall(lists.image, 4, {CallMode::Digit, bob, kCallTypeMsg, 3});
    int row = 0;
    while (lists.contacts.rows[static_cast<std::size_t>(row)].name != "Bob")
        ++row;
    DeleteContact(lists.image, lists.contacts, row);
    NumberedList messages = LoadMessages(lists.image);
    messages.Erase(2);
    StoreMessages(lists.image, messages);
    EXPECT_EQ(LoadOneKeyCall(lists.image, 4), (OneKeyCall{CallMode::Digit, 0, 2, 0}));
    EXPECT_EQ(lists.ContactNamed("Bob"), -1);
}

TEST(OneKeyCalls, ChangingTheModeKeepsWhatStillFits) {
    const OneKeyCall digit{CallMode::Digit, 5, kCallTypeMsg, 3};
    EXPECT_EQ(WithMode(digit, CallMode::Analog), (OneKeyCall{CallMode::Analog, 0, 0, 0}));
    EXPECT_EQ(WithMode({CallMode::Analog, 2, 1, 0}, CallMode::Digit),
              (OneKeyCall{CallMode::Digit, 0, 1, 0}));
    EXPECT_EQ(WithMode({}, CallMode::Digit), (OneKeyCall{CallMode::Digit, 0, 0, 0}));
    EXPECT_EQ(WithMode(digit, CallMode::None), OneKeyCall{});
}

TEST(PasswordPage, DigitsPaddedAndPermitOnlyWithAPassword) {
    Image image = Factory();
    StorePage(kPasswordPage, image, kBand, 0, {"1", "1234"});
    EXPECT_EQ(image[0x1490], 0x00);
    EXPECT_EQ(image[0x1492], '1');
    EXPECT_EQ(image[0x1495], '4');
    EXPECT_EQ(image[0x1496], 0xFF);
    EXPECT_EQ(image[0x1497], 0xFF);
    image[0x1490] = 0x01;
    EXPECT_EQ(LoadPage(kPasswordPage, {image, kBand}, 0), (FieldTexts{"1", "1234"}));
    StorePage(kPasswordPage, image, kBand, 0, {"1", ""});
    EXPECT_EQ(image[0x1490], 0xFF); // nothing to ask for: not required
    EXPECT_EQ(image[0x1492], 0xFF);
    StorePage(kPasswordPage, image, kBand, 0, {"0", "12a"});
    EXPECT_EQ(image[0x1494], 0xFF); // typed letters never reach the image
}

TEST(PasswordPage, BytesThatAreNoDigitsSurviveAStoreTheUserDidNotEdit) {
    Image image = Factory();
    image[0x1490] = 0x00;
    for (std::size_t i = 0; i < 6; ++i)
        image[0x1492 + i] = "A1B2C3"[i];
    const Image before = image;
    const FieldTexts texts = LoadPage(kPasswordPage, {image, kBand}, 0);
    EXPECT_EQ(texts, (FieldTexts{"1", ""}));
    StorePage(kPasswordPage, image, kBand, 0, texts);
    EXPECT_TRUE(image == before);
}

} // namespace
