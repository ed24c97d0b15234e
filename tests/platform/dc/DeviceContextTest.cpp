#include "platform/dc/CRecordingDC.h"

#include <gtest/gtest.h>

namespace {

CRecordingDC::Caps Screen96() {
    CRecordingDC::Caps caps;
    caps.horzRes = 1920;
    caps.vertRes = 1080;
    caps.logPixelsX = 96;
    caps.logPixelsY = 96;
    return caps;
}

} // namespace

TEST(DeviceContextMapping, LoMetricExtentsAndRoundedConversions) {
    CRecordingDC dc(Screen96());
    EXPECT_EQ(dc.SetMapMode(MM_LOMETRIC), MM_TEXT);
    // 1920 px at 96 dpi = 508 mm; 1080 px = 285.75 mm, rounded half away from zero.
    EXPECT_EQ(dc.GetWindowExt(), CSize(5080, 2858));
    EXPECT_EQ(dc.GetViewportExt(), CSize(1920, -1080));

    CPoint p(100, 50);
    dc.DPtoLP(&p);
    EXPECT_EQ(p, CPoint(265, -132)); // 264.58 and -132.3, y turned upwards
    dc.LPtoDP(&p);
    EXPECT_EQ(p, CPoint(100, 50));

    CPoint negative(-1, -1);
    dc.DPtoLP(&negative);
    EXPECT_EQ(negative, CPoint(-3, 3)); // -2.6 rounds away from zero

    dc.SetMapMode(MM_TEXT);
    CPoint same(7, 9);
    dc.DPtoLP(&same);
    EXPECT_EQ(same, CPoint(7, 9));
}

TEST(DeviceContextMapping, OriginsShiftConversions) {
    CRecordingDC dc; // 254 dpi: one pixel per 0.1 mm
    dc.SetMapMode(MM_LOMETRIC);
    dc.SetViewportOrg(10, 20);
    dc.SetWindowOrg(100, 0);
    CPoint p(10, 20);
    dc.DPtoLP(&p);
    EXPECT_EQ(p, CPoint(100, 0));
    CRect r(100, 0, 150, -30);
    dc.LPtoDP(&r);
    EXPECT_EQ(r, CRect(10, 20, 60, 50));
}

TEST(DeviceContextClipping, RectVisibleAgainstDeviceSurfaceAndClip) {
    CRecordingDC dc;
    dc.SetMapMode(MM_LOMETRIC);
    EXPECT_TRUE(dc.RectVisible(CRect(50, -50, 500, -250)));
    EXPECT_FALSE(dc.RectVisible(CRect(50, -4100, 500, -4200))); // below the device
    dc.SetClipBoxDevice(CRect(0, 300, 2540, 900));
    EXPECT_FALSE(dc.RectVisible(CRect(50, -50, 500, -250)));
    EXPECT_TRUE(dc.RectVisible(CRect(50, -250, 500, -350)));
    EXPECT_FALSE(dc.RectVisible(CRect(50, -900, 500, -950))); // touching the edge only
    dc.ClearClip();
    EXPECT_TRUE(dc.RectVisible(CRect(50, -50, 500, -250)));
}

TEST(DeviceContextObjects, SelectReturnsPreviousAndFontsMayBeRefused) {
    CRecordingDC dc;
    const CPen red(PS_SOLID, 3, RGB(255, 0, 0));
    const CPen old = dc.SelectObject(red);
    EXPECT_EQ(old, CPen::Stock(BLACK_PEN));
    EXPECT_EQ(dc.SelectObject(old), red);
    EXPECT_TRUE(CBrush::Stock(HOLLOW_BRUSH).IsHollow());

    CPen bad;
    EXPECT_FALSE(bad.CreatePen(9, 1, 0));
    EXPECT_FALSE(bad.CreatePen(PS_SOLID, -1, 0));

    LOGFONT lf;
    lf.lfHeight = 40;
    lf.lfWeight = FW_MEDIUM;
    lf.lfFaceName = "Arial";
    CFont font;
    ASSERT_TRUE(dc.CreateFont(font, lf));
    const CFont before = dc.SelectObject(font);
    EXPECT_EQ(dc.GetCurrentFont().GetHeight(), 40);
    dc.SelectObject(before);

    CFont refused;
    dc.SetRefuseFonts(true);
    EXPECT_FALSE(dc.CreateFont(refused, lf));
    dc.SelectObject(refused); // an uncreated font leaves the current one
    EXPECT_EQ(dc.GetCurrentFont(), before);

    lf.lfFaceName.clear();
    dc.SetRefuseFonts(false);
    EXPECT_FALSE(dc.CreateFont(refused, lf));
}

TEST(DeviceContextRecording, PrimitivesCarryCoordinatesAndState) {
    CRecordingDC dc;
    dc.SetMapMode(MM_LOMETRIC);
    dc.SelectObject(CPen(PS_DOT, 0, RGB(0, 0, 0)));
    dc.SetTextAlign(TA_RIGHT | TA_BASELINE);
    dc.SetTextColor(RGB(0, 0, 255));
    dc.MoveTo(10, -20);
    dc.LineTo(30, -40);
    dc.LineTo(30, -60);
    dc.TextOut(5, -6, "dB");
    dc.DrawText("a\nb", CRect(0, 0, 100, -100), DT_WORDBREAK);

    const auto lines = dc.CallsOf(CRecordingDC::Kind::Line);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].from, CPoint(30, -40)); // the second line starts where the first ended
    EXPECT_EQ(lines[0].pen.GetStyle(), PS_DOT);
    EXPECT_EQ(dc.LinesBetween({10, -20}, {30, -40}).size(), 1u);
    const auto texts = dc.TextsEqual("dB");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].from, CPoint(5, -6));
    EXPECT_EQ(texts[0].flags, TA_RIGHT | TA_BASELINE);
    EXPECT_EQ(texts[0].textColor, RGB(0, 0, 255));
    EXPECT_EQ(texts[0].mapMode, MM_LOMETRIC);
    EXPECT_EQ(dc.CallsOf(CRecordingDC::Kind::DrawText)[0].flags, DT_WORDBREAK);
}
