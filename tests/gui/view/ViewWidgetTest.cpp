#include "ViewGuiTestSupport.h"

#include "core/sound/CSinusTone.h"
#include "core/tinnitus/CTool.h"
#include "core/view/CAUVOView.h"
#include "gui/document/CDocManager.h"
#include "gui/document/IDocumentDialogs.h"
#include "gui/view/CAUVOViewWidget.h"

#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

namespace {

using namespace viewgui;

class ViewWidgetTest : public testing::Test {
protected:
    ViewWidgetTest() : data(folder), widget(&data.app) {
        data.Fill();
        widget.resize(900, 700);
        widget.AttachDocument(&data.doc);
        widget.View().m_bShowHTD = true;
        widget.View().m_bShowTTD = true;
    }
    ~ViewWidgetTest() override { widget.AttachDocument(nullptr); }

    // What the widget draws, recorded on a screen context of the same window; left in
    // the page's mapping for converting the recorded points.
    std::unique_ptr<CRecordingDC> Record() {
        const CQtDC::Caps s = widget.ScreenCaps();
        auto dc = std::make_unique<CRecordingDC>(CRecordingDC::Caps{
            s.horzRes, s.vertRes, s.logPixelsX, s.logPixelsY, 1, 32, DT_RASDISPLAY});
        widget.View().OnDraw(*dc);
        dc->SetMapMode(MM_LOMETRIC);
        return dc;
    }

    TempFolder folder;
    AppWithDocument data;
    CAUVOViewWidget widget;
};

TEST_F(ViewWidgetTest, SelectedToneIsBlackOnScreenAndTheOthersKeepTheirEarColour) {
    widget.View().SetSelectedTone(data.doc.m_TinnitusDaten.GetTone(0, 1), 1);
    const QImage image = widget.grab().toImage();
    auto dc = Record();

    std::vector<QColor> seen;
    for (const auto& c : dc->CallsOf(CRecordingDC::Kind::Ellipse)) {
        CPoint centre((c.rect.left + c.rect.right) / 2, (c.rect.top + c.rect.bottom) / 2);
        dc->LPtoDP(&centre);
        seen.push_back(image.pixelColor(centre.x, centre.y));
    }
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_NE(std::find(seen.begin(), seen.end(), QColor(0, 0, 0)), seen.end());
    EXPECT_NE(std::find(seen.begin(), seen.end(), QColor(0, 0, 255)), seen.end());
}

TEST_F(ViewWidgetTest, PageStartsTopLeftOnWhiteAndFollowsTheWindowWidth) {
    for (int width : {900, 600}) {
        widget.resize(width, 700);
        const QImage image = widget.grab().toImage();
        auto dc = Record();
        int right = 0;
        int top = 0;
        for (const auto& c : dc->CallsOf(CRecordingDC::Kind::DrawText)) {
            CRect r = c.rect;
            dc->LPtoDP(&r);
            right = std::max(right, r.right);
            if (c.text.find("Hörtest-Programm") != std::string::npos)
                top = r.top;
        }
        // 10 mm right margin at the window's resolution; the header 5 mm below the top.
        EXPECT_NEAR(right, width - 100 * widget.logicalDpiX() / 254.0, 2) << width;
        EXPECT_NEAR(top, 50 * widget.logicalDpiY() / 254.0, 1) << width;
        EXPECT_EQ(image.pixelColor(width - 2, 2), QColor(Qt::white));
        EXPECT_EQ(image.pixelColor(2, image.height() - 2), QColor(Qt::white));
    }
}

// A tool under a number of its own that notes what reaches it.
class RecordingTool : public CTool {
public:
    using CTool::CTool;
    void OnLButtonDown(IToolView&, unsigned, CPoint p) override { got.emplace_back("down", p); }
    void OnLButtonUp(IToolView&, unsigned, CPoint p) override { got.emplace_back("up", p); }
    void OnRButtonUp(IToolView&, unsigned, CPoint p) override { got.emplace_back("right", p); }
    void OnMouseMove(IToolView&, unsigned, CPoint) override {}
    std::vector<std::pair<std::string, CPoint>> got;
};

TEST_F(ViewWidgetTest, MouseMessagesGoToTheCurrentTool) {
    EXPECT_EQ(widget.CurrentTool(), 0) << "the initial update makes the selection tool current";
    RecordingTool first(40);
    RecordingTool second(41);
    widget.SetCurrentTool(40);
    QTest::mouseClick(&widget, Qt::LeftButton, {}, QPoint(30, 40));
    widget.SetCurrentTool(41);
    QTest::mouseClick(&widget, Qt::RightButton, {}, QPoint(50, 60));
    widget.SetCurrentTool(CTool::kSelectTool);

    using Got = std::vector<std::pair<std::string, CPoint>>;
    EXPECT_EQ(first.got, (Got{{"down", CPoint(30, 40)}, {"up", CPoint(30, 40)}}));
    EXPECT_EQ(second.got, (Got{{"right", CPoint(50, 60)}}));
}

class NoDialogs : public IDocumentDialogs {
public:
    QString GetOpenFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    QStringList GetOpenFileNames(QWidget*, const QString&, const QString&,
                                 const QString&) override {
        return {};
    }
    QString GetSaveFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    SaveAnswer AskSaveChanges(QWidget*, const QString&) override { return SaveAnswer::No; }
};

TEST_F(ViewWidgetTest, EveryNewDocumentRereadsTheDisplaySettingsAndDropsTheSelection) {
    widget.AttachDocument(nullptr);
    NoDialogs dialogs;
    CDocManager documents(data.app, dialogs);
    WriteIni(folder, "VIEW_HTD=0\nVIEW_TTD=1\nVIEW_LOGDARST=1\n");
    widget.FollowDocuments(documents);
    EXPECT_EQ(widget.Document(), &documents.Document());
    EXPECT_TRUE(widget.View().m_bLogDarst);

    widget.View().m_bLogDarst = false;
    widget.View().m_bShowHTD = true;
    documents.Document().m_TinnitusDaten.m_pDirectSound = data.device;
    CSinusTone* tone = documents.Document().m_TinnitusDaten.NewTone(
        1, 1000.0, data.app.m_lNormalNull + 1000, false);
    widget.View().SetSelectedTone(tone, 1);
    ASSERT_TRUE(documents.OnFileNew());
    EXPECT_TRUE(widget.View().m_bLogDarst);
    EXPECT_FALSE(widget.View().m_bShowHTD);
    EXPECT_TRUE(widget.View().m_bShowTTD);
    EXPECT_EQ(widget.View().GetSelectedTone(), nullptr);
    widget.AttachDocument(nullptr);
}

} // namespace
