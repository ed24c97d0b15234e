#pragma once
// The drawing frame of one page: 0.1 mm mapping, page width from the device, layout, header,
// the four diagrams where visible, comment, comparison line and footer, and the protocol
// lines about the device.

#include "platform/dc/CDC.h"

#include <string>

class CAUVOView;
class CPageLayout;

class CPagePainter {
public:
    explicit CPagePainter(CAUVOView& view) : m_view(view) {}

    void Draw(CDC& dc);

    // Name of a device technology for the protocol.
    static const char* TechnologyName(int technology);
    // The beginning of the comment that can show in its rectangle on this device.
    static std::string VisibleComment(const CDC& dc, const std::string& comment, const CRect& rect);
    // Page width in 0.1 mm of a device in MM_LOMETRIC: the printable width when printing,
    // else a window's client width in pixels.
    static int PageWidthOf(const CDC& dc, int clientWidth);
    // "<credit> - AUVO Version 2.10".
    static std::string FooterText();

private:
    void TraceDevice(const CDC& dc) const;
    // Traces the mapping and returns the page width in 0.1 mm.
    int PageWidth(const CDC& dc) const;
    void DrawHeader(CDC& dc, const CPageLayout& layout) const;
    void DrawDiagrams(CDC& dc, const CPageLayout& layout) const;
    void DrawComment(CDC& dc, const CPageLayout& layout, const std::string& comment) const;
    void DrawComparison(CDC& dc, const CPageLayout& layout) const;
    void DrawFooter(CDC& dc, const CPageLayout& layout) const;

    CAUVOView& m_view;
};
