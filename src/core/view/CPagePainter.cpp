#include "core/view/CPagePainter.h"

#include "core/app/CBaseApp.h"
#include "core/app/StringTable.h"
#include "core/app/TextFormat.h"
#include "core/document/CAUVODoc.h"
#include "core/view/CAUVOView.h"
#include "core/view/CPageLayout.h"
#include "core/view/CPageStyle.h"
#include "core/view/CSavedDCObjects.h"
#include "core/view/CommentHead.h"
#include "core/view/IViewWindow.h"
#include "core/view/Trunc.h"

#include <algorithm>

namespace {

constexpr const char* kCredit = "(c) ZEB GmbH Varnholm";

} // namespace

const char* CPagePainter::TechnologyName(int technology) {
    switch (technology) {
    case DT_PLOTTER:
        return "PLOTTER";
    case DT_RASDISPLAY:
        return "RASDISPLAY";
    case DT_RASPRINTER:
        return "RASPRINTER";
    case DT_RASCAMERA:
        return "RASCAMERA";
    case DT_CHARSTREAM:
        return "CHARSTREAM";
    case DT_METAFILE:
        return "METAFILE";
    case DT_DISPFILE:
        return "DISPFILE";
    default:
        return "unbekannt";
    }
}

std::string CPagePainter::VisibleComment(const CDC& dc, const std::string& comment,
                                         const CRect& rect) {
    // Lines below the rectangle or the clipping region cannot show.
    CRect clip = dc.GetClipBoxDevice();
    dc.DPtoLP(&clip);
    const long long lowest = std::max(std::min(clip.top, clip.bottom), rect.bottom);
    const long long lines =
        (static_cast<long long>(rect.top) - lowest) / CPageLayout::kLineHeight + 1;
    return CommentHead(comment, rect.Width(), static_cast<int>(std::clamp(lines, 0LL, 1LL << 30)));
}

std::string CPagePainter::FooterText() {
    return FillText(
        std::string(kCredit) + " - %s Version %s",
        {StringTable::Load(StringTable::kAppTitle), StringTable::Load(StringTable::kVersion)});
}

void CPagePainter::TraceDevice(const CDC& dc) const {
    CBaseApp* app = m_view.GetApp();
    if (app == nullptr)
        return;
    app->Trace(5, "CAUVOView::OnDraw: %s, Zus = %d", dc.IsPrinting() ? "Print" : "Draw",
               m_view.m_bZusammen ? 1 : 0);
    app->Trace(5, "DC: %d x %d, HDPI=%d, VDPI=%d, PLANES=%d, BPP=%d, TECHNOLOGY=%s",
               dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES), dc.GetDeviceCaps(LOGPIXELSX),
               dc.GetDeviceCaps(LOGPIXELSY), dc.GetDeviceCaps(PLANES), dc.GetDeviceCaps(BITSPIXEL),
               TechnologyName(dc.GetDeviceCaps(TECHNOLOGY)));
}

int CPagePainter::PageWidth(const CDC& dc) const {
    const CSize viewportExt = dc.GetViewportExt();
    const CSize windowExt = dc.GetWindowExt();
    const CRect client =
        m_view.GetWindow() != nullptr ? m_view.GetWindow()->GetClientRect() : CRect();
    const int pixels = dc.IsPrinting() ? dc.GetDeviceCaps(HORZRES) : client.Width();
    const double scale = static_cast<double>(pixels) / viewportExt.cx;

    if (CBaseApp* app = m_view.GetApp(); app != nullptr) {
        const CPoint vo = dc.GetViewportOrg();
        const CPoint wo = dc.GetWindowOrg();
        app->Trace(5,
                   "VO: %d, %d - WO: %d, %d - VE: %d x %d - WE: %d x %d - Client: %d x %d, "
                   "Scale %f",
                   vo.x, vo.y, wo.x, wo.y, viewportExt.cx, viewportExt.cy, windowExt.cx,
                   windowExt.cy, client.Width(), client.Height(), scale);
    }
    return PageWidthOf(dc, client.Width());
}

int CPagePainter::PageWidthOf(const CDC& dc, int clientWidth) {
    // Page width W in 0.1 mm: the client width, or the printable width when printing.
    const int pixels = dc.IsPrinting() ? dc.GetDeviceCaps(HORZRES) : clientWidth;
    const double scale = static_cast<double>(pixels) / dc.GetViewportExt().cx;
    return Trunc(dc.GetWindowExt().cx * scale);
}

