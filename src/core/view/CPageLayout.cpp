#include "core/view/CPageLayout.h"

#include <algorithm>

int CPageLayout::CommentLines(const std::string& comment) {
    // Branch-free sums, as this runs over the whole comment at every repaint.
    std::size_t feeds = 0;
    std::size_t continuations = 0; // characters are counted, not UTF-8 bytes
    for (unsigned char c : comment) {
        feeds += c == '\n' ? 1 : 0;
        continuations += (c & 0xC0) == 0x80 ? 1 : 0;
    }
    const std::size_t chars = comment.size() - continuations;
    return static_cast<int>(std::max(1 + feeds, chars / kCharsPerLine + 1));
}

CPageLayout::CPageLayout(const Input& in) {
    const int L = kLeft;
    const int R = in.pageWidth - kRightMargin;
    const int ha = in.showHTD ? kRowHeight : 0;
    const int ht = in.showTTD ? kRowHeight : 0;

    m_header = CRect(L, -50, R, -250);

    const int rowTop = m_header.bottom - 50;
    if (in.together) {
        m_htdLeft = CRect(L, rowTop, R, rowTop - ha);
        m_htdRight = m_htdLeft;
    } else {
        m_htdLeft = CRect(L, rowTop, L + (R - L) / 2 - 50, rowTop - ha);
        m_htdRight = CRect(m_htdLeft.right + 100, rowTop, R, rowTop - ha);
    }

    auto below = [ht](const CRect& a) {
        return CRect(a.left, a.bottom - 50, a.right, a.bottom - 50 - ht);
    };
    m_ttdLeft = below(m_htdLeft);
    m_ttdRight = below(m_htdRight);

    const int top = m_ttdLeft.bottom - 100;
    m_comment = CRect(L, top, R, top - kLineHeight * CommentLines(in.comment));

    if (in.hasComparison)
        m_comparison = CRect(L, m_comment.bottom - 100, R, m_comment.bottom - 170);
    else
        m_comparison = CRect(L, m_comment.bottom, R, m_comment.bottom - 1);

    m_footer = CRect(L, m_comparison.bottom - 100, R, m_comparison.bottom - 170);
}
