// The hearing-test dialog driven through its real controls, its timer called directly.

#include "ToneDialogFixture.h"

#include "core/hearingtest/CHoertestRun.h"
#include "gui/hearing/CHoertestDialog.h"
#include "platform/time/LocalClock.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>

#include <set>

namespace {

class HoertestDialogTest : public ToneDialogFixture {
protected:
    void Start(CHoertestDialog& dlg) { Control(dlg, "1004")->click(); }
    void Ticks(CHoertestDialog& dlg, int n) {
        for (int i = 0; i < n; ++i)
            dlg.OnTimer(1);
    }
};

TEST_F(HoertestDialogTest, WholeTestRecognisedAtOnceInBothEarsThenEnde) {
    CHoertestDialog dlg(nullptr, app, doc, device);
    dlg.show();
    EXPECT_TRUE(Control<QRadioButton>(dlg, "1000")->isChecked());
    EXPECT_TRUE(Control<QRadioButton>(dlg, "1002")->isChecked());
    EXPECT_TRUE(Control(dlg, "1")->isDefault());
    EXPECT_FALSE(Control(dlg, "1007")->isEnabled());

    Start(dlg);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_NE(Boxes()[0].find("jetz 8 Frequenzen"), std::string::npos);
    QPushButton* erkannt = Control(dlg, "1007");
    EXPECT_TRUE(erkannt->isEnabled());
    EXPECT_TRUE(erkannt->isDefault());
    EXPECT_EQ(dlg.focusWidget(), erkannt);
    EXPECT_FALSE(Control(dlg, "1")->isEnabled());
    EXPECT_FALSE(Control<QCheckBox>(dlg, "1017")->isEnabled());
    EXPECT_EQ(Control<QLabel>(dlg, "1006")->text(), QStringLiteral("Links: Ton 1 von 8"));
    EXPECT_EQ(dlg.Run().Att(), -5000);
    EXPECT_TRUE(dlg.IsTimerRunning());

    for (int i = 0; i < 8; ++i)
        erkannt->click();
    EXPECT_EQ(Control<QLabel>(dlg, "1006")->text(), QStringLiteral("Rechts: Ton 1 von 8"));
    for (int i = 0; i < 8; ++i)
        erkannt->click();
    EXPECT_FALSE(dlg.Run().IsRunning());
    EXPECT_FALSE(dlg.IsTimerRunning());
    EXPECT_EQ(Control<QLabel>(dlg, "1006")->text(), QStringLiteral("-"));
    ASSERT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[1].rfind("Der Hörtest ist beendet", 0), 0u);

    Control(dlg, "1")->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_TRUE(doc.IsModified());
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(doc.m_HoertestDaten.GetValue(i, 0), 1000);
        EXPECT_EQ(doc.m_HoertestDaten.GetValue(i, 1), 1000);
    }
}

TEST_F(HoertestDialogTest, UnrecognisedToneIsRecordedAtTheCeiling) {
    app.m_lNormalNull = -4555; // start level -5555
    app.m_lMaxPegel = 3000;    // ceiling -1555, reached after 80 steps
    CHoertestDialog dlg(nullptr, app, doc, device);
    Start(dlg);
    Ticks(dlg, 80);
    EXPECT_EQ(dlg.Run().Att(), -1555);
    EXPECT_EQ(dlg.Run().Current(), 0);
    Ticks(dlg, 1);
    EXPECT_EQ(dlg.Run().Current(), 1);
    EXPECT_EQ(dlg.Run().Data().GetValue(0, 0), -3000);

    // A ceiling above full scale ends at full scale, not a step beyond it.
    app.m_lMaxPegel = 8000;
    CHoertestDialog full(nullptr, app, doc, device);
    Start(full);
    Ticks(full, 112);
    EXPECT_EQ(full.Run().Att(), 0);
    Ticks(full, 1);
    EXPECT_EQ(full.Run().Data().GetValue(0, 0), -4555);
}

TEST_F(HoertestDialogTest, StartLevelFromTheDocumentStaysTenDecibelsBelowTheCeiling) {
    // Calibration -4000, ceiling full scale: -2000 starts at -3000; -6000 would start at
    // +1000, above full scale, and starts at -1000 instead.
    doc.m_HoertestDaten.SetValue(0, 0, -2000);
    doc.m_HoertestDaten.SetValue(1, 0, -6000);
    CHoertestDialog dlg(nullptr, app, doc, device);
    Control<QCheckBox>(dlg, "1017")->setChecked(true);
    Start(dlg);
    EXPECT_EQ(dlg.Run().Att(), -3000);
    Control(dlg, "1007")->click();
    EXPECT_EQ(dlg.Run().Data().GetValue(0, 0), -1000);
    EXPECT_EQ(dlg.Run().Att(), -1000);
}

