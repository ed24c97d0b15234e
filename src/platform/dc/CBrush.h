#pragma once
// A brush as a value: solid with a colour, or hollow.

#include "platform/dc/GdiTypes.h"

class CBrush {
public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }

    bool CreateSolidBrush(COLORREF color) {
        m_nStyle = BS_SOLID;
        m_color = color;
        return true;
    }

    // WHITE_BRUSH, BLACK_BRUSH or NULL_BRUSH (HOLLOW_BRUSH); any other id gives the white brush.
    static CBrush Stock(int id) {
        if (id == NULL_BRUSH) {
            CBrush b;
            b.m_nStyle = BS_NULL;
            return b;
        }
        return CBrush(id == BLACK_BRUSH ? RGB(0, 0, 0) : RGB(255, 255, 255));
    }

    int GetStyle() const { return m_nStyle; }
    bool IsHollow() const { return m_nStyle == BS_NULL; }
    COLORREF GetColor() const { return m_color; }
    bool operator==(const CBrush&) const = default;

private:
    int m_nStyle = BS_SOLID;
    COLORREF m_color = RGB(255, 255, 255);
};
