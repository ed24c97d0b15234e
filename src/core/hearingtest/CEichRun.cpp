#include "core/hearingtest/CEichRun.h"

#include "core/app/CAUVOApp.h"
#include "core/app/StringTable.h"
#include "core/app/TextFormat.h"
#include "core/hearingtest/IToneDialogHost.h"
#include "core/hearingtest/ToneDialogRules.h"

#include <charconv>
#include <cmath>
#include <utility>

using namespace ToneDialogRules;

namespace {
constexpr std::int32_t kHighest = -100;
// A tone heard within the first three pulses (-100 to -99 dB) lies at the bottom of the ramp:
// the threshold is lower still, and the volume of the computer far too high.
constexpr std::int32_t kTooLoudUpTo = kSilence + 2 * kStep;
} // namespace

// The calibration measures the threshold the ceiling is built on, so its tone is exempt.
CEichRun::CEichRun(CAUVOApp& app, IDirectSound* device, IToneDialogHost& host)
    : m_app(app), m_host(host),
      m_tone(device, host, CSinusTone::Ceiling::Exempt, CRisingTone::Order::TestThenRaise) {
    m_tone.SetLevel(app.m_lNormalNull);
}

CEichRun::~CEichRun() = default;

std::string CEichRun::FieldText() const {
    return FormatText("%.2f", Level() * 0.01);
}

void CEichRun::OnStart() {
    m_app.InfoBoxId(StringTable::kEichenIntro);
    m_bLocked = true;
    m_bErkanntEnabled = true;
    m_host.Refresh();
    m_app.Trace(1, "CEichDialog::OnStart: %ld", static_cast<long>(Level()));
    m_lLevelBefore = Level();
    m_lFirstLevel = kSilence;
    StartRamp(1000.0);
}

void CEichRun::StartRamp(double frequency) {
    m_dFrequency = frequency;
    m_tone.ResetPulse();
    // No pan: both ears hear the calibration.
    m_bRamping = m_tone.Start(frequency, kSilence, CRisingTone::kBothEars);
    // Refused: back to a dialog that can be closed, rather than one locked without a tone; no
    // press may store the silence the ramp started from.
    if (!m_bRamping)
        Abandon();
}

void CEichRun::OnTimer(int id) {
    if (id != kTimerId || !m_bRamping)
        return;
    // Rising to full scale: not heard there, it counts as recognised there.
    if (m_tone.OnTick(true, DSBVOLUME_MAX) == CRisingTone::Tick::AtTop)
        OnErkannt();
}

void CEichRun::OnErkannt() {
    if (!m_bErkanntEnabled)
        return;
    m_tone.Halt();
    const bool wasRamping = std::exchange(m_bRamping, false);
    m_app.Trace(1, "CEichDialog::OnErkannt: %.1f : %ld", m_dFrequency, static_cast<long>(Level()));
    if (wasRamping && Level() <= kTooLoudUpTo) {
        Abandon();
        m_app.ErrorBoxId(StringTable::kEichenTooLoud);
        return;
    }
    if (m_dFrequency == 1000.0) {
        // Also before any start: the current level counts as the 1 kHz result.
        m_lFirstLevel = Level();
        StartRamp(3000.0);
        return;
    }
    if (Level() > m_lFirstLevel)
        m_tone.SetLevel(m_lFirstLevel);
    m_bLocked = false;
    m_bErkanntEnabled = false;
    ++m_nResults;
    m_host.Refresh();
    const std::string text = FillText(StringTable::Load(StringTable::kNormalNullResult),
                                      {FormatText("%.1f", Level() * 0.01)});
    m_app.WriteProtocol(text, 10);
    m_app.InfoBox(text);
}

void CEichRun::Abandon() {
    m_tone.Halt();
    m_bRamping = false;
    m_dFrequency = 1000.0;
    m_tone.SetLevel(m_lLevelBefore);
    m_bLocked = false;
    m_bErkanntEnabled = false;
    m_host.Refresh();
}

std::optional<std::int32_t> CEichRun::ParseField(const std::string& field) {
    // At most 15 characters, as the field is read; the first comma is the decimal point.
    std::string text = field.substr(0, 15);
    if (const auto comma = text.find(','); comma != std::string::npos)
        text[comma] = '.';
    std::size_t at = text.find_first_not_of(" \t\n\v\f\r");
    if (at == std::string::npos)
        return std::nullopt;
    if (text[at] == '+')
        ++at;
    double value = 0.0;
    // Independent of the process locale; what is not a number counts as 0 and is refused.
    if (std::from_chars(text.data() + at, text.data() + text.size(), value).ec != std::errc())
        return std::nullopt;
    // Range checked before the conversion to an integer, so no value can overflow into range.
    const double mB = std::trunc(value * 100.0);
    if (!(mB >= kSilence && mB <= kHighest))
        return std::nullopt;
    return static_cast<std::int32_t>(mB);
}

bool CEichRun::OnOK(const std::string& fieldText) {
    const std::optional<std::int32_t> value = ParseField(fieldText);
    if (!value) {
        m_app.ErrorBoxId(StringTable::kBadNormalNull);
        return false;
    }
    m_app.SetNormalNull(*value);
    // Kept at once, so a crash before the end of the program cannot lose it.
    m_app.WriteIniInt("NORMALNULL", static_cast<int>(*value));
    return true;
}
