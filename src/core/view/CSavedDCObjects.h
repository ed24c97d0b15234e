#pragma once
// Puts back the pen, brush and font a device context had, also when a diagram is cut short by
// an error, so the rest of the page is drawn with the frame's objects.

#include "platform/dc/CDC.h"

class CSavedDCObjects {
public:
    explicit CSavedDCObjects(CDC& dc)
        : m_dc(dc), m_pen(dc.GetCurrentPen()), m_brush(dc.GetCurrentBrush()),
          m_font(dc.GetCurrentFont()) {}
    ~CSavedDCObjects() {
        m_dc.SelectObject(m_pen);
        m_dc.SelectObject(m_brush);
        m_dc.SelectObject(m_font);
    }
    CSavedDCObjects(const CSavedDCObjects&) = delete;
    CSavedDCObjects& operator=(const CSavedDCObjects&) = delete;

private:
    CDC& m_dc;
    CPen m_pen;
    CBrush m_brush;
    CFont m_font;
};
