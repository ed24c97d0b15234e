#include "core/app/CommandIds.h"
#include "gui/app/CMainFrame.h"
#include "gui/hearing/CKurzanleitungDialog.h"
#include "gui/hearing/CKurzanleitungHost.h"

#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>
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

} // namespace
