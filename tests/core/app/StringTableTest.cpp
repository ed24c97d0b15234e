#include "core/app/StringTable.h"
#include "core/app/TextFormat.h"

#include <gtest/gtest.h>

namespace {

TEST(StringTable, ErrorMessagesCarryTheirNumbers) {
    const std::pair<unsigned, const char*> messages[] = {
        {129, "(1000) "}, {130, "(1001) "}, {131, "(1002) "}, {141, "(1003) "},
        {147, "(1004) "}, {151, "(1005) "}, {152, "(1006) "},
    };
    for (const auto& [id, number] : messages) {
        EXPECT_EQ(StringTable::Load(id).rfind(number, 0), 0u) << id;
    }
}

TEST(StringTable, TextsKeepQuotesLineFeedsAndUmlauts) {
    EXPECT_EQ(StringTable::Load(57344), "AUVO");
    EXPECT_EQ(StringTable::Load(138), "2.10");
    EXPECT_EQ(StringTable::Load(128),
              "AUVO\n\nAUVO\nAUVO-Dokumente (*.auvo)\n.auvo\nAUVO.Document\nAUVO Dokument");
    EXPECT_EQ(StringTable::Load(32775), "Legt den \"normal Null\" Wert dieses PCs fest.\nEichen");
    EXPECT_EQ(StringTable::Load(145), "%s Hörtest-Programm  -  Messung: %s\n%s");
    EXPECT_EQ(StringTable::Load(StringTable::kUntitled), "Unbenannt");
    EXPECT_EQ(StringTable::Load(StringTable::kIdlePrompt), "Bereit");
}

TEST(StringTable, EveryCommandHasAPrompt) {
    const unsigned commands[] = {32771, 32772, 32773, 32774, 32775, 32776, 32777, 32778,
                                 32779, 32780, 32781, 32782, 32783, 32785, 32786, 32787,
                                 32788, 57600, 57601, 57603, 57604, 57606, 57607, 57609,
                                 57616, 57664, 57665, 59392, 59393};
    for (unsigned id : commands) {
        EXPECT_FALSE(StringTable::Load(id).empty()) << id;
    }
    EXPECT_EQ(StringTable::Load(1), "");
    EXPECT_EQ(StringTable::Load(99999), "");
}

TEST(StringTable, OneFillerForNumberedAndPrintfFields) {
    EXPECT_EQ(StringTable::Format(StringTable::kAskToSave, "Messung.auvo"),
              "Änderungen in Messung.auvo speichern?");
    EXPECT_EQ(StringTable::Format(StringTable::kFileNotOpened, "/a/%2.auvo", "Zugriff verweigert"),
              "Die Datei /a/%2.auvo konnte nicht geöffnet werden.\nZugriff verweigert");
    EXPECT_EQ(FillText(StringTable::Load(StringTable::kHoertestProgress), {"Links", "3", "8"}),
              "Links: Ton 3 von 8");
    EXPECT_EQ(FillText("%.1f dB, %ld mB, 100%%, %d", {"-3.5", "%1"}), "-3.5 dB, %1 mB, 100%, %d");
    EXPECT_EQ(FillText("%2 vor %1, %3", {"a", "b"}), "b vor a, %3");
    EXPECT_EQ(StringTable::Format(99999, "x"), "");
}

} // namespace
