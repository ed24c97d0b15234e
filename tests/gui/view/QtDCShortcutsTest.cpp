// The context draws labels, texts in rectangles and dotted lines on unscaled images from
// cached glyphs and stamps. Those shortcuts must give exactly the pixels Qt's own drawing
// gives, which the context uses on any other device: here a painter moved by one pixel.
#include "gui/view/CQtDC.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int kWidth = 1200;
constexpr int kHeight = 900;

// A scene of what a page draws, in logical units of one pixel each (MM_TEXT).
void DrawScene(CQtDC& dc, int fontHeight) {
    LOGFONT lf;
    lf.lfHeight = fontHeight;
    lf.lfFaceName = "Arial";
    CFont font;
    ASSERT_TRUE(dc.CreateFont(font, lf));
    dc.SelectObject(font);
    dc.SetTextColor(RGB(0, 0, 160));
    dc.SelectObject(CPen(PS_SOLID, 0, RGB(200, 0, 0)));
    for (int x = 40; x < kWidth - 40; x += 97) {
        dc.MoveTo(x, 20);
        dc.LineTo(x, kHeight - 20);
    }
    dc.SelectObject(CPen(PS_DOT, 0, RGB(0, 0, 0)));
    for (int y = 30; y < kHeight - 30; y += 61) {
        dc.MoveTo(30, y);
        dc.LineTo(kWidth - 30, y);
        dc.MoveTo(kWidth - 31 - y / 3, 30);
        dc.LineTo(kWidth - 31 - y / 3, kHeight - 33);
    }
    dc.SetTextAlign(TA_CENTER | TA_TOP);
    dc.TextOut(300, 40, "125 Hz");
    dc.SetTextAlign(TA_RIGHT | TA_BASELINE);
    dc.TextOut(700, 90, "-10 dB Hörschwelle");
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextAlign(TA_LEFT | TA_BOTTOM);
    dc.TextOut(800, 140, "Rechts");
    dc.SetBkMode(OPAQUE);
    const std::string comment = "Tinnitus rechts seit drei Jahren, links seit Mai.\r\n"
                                "Messung nach dem Frühstück,  Kopfhörer HD 280.";
    dc.DrawText(comment, CRect(50, 200, 650, 600), DT_WORDBREAK);
    dc.DrawText("AUVO Hörtest-Programm  -  Messung: Unbenannt", CRect(100, 620, 1100, 900),
                DT_CENTER | DT_WORDBREAK);
    dc.SetBkMode(TRANSPARENT);
    dc.DrawText("Vergleichsdokument: Vormessung.auvo", CRect(680, 300, 1150, 340), 0);
}

QImage Draw(int fontHeight, bool shifted) {
    QImage image(kWidth + 1, kHeight, QImage::Format_RGB32);
    image.fill(QColor(230, 230, 230));
    QPainter painter(&image);
    if (shifted)
        painter.translate(1, 0);
    DeviceCaps caps;
    caps.horzRes = kWidth;
    caps.vertRes = kHeight;
    caps.logPixelsX = caps.logPixelsY = 96;
    // Twice: the second time from what the first left in the caches.
    for (int pass = 0; pass < 2; ++pass) {
        CQtDC dc(&painter, caps, false);
        DrawScene(dc, fontHeight);
    }
    return image;
}

void ExpectSamePixels(int fontHeight) {
    const QImage fast = Draw(fontHeight, false);
    const QImage qt = Draw(fontHeight, true);
    int differing = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            differing += fast.pixel(x, y) != qt.pixel(x + 1, y) ? 1 : 0;
    EXPECT_EQ(differing, 0) << "font height " << fontHeight;
}

// Screen labels come from Qt's glyph cache, print-sized ones are filled as outlines.
TEST(QtDCShortcutsTest, LabelsTextsAndDottedLinesHaveQtsOwnPixels) {
    ExpectSamePixels(16);
    ExpectSamePixels(90);
}

} // namespace
