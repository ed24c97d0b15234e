#include "ViewGuiTestSupport.h"
#include "support/RecordingMessageBoxes.h"

#include "core/app/CommandIds.h"
#include "core/sound/CSinusTone.h"
#include "core/tinnitus/CTool.h"
#include "gui/app/CMainFrame.h"
#include "gui/tinnitus/CTonEigenschaftenDialog.h"
#include "gui/view/CAUVOViewWidget.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using namespace viewgui;

// Real mouse events on the view in the main window, tinnitus diagrams only.
class MouseToolsTest : public testing::Test {
protected:
    struct Hit {
        bool in = false;
        int side = -1;
        double hz = 0.0;
        int mB = 0;
    };

    MouseToolsTest() : data(folder) {
        data.Fill();
        data.app.SetMessageBoxService(&boxes);
        view = CAUVOViewWidget::Install(frame, frame.Commands(), &data.app);
        view->AttachDocument(&data.doc);
        view->View().m_bShowTTD = true;
        frame.resize(1000, 800);
        frame.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&frame));
        view->repaint();
        right = data.doc.m_TinnitusDaten.GetTone(0, 1); // 2 kHz, +20 dB
        left = data.doc.m_TinnitusDaten.GetTone(0, 0);  // 4 kHz, +30 dB
    }
    ~MouseToolsTest() override {
        view->AttachDocument(nullptr);
        data.app.SetMessageBoxService(nullptr);
    }

    Hit At(QPoint p) {
        Hit h;
        h.in = view->View().ClientToTT(CPoint(p.x(), p.y()), h.side, h.hz, h.mB);
        return h;
    }
    // The pixel of a side's diagram that comes closest to a frequency and a level.
    QPoint Near(int side, double hz, int mB) {
        CRect r = side == 0 ? view->View().m_rectLinks : view->View().m_rectRechts;
        auto dc = view->CreateClientDC();
        dc->SetMapMode(MM_LOMETRIC);
        dc->LPtoDP(&r);
        r.NormalizeRect();
        QPoint best((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        double bestDiff = 1e300;
        for (int x = r.left; x <= r.right; ++x) {
            const Hit h = At(QPoint(x, best.y()));
            if (h.in && h.side == side && std::fabs(h.hz - hz) < bestDiff) {
                bestDiff = std::fabs(h.hz - hz);
                best.setX(x);
            }
        }
        bestDiff = 1e300;
        for (int y = r.top; y <= r.bottom; ++y) {
            const Hit h = At(QPoint(best.x(), y));
            if (h.in && h.side == side && std::abs(h.mB - mB) < bestDiff) {
                bestDiff = std::abs(h.mB - mB);
                best.setY(y);
            }
        }
        return best;
    }
    // Moves a tone exactly onto a pixel, so distances can be measured in pixels.
    QPoint Onto(CSinusTone* tone, QPoint p) {
        const Hit h = At(p);
        tone->SetFrequency(h.hz);
        tone->SetVolume(data.doc.ToAbsoluteLevel(h.mB));
        return p;
    }
    // The pixel on the row of p whose frequency lies at least minHz and less than maxHz
    // above that of p.
    QPoint Beside(QPoint p, double minHz, double maxHz) {
        const double hz = At(p).hz;
        for (int dx = 1; dx < 200; ++dx) {
            const Hit h = At(p + QPoint(dx, 0));
            if (h.hz - hz >= minHz && h.hz - hz < maxHz)
                return p + QPoint(dx, 0);
        }
        ADD_FAILURE() << "no pixel " << minHz << " to " << maxHz << " Hz beside";
        return p;
    }
    CSinusTone* Selected(int* side = nullptr) { return view->View().GetSelectedTone(side); }
    Qt::CursorShape Cursor() const { return view->cursor().shape(); }

    // Runs on the next pop-up menu: records its entries and chooses one (-1: none).
    void OnNextPopup(int choose) {
        menuEntries.clear();
        QTimer::singleShot(0, [this, choose] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu == nullptr)
                return;
            for (QAction* a : menu->actions())
                menuEntries.push_back(a->text().toStdString());
            if (choose < 0)
                menu->close();
            else
                QTest::mouseClick(menu, Qt::LeftButton, {},
                                  menu->actionGeometry(menu->actions()[choose]).center());
        });
    }
    void RightClick(QPoint p) {
        QTest::mouseClick(view, Qt::RightButton, {}, p);
        QCoreApplication::processEvents();
    }

    TempFolder folder;
    AppWithDocument data;
    RecordingMessageBoxes boxes;
    CMainFrame frame;
    CAUVOViewWidget* view = nullptr;
    CSinusTone* right = nullptr;
    CSinusTone* left = nullptr;
    std::vector<std::string> menuEntries;
};

