#include "core/view/CViewCommands.h"

#include "core/document/CAUVODoc.h"
#include "core/sound/CSinusTone.h"
#include "core/tinnitus/CTinnitusDaten.h"
#include "core/tinnitus/CTool.h"
#include "core/view/CAUVOView.h"
#include "core/view/IViewWindow.h"

bool CViewCommands::Handles(int id) {
    switch (id) {
    case ID_KOMMENTAR:
    case ID_ZUSAMMEN:
    case ID_VIEW_HOERTEST:
    case ID_VIEW_TINNITUS:
    case ID_TINNITUS_HOEREN:
    case ID_TINNITUS_NEU:
    case ID_TINNITUS_RAUSCHBAND_NEU:
    case ID_TINNITUS_LOESCHEN:
    case ID_TINNITUS_EIGENSCHAFTEN:
    case ID_LOGDARST:
    case ID_NORMALKURVE:
        return true;
    default:
        return false;
    }
}

bool* CViewCommands::Flag(int id) const {
    switch (id) {
    case ID_ZUSAMMEN:
        return &m_view.m_bZusammen;
    case ID_VIEW_HOERTEST:
        return &m_view.m_bShowHTD;
    case ID_VIEW_TINNITUS:
        return &m_view.m_bShowTTD;
    case ID_LOGDARST:
        return &m_view.m_bLogDarst;
    case ID_NORMALKURVE:
        return &m_view.m_bNormalkurve;
    default:
        return nullptr;
    }
}

bool CViewCommands::IsEnabled(int id) const {
    const CAUVODoc* doc = m_view.GetDocument();
    switch (id) {
    case ID_TINNITUS_HOEREN:
        // Playing tones can always be switched off, whatever the view shows.
        return doc != nullptr && (doc->m_TinnitusDaten.m_nPlayMode != CTinnitusDaten::playNone ||
                                  (m_view.m_bShowTTD && (doc->m_TinnitusDaten.GetCount(0) > 0 ||
                                                         doc->m_TinnitusDaten.GetCount(1) > 0)));
    case ID_TINNITUS_NEU:
    case ID_TINNITUS_RAUSCHBAND_NEU:
        return m_view.m_bShowTTD && !m_view.m_bZusammen;
    case ID_TINNITUS_LOESCHEN:
    case ID_TINNITUS_EIGENSCHAFTEN:
        return m_view.m_bShowTTD && m_view.GetSelectedTone() != nullptr;
    default:
        return Handles(id);
    }
}

bool CViewCommands::IsChecked(int id) const {
    if (id == ID_TINNITUS_HOEREN) {
        const CAUVODoc* doc = m_view.GetDocument();
        return doc != nullptr && doc->m_TinnitusDaten.m_nPlayMode != CTinnitusDaten::playNone;
    }
    const bool* flag = Flag(id);
    return flag != nullptr && *flag;
}

bool CViewCommands::Execute(int id) {
    if (!IsEnabled(id))
        return false;
    if (bool* flag = Flag(id)) {
        *flag = !*flag;
        m_view.InvalidateAll();
        return true;
    }
    CAUVODoc* doc = m_view.GetDocument();
    switch (id) {
    case ID_TINNITUS_HOEREN:
        if (doc->m_TinnitusDaten.m_nPlayMode != CTinnitusDaten::playNone)
            doc->m_TinnitusDaten.StopAll();
        else
            doc->m_TinnitusDaten.PlayAll(CTinnitusDaten::playBoth);
        return true;
    case ID_TINNITUS_NEU:
    case ID_TINNITUS_RAUSCHBAND_NEU:
        if (doc != nullptr && doc->m_TinnitusDaten.m_nPlayMode == CTinnitusDaten::playNone)
            doc->m_TinnitusDaten.PlayAll(CTinnitusDaten::playBoth);
        if (m_view.GetWindow() != nullptr)
            m_view.GetWindow()->SetCurrentTool(id == ID_TINNITUS_NEU ? CTool::kSinusToneTool
                                                                     : CTool::kNoiseBandTool);
        return true;
    case ID_TINNITUS_LOESCHEN:
        DeleteSelectedTone();
        return true;
    default:
        return false;
    }
}

bool CViewCommands::StopTones() {
    CAUVODoc* doc = m_view.GetDocument();
    if (doc == nullptr || doc->m_TinnitusDaten.m_nPlayMode == CTinnitusDaten::playNone)
        return false;
    doc->m_TinnitusDaten.StopAll();
    return true;
}

void CViewCommands::DeleteSelectedTone() {
    int side = CAUVOView::kNoSide;
    CSinusTone* tone = m_view.GetSelectedTone(&side);
    CAUVODoc* doc = m_view.GetDocument();
    if (tone == nullptr || doc == nullptr)
        return;
    doc->SetModifiedFlag();
    doc->m_TinnitusDaten.RemoveTone(side, tone); // dropped here: the tone is deleted
    m_view.InvalidateSide(side);
    m_view.SetSelectedTone(nullptr, CAUVOView::kNoSide);
    if (doc->m_TinnitusDaten.GetCount(0) == 0 && doc->m_TinnitusDaten.GetCount(1) == 0)
        doc->m_TinnitusDaten.StopAll();
}
