// The data dialog, its single measurement and the main window's three commands.

#include "ToneDialogFixture.h"
#include "support/ModalDialogs.h"

#include "core/app/CommandIds.h"
#include "core/hearingtest/CEinzelmessungRun.h"
#include "gui/hearing/CEichDialog.h"
#include "gui/hearing/CEinzelmessungDialog.h"
#include "gui/hearing/CHoertestCommands.h"
#include "gui/hearing/CHoertestDatenDialog.h"
#include "gui/hearing/CHoertestDialog.h"
#include "gui/platform/CCommandTable.h"

#include <QLabel>
#include <QListWidget>
#include <QRadioButton>

namespace {

using HoertestDatenDialogTest = ToneDialogFixture;

TEST_F(HoertestDatenDialogTest, ListsShowBothEarsAndOneMarkAcrossThem) {
    doc.m_HoertestDaten.SetValue(2, 0, -350);
    CHoertestDatenDialog dlg(nullptr, app, doc, device);
    ASSERT_EQ(dlg.List(0)->count(), 8);
    EXPECT_EQ(dlg.List(0)->item(2)->text(), QStringLiteral("1000\t-3.5"));
    EXPECT_EQ(dlg.List(1)->item(2)->text(), QStringLiteral("1000\t0.0"));
    EXPECT_FALSE(dlg.EinzelMessungButton()->isEnabled());
    dlg.List(0)->setCurrentRow(1);
    EXPECT_TRUE(dlg.EinzelMessungButton()->isEnabled());
    dlg.List(1)->setCurrentRow(3);
    EXPECT_TRUE(dlg.List(0)->selectedItems().isEmpty());
    EXPECT_EQ(dlg.List(1)->selectedItems().size(), 1);
}

TEST_F(HoertestDatenDialogTest, SingleMeasurementRisesBeforeItTestsAndIsTakenOver) {
    const std::string date = doc.m_strDatum = "01.02.2020";
    doc.m_HoertestDaten.SetValue(4, 1, -6000); // 4000 Hz right
    doc.m_HoertestDaten.Interleaved = 1;
    CHoertestDatenDialog dlg(nullptr, app, doc, device);
    bool taken = false;
    OnNextModal([&](QDialog& d) {
        auto& m = dynamic_cast<CEinzelmessungDialog&>(d);
        EXPECT_EQ(Control<QLabel>(m, "1027")->text(), QStringLiteral("4000 Hz, Rechts"));
        EXPECT_TRUE(Control<QRadioButton>(m, "1003")->isChecked());
        EXPECT_FALSE(Control(m, "1")->isEnabled()) << "nothing measured, nothing to take over";
        Control<QRadioButton>(m, "1002")->setChecked(true);
        Control(m, "1004")->click();
        // +1000 from the document would lie above full scale: 10 dB below the ceiling.
        EXPECT_EQ(m.Level(), -1000);
        EXPECT_TRUE(Control(m, "1007")->isDefault());
        EXPECT_FALSE(Control(m, "2")->isEnabled());
        for (int i = 0; i < 19; ++i)
            m.OnTimer(1);
        EXPECT_EQ(m.Level(), -50);
        m.OnTimer(1);
        EXPECT_EQ(Control<QLabel>(m, "1027")->text(),
                  QStringLiteral("4000 Hz, Rechts bei -40.0 dB"));
        EXPECT_TRUE(Control(m, "1")->isDefault());
        Control(m, "1")->click();
        taken = m.result() == QDialog::Accepted;
    });
    dlg.List(1)->setCurrentRow(4);
    Control(dlg, "1026")->click();
    ASSERT_TRUE(taken);
    EXPECT_EQ(doc.m_HoertestDaten.GetValue(4, 1), -4000);
    EXPECT_EQ(dlg.List(1)->item(4)->text(), QStringLiteral("4000\t-40.0"));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.m_strDatum, date);
    EXPECT_EQ(redraws, 0);
    // Cancelled afterwards, the views still show what would be saved.
    Control(dlg, "2")->click();
    EXPECT_EQ(redraws, 1);
}