TEST_F(MouseToolsTest, ClickSelectsPressOnTheSelectionDragsItWithinItsOwnDiagram) {
    const QPoint onLeft = Onto(left, Near(0, 4000.0, 3000));
    QTest::mouseClick(view, Qt::LeftButton, {}, onLeft);
    int side = -1;
    EXPECT_EQ(Selected(&side), left);
    EXPECT_EQ(side, 0);
    EXPECT_FALSE(view->HasCapture());

    // Less than 100 Hz away still hits the selected tone: the press starts a drag.
    data.doc.SetModifiedFlag(false);
    data.doc.m_TinnitusDaten.PlayAll(CTinnitusDaten::playBoth);
    QTest::mousePress(view, Qt::LeftButton, {}, Beside(onLeft, 50.0, 100.0));
    EXPECT_TRUE(view->HasCapture());
    EXPECT_EQ(Selected(), left);
    const QPoint target = Near(0, 3000.0, 1000);
    QTest::mouseMove(view, target);
    EXPECT_EQ(left->GetFrequency(), At(target).hz);
    EXPECT_EQ(left->GetVolume(), data.doc.ToAbsoluteLevel(At(target).mB));
    EXPECT_TRUE(data.doc.IsModified());
    EXPECT_EQ(Cursor(), Qt::ArrowCursor);

    // Into the right ear's diagram: the tone stays where it was last.
    const double hz = left->GetFrequency();
    QTest::mouseMove(view, Near(1, 5000.0, 5000));
    EXPECT_EQ(left->GetFrequency(), hz);
    EXPECT_EQ(data.doc.m_TinnitusDaten.GetCount(1), 1);
    QTest::mouseRelease(view, Qt::LeftButton, {}, Near(1, 5000.0, 5000));
    EXPECT_FALSE(view->HasCapture());
    EXPECT_EQ(data.doc.m_TinnitusDaten.m_nPlayMode, CTinnitusDaten::playBoth);

    // 100 Hz or more beside every tone: the selection goes.
    const QPoint now = Onto(left, target);
    QTest::mouseClick(view, Qt::LeftButton, {}, Beside(now, 100.0, 150.0));
    EXPECT_EQ(Selected(&side), nullptr);
    EXPECT_EQ(side, CAUVOView::kNoSide);
}

TEST_F(MouseToolsTest, HoverShowsTheCrossHairOnlyCloseToTheSelectedTone) {
    const QPoint onLeft = Onto(left, Near(0, 4000.0, 3000));
    const QPoint onRight = Onto(right, Near(1, 2000.0, 2000));
    QTest::mouseClick(view, Qt::LeftButton, {}, onLeft);
    ASSERT_EQ(Selected(), left);

    QTest::mouseMove(view, onLeft);
    EXPECT_EQ(Cursor(), Qt::CrossCursor);
    QPoint away = Beside(onLeft, 100.0, 199.0);
    while (At(away).mB > data.doc.ToRelativeLevel(left->GetVolume()) - 100)
        away.ry() += 1;
    QTest::mouseMove(view, away);
    EXPECT_EQ(Cursor(), Qt::CrossCursor) << "over 100 Hz and 1 dB away";
    QTest::mouseMove(view, Beside(onLeft, 200.0, 400.0));
    EXPECT_EQ(Cursor(), Qt::ArrowCursor);
    QTest::mouseMove(view, onRight);
    EXPECT_EQ(Cursor(), Qt::ArrowCursor) << "a tone that is not selected";
}

TEST_F(MouseToolsTest, TogetherALeftClickNeitherSelectsNorClears) {
    view->View().m_bZusammen = true;
    view->repaint();
    const QPoint onRight = Near(1, 2000.0, 2000);
    QTest::mouseClick(view, Qt::LeftButton, {}, onRight);
    EXPECT_EQ(Selected(), nullptr);
    view->View().SetSelectedTone(right, 1);
    QTest::mouseClick(view, Qt::LeftButton, {}, Near(1, 7000.0, 2000));
    EXPECT_EQ(Selected(), right);

    // The pop-up menu works together as well.
    OnNextPopup(-1);
    RightClick(onRight);
    EXPECT_EQ(menuEntries.size(), 2u);
}