void CPagePainter::DrawHeader(CDC& dc, const CPageLayout& layout) const {
    const CAUVODoc* doc = m_view.GetDocument();
    const std::string title =
        doc != nullptr ? doc->GetTitle() : StringTable::Load(StringTable::kUntitled);
    const std::string date = doc != nullptr ? doc->m_strDatum : std::string();
    dc.SetTextColor(CPageStyle::kBlack);
    dc.DrawText(FillText(StringTable::Load(StringTable::kPageHeader),
                         {StringTable::Load(StringTable::kAppTitle), title, date}),
                layout.Header(), DT_CENTER | DT_WORDBREAK);
}

void CPagePainter::DrawDiagrams(CDC& dc, const CPageLayout& layout) const {
    CAUVODoc* doc = m_view.GetDocument();
    if (doc == nullptr)
        return;
    if (m_view.m_bShowHTD) {
        for (int side = 0; side <= 1; ++side)
            if (dc.RectVisible(layout.Audiogram(side)))
                m_view.DrawTest(dc, *doc, side, layout.Audiogram(side), m_view.m_bLogDarst,
                                m_view.m_bNormalkurve);
    }
    if (m_view.m_bShowTTD) {
        for (int side = 0; side <= 1; ++side)
            if (dc.RectVisible(layout.Tinnitus(side)))
                m_view.DrawTinnitus(dc, *doc, side, layout.Tinnitus(side), m_view.m_bLogDarst);
    }
}

void CPagePainter::DrawComment(CDC& dc, const CPageLayout& layout,
                               const std::string& comment) const {
    dc.SetTextAlign(TA_LEFT | TA_TOP);
    dc.SetTextColor(CPageStyle::kBlack);
    dc.DrawText(VisibleComment(dc, comment, layout.Comment()), layout.Comment(),
                DT_LEFT | DT_WORDBREAK);
}

void CPagePainter::DrawComparison(CDC& dc, const CPageLayout& layout) const {
    const CAUVODoc* doc = m_view.GetDocument();
    if (doc == nullptr || doc->m_pVergleichsDoc == nullptr || !dc.RectVisible(layout.Comparison()))
        return;
    dc.SetTextColor(CPageStyle::kBlack);
    dc.DrawText(FillText(StringTable::Load(StringTable::kComparisonDoc),
                         {doc->m_pVergleichsDoc->GetTitle()}),
                layout.Comparison(), 0);
}

void CPagePainter::DrawFooter(CDC& dc, const CPageLayout& layout) const {
    if (!dc.RectVisible(layout.Footer()))
        return;
    dc.SetTextColor(CPageStyle::kBlack);
    dc.DrawText(FooterText(), layout.Footer(), DT_WORDBREAK);
}

void CPagePainter::Draw(CDC& dc) {
    TraceDevice(dc);

    CSavedDCObjects saved(dc);
    const int oldMapMode = dc.SetMapMode(MM_LOMETRIC);
    dc.SelectObject(CPen::Stock(BLACK_PEN));
    dc.SelectObject(CBrush::Stock(HOLLOW_BRUSH));

    const CAUVODoc* doc = m_view.GetDocument();
    CPageLayout::Input in;
    in.pageWidth = PageWidth(dc);
    in.showHTD = m_view.m_bShowHTD;
    in.showTTD = m_view.m_bShowTTD;
    in.together = m_view.m_bZusammen;
    in.hasComparison = doc != nullptr && doc->m_pVergleichsDoc != nullptr;
    if (doc != nullptr)
        in.comment = doc->m_strKommentar;
    const CPageLayout layout(in);

    CFont headerFont;
    CFont smallFont;
    dc.CreateFont(headerFont, CPageStyle::HeaderFont());
    dc.CreateFont(smallFont, CPageStyle::SmallFont());

    dc.SelectObject(headerFont);
    DrawHeader(dc, layout);
    DrawDiagrams(dc, layout);
    DrawComment(dc, layout, in.comment);
    dc.SelectObject(smallFont);
    DrawComparison(dc, layout);
    DrawFooter(dc, layout);

    dc.SetMapMode(oldMapMode);
}
