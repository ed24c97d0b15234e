#include "gui/view/CQtDC.h"
#include "platform/dc/CRecordingDC.h"

#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

// An A4 sheet as image: 0.1 mm per logical unit, y upwards.
class QtDCTest : public testing::Test {
protected:
    explicit QtDCTest(int dpi = 150) {
        image = QImage(qRound(210 / 25.4 * dpi), qRound(297 / 25.4 * dpi), QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(dpi / 0.0254));
        image.setDotsPerMeterY(qRound(dpi / 0.0254));
        image.fill(Qt::white);
        painter.begin(&image);
        dc = std::make_unique<CQtDC>(&painter, CQtDC::PageCaps(image), true);
        dc->SetMapMode(MM_LOMETRIC);
        const CQtDC::Caps caps = CQtDC::PageCaps(image);
        mapper.SetCaps(
            {caps.horzRes, caps.vertRes, caps.logPixelsX, caps.logPixelsY, 1, 24, DT_RASPRINTER});
        mapper.SetMapMode(MM_LOMETRIC);
    }
    ~QtDCTest() override { Finish(); }
    QColor At(CPoint logical) {
        mapper.LPtoDP(&logical);
        return image.pixelColor(logical.x, logical.y);
    }
    void Finish() {
        dc.reset();
        if (painter.isActive())
            painter.end();
    }
    // Bounding box (device) of all pixels that are not white.
    QRect Ink() const {
        QRect box;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != qRgb(255, 255, 255))
                    box |= QRect(x, y, 1, 1);
        return box;
    }
    QImage image;
    QPainter painter;
    std::unique_ptr<CQtDC> dc;
    CRecordingDC mapper; // the same mapping, usable after painting ended
};

TEST_F(QtDCTest, A4PageIsTwentyOneHundredUnitsWideWithYUpwards) {
    const double scale = static_cast<double>(dc->GetDeviceCaps(HORZRES)) / dc->GetViewportExt().cx;
    EXPECT_EQ(static_cast<int>(dc->GetWindowExt().cx * scale), 2100);
    CPoint p(1050, -1485);
    dc->LPtoDP(&p);
    EXPECT_NEAR(p.x, image.width() / 2, 1);
    EXPECT_NEAR(p.y, image.height() / 2, 1);
}

TEST_F(QtDCTest, PensAndBrushesLandOnTheMappedPixels) {
    dc->SelectObject(CPen(PS_SOLID, 0, RGB(255, 0, 0)));
    dc->MoveTo(100, -100);
    dc->LineTo(1000, -100);
    dc->SelectObject(CPen(PS_SOLID, 3, RGB(0, 0, 255)));
    dc->SelectObject(CBrush(RGB(0, 0, 255)));
    dc->Ellipse(485, -485, 515, -515);
    dc->SelectObject(CPen(PS_SOLID, 0, RGB(0, 128, 0)));
    dc->SelectObject(CBrush::Stock(HOLLOW_BRUSH));
    dc->Ellipse(1000, -1000, 1400, -1400);
    Finish();
    EXPECT_EQ(At({500, -100}), QColor(255, 0, 0));
    EXPECT_EQ(At({500, -130}), QColor(Qt::white));
    EXPECT_EQ(At({500, -500}), QColor(0, 0, 255));
    EXPECT_EQ(At({1200, -1200}), QColor(Qt::white)) << "a hollow brush leaves the inside";
    EXPECT_EQ(At({1200, -1000}), QColor(0, 128, 0));
}

TEST_F(QtDCTest, LogicalPenWidthsScaleWithTheDevice) {
    dc->SelectObject(CPen(PS_SOLID, 30, RGB(0, 0, 0)));
    dc->MoveTo(100, -500);
    dc->LineTo(1000, -500);
    Finish();
    // 3 mm at 150 dpi is about 18 pixels.
    const QRect ink = Ink();
    EXPECT_NEAR(ink.height(), 30 * 150 / 254.0, 2);
}

TEST_F(QtDCTest, FontCellHeightIsInLogicalUnits) {
    LOGFONT lf;
    lf.lfHeight = 50;
    lf.lfWeight = 500;
    lf.lfFaceName = "Arial";
    CFont font;
    ASSERT_TRUE(dc->CreateFont(font, lf));
    dc->SelectObject(font);
    EXPECT_NEAR(dc->GetTextExtent("Hg").cy, 50, 2);
    EXPECT_TRUE(
        QFontDatabase::families().contains(CQtDC::ResolveFamily("Arial"), Qt::CaseInsensitive));
}

