#pragma once
// Abstract device context: the drawing state (mapping, objects, text attributes, current
// position) lives here so every device converts and remembers alike; a device only renders
// the primitives, given in logical coordinates together with the state current at the call.
//
// MM_LOMETRIC is 0.1 mm per unit with y upwards: the window extent is the device size in
// 0.1 mm (from its pixels per inch), the viewport extent its size in pixels with y negated.

#include "platform/dc/CBrush.h"
#include "platform/dc/CFont.h"
#include "platform/dc/CPen.h"
#include "platform/dc/CPoint.h"
#include "platform/dc/CRect.h"
#include "platform/dc/CSize.h"
#include "platform/dc/GdiTypes.h"

#include <string>

class CDC {
public:
    CDC();
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // Device.
    virtual int GetDeviceCaps(int index) const = 0;
    // Printer or print preview.
    bool IsPrinting() const { return m_bPrinting; }

    // Mapping.
    int SetMapMode(int mode);
    int GetMapMode() const { return m_nMapMode; }
    CSize GetViewportExt() const;
    CSize GetWindowExt() const;
    CPoint GetViewportOrg() const { return m_ptViewportOrg; }
    CPoint GetWindowOrg() const { return m_ptWindowOrg; }
    CPoint SetViewportOrg(int x, int y);
    CPoint SetWindowOrg(int x, int y);
    void DPtoLP(CPoint* points, int count = 1) const;
    void LPtoDP(CPoint* points, int count = 1) const;
    void DPtoLP(CRect* rect) const;
    void LPtoDP(CRect* rect) const;
    // Device pixels per logical unit (x and y, both positive).
    double DeviceScaleX() const;
    double DeviceScaleY() const;

    // True when a logical rectangle meets the clipping region.
    bool RectVisible(const CRect& logical) const;
    // Clipping region as a device rectangle; the whole device surface unless a device narrows it.
    virtual CRect GetClipBoxDevice() const;

    // Drawing objects: selecting returns the object it replaces, for restoring.
    CPen SelectObject(const CPen& pen);
    CBrush SelectObject(const CBrush& brush);
    // An uncreated font is not selected; the current font is returned unchanged.
    CFont SelectObject(const CFont& font);
    const CPen& GetCurrentPen() const { return m_pen; }
    const CBrush& GetCurrentBrush() const { return m_brush; }
    const CFont& GetCurrentFont() const { return m_font; }
    // Realises a font for this device. False when the device cannot provide it.
    virtual bool CreateFont(CFont& font, const LOGFONT& lf);

    // Text attributes.
    unsigned SetTextAlign(unsigned align);
    unsigned GetTextAlign() const { return m_nTextAlign; }
    COLORREF SetTextColor(COLORREF color);
    COLORREF GetTextColor() const { return m_textColor; }
    int SetBkMode(int mode);
    int GetBkMode() const { return m_nBkMode; }

    // Drawing, in logical coordinates.
    CPoint MoveTo(int x, int y);
    bool LineTo(int x, int y);
    bool Ellipse(int left, int top, int right, int bottom);
    bool Rectangle(int left, int top, int right, int bottom);
    // Single line at the reference point, aligned by the text alignment.
    bool TextOut(int x, int y, const std::string& text);
    // Formatted text in a rectangle (DT_ flags), clipped to it unless DT_NOCLIP; returns the
    // height of the text in logical units.
    int DrawText(const std::string& text, const CRect& rect, unsigned format);
    // Logical size of a single line in the current font.
    virtual CSize GetTextExtent(const std::string& text) const = 0;

protected:
    void SetPrinting(bool printing) { m_bPrinting = printing; }

    virtual void DoLine(CPoint from, CPoint to) = 0;
    virtual void DoEllipse(const CRect& box) = 0;
    virtual void DoRectangle(const CRect& box) = 0;
    virtual void DoTextOut(CPoint at, const std::string& text) = 0;
    virtual int DoDrawText(const std::string& text, const CRect& rect, unsigned format) = 0;

private:
    bool m_bPrinting = false;
    int m_nMapMode = MM_TEXT;
    CPoint m_ptViewportOrg;
    CPoint m_ptWindowOrg;
    CPen m_pen;
    CBrush m_brush;
    CFont m_font;
    unsigned m_nTextAlign = TA_LEFT | TA_TOP;
    COLORREF m_textColor = RGB(0, 0, 0);
    int m_nBkMode = OPAQUE;
    CPoint m_ptCurrent;
};
