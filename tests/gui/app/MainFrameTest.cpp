#include "UrlRecorder.h"
#include "core/app/CAUVOApp.h"
#include "core/app/CommandIds.h"
#include "gui/app/CAboutDialog.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CQtAppFramework.h"
#include "gui/app/CToolbarIcons.h"
#include "gui/app/GermanTranslations.h"
#include "gui/platform/CQtMessageBoxService.h"
#include "support/TempFolder.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {

// One line per entry: text, id and shortcut; "-" for a separator.
QStringList Describe(const QMenu& menu) {
    QStringList lines;
    for (const QAction* a : menu.actions()) {
        if (a->isSeparator())
            lines << QStringLiteral("-");
        else
            lines << QStringLiteral("%1|%2|%3")
                         .arg(a->text())
                         .arg(a->data().toInt())
                         .arg(a->shortcut().toString(QKeySequence::PortableText));
    }
    return lines;
}

QStringList MenuTitles(const CMainFrame& frame) {
    QStringList titles;
    for (const QAction* a : frame.menuBar()->actions())
        titles << a->text();
    return titles;
}

} // namespace

TEST(MainFrame, MenuBarHasTheSixMenusInOrder) {
    CMainFrame frame;
    EXPECT_EQ(MenuTitles(frame), (QStringList{"&Datei", "&Bearbeiten", "&Hörtest",
                                              "&Tinnitus-Synthesizer", "&Ansicht", "&?"}));
}

TEST(MainFrame, EveryMenuEntryWithIdAndAccelerator) {
    CMainFrame frame;
    EXPECT_EQ(Describe(*frame.Menu("&Datei")),
              (QStringList{"&Neu\tStrg+N|57600|Ctrl+N", "Ö&ffnen...\tStrg+O|57601|Ctrl+O",
                           "S&peichern\tStrg+S|57603|Ctrl+S", "Speichern &unter...|57604|", "-",
                           "E&ichen...|32775|", "-", "&Drucken...\tStrg+P|57607|Ctrl+P",
                           "Sei&tenansicht|57609|", "Drucker&einrichtung...|57606|", "-",
                           "Letzte Datei|57616|", "-", "&Beenden|57665|"}));
    EXPECT_EQ(Describe(*frame.Menu("&Bearbeiten")),
              (QStringList{"Ko&mmentar...|32772|", "-", "&Vergleichsdatei öffnen...|32776|",
                           "Vergleichsdatei &schließen|32777|", "-",
                           "Hörtest-&Daten bearbeiten...|32787|"}));
    EXPECT_EQ(Describe(*frame.Menu("&Hörtest")),
              (QStringList{"&Kopfhörer prüfen...|32795|", "&Hörtest starten...|32771|",
                           "Hörtest-&Daten bearbeiten...|32787|", "Hörtest-&Verlauf...|32790|"}));
    EXPECT_EQ(
        Describe(*frame.Menu("&Tinnitus-Synthesizer")),
        (QStringList{"Tinnitus-Töne &hören|32781|", "&Neuen Tinnitus-Ton erzeugen|32782|",
                     "Neues &Rauschband erzeugen|32796|", "Tinnitus-Ton &löschen\tEntf|32783|Del",
                     "Tinnitus-Ton &Eigenschaften...|32785|"}));
    EXPECT_EQ(Describe(*frame.Menu("&Ansicht")),
              (QStringList{"&Symbolleiste|59392|", "S&tatusleiste|59393|", "-", "&Hörtest|32779|",
                           "T&innitus|32780|", "-", "Links und Rechts &zusammen|32778|",
                           "&Logarithmische Darstellung|32786|", "-",
                           "\"Normalkurve\" anzeigen|32788|"}));
    EXPECT_EQ(Describe(*frame.Menu("&?")),
              (QStringList{"&Kurzanleitung...|32773|", "&Bedienung|32774|", "-",
                           "Inf&o über AUVO...|57664|"}));
}

