#include "core/hearingtest/CEinzelmessungEntry.h"

#include "core/app/CAUVOApp.h"
#include "core/document/CAUVODoc.h"
#include "core/hearingtest/ToneDialogRules.h"

using namespace ToneDialogRules;

CEinzelmessungEntry::CEinzelmessungEntry(CAUVOApp& app, CAUVODoc& doc, int index, int side)
    : m_app(app), m_doc(doc), m_nIndex(index), m_nSide(side),
      m_nFrequency(doc.m_HoertestDaten.GetFrequency(index)) {}

bool CEinzelmessungEntry::Pulsed() const {
    return m_doc.m_HoertestDaten.Interleaved != 0;
}

std::int32_t CEinzelmessungEntry::NormalNull() const {
    return m_app.m_lNormalNull;
}

std::int32_t CEinzelmessungEntry::Ceiling() const {
    return m_app.OutputCeiling();
}

std::int32_t CEinzelmessungEntry::StartLevel() const {
    return StartLevelFromDoc(m_app.m_lNormalNull, m_doc.GetValueForFrequency(m_nFrequency, m_nSide),
                             m_app.OutputCeiling());
}

void CEinzelmessungEntry::TakeOver(std::int32_t level) {
    m_doc.m_HoertestDaten.SetValue(m_nIndex, m_nSide, Recorded(m_app.m_lNormalNull, level));
    // A new value is a change to save; the measurement keeps its date.
    m_doc.SetModifiedFlag();
}
