#pragma once
// Where each piece of the page goes, in 0.1 mm with y upwards (everything has negative y).
// Rectangles are (left, top, right, bottom) with top above bottom.

#include "platform/dc/CRect.h"

#include <string>

class CPageLayout {
public:
    static constexpr int kLeft = 50;         // 5 mm left margin
    static constexpr int kRightMargin = 100; // 10 mm right margin
    static constexpr int kRowHeight = 600;   // 60 mm per diagram row
    static constexpr int kLineHeight = 50;   // per comment line
    static constexpr int kCharsPerLine = 80;

    struct Input {
        int pageWidth = 0; // W
        bool showHTD = false;
        bool showTTD = false;
        bool together = false;
        bool hasComparison = false;
        std::string comment; // UTF-8
    };

    explicit CPageLayout(const Input& in);

    // Lines reserved for a comment: line feeds + 1, or characters / 80 + 1, the larger.
    static int CommentLines(const std::string& comment);

    const CRect& Header() const { return m_header; }
    // side 0 left, any other right
    const CRect& Audiogram(int side) const { return side == 0 ? m_htdLeft : m_htdRight; }
    const CRect& Tinnitus(int side) const { return side == 0 ? m_ttdLeft : m_ttdRight; }
    const CRect& Comment() const { return m_comment; }
    const CRect& Comparison() const { return m_comparison; }
    const CRect& Footer() const { return m_footer; }

private:
    CRect m_header;
    CRect m_htdLeft;
    CRect m_htdRight;
    CRect m_ttdLeft;
    CRect m_ttdRight;
    CRect m_comment;
    CRect m_comparison;
    CRect m_footer;
};
