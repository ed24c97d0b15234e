#include "core/app/CRecentFileList.h"
#include "platform/ini/PrivateProfile.h"
#include "support/TempFolder.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

using Paths = std::vector<std::string>;

TEST(RecentFileList, NewestFirstWithoutDuplicatesAtMostFour) {
    CRecentFileList list;
    for (const char* path :
         {"/a.auvo", "/b.auvo", "/c.auvo", "/b.auvo", "", "/d.auvo", "/e.auvo"}) {
        list.Add(path);
    }
    EXPECT_EQ(list.Entries(), (Paths{"/e.auvo", "/d.auvo", "/b.auvo", "/c.auvo"}));
    list.Remove(1);
    list.Remove(7);
    list.Remove(-1);
    EXPECT_EQ(list.Entries(), (Paths{"/e.auvo", "/b.auvo", "/c.auvo"}));
}

TEST(RecentFileList, DisplayNamesFitThirtyCharactersAndKeepTheFileName) {
    CRecentFileList list;
    list.Add("/home/jörg/Messungen/Ärzte/Übersicht_Öhr.auvo");
    list.Add("/home/u/Messung.auvo");
    list.Add("/sehr/tief/Ein_ungewöhnlich_langer_Dateiname_2026.auvo");
    list.Add("/x/Name_mit_neunundzwanzig_Z.auv");

    auto chars = [](const std::string& s) {
        return std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; });
    };
    EXPECT_EQ(list.DisplayName(0), "Name_mit_neunundzwanzig_Z.auv"); // no room for "…/"
    EXPECT_EQ(list.DisplayName(1), "Ein_ungewöhnlich_la…_2026.auvo");
    EXPECT_EQ(list.DisplayName(2), "/home/u/Messung.auvo");
    EXPECT_EQ(list.DisplayName(3), "…/Ärzte/Übersicht_Öhr.auvo"); // 26 characters, 31 bytes
    for (int i = 0; i < 4; ++i) {
        EXPECT_LE(chars(list.DisplayName(i)), 30) << i;
    }
    EXPECT_EQ(list.DisplayName(4), "");
}

TEST(RecentFileList, WriteThenReadKeepsTheListAndOtherSections) {
    TempFolder dir;
    const std::string ini = dir.File("AUVO.ini");
    TempFolder::WriteText(ini, "[AUVO]\r\nNORMALNULL=-2500\r\n[MRU]\r\nDatei1=/alt1\r\n"
                               "Datei2=/alt2\r\nDatei3=/alt3\r\nDatei4=/alt4\r\n[Settings]\r\n"
                               "PreviewPages=1\r\n");
    CRecentFileList list;
    list.Add("/home/u/b.auvo");
    list.Add("/home/u/a b.auvo");
    list.WriteList(ini);

    EXPECT_EQ(TempFolder::ReadText(ini), "[AUVO]\r\nNORMALNULL=-2500\r\n[Settings]\r\n"
                                         "PreviewPages=1\r\n[MRU]\r\nDatei1=/home/u/a b.auvo\r\n"
                                         "Datei2=/home/u/b.auvo\r\n");
    CRecentFileList read;
    read.Add("/wird/ersetzt");
    read.ReadList(ini);
    EXPECT_EQ(read.Entries(), list.Entries());
}

TEST(RecentFileList, ReadSkipsEmptyAndRepeatedEntries) {
    TempFolder dir;
    const std::string ini = dir.File("AUVO.ini");
    TempFolder::WriteText(ini, "[mru]\ndatei1=/a\nDatei2=\nDatei3=/a\nDatei4=/b\nDatei5=/c\n");
    CRecentFileList list;
    list.ReadList(ini);
    EXPECT_EQ(list.Entries(), (Paths{"/a", "/b"}));

    list.ReadList(dir.File("fehlt.ini"));
    EXPECT_TRUE(list.Entries().empty());
}

} // namespace
