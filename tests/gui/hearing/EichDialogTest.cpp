// The calibration dialog driven through its real controls, its timer called directly.

#include "ToneDialogFixture.h"

#include "core/hearingtest/CEichRun.h"
#include "gui/app/CMainFrame.h"
#include "gui/hearing/CEichDialog.h"
#include "gui/hearing/CKurzanleitungDialog.h"
#include "gui/hearing/CKurzanleitungHost.h"

#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace {

class EichDialogTest : public ToneDialogFixture {
protected:
    // Ticks until the ramp has reached level (two ticks per audible step).
    static void RampTo(CEichDialog& dlg, int level) {
        while (dlg.Run().Level() < level)
            dlg.OnTimer(1);
    }
};

TEST_F(EichDialogTest, LowerOfTheTwoLevelsIsProposedAndStoredOnOK) {
    CEichDialog dlg(nullptr, app);
    dlg.show();
    EXPECT_EQ(dlg.Field()->text(), QStringLiteral("-40.00"));
    Control(dlg, "1004")->click();
    EXPECT_EQ(Boxes().at(0).rfind("Sie hören nun zuerst", 0), 0u);
    EXPECT_FALSE(Control(dlg, "1")->isEnabled());
    EXPECT_FALSE(dlg.Field()->isEnabled());
    EXPECT_EQ(dlg.focusWidget(), Control(dlg, "1007"));
    dlg.OnTimer(1); // silent half
    dlg.OnTimer(1);
    EXPECT_EQ(dlg.Run().Level(), -9950);
    RampTo(dlg, -4500);
    Control(dlg, "1007")->click();
    EXPECT_DOUBLE_EQ(dlg.Run().Frequency(), 3000.0);
    EXPECT_EQ(dlg.Run().Level(), -10000);
    RampTo(dlg, -4000);
    Control(dlg, "1007")->click();

    EXPECT_EQ(dlg.Field()->text(), QStringLiteral("-45.00"));
    EXPECT_FALSE(Control(dlg, "1007")->isEnabled());
    EXPECT_TRUE(Control(dlg, "1")->isEnabled());
    EXPECT_EQ(Boxes().back(),
              "Der \"normal Null\" Wert dieses PCs wurde mit -45.0 dB festgestellt!");
    EXPECT_EQ(app.m_lNormalNull, -4000) << "only OK stores it";
    Control(dlg, "1")->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(app.m_lNormalNull, -4500);
    int stored = 0;
    EXPECT_TRUE(app.ReadIniInt("NORMALNULL", stored));
    EXPECT_EQ(stored, -4500) << "written at once";
}

TEST_F(EichDialogTest, FieldAcceptsOnlyMinusOneToMinusHundredDecibels) {
    const std::pair<const char*, int> cases[] = {
        {"-45,5", -4550}, {"-1", -100}, {"-100", -10000}, {"-0,5", 0}, {"-120", 0},
        {"-1e12", 0},     {"1e12", 0},  {"abc", 0},       {"", 0},     {"0.00", 0},
    };
    for (const auto& [text, expected] : cases) {
        app.m_lNormalNull = -4000;
        recorder.boxes.clear();
        CEichDialog dlg(nullptr, app);
        dlg.show();
        dlg.Field()->setText(QString::fromLatin1(text));
        Control(dlg, "1")->click();
        if (expected != 0) {
            EXPECT_EQ(app.m_lNormalNull, expected) << text;
            EXPECT_TRUE(Boxes().empty()) << text;
        } else {
            EXPECT_EQ(app.m_lNormalNull, -4000) << text;
            EXPECT_TRUE(dlg.isVisible()) << text;
            ASSERT_EQ(Boxes().size(), 1u) << text;
            EXPECT_EQ(Boxes()[0].rfind("(1004) ", 0), 0u);
        }
    }
}

TEST_F(EichDialogTest, ErkanntBeforeStartTakesTheCurrentLevelForOneKilohertz) {
    CEichDialog dlg(nullptr, app);
    EXPECT_TRUE(Control(dlg, "1007")->isEnabled());
    Control(dlg, "1007")->click();
    EXPECT_DOUBLE_EQ(dlg.Run().Frequency(), 3000.0);
    RampTo(dlg, -3000);
    Control(dlg, "1007")->click();
    EXPECT_EQ(dlg.Run().Level(), -4000);
    EXPECT_EQ(dlg.Field()->text(), QStringLiteral("-40.00"));
}

