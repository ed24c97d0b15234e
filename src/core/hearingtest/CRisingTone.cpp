#include "core/hearingtest/CRisingTone.h"

#include "core/hearingtest/IToneDialogHost.h"
#include "core/hearingtest/ToneDialogRules.h"

using namespace ToneDialogRules;

CRisingTone::CRisingTone(IDirectSound* device, IToneDialogHost& host, CSinusTone::Ceiling ceiling,
                         Order order)
    : m_pDevice(device), m_host(host), m_ceiling(ceiling), m_order(order) {}

CRisingTone::~CRisingTone() {
    Halt();
}

bool CRisingTone::Start(double frequency, std::int32_t level, int side) {
    Halt();
    m_lLevel = level;
    try {
        if (!m_pTone)
            m_pTone = std::make_unique<CSinusTone>(m_pDevice, 0.0, 44100, 16, m_ceiling);
        m_pTone->SetFrequency(frequency);
    } catch (const CSoundBufferException&) {
        m_host.ToneRefused();
        return false;
    }
    m_pTone->SetVolume(m_lLevel);
    m_pTone->SetPan(side == kBothEars ? 0 : PanFor(side));
    m_pTone->Play(DSBPLAY_LOOPING);
    m_bRunning = true;
    m_host.SetTimer(kTimerId, kTickMs);
    return true;
}

void CRisingTone::Halt() {
    m_host.KillTimer(kTimerId);
    m_bRunning = false;
    if (m_pTone)
        m_pTone->Stop();
}

void CRisingTone::Resume() {
    if (!m_pTone)
        return;
    m_bRunning = true;
    m_host.SetTimer(kTimerId, kTickMs);
    m_pTone->Play(DSBPLAY_LOOPING);
}

CRisingTone::Tick CRisingTone::OnTick(bool pulsed, std::int32_t top) {
    // A tick that was on its way when the tone halted.
    if (!m_bRunning)
        return Tick::Off;
    m_bPulseOff = pulsed && !m_bPulseOff;
    if (m_bPulseOff) {
        m_pTone->Stop();
        return Tick::Off;
    }
    if (m_order == Order::TestThenRaise && m_lLevel >= top)
        return Tick::AtTop;
    m_lLevel = Raised(m_lLevel, top);
    if (m_order == Order::RaiseThenTest && m_lLevel >= top)
        return Tick::AtTop;
    m_pTone->SetVolume(m_lLevel);
    m_pTone->Play(DSBPLAY_LOOPING);
    return Tick::Rose;
}
