#include "DocumentGuiFixture.h"

#include "core/app/CommandIds.h"
#include "gui/document/CRecentFileMenu.h"

#include <QAction>
#include <QFile>
#include <QMenu>

using Answer = IDocumentDialogs::SaveAnswer;

namespace {

// The entries of the "&Datei" menu between the separators around the recent files.
QStringList RecentEntries(CMainFrame& frame) {
    QStringList texts;
    for (QAction* action : frame.Menu(QStringLiteral("&Datei"))->actions()) {
        if (action->isVisible() &&
            (action->text().startsWith(QLatin1Char('&')) && action->text().at(1).isDigit()))
            texts << action->text();
    }
    return texts;
}

QAction* RecentAction(CMainFrame& frame, int index) {
    int seen = 0;
    for (QAction* action : frame.Menu(QStringLiteral("&Datei"))->actions()) {
        if (action->isVisible() && action->text().startsWith(QLatin1Char('&')) &&
            action->text().at(1).isDigit() && seen++ == index)
            return action;
    }
    return nullptr;
}

} // namespace

using RecentFiles = DocumentGuiFixture;

TEST_F(RecentFiles, EmptyListShowsTheGreyedPlaceholder) {
    QAction* placeholder = frame->Action(ID_FILE_MRU_FILE1);
    ASSERT_NE(placeholder, nullptr);
    EXPECT_TRUE(placeholder->isVisible());
    EXPECT_FALSE(placeholder->isEnabled());
    EXPECT_TRUE(RecentEntries(*frame).isEmpty());
}

TEST_F(RecentFiles, OpenedAndSavedFilesAreListedMostRecentFirstUpToFour) {
    for (const char* name : {"a.auvo", "b.auvo", "c.auvo", "d.auvo", "e&f.auvo"}) {
        dialogs.paths = {WriteSample(QString::fromUtf8(name), name)};
        ASSERT_TRUE(Run(ID_FILE_OPEN));
    }
    // '&' in a name is no mnemonic.
    const QStringList entries = RecentEntries(*frame);
    ASSERT_EQ(entries.size(), 4);
    EXPECT_TRUE(entries[0].startsWith(QStringLiteral("&1 ")));
    EXPECT_TRUE(entries[0].endsWith(QStringLiteral("e&&f.auvo"))) << entries[0].toStdString();
    EXPECT_TRUE(entries[3].startsWith(QStringLiteral("&4 ")));
    EXPECT_TRUE(entries[3].endsWith(QStringLiteral("b.auvo")));
    EXPECT_FALSE(frame->Action(ID_FILE_MRU_FILE1)->isVisible());
    for (const QString& entry : entries)
        EXPECT_LE(entry.mid(3).replace(QStringLiteral("&&"), QStringLiteral("&")).size(), 30);

    // Entry 3 is c.auvo; opening it moves it to the top.
    RecentAction(*frame, 2)->trigger();
    EXPECT_EQ(Doc().m_strKommentar, "c.auvo");
    EXPECT_TRUE(RecentEntries(*frame)[0].endsWith(QStringLiteral("c.auvo")));
}

TEST_F(RecentFiles, AnEntryThatNoLongerOpensIsRemovedAfterTheMessage) {
    const QString gone = WriteSample("weg.auvo", "weg");
    const QString kept = WriteSample("da.auvo", "da");
    for (const QString& path : {gone, kept}) {
        dialogs.paths = {path};
        ASSERT_TRUE(Run(ID_FILE_OPEN));
    }
    ASSERT_TRUE(QFile::remove(gone));

    RecentAction(*frame, 1)->trigger();
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_NE(boxes.Texts()[0].find("konnte nicht geöffnet werden"), std::string::npos);
    ASSERT_EQ(app.GetRecentFileList().Entries().size(), 1u);
    EXPECT_EQ(QString::fromStdString(app.GetRecentFileList().Entries()[0]), kept);
    EXPECT_EQ(RecentEntries(*frame).size(), 1);
    EXPECT_EQ(Doc().m_strKommentar, "da");
}

TEST_F(RecentFiles, CancellingTheSaveQuestionKeepsTheEntry) {
    const QString path = WriteSample("bleibt.auvo", "bleibt");
    dialogs.paths = {path};
    ASSERT_TRUE(Run(ID_FILE_OPEN));
    Doc().SetComment("geändert");
    dialogs.saveAnswers = {Answer::Cancel};
    EXPECT_FALSE(documents->OpenRecentFile(0));
    EXPECT_EQ(app.GetRecentFileList().Entries().size(), 1u);
    EXPECT_EQ(Doc().m_strKommentar, "geändert");
}

TEST(RecentFileMenuText, NumbersEntriesAndEscapesAmpersands) {
    EXPECT_EQ(CRecentFileMenu::EntryText(0, QStringLiteral("a.auvo")), QStringLiteral("&1 a.auvo"));
    EXPECT_EQ(CRecentFileMenu::EntryText(3, QStringLiteral("Hö & Ton.auvo")),
              QStringLiteral("&4 Hö && Ton.auvo"));
}
