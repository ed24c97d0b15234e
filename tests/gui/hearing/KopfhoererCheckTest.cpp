// The headphone check as the user meets it: the menu entry, its questions, and what each ear
// hears while a question is open.

#include "ToneDialogFixture.h"

#include "core/app/CommandIds.h"
#include "gui/app/CMainFrame.h"
#include "gui/hearing/CHoertestCommands.h"

#include <QAction>
#include <QMenu>

namespace {

class KopfhoererCheckTest : public ToneDialogFixture {
protected:
    struct Heard {
        std::string text;
        double left;
        double right;
    };

    KopfhoererCheckTest() {
        CHoertestCommands::Install(frame, frame.Commands(), app,
                                   [this]() -> CAUVODoc& { return doc; });
        // What each ear hears, steady after the 20 ms ramps, while each box is open.
        recorder.onShow = [this](const RecordingMessageBoxes::Box& box) {
            soundtest::Render(device->GetMixer(), 2 * 882);
            const std::vector<float> out = soundtest::Render(device->GetMixer(), 2000);
            heard.push_back({box.text, soundtest::Peak(soundtest::Channel(out, 0)),
                             soundtest::Peak(soundtest::Channel(out, 1))});
        };
    }

    CMainFrame frame;
    std::vector<Heard> heard;
};

TEST_F(KopfhoererCheckTest, EachEarHearsItsToneOnlyWhileAskedAndNothingAfterwards) {
    // Before the hearing test in its menu.
    QMenu* menu = frame.MenuOf(ID_HOERTEST_STARTEN);
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> actions = menu->actions();
    ASSERT_GE(actions.size(), 2);
    EXPECT_EQ(actions[0], frame.Action(ID_KOPFHOERER_PRUEFEN));
    EXPECT_EQ(actions[0]->text(), QStringLiteral("&Kopfhörer prüfen..."));
    EXPECT_EQ(actions[1], frame.Action(ID_HOERTEST_STARTEN));

    // 30 dB above the calibration of -40 dB: -10 dB.
    const double level = 32767.0 / 32768.0 * std::pow(10.0, -1000 / 2000.0);
    actions[0]->trigger();
    ASSERT_EQ(heard.size(), 3u);
    EXPECT_EQ(heard[0].text, "Hören Sie den Ton nur links?");
    EXPECT_NEAR(heard[0].left, level, 1e-4);
    EXPECT_EQ(heard[0].right, 0.0);
    EXPECT_EQ(heard[1].text, "Hören Sie den Ton nur rechts?");
    EXPECT_EQ(heard[1].left, 0.0);
    EXPECT_NEAR(heard[1].right, level, 1e-4);
    EXPECT_EQ(heard[2].text.rfind("Der Kopfhörer ist richtig", 0), 0u);
    EXPECT_EQ(heard[2].left + heard[2].right, 0.0);

    // "Nein" on the left explains what to look at; never above the ceiling.
    heard.clear();
    app.m_lMaxPegel = 1500;
    recorder.answers = {false};
    frame.Action(ID_KOPFHOERER_PRUEFEN)->trigger();
    ASSERT_EQ(heard.size(), 2u);
    EXPECT_NEAR(heard[0].left, 32767.0 / 32768.0 * std::pow(10.0, -2500 / 2000.0), 1e-4);
    EXPECT_NE(heard[1].text.find("Mono-Adapter"), std::string::npos);
    EXPECT_EQ(heard[1].left + heard[1].right, 0.0);
}

TEST_F(KopfhoererCheckTest, PlayingTinnitusTonesPauseForTheCheckAndSoundAgainAfterIt) {
    // A playing tinnitus tone on the right would answer the left question with "Nein".
    doc.CreateTTValue(1, 3000.0, 0);
    doc.m_TinnitusDaten.PlayAll(CTinnitusDaten::playBoth);
    doc.SetModifiedFlag(false);
    frame.Action(ID_KOPFHOERER_PRUEFEN)->trigger();
    ASSERT_EQ(heard.size(), 3u);
    EXPECT_GT(heard[0].left, 0.0);
    EXPECT_EQ(heard[0].right, 0.0);
    EXPECT_EQ(heard[2].left + heard[2].right, 0.0);

    // Afterwards the tone sounds again at the calibration, -40 dB, and the document is as it was.
    soundtest::Render(device->GetMixer(), 2 * 882);
    const std::vector<float> out = soundtest::Render(device->GetMixer(), 2000);
    EXPECT_EQ(soundtest::Peak(soundtest::Channel(out, 0)), 0.0);
    EXPECT_NEAR(soundtest::Peak(soundtest::Channel(out, 1)), 32767.0 / 32768.0 * 0.01, 1e-4);
    EXPECT_EQ(doc.m_TinnitusDaten.m_nPlayMode, CTinnitusDaten::playBoth);
    EXPECT_FALSE(doc.IsModified());
}

} // namespace
