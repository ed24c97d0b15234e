#include "core/app/CAUVOApp.h"
#include "core/document/CAUVODoc.h"
#include "core/sound/CSinusTone.h"
#include "gui/tinnitus/CTonEigenschaftenDialog.h"
#include "platform/sound/NullAudioOutput.h"
#include "platform/sound/SoundDevice.h"
#include "support/FaultySoundDevice.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TempFolder.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

class TonEigenschaftenDialogTest : public testing::Test {
protected:
    TonEigenschaftenDialogTest() {
        // Settings and protocol stay in the test's own folder.
        app.SetSectionName("AUVO");
        app.SetProgramFolder(folder.Path());
        app.SetProfileName(folder.Path() + "/AUVO.ini");
        app.m_lNormalNull = -10000;
        app.SetMessageBoxService(&boxes);
        SoundDevice* created = nullptr;
        SoundDevice::Create(std::make_unique<NullAudioOutput>(), &created);
        device = created;
        app.m_pDirectSound = device;
        doc.OnNewDocument();
        doc.m_HoertestDaten.Init(8);
        tone = doc.m_TinnitusDaten.NewTone(0, 4000.0, -8500, false);
    }
    ~TonEigenschaftenDialogTest() override {
        doc.m_TinnitusDaten.RemoveAll();
        app.m_pDirectSound = nullptr;
        if (device != nullptr)
            device->Release();
        app.SetMessageBoxService(nullptr);
    }

    // Types both fields and presses OK; the message shown, if any. focusField: the field
    // with the focus afterwards (1021, 1022 or 0).
    std::string Ok(const char* frequency, const char* level, int* focusField = nullptr) {
        CTonEigenschaftenDialog dialog(nullptr, *tone, doc);
        dialog.show();
        dialog.FrequencyEdit()->setText(QString::fromUtf8(frequency));
        dialog.LevelEdit()->setText(QString::fromUtf8(level));
        boxes.boxes.clear();
        auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("1"));
        EXPECT_NE(ok, nullptr);
        if (ok != nullptr)
            QTest::mouseClick(ok, Qt::LeftButton);
        EXPECT_EQ(dialog.result() == QDialog::Accepted, boxes.boxes.empty()) << frequency;
        if (focusField != nullptr)
            *focusField = dialog.focusWidget() == dialog.FrequencyEdit() ? 1021
                          : dialog.focusWidget() == dialog.LevelEdit()   ? 1022
                                                                         : 0;
        return boxes.boxes.empty() ? std::string() : boxes.boxes.back().text;
    }

    TempFolder folder;
    RecordingMessageBoxes boxes;
    CAUVOApp app;
    IDirectSound* device = nullptr;
    CAUVODoc doc;
    CSinusTone* tone = nullptr;
};

