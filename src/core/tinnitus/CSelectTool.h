#pragma once
// Tool 0: a click selects the tone under the pointer, a press on the selected tone drags it,
// a right click opens the tone's pop-up menu.

#include "core/tinnitus/CTool.h"

class CSelectTool : public CTool {
public:
    CSelectTool() : CTool(kSelectTool) {}

    void OnLButtonDown(IToolView& view, unsigned flags, CPoint point) override;
    void OnLButtonUp(IToolView& view, unsigned flags, CPoint point) override;
    void OnRButtonUp(IToolView& view, unsigned flags, CPoint point) override;
    // Hovering near the selected tone shows the cross-hair; dragging moves the tone within its
    // own ear's diagram, which alone is repainted.
    void OnMouseMove(IToolView& view, unsigned flags, CPoint point) override;

protected:
    // The selected tone's distance below which hovering shows the cross-hair.
    static constexpr long kHoverLevelMB = 200;
    static constexpr double kHoverFrequencyHz = 200.0;
};
