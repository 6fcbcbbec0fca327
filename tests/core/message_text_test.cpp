// Input echoed in messages: no byte of it may drive the terminal, and a huge value is cut.
// Checked on the helper and on every path that echoes a user's text (a CSV field and column,
// a TOML key, a setting's name).

#include "core/exchange/channel_csv.h"
#include "core/settings_text/settings_apply.h"
#include "core/settings_text/settings_toml.h"
#include "core/text/message_text.h"

#include "core_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace dpmr {
namespace {

using testing_support::NewImage;

// No C0 control, DEL or C1 control (raw, or as UTF-8) in the text.
bool Inert(const std::string &text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7F || (c >= 0x80 && c <= 0x9F && (i == 0 || text[i - 1] != '\xC2')))
            return false;
        if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) <= 0x9F)
            return false;
    }
    return true;
}

TEST(MessageText, ControlBytesAreWrittenOutAndTextStays) {
    EXPECT_EQ(EscapedText("plain text, 1.5 MHz"), "plain text, 1.5 MHz");
    EXPECT_EQ(EscapedText("\x1B[2J\x1B]0;owned\x07"), "\\x1B[2J\\x1B]0;owned\\x07");
    EXPECT_EQ(EscapedText(std::string("a\0b\x7F\r\n\t", 7)), "a\\x00b\\x7F\\x0D\\x0A\\x09");
    // C1 controls: 0x9B alone is a CSI on 8-bit terminals; U+009B in UTF-8 too.
    EXPECT_EQ(EscapedText("\x9B"
                          "31m"),
              "\\x9B31m");
    EXPECT_EQ(EscapedText("\xC2\x9B"
                          "31m"),
              "\\xC2\\x9B31m");
    // A right-to-left override would show the rest of the line backwards.
    EXPECT_EQ(EscapedText("ab\xE2\x80\xAE"
                          "cd"),
              "ab\\xE2\\x80\\xAEcd");
    // Letters of other scripts stay; broken UTF-8 does not.
    EXPECT_EQ(EscapedText("Übung Канал"), "Übung Канал");
    EXPECT_EQ(EscapedText("\xC3(\xFF"), "\\xC3(\\xFF");
    EXPECT_EQ(EscapedText("\xC0\xAF"), "\\xC0\\xAF") << "overlong";
}

TEST(MessageText, LongValuesAreCutWithTheirSize) {
    const std::string megabyte(1024 * 1024, 'x');
    EXPECT_EQ(EscapedText(megabyte), std::string(40, 'x') + "... (1048576 bytes)");
    EXPECT_EQ(Quoted(megabyte), "\"" + std::string(40, 'x') + "...\" (1048576 bytes)");
    EXPECT_EQ(Quoted(std::string(40, 'y')), "\"" + std::string(40, 'y') + "\"");
    EXPECT_EQ(EscapedText("abcdef", 3), "abc... (6 bytes)");
    // Never half a character.
    EXPECT_EQ(EscapedText("abÜ", 3), "ab... (4 bytes)");
    EXPECT_EQ(EscapedText(std::string(500, '\x1B'), 2), "\\x1B\\x1B... (500 bytes)");
}

// A hostile value: an escape sequence that clears the screen, then a megabyte.
const std::string kHostile = "\x1B[2J\x1B[31m" + std::string(1024 * 1024, 'A');

TEST(MessageText, CsvFieldsAndColumnsAreEscapedAndCut) {
    const std::string header = "Location,Name,Frequency,Duplex\n";
    for (const std::string &text :
         {header + "5,X,446.00625," + kHostile + "\n", header + kHostile + ",X,446.00625,\n",
          "Location,Frequency," + kHostile + "," + kHostile + "\n"}) {
        Image image = NewImage();
        const CsvImportResult result = ImportChannelsCsv(text, "list\x1B[2J.csv", image);
        ASSERT_FALSE(result.ok);
        EXPECT_TRUE(Inert(result.message)) << result.message;
        EXPECT_LT(result.message.size(), 400u) << result.message.substr(0, 400);
        EXPECT_NE(result.message.find("list\\x1B[2J.csv"), std::string::npos) << result.message;
    }
}

TEST(MessageText, ANameCutOnImportIsNotedEscaped) {
    Image image = NewImage();
    const CsvImportResult result = ImportChannelsCsv(
        "Location,Name,Frequency\n5,\x1B[31mToo long for the alias slot,446.00625\n", "list.csv",
        image);
    ASSERT_TRUE(result.ok) << result.message;
    ASSERT_FALSE(result.notes.empty());
    for (const CsvRowNote &note : result.notes)
        EXPECT_TRUE(Inert(note.what)) << note.what;
}

TEST(MessageText, SettingNamesAndTomlKeysAreEscapedAndCut) {
    Image image = NewImage();
    const Image before = image;
    std::vector<SettingChange> changes{{kHostile, "1", "argument 1"}};
    ApplyResult result = ApplySettings(image, changes, ListRows::Edit);
    ASSERT_FALSE(result);
    EXPECT_TRUE(Inert(result.message)) << result.message.substr(0, 400);
    EXPECT_LT(result.message.size(), 400u);
    EXPECT_NE(result.message.find("\\x1B[2J"), std::string::npos) << result.message;

    changes.clear();
    for (const std::string &document : std::vector<std::string>{
             "[basic]\n\"" + std::string("\\u001b[2J") + std::string(100000, 'k') + "\" = 1.5\n",
             "[basic]\n\"\\u001b[2J\" = 1.5\n", "[basic]\nkey = \x1B[2J\n",
             "[\"\\u001b[2J" + std::string(100000, 's') + "\"]\nkey = [1]\n"}) {
        const ApplyResult parsed = ChangesFromToml(document, changes);
        ASSERT_FALSE(parsed) << document.substr(0, 40);
        EXPECT_TRUE(Inert(parsed.message)) << parsed.message.substr(0, 400);
        EXPECT_LT(parsed.message.size(), 600u) << parsed.message.substr(0, 600);
    }
    // Keys that parse reach ApplySettings, which names them escaped.
    ASSERT_TRUE(ChangesFromToml("[basic]\n\"\\u001b[2J\" = \"1\"\n", changes));
    result = ApplySettings(image, changes, ListRows::Whole);
    ASSERT_FALSE(result);
    EXPECT_TRUE(Inert(result.message)) << result.message;
    EXPECT_TRUE(image == before);
}

} // namespace
} // namespace dpmr
