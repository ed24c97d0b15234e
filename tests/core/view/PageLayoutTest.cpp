#include "core/view/CPageLayout.h"
#include "core/view/CommentHead.h"

#include <gtest/gtest.h>

#include <string>

namespace {

CPageLayout Layout(int w, bool htd, bool ttd, bool together = false, bool comparison = false,
                   const std::string& comment = {}) {
    CPageLayout::Input in;
    in.pageWidth = w;
    in.showHTD = htd;
    in.showTTD = ttd;
    in.together = together;
    in.hasComparison = comparison;
    in.comment = comment;
    return CPageLayout(in);
}

} // namespace

// A4 width: L = 50, R = 2000, halves split at 50 + 1950/2 = 1025 with a 100-unit gap.
TEST(PageLayout, BothRowsSideBySide) {
    const CPageLayout p = Layout(2100, true, true);
    EXPECT_EQ(p.Header(), CRect(50, -50, 2000, -250));
    EXPECT_EQ(p.Audiogram(0), CRect(50, -300, 975, -900));
    EXPECT_EQ(p.Audiogram(1), CRect(1075, -300, 2000, -900));
    EXPECT_EQ(p.Tinnitus(0), CRect(50, -950, 975, -1550));
    EXPECT_EQ(p.Tinnitus(1), CRect(1075, -950, 2000, -1550));
    EXPECT_EQ(p.Comment(), CRect(50, -1650, 2000, -1700));
    // No comparison: one unit high, so the footer starts 101 below the comment.
    EXPECT_EQ(p.Comparison(), CRect(50, -1700, 2000, -1701));
    EXPECT_EQ(p.Footer(), CRect(50, -1801, 2000, -1871));
}

TEST(PageLayout, RowsSwitchedOffKeepTheirGap) {
    const CPageLayout ttdOnly = Layout(2100, false, true);
    EXPECT_EQ(ttdOnly.Audiogram(0), CRect(50, -300, 975, -300));
    EXPECT_EQ(ttdOnly.Tinnitus(0), CRect(50, -350, 975, -950));
    EXPECT_EQ(ttdOnly.Comment().top, -1050);

    const CPageLayout htdOnly = Layout(2100, true, false);
    EXPECT_EQ(htdOnly.Tinnitus(1), CRect(1075, -950, 2000, -950));
    EXPECT_EQ(htdOnly.Comment().top, -1050);

    const CPageLayout none = Layout(2100, false, false);
    EXPECT_EQ(none.Tinnitus(0), CRect(50, -350, 975, -350));
    EXPECT_EQ(none.Comment(), CRect(50, -450, 2000, -500));
}

TEST(PageLayout, TogetherSharesOneRectanglePerRow) {
    const CPageLayout p = Layout(2100, true, true, true);
    EXPECT_EQ(p.Audiogram(0), CRect(50, -300, 2000, -900));
    EXPECT_EQ(p.Audiogram(1), p.Audiogram(0));
    EXPECT_EQ(p.Tinnitus(0), CRect(50, -950, 2000, -1550));
    EXPECT_EQ(p.Tinnitus(1), p.Tinnitus(0));
}

TEST(PageLayout, ComparisonLineAndFooter) {
    const CPageLayout p = Layout(2100, true, true, false, true);
    EXPECT_EQ(p.Comparison(), CRect(50, -1800, 2000, -1870));
    EXPECT_EQ(p.Footer(), CRect(50, -1970, 2000, -2040)); // 270 below the comment
}

TEST(PageLayout, HalvingTruncatesTowardZero) {
    // W = 2101: (2001 - 50) / 2 = 975.
    EXPECT_EQ(Layout(2101, true, true).Audiogram(0).right, 975);
    // A window narrower than the margins: (-100 - 50) / 2 = -75, not -76.
    const CPageLayout tiny = Layout(0, true, true);
    EXPECT_EQ(tiny.Audiogram(0), CRect(50, -300, -75, -900));
    EXPECT_EQ(tiny.Audiogram(1), CRect(25, -300, -100, -900));
}

TEST(PageLayout, CommentLines) {
    EXPECT_EQ(CPageLayout::CommentLines(""), 1);
    EXPECT_EQ(CPageLayout::CommentLines(std::string(79, 'x')), 1);
    EXPECT_EQ(CPageLayout::CommentLines(std::string(80, 'x')), 2);
    EXPECT_EQ(CPageLayout::CommentLines(std::string(200, 'x')), 3);
    EXPECT_EQ(CPageLayout::CommentLines("ab\ncd\nef\ngh\nij"), 5); // four line feeds
    // Umlauts are one character each, not two bytes.
    std::string umlauts;
    for (int i = 0; i < 79; ++i)
        umlauts += "\xC3\xA4";
    EXPECT_EQ(CPageLayout::CommentLines(umlauts), 1);

    const CPageLayout p = Layout(2100, true, true, false, false, std::string(200, 'x'));
    EXPECT_EQ(p.Comment(), CRect(50, -1650, 2000, -1800));
    EXPECT_EQ(p.Footer().top, -1901);
}

TEST(PageLayout, CommentHeadKeepsWhatFitsTheLines) {
    EXPECT_EQ(CommentHead("ab\r\ncd\nef", 1000, 2), "ab\r\ncd");
    EXPECT_EQ(CommentHead("ab\ncd", 1000, 5), "ab\ncd");
    EXPECT_EQ(CommentHead("ab", 1000, 0), "");
    const int twoChars = 2 * kMinCommentCharWidth;
    EXPECT_EQ(CommentHead("abcdefg", twoChars, 3), "abcdef");
    EXPECT_EQ(CommentHead("\xC3\xA4\xC3\xB6\xC3\xBC", twoChars, 1), "\xC3\xA4\xC3\xB6");
}
