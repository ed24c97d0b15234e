#include "ToneDialogFixture.h"

#include "core/app/CommandIds.h"
#include "gui/app/CMainFrame.h"
#include "gui/hearing/CKurzanleitungDialog.h"
#include "gui/hearing/CKurzanleitungHost.h"

#include <QApplication>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QAction* GuideEntry(CMainFrame& frame) {
    for (QAction* a : frame.Menu(QStringLiteral("&?"))->actions())
        if (a == frame.Action(ID_KURZANLEITUNG))
            return a;
    return nullptr;
}

TEST(KurzanleitungHostTest, OpensWithTheMainWindowOnlyWhenNeverCalibrated) {
    CMainFrame uncalibrated;
    CKurzanleitungHost* host =
        CKurzanleitungHost::Install(uncalibrated, uncalibrated.Commands(), -10000);
    ASSERT_NE(host->Window(), nullptr);
    EXPECT_TRUE(host->Window()->isVisible());
    EXPECT_EQ(host->Window()->Text().toStdString(), CKurzanleitungDialog::GeneralText());

    CMainFrame calibrated;
    host = CKurzanleitungHost::Install(calibrated, calibrated.Commands(), -9999);
    EXPECT_EQ(host->Window(), nullptr);
}

TEST(KurzanleitungHostTest, MenuCommandShowsTheSameWindowAgainAfterItWasClosed) {
    CMainFrame frame;
    CKurzanleitungHost* host = CKurzanleitungHost::Install(frame, frame.Commands(), -4000);
    QAction* entry = GuideEntry(frame);
    ASSERT_NE(entry, nullptr);
    frame.Commands().UpdateAll();
    ASSERT_TRUE(entry->isEnabled());

    entry->trigger();
    CKurzanleitungDialog* first = host->Window();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    const QString text = first->Text();
    EXPECT_EQ(text.toStdString(), CKurzanleitungDialog::GeneralText());

    QTest::mouseClick(first->findChild<QPushButton*>(QStringLiteral("1")), Qt::LeftButton);
    EXPECT_FALSE(first->isVisible());
    entry->trigger();
    EXPECT_EQ(host->Window(), first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->Text(), text);
}

TEST(KurzanleitungHostTest, DialogsOfTheMainWindowFindItAndItGoesWithTheWindow) {
    QPointer<CKurzanleitungDialog> window;
    {
        CMainFrame frame;
        CKurzanleitungHost* host = CKurzanleitungHost::Install(frame, frame.Commands(), 0);
        QWidget child(&frame);
        EXPECT_EQ(CKurzanleitungHost::Of(&child), host);
        CKurzanleitungHost::Of(&child)->ShowKurzanleitung("Hilfe zum Hörtest");
        window = host->Window();
        ASSERT_FALSE(window.isNull());
        EXPECT_EQ(window->Text(), QStringLiteral("Hilfe zum Hörtest"));
    }
    EXPECT_TRUE(window.isNull());
    QWidget stray;
    EXPECT_EQ(CKurzanleitungHost::Of(&stray), nullptr);
}

using KurzanleitungQuitTest = ToneDialogFixture;

// Whether the event loop was asked to end.
struct QuitWatch : QObject {
    QuitWatch() { qApp->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        seen = seen || event->type() == QEvent::Quit;
        return false;
    }
    bool seen = false;
};

// The guide of an uncalibrated start has no parent window; it must not keep the program
// alive, sounding, once the main window is gone.
TEST_F(KurzanleitungQuitTest, BeendenAndClosingTheMainWindowEndTheProgramWithTheGuideOpen) {
    for (const bool byMenu : {true, false}) {
        auto frame = std::make_unique<CMainFrame>();
        auto measurement = std::make_unique<CAUVODoc>();
        measurement->OnNewDocument();
        measurement->CreateTTValue(0, 3000.0, 0);
        measurement->m_TinnitusDaten.PlayAll(CTinnitusDaten::playBoth);
        QPointer<CKurzanleitungDialog> guide =
            CKurzanleitungHost::Install(*frame, frame->Commands(), CAUVOApp::kNotCalibrated)
                ->Window();
        ASSERT_TRUE(guide && guide->isVisible());
        int asked = 0;
        frame->SetCloseQuery([&asked] { return ++asked > 0; });
        frame->show();

        QuitWatch quit;
        QTimer::singleShot(0, frame.get(), [&] {
            if (byMenu)
                frame->Action(ID_APP_EXIT)->trigger();
            else
                frame->close();
            if (!quit.seen)
                QApplication::exit(1); // the loop would go on: never wait for a person
        });
        EXPECT_EQ(QApplication::exec(), 0) << byMenu;
        EXPECT_EQ(asked, 1);
        // Then main takes the window with its guide, and the document with its tones.
        frame.reset();
        EXPECT_TRUE(guide.isNull());
        measurement.reset();
        soundtest::Render(device->GetMixer(), 2 * 882);
        EXPECT_EQ(soundtest::Peak(soundtest::Render(device->GetMixer(), 2000)), 0.0);
    }
}

} // namespace
