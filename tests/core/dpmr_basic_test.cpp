// The dPMR basic page: the identity split by Dial access, reserved identities, and the timing
// fields whose stored scale differs from what is shown.

#include "core/dpmr/dpmr_basic.h"
#include "core/image/factory_defaults.h"
#include "core_test_support.h"

#include <gtest/gtest.h>

namespace {

using namespace dpmr;

using testing_support::NewImage;

struct Page {
    Image &image;
    FieldTexts texts = LoadPage(kDpmrBasicPage, {image, {}}, 0);
    std::string &operator[](std::string_view name) {
        return texts[static_cast<std::size_t>(FieldIndex(kDpmrBasicPage.fields, name))];
    }
    void Store() { StorePage(kDpmrBasicPage, image, {}, 0, texts); }
};

std::vector<int> Bytes(const Image &image, std::size_t at, std::size_t n) {
    std::vector<int> bytes;
    for (std::size_t i = 0; i < n; ++i)
        bytes.push_back(image[at + i]);
    return bytes;
}

TEST(DpmrBasic, NewImageShowsTheFactoryValuesAndStoresTheTimingsInRange) {
    Image image = NewImage();
    Page page{image};
    EXPECT_EQ(page["radio_name"], "");
    EXPECT_EQ(page["radio_id"], "0000001");
    EXPECT_EQ(page["area_code"], "");
    EXPECT_EQ(page["dial_access"], "7");
    EXPECT_EQ(page["emergency_code"], "9999998");
    EXPECT_EQ(page["stun_code"], "5173820");
    EXPECT_EQ(page["active_code"], "5173821");
    EXPECT_EQ(page["codec_type"], "AMBE+2C");
    EXPECT_EQ(page["voice_store"], "Off");
    EXPECT_EQ(page["allow_all_call"], "Off");
    EXPECT_EQ(page["stun_decode"], "Off");
    EXPECT_EQ(page["stun_type"], "Tx inhibit");
    EXPECT_EQ(page["repeat_mode"], "Direct");
    EXPECT_EQ(page["wake_frame"], "None");
    EXPECT_EQ(page["tx_pre_carrier"], "0");
    EXPECT_EQ(page["group_hold_time"], "3");
    EXPECT_EQ(page["single_call_time"], "4");
    EXPECT_EQ(page["ack_reply_delay"], "5.0");
    EXPECT_EQ(page["ack_reply_wait"], "10");
    EXPECT_EQ(page["tx_delay_time"], "5.0");
    page.Store();
    EXPECT_EQ(Bytes(image, 0x3E80, 3), (std::vector<int>{50, 10, 50}));
    EXPECT_EQ(image[0x154E], 1);
    // A second round changes nothing.
    const Image once = image;
    Page{image}.Store();
    EXPECT_EQ(testing_support::Differences(once, image).size(), 0u);
}

TEST(DpmrBasic, IdentitiesPadAndReservedValuesRevert) {
    EXPECT_EQ(NormaliseDpmrBasicField("radio_id", "123"), "0000123");
    EXPECT_EQ(NormaliseDpmrBasicField("radio_id", "5000000"), "0000001");
    EXPECT_EQ(NormaliseDpmrBasicField("radio_id", "0"), "0000001");
    EXPECT_EQ(NormaliseDpmrBasicField("radio_id", "5000001"), "5000001");
    EXPECT_EQ(NormaliseDpmrBasicField("radio_id", "123456789"), "1234567");
    EXPECT_EQ(NormaliseDpmrBasicField("stun_code", "3000000"), "5173820");
    EXPECT_EQ(NormaliseDpmrBasicField("active_code", "9000000"), "5173821");
    EXPECT_EQ(NormaliseDpmrBasicField("emergency_code", ""), "9999998");

    Image image = NewImage();
    Page page{image};
    page["radio_id"] = "123";
    page.Store();
    EXPECT_EQ(Bytes(image, 0x1528, 7), (std::vector<int>{0, 0, 0, 0, 1, 2, 3}));
    EXPECT_EQ(Page{image}["radio_id"], "0000123");
}

TEST(DpmrBasic, DialAccessThreeSplitsAreaCodeAndRadioId) {
    Image image = NewImage();
    image[0x1518] = 3;
    EXPECT_EQ(AreaCodeLength(3), 4);
    EXPECT_EQ(RadioIdLength(3), 3);
    Page page{image};
    page["area_code"] = "1234";
    page["radio_id"] = "567";
    page.Store();
    EXPECT_EQ(Bytes(image, 0x1519, 7), (std::vector<int>{1, 2, 3, 4, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Bytes(image, 0x1528, 7), (std::vector<int>{0, 0, 0, 0, 5, 6, 7}));
    Page again{image};
    EXPECT_EQ(again["area_code"], "1234");
    EXPECT_EQ(again["radio_id"], "567");
}

TEST(DpmrBasic, AnAreaCodeOfZerosIsNotReplaced) {
    Image image = NewImage();
    image[0x1518] = 3;
    for (std::size_t i = 0; i < 4; ++i)
        image[0x1519 + i] = 0;
    Page page{image};
    page["radio_id"] = "567";
    page.Store();
    const Image stored = image;
    Page again{image};
    EXPECT_EQ(again["area_code"], "0000");
    again.Store();
    EXPECT_EQ(testing_support::DescribeDifferences(stored, image), "");
}

TEST(DpmrBasic, TimingsLimitBeforeTheyBecomeAByte) {
    // 26 s times ten is 260: limited to 50 it shows 5.0, never the low byte 0.4.
    EXPECT_EQ(NormaliseDpmrBasicField("ack_reply_delay", "26"), "5.0");
    EXPECT_EQ(NormaliseDpmrBasicField("tx_delay_time", "26"), "5.0");
    EXPECT_EQ(NormaliseDpmrBasicField("tx_delay_time", "0"), "0.1");
    EXPECT_EQ(NormaliseDpmrBasicField("ack_reply_delay", "2.35"), "2.3");
    EXPECT_EQ(NormaliseDpmrBasicField("tx_pre_carrier", "45"), "40");
    EXPECT_EQ(NormaliseDpmrBasicField("tx_pre_carrier", "5000"), "1000");
    EXPECT_EQ(NormaliseDpmrBasicField("group_hold_time", "31"), "30");

    Image image = NewImage();
    Page page{image};
    page["tx_pre_carrier"] = "45";
    page["ack_reply_delay"] = "26";
    page["group_hold_time"] = "30";
    page.Store();
    EXPECT_EQ(image[0x1549], 2);
    EXPECT_EQ(image[0x3E80], 50);
    // A loaded value is never cut by a typing limit.
    EXPECT_EQ(Page{image}["group_hold_time"], "30");
}

TEST(DpmrBasic, SpinsWrapAtTheirEnds) {
    auto rule = [](std::string_view name) {
        return kDpmrBasicPage
            .fields[static_cast<std::size_t>(FieldIndex(kDpmrBasicPage.fields, name))]
            .rule;
    };
    EXPECT_EQ(StepText(rule("tx_pre_carrier"), "1000", +1), "0");
    EXPECT_EQ(StepText(rule("tx_pre_carrier"), "0", -1), "1000");
    EXPECT_EQ(StepText(rule("tx_pre_carrier"), "45", +1), "60");
    EXPECT_EQ(StepText(rule("tx_pre_carrier"), "45", -1), "40");
    EXPECT_EQ(StepText(rule("ack_reply_delay"), "5.0", +1), "0.1");
    EXPECT_EQ(StepText(rule("ack_reply_delay"), "0.1", -1), "5.0");
    EXPECT_EQ(StepText(rule("ack_reply_wait"), "10", +1), "0");
    EXPECT_EQ(StepText(rule("group_hold_time"), "0", -1), "30");
}

TEST(DpmrBasic, NameFillsItsSlotAndKeepsTheBytesItDoesNotOwn) {
    Image image = NewImage();
    for (std::size_t at : {0x152F, 0x1537, 0x153F, 0x1547, 0x154C, 0x154D})
        image[at] = 0x5A;
    Page page{image};
    page["radio_name"] = "ABCDEFGH";
    page.Store();
    EXPECT_EQ(Bytes(image, 0x1520, 8), (std::vector<int>{'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H'}));
    page["radio_name"] = "AB";
    page.Store();
    EXPECT_EQ(Bytes(image, 0x1520, 4), (std::vector<int>{'A', 'B', 0xFF, 0xFF}));
    for (std::size_t at : {0x152F, 0x1537, 0x153F, 0x1547, 0x154C, 0x154D})
        EXPECT_EQ(image[at], 0x5A) << at;
}

} // namespace
