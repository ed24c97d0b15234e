#include "ViewGuiTestSupport.h"

#include "core/app/CommandIds.h"
#include "core/sound/CSinusTone.h"
#include "gui/app/CMainFrame.h"
#include "gui/hearing/CKommentarDialog.h"
#include "gui/view/CAUVOViewWidget.h"
#include "gui/view/CPagePrinter.h"
#include "gui/view/CViewCommandHandlers.h"

#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace viewgui;

// The entry of a command in a menu of the main window, as the user would choose it.
QAction* MenuEntry(CMainFrame& frame, const char* menu, int id) {
    QMenu* m = frame.Menu(QString::fromUtf8(menu));
    if (m == nullptr)
        return nullptr;
    for (QAction* a : m->actions())
        if (a == frame.Action(id))
            return a;
    return nullptr;
}

// Runs work on the next modal window that opens, then makes sure it is closed.
void OnNextModal(std::function<void(QWidget&)> work) {
    QTimer::singleShot(0, [work = std::move(work)] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        work(*modal);
        if (modal->isVisible())
            modal->close();
    });
}

class ViewCommandsTest : public testing::Test {
protected:
    ViewCommandsTest() : data(folder) {
        data.Fill();
        view = CAUVOViewWidget::Install(frame, frame.Commands(), &data.app);
        view->AttachDocument(&data.doc);
        frame.resize(1000, 800);
        frame.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&frame));
    }
    ~ViewCommandsTest() override { view->AttachDocument(nullptr); }

    // Chooses the entry, then refreshes the command states as the menu would.
    void Choose(const char* menu, int id) {
        QAction* entry = MenuEntry(frame, menu, id);
        ASSERT_NE(entry, nullptr) << id;
        frame.Commands().UpdateAll();
        ASSERT_TRUE(entry->isEnabled()) << id;
        entry->trigger();
        frame.Commands().UpdateAll();
    }
    QAction& State(int id) {
        frame.Commands().UpdateAll();
        return *frame.Action(id);
    }

    TempFolder folder;
    AppWithDocument data;
    CMainFrame frame;
    CAUVOViewWidget* view = nullptr;
};

TEST_F(ViewCommandsTest, DisplayTogglesFlipTheirFlagAndCheckMark) {
    struct Toggle {
        const char* menu;
        int id;
        bool CAUVOView::*flag;
    };
    const Toggle toggles[] = {{"&Ansicht", ID_ZUSAMMEN, &CAUVOView::m_bZusammen},
                              {"&Ansicht", ID_VIEW_HOERTEST, &CAUVOView::m_bShowHTD},
                              {"&Ansicht", ID_VIEW_TINNITUS, &CAUVOView::m_bShowTTD},
                              {"&Ansicht", ID_LOGDARST, &CAUVOView::m_bLogDarst},
                              {"&Ansicht", ID_NORMALKURVE, &CAUVOView::m_bNormalkurve}};
    for (const Toggle& t : toggles) {
        const bool before = view->View().*t.flag;
        EXPECT_EQ(State(t.id).isChecked(), before) << t.id;
        Choose(t.menu, t.id);
        EXPECT_EQ(view->View().*t.flag, !before) << t.id;
        EXPECT_EQ(State(t.id).isChecked(), !before) << t.id;
        Choose(t.menu, t.id);
        EXPECT_EQ(view->View().*t.flag, before) << t.id;
        EXPECT_EQ(State(t.id).isChecked(), before) << t.id;
    }
}

