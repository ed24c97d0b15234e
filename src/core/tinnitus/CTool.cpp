#include "core/tinnitus/CTool.h"

#include "core/tinnitus/CSelectTool.h"
#include "core/tinnitus/CSinusToneTool.h"
#include "core/tinnitus/IToolView.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<CTool*>& Registry() {
    static std::vector<CTool*> tools;
    return tools;
}

// The tools live from program start to program end. They are defined here, next to
// FindTool, so that every program that looks tools up links them in.
CSelectTool s_selectTool;
CSinusToneTool s_sinusToneTool;
CSinusToneTool s_noiseBandTool(CTool::kNoiseBandTool, CSinusToneTool::Kind::NoiseBand);

} // namespace

CTool::CTool(int number) : m_nTool(number) {
    Registry().push_back(this);
}

CTool::~CTool() {
    auto& tools = Registry();
    tools.erase(std::remove(tools.begin(), tools.end(), this), tools.end());
}

CTool* CTool::FindTool(int number) {
    for (CTool* tool : Registry())
        if (tool->m_nTool == number)
            return tool;
    return nullptr;
}

void CTool::Reset() {
    s_nCurrentTool = s_nDefaultTool;
    s_nMoveFlag = 0;
    s_lDragOffset = 0;
}

void CTool::OnLButtonDown(IToolView& view, unsigned /*flags*/, CPoint point) {
    view.SetCapture();
    s_downPoint = point;
}

void CTool::OnLButtonUp(IToolView& view, unsigned /*flags*/, CPoint point) {
    view.ReleaseCapture();
    if (point == s_downPoint)
        s_nCurrentTool = s_nDefaultTool;
}

void CTool::OnRButtonUp(IToolView& /*view*/, unsigned /*flags*/, CPoint /*point*/) {}

void CTool::OnMouseMove(IToolView& /*view*/, unsigned /*flags*/, CPoint /*point*/) {
    s_cursor = Cursor::Arrow;
}