TEST_F(HoertestDialogTest, PulsedRampAndPauseThenContinueOrEnd) {
    CHoertestDialog dlg(nullptr, app, doc, device);
    Control<QRadioButton>(dlg, "1003")->setChecked(true);
    Start(dlg);
    EXPECT_EQ(dlg.Run().Data().Interleaved, 1);
    Ticks(dlg, 1); // off
    EXPECT_EQ(dlg.Run().Att(), -5000);
    Ticks(dlg, 1); // on, one step up
    EXPECT_EQ(dlg.Run().Att(), -4950);

    Control(dlg, "1005")->click(); // pause, continue
    EXPECT_EQ(Boxes().back().rfind("Der Hörtest pausiert!", 0), 0u);
    EXPECT_TRUE(dlg.Run().IsRunning());
    EXPECT_TRUE(dlg.IsTimerRunning());
    EXPECT_TRUE(Control(dlg, "1007")->isDefault());
    EXPECT_EQ(dlg.Run().Att(), -4950);
    Control(dlg, "1007")->click();

    recorder.answers = {false}; // pause, end
    Control(dlg, "1005")->click();
    EXPECT_FALSE(dlg.Run().IsRunning());
    EXPECT_FALSE(dlg.IsTimerRunning());
    EXPECT_TRUE(Control(dlg, "1")->isEnabled());
    Control(dlg, "1")->click();
    EXPECT_EQ(doc.m_HoertestDaten.GetValue(0, 0), 950);
    EXPECT_EQ(doc.m_HoertestDaten.GetValue(1, 0), 0);
    EXPECT_EQ(doc.m_HoertestDaten.GetValue(0, 1), 0);
}

TEST_F(HoertestDialogTest, RandomOrderPlaysEveryFrequencyOncePerEar) {
    CHoertestDialog dlg(nullptr, app, doc, device);
    Control<QCheckBox>(dlg, "1023")->setChecked(true);
    FixedLocalClock clock({2026, 12, 7, 20, 45, 3});
    Start(dlg);
    std::vector<int> order;
    for (int ear = 0; ear < 2; ++ear) {
        std::set<int> seen;
        for (int i = 0; i < 8; ++i) {
            EXPECT_TRUE(Control<QLabel>(dlg, "1006")
                            ->text()
                            .endsWith(QStringLiteral("Ton %1 von 8").arg(i + 1)));
            seen.insert(dlg.Run().Index());
            order.push_back(dlg.Run().Index());
            Control(dlg, "1007")->click();
        }
        EXPECT_EQ(seen.size(), 8u);
    }
    EXPECT_NE(std::vector<int>(order.begin(), order.begin() + 8),
              (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
}

TEST_F(HoertestDialogTest, HeldKeyPressesErkanntOnlyOnce) {
    CHoertestDialog dlg(nullptr, app, doc, device);
    dlg.show();
    Start(dlg);
    QPushButton* erkannt = Control(dlg, "1007");
    ulong time = 1000;
    auto send = [&](QEvent::Type type, int key, bool repeat, ulong at) {
        QKeyEvent event(type, key, Qt::NoModifier,
                        key == Qt::Key_Space ? QStringLiteral(" ") : QString(), repeat);
        event.setTimestamp(at);
        QApplication::sendEvent(erkannt, &event);
    };
    // Auto-repeat comes as release/press pairs of one time stamp, marked as repeated or not.
    for (const int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        const int before = dlg.Run().Current();
        send(QEvent::KeyPress, key, false, time += 100);
        for (int i = 0; i < 6; ++i) {
            time += 40;
            send(QEvent::KeyRelease, key, i % 2 == 0, time);
            send(QEvent::KeyPress, key, i % 2 == 0, time);
        }
        send(QEvent::KeyRelease, key, false, time += 40);
        EXPECT_EQ(dlg.Run().Current(), before + 1) << key;
    }
    // Escape cannot throw a running test away.
    dlg.reject();
    EXPECT_TRUE(dlg.isVisible());
}

TEST_F(HoertestDialogTest, RefusedToneIsNamedAndTheNextPressGoesOn) {
    CHoertestDialog dlg(nullptr, app, doc, &faults);
    faults.refuseSecondaries = 1;
    Start(dlg);
    ASSERT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[1].rfind("(1008) ", 0), 0u);
    EXPECT_TRUE(dlg.Run().IsRunning());
    EXPECT_FALSE(dlg.IsTimerRunning());
    Control(dlg, "1007")->click();
    EXPECT_EQ(dlg.Run().Current(), 1);
    EXPECT_TRUE(dlg.IsTimerRunning());
}

} // namespace
