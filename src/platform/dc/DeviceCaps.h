#pragma once
// What a device context reports through GetDeviceCaps: one record for every device, so each
// answers the same indices the same way. The defaults are a device whose pixel is 0.1 mm.

#include "platform/dc/GdiTypes.h"

struct DeviceCaps {
    int horzRes = 2540; // pixels
    int vertRes = 4000;
    int logPixelsX = 254;
    int logPixelsY = 254;
    int planes = 1;
    int bitsPixel = 32;
    int technology = DT_RASDISPLAY;

    int Get(int index) const {
        switch (index) {
        case HORZRES:
            return horzRes;
        case VERTRES:
            return vertRes;
        case LOGPIXELSX:
            return logPixelsX;
        case LOGPIXELSY:
            return logPixelsY;
        case PLANES:
            return planes;
        case BITSPIXEL:
            return bitsPixel;
        case TECHNOLOGY:
            return technology;
        case HORZSIZE: // millimetres
            return logPixelsX > 0 ? horzRes * 254 / logPixelsX / 10 : 0;
        case VERTSIZE:
            return logPixelsY > 0 ? vertRes * 254 / logPixelsY / 10 : 0;
        default:
            return 0;
        }
    }
};
