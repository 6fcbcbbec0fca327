// Settings by name as a user writes them: checks as true/false, identities as digits, the same
// changes applied twice change nothing the second time, references kept by slot, and documents
// too large or too deep refused before they are parsed.

#include "core/channels/channel_record.h"
#include "core/image/record_layouts.h"
#include "core/settings_text/settings_toml.h"
#include "core_test_support.h"

#include <gtest/gtest.h>

namespace {

using namespace dpmr;
using testing_support::DescribeDifferences;
using testing_support::NewImage;

ApplyResult Set(Image &image, const std::string &path, const std::string &value) {
    return ApplySettings(image, {{path, value, "argument 1"}}, ListRows::Edit);
}

ApplyResult ApplyDocument(Image &image, const std::string &document) {
    std::vector<SettingChange> changes;
    if (const ApplyResult parsed = ChangesFromToml(document, changes); !parsed)
        return parsed;
    return ApplySettings(image, changes);
}

std::string Shown(const Image &image, const std::string &path) {
    for (const Setting &setting : ReadSettings(image))
        if (setting.Path() == path)
            return ValueText(setting);
    return "(none)";
}

TEST(SettingsByName, ChecksTakeTrueAndFalseAndReadBackAsDumpWritesThem) {
    Image image = NewImage();
    ASSERT_TRUE(Set(image, "channel.5.rx_freq", "438.5"));
    EXPECT_EQ(Shown(image, "channel.5.scan"), "true");
    const ApplyResult off = Set(image, "channel.5.scan", "false");
    ASSERT_TRUE(off) << off.message;
    EXPECT_FALSE(ReadChannel(image, 5).scan);
    EXPECT_EQ(Shown(image, "channel.5.scan"), "false");
    ASSERT_TRUE(Set(image, "channel.5.scan", "true"));
    EXPECT_TRUE(ReadChannel(image, 5).scan);
    ASSERT_TRUE(Set(image, "channel.5.scan", "0"));
    EXPECT_FALSE(ReadChannel(image, 5).scan);
    const ApplyResult maybe = Set(image, "channel.5.scan", "maybe");
    EXPECT_FALSE(maybe);
    EXPECT_NE(maybe.message.find("not true or false"), std::string::npos) << maybe.message;
}

TEST(SettingsByName, IdentitiesAreDigitsOnly) {
    for (const char *field : {"radio_id", "emergency_code", "stun_code", "active_code"}) {
        for (const char *bad : {"51(3821", "1 2 3", "DTMF", "12*45", "-5"}) {
            Image image = NewImage();
            const Image before = image;
            const ApplyResult result = Set(image, std::string("dpmr.basic.") + field, bad);
            EXPECT_FALSE(result) << field << " took " << bad;
            EXPECT_NE(result.message.find("not digits"), std::string::npos) << result.message;
            EXPECT_EQ(image, before);
        }
        Image image = NewImage();
        const ApplyResult good = Set(image, std::string("dpmr.basic.") + field, "5123821");
        EXPECT_TRUE(good) << field << ": " << good.message;
    }
    Image image = NewImage();
    ASSERT_TRUE(Set(image, "dpmr.basic.dial_access", "3"));
    EXPECT_FALSE(Set(image, "dpmr.basic.area_code", "12 4"));
    EXPECT_TRUE(Set(image, "dpmr.basic.area_code", "1234"));
}

TEST(SettingsByName, DialAccessWithARadioIdAppliedTwiceChangesNothingTheSecondTime) {
    for (const char *document : {"[dpmr.basic]\ndial_access = \"3\"\nradio_id = \"1234567\"\n",
                                 "[dpmr.basic]\ndial_access = \"3\"\nradio_id = \"567\"\n",
                                 "[dpmr.basic]\ndial_access = \"0\"\narea_code = \"1234567\"\n",
                                 "[dpmr.basic]\ndial_access = \"5\"\n"}) {
        Image image = NewImage();
        const ApplyResult first = ApplyDocument(image, document);
        ASSERT_TRUE(first) << first.message;
        const Image once = image;
        const ApplyResult second = ApplyDocument(image, document);
        ASSERT_TRUE(second) << second.message;
        EXPECT_EQ(image, once) << document << DescribeDifferences(once, image);
    }
}

TEST(SettingsByName, AContactGivenItsOwnNumberOrNameAgainIsNoConflict) {
    Image image = NewImage();
    for (int round = 0; round < 2; ++round) {
        const ApplyResult number = Set(image, "dpmr.contacts.1.number", "5");
        EXPECT_TRUE(number) << "round " << round << ": " << number.message;
    }
    EXPECT_EQ(Shown(image, "dpmr.contacts.1.number"), "0000005");
    ASSERT_TRUE(Set(image, "dpmr.contacts.2.name", "Team"));
    EXPECT_FALSE(Set(image, "dpmr.contacts.2.number", "5")); // contact 1's number
    // What the record would not keep as given is refused, not stored cut every time.
    const Image before = image;
    EXPECT_FALSE(Set(image, "dpmr.contacts.2.number", "5acts."));
    EXPECT_FALSE(Set(image, "dpmr.contacts.2.number", "12*4"));
    EXPECT_FALSE(Set(image, "dpmr.contacts.2.name", "Tea\xB4"));
    EXPECT_EQ(image, before);
}

// Contacts in slots 1-3 named "Twin", "Twin" and "" (a plug never opened by the program, so
// never repaired); channel 1 names slot 2, channel 2 slot 3.
Image WithAwkwardContacts() {
    Image image = NewImage();
    image.Fill(kContactIndex, 0x480, 0xFF);
    const char *names[] = {"Twin", "Twin", ""};
    for (int slot = 1; slot <= 3; ++slot) {
        const std::size_t record = ContactRecordOffset(slot);
        image.SetU16le(kContactIndex + 2 * static_cast<std::size_t>(slot - 1),
                       static_cast<std::uint16_t>(record));
        image.Fill(record, 7, static_cast<std::uint8_t>(slot));
        image[record + 7] = 0x01;
        for (std::size_t c = 0; names[slot - 1][c]; ++c)
            image[record + 8 + c] = static_cast<std::uint8_t>(names[slot - 1][c]);
    }
    for (int n : {1, 2}) {
        const std::size_t b = ChannelRecordOffset(n);
        image[b + 2] = 0x85;
        image[b + 3] = 0x43;
        image[b + channel_layout::kContact.offset] = static_cast<std::uint8_t>(n + 1);
    }
    return image;
}

TEST(SettingsByName, ChannelReferencesStayBySlotWhenNamesAreEmptyOrTwice) {
    Image image = WithAwkwardContacts();
    ASSERT_TRUE(Set(image, "channel.1.alias", "North"));
    ASSERT_TRUE(Set(image, "channel.2.alias", "South"));
    EXPECT_EQ(ReadChannel(image, 1).contact, 2);
    EXPECT_EQ(ReadChannel(image, 2).contact, 3);
    // A dump of such a plug applied back changes no byte either.
    Image copy = WithAwkwardContacts();
    const Image before = copy;
    const ApplyResult applied = ApplyDocument(copy, SettingsToml(ReadSettings(copy), copy));
    ASSERT_TRUE(applied) << applied.message;
    EXPECT_EQ(copy, before) << DescribeDifferences(before, copy);
}

TEST(SettingsByName, DocumentsTooDeepOrTooLargeAreRefusedBeforeParsing) {
    const std::string deep[] = {
        std::string(30000, '[') + "\n",
        "x = " + std::string(30000, '[') + "\n",
        [] {
            std::string key;
            for (int i = 0; i < 30000; ++i)
                key += "a.";
            return key + "b = \"1\"\n";
        }(),
        [] {
            std::string text = "x = ";
            for (int i = 0; i < 30000; ++i)
                text += "{a=";
            return text + "1\n";
        }(),
        "[scan]\n" + std::string(17, '[') + "\n",
    };
    for (const std::string &document : deep) {
        std::vector<SettingChange> changes;
        const ApplyResult parsed = ChangesFromToml(document, changes);
        EXPECT_FALSE(parsed);
        EXPECT_NE(parsed.message.find("nested deeper than 16 levels"), std::string::npos)
            << parsed.message;
    }
    std::vector<SettingChange> changes;
    // Dots and brackets inside strings and comments, and a number's point, are no levels.
    const ApplyResult fine = ChangesFromToml(
        "# a.b.c.d.e.f.g.h.i.j.k.l.m.n.o.p.q.r [[[[[[[[[[[[[[[[[[\n"
        "[dpmr.basic]\nradio_name = \"a.b.c.d.e.f.g.h.i.j.k.l.m.n.o.p.q.r[[[[[[[[[[[[[[[[[[\"\n"
        "[alarm]\nalarm_time = '''\n.[.[.[.[.[.[.[.[.[.[.[.[.[.[.[.[.[.[\n'''\n",
        changes);
    EXPECT_TRUE(fine) << fine.message;

    std::string large = "[scan]\n";
    large += "# " + std::string(kMaxSettingsDocumentSize, 'x') + "\n";
    const ApplyResult tooLarge = ChangesFromToml(large, changes);
    EXPECT_FALSE(tooLarge);
    EXPECT_NE(tooLarge.message.find("larger than 4194304 bytes"), std::string::npos)
        << tooLarge.message;
}

TEST(SettingsByName, AFullDumpIsFarBelowTheSizeLimit) {
    Image image = NewImage();
    for (int n = 1; n <= kChannelCount; ++n)
        ASSERT_TRUE(Set(image, "channel." + std::to_string(n) + ".rx_freq", "438.5"));
    const std::string dump = SettingsToml(ReadSettings(image), image);
    EXPECT_LT(dump.size() * 4, kMaxSettingsDocumentSize) << dump.size();
}

} // namespace