TEST_F(EichDialogTest, RefusedToneLeavesTheDialogClosableAndNothingToStore) {
    CEichDialog dlg(nullptr, app);
    dlg.show();
    faults.refuseSecondaries = 1;
    Control(dlg, "1004")->click();
    EXPECT_EQ(Boxes().back().rfind("(1008) ", 0), 0u);
    EXPECT_TRUE(Control(dlg, "2")->isEnabled());
    EXPECT_FALSE(dlg.IsTimerRunning());
    // No press may take the silence the ramp started from as the threshold.
    EXPECT_FALSE(Control(dlg, "1007")->isEnabled());
    EXPECT_EQ(dlg.Run().Level(), -4000);
    dlg.reject();
    EXPECT_FALSE(dlg.isVisible());
}

TEST_F(EichDialogTest, RecognitionInTheFirstThreePulsesMeansTooLoudAndKeepsTheCalibration) {
    for (const bool atThreeKilohertz : {false, true}) {
        recorder.boxes.clear();
        CEichDialog dlg(nullptr, app);
        dlg.show();
        Control(dlg, "1004")->click();
        if (atThreeKilohertz) {
            RampTo(dlg, -5000);
            Control(dlg, "1007")->click();
        }
        RampTo(dlg, -9900); // the third pulse
        Control(dlg, "1007")->click();
        ASSERT_EQ(Boxes().back().rfind("(1009) ", 0), 0u) << atThreeKilohertz;
        EXPECT_FALSE(dlg.IsTimerRunning());
        EXPECT_FALSE(Control(dlg, "1007")->isEnabled());
        EXPECT_TRUE(Control(dlg, "1004")->isEnabled()) << "the user may start again";
        EXPECT_EQ(dlg.Field()->text(), QStringLiteral("-40.00"));
        Control(dlg, "1")->click();
        EXPECT_EQ(app.m_lNormalNull, -4000);
    }
    // One step later is an ordinary result.
    CEichDialog dlg(nullptr, app);
    Control(dlg, "1004")->click();
    RampTo(dlg, -9850);
    Control(dlg, "1007")->click();
    EXPECT_DOUBLE_EQ(dlg.Run().Frequency(), 3000.0);
}

TEST_F(EichDialogTest, GuideOpenedByHilfeStaysUsableWhileTheDialogRuns) {
    CMainFrame frame;
    CKurzanleitungHost* host = CKurzanleitungHost::Install(frame, frame.Commands(), -4000);
    frame.show();
    CEichDialog dlg(&frame, app);
    bool closedBeside = false;
    QTimer::singleShot(0, &dlg, [&] {
        QTest::mouseClick(Control(dlg, "1013"), Qt::LeftButton);
        CKurzanleitungDialog* guide = host->Window();
        if (guide != nullptr && guide->isVisible()) {
            // Through the window system, where a modal dialog blocks the windows it covers.
            QPushButton* ok = Control(*guide, "1");
            QTest::mouseClick(guide->windowHandle(), Qt::LeftButton, {},
                              ok->mapTo(guide, ok->rect().center()));
            closedBeside = !guide->isVisible();
        }
        dlg.reject();
    });
    dlg.exec();
    EXPECT_TRUE(closedBeside);
}

TEST_F(EichDialogTest, UserTypesAtMostFiveCharacters) {
    CEichDialog dlg(nullptr, app);
    dlg.show();
    // Into the dialog's own, longer text nothing more goes; shortened, it keeps to five.
    dlg.Field()->setFocus();
    dlg.Field()->end(false);
    QTest::keyClicks(dlg.Field(), QStringLiteral("1"));
    EXPECT_EQ(dlg.Field()->text(), QStringLiteral("-40.00"));
    QTest::keyClick(dlg.Field(), Qt::Key_Backspace);
    QTest::keyClick(dlg.Field(), Qt::Key_Backspace);
    QTest::keyClicks(dlg.Field(), QStringLiteral("55"));
    EXPECT_EQ(dlg.Field()->text(), QStringLiteral("-40.5"));

    dlg.Field()->clear();
    dlg.Field()->setFocus();
    for (const QChar c : QStringLiteral("-45.55"))
        dlg.Field()->insert(QString(c));
    EXPECT_EQ(dlg.Field()->text(), QStringLiteral("-45.5"));
}

} // namespace