TEST(MainFrame, BothDataEntriesAreOneCommand) {
    CMainFrame frame;
    const QList<QAction*> edit = frame.Menu("&Bearbeiten")->actions();
    const QList<QAction*> test = frame.Menu("&Hörtest")->actions();
    EXPECT_EQ(edit.last(), test[2]);
    EXPECT_EQ(edit.last(), frame.Action(ID_HOERTEST_DATEN));
}

TEST(MainFrame, ToolBarButtonsInOrderWithTooltips) {
    CMainFrame frame;
    QStringList ids;
    for (const QAction* a : frame.ToolBar()->actions())
        ids << (a->isSeparator() ? QStringLiteral("-") : QString::number(a->data().toInt()));
    EXPECT_EQ(ids, (QStringList{"57600", "57601", "57603", "57607", "-", "32771", "32781", "32782",
                                "32772", "-", "32773"}));
    for (const QAction* a : frame.ToolBar()->actions())
        EXPECT_TRUE(a->isSeparator() || !a->icon().isNull()) << a->data().toInt();
    EXPECT_EQ(frame.ToolBar()->iconSize(), QSize(16, 15));
    EXPECT_EQ(frame.ToolBar()->windowTitle(), "AUVO - Symbolleiste");

    EXPECT_EQ(frame.Action(ID_HOERTEST_STARTEN)->toolTip(), "Hörtest");
    EXPECT_EQ(frame.Action(ID_KURZANLEITUNG)->toolTip(), "Kurzanleitung");
    EXPECT_EQ(frame.Action(ID_FILE_NEW)->toolTip(), "Neu");
    // Without a line feed the prompt doubles as tooltip.
    EXPECT_EQ(frame.Action(ID_VERGLEICHSDATEI_OEFFNEN)->toolTip(),
              "Öffnet eine Messung zum Vergleich mit der aktuellen Messung");
}

TEST(MainFrame, StatusBarShowsIdlePromptIndicatorsAndCommandPrompts) {
    CMainFrame frame;
    frame.show();
    EXPECT_EQ(frame.MessagePane()->text(), "Bereit");
    auto indicators = [&frame] {
        QStringList texts;
        for (const QLabel* l : frame.Indicators())
            texts << l->text();
        return texts;
    };
    // No X display here: the locks cannot be read, so none claims to be on.
    EXPECT_EQ(indicators(), (QStringList{"", "", ""}));
    struct Locks : ILockKeys {
        LockKeyState Read() const override { return state; }
        LockKeyState state;
    } locks;
    locks.state.caps = locks.state.scroll = true;
    frame.SetLockKeys(&locks);
    EXPECT_EQ(indicators(), (QStringList{"UF", "", "RF"}));
    locks.state = {false, true, false};
    frame.UpdateIndicators();
    EXPECT_EQ(indicators(), (QStringList{"", "NUM", ""}));
    frame.SetLockKeys(nullptr);

    EXPECT_EQ(frame.Action(ID_HOERTEST_STARTEN)->statusTip(), "Führt einen neuen Hörtest durch.");
    EXPECT_EQ(frame.Action(ID_EICHEN)->statusTip(),
              "Legt den \"normal Null\" Wert dieses PCs fest.");
    EXPECT_EQ(frame.Action(ID_NORMALKURVE)->statusTip(), "Blendet eine \"Normalkurve\" ein");

    // Hovering an entry shows its prompt over the message pane; leaving it brings "Bereit" back.
    frame.Action(ID_HOERTEST_STARTEN)->showStatusText(frame.menuBar());
    EXPECT_EQ(frame.statusBar()->currentMessage(), "Führt einen neuen Hörtest durch.");
    QStatusTipEvent leave{QString()};
    QApplication::sendEvent(&frame, &leave);
    EXPECT_TRUE(frame.statusBar()->currentMessage().isEmpty());
    EXPECT_TRUE(frame.MessagePane()->isVisible());
}