TEST_F(TonEigenschaftenDialogTest, OpensWithTheToneInHertzAndDecibelAboveCalibration) {
    CTonEigenschaftenDialog dialog(nullptr, *tone, doc);
    EXPECT_EQ(dialog.FrequencyEdit()->text(), QStringLiteral(" 4000.0"));
    EXPECT_EQ(dialog.LevelEdit()->text(), QStringLiteral("15.0"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Tinnitus-Ton Eigenschaften"));
}

TEST_F(TonEigenschaftenDialogTest, InvalidValuesAreRefusedWithTheirMessageAndChangeNothing) {
    const std::string badFrequency = "(1005) Die Frequenz ist nicht gültig!";
    const std::string badLevel = "(1006) Die Lautstärke ist nicht gültig!";
    struct Case {
        const char* frequency;
        const char* level;
        const std::string& message;
    };
    const Case cases[] = {
        {"0", "20", badFrequency},     {"-5", "20", badFrequency},  {"", "20", badFrequency},
        {"10000", "20", badFrequency}, {"abc", "20", badFrequency}, {"3000", "0", badLevel},
        {"3000", "-3", badLevel},      {"3000", "0,001", badLevel}, {"3000", "90.01", badLevel},
        {"3000", "1e12", badLevel},    {"3000", "nan", badLevel},   {"3000", "", badLevel}};
    for (const Case& c : cases) {
        doc.SetModifiedFlag(false);
        int focus = 0;
        EXPECT_EQ(Ok(c.frequency, c.level, &focus), c.message) << c.frequency << " " << c.level;
        EXPECT_EQ(focus, &c.message == &badFrequency ? 1021 : 1022) << c.frequency << c.level;
        EXPECT_EQ(tone->GetFrequency(), 4000.0);
        EXPECT_EQ(tone->GetVolume(), -8500);
        EXPECT_FALSE(doc.IsModified());
    }
}

TEST_F(TonEigenschaftenDialogTest, ValidValuesSetFrequencyThenLevelAndKeepAPlayingTonePlaying) {
    struct Case {
        const char* frequency;
        const char* level;
        double hz;
        LONG relativeMB;
    };
    // The German decimal comma counts like the point.
    const Case cases[] = {{"9999.9", "0.01", 9999.9, 1},
                          {"1000,5", "12,5", 1000.5, 1250},
                          {"  250", "90", 250.0, 9000}};
    tone->Play(DSBPLAY_LOOPING);
    for (const Case& c : cases) {
        doc.SetModifiedFlag(false);
        EXPECT_EQ(Ok(c.frequency, c.level), "") << c.frequency;
        EXPECT_EQ(tone->GetFrequency(), c.hz);
        EXPECT_EQ(tone->GetVolume(), -10000 + c.relativeMB);
        EXPECT_TRUE(doc.IsModified());
    }
    EXPECT_EQ(doc.m_TinnitusDaten.GetCount(0), 1);

    // 32 frequencies reach 15 kHz.
    doc.m_HoertestDaten.Init(32);
    EXPECT_EQ(Ok("14999", "10"), "");
    EXPECT_EQ(tone->GetFrequency(), 14999.0);
}

TEST_F(TonEigenschaftenDialogTest, MakesAToneABandOfAWidthInPlaceAndBack) {
    tone->Play(DSBPLAY_LOOPING);
    auto run = [this](bool band, const char* width, int* focus = nullptr) {
        CTonEigenschaftenDialog dialog(nullptr, *tone, doc);
        dialog.show();
        (band ? dialog.BandChoice() : dialog.SineChoice())->setChecked(true);
        EXPECT_EQ(dialog.BandwidthEdit()->isEnabled(), band);
        dialog.BandwidthEdit()->setText(QString::fromUtf8(width));
        boxes.boxes.clear();
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("1")), Qt::LeftButton);
        if (focus != nullptr)
            *focus = dialog.focusWidget() == dialog.BandwidthEdit() ? 1025 : 0;
        return boxes.boxes.empty() ? std::string() : boxes.boxes.back().text;
    };
    {
        // A tone offers a third of an octave around its frequency, disabled.
        CTonEigenschaftenDialog dialog(nullptr, *tone, doc);
        EXPECT_TRUE(dialog.SineChoice()->isChecked());
        EXPECT_FALSE(dialog.BandwidthEdit()->isEnabled());
        EXPECT_EQ(dialog.BandwidthEdit()->text(), QStringLiteral("926"));
    }
    const std::string badWidth =
        "(1010) Die Bandbreite ist nicht gültig! Erlaubt sind 1 bis 5000 Hz.";
    for (const char* width : {"0,9", "5000.5", "", "abc"}) {
        int focus = 0;
        EXPECT_EQ(run(true, width, &focus), badWidth) << width;
        EXPECT_EQ(focus, 1025);
        EXPECT_FALSE(tone->IsNoiseBand());
    }
    EXPECT_EQ(run(true, "925,5"), "");
    EXPECT_EQ(tone->GetBandwidth(), 925.5);
    EXPECT_EQ(tone->GetFrequency(), 4000.0);
    EXPECT_EQ(tone->GetVolume(), -8500);
    EXPECT_EQ(doc.m_TinnitusDaten.GetTone(0, 0), tone);
    EXPECT_EQ(doc.m_TinnitusDaten.GetCount(0), 1);
    {
        CTonEigenschaftenDialog dialog(nullptr, *tone, doc);
        EXPECT_TRUE(dialog.BandChoice()->isChecked());
        EXPECT_EQ(dialog.BandwidthEdit()->text(), QStringLiteral("925.5"));
    }
    // A width the tone kind ignores.
    EXPECT_EQ(run(false, "abc"), "");
    EXPECT_FALSE(tone->IsNoiseBand());
    EXPECT_EQ(tone->GetVolume(), -8500);
}

