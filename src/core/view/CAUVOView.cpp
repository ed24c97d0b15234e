#include "core/view/CAUVOView.h"

#include "core/app/CBaseApp.h"
#include "core/app/TextFormat.h"
#include "core/document/CAUVODoc.h"
#include "core/tinnitus/CTinnitusDaten.h"
#include "core/tinnitus/CTool.h"
#include "core/view/CAudiogramPainter.h"
#include "core/view/CFrequencyScale.h"
#include "core/view/CLevelScale.h"
#include "core/view/CPagePainter.h"
#include "core/view/CTinnitusPainter.h"
#include "core/view/IViewWindow.h"

#include <memory>

CAUVOView::CAUVOView(CBaseApp* app) : m_pApp(app) {}

CAUVOView::~CAUVOView() {
    SetDocument(nullptr);
}

void CAUVOView::SetDocument(CAUVODoc* doc) {
    if (m_pDocument != nullptr)
        m_pDocument->RemoveView(this);
    if (doc != m_pDocument) {
        m_pSelTone = nullptr;
        m_nSelSide = kNoSide;
    }
    m_pDocument = doc;
    if (m_pDocument != nullptr)
        m_pDocument->AddView(this);
}

void CAUVOView::OnInitialUpdate() {
    OnUpdate(nullptr, 0);

    auto readInt = [this](const char* key, int fallback) {
        int value = 0;
        return m_pApp != nullptr && m_pApp->ReadIniInt(key, value) ? value : fallback;
    };
    m_nMinDB = readInt("VIEW_MIN_DB", kDefaultMinDB);
    m_nMaxDB = readInt("VIEW_MAX_DB", kDefaultMaxDB);
    if (m_nMinDB >= m_nMaxDB) {
        // Hand-edited bounds that form no scale would push the stems out of their diagrams.
        if (m_pApp != nullptr)
            m_pApp->WriteProtocol(FormatText("CAUVOView::OnInitialUpdate: MinDB = %d nicht unter "
                                             "MaxDB = %d, es gelten %d und %d",
                                             m_nMinDB, m_nMaxDB, kDefaultMinDB, kDefaultMaxDB),
                                  0);
        m_nMinDB = kDefaultMinDB;
        m_nMaxDB = kDefaultMaxDB;
    }
    // A new user sees both diagram rows rather than an empty page.
    const int rows = m_pApp != nullptr && m_pApp->IsFirstStart() ? 1 : 0;
    m_bShowHTD = readInt("VIEW_HTD", rows) >= 1;
    m_bShowTTD = readInt("VIEW_TTD", rows) >= 1;
    m_bLogDarst = readInt("VIEW_LOGDARST", 0) >= 1;

    if (m_pApp != nullptr)
        m_pApp->Trace(5, "CAUVOView::OnInitialUpdate: MinDB = %d, MaxDB = %d", m_nMinDB, m_nMaxDB);
    CTool::Reset();
    if (m_pWindow != nullptr)
        m_pWindow->SetCurrentTool(CTool::kSelectTool);
    // The document's tones have been replaced.
    m_pSelTone = nullptr;
    m_nSelSide = kNoSide;
}

void CAUVOView::OnDestroy() {
    if (m_pApp == nullptr)
        return;
    m_pApp->WriteIniInt("VIEW_HTD", m_bShowHTD ? 1 : 0);
    m_pApp->WriteIniInt("VIEW_TTD", m_bShowTTD ? 1 : 0);
    m_pApp->WriteIniInt("VIEW_LOGDARST", m_bLogDarst ? 1 : 0);
}

void CAUVOView::OnUpdate(IDocumentView* /*sender*/, long /*hint*/) {
    // A load or New deletes the old tones before the initial update clears the selection.
    if (!SelectionInDocument()) {
        m_pSelTone = nullptr;
        m_nSelSide = kNoSide;
    }
    InvalidateAll();
}

bool CAUVOView::SelectionInDocument() const {
    if (m_pSelTone == nullptr)
        return true;
    if (m_pDocument == nullptr)
        return false;
    const CTinnitusDaten& tones = m_pDocument->m_TinnitusDaten;
    if (tones.GetDeletions() != m_nSelDeletions)
        return false;
    for (int side = 0; side <= 1; ++side)
        for (int i = 0; i < tones.GetCount(side); ++i)
            if (tones.GetTone(i, side) == m_pSelTone)
                return true;
    return false;
}

void CAUVOView::InvalidateAll() {
    if (m_pWindow != nullptr)
        m_pWindow->InvalidateRect(nullptr, true);
}

void CAUVOView::OnDraw(CDC& dc) {
    CPagePainter painter(*this);
    painter.Draw(dc);
}

CDiagramOptions CAUVOView::Options(bool logarithmic) const {
    CDiagramOptions o;
    o.minDB = m_nMinDB;
    o.maxDB = m_nMaxDB;
    o.together = m_bZusammen;
    o.logarithmic = logarithmic;
    o.selected = GetSelectedTone();
    return o;
}

void CAUVOView::DrawTest(CDC& dc, CAUVODoc& doc, int side, const CRect& area, bool logarithmic,
                         bool normalCurve) {
    CDiagramOptions o = Options(logarithmic);
    o.normalCurve = normalCurve;
    CAudiogramPainter(m_pApp).Draw(dc, doc, side, area, o);
}

