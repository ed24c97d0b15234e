// Tinnitus row only, page width 2100: hit rectangles left (170, -900, 975, -400) and right
// (1195, -900, 2000, -400). At 254 dpi the client point (x, y) is the logical (x, -y).
#include "ViewTestSupport.h"

#include "core/sound/CSinusTone.h"

namespace {

struct Hit {
    int side = -7;
    double frequency = -7.0;
    int level = -7;
    bool ok = false;
};

} // namespace

class ViewMappingTest : public ViewTest {
protected:
    ViewMappingTest() {
        m_view.m_bShowTTD = true;
        auto dc = ScreenDC();
        m_view.OnDraw(*dc);
    }
    Hit At(int x, int y) {
        Hit h;
        h.ok = m_view.ClientToTT(CPoint(x, y), h.side, h.frequency, h.level);
        return h;
    }
};

TEST_F(ViewMappingTest, HitRectanglesFollowTheDrawing) {
    EXPECT_EQ(m_view.m_rectLinks, CRect(170, -900, 975, -400));
    EXPECT_EQ(m_view.m_rectRechts, CRect(1195, -900, 2000, -400));
}

TEST_F(ViewMappingTest, AxisTopLineAndRightEdge) {
    const Hit axis = At(500, 900); // on the frequency axis
    ASSERT_TRUE(axis.ok);
    EXPECT_EQ(axis.side, 0);
    EXPECT_EQ(axis.level, 0);
    EXPECT_NEAR(axis.frequency, 330.0 / 80.5 * 1000.0, 1e-6);

    const Hit belowTop = At(500, 401);
    ASSERT_TRUE(belowTop.ok);
    EXPECT_EQ(belowTop.level, 7000);

    const Hit top = At(500, 400);
    EXPECT_FALSE(top.ok);
    EXPECT_EQ(top.side, -7); // outputs untouched
    EXPECT_EQ(top.frequency, -7.0);
    EXPECT_EQ(top.level, -7);

    EXPECT_FALSE(At(975, 600).ok);
    const Hit lastColumn = At(974, 600);
    ASSERT_TRUE(lastColumn.ok);
    EXPECT_NEAR(lastColumn.frequency, 804.0 / 80.5 * 1000.0, 1e-6); // just below 10 kHz

    const Hit levelAxis = At(170, 600);
    ASSERT_TRUE(levelAxis.ok);
    EXPECT_EQ(levelAxis.frequency, 0.0);

    EXPECT_FALSE(At(169, 600).ok);
    EXPECT_FALSE(At(1000, 600).ok); // the gap between the diagrams
}

TEST_F(ViewMappingTest, RightDiagramLogarithmicAxisAndTogetherMode) {
    const Hit right = At(1195 + 80, 650);
    ASSERT_TRUE(right.ok);
    EXPECT_EQ(right.side, 1);
    // q = (-400 + 650) / (-500 / 70) = -35 -> (10 - 35 + 60) * 100.
    EXPECT_EQ(right.level, 3500);

    m_view.m_bLogDarst = true;
    const Hit log = At(170, 600);
    ASSERT_TRUE(log.ok);
    EXPECT_LT(log.frequency, 100.0); // m is truncated
    EXPECT_GT(log.frequency, 99.0);

    m_view.m_bZusammen = true;
    auto dc = ScreenDC();
    m_view.OnDraw(*dc);
    EXPECT_EQ(m_view.m_rectLinks, m_view.m_rectRechts);
    EXPECT_EQ(At(300, 600).side, 1);
}

TEST_F(ViewMappingTest, ProtocolLineAtDebugLevelTen) {
    m_app.m_nDebugLevel = 10;
    ClearProtocol();
    At(500, 900);
    const auto lines = ProtocolLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "CAUVOView::ClientToTT( 500, -900 ) in LINKS,  4099.38 Hz, 0 mBel");
}

TEST_F(ViewMappingTest, InvalidateSideUsesDevicePixels) {
    m_window.invalidated.clear();
    m_view.InvalidateSide(3); // anything but 0 is the right diagram
    m_view.InvalidateSide(0);
    ASSERT_EQ(m_window.invalidated.size(), 2u);
    EXPECT_EQ(m_window.invalidated[0], CRect(1195, 400, 2000, 900));
    EXPECT_EQ(m_window.invalidated[1], CRect(170, 400, 975, 900));
    EXPECT_TRUE(m_window.erased[0]);
}

TEST_F(ViewMappingTest, SelectionRepaintsTheSidesInvolved) {
    CSinusTone* a = AddTone(m_doc, 0, 1000.0, 1000);
    CSinusTone* b = AddTone(m_doc, 0, 2000.0, 1000);
    const CRect left(170, 400, 975, 900);
    const CRect right(1195, 400, 2000, 900);

    m_window.invalidated.clear();
    m_view.SetSelectedTone(a, 0); // new side 0, old "no side" repaints the right one
    EXPECT_EQ(m_window.invalidated, (std::vector<CRect>{left, right}));

    m_window.invalidated.clear();
    m_view.SetSelectedTone(a, 0);
    EXPECT_TRUE(m_window.invalidated.empty());
    m_view.SetSelectedTone(b, 0);
    EXPECT_EQ(m_window.invalidated, (std::vector<CRect>{left}));

    int side = -1;
    EXPECT_EQ(m_view.GetSelectedTone(&side), b);
    EXPECT_EQ(side, 0);

    m_window.invalidated.clear();
    m_view.SetSelectedTone(nullptr, CAUVOView::kNoSide);
    EXPECT_EQ(m_window.invalidated, (std::vector<CRect>{left}));
    EXPECT_EQ(m_view.GetSelectedTone(&side), nullptr);
    EXPECT_EQ(side, 3);
}