TEST_F(HoertestDatenDialogTest, PulsedSingleMeasurementAndNoValueWithoutRecognition) {
    CEinzelmessungDialog m(nullptr, -4000, 0, 1000, -200, 0, true, device);
    Control(m, "1004")->click();
    m.OnTimer(1); // off
    EXPECT_EQ(m.Level(), -200);
    for (int i = 0; i < 7; ++i)
        m.OnTimer(1);
    EXPECT_EQ(m.Level(), 0) << "full level ends the measurement";
    EXPECT_FALSE(m.Run().IsPlaying());
    EXPECT_TRUE(Control(m, "1")->isEnabled());
}

TEST_F(HoertestDatenDialogTest, MainWindowCommandsRunTheDialogsAndRedrawAfterOK) {
    QWidget frame;
    CCommandTable commands(&frame);
    for (const int id : {ID_EICHEN, ID_HOERTEST_STARTEN, ID_HOERTEST_DATEN})
        commands.Add(id, QStringLiteral("x"));
    CHoertestCommands::Install(frame, commands, app, [this]() -> CAUVODoc& { return doc; });
    std::vector<QString> titles;
    auto close = [&](const char* button) {
        OnNextModal([&titles, button](QDialog& dlg) {
            titles.push_back(dlg.windowTitle());
            Control(dlg, button)->click();
        });
    };
    close("2");
    EXPECT_TRUE(commands.Execute(ID_EICHEN));
    close("2");
    EXPECT_TRUE(commands.Execute(ID_HOERTEST_STARTEN));
    close("2");
    EXPECT_TRUE(commands.Execute(ID_HOERTEST_DATEN));
    EXPECT_EQ(redraws, 0);
    close("1");
    EXPECT_TRUE(commands.Execute(ID_HOERTEST_DATEN));
    EXPECT_EQ(redraws, 1);
    EXPECT_EQ(titles, (std::vector<QString>{
                          QStringLiteral("Eichen"), QStringLiteral("Hörtest-Durchführung"),
                          QStringLiteral("Hörtest-Daten"), QStringLiteral("Hörtest-Daten")}));
}

TEST_F(HoertestDatenDialogTest, EveryMeasurementSilencesTheDocumentsTonesWhileItRuns) {
    QWidget frame;
    CCommandTable commands(&frame);
    for (const int id : {ID_EICHEN, ID_HOERTEST_STARTEN, ID_HOERTEST_DATEN})
        commands.Add(id, QStringLiteral("x"));
    CHoertestCommands::Install(frame, commands, app, [this]() -> CAUVODoc& { return doc; });
    CSinusTone* tone = doc.CreateTTValue(0, 3000.0, -1000);
    doc.m_TinnitusDaten.PlayAll(CTinnitusDaten::playLeft);
    doc.SetModifiedFlag(false);
    std::vector<bool> sounding;
    auto cancel = [&](QDialog& dlg) {
        sounding.push_back(tone->IsPlaying());
        Control(dlg, "2")->click();
    };
    OnNextModal(cancel);
    commands.Execute(ID_EICHEN);
    OnNextModal(cancel);
    commands.Execute(ID_HOERTEST_STARTEN);
    // In the data dialog only while its single measurement runs.
    OnNextModal([&](QDialog& dlg) {
        sounding.push_back(tone->IsPlaying());
        dynamic_cast<CHoertestDatenDialog&>(dlg).List(0)->setCurrentRow(2);
        OnNextModal(cancel);
        Control(dlg, "1026")->click();
        sounding.push_back(tone->IsPlaying());
        Control(dlg, "2")->click();
    });
    commands.Execute(ID_HOERTEST_DATEN);
    EXPECT_EQ(sounding, (std::vector<bool>{false, false, true, false, true}));
    EXPECT_TRUE(tone->IsPlaying());
    EXPECT_EQ(doc.m_TinnitusDaten.m_nPlayMode, CTinnitusDaten::playLeft);
    EXPECT_FALSE(doc.IsModified());
}

} // namespace
