#pragma once
// What the view model needs of its window; the GUI widget implements it.

#include "core/tinnitus/IToolView.h"
#include "platform/dc/CDC.h"
#include "platform/dc/CRect.h"

#include <memory>
#include <vector>

class IViewWindow {
public:
    virtual ~IViewWindow() = default;
    // Client area in device pixels, (0, 0) at the top left.
    virtual CRect GetClientRect() const = 0;
    // A device context of the window for conversions between pixels and logical units.
    virtual std::unique_ptr<CDC> CreateClientDC() = 0;
    // Repaint a normalised device rectangle of the client area, or all of it (null).
    virtual void InvalidateRect(const CRect* deviceRect, bool erase) = 0;
    // Makes the mouse tool with this number current (0 selection, 1 new tone).
    virtual void SetCurrentTool(int toolNumber) = 0;
    // The window receives every mouse message until it releases the capture.
    virtual void SetCapture() = 0;
    virtual void ReleaseCapture() = 0;
    virtual bool HasCapture() const = 0;
    // A pop-up menu at a client point; the chosen entry runs its command.
    virtual void TrackPopupMenu(const std::vector<IToolView::MenuEntry>& entries,
                                CPoint client) = 0;
};
