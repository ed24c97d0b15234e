#pragma once
// Colours and fonts of the page, shared by the diagrams and the frame.

#include "platform/dc/CFont.h"
#include "platform/dc/GdiTypes.h"

class CPageStyle {
public:
    static constexpr COLORREF kBlack = RGB(0, 0, 0);
    static constexpr COLORREF kNormalCurve = RGB(0, 180, 0);
    static constexpr int kGridWidth = 0; // one device pixel
    static constexpr int kAxisWidth = 2;
    static constexpr int kDataWidth = 3;

    // Own data: right red, left blue.
    static constexpr COLORREF SideColor(int side) {
        return side == 0 ? RGB(0, 0, 255) : RGB(255, 0, 0);
    }
    // Comparison document: right olive, left teal.
    static constexpr COLORREF ComparisonColor(int side) {
        return side == 0 ? RGB(0, 128, 128) : RGB(128, 128, 0);
    }

    // The area of a noise band: the colours above, lightened towards white.
    static constexpr COLORREF BandColor(int side) {
        return side == 0 ? RGB(190, 190, 255) : RGB(255, 190, 190);
    }
    static constexpr COLORREF ComparisonBandColor(int side) {
        return side == 0 ? RGB(180, 225, 225) : RGB(225, 225, 180);
    }

    static LOGFONT HeaderFont() { return Arial(50, FW_MEDIUM); }
    static LOGFONT SmallFont() { return Arial(35, FW_NORMAL); }
    static LOGFONT LabelFont() { return Arial(40, FW_MEDIUM); }

private:
    static LOGFONT Arial(int height, int weight) {
        LOGFONT lf;
        lf.lfHeight = height;
        lf.lfWeight = weight;
        lf.lfFaceName = "Arial";
        return lf;
    }
};