TEST_F(QtDCTest, TextOutAlignsAtTheReferencePoint) {
    LOGFONT lf;
    lf.lfHeight = 40;
    lf.lfFaceName = "Arial";
    CFont font;
    ASSERT_TRUE(dc->CreateFont(font, lf));
    dc->SelectObject(font);
    dc->SetTextColor(RGB(255, 0, 0));
    dc->SetTextAlign(TA_RIGHT | TA_BASELINE);
    dc->TextOut(1000, -1000, "-60");
    dc->SetTextAlign(TA_CENTER | TA_TOP);
    dc->TextOut(1000, -2000, "kHz");
    Finish();

    CPoint right(1000, -1000);
    mapper.LPtoDP(&right);
    CPoint top(1000, -2000);
    mapper.LPtoDP(&top);
    QRect upper;
    QRect lower;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                (y < (right.y + top.y) / 2 ? upper : lower) |= QRect(x, y, 1, 1);
    EXPECT_LE(upper.right(), right.x);
    EXPECT_GE(upper.right(), right.x - 3);
    EXPECT_LE(upper.bottom(), right.y + 1);
    EXPECT_GE(lower.top(), top.y);
    EXPECT_NEAR((lower.left() + lower.right()) / 2.0, top.x, 3);
    EXPECT_EQ(image.pixelColor(upper.center()).red() > 0, true);
}

TEST_F(QtDCTest, DrawTextWrapsAndClipsToItsRectangle) {
    LOGFONT lf;
    lf.lfHeight = 50;
    lf.lfFaceName = "Arial";
    CFont font;
    ASSERT_TRUE(dc->CreateFont(font, lf));
    dc->SelectObject(font);
    const CRect rect(100, -100, 700, -200); // room for two lines
    const std::string text = "eins zwei drei vier fuenf sechs sieben acht neun zehn elf zwoelf";
    const int height = dc->DrawText(text, rect, DT_WORDBREAK);
    EXPECT_GE(height, 150) << "wrapped to three lines or more";
    Finish();
    CRect device = rect;
    mapper.LPtoDP(&device);
    device.NormalizeRect();
    const QRect ink = Ink();
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.top(), device.top);
    EXPECT_LT(ink.bottom(), device.bottom);
    EXPECT_LT(ink.right(), device.right);
}

TEST_F(QtDCTest, LineFeedsBreakLinesAndCrLfDrawsNoGlyph) {
    LOGFONT lf;
    lf.lfHeight = 50;
    lf.lfFaceName = "Arial";
    CFont font;
    ASSERT_TRUE(dc->CreateFont(font, lf));
    dc->SelectObject(font);
    EXPECT_NEAR(dc->DrawText("a\r\nb\nc", CRect(100, -100, 2000, -1000), DT_WORDBREAK), 150, 6);
}

TEST_F(QtDCTest, VisibilityFollowsTheClipRegion) {
    dc->SetClipDevice(QRect(0, 0, 100, 100));
    EXPECT_TRUE(dc->RectVisible(CRect(0, 0, 100, -100)));
    EXPECT_FALSE(dc->RectVisible(CRect(0, -1000, 100, -1100)));
}

} // namespace

class QtDCAt300Dpi : public QtDCTest {
protected:
    QtDCAt300Dpi() : QtDCTest(300) {}
};

// A dotted grid line over a tone's stem: the stem shows in its gaps, also after a text
// (whose background is opaque), and the dots stay about 0.3 mm long at print resolutions.
TEST_F(QtDCAt300Dpi, DottedLinesHaveTransparentGapsAndVisibleDots) {
    dc->SelectObject(CPen(PS_SOLID, 20, RGB(0, 0, 255)));
    dc->MoveTo(100, -500);
    dc->LineTo(1000, -500);
    dc->TextOut(100, -1000, "4");
    dc->SelectObject(CPen(PS_DOT, 0, RGB(0, 0, 0)));
    dc->MoveTo(100, -500);
    dc->LineTo(1000, -500);
    Finish();

    CPoint from(200, -500);
    CPoint to(900, -500);
    mapper.LPtoDP(&from);
    mapper.LPtoDP(&to);
    int blue = 0;
    int dots = 0;
    int dotPixels = 0;
    bool inDot = false;
    for (int x = from.x; x < to.x; ++x) {
        const QColor c = image.pixelColor(x, from.y);
        const bool black = c == QColor(Qt::black);
        ASSERT_TRUE(black || c == QColor(0, 0, 255)) << x;
        blue += black ? 0 : 1;
        dotPixels += black ? 1 : 0;
        dots += black && !inDot ? 1 : 0;
        inDot = black;
    }
    ASSERT_GT(dots, 10);
    EXPECT_GT(blue, (to.x - from.x) / 2);
    const double dotMM = 25.4 / 300 * dotPixels / dots;
    EXPECT_GT(dotMM, 0.2);
    EXPECT_LT(dotMM, 0.45);
}