TEST_F(MouseToolsTest, RightClickSelectsTheToneAndItsMenuDeletesOrEditsIt) {
    view->View().SetSelectedTone(left, 0);
    OnNextPopup(-1);
    RightClick(Near(1, 7000.0, 2000));
    EXPECT_TRUE(menuEntries.empty()) << "no menu beside every tone";
    EXPECT_EQ(Selected(), left);

    // The menu lists its entries once the tone under the pointer is selected.
    const QPoint onRight = Near(1, 2000.0, 2000);
    OnNextPopup(1);
    QTimer::singleShot(0, [this] {
        // The properties dialog opens on the right tone, selected before the menu showed.
        QTimer::singleShot(0, [this] {
            auto* dialog =
                qobject_cast<CTonEigenschaftenDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->FrequencyEdit()->text(), QStringLiteral(" 2000.0"));
            dialog->LevelEdit()->setText(QStringLiteral("25"));
            dialog->accept();
        });
    });
    RightClick(onRight);
    EXPECT_EQ(menuEntries,
              (std::vector<std::string>{"Löschen", "Eigenschaften...", "Neues Rauschband"}));
    EXPECT_EQ(Selected(), right);
    EXPECT_EQ(right->GetVolume(), data.doc.ToAbsoluteLevel(2500));

    OnNextPopup(0);
    RightClick(onRight);
    EXPECT_EQ(data.doc.m_TinnitusDaten.GetCount(1), 0);
    EXPECT_EQ(Selected(), nullptr);
}

TEST_F(MouseToolsTest, NewToneCommandPlacesOneToneWithTheNextClick) {
    frame.Commands().UpdateAll();
    QAction* newTone = frame.Action(ID_TINNITUS_NEU);
    ASSERT_TRUE(newTone->isEnabled());
    EXPECT_FALSE(newTone->isCheckable());
    newTone->trigger();
    EXPECT_EQ(view->CurrentTool(), CTool::kSinusToneTool);
    EXPECT_EQ(data.doc.m_TinnitusDaten.m_nPlayMode, CTinnitusDaten::playBoth);
    QTest::mouseMove(view, QPoint(5, 5));
    EXPECT_EQ(Cursor(), Qt::CrossCursor);

    // Outside the diagrams nothing is placed, and the selection tool is back.
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(view->CurrentTool(), CTool::kSelectTool);
    EXPECT_EQ(data.doc.m_TinnitusDaten.GetCount(0) + data.doc.m_TinnitusDaten.GetCount(1), 2);

    newTone->trigger();
    data.doc.SetModifiedFlag(false);
    const QPoint p = Near(1, 6000.0, 4000);
    QTest::mousePress(view, Qt::LeftButton, {}, p);
    ASSERT_EQ(data.doc.m_TinnitusDaten.GetCount(1), 2);
    CSinusTone* placed = data.doc.m_TinnitusDaten.GetTone(1, 1);
    EXPECT_EQ(Selected(), placed);
    EXPECT_EQ(placed->GetFrequency(), At(p).hz);
    EXPECT_EQ(placed->GetVolume(), data.doc.ToAbsoluteLevel(At(p).mB));
    EXPECT_TRUE(data.doc.IsModified());
    EXPECT_EQ(view->CurrentTool(), CTool::kSelectTool);
    // It stays where it was clicked while the button is still down.
    QTest::mouseMove(view, p + QPoint(20, 0));
    EXPECT_EQ(placed->GetFrequency(), At(p).hz);
    QTest::mouseRelease(view, Qt::LeftButton, {}, p + QPoint(20, 0));
    EXPECT_FALSE(view->HasCapture());

    // Together, or with the diagrams hidden, there is no new tone.
    view->View().m_bZusammen = true;
    frame.Commands().UpdateAll();
    EXPECT_FALSE(newTone->isEnabled());
}

TEST_F(MouseToolsTest, ThePopUpMenuPlacesANoiseBandWithTheNextClick) {
    OnNextPopup(2);
    RightClick(Near(1, 2000.0, 2000));
    EXPECT_EQ(view->CurrentTool(), CTool::kNoiseBandTool);
    EXPECT_EQ(data.doc.m_TinnitusDaten.m_nPlayMode, CTinnitusDaten::playBoth);
    const QPoint p = Near(1, 6000.0, 4000);
    QTest::mouseClick(view, Qt::LeftButton, {}, p);
    ASSERT_EQ(data.doc.m_TinnitusDaten.GetCount(1), 2);
    CSinusTone* band = data.doc.m_TinnitusDaten.GetTone(1, 1);
    EXPECT_EQ(Selected(), band);
    EXPECT_EQ(band->GetFrequency(), At(p).hz);
    EXPECT_EQ(band->GetBandwidth(), CTinnitusDaten::DefaultBandwidth(At(p).hz));
    EXPECT_EQ(view->CurrentTool(), CTool::kSelectTool);

    // The menu's entry does the same, and neither works together.
    QAction* newBand = frame.Action(ID_TINNITUS_RAUSCHBAND_NEU);
    frame.Commands().UpdateAll();
    ASSERT_TRUE(newBand->isEnabled());
    view->View().m_bZusammen = true;
    frame.Commands().UpdateAll();
    EXPECT_FALSE(newBand->isEnabled());
}