TEST_F(ViewCommandsTest, PlayingTonesNeedsTheTinnitusRowAndATone) {
    view->View().m_bShowTTD = false;
    EXPECT_FALSE(State(ID_TINNITUS_HOEREN).isEnabled());

    Choose("&Ansicht", ID_VIEW_TINNITUS);
    ASSERT_TRUE(State(ID_TINNITUS_HOEREN).isEnabled());
    EXPECT_FALSE(State(ID_TINNITUS_HOEREN).isChecked());

    Choose("&Tinnitus-Synthesizer", ID_TINNITUS_HOEREN);
    EXPECT_EQ(data.doc.m_TinnitusDaten.m_nPlayMode, CTinnitusDaten::playBoth);
    EXPECT_TRUE(State(ID_TINNITUS_HOEREN).isChecked());

    Choose("&Tinnitus-Synthesizer", ID_TINNITUS_HOEREN);
    EXPECT_EQ(data.doc.m_TinnitusDaten.m_nPlayMode, CTinnitusDaten::playNone);
    EXPECT_FALSE(State(ID_TINNITUS_HOEREN).isChecked());

    data.doc.m_TinnitusDaten.RemoveAll();
    EXPECT_FALSE(State(ID_TINNITUS_HOEREN).isEnabled());
}

TEST_F(ViewCommandsTest, CommentDialogHandsTheEditedTextToTheDocument) {
    data.doc.SetComment("alt");
    data.doc.SetModifiedFlag(false);
    OnNextModal([](QWidget& modal) {
        auto* dlg = qobject_cast<CKommentarDialog*>(&modal);
        ASSERT_NE(dlg, nullptr);
        EXPECT_EQ(dlg->Edit()->toPlainText(), QStringLiteral("alt"));
        dlg->Edit()->setPlainText(QStringLiteral("Erste Zeile\nZweite Zeile"));
        dlg->accept();
    });
    Choose("&Bearbeiten", ID_KOMMENTAR);
    EXPECT_EQ(data.doc.m_strKommentar, "Erste Zeile\r\nZweite Zeile");
    EXPECT_TRUE(data.doc.IsModified());

    data.doc.SetModifiedFlag(false);
    OnNextModal([](QWidget& modal) {
        auto* dlg = qobject_cast<CKommentarDialog*>(&modal);
        ASSERT_NE(dlg, nullptr);
        dlg->Edit()->setPlainText(QStringLiteral("verworfen"));
        dlg->reject();
    });
    Choose("&Bearbeiten", ID_KOMMENTAR);
    EXPECT_EQ(data.doc.m_strKommentar, "Erste Zeile\r\nZweite Zeile");
    EXPECT_FALSE(data.doc.IsModified());
}

TEST_F(ViewCommandsTest, DirectPrintingDrawsOnePageOnTheCurrentPrinter) {
    CPagePrinter& printer = view->Commands()->Printer();
    const QString pdf = QString::fromStdString(folder.Path() + "/druck.pdf");
    printer.Printer().setOutputFormat(QPrinter::PdfFormat);
    printer.Printer().setOutputFileName(pdf);
    view->View().m_bShowTTD = true;
    view->repaint();
    const CRect onScreen = view->View().m_rectRechts;
    ASSERT_FALSE(onScreen.IsRectEmpty());

    ASSERT_NE(frame.Action(ID_FILE_PRINT_DIRECT), nullptr);
    ASSERT_TRUE(frame.Commands().Execute(ID_FILE_PRINT_DIRECT));
    EXPECT_EQ(printer.PagesDrawn(), 1);
    // The mouse tools find the diagrams where the screen shows them again.
    EXPECT_EQ(view->View().m_rectRechts, onScreen);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5).startsWith("%PDF-"));
}

TEST_F(ViewCommandsTest, PreviewDrawsThePageAndPrintDialogCanBeCancelled) {
    CPagePrinter& printer = view->Commands()->Printer();
    OnNextModal([](QWidget&) {});
    Choose("&Datei", ID_FILE_PRINT_PREVIEW);
    EXPECT_GE(printer.PagesDrawn(), 1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    const int drawn = printer.PagesDrawn();
    OnNextModal([](QWidget& modal) { qobject_cast<QDialog*>(&modal)->reject(); });
    Choose("&Datei", ID_FILE_PRINT);
    EXPECT_EQ(printer.PagesDrawn(), drawn);
    EXPECT_EQ(frame.Action(ID_FILE_PRINT)->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
}

} // namespace
