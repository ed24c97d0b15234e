#pragma once
// Tool 1, after the new-tone command: one click in a diagram places one tone there, and the
// selection tool takes over again. Tool 2 does the same with a noise band.

#include "core/tinnitus/CTool.h"

class CSinusToneTool : public CTool {
public:
    enum class Kind { SineTone, NoiseBand };
    explicit CSinusToneTool(int number = kSinusToneTool, Kind kind = Kind::SineTone)
        : CTool(number), m_kind(kind) {}

    void OnLButtonDown(IToolView& view, unsigned flags, CPoint point) override;
    // The release after placing reaches the selection tool, which is current by then.
    void OnLButtonUp(IToolView&, unsigned, CPoint) override {}
    void OnRButtonUp(IToolView&, unsigned, CPoint) override {}
    // The cross-hair, and whatever the selection tool does with the move.
    void OnMouseMove(IToolView& view, unsigned flags, CPoint point) override;

private:
    Kind m_kind;
};