TEST_F(MouseToolsTest, ABandClickedAtTheAxisWhereNobodyHearsItIsRefusedWithAMessage) {
    frame.Commands().Execute(ID_TINNITUS_RAUSCHBAND_NEU);
    const QPoint p = Near(1, 0.0, 2000);
    ASSERT_LT(At(p).hz + CTinnitusDaten::DefaultBandwidth(At(p).hz) / 2, 20.0);
    data.doc.SetModifiedFlag(false);
    QTest::mouseClick(view, Qt::LeftButton, {}, p);
    EXPECT_EQ(data.doc.m_TinnitusDaten.GetCount(1), 1);
    EXPECT_FALSE(data.doc.IsModified());
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_EQ(boxes.Texts()[0].rfind("Dieses Rauschband läge ganz außerhalb", 0), 0u);
    EXPECT_EQ(view->CurrentTool(), CTool::kSelectTool);
}

TEST_F(MouseToolsTest, AFullListRefusesTheToneWithAMessage) {
    while (data.doc.m_TinnitusDaten.GetCount(0) + data.doc.m_TinnitusDaten.GetCount(1) <
           CTinnitusDaten::kMaxTones)
        data.AddTone(0, 1000.0, 0);
    frame.Commands().Execute(ID_TINNITUS_NEU);
    data.doc.SetModifiedFlag(false);
    QTest::mouseClick(view, Qt::LeftButton, {}, Near(1, 6000.0, 4000));
    EXPECT_EQ(data.doc.m_TinnitusDaten.GetCount(1), 1);
    EXPECT_FALSE(data.doc.IsModified());
    EXPECT_EQ(boxes.Texts(),
              std::vector<std::string>{
                  "(1007) Es können nicht mehr als 1000 Tinnitus-Töne gesetzt werden!"});
    EXPECT_EQ(view->CurrentTool(), CTool::kSelectTool);
}

TEST_F(MouseToolsTest, ARefusedSoundBufferIsReportedAndTheNewToneToolStays) {
    frame.Commands().Execute(ID_TINNITUS_NEU);
    data.faults->refuseSecondaries = 1;
    QTest::mouseClick(view, Qt::LeftButton, {}, Near(1, 6000.0, 4000));
    data.faults->refuseSecondaries = 0;
    EXPECT_EQ(data.doc.m_TinnitusDaten.GetCount(1), 1);
    EXPECT_EQ(boxes.Texts(),
              std::vector<std::string>{"(1008) Die Soundkarte konnte keinen Puffer für den Ton "
                                       "bereitstellen!"});
    EXPECT_EQ(view->CurrentTool(), CTool::kSinusToneTool);
    EXPECT_FALSE(view->HasCapture());
}

TEST_F(MouseToolsTest, DeleteKeyRemovesTheSelectedToneAndTheLastOneStopsThePlaying) {
    frame.Commands().UpdateAll();
    EXPECT_FALSE(frame.Action(ID_TINNITUS_LOESCHEN)->isEnabled());
    EXPECT_FALSE(frame.Action(ID_TINNITUS_EIGENSCHAFTEN)->isEnabled());
    data.doc.m_TinnitusDaten.PlayAll(CTinnitusDaten::playBoth);
    for (CSinusTone* tone : {right, left}) {
        QTest::mouseClick(view, Qt::LeftButton, {},
                          tone == right ? Near(1, 2000.0, 2000) : Near(0, 4000.0, 3000));
        ASSERT_EQ(Selected(), tone);
        frame.Commands().UpdateAll();
        EXPECT_TRUE(frame.Action(ID_TINNITUS_EIGENSCHAFTEN)->isEnabled());
        QTest::keyClick(&frame, Qt::Key_Delete);
        EXPECT_EQ(Selected(), nullptr);
    }
    EXPECT_EQ(data.doc.m_TinnitusDaten.GetCount(0) + data.doc.m_TinnitusDaten.GetCount(1), 0);
    EXPECT_EQ(data.doc.m_TinnitusDaten.m_nPlayMode, CTinnitusDaten::playNone);
}

