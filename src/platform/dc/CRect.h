#pragma once
// Rectangle of four int32 edges. On the page top is the larger y (y grows upwards), so page
// rectangles have a negative height until normalised.

#include "platform/dc/CPoint.h"

#include <utility>

struct CRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr CRect() = default;
    constexpr CRect(int l, int t, int r, int b) : left(l), top(t), right(r), bottom(b) {}
    constexpr bool operator==(const CRect&) const = default;

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr CPoint TopLeft() const { return {left, top}; }
    constexpr CPoint BottomRight() const { return {right, bottom}; }

    // Empty when it has no positive width or height (as stored, not normalised).
    constexpr bool IsRectEmpty() const { return right <= left || bottom <= top; }

    constexpr void NormalizeRect() {
        if (left > right)
            std::swap(left, right);
        if (top > bottom)
            std::swap(top, bottom);
    }

    // Left and top edges belong to the rectangle, right and bottom do not.
    constexpr bool PtInRect(CPoint p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }

    // True when both rectangles (normalised) share an area.
    constexpr bool Intersects(const CRect& other) const {
        CRect a = *this;
        CRect b = other;
        a.NormalizeRect();
        b.NormalizeRect();
        const int l = a.left > b.left ? a.left : b.left;
        const int r = a.right < b.right ? a.right : b.right;
        const int t = a.top > b.top ? a.top : b.top;
        const int bo = a.bottom < b.bottom ? a.bottom : b.bottom;
        return l < r && t < bo;
    }
};
