// "Program.ini" on a real file: the Windows profile rules the program relies on.

#include "core/app/settings_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace dpmr {
namespace {

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = ::testing::TempDir() + "settings-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        path_ = folder_ + "/Program.ini";
    }
    void TearDown() override { std::system(("rm -rf '" + folder_ + "'").c_str()); }

    void WriteText(const std::string &text) { std::ofstream(path_, std::ios::binary) << text; }
    std::string ReadText() {
        std::ifstream in(path_, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::string folder_, path_;
};

TEST_F(SettingsFileTest, ReadsValuesAsTheProfileFunctionsDo) {
    WriteText("; comment\r\n[other]\r\nCOM=wrong\r\n[setup]\r\n  com =  \\\\.\\COM12  \r\n"
              "LASTPATH=\"C:\\radios\\\"\r\nLong=" +
              std::string(300, 'x') + "\r\n");
    SettingsFile settings(path_);
    EXPECT_EQ(settings.Read("Setup", "COM"), "\\\\.\\COM12"); // names ignore case, blanks trimmed
    EXPECT_EQ(settings.Read("Setup", "LASTPATH"), "C:\\radios\\");
    EXPECT_EQ(settings.Read("Setup", "Long").size(), 255u);
    EXPECT_EQ(settings.Read("Setup", ""), "");
    EXPECT_EQ(settings.Read("Setup", "Missing"), "");
    EXPECT_EQ(settings.Read("Nowhere", "COM"), "");
    EXPECT_EQ(SettingsFile(folder_ + "/absent.ini").Read("Setup", "COM"), "");
}

TEST_F(SettingsFileTest, WritesInPlaceAndKeepsEverythingElse) {
    WriteText("[Setup]\r\nCOM=COM1\r\n\r\n[Other]\r\nA=1\r\n");
    SettingsFile settings(path_);
    EXPECT_TRUE(settings.Write("Setup", "COM", "/dev/serial/by-id/usb-FTDI"));
    EXPECT_TRUE(settings.Write("Setup", "LASTPATH", "/home/me"));
    EXPECT_TRUE(settings.Write("New", "Key", "v"));
    EXPECT_EQ(ReadText(), "[Setup]\r\nCOM=/dev/serial/by-id/usb-FTDI\r\nLASTPATH=/home/me\r\n\r\n"
                          "[Other]\r\nA=1\r\n[New]\r\nKey=v\r\n");
}

TEST_F(SettingsFileTest, AnEmptyKeyOrValueWritesNothing) {
    WriteText("[Setup]\r\nCOM=COM3\r\n");
    SettingsFile settings(path_);
    EXPECT_FALSE(settings.Write("Setup", "COM", ""));
    EXPECT_FALSE(settings.Write("Setup", "", "x"));
    EXPECT_EQ(ReadText(), "[Setup]\r\nCOM=COM3\r\n");
    EXPECT_FALSE(SettingsFile(folder_ + "/gone/Program.ini").Write("Setup", "COM", "COM1"));
}

TEST_F(SettingsFileTest, AReplacedSectionLosesTheEntriesThatFellOff) {
    WriteText("[Setup]\r\nCOM=COM3\r\n[recent file list]\r\nFile1=/a.dat\r\nFile2=/b.dat\r\n"
              "File3=/c.dat\r\n[Other]\r\nA=1\r\n");
    SettingsFile settings(path_);
    EXPECT_TRUE(settings.ReplaceSection("Recent File List", {{"File1", "/d.dat"}}));
    EXPECT_EQ(ReadText(), "[Setup]\r\nCOM=COM3\r\n[Other]\r\nA=1\r\n"
                          "[Recent File List]\r\nFile1=/d.dat\r\n");
    EXPECT_TRUE(settings.ReplaceSection("Recent File List", {}));
    EXPECT_EQ(ReadText(), "[Setup]\r\nCOM=COM3\r\n[Other]\r\nA=1\r\n");
    // Nothing to remove and nothing to add: an absent file stays absent.
    EXPECT_TRUE(SettingsFile(folder_ + "/absent.ini").ReplaceSection("Recent File List", {}));
    EXPECT_NE(::access((folder_ + "/absent.ini").c_str(), F_OK), 0);
}

} // namespace
} // namespace dpmr
