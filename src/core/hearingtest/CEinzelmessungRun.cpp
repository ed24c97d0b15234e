#include "core/hearingtest/CEinzelmessungRun.h"

#include "core/app/StringTable.h"
#include "core/app/TextFormat.h"
#include "core/hearingtest/IToneDialogHost.h"
#include "core/hearingtest/ToneDialogRules.h"

using namespace ToneDialogRules;

CEinzelmessungRun::CEinzelmessungRun(std::int32_t normalNull, std::int32_t ceiling, int frequency,
                                     std::int32_t startLevel, int side, bool pulsed,
                                     IDirectSound* device, IToneDialogHost& host)
    : m_lNormalNull(normalNull), m_lCeiling(ceiling), m_nFrequency(frequency),
      m_lStartLevel(startLevel), m_nSide(side), m_bPulsed(pulsed), m_host(host),
      m_tone(device, host, CSinusTone::Ceiling::Applies, CRisingTone::Order::RaiseThenTest),
      m_strText(FillText(StringTable::Load(StringTable::kEinzelmessungEntry),
                         {std::to_string(frequency), SideName(side)})) {
    m_tone.SetLevel(startLevel);
}

CEinzelmessungRun::~CEinzelmessungRun() = default;

void CEinzelmessungRun::OnStart(bool pulsed) {
    m_bPulsed = pulsed;
    // A refused tone leaves the dialog as it was, closable.
    if (!m_tone.Start(m_nFrequency, m_lStartLevel, m_nSide))
        return;
    m_bPlaying = true;
    m_host.Refresh();
}

void CEinzelmessungRun::OnTimer(int id) {
    if (id != kTimerId || !m_bPlaying)
        return;
    // Not heard up to the ceiling: recorded there, the ceiling itself never sounds.
    if (m_tone.OnTick(m_bPulsed, m_lCeiling) == CRisingTone::Tick::AtTop)
        OnErkannt();
}

void CEinzelmessungRun::OnErkannt() {
    if (!m_bPlaying)
        return;
    m_tone.Halt();
    m_bPlaying = false;
    m_bMeasured = true;
    m_strText = FillText(StringTable::Load(StringTable::kEinzelmessungResult),
                         {std::to_string(m_nFrequency), SideName(m_nSide),
                          FormatText("%.1f", Recorded(m_lNormalNull, Level()) * 0.01)});
    m_host.Refresh();
}