TEST(MainFrame, OnlyTheFrameCommandsWorkUntilOthersRegister) {
    CMainFrame frame;
    frame.Commands().UpdateAll();
    const QList<int> working{ID_APP_EXIT, ID_APP_ABOUT, ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR};
    for (int id : frame.Commands().Ids())
        EXPECT_EQ(frame.Action(id)->isEnabled(), working.contains(id)) << id;

    QObject view;
    int started = 0;
    frame.Commands().OnCommand(ID_HOERTEST_STARTEN, &view, [&] { ++started; });
    EXPECT_TRUE(frame.Action(ID_HOERTEST_STARTEN)->isEnabled());
    frame.Action(ID_HOERTEST_STARTEN)->trigger();
    EXPECT_EQ(started, 1);
}

TEST(MainFrame, ViewMenuTogglesToolBarAndStatusBarWithCheckMarks) {
    CMainFrame frame;
    frame.show();
    frame.Commands().UpdateAll();
    EXPECT_TRUE(frame.Action(ID_VIEW_TOOLBAR)->isChecked());
    EXPECT_TRUE(frame.Action(ID_VIEW_STATUS_BAR)->isChecked());

    frame.Action(ID_VIEW_TOOLBAR)->trigger();
    frame.Commands().UpdateAll();
    EXPECT_FALSE(frame.ToolBar()->isVisible());
    EXPECT_FALSE(frame.Action(ID_VIEW_TOOLBAR)->isChecked());

    frame.Action(ID_VIEW_STATUS_BAR)->trigger();
    frame.Commands().UpdateAll();
    EXPECT_FALSE(frame.statusBar()->isVisible());
    EXPECT_FALSE(frame.Action(ID_VIEW_STATUS_BAR)->isChecked());

    frame.Action(ID_VIEW_TOOLBAR)->trigger();
    frame.Commands().UpdateAll();
    EXPECT_TRUE(frame.ToolBar()->isVisible());
    EXPECT_TRUE(frame.Action(ID_VIEW_TOOLBAR)->isChecked());
}

TEST(MainFrame, ManualIsGreyedUntilItExistsAndOpensInTheBrowser) {
    const TempFolder temp;
    const QDir folder(QString::fromStdString(temp.Path()));
    CAUVOApp app;
    app.SetProgramFolder(folder.path().toStdString());
    CMainFrame frame;
    frame.Commands().UpdateAll();
    EXPECT_FALSE(frame.Action(ID_BEDIENUNG)->isEnabled());

    const QString manual = folder.filePath(QStringLiteral("doc/index.htm"));
    QDir(folder.path()).mkdir(QStringLiteral("doc"));
    QFile file(manual);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    frame.Commands().UpdateAll();
    EXPECT_TRUE(frame.Action(ID_BEDIENUNG)->isEnabled());

    UrlRecorder browser;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &browser, "Open");
    frame.Action(ID_BEDIENUNG)->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    EXPECT_EQ(browser.urls, QList<QUrl>{QUrl::fromLocalFile(manual)});
}

TEST(MainFrame, ExitClosesUnlessTheCloseQueryRefuses) {
    CMainFrame frame;
    frame.show();
    bool allow = false;
    int asked = 0;
    frame.SetCloseQuery([&] {
        ++asked;
        return allow;
    });
    frame.Action(ID_APP_EXIT)->trigger();
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(frame.isVisible());
    allow = true;
    frame.Action(ID_APP_EXIT)->trigger();
    EXPECT_FALSE(frame.isVisible());
}

TEST(MainFrame, TitleNamesDocumentAndProgram) {
    CMainFrame frame;
    EXPECT_EQ(frame.windowTitle(), "Unbenannt - AUVO");
    frame.SetDocumentTitle("Messung.auvo");
    EXPECT_EQ(frame.windowTitle(), "Messung.auvo - AUVO");
}

