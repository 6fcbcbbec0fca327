// Settings by name over the page registry: a dump applied back changes no byte, numbers set
// through a document store what the field's own rule stores, and every registered field is
// listed by `fields`.

#include "core/app/page_registry.h"
#include "core/channels/channel_editor.h"
#include "core/channels/vfo_editor.h"
#include "core/image/derived_data.h"
#include "core/image/factory_defaults.h"
#include "core/settings_text/field_listing.h"
#include "core/settings_text/settings_toml.h"
#include "core_test_support.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using namespace dpmr;
using testing_support::DescribeDifferences;
using testing_support::RandomImage;

std::vector<SettingChange> Parse(const std::string &document) {
    std::vector<SettingChange> changes;
    const ApplyResult parsed = ChangesFromToml(document, changes);
    EXPECT_TRUE(parsed) << parsed.message;
    return changes;
}

TEST(SettingsText, DumpAppliedOntoACopyChangesNoByte) {
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        const Image image = RandomImage(seed);
        Image copy = image;
        const ApplyResult applied =
            ApplySettings(copy, Parse(SettingsToml(ReadSettings(image), image)));
        ASSERT_TRUE(applied) << "seed " << seed << ": " << applied.message;
        EXPECT_FALSE(applied.changed) << "seed " << seed;
        ASSERT_EQ(copy, image) << "seed " << seed << ": " << DescribeDifferences(image, copy);
    }
}

