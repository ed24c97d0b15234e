#pragma once
// Mouse tools of the tinnitus diagrams. The view hands each mouse message to the current tool,
// FindTool(s_nCurrentTool). There is one view and one mouse, so the tools share one state for
// the whole program. UI thread only.

#include "platform/dc/CPoint.h"

#include <cstdint>

class IToolView;

class CTool {
public:
    enum class Cursor { None, Arrow, Cross };
    static constexpr int kSelectTool = 0;
    static constexpr int kSinusToneTool = 1;
    // The new-tone tool placing a noise band of a third of an octave.
    static constexpr int kNoiseBandTool = 2;
    // s_nMoveFlag while the selected tone is being dragged.
    static constexpr int kMoving = 2;

    // Registers the tool; the registry does not own it.
    explicit CTool(int number);
    virtual ~CTool();
    CTool(const CTool&) = delete;
    CTool& operator=(const CTool&) = delete;

    // flags are the message's key flags; the view passes none, as no tool reads them.
    // Base: capture the mouse and remember the point.
    virtual void OnLButtonDown(IToolView& view, unsigned flags, CPoint point);
    // Base: release the capture; a click without moving returns to the default tool.
    virtual void OnLButtonUp(IToolView& view, unsigned flags, CPoint point);
    virtual void OnRButtonUp(IToolView& view, unsigned flags, CPoint point);
    // Base: the arrow.
    virtual void OnMouseMove(IToolView& view, unsigned flags, CPoint point);

    // The first registered tool with this number, or null.
    static CTool* FindTool(int number);
    // Back to the selection tool in its idle state (a new or opened document).
    static void Reset();

    static inline int s_nCurrentTool = kSelectTool;
    static inline int s_nDefaultTool = kSelectTool;
    // What the view shows while the pointer is over it; None: the window's own.
    static inline Cursor s_cursor = Cursor::None;
    static inline int s_nMoveFlag = 0;
    static inline CPoint s_downPoint;
    // While dragging: the tone's level minus the pointer's, in mB, taken at the press.
    static inline std::int64_t s_lDragOffset = 0;

private:
    int m_nTool;
};
