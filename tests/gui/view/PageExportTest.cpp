#include "ViewGuiTestSupport.h"

#include "core/app/StringTable.h"
#include "core/view/CAUVOView.h"
#include "gui/view/CPageOutput.h"

#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

#include <filesystem>

namespace {

using namespace viewgui;

class PageExportTest : public testing::Test {
protected:
    PageExportTest() : data(folder) {
        data.Fill();
        view.SetDocument(&data.doc);
        view.m_bShowHTD = true;
        view.m_bShowTTD = true;
    }
    ~PageExportTest() override { view.SetDocument(nullptr); }

    QImage ExportPng(int dpi) {
        const QString path = QString::fromStdString(folder.Path() + "/page.png");
        QString error;
        EXPECT_TRUE(CPageOutput::WritePng(view, path, dpi, error)) << error.toStdString();
        return QImage(path);
    }

    TempFolder folder;
    AppWithDocument data;
    CAUVOView view{&data.app};
};

TEST_F(PageExportTest, PngIsAnA4SheetAtTheRequestedResolution) {
    EXPECT_EQ(ExportPng(150).size(), QSize(1240, 1754));
    const QImage small = ExportPng(72);
    EXPECT_EQ(small.size(), QSize(595, 842));
    EXPECT_NEAR(small.dotsPerMeterX() * 0.0254, 72, 0.5);
    EXPECT_EQ(small.pixelColor(2, 2), QColor(Qt::white));
}

TEST_F(PageExportTest, TonesAndCurvesHaveTheirEarColoursAtTheComputedPlaces) {
    // The selected tone is drawn in its ear colour on paper, never black.
    view.SetSelectedTone(data.doc.m_TinnitusDaten.GetTone(0, 1), 1);
    const auto calls = RecordA4(view);
    const QImage image = ExportPng(150);

    int circles = 0;
    for (const auto& c : calls) {
        if (c.kind != CRecordingDC::Kind::Ellipse)
            continue;
        ++circles;
        EXPECT_TRUE(c.brush.GetColor() == kRight || c.brush.GetColor() == kLeft);
        const CPoint centre((c.rect.left + c.rect.right) / 2, (c.rect.top + c.rect.bottom) / 2);
        EXPECT_TRUE(HasColourNear(image, centre, c.brush.GetColor()))
            << "circle at " << centre.x << ", " << centre.y;
    }
    EXPECT_EQ(circles, 2);

    // The measured lines are drawn last in their diagrams: their middles show the ear colour.
    int segments = 0;
    for (const auto& c : calls) {
        if (c.kind != CRecordingDC::Kind::Line || c.pen.GetWidth() != 3 ||
            (c.pen.GetColor() != kRight && c.pen.GetColor() != kLeft))
            continue;
        if (c.from.x == c.to.x)
            continue; // tone stems, covered by the circles
        ++segments;
        const CPoint middle((c.from.x + c.to.x) / 2, (c.from.y + c.to.y) / 2);
        EXPECT_TRUE(HasColourNear(image, middle, c.pen.GetColor()))
            << "segment middle at " << middle.x << ", " << middle.y;
    }
    EXPECT_GE(segments, 10);
}

// Together, the right ear's diagram is drawn over the left one's: its dotted grid line at
// 4 kHz must not erase the left ear's tone standing there.
TEST_F(PageExportTest, TogetherModeKeepsBothEarsStemsOnGridLines) {
    view.m_bZusammen = true;
    const auto calls = RecordA4(view);
    const QImage image = ExportPng(72); // stem and grid one pixel wide, the stem blended
    int stems = 0;
    for (const auto& c : calls) {
        const COLORREF colour = c.pen.GetColor();
        if (c.kind != CRecordingDC::Kind::Line || c.pen.GetWidth() != 3 || c.from.x != c.to.x ||
            (colour != kRight && colour != kLeft))
            continue;
        ++stems;
        int points = 0;
        int shown = 0;
        for (int y = std::min(c.from.y, c.to.y) + 20; y < std::max(c.from.y, c.to.y) - 20; y += 3) {
            ++points;
            shown += HasColourNear(image, CPoint(c.from.x, y), colour, 150) ? 1 : 0;
        }
        EXPECT_GT(shown, points * 9 / 10) << "stem at " << c.from.x;
    }
    EXPECT_EQ(stems, 2);
}

TEST_F(PageExportTest, PdfIsWrittenAndAFailedExportLeavesNoFile) {
    const QString pdf = QString::fromStdString(folder.Path() + "/page.pdf");
    QString error;
    ASSERT_TRUE(CPageOutput::WritePdf(view, pdf, error)) << error.toStdString();
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5).startsWith("%PDF-"));
    EXPECT_GT(file.size(), 1000);

    const QString missing = QString::fromStdString(folder.Path() + "/fehlt/page.png");
    EXPECT_FALSE(CPageOutput::WritePng(view, missing, 150, error));
    EXPECT_TRUE(error.contains(QStringLiteral("fehlt/page.png"))) << error.toStdString();
    EXPECT_FALSE(QFile::exists(missing));
    // The cause in German, as for every other export.
    const QString missingPdf = QString::fromStdString(folder.Path() + "/fehlt/page.pdf");
    EXPECT_FALSE(CPageOutput::WritePdf(view, missingPdf, error));
    EXPECT_EQ(error.toStdString(),
              StringTable::Format(StringTable::kFileNotSaved, missingPdf.toStdString(),
                                  "Datei nicht gefunden"));
}

TEST_F(PageExportTest, PageIsTwentyOneHundredUnitsWideAtAnyResolution) {
    // The footer's rectangle ends 10 mm before the page's right edge.
    const auto calls = RecordA4(view);
    int rightmost = 0;
    for (const auto& c : calls)
        if (c.kind == CRecordingDC::Kind::DrawText)
            rightmost = std::max(rightmost, c.rect.right);
    EXPECT_EQ(rightmost, 2000);
}

} // namespace