TEST(SettingsText, ADumpCarriesEverySettingIntoANewCodePlug) {
    Image source;
    WriteFactoryDefaults(source, BandLimits{});
    const ApplyResult built = ApplySettings(source, Parse(R"(
        [dpmr.contacts.1]
        name = "Base"
        [dpmr.contacts.2]
        name = "Team"
        number = "0000200"
        type = "Group call"
        [dpmr.messages.1]
        text = "On my way"
        [dpmr.keys.1]
        text = "0123ABCD"
        [dpmr.group_rx.4]
        member_1 = "Team"
        [channel.3]
        rx_freq = "438.500000"
        alias = "Repeater"
        channel_type = "Digit"
        contact = "Team"
        encrypt_key = "1"
        group_rx_list = "4"
        [alarm]
        alarm_time = "20"
    )"));
    ASSERT_TRUE(built) << built.message;
    ASSERT_TRUE(built.changed);
    Image target;
    WriteFactoryDefaults(target, BandLimits{});
    const ApplyResult carried =
        ApplySettings(target, Parse(SettingsToml(ReadSettings(source), source)));
    ASSERT_TRUE(carried) << carried.message;
    for (const SettingDifference &d : DiffSettings(ReadSettings(source), ReadSettings(target)))
        ADD_FAILURE() << d.path << ": " << d.a << " -> " << d.b;
    EXPECT_EQ(target, source) << DescribeDifferences(source, target);
}

// Each number field of every page, at and past both ends and inside: the bytes a document
// stores are the bytes the editor's page store gives for the same text (StoreField, or the
// page's hook where its encoding is its own).
TEST(SettingsText, NumbersStoreWhatTheFieldRuleStores) {
    // A canonical image: every page stored once, so each stored number is one its rule shows.
    Image base;
    WriteFactoryDefaults(base, BandLimits{});
    const BandLimits band = DecodeBandLimits(base);
    for (const PageTable *page : PageRegistry())
        StorePage(*page, base, band, page->firstRecord,
                  LoadPage(*page, {base, band}, page->firstRecord));
    int checked = 0;
    for (const PageTable *page : PageRegistry()) {
        const int record = page->firstRecord;
        const std::string section = SectionName(*page, record);
        for (const FieldDef &field : page->fields) {
            const FieldRule &rule = field.rule;
            if (rule.kind != RuleKind::Number || !field.base(record) ||
                ShowField({base, band}, record, field).empty())
                continue;
            const FieldRule shown{.decimals = rule.decimals};
            for (std::int64_t value : {rule.min - rule.step, rule.min, rule.min + rule.step,
                                       (rule.min + rule.max) / 2, rule.max, rule.max + rule.step}) {
                const std::string text = NumberText(shown, value);
                Image applied = base, expected = base;
                const ApplyResult result =
                    ApplySettings(applied, {{section + "." + field.name, text, "test"}});
                ASSERT_TRUE(result) << result.message;
                // What the editor stores when this one control changed: the page's store.
                FieldTexts texts = LoadPage(*page, {base, band}, record);
                texts.at(static_cast<std::size_t>(&field - page->fields.data())) = text;
                StorePage(*page, expected, band, record, texts);
                EXPECT_EQ(ReadNumber(applied, *field.base(record), field.layout),
                          ReadNumber(expected, *field.base(record), field.layout))
                    << section << "." << field.name << " = " << text;
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 100);
}

// Changes made all at once run what the dialogs do as fields are left: a new channel gets the
// editor's defaults for what the document leaves out, the VFO's transmit frequency follows its
// final receive, direction and offset in whatever order they come, and paired presses pair.
TEST(SettingsText, ChangesMadeAtOnceTakeTheEditorsCommits) {
    Image image;
    WriteFactoryDefaults(image, BandLimits{});
    const BandLimits band = DecodeBandLimits(image);
    // The editor typing a first receive frequency into channel 5.
    Image typed = image;
    FieldTexts texts = LoadPage(kChannelEditPage, {typed, band}, 5);
    texts[kEditRxFreq] = "446.00625";
    std::string previousRx;
    ASSERT_TRUE(CommitReceiveFrequency({typed, band}, 5, texts, previousRx));
    StorePage(kChannelEditPage, typed, band, 5, texts);
    RefreshDerivedData(typed, band);

    ASSERT_TRUE(ApplySettings(image, Parse("[channel.5]\nrx_freq = \"446.00625\"\n")));
    EXPECT_EQ(image, typed) << DescribeDifferences(typed, image);
    // What the document names wins over a default.
    ASSERT_TRUE(ApplySettings(image, Parse(R"(
        [channel.6]
        rx_freq = "446.1"
        scan = false
        tx_power = "Low"
    )")));
    const FieldTexts six = LoadPage(kChannelEditPage, {image, band}, 6);
    EXPECT_EQ(six[kEditTxFreq], "446.100000");
    EXPECT_EQ(six[kEditRxTone], "None");
    EXPECT_EQ(six[kEditScan], "0");
    EXPECT_EQ(six[kEditTxPower], "Low");

    auto vfo = [&] { return LoadPage(kVfoEditPage, {image, band}, kVfoChannel); };
    // Given before the offset that keeps it in the band, "+" is not turned "Off".
    ASSERT_TRUE(ApplySettings(image, Parse(R"(
        [vfo]
        rx_freq = "469.8"
        offset_dir = "+"
        offset_freq = "0.1"
    )")));
    EXPECT_EQ(vfo()[kEditTxFreq], "469.900000");
    EXPECT_EQ(vfo()[kVfoEditOffsetDir], "+");
    ASSERT_TRUE(ApplySettings(image, Parse("[vfo]\nrx_freq = \"438.5\"\n")));
    EXPECT_EQ(vfo()[kEditTxFreq], "438.600000");
    ASSERT_TRUE(ApplySettings(image, Parse("[vfo]\nrx_freq = \"469.95\"\n")));
    EXPECT_EQ(vfo()[kVfoEditOffsetDir], "Off");
    EXPECT_EQ(vfo()[kEditTxFreq], "469.950000");

    ASSERT_TRUE(ApplySettings(image, Parse("[side_key]\nsk1_short = \"Monitor\"\n")));
    const std::vector<Setting> all = ReadSettings(image);
    const auto long1 = std::find_if(
        all.begin(), all.end(), [](const Setting &s) { return s.Path() == "side_key.sk1_long"; });
    ASSERT_NE(long1, all.end());
    EXPECT_EQ(long1->text, "Monitor");
}

// A document's list section is the whole list; single settings edit rows and members in place
// and never delete one, so renaming contact 1 keeps contacts 2 and 3.
TEST(SettingsText, SingleSettingsEditListsInPlaceAndDocumentsReplaceThem) {
    Image image;
    WriteFactoryDefaults(image, BandLimits{});
    ASSERT_TRUE(ApplySettings(image, Parse(R"(
        [dpmr.contacts.1]
        name = "Base"
        type = "Single call"
        [dpmr.contacts.2]
        name = "Team"
        number = "0000200"
        type = "Group call"
        [dpmr.contacts.3]
        name = "Yard"
        number = "0000300"
        type = "Group call"
        [dpmr.group_rx.2]
        member_1 = "Yard"
        member_2 = "Team"
    )")));
    auto names = [&](const std::string &section) {
        std::vector<std::string> out;
        for (const Setting &s : ReadSettings(image))
            if (s.section.starts_with(section) && (s.key == "name" || s.key.starts_with("member")))
                out.push_back(s.text);
        return out;
    };
    auto set = [&](std::vector<SettingChange> changes) {
        return ApplySettings(image, changes, ListRows::Edit);
    };
    ASSERT_TRUE(set({{"dpmr.contacts.1.name", "Boss", "argument 1"}}));
    EXPECT_EQ(names("dpmr.contacts"), (std::vector<std::string>{"Boss", "Team", "Yard"}));
    const ApplyResult gap = set({{"dpmr.contacts.5.name", "Five", "argument 1"}});
    EXPECT_FALSE(gap);
    EXPECT_EQ(gap.message, "argument 1, dpmr.contacts.5.name: no row 5 yet; the next new row is 4");

    // Members: one replaced, one left, one added after the last.
    ASSERT_TRUE(set({{"dpmr.group_rx.2.member_1", "", "argument 1"},
                     {"dpmr.group_rx.2.member_3", "Yard", "argument 2"}}));
    EXPECT_EQ(names("dpmr.group_rx.2"), (std::vector<std::string>{"Team", "Yard"}));
    for (const auto &[value, why] : std::vector<std::pair<std::string, std::string>>{
             {"Boss", "\"Boss\": no group-call contact by that name"},
             {"Team", "\"Team\": a member already"}}) {
        const Image before = image;
        const ApplyResult refused = set({{"dpmr.group_rx.2.member_2", value, "argument 1"}});
        EXPECT_EQ(refused.message, "argument 1, dpmr.group_rx.2.member_2: " + why);
        EXPECT_EQ(image, before);
    }

    // A document without contact 3 deletes it, and its membership with it.
    ASSERT_TRUE(ApplySettings(image, Parse(R"(
        [dpmr.contacts.1]
        name = "Boss"
        [dpmr.contacts.2]
        name = "Team"
    )")));
    EXPECT_EQ(names("dpmr.contacts"), (std::vector<std::string>{"Boss", "Team"}));
    EXPECT_EQ(names("dpmr.group_rx.2"), (std::vector<std::string>{"Team"}));
    ASSERT_TRUE(ApplySettings(image, Parse("[dpmr.group_rx.2]\nmember_1 = \"\"\n")));
    EXPECT_TRUE(names("dpmr.group_rx").empty());
}

TEST(SettingsText, EveryRegisteredFieldIsListedOnce) {
    std::set<std::string> listed;
    for (const FieldEntry &entry : FieldEntries())
        EXPECT_TRUE(listed.insert(entry.name).second) << entry.name << " listed twice";
    for (const PageTable *page : PageRegistry())
        for (const FieldDef &field : page->fields) {
            const std::string section =
                std::string(page->name) + (IsManyRecordPage(*page) ? ".N" : "");
            EXPECT_TRUE(listed.contains(section + "." + field.name))
                << section << "." << field.name;
        }
    const std::string listing = FieldListing();
    for (const std::string &name : listed)
        EXPECT_NE(listing.find("`" + name + "`"), std::string::npos) << name;
}

} // namespace