TEST_F(MouseToolsTest, ADragMovesTheToneByHowFarTheMouseMovedNotToThePointer) {
    const QPoint onLeft = Onto(left, Near(0, 4000.0, 3000));
    QTest::mouseClick(view, Qt::LeftButton, {}, onLeft);
    ASSERT_EQ(Selected(), left);
    // Pressed 20 dB below the tone, in its column: a drag starts, and the tone stays put.
    QPoint below = onLeft;
    while (At(below).mB > 1000)
        below.ry() += 1;
    QTest::mousePress(view, Qt::LeftButton, {}, below);
    QTest::mouseMove(view, below + QPoint(1, 0));
    EXPECT_EQ(data.doc.ToRelativeLevel(left->GetVolume()), 3000);
    QPoint higher = below;
    while (At(higher).mB < 1500)
        higher.ry() -= 1;
    QTest::mouseMove(view, higher);
    EXPECT_EQ(data.doc.ToRelativeLevel(left->GetVolume()), 3000 + At(higher).mB - At(below).mB);
    QTest::mouseRelease(view, Qt::LeftButton, {}, higher);
}

TEST_F(MouseToolsTest, ARefusedBufferWhileDraggingKeepsTheToneWhereAndAsItWas) {
    const QPoint onLeft = Onto(left, Near(0, 4000.0, 3000));
    QTest::mouseClick(view, Qt::LeftButton, {}, onLeft);
    data.doc.m_TinnitusDaten.PlayAll(CTinnitusDaten::playBoth);
    const LONG volume = left->GetVolume();
    const double hz = left->GetFrequency();
    QTest::mousePress(view, Qt::LeftButton, {}, onLeft);
    data.faults->refuseSecondaries = 1;
    QTest::mouseMove(view, Near(0, 3000.0, 1000));
    data.faults->refuseSecondaries = 0;
    QTest::mouseRelease(view, Qt::LeftButton, {}, Near(0, 3000.0, 1000));
    EXPECT_EQ(left->GetFrequency(), hz);
    EXPECT_EQ(left->GetVolume(), volume);
    EXPECT_TRUE(left->HasBuffer());
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_EQ(boxes.Texts()[0].rfind("(1008) ", 0), 0u);
}

TEST_F(MouseToolsTest, HiddenDiagramsTakeNoMouseAndPlayingTonesStayStoppable) {
    const QPoint onLeft = Onto(left, Near(0, 4000.0, 3000));
    QTest::mouseClick(view, Qt::LeftButton, {}, onLeft);
    ASSERT_EQ(Selected(), left);
    data.doc.m_TinnitusDaten.PlayAll(CTinnitusDaten::playBoth);
    frame.Commands().Execute(ID_VIEW_TINNITUS);
    view->repaint();
    // A press where the diagram was neither drags nor selects an invisible tone.
    QTest::mousePress(view, Qt::LeftButton, {}, onLeft);
    QTest::mouseMove(view, onLeft + QPoint(0, 30));
    QTest::mouseRelease(view, Qt::LeftButton, {}, onLeft + QPoint(0, 30));
    EXPECT_EQ(data.doc.ToRelativeLevel(left->GetVolume()), 3000);
    RightClick(onLeft);
    EXPECT_EQ(Selected(), left);
    frame.Commands().UpdateAll();
    EXPECT_TRUE(frame.Action(ID_TINNITUS_HOEREN)->isEnabled());
    // Escape silences them as well, from anywhere in the main window.
    QTest::keyClick(&frame, Qt::Key_Escape);
    EXPECT_EQ(data.doc.m_TinnitusDaten.m_nPlayMode, CTinnitusDaten::playNone);
    frame.Commands().UpdateAll();
    EXPECT_FALSE(frame.Action(ID_TINNITUS_HOEREN)->isEnabled());
}

TEST_F(MouseToolsTest, ATonePlayingAboveTheCeilingIsNamedOncePerDocument) {
    data.app.m_lMaxPegel = 2500; // the left tone at +30 dB lies above it
    frame.Commands().UpdateAll();
    EXPECT_TRUE(frame.statusBar()->currentMessage().isEmpty()) << "nothing plays yet";
    frame.Commands().Execute(ID_TINNITUS_HOEREN);
    frame.Commands().UpdateAll();
    EXPECT_EQ(frame.statusBar()->currentMessage().toStdString().rfind(
                  "Tinnitus-Klänge lauter, als der Höchstpegel", 0),
              0u);
    frame.statusBar()->clearMessage();
    frame.Commands().UpdateAll();
    EXPECT_TRUE(frame.statusBar()->currentMessage().isEmpty());
    // Stored and shown as set: only the sound is held.
    EXPECT_EQ(data.doc.ToRelativeLevel(left->GetVolume()), 3000);
}

} // namespace
