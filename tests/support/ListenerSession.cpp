#include "support/ListenerSession.h"

#include "core/document/CAUVODoc.h"
#include "core/hearingtest/CEichRun.h"
#include "core/hearingtest/CHoertestRun.h"

#include <algorithm>
#include <cstring>

namespace {
// Far more ticks than a rise from silence to full level takes.
constexpr int kMaxEvents = 100000;
constexpr int kCalibrationAttempts = 3;
} // namespace

ListenerSession::ListenerSession(SimulatedListener& listener) : m_listener(listener) {
    m_app.SetSoundDevice(&m_device);
    m_app.SetMessageBoxService(this);
}

ListenerSession::~ListenerSession() {
    m_app.SetMessageBoxService(nullptr);
    m_app.SetSoundDevice(nullptr);
}

void ListenerSession::SetTimer(int, int milliseconds) {
    m_periodMs = milliseconds;
    m_timerDue = m_now + milliseconds;
}

void ListenerSession::KillTimer(int) {
    m_timerDue.reset();
}

template <typename Run, typename Done> void ListenerSession::Play(Run& run, Done done) {
    for (int events = 0; events < kMaxEvents && !done(); ++events) {
        if (!m_pressDue && m_timerDue)
            m_pressDue = m_listener.Listen(m_now, *m_timerDue - m_now, Heard());
        if (m_pressDue && (!m_timerDue || *m_pressDue < *m_timerDue)) {
            m_now = *m_pressDue;
            m_pressDue.reset();
            run.OnErkannt();
        } else if (m_timerDue) {
            m_now = *m_timerDue;
            m_timerDue = m_now + m_periodMs;
            run.OnTimer(1);
        } else {
            return;
        }
    }
}

std::optional<std::int32_t> ListenerSession::Calibrate() {
    CEichRun run(m_app, &m_device, *this);
    // A run that ends without a result is started again, as the user would, a few times.
    for (int attempt = 0; attempt < kCalibrationAttempts && run.ResultCount() == 0; ++attempt) {
        run.OnStart();
        Play(run, [&] { return run.ResultCount() > 0; });
        m_pressDue.reset();
    }
    if (run.ResultCount() == 0)
        return std::nullopt;
    return CEichRun::ParseField(run.FieldText());
}

std::vector<ListenerSession::Result> ListenerSession::HearingTest(std::int32_t normalNull,
                                                                  bool pulsed) {
    // As OK in the calibration stores it: the device's ceiling follows.
    m_app.SetNormalNull(normalNull);
    CAUVODoc doc;
    doc.OnNewDocument();
    CHoertestRun run(m_app, doc, &m_device, *this);
    run.Init();
    CHoertestRun::Options options;
    options.pulsed = pulsed;
    run.OnStart(options);
    Play(run, [&] { return !run.IsRunning(); });
    m_pressDue.reset();
    // "&Ende": the values as the document keeps them.
    run.OnOK();
    std::vector<Result> results;
    const CHoertestDaten& data = doc.m_HoertestDaten;
    for (int side = 0; side < 2; ++side) {
        for (int i = 0; i < data.GetCount(); ++i)
            results.push_back({data.GetFrequency(i), side, data.GetValue(i, side)});
    }
    return results;
}

SimulatedListener::Sound ListenerSession::Heard() {
    SimulatedListener::Sound sound;
    const FakeSoundBuffer* buffer = m_device.Newest();
    if (buffer == nullptr || !buffer->m_playing || buffer->m_volume <= -10000)
        return sound;
    if (m_pitchOfBuffer != m_device.m_created) {
        // The pitch as the samples carry it: rising zero crossings round the looped buffer.
        const std::vector<std::uint8_t>& bytes = buffer->Data();
        const std::size_t count = bytes.size() / 2;
        const auto sample = [&](std::size_t i) {
            std::int16_t value = 0;
            std::memcpy(&value, bytes.data() + 2 * i, 2);
            return value;
        };
        int cycles = 0;
        std::int16_t previous = count > 0 ? sample(count - 1) : 0;
        for (std::size_t i = 0; i < count; ++i) {
            const std::int16_t current = sample(i);
            if (previous < 0 && current >= 0)
                ++cycles;
            previous = current;
        }
        m_pitch = count > 0 ? cycles * 44100.0 / static_cast<double>(count) : 0.0;
        m_pitchOfBuffer = m_device.m_created;
    }
    // The device holds every sound but the exempt ones at its ceiling. DirectSound pan: a
    // positive pan lowers the left side, a negative one the right.
    LONG volume = buffer->m_volume;
    if ((buffer->m_flags & DSBCAPS_NOCEILING) == 0)
        volume = std::min(volume, std::min<LONG>(m_device.m_ceiling, 0));
    const double level = volume / 100.0;
    sound.audible = true;
    sound.frequency = m_pitch;
    sound.level = {level - std::max<LONG>(buffer->m_pan, 0) / 100.0,
                   level + std::min<LONG>(buffer->m_pan, 0) / 100.0};
    return sound;
}
