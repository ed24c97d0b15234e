#include "core/hearingtest/CHoertestRun.h"

#include "core/app/CAUVOApp.h"
#include "core/app/StringTable.h"
#include "core/app/TextFormat.h"
#include "core/document/CAUVODoc.h"
#include "core/hearingtest/IToneDialogHost.h"
#include "core/hearingtest/ToneDialogRules.h"
#include "platform/archive/CException.h"
#include "platform/time/LocalClock.h"

using namespace ToneDialogRules;

CHoertestRun::CHoertestRun(CAUVOApp& app, CAUVODoc& doc, IDirectSound* device,
                           IToneDialogHost& host)
    : m_app(app), m_doc(doc), m_host(host),
      m_tone(device, host, CSinusTone::Ceiling::Applies, CRisingTone::Order::TestThenRaise) {}

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
            FillText(StringTable::Load(StringTable::kHoertestIntro), {std::to_string(m_nCount)}),
            true, false)) {
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
    m_tone.SetLevel(kSilence);
    StartNextSample();
}

void CHoertestRun::StartNextSample() {
    try {
        StepSample();
    } catch (const std::exception& e) {
        std::string message;
        if (const auto* own = dynamic_cast<const CException*>(&e))
            own->GetErrorMessage(message, 128);
        m_app.ErrorBox(FillText(StringTable::Load(StringTable::kInternalError),
                                {message, std::to_string(m_nCurrent)}));
    }
}

void CHoertestRun::StepSample() {
    m_tone.Halt();
    m_app.Trace(10, "CHoertestDialog::StartNextSample: Current %d, Att %ld", m_nCurrent,
                static_cast<long>(Att()));
    if (m_nIndex >= 0) {
        m_Daten.SetValue(m_nIndex, m_nSide, Recorded(m_app.m_lNormalNull, Att()));
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
        FillText(StringTable::Load(StringTable::kHoertestProgress),
                 {SideName(m_nSide), std::to_string(m_nCurrent + 1), std::to_string(m_nCount)});
    m_host.Refresh();

    m_nIndex = m_bRandom ? PickRandomIndex() : m_nCurrent;
    const std::int32_t frequency = m_Daten.GetFrequency(m_nIndex);
    const std::int32_t start =
        m_bStartVolFromDoc
            ? StartLevelFromDoc(m_app.m_lNormalNull, m_doc.GetValueForFrequency(frequency, m_nSide),
                                m_app.OutputCeiling())
            : BaseLevel(m_app.m_lNormalNull);
    m_app.Trace(5,
                "CHoertestDialog::StartNextSample: Durchlauf %d, Index %d, Freq. %f, StartAtt %ld",
                m_nCurrent, m_nIndex, static_cast<double>(frequency), static_cast<long>(start));
    // Refused: the host was told; the next press of "E R K A N N T !" goes on.
    m_tone.Start(frequency, start, m_nSide);
}

int CHoertestRun::PickRandomIndex() {
    // A 15-bit generator seeded with the time at every pick: any index not yet played comes
    // up sooner or later, so the loop ends.
    auto seed = static_cast<std::uint32_t>(LocalClock::CurrentTime());
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
    // Not heard up to the ceiling: recorded there.
    if (m_tone.OnTick(m_Daten.Interleaved != 0, m_app.OutputCeiling()) == CRisingTone::Tick::AtTop)
        StartNextSample();
}

void CHoertestRun::OnErkannt() {
    // A press while idle (or a key that reached the button late) records nothing.
    if (m_bRunning)
        StartNextSample();
}

void CHoertestRun::OnStop() {
    if (!m_bRunning)
        return;
    m_tone.Halt();
    if (m_host.Confirm(StringTable::Load(StringTable::kHoertestPaused), false, true)) {
        m_host.Refresh();
        m_tone.Resume();
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
    m_tone.Halt();
    m_bRunning = false;
    m_strStatus = "-";
    m_host.Refresh();
}
