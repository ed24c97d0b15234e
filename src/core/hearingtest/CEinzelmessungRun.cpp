#include "core/hearingtest/CEinzelmessungRun.h"

#include "core/app/StringTable.h"
#include "core/app/TextFormat.h"
#include "core/hearingtest/IToneDialogHost.h"
#include "core/hearingtest/ToneDialogRules.h"
#include "core/sound/CSinusTone.h"

using namespace ToneDialogRules;

CEinzelmessungRun::CEinzelmessungRun(std::int32_t normalNull, std::int32_t ceiling, int frequency,
                                     std::int32_t startLevel, int side, bool pulsed,
                                     IDirectSound* device, IToneDialogHost& host)
    : m_lNormalNull(normalNull), m_lCeiling(ceiling), m_nFrequency(frequency), m_lLevel(startLevel),
      m_lStartLevel(startLevel), m_nSide(side), m_bPulsed(pulsed), m_pDevice(device), m_host(host),
      m_strText(Fill(StringTable::Load(StringTable::kEinzelmessungEntry),
                     {std::to_string(frequency), SideName(side)})) {}

CEinzelmessungRun::~CEinzelmessungRun() {
    m_host.KillTimer(kTimerId);
}

void CEinzelmessungRun::OnStart(bool pulsed) {
    m_bPulsed = pulsed;
    if (!m_pTone)
        m_pTone = std::make_unique<CSinusTone>(m_pDevice, 0.0, 44100, 16);
    // A refused tone leaves the dialog as it was, closable.
    m_pTone->SetFrequency(m_nFrequency);
    m_bPlaying = true;
    m_host.Refresh();
    m_lLevel = m_lStartLevel;
    m_pTone->SetVolume(m_lLevel);
    m_pTone->SetPan(PanFor(m_nSide));
    m_pTone->Play(DSBPLAY_LOOPING);
    m_host.SetTimer(kTimerId, kTickMs);
}

void CEinzelmessungRun::OnTimer(int id) {
    if (id != kTimerId || !m_bPlaying)
        return;
    m_bPulsePhase = m_bPulsed ? !m_bPulsePhase : false;
    if (m_bPulsePhase) {
        m_pTone->Stop();
        return;
    }
    m_lLevel = Raised(m_lLevel, m_lCeiling);
    if (m_lLevel >= m_lCeiling) {
        OnErkannt();
        return;
    }
    m_pTone->SetVolume(m_lLevel);
    m_pTone->Play(DSBPLAY_LOOPING);
}

void CEinzelmessungRun::OnErkannt() {
    if (!m_bPlaying)
        return;
    m_host.KillTimer(kTimerId);
    m_pTone->Stop();
    m_bPlaying = false;
    m_bMeasured = true;
    m_strText = Fill(StringTable::Load(StringTable::kEinzelmessungResult),
                     {std::to_string(m_nFrequency), SideName(m_nSide),
                      FormatText("%.1f", Recorded(m_lNormalNull, m_lLevel) * 0.01)});
    m_host.Refresh();
}