TEST(AboutBox, ShowsNameVersionAndStamp) {
    CAboutDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), "Info über AUVO");
    EXPECT_EQ(dialog.VersionText()->text(), "AUVO Hörtest-Programm\nVersion 2.10, 00115.04711\n");
    EXPECT_FALSE(dialog.MakerText()->text().isEmpty());
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    EXPECT_EQ(buttons->buttons().size(), 1);
    EXPECT_NE(buttons->button(QDialogButtonBox::Ok), nullptr);
}

// Drawn from the SVG files: something visible at 100 % and 200 %, not an upscaled image.
TEST(Icons, ToolbarImagesAndProgramIconAtBothScales) {
    auto drawn = [](const QIcon& icon, QSize size, qreal scale) {
        const QImage image = icon.pixmap(size, scale).toImage();
        if (image.size() != size * scale)
            return false;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qAlpha(image.pixel(x, y)) != 0)
                    return true;
        return false;
    };
    for (int id : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_PRINT, ID_HOERTEST_STARTEN,
                   ID_TINNITUS_HOEREN, ID_TINNITUS_NEU, ID_KOMMENTAR, ID_KURZANLEITUNG})
        for (qreal scale : {1.0, 2.0})
            EXPECT_TRUE(drawn(CToolbarIcons::ForCommand(id), QSize(16, 15), scale)) << id;
    EXPECT_TRUE(CToolbarIcons::ForCommand(ID_EICHEN).isNull());
    EXPECT_TRUE(drawn(CToolbarIcons::ProgramIcon(), QSize(48, 48), 2.0));

    CMainFrame frame;
    EXPECT_FALSE(frame.windowIcon().isNull());
    CAboutDialog about;
    auto* icon = about.findChild<QLabel*>(QStringLiteral("programIcon"));
    ASSERT_NE(icon, nullptr);
    EXPECT_FALSE(icon->pixmap().isNull());
}

TEST(AboutBox, AboutCommandOpensItModally) {
    CMainFrame frame;
    frame.show();
    QString seen;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<CAboutDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        seen = dialog->VersionText()->text();
        dialog->accept();
    });
    frame.Action(ID_APP_ABOUT)->trigger();
    EXPECT_TRUE(seen.startsWith("AUVO Hörtest-Programm"));
}

TEST(Framework, CreatesUntitledMainWindowAndHandsItToTheMessageBoxes) {
    CQtMessageBoxService boxes;
    CQtAppFramework framework({});
    framework.SetMessageBoxService(&boxes);
    int created = 0;
    framework.SetFrameCreatedHandler([&](CMainFrame&) { ++created; });
    EXPECT_EQ(framework.MainWindowHandle(), nullptr);
    ASSERT_TRUE(framework.ProcessCommandLine());
    ASSERT_NE(framework.MainFrame(), nullptr);
    EXPECT_EQ(created, 1);
    EXPECT_EQ(framework.MainWindowHandle(), framework.MainFrame());
    EXPECT_EQ(framework.MainFrame()->windowTitle(), "Unbenannt - AUVO");
    framework.ShowMainWindow();
    EXPECT_TRUE(framework.MainFrame()->isVisible());
    if (!QApplication::activeWindow()) {
        EXPECT_EQ(boxes.Owner(), framework.MainFrame());
    }
    framework.DestroyMainWindow();
    EXPECT_EQ(boxes.Owner(), QApplication::activeWindow());
}

TEST(Framework, DocumentHandlerGetsTheArgumentsAndMayEndTheStart) {
    CQtAppFramework framework({"/tmp/missing.auvo"});
    QStringList seen;
    framework.SetDocumentHandler([&](CMainFrame&, const QStringList& args) {
        seen = args;
        return false;
    });
    EXPECT_FALSE(framework.ProcessCommandLine());
    EXPECT_EQ(seen, QStringList{"/tmp/missing.auvo"});
}

TEST(Translations, StandardButtonsSpeakGerman) {
    ASSERT_TRUE(InstallGermanTranslations(*QCoreApplication::instance()));
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text(), "Abbrechen");
}
