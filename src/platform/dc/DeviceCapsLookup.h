#pragma once
// GetDeviceCaps over any caps record with the fields horzRes, vertRes, logPixelsX/Y, planes,
// bitsPixel and technology, so every device context answers the same indices the same way.

#include "platform/dc/GdiTypes.h"

template <class Caps> int LookupDeviceCaps(const Caps& caps, int index) {
    switch (index) {
    case HORZRES:
        return caps.horzRes;
    case VERTRES:
        return caps.vertRes;
    case LOGPIXELSX:
        return caps.logPixelsX;
    case LOGPIXELSY:
        return caps.logPixelsY;
    case PLANES:
        return caps.planes;
    case BITSPIXEL:
        return caps.bitsPixel;
    case TECHNOLOGY:
        return caps.technology;
    case HORZSIZE: // millimetres
        return caps.logPixelsX > 0 ? caps.horzRes * 254 / caps.logPixelsX / 10 : 0;
    case VERTSIZE:
        return caps.logPixelsY > 0 ? caps.vertRes * 254 / caps.logPixelsY / 10 : 0;
    default:
        return 0;
    }
}
