#include "DocumentGuiFixture.h"

#include "core/app/CommandIds.h"

#include <QAction>
#include <QFile>

using ComparisonFile = DocumentGuiFixture;

TEST_F(ComparisonFile, OpensBesideTheMeasurementAndRemembersTheFolder) {
    QDir(m_dir.path()).mkdir(QStringLiteral("alt"));
    const QString first = WriteSample("alt/januar.auvo", "Januar");
    const QString second = WriteSample("alt/februar.auvo", "Februar");
    Doc().SetComment("heute");
    frame->Commands().UpdateAll();
    EXPECT_FALSE(frame->Action(ID_VERGLEICHSDATEI_SCHLIESSEN)->isEnabled());

    dialogs.paths = {first};
    ASSERT_TRUE(Run(ID_VERGLEICHSDATEI_OEFFNEN));
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].kind, QStringLiteral("open"));
    EXPECT_EQ(dialogs.calls[0].filter, QStringLiteral("AUVO-Dokumente (*.auvo)"));
    EXPECT_EQ(dialogs.calls[0].initial, QString());
    ASSERT_NE(Doc().GetVergleichsDoc(), nullptr);
    EXPECT_EQ(Doc().GetVergleichsDoc()->m_strKommentar, "Januar");
    EXPECT_EQ(app.m_strVergleichsdateiPfad, Path("alt").toStdString());
    frame->Commands().UpdateAll();
    EXPECT_TRUE(frame->Action(ID_VERGLEICHSDATEI_SCHLIESSEN)->isEnabled());
    // The comparison is no change of the measurement.
    EXPECT_EQ(Doc().m_strKommentar, "heute");

    // The next dialog starts in that folder with the open file preselected; a second file
    // replaces the first.
    dialogs.paths = {second};
    ASSERT_TRUE(Run(ID_VERGLEICHSDATEI_OEFFNEN));
    EXPECT_EQ(dialogs.calls[1].initial, first);
    EXPECT_EQ(Doc().GetVergleichsDoc()->m_strKommentar, "Februar");

    ASSERT_TRUE(Run(ID_VERGLEICHSDATEI_SCHLIESSEN));
    EXPECT_EQ(Doc().GetVergleichsDoc(), nullptr);
    frame->Commands().UpdateAll();
    EXPECT_FALSE(frame->Action(ID_VERGLEICHSDATEI_SCHLIESSEN)->isEnabled());

    // Without an open comparison the dialog starts in the remembered folder.
    dialogs.paths = {};
    ASSERT_TRUE(Run(ID_VERGLEICHSDATEI_OEFFNEN));
    EXPECT_EQ(dialogs.calls[2].initial, Path("alt"));
}

TEST_F(ComparisonFile, AFailureClosesTheComparisonAndTouchesNothingElse) {
    const QString good = WriteSample("gut.auvo", "gut");
    QDir(m_dir.path()).mkdir(QStringLiteral("andere"));
    QFile bad(Path("andere/kaputt.auvo"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(QByteArray("\xC8\x00\x00\x00\x05", 5)); // version 200, then cut off
    bad.close();

    dialogs.paths = {good};
    ASSERT_TRUE(Run(ID_VERGLEICHSDATEI_OEFFNEN));
    Doc().SetComment("aktuell");
    const int leftTones = Doc().m_TinnitusDaten.GetCount(0);

    dialogs.paths = {bad.fileName()};
    ASSERT_TRUE(Run(ID_VERGLEICHSDATEI_OEFFNEN));
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_EQ(boxes.Texts()[0], "Unerwartetes Dateiformat.");
    EXPECT_EQ(Doc().GetVergleichsDoc(), nullptr);
    EXPECT_EQ(app.m_strVergleichsdateiPfad, m_dir.path().toStdString());
    EXPECT_EQ(Doc().m_strKommentar, "aktuell");
    EXPECT_EQ(Doc().m_TinnitusDaten.GetCount(0), leftTones);
    EXPECT_TRUE(Doc().IsModified());

    // A cancelled dialog changes nothing.
    dialogs.paths = {};
    ASSERT_TRUE(Run(ID_VERGLEICHSDATEI_OEFFNEN));
    EXPECT_EQ(boxes.Texts().size(), 1u);
    EXPECT_EQ(app.m_strVergleichsdateiPfad, m_dir.path().toStdString());
}

TEST(ComparisonFolder, IsThePathUpToItsLastSeparator) {
    EXPECT_EQ(CComparisonFile::FolderOf(QStringLiteral("/home/a/b.auvo")),
              QStringLiteral("/home/a"));
    EXPECT_EQ(CComparisonFile::FolderOf(QStringLiteral("C:\\Messungen\\b.auvo")),
              QStringLiteral("C:\\Messungen"));
    EXPECT_EQ(CComparisonFile::FolderOf(QStringLiteral("b.auvo")), QString());
}
