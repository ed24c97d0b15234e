#pragma once
// The plot area inside a diagram area: the level axis 12 mm right of the area's left edge,
// the title line 5 mm above the axis top, 5 mm below the frequency axis for its labels.

#include "platform/dc/CRect.h"

struct CPlotArea {
    int left = 0;   // l
    int top = 0;    // t, where the title stands
    int right = 0;  // r, right end of the frequency axis
    int bottom = 0; // b
    int x0 = 0;     // level axis
    int yTop = 0;   // upper end of the level axis
    int y0 = 0;     // frequency axis
    int xc = 0;     // middle of the area, for the titles

    explicit CPlotArea(const CRect& area)
        : left(area.left), top(area.top), right(area.right), bottom(area.bottom),
          x0(area.left + 120), yTop(area.top - 50), y0(area.bottom + 50),
          xc(area.left + (area.right - area.left) / 2) {}

    // (x0, yTop, r, y0) normalised: top is y0 (the smaller y), bottom is yTop.
    CRect HitRect() const {
        CRect r(x0, yTop, right, y0);
        r.NormalizeRect();
        return r;
    }
};
