#include "core/hearingtest/CHoertestRun.h"

#include "core/app/CAUVOApp.h"
#include "core/app/StringTable.h"
#include "core/app/TextFormat.h"
#include "core/document/CAUVODoc.h"
#include "core/hearingtest/IToneDialogHost.h"
#include "core/hearingtest/ToneDialogRules.h"
#include "core/sound/CSinusTone.h"
#include "platform/archive/CException.h"

#include <ctime>

using namespace ToneDialogRules;

CHoertestRun::CHoertestRun(CAUVOApp& app, CAUVODoc& doc, IDirectSound* device,
                           IToneDialogHost& host)
    : m_timeSource([] { return static_cast<long>(std::time(nullptr)); }), m_app(app), m_doc(doc),
      m_host(host), m_pTone(std::make_unique<CSinusTone>(device, 0.0, 44100, 16)) {}

CHoertestRun::~CHoertestRun() = default;

void CHoertestRun::Init() {
    m_Daten.Copy(&m_doc.m_HoertestDaten);
    m_nSide = 0;
    EnterIdle();
}

void CHoertestRun::OnStart(const Options& options) {
    m_nCount = options.standard ? 8 : 32;
    m_done.assign(static_cast<std::size_t>(m_nCount), false);
    const bool pulsed = options.pulsed;
    m_bStartVolFromDoc = options.startVolFromDoc;
    m_bRandom = options.random;
    if (!m_host.Confirm(
            Fill(StringTable::Load(StringTable::kHoertestIntro), {std::to_string(m_nCount)}), true,
            false)) {
        return;
    }
    m_bRunning = true;
    m_host.Refresh();
    m_app.Trace(1,
                "CHoertestDialog::OnStart: %d Freq., Interleaved=%d, StartVolFromDoc=%d, Random=%d",
                m_nCount, pulsed ? 1 : 0, m_bStartVolFromDoc ? 1 : 0, m_bRandom ? 1 : 0);
    m_Daten.Init(m_nCount);
    m_Daten.Interleaved = pulsed ? 1 : 0;
    m_nSide = 0;
    m_nCurrent = -1;
    m_nIndex = -1;
    m_lAtt = kSilence;
    StartNextSample();
}

void CHoertestRun::StartNextSample() {
    try {
        StepSample();
    } catch (const std::exception& e) {
        std::string message;
        if (const auto* own = dynamic_cast<const CException*>(&e))
            own->GetErrorMessage(message, 128);
        m_app.ErrorBox(Fill(StringTable::Load(StringTable::kInternalError),
                            {message, std::to_string(m_nCurrent)}));
    }
}

void CHoertestRun::StepSample() {
    m_host.KillTimer(kTimerId);
    m_pTone->Stop();
    m_app.Trace(10, "CHoertestDialog::StartNextSample: Current %d, Att %ld", m_nCurrent,
                static_cast<long>(m_lAtt));
    if (m_nIndex >= 0) {
        m_Daten.SetValue(m_nIndex, m_nSide, Recorded(m_app.m_lNormalNull, m_lAtt));
        m_done[static_cast<std::size_t>(m_nIndex)] = true;
    }
    if (++m_nCurrent >= m_nCount) {
        if (m_nSide == 1) {
            m_app.InfoBoxId(StringTable::kHoertestDone);
            EnterIdle();
            return;
        }
        m_nCurrent = 0;
        m_nSide = 1;
        m_done.assign(m_done.size(), false);
    }
    m_strStatus =
        Fill(StringTable::Load(StringTable::kHoertestProgress),
             {SideName(m_nSide), std::to_string(m_nCurrent + 1), std::to_string(m_nCount)});
    m_host.Refresh();

    m_nIndex = m_bRandom ? PickRandomIndex() : m_nCurrent;
    const std::int32_t frequency = m_Daten.GetFrequency(m_nIndex);
    m_lAtt = m_bStartVolFromDoc ? StartLevelFromDoc(m_app.m_lNormalNull,
                                                    m_doc.GetValueForFrequency(frequency, m_nSide),
                                                    m_app.OutputCeiling())
                                : BaseLevel(m_app.m_lNormalNull);
    m_app.Trace(5,
                "CHoertestDialog::StartNextSample: Durchlauf %d, Index %d, Freq. %f, StartAtt %ld",
                m_nCurrent, m_nIndex, static_cast<double>(frequency), static_cast<long>(m_lAtt));
    m_pTone->SetFrequency(frequency);
    m_pTone->SetVolume(m_lAtt);
    m_pTone->SetPan(PanFor(m_nSide));
    m_pTone->Play(DSBPLAY_LOOPING);
    m_host.SetTimer(kTimerId, kTickMs);
}

int CHoertestRun::PickRandomIndex() {
    // A 15-bit generator seeded with the time at every pick: any index not yet played comes
    // up sooner or later, so the loop ends.
    auto seed = static_cast<std::uint32_t>(m_timeSource());
    const int d = 32767 / m_nCount;
    for (;;) {
        seed = seed * 214013u + 2531011u;
        const int pos = static_cast<int>((seed >> 16) & 0x7FFF) / d;
        if (pos >= 0 && pos < m_nCount && !m_done[static_cast<std::size_t>(pos)])
            return pos;
    }
}

void CHoertestRun::OnTimer(int id) {
    if (id != kTimerId || !m_bRunning)
        return;
    m_bPulsePhase = m_Daten.Interleaved != 0 ? !m_bPulsePhase : false;
    if (m_bPulsePhase) {
        m_pTone->Stop();
        return;
    }
    // Not heard up to the ceiling: recorded there.
    const std::int32_t ceiling = m_app.OutputCeiling();
    if (m_lAtt >= ceiling) {
        StartNextSample();
        return;
    }
    m_lAtt = Raised(m_lAtt, ceiling);
    m_pTone->SetVolume(m_lAtt);
    m_pTone->Play(DSBPLAY_LOOPING);
}

void CHoertestRun::OnErkannt() {
    // A press while idle (or a key that reached the button late) records nothing.
    if (m_bRunning)
        StartNextSample();
}

void CHoertestRun::OnStop() {
    if (!m_bRunning)
        return;
    m_host.KillTimer(kTimerId);
    m_pTone->Stop();
    if (m_host.Confirm(StringTable::Load(StringTable::kHoertestPaused), false, true)) {
        m_host.SetTimer(kTimerId, kTickMs);
        m_host.Refresh();
        m_pTone->Play(DSBPLAY_LOOPING);
    } else {
        EnterIdle();
    }
}

void CHoertestRun::OnOK() {
    m_app.WriteProtocol("CHoertestDialog::OnOK", 1);
    if (m_Daten.GetCount() > 0)
        m_doc.SetHearingTestData(m_Daten);
}

void CHoertestRun::EnterIdle() {
    m_host.KillTimer(kTimerId);
    m_pTone->Stop();
    m_bRunning = false;
    m_strStatus = "-";
    m_host.Refresh();
}
