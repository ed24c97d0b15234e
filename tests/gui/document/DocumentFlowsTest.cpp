#include "DocumentGuiFixture.h"

#include "core/app/CommandIds.h"

#include <QFile>
#include <QFileInfo>

using Answer = IDocumentDialogs::SaveAnswer;

namespace {
QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

using DocumentFlows = DocumentGuiFixture;

TEST_F(DocumentFlows, NewDocumentIsUntitledAndTheTitleFollowsTheModifiedFlag) {
    EXPECT_EQ(Title(), QStringLiteral("Unbenannt - AUVO"));
    Doc().SetComment("Nach dem Konzert");
    EXPECT_EQ(Title(), QStringLiteral("Unbenannt* - AUVO"));

    // A change nobody announces (a tone dragged) shows at the next command-state refresh.
    Doc().SetModifiedFlag(false);
    frame->Commands().UpdateAll();
    EXPECT_EQ(Title(), QStringLiteral("Unbenannt - AUVO"));
}

TEST_F(DocumentFlows, SavingAnUntitledDocumentAsksForANameAndAddsTheExtension) {
    Doc().SetComment("Erste Messung");
    dialogs.paths = {Path("Messung 06.12.2026")};
    ASSERT_TRUE(Run(ID_FILE_SAVE));

    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].kind, QStringLiteral("save"));
    EXPECT_EQ(dialogs.calls[0].filter, QStringLiteral("AUVO-Dokumente (*.auvo)"));
    EXPECT_EQ(dialogs.calls[0].initial, QStringLiteral("Unbenannt.auvo"));
    const QString saved = Path("Messung 06.12.2026.auvo");
    EXPECT_TRUE(QFileInfo::exists(saved));
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_EQ(Title(), QStringLiteral("Messung 06.12.2026.auvo - AUVO"));
    ASSERT_FALSE(app.GetRecentFileList().Entries().empty());
    EXPECT_EQ(QString::fromStdString(app.GetRecentFileList().Entries()[0]), saved);

    // Strg+S on a named document saves in place without asking; a name that already ends
    // with the extension keeps it.
    Doc().SetComment("Zweite Fassung");
    ASSERT_TRUE(Run(ID_FILE_SAVE));
    EXPECT_EQ(dialogs.calls.size(), 1u);
    dialogs.paths = {Path("kopie.AUVO")};
    ASSERT_TRUE(Run(ID_FILE_SAVE_AS));
    EXPECT_TRUE(QFileInfo::exists(Path("kopie.AUVO")));
    EXPECT_EQ(dialogs.calls.back().initial, saved);
    EXPECT_EQ(Title(), QStringLiteral("kopie.AUVO - AUVO"));
}

TEST_F(DocumentFlows, TheSaveQuestionGuardsNewOpenAndExit) {
    Doc().SetComment("ungespeichert");

    // Abbrechen: nothing happens.
    dialogs.saveAnswers = {Answer::Cancel};
    ASSERT_TRUE(Run(ID_FILE_NEW));
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].initial, QStringLiteral("Änderungen in Unbenannt speichern?"));
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(Doc().m_strKommentar, "ungespeichert");

    // Abbrechen before Open: no file dialog.
    dialogs.saveAnswers = {Answer::Cancel};
    ASSERT_TRUE(Run(ID_FILE_OPEN));
    EXPECT_EQ(dialogs.calls.back().kind, QStringLiteral("ask"));

    // Ja, then cancelling the file dialog of the untitled document: still nothing happens.
    dialogs.saveAnswers = {Answer::Yes};
    ASSERT_TRUE(Run(ID_FILE_NEW));
    EXPECT_EQ(dialogs.calls.back().kind, QStringLiteral("save"));
    EXPECT_TRUE(Doc().IsModified());

    // Closing the window asks too; Abbrechen keeps it open.
    frame->show();
    dialogs.saveAnswers = {Answer::Cancel};
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(frame->isVisible());
    // So does "&Beenden".
    dialogs.saveAnswers = {Answer::Cancel};
    const size_t beforeExit = dialogs.calls.size();
    ASSERT_TRUE(Run(ID_APP_EXIT));
    ASSERT_EQ(dialogs.calls.size(), beforeExit + 1);
    EXPECT_EQ(dialogs.calls.back().initial, QStringLiteral("Änderungen in Unbenannt speichern?"));
    EXPECT_TRUE(frame->isVisible());
    EXPECT_TRUE(Doc().IsModified());

    // Nein: a new document (the comment of the previous one stays, as always).
    dialogs.saveAnswers = {Answer::No};
    ASSERT_TRUE(Run(ID_FILE_NEW));
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_EQ(Title(), QStringLiteral("Unbenannt - AUVO"));

    // Unmodified: exit without a question.
    const size_t asked = dialogs.calls.size();
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(dialogs.calls.size(), asked);
}

