#include "core/tinnitus/CSelectTool.h"

#include "core/app/CBaseApp.h"
#include "core/app/CommandIds.h"
#include "core/app/StringTable.h"
#include "core/sound/CSinusTone.h"
#include "core/tinnitus/IToolView.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

void CSelectTool::OnLButtonDown(IToolView& view, unsigned flags, CPoint point) {
    s_nMoveFlag = 0;
    int side = 0;
    double frequency = 0.0;
    int level = 0;
    // Together, a diagram holds both ears and a click cannot tell which tone it means.
    if (!view.IsTogether() && view.ClientToTT(point, side, frequency, level)) {
        CSinusTone* tone = view.TToneNear(side, frequency);
        if (tone == nullptr)
            view.SetSelectedTone(nullptr, IToolView::kNoSide);
        else if (tone == view.GetSelectedTone()) {
            s_nMoveFlag = kMoving;
            // The tone keeps its distance to the pointer: a press above or below it must not
            // make it jump there at the first pixel of the drag.
            s_lDragOffset = std::int64_t{view.ToRelativeLevel(tone->GetVolume())} - level;
        } else
            view.SetSelectedTone(tone, side);
    }
    CTool::OnLButtonDown(view, flags, point);
}

void CSelectTool::OnLButtonUp(IToolView& view, unsigned flags, CPoint point) {
    s_nCurrentTool = s_nDefaultTool;
    s_cursor = Cursor::Arrow;
    CTool::OnLButtonUp(view, flags, point);
}

void CSelectTool::OnRButtonUp(IToolView& view, unsigned /*flags*/, CPoint point) {
    s_cursor = Cursor::Arrow;
    int side = 0;
    double frequency = 0.0;
    int level = 0;
    if (!view.ClientToTT(point, side, frequency, level))
        return;
    CSinusTone* tone = view.TToneNear(side, frequency);
    if (tone == nullptr)
        return;
    view.SetSelectedTone(tone, side);
    std::vector<IToolView::MenuEntry> entries = {
        {StringTable::kMenuDelete, ID_TINNITUS_LOESCHEN},
        {StringTable::kMenuProperties, ID_TINNITUS_EIGENSCHAFTEN}};
    // Together no sound can be placed.
    if (!view.IsTogether())
        entries.push_back({StringTable::kMenuNewBand, ID_TINNITUS_RAUSCHBAND_NEU});
    view.TrackPopupMenu(entries, point);
}

void CSelectTool::OnMouseMove(IToolView& view, unsigned flags, CPoint point) {
    int selSide = IToolView::kNoSide;
    CSinusTone* sel = view.GetSelectedTone(&selSide);
    int side = 0;
    double frequency = 0.0;
    int level = 0;
    if (view.ClientToTT(point, side, frequency, level)) {
        if (!view.HasCapture()) {
            if (s_nCurrentTool == kSelectTool && sel != nullptr && side == selSide &&
                std::llabs(std::int64_t{view.ToRelativeLevel(sel->GetVolume())} - level) <
                    kHoverLevelMB &&
                std::fabs(sel->GetFrequency() - frequency) < kHoverFrequencyHz) {
                s_cursor = Cursor::Cross;
                return;
            }
        } else if (s_nMoveFlag == kMoving && sel != nullptr && side == selSide) {
            level = static_cast<int>(
                std::clamp<std::int64_t>(level + s_lDragOffset, INT32_MIN / 2, INT32_MAX / 2));
            if (CBaseApp* app = view.GetApp())
                app->Trace(10, "CSelectTool::OnMouseMove: move %8.2f Hz, %ld mB", frequency,
                           static_cast<long>(level));
            // Frequency first: a refused buffer leaves the tone's level as it was too.
            sel->SetFrequency(frequency);
            sel->SetVolume(view.ToAbsoluteLevel(level));
            view.SetModifiedFlag();
            view.InvalidateSide(side);
        }
    }
    if (s_nCurrentTool == kSelectTool)
        CTool::OnMouseMove(view, flags, point);
}