void CAUVOView::DrawTinnitus(CDC& dc, CAUVODoc& doc, int side, const CRect& area,
                             bool logarithmic) {
    CTinnitusPainter(m_pApp).Draw(dc, doc, side, area, Options(logarithmic),
                                  side == 0 ? m_rectLinks : m_rectRechts);
}

bool CAUVOView::ClientToTT(CPoint client, int& side, double& frequency, int& level) {
    // Hidden diagrams keep their last rectangles; they must not catch the mouse.
    if (m_pWindow == nullptr || m_pDocument == nullptr || !m_bShowTTD)
        return false;
    CPoint p = client;
    if (std::unique_ptr<CDC> dc = m_pWindow->CreateClientDC()) {
        const int old = dc->SetMapMode(MM_LOMETRIC);
        dc->DPtoLP(&p);
        dc->SetMapMode(old);
    } else {
        return false;
    }

    int hitSide = 0;
    CRect rect;
    if (!m_rectRechts.IsRectEmpty() && m_rectRechts.PtInRect(p)) {
        hitSide = 1;
        rect = m_rectRechts;
    } else if (!m_rectLinks.IsRectEmpty() && m_rectLinks.PtInRect(p)) {
        hitSide = 0;
        rect = m_rectLinks;
    } else {
        return false;
    }

    // The rectangle is normalised: its top is the frequency axis, its bottom the axis top.
    const int mB = CLevelScale::LevelAt(p.y, rect.top, rect.bottom, m_nMinDB, m_nMaxDB);
    const double hz = CFrequencyScale::FrequencyAt(p.x - rect.left, rect.Width(),
                                                   m_pDocument->GetMaxFrequencyKHz(), m_bLogDarst,
                                                   m_pDocument->m_nMinFrequenz);
    if (m_pApp != nullptr)
        m_pApp->Trace(10, "CAUVOView::ClientToTT( %d, %d ) in %s, %8.2f Hz, %ld mBel", p.x, p.y,
                      hitSide != 0 ? "RECHTS" : "LINKS", hz, static_cast<long>(mB));
    side = hitSide;
    frequency = hz;
    level = mB;
    return true;
}

void CAUVOView::SetSelectedTone(CSinusTone* tone, int side) {
    // A stale selection is no selection, even if a new tone took over its address.
    const bool stale = !SelectionInDocument();
    if (stale)
        m_pSelTone = nullptr;
    else if (tone == m_pSelTone)
        return;
    m_pSelTone = tone;
    if (m_pDocument != nullptr)
        m_nSelDeletions = m_pDocument->m_TinnitusDaten.GetDeletions();
    if (tone != nullptr)
        InvalidateSide(side);
    if (side != m_nSelSide) {
        InvalidateSide(m_nSelSide);
        m_nSelSide = side;
    }
}

CSinusTone* CAUVOView::GetSelectedTone(int* side) const {
    const bool valid = SelectionInDocument();
    if (side != nullptr)
        *side = valid ? m_nSelSide : kNoSide;
    return valid ? m_pSelTone : nullptr;
}

void CAUVOView::InvalidateSide(int side) {
    if (m_pWindow == nullptr)
        return;
    CRect rect = side == 0 ? m_rectLinks : m_rectRechts;
    std::unique_ptr<CDC> dc = m_pWindow->CreateClientDC();
    if (!dc)
        return;
    const int old = dc->SetMapMode(MM_LOMETRIC);
    dc->LPtoDP(&rect);
    dc->SetMapMode(old);
    // y turns downwards on the device; the window wants top above bottom there.
    rect.NormalizeRect();
    m_pWindow->InvalidateRect(&rect, true);
}

void CAUVOView::SetCapture() {
    if (m_pWindow != nullptr)
        m_pWindow->SetCapture();
}

void CAUVOView::ReleaseCapture() {
    if (m_pWindow != nullptr)
        m_pWindow->ReleaseCapture();
}

bool CAUVOView::HasCapture() const {
    return m_pWindow != nullptr && m_pWindow->HasCapture();
}

void CAUVOView::TrackPopupMenu(const std::vector<MenuEntry>& entries, CPoint client) {
    if (m_pWindow != nullptr)
        m_pWindow->TrackPopupMenu(entries, client);
}

CSinusTone* CAUVOView::TToneNear(int side, double frequency) const {
    return m_pDocument != nullptr ? m_pDocument->TToneNear(side, frequency) : nullptr;
}

CSinusTone* CAUVOView::CreateTTValue(int side, double frequency, LONG level, double bandwidth) {
    return m_pDocument != nullptr ? m_pDocument->CreateTTValue(side, frequency, level, bandwidth)
                                  : nullptr;
}

LONG CAUVOView::ToRelativeLevel(LONG deviceAtt) const {
    return m_pDocument != nullptr ? m_pDocument->ToRelativeLevel(deviceAtt) : deviceAtt;
}

LONG CAUVOView::ToAbsoluteLevel(LONG level) const {
    return m_pDocument != nullptr ? m_pDocument->ToAbsoluteLevel(level) : level;
}

void CAUVOView::SetModifiedFlag() {
    if (m_pDocument != nullptr)
        m_pDocument->SetModifiedFlag();
}
