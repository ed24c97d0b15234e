#include "core/app/CBaseApp.h"
#include "support/TempFolder.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>

namespace {

const ReleaseStamp kStamp{115, 4711};

class SettingsTest : public testing::Test {
protected:
    SettingsTest() {
        app.SetSectionName("AUVO");
        app.SetProfileName(dir.File("AUVO.ini"));
    }
    void Store(const std::string& content) { TempFolder::WriteText(app.GetProfileName(), content); }
    int ReadInt(const char* key, bool* found = nullptr) {
        int value = 12345;
        const bool ok = app.ReadIniInt(key, value);
        if (found != nullptr) {
            *found = ok;
        }
        return value;
    }

    TempFolder dir;
    CBaseApp app{kStamp};
};

TEST_F(SettingsTest, ReadIniIntTakesWholeNumbersOnlyAndNamesTheOthers) {
    app.SetProgramFolder(dir.Path());
    Store("[AUVO]\nA=  -42 \nD=+17\nF=007\nB=\nC=abc\nE=-\nH=12abc\nI=-45.5\nJ=1e3\n"
          "[Andere]\nG=5\n");
    bool found = false;
    EXPECT_EQ(ReadInt("A", &found), -42);
    EXPECT_TRUE(found);
    EXPECT_EQ(ReadInt("D"), 17);
    EXPECT_EQ(ReadInt("F"), 7);
    EXPECT_FALSE(std::filesystem::exists(app.GetProtocolPath()));
    // Missing, empty or no whole number: 0 and false, so the key's default applies.
    for (const char* key : {"B", "G", "C", "E", "H", "I", "J"}) {
        EXPECT_EQ(ReadInt(key, &found), 0) << key;
        EXPECT_FALSE(found) << key;
    }
    const std::string protocol = TempFolder::ReadText(app.GetProtocolPath());
    EXPECT_NE(protocol.find("CBaseApp::ReadIniInt: I = '-45.5' ist keine ganze Zahl"),
              std::string::npos);
    // One line for each text that is there but no number.
    EXPECT_EQ(std::count(protocol.begin(), protocol.end(), '\n'), 5);
}

TEST_F(SettingsTest, ReadIniIntLimitsValuesBeyond32Bits) {
    Store("[AUVO]\nA=99999999999999999999\nB=-99999999999999999999\nC=2147483647\n"
          "D=-2147483648\nE=4294967295\n");
    EXPECT_EQ(ReadInt("A"), 2147483647);
    EXPECT_EQ(ReadInt("B"), -2147483647 - 1);
    EXPECT_EQ(ReadInt("C"), 2147483647);
    EXPECT_EQ(ReadInt("D"), -2147483647 - 1);
    EXPECT_EQ(ReadInt("E"), -1); // what WriteIniInt stored unsigned
}

TEST_F(SettingsTest, WriteIniIntSignedAndUnsigned) {
    ASSERT_TRUE(app.WriteIniInt("U", -1, true));
    ASSERT_TRUE(app.WriteIniInt("S", -1));
    ASSERT_TRUE(app.WriteIniInt("N", -10000));
    EXPECT_EQ(TempFolder::ReadText(app.GetProfileName()), "[AUVO]\nU=4294967295\nS=-1\nN=-10000\n");
}

TEST_F(SettingsTest, ReadIniStringCutsToSizeAndReportsEmptyValues) {
    Store("[auvo]\nvergleichsdateipfad=/home/user/Messungen\nLeer=\n");
    std::string value;
    EXPECT_TRUE(app.ReadIniString("VergleichsdateiPfad", value, 260));
    EXPECT_EQ(value, "/home/user/Messungen");
    EXPECT_TRUE(app.ReadIniString("VergleichsdateiPfad", value, 6));
    EXPECT_EQ(value, "/home");
    EXPECT_FALSE(app.ReadIniString("Leer", value, 260));
    EXPECT_FALSE(app.ReadIniString("Fehlt", value, 260));
    EXPECT_EQ(value, "");
}

TEST_F(SettingsTest, FirstWriteCreatesTheSettingsFileAndItsFolder) {
    app.SetProfileName(dir.File(".config/AUVO/AUVO.ini"));
    int value = 1;
    EXPECT_FALSE(app.ReadIniInt("NORMALNULL", value));
    ASSERT_TRUE(app.WriteIniInt("NORMALNULL", -10000));
    ASSERT_TRUE(app.WriteIniString("VergleichsdateiPfad", ""));
    EXPECT_EQ(TempFolder::ReadText(app.GetProfileName()),
              "[AUVO]\nNORMALNULL=-10000\nVergleichsdateiPfad=\n");
}

TEST_F(SettingsTest, WriteReportsFailure) {
    TempFolder::WriteText(dir.File("datei"), "");
    app.SetProfileName(dir.File("datei/AUVO.ini"));
    EXPECT_FALSE(app.WriteIniString("A", "1"));
    EXPECT_FALSE(app.WriteIniInt("A", 1));
}

TEST(FileErrorText, FourteenCausesFitTheProtocolMessageBuffer) {
    std::set<std::string> texts;
    for (int cause = 1; cause <= 14; ++cause) {
        std::string text = "alt";
        ASSERT_TRUE(CBaseApp::FileErrorText(cause, text, 60)) << cause;
        EXPECT_FALSE(text.empty());
        texts.insert(text);
    }
    EXPECT_EQ(texts.size(), 14u);

    for (int cause : {0, 15, -1}) {
        std::string text = "alt";
        EXPECT_FALSE(CBaseApp::FileErrorText(cause, text, 60));
        EXPECT_EQ(text, "");
    }
}

TEST(FileErrorText, TextMustBeShorterThanTheBuffer) {
    std::string full;
    ASSERT_TRUE(CBaseApp::FileErrorText(2, full, 60));
    std::string text = "alt";
    EXPECT_FALSE(CBaseApp::FileErrorText(2, text, full.size()));
    EXPECT_EQ(text, "");
    EXPECT_TRUE(CBaseApp::FileErrorText(2, text, full.size() + 1));
    EXPECT_EQ(text, full);
}

} // namespace
