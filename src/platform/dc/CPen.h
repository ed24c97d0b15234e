#pragma once
// A pen as a value: style, logical width (0 = one device pixel) and colour.

#include "platform/dc/GdiTypes.h"

class CPen {
public:
    CPen() = default;
    CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }

    // False (and the pen unchanged) for an unknown style or a negative width.
    bool CreatePen(int style, int width, COLORREF color) {
        if (style < PS_SOLID || style > PS_NULL || width < 0)
            return false;
        m_nStyle = style;
        m_nWidth = width;
        m_color = color;
        return true;
    }

    // WHITE_PEN, BLACK_PEN or NULL_PEN; any other id gives the black pen.
    static CPen Stock(int id) {
        if (id == WHITE_PEN)
            return CPen(PS_SOLID, 0, RGB(255, 255, 255));
        if (id == NULL_PEN)
            return CPen(PS_NULL, 0, RGB(0, 0, 0));
        return CPen(PS_SOLID, 0, RGB(0, 0, 0));
    }

    int GetStyle() const { return m_nStyle; }
    int GetWidth() const { return m_nWidth; }
    COLORREF GetColor() const { return m_color; }
    bool operator==(const CPen&) const = default;

private:
    int m_nStyle = PS_SOLID;
    int m_nWidth = 0;
    COLORREF m_color = RGB(0, 0, 0);
};
