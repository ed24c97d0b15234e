#include "platform/ini/PrivateProfile.h"
#include "support/TempFolder.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <iterator>
#include <sys/resource.h>

namespace {

using namespace PrivateProfile;

class PrivateProfileTest : public testing::Test {
protected:
    TempFolder dir;
    std::string ini = dir.File("AUVO.ini");
};

TEST_F(PrivateProfileTest, MissingFileSectionOrKeyGivesTheDefault) {
    EXPECT_EQ(ReadString("AUVO", "DEBUG", "dflt", 64, ini), "dflt");
    EXPECT_FALSE(std::filesystem::exists(ini));

    TempFolder::WriteText(ini, "[AUVO]\nDEBUG=5\n");
    EXPECT_EQ(ReadString("MRU", "DEBUG", "dflt", 64, ini), "dflt");
    EXPECT_EQ(ReadString("AUVO", "NORMALNULL", "", 64, ini), "");
    EXPECT_EQ(ReadString("AUVO", "DEBUG", "", 64, ini), "5");
}

TEST_F(PrivateProfileTest, NamesMatchWithoutRegardToCaseAfterAByteOrderMark) {
    TempFolder::WriteText(ini, "\xEF\xBB\xBF[auvo]\r\nNormalNull = -2500 \r\n");
    EXPECT_EQ(ReadString("AUVO", "NORMALNULL", "", 64, ini), "-2500");

    ASSERT_TRUE(WriteString("Auvo", "NORMALNULL", "-3000", ini));
    EXPECT_EQ(TempFolder::ReadText(ini), "\xEF\xBB\xBF[auvo]\r\nNormalNull=-3000\r\n");
}

TEST_F(PrivateProfileTest, ValuesAreCutToSizeWithoutSplittingCharacters) {
    TempFolder::WriteText(ini, "[AUVO]\nPfad=/home/jörg\n");
    EXPECT_EQ(ReadString("AUVO", "Pfad", "", 9, ini), "/home/j");   // 8 bytes would split "ö"
    EXPECT_EQ(ReadString("AUVO", "Pfad", "", 10, ini), "/home/jö"); // 9 bytes
    EXPECT_EQ(ReadString("AUVO", "Pfad", "", 1, ini), "");
    EXPECT_EQ(ReadString("AUVO", "Pfad", "", 0, ini), "");
    EXPECT_EQ(ReadString("AUVO", "Fehlt", "abcdef", 4, ini), "abc");
}

TEST_F(PrivateProfileTest, WriteChangesOnlyItsOwnLine) {
    const std::string before = "; Einstellungen\r\n"
                               "\r\n"
                               "[AUVO]\r\n"
                               "DEBUG=1\r\n"
                               "; Eichung\r\n"
                               "NORMALNULL=-4000\r\n"
                               "\r\n"
                               "[MRU]\r\n"
                               "Datei1=/a.auvo\r\n";
    TempFolder::WriteText(ini, before);
    ASSERT_TRUE(WriteString("AUVO", "NORMALNULL", "-3500", ini));

    std::string expected = before;
    expected.replace(expected.find("-4000"), 5, "-3500");
    EXPECT_EQ(TempFolder::ReadText(ini), expected);
}

TEST_F(PrivateProfileTest, NewKeyGoesToTheEndOfItsSectionBeforeBlankLines) {
    TempFolder::WriteText(ini, "[AUVO]\nDEBUG=1\n\n[MRU]\nDatei1=/a.auvo\n");
    ASSERT_TRUE(WriteString("AUVO", "VergleichsdateiPfad", "", ini));
    EXPECT_EQ(TempFolder::ReadText(ini),
              "[AUVO]\nDEBUG=1\nVergleichsdateiPfad=\n\n[MRU]\nDatei1=/a.auvo\n");
}

TEST_F(PrivateProfileTest, NewSectionIsAppendedWithTheFilesLineEnd) {
    TempFolder::WriteText(ini, "[MRU]\r\nDatei1=/a.auvo"); // no line end at the very end
    ASSERT_TRUE(WriteString("AUVO", "NORMALNULL", "-10000", ini));
    EXPECT_EQ(TempFolder::ReadText(ini),
              "[MRU]\r\nDatei1=/a.auvo\r\n[AUVO]\r\nNORMALNULL=-10000\r\n");
}

TEST_F(PrivateProfileTest, FirstWriteCreatesFileAndMissingFolders) {
    const std::string nested = dir.File("config/AUVO/AUVO.ini");
    ASSERT_TRUE(WriteString("AUVO", "NORMALNULL", "-10000", nested));
    EXPECT_EQ(TempFolder::ReadText(nested), "[AUVO]\nNORMALNULL=-10000\n");
    EXPECT_EQ(ReadString("AUVO", "NORMALNULL", "", 64, nested), "-10000");
}

TEST_F(PrivateProfileTest, DeleteSectionRemovesOnlyThatSection) {
    TempFolder::WriteText(ini, "[MRU]\nDatei1=/a\nDatei2=/b\n\n[AUVO]\nDEBUG=0\n");
    ASSERT_TRUE(DeleteSection("mru", ini));
    EXPECT_EQ(TempFolder::ReadText(ini), "[AUVO]\nDEBUG=0\n");

    EXPECT_TRUE(DeleteSection("Fehlt", ini));
    const std::string missing = dir.File("nie.ini");
    EXPECT_TRUE(DeleteSection("MRU", missing));
    EXPECT_FALSE(std::filesystem::exists(missing)); // nothing to delete creates nothing
}

TEST_F(PrivateProfileTest, DeleteKeyRemovesOnlyItsLine) {
    TempFolder::WriteText(ini, "[AUVO]\nA=1\nB=2\n");
    ASSERT_TRUE(DeleteKey("AUVO", "a", ini));
    EXPECT_EQ(TempFolder::ReadText(ini), "[AUVO]\nB=2\n");
}

TEST_F(PrivateProfileTest, UnstorableNamesAndValuesAreRefusedAndLeaveTheFile) {
    const std::string before = "[AUVO]\nPfad=/alt\n";
    TempFolder::WriteText(ini, before);
    EXPECT_FALSE(WriteString("AUVO", "Pfad", "/neu\n[MRU]", ini));
    EXPECT_FALSE(WriteString("AUVO", "Pfad", "/neu\r", ini));
    EXPECT_FALSE(WriteString("AUVO", "A=B", "1", ini));
    EXPECT_FALSE(WriteString("AUVO", "", "1", ini));
    EXPECT_FALSE(WriteString("A]B", "Pfad", "1", ini));
    EXPECT_FALSE(WriteString("", "Pfad", "1", ini));
    EXPECT_FALSE(WriteString("AUVO", "Pfad", "1", ""));
    EXPECT_EQ(TempFolder::ReadText(ini), before);
}

TEST_F(PrivateProfileTest, WriteThatCannotCreateItsFolderFails) {
    TempFolder::WriteText(dir.File("datei"), "x");
    EXPECT_FALSE(WriteString("AUVO", "DEBUG", "1", dir.File("datei/AUVO.ini")));
    EXPECT_EQ(TempFolder::ReadText(dir.File("datei")), "x");
}

TEST_F(PrivateProfileTest, FullDiskLeavesTheOldFile) {
    const std::string before = "[AUVO]\nNORMALNULL=-2500\n";
    TempFolder::WriteText(ini, before);
    // A file size limit makes the write fail the way a full disk does.
    struct rlimit old {};
    ::getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = before.size() + 4;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = WriteString("AUVO", "VergleichsdateiPfad", "/home/user/Messungen", ini);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(TempFolder::ReadText(ini), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(PrivateProfileTest, WriteLeavesNoTemporaryFilesAndFollowsLinks) {
    const std::string target = dir.File("echt.ini");
    TempFolder::WriteText(target, "[AUVO]\nDEBUG=0\n");
    std::filesystem::create_symlink(target, ini);
    ASSERT_TRUE(WriteString("AUVO", "DEBUG", "10", ini));

    EXPECT_TRUE(std::filesystem::is_symlink(ini));
    EXPECT_EQ(TempFolder::ReadText(target), "[AUVO]\nDEBUG=10\n");
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        ++files;
    }
    EXPECT_EQ(files, 2);
}

TEST_F(PrivateProfileTest, FirstOfDuplicateSectionsAndKeysWins) {
    TempFolder::WriteText(ini, "[AUVO]\nDEBUG=1\nDEBUG=2\n[AUVO]\nDEBUG=3\n");
    EXPECT_EQ(ReadString("AUVO", "DEBUG", "", 64, ini), "1");
    ASSERT_TRUE(WriteString("AUVO", "DEBUG", "7", ini));
    EXPECT_EQ(TempFolder::ReadText(ini), "[AUVO]\nDEBUG=7\nDEBUG=2\n[AUVO]\nDEBUG=3\n");
}

} // namespace