TEST_F(DocumentFlows, YesOnExitSavesBeforeTheWindowCloses) {
    const QString path = WriteSample("alt.auvo", "alt");
    dialogs.paths = {path};
    ASSERT_TRUE(Run(ID_FILE_OPEN));
    Doc().SetComment("neu");
    EXPECT_EQ(Title(), QStringLiteral("alt.auvo* - AUVO"));

    frame->show();
    dialogs.saveAnswers = {Answer::Yes};
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(dialogs.calls.back().initial, QStringLiteral("Änderungen in alt.auvo speichern?"));
    CAUVODoc reread;
    ASSERT_TRUE(reread.OnOpenDocument(path.toStdString()));
    EXPECT_EQ(reread.m_strKommentar, "neu");
}

TEST_F(DocumentFlows, OpenReadsTheFileAndAFailedOpenKeepsTheCurrentMeasurement) {
    const QString path = WriteSample("messung.auvo", "Kopfhörer links");
    dialogs.paths = {path};
    ASSERT_TRUE(Run(ID_FILE_OPEN));
    EXPECT_EQ(dialogs.calls[0].filter, QStringLiteral("AUVO-Dokumente (*.auvo)"));
    EXPECT_EQ(Doc().m_strKommentar, "Kopfhörer links");
    EXPECT_EQ(Doc().m_TinnitusDaten.GetCount(0), 1);
    EXPECT_EQ(Doc().m_TinnitusDaten.GetCount(1), 1);
    EXPECT_EQ(Title(), QStringLiteral("messung.auvo - AUVO"));
    EXPECT_TRUE(boxes.Texts().empty());

    // A file of another kind: the format message; the open measurement stays, also on screen.
    QFile bad(Path("kaputt.auvo"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(QByteArray("\x66\x00\x00\x00", 4)); // version 102
    bad.close();
    dialogs.paths = {bad.fileName()};
    EXPECT_TRUE(Run(ID_FILE_OPEN));
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_EQ(boxes.Texts()[0], "Unerwartetes Dateiformat.");
    EXPECT_EQ(Doc().m_strKommentar, "Kopfhörer links");
    EXPECT_EQ(Doc().m_TinnitusDaten.GetCount(0), 1);
    EXPECT_EQ(Title(), QStringLiteral("messung.auvo - AUVO"));
    EXPECT_EQ(QString::fromStdString(app.GetRecentFileList().Entries()[0]), path);
}

TEST_F(DocumentFlows, AFailedSaveKeepsTheDocumentModifiedAndTheFileAsItWas) {
    const QString path = WriteSample("bleibt.auvo", "auf der Platte");
    const QByteArray before = Bytes(path);
    dialogs.paths = {path};
    ASSERT_TRUE(Run(ID_FILE_OPEN));
    Doc().SetComment("geändert");

    // Save As into a folder that does not exist.
    dialogs.paths = {Path("fehlt/neu.auvo")};
    ASSERT_TRUE(Run(ID_FILE_SAVE_AS));
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_NE(boxes.Texts()[0].find("konnte nicht gespeichert werden"), std::string::npos);
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(Title(), QStringLiteral("bleibt.auvo* - AUVO"));
    EXPECT_EQ(QString::fromStdString(Doc().GetPathName()), path);
    EXPECT_EQ(Bytes(path), before);

    // Ja to the question and the save in place fails (a folder now stands where the file
    // was): the document is not given up.
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("bleibt.auvo")));
    dialogs.saveAnswers = {Answer::Yes};
    ASSERT_TRUE(Run(ID_FILE_NEW));
    EXPECT_EQ(boxes.Texts().size(), 2u);
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(Doc().m_strKommentar, "geändert");
    EXPECT_EQ(QString::fromStdString(Doc().GetPathName()), path);
}

TEST_F(DocumentFlows, CommandLineOpensTheNamedFileOrEndsTheStart) {
    const QString path = WriteSample("start.auvo", "vom Aufruf");
    CDocManager other(app, dialogs);
    CMainFrame otherFrame;
    other.Attach(otherFrame);
    ASSERT_TRUE(other.ProcessCommandLine({path}));
    EXPECT_EQ(other.Document().m_strKommentar, "vom Aufruf");
    EXPECT_EQ(otherFrame.windowTitle(), QStringLiteral("start.auvo - AUVO"));

    CDocManager unknownSwitch(app, dialogs);
    EXPECT_TRUE(unknownSwitch.ProcessCommandLine({QStringLiteral("--unbekannt")}));
    EXPECT_EQ(unknownSwitch.Document().GetTitle(), "Unbenannt");

    // After "--" a word with leading dashes is the document ("auvo -- --seltsam.auvo").
    WriteSample("--seltsam.auvo", "mit Strichen");
    const QString cwd = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(m_dir.path()));
    CDocManager dashed(app, dialogs);
    const bool opened =
        dashed.ProcessCommandLine({QStringLiteral("--"), QStringLiteral("--seltsam.auvo")});
    QDir::setCurrent(cwd);
    EXPECT_TRUE(opened);
    EXPECT_EQ(dashed.Document().m_strKommentar, "mit Strichen");

    CDocManager failing(app, dialogs);
    EXPECT_FALSE(failing.ProcessCommandLine({Path("gibt-es-nicht.auvo")}));
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_NE(boxes.Texts()[0].find("konnte nicht geöffnet werden"), std::string::npos);
    EXPECT_NE(boxes.Texts()[0].find("Datei nicht gefunden"), std::string::npos);
}
