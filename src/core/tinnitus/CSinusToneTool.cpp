#include "core/tinnitus/CSinusToneTool.h"

#include "core/app/CBaseApp.h"
#include "core/app/StringTable.h"
#include "core/sound/CNoiseBandGenerator.h"
#include "core/tinnitus/CTinnitusDaten.h"
#include "core/tinnitus/IToolView.h"

#include <string>

void CSinusToneTool::OnLButtonDown(IToolView& view, unsigned flags, CPoint point) {
    CTool::OnLButtonDown(view, flags, point);
    int side = 0;
    double frequency = 0.0;
    int level = 0;
    if (view.ClientToTT(point, side, frequency, level)) {
        CBaseApp* app = view.GetApp();
        if (app != nullptr)
            app->Trace(10, "CSinusToneTool::OnLButtonDown: Neu %s, %8.2f Hz, %ld mB",
                       side == 1 ? "RECHTS" : "LINKS", frequency, static_cast<long>(level));
        // A refused buffer throws out of here and leaves this tool current.
        const double bandwidth =
            m_kind == Kind::NoiseBand ? CTinnitusDaten::DefaultBandwidth(frequency) : 0.0;
        if (bandwidth > 0.0 && !CNoiseBandGenerator::IsHeard(frequency, bandwidth)) {
            // A click right at the axis: a band there would be silence.
            if (app != nullptr)
                app->ErrorBoxId(StringTable::kBandNotHeard);
            s_nMoveFlag = 0;
            s_nCurrentTool = s_nDefaultTool;
            return;
        }
        CSinusTone* tone = view.CreateTTValue(side, frequency, level, bandwidth);
        if (tone != nullptr)
            view.SetSelectedTone(tone, side);
        else if (app != nullptr)
            // The list is full; silently doing nothing would leave the user guessing.
            app->ErrorBox(StringTable::Format(StringTable::kTooManyTones,
                                              std::to_string(CTinnitusDaten::kMaxTones)));
    }
    // The placed tone stays where it was clicked, whatever the last press dragged.
    s_nMoveFlag = 0;
    s_nCurrentTool = s_nDefaultTool;
}

void CSinusToneTool::OnMouseMove(IToolView& view, unsigned flags, CPoint point) {
    s_cursor = Cursor::Cross;
    if (CTool* select = FindTool(kSelectTool))
        select->OnMouseMove(view, flags, point);
}
