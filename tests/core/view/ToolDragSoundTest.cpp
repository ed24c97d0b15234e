#include "ViewTestSupport.h"

#include "core/sound/CSinusTone.h"
#include "core/tinnitus/CTool.h"
#include "core/view/CViewCommands.h"
#include "platform/sound/SoundDevice.h"
#include "platform/sound/SoundTestSupport.h"
#include "platform/sound/WavFileOutput.h"

#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <string>

namespace {

class ToolDragSoundTest : public ViewTest {};

// A playing tone dragged sideways along its level row, step by step, as it reaches the WAV
// output: it keeps playing on its own ear at its level and ends at its new frequency, and no
// moment on the way is louder than its level.
TEST_F(ToolDragSoundTest, DraggedToneKeepsEarAndLevelAndIsNeverLouder) {
    const std::string path =
        (std::filesystem::path(m_folder) / ("drag-" + std::to_string(::getpid()) + ".wav"))
            .string();
    WavFileOutput* wav = nullptr;
    SoundDevice* device = soundtest::CreateWavDevice(path, wav);
    ASSERT_NE(device, nullptr);
    m_doc.m_TinnitusDaten.m_pDirectSound = device;

    m_view.m_bShowTTD = true;
    m_view.OnDraw(*ScreenDC());
    CRect r = m_view.m_rectLinks;
    ASSERT_FALSE(r.IsRectEmpty());
    // 254 dpi: the client point of a logical point (x, y) is (x, -y). A row at +30 dB.
    int y = r.top;
    int side = 0;
    double hz = 0.0;
    int mB = 0;
    while (m_view.ClientToTT(CPoint(r.left + 10, -y), side, hz, mB) && mB < 3000)
        ++y;
    ASSERT_EQ(mB, 3000);
    const CPoint start(r.left + r.Width() / 10, -y);
    ASSERT_TRUE(m_view.ClientToTT(start, side, hz, mB));
    CSinusTone* tone = m_doc.m_TinnitusDaten.NewTone(0, hz, -10000 + mB, false);
    m_doc.m_TinnitusDaten.PlayAll(CTinnitusDaten::playBoth);
    wav->RenderFrames(4410);

    CTool* select = CTool::FindTool(CTool::kSelectTool);
    ASSERT_NE(select, nullptr);
    CTool::Reset();
    m_view.SetSelectedTone(tone, 0);
    select->OnLButtonDown(m_view, 1, start);
    ASSERT_EQ(CTool::s_nMoveFlag, CTool::kMoving);
    CPoint p = start;
    for (int step = 0; step < 40; ++step) {
        p.x += 3;
        select->OnMouseMove(m_view, 1, p);
        wav->RenderFrames(step % 2 == 0 ? 1 : 441);
    }
    select->OnLButtonUp(m_view, 0, p);
    ASSERT_TRUE(m_view.ClientToTT(p, side, hz, mB));
    EXPECT_EQ(tone->GetFrequency(), hz);
    EXPECT_EQ(tone->GetVolume(), -10000 + 3000);
    wav->RenderFrames(44100);
    m_doc.m_TinnitusDaten.RemoveAll();
    device->Release();

    const soundtest::WavData data = soundtest::ReadWav(path);
    ASSERT_TRUE(data.ok);
    const std::vector<float> left = soundtest::Channel(data.samples, 0);
    const double level = std::pow(10.0, -7000 / 2000.0);
    EXPECT_LE(soundtest::Peak(left), level * (1.0 + 1e-6));
    EXPECT_EQ(soundtest::Peak(soundtest::Channel(data.samples, 1)), 0.0);
    // The last second, after the ramps: the new frequency at the tone's level.
    const std::vector<float> last(left.end() - 40000, left.end());
    EXPECT_NEAR(soundtest::Peak(last), level, level * 0.01);
    EXPECT_NEAR(soundtest::Frequency(last), hz, 0.05);
}

// The noise-band command's tool places a band of a third of an octave where it is clicked;
// dragged like a tone, it keeps its width, ear and level.
TEST_F(ToolDragSoundTest, PlacedBandIsDraggedLikeAToneAndKeepsItsWidth) {
    m_doc.m_TinnitusDaten.m_pDirectSound = m_pDevice;
    m_view.m_bShowTTD = true;
    m_view.OnDraw(*ScreenDC());
    const CRect r = m_view.m_rectRechts;
    const CPoint at(r.left + r.Width() / 2, -(r.top + r.bottom) / 2);
    int side = 0;
    double hz = 0.0;
    int mB = 0;
    ASSERT_TRUE(m_view.ClientToTT(at, side, hz, mB));

    CViewCommands commands(m_view);
    ASSERT_TRUE(commands.Execute(ID_TINNITUS_RAUSCHBAND_NEU));
    ASSERT_EQ(m_window.tool, CTool::kNoiseBandTool);
    CTool::Reset();
    CTool::s_nCurrentTool = CTool::kNoiseBandTool;
    CTool::FindTool(CTool::kNoiseBandTool)->OnLButtonDown(m_view, 1, at);
    EXPECT_EQ(CTool::s_nCurrentTool, CTool::kSelectTool);
    int selSide = 0;
    CSinusTone* band = m_view.GetSelectedTone(&selSide);
    ASSERT_NE(band, nullptr);
    EXPECT_EQ(selSide, 1);
    const double width = std::round(hz * (std::exp2(1.0 / 6) - std::exp2(-1.0 / 6)));
    EXPECT_EQ(band->GetBandwidth(), width);
    CTool* select = CTool::FindTool(CTool::kSelectTool);
    select->OnLButtonUp(m_view, 0, at);

    select->OnLButtonDown(m_view, 1, at);
    ASSERT_EQ(CTool::s_nMoveFlag, CTool::kMoving);
    const CPoint to(at.x + 50, at.y - 20);
    select->OnMouseMove(m_view, 1, to);
    select->OnLButtonUp(m_view, 0, to);
    ASSERT_TRUE(m_view.ClientToTT(to, side, hz, mB));
    EXPECT_EQ(band->GetFrequency(), hz);
    EXPECT_EQ(band->GetBandwidth(), width);
    EXPECT_EQ(band->GetVolume(), -10000 + mB);
    EXPECT_EQ(m_doc.m_TinnitusDaten.GetTone(0, 1), band);
}

} // namespace
