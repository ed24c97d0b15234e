#include "platform/dc/CDC.h"

#include <cstdint>
#include <cstdlib>

namespace {

// a * b / c rounded half away from zero, as the platform's conversions do.
int MulDiv(int a, int b, int c) {
    if (c == 0)
        return 0;
    const std::int64_t n = static_cast<std::int64_t>(a) * b;
    std::int64_t q = n / c;
    const std::int64_t r = n % c;
    if (2 * std::llabs(r) >= std::llabs(static_cast<std::int64_t>(c)) && r != 0)
        q += ((n < 0) != (c < 0)) ? -1 : 1;
    return static_cast<int>(q);
}

} // namespace

CDC::CDC()
    : m_pen(CPen::Stock(BLACK_PEN)), m_brush(CBrush::Stock(WHITE_BRUSH)), m_font(CFont::Default()) {
}

CDC::~CDC() = default;

int CDC::SetMapMode(int mode) {
    const int old = m_nMapMode;
    if (mode == MM_TEXT || mode == MM_LOMETRIC)
        m_nMapMode = mode;
    return old;
}

CSize CDC::GetViewportExt() const {
    if (m_nMapMode == MM_LOMETRIC)
        return {GetDeviceCaps(HORZRES), -GetDeviceCaps(VERTRES)};
    return {1, 1};
}

CSize CDC::GetWindowExt() const {
    if (m_nMapMode == MM_LOMETRIC) {
        const int dpiX = GetDeviceCaps(LOGPIXELSX);
        const int dpiY = GetDeviceCaps(LOGPIXELSY);
        return {MulDiv(GetDeviceCaps(HORZRES), 254, dpiX > 0 ? dpiX : 96),
                MulDiv(GetDeviceCaps(VERTRES), 254, dpiY > 0 ? dpiY : 96)};
    }
    return {1, 1};
}

CPoint CDC::SetViewportOrg(int x, int y) {
    const CPoint old = m_ptViewportOrg;
    m_ptViewportOrg = {x, y};
    return old;
}

CPoint CDC::SetWindowOrg(int x, int y) {
    const CPoint old = m_ptWindowOrg;
    m_ptWindowOrg = {x, y};
    return old;
}

void CDC::DPtoLP(CPoint* points, int count) const {
    const CSize ve = GetViewportExt();
    const CSize we = GetWindowExt();
    for (int i = 0; i < count; ++i) {
        points[i].x = MulDiv(points[i].x - m_ptViewportOrg.x, we.cx, ve.cx) + m_ptWindowOrg.x;
        points[i].y = MulDiv(points[i].y - m_ptViewportOrg.y, we.cy, ve.cy) + m_ptWindowOrg.y;
    }
}

void CDC::LPtoDP(CPoint* points, int count) const {
    const CSize ve = GetViewportExt();
    const CSize we = GetWindowExt();
    for (int i = 0; i < count; ++i) {
        points[i].x = MulDiv(points[i].x - m_ptWindowOrg.x, ve.cx, we.cx) + m_ptViewportOrg.x;
        points[i].y = MulDiv(points[i].y - m_ptWindowOrg.y, ve.cy, we.cy) + m_ptViewportOrg.y;
    }
}

void CDC::DPtoLP(CRect* rect) const {
    CPoint p[2] = {rect->TopLeft(), rect->BottomRight()};
    DPtoLP(p, 2);
    *rect = CRect(p[0].x, p[0].y, p[1].x, p[1].y);
}

void CDC::LPtoDP(CRect* rect) const {
    CPoint p[2] = {rect->TopLeft(), rect->BottomRight()};
    LPtoDP(p, 2);
    *rect = CRect(p[0].x, p[0].y, p[1].x, p[1].y);
}

double CDC::DeviceScaleX() const {
    const CSize ve = GetViewportExt();
    const CSize we = GetWindowExt();
    return we.cx == 0 ? 1.0 : std::abs(static_cast<double>(ve.cx) / we.cx);
}

double CDC::DeviceScaleY() const {
    const CSize ve = GetViewportExt();
    const CSize we = GetWindowExt();
    return we.cy == 0 ? 1.0 : std::abs(static_cast<double>(ve.cy) / we.cy);
}

CRect CDC::GetClipBoxDevice() const {
    return {0, 0, GetDeviceCaps(HORZRES), GetDeviceCaps(VERTRES)};
}

bool CDC::RectVisible(const CRect& logical) const {
    CRect device = logical;
    LPtoDP(&device);
    device.NormalizeRect();
    return device.Intersects(GetClipBoxDevice());
}

CPen CDC::SelectObject(const CPen& pen) {
    const CPen old = m_pen;
    m_pen = pen;
    return old;
}

CBrush CDC::SelectObject(const CBrush& brush) {
    const CBrush old = m_brush;
    m_brush = brush;
    return old;
}

CFont CDC::SelectObject(const CFont& font) {
    const CFont old = m_font;
    if (font.IsCreated())
        m_font = font;
    return old;
}

bool CDC::CreateFont(CFont& font, const LOGFONT& lf) {
    // Face names are limited to 31 characters on the platforms the files come from.
    if (lf.lfFaceName.empty() || lf.lfFaceName.size() > 31)
        return false;
    font.m_lf = lf;
    font.m_bCreated = true;
    return true;
}

unsigned CDC::SetTextAlign(unsigned align) {
    const unsigned old = m_nTextAlign;
    m_nTextAlign = align;
    return old;
}

COLORREF CDC::SetTextColor(COLORREF color) {
    const COLORREF old = m_textColor;
    m_textColor = color;
    return old;
}

int CDC::SetBkMode(int mode) {
    const int old = m_nBkMode;
    m_nBkMode = mode;
    return old;
}

CPoint CDC::MoveTo(int x, int y) {
    const CPoint old = m_ptCurrent;
    m_ptCurrent = {x, y};
    return old;
}

bool CDC::LineTo(int x, int y) {
    const CPoint from = m_ptCurrent;
    m_ptCurrent = {x, y};
    DoLine(from, m_ptCurrent);
    return true;
}

bool CDC::Ellipse(int left, int top, int right, int bottom) {
    DoEllipse({left, top, right, bottom});
    return true;
}

bool CDC::Rectangle(int left, int top, int right, int bottom) {
    DoRectangle({left, top, right, bottom});
    return true;
}

bool CDC::TextOut(int x, int y, const std::string& text) {
    DoTextOut({x, y}, text);
    return true;
}

int CDC::DrawText(const std::string& text, const CRect& rect, unsigned format) {
    return DoDrawText(text, rect, format);
}
