#include "platform/file/CFileReplacement.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

// The whole-file case is covered through the document's save (DocumentFileTest); these are
// the writers that fill the temporary file by name, as the WAV export does.

TEST(CFileReplacement, WriterByNameReplacesTargetOnlyOnCommit) {
    TempFolder dir;
    const std::string target = dir.File("out.wav");
    TempFolder::WriteText(target, "alt");
    {
        CFileReplacement file(target);
        ASSERT_EQ(file.Open(), 0);
        std::FILE* other = std::fopen(file.TemporaryPath().c_str(), "wb");
        ASSERT_NE(other, nullptr);
        std::fputs("neu und laenger", other);
        std::fclose(other);
        EXPECT_EQ(TempFolder::ReadText(target), "alt");
        EXPECT_EQ(dir.Names().size(), 2u);
        ASSERT_EQ(file.Commit(), 0);
    }
    EXPECT_EQ(TempFolder::ReadText(target), "neu und laenger");
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"out.wav"});

    // Given up before Commit: the old file as it was, no trace of the new one.
    {
        CFileReplacement file(target);
        ASSERT_EQ(file.Open(), 0);
        ASSERT_EQ(file.Write("x", 1), 0);
    }
    EXPECT_EQ(TempFolder::ReadText(target), "neu und laenger");
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"out.wav"});
}

TEST(CFileReplacement, FailuresReportTheirErrnoAndLeaveNoTrace) {
    TempFolder dir;
    EXPECT_EQ(CFileReplacement::WriteFile(dir.File("fehlt/out.csv"), "a", 1), ENOENT);

    // The rename fails at Commit: the folder stays a folder, the temporary file goes.
    std::filesystem::create_directory(dir.File("ordner"));
    TempFolder::WriteText(dir.File("ordner/drin"), "x");
    CFileReplacement file(dir.File("ordner"));
    ASSERT_EQ(file.Open(), 0);
    EXPECT_NE(file.Commit(), 0);
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("ordner")));
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"ordner"});
}