TEST_F(TonEigenschaftenDialogTest, ABandWhollyOutsideWhatIsHeardIsRefused) {
    auto ok = [this](const char* frequency, const char* width) {
        CTonEigenschaftenDialog dialog(nullptr, *tone, doc);
        dialog.show();
        dialog.FrequencyEdit()->setText(QString::fromUtf8(frequency));
        dialog.BandChoice()->setChecked(true);
        dialog.BandwidthEdit()->setText(QString::fromUtf8(width));
        boxes.boxes.clear();
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("1")), Qt::LeftButton);
        if (boxes.boxes.empty())
            return std::string();
        EXPECT_EQ(dialog.focusWidget(), dialog.FrequencyEdit());
        return boxes.boxes.back().text;
    };
    EXPECT_EQ(ok("10", "15"), "Dieses Rauschband läge ganz außerhalb von 20 bis 20000 Hz und "
                              "wäre nicht zu hören! Bitte wählen Sie Frequenz und Bandbreite so, "
                              "dass das Band wenigstens zum Teil in diesem Bereich liegt.");
    EXPECT_FALSE(tone->IsNoiseBand());
    EXPECT_EQ(tone->GetFrequency(), 4000.0);
    EXPECT_EQ(ok("10", "20"), ""); // 0..20 Hz touches what is heard
    EXPECT_EQ(tone->GetBandwidth(), 20.0);
}

// A band on a device that refuses every further buffer: what OK asks of it shows.
TEST_F(TonEigenschaftenDialogTest, FieldsLeftAsShownKeepTheSoundAndTheDocumentAsTheyWere) {
    FaultySoundDevice faulty(device, false);
    doc.m_TinnitusDaten.m_pDirectSound = &faulty;
    CSinusTone* band = doc.m_TinnitusDaten.NewTone(0, 4000.04, -8555, false, 925.5);
    ASSERT_NE(band, nullptr);
    faulty.refuseSecondaries = 1;
    auto ok = [&](const char* level) {
        CTonEigenschaftenDialog dialog(nullptr, *band, doc);
        dialog.show();
        if (level != nullptr)
            dialog.LevelEdit()->setText(QString::fromUtf8(level));
        boxes.boxes.clear();
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("1")), Qt::LeftButton);
        return dialog.result() == QDialog::Accepted && boxes.boxes.empty();
    };
    // The shown texts are rounded; left alone they change nothing, not even the noise.
    doc.SetModifiedFlag(false);
    EXPECT_TRUE(ok(nullptr));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(band->GetFrequency(), 4000.04);
    EXPECT_EQ(band->GetVolume(), -8555);
    // Only the level: the same buffer at the new level.
    EXPECT_TRUE(ok("20"));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(band->GetVolume(), -8000);
    EXPECT_EQ(band->GetBandwidth(), 925.5);
    EXPECT_EQ(faulty.refuseSecondaries, 1);
    doc.m_TinnitusDaten.RemoveTone(0, band);
    doc.m_TinnitusDaten.m_pDirectSound = device;
}

} // namespace
