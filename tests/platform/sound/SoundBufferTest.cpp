// The buffers as the program sees them: formats, status, read-back values, Lock/Unlock,
// lost buffers and what each setting does to the mixed output.

#include "platform/sound/PrimarySoundBuffer.h"
#include "platform/sound/SoundFormat.h"
#include "platform/sound/SoundTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

using soundtest::Channel;
using soundtest::Render;

namespace {

class SoundBufferTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_device = soundtest::CreateManualDevice();
        ASSERT_NE(m_device, nullptr);
    }
    void TearDown() override {
        for (IDirectSoundBuffer* buffer : m_buffers) {
            buffer->Release();
        }
        m_device->Release();
    }

    static WAVEFORMATEX MonoFormat() { return PcmFormat(1); }

    HRESULT Create(DWORD bytes, IDirectSoundBuffer** buffer,
                   const WAVEFORMATEX& format = MonoFormat()) {
        DSBUFFERDESC desc;
        desc.dwFlags = DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLPAN | DSBCAPS_CTRLVOLUME;
        desc.dwBufferBytes = bytes;
        desc.lpwfxFormat = &format;
        const HRESULT status = m_device->CreateSoundBuffer(&desc, buffer, nullptr);
        if (status == DS_OK) {
            m_buffers.push_back(*buffer);
        }
        return status;
    }

    // A buffer holding the given samples, written through Lock/Unlock.
    IDirectSoundBuffer* WithSamples(const std::vector<std::int16_t>& samples) {
        IDirectSoundBuffer* buffer = nullptr;
        EXPECT_EQ(Create(static_cast<DWORD>(2 * samples.size()), &buffer), DS_OK);
        void* p1 = nullptr;
        void* p2 = nullptr;
        DWORD b1 = 0;
        DWORD b2 = 0;
        EXPECT_EQ(buffer->Lock(0, 2 * samples.size(), &p1, &b1, &p2, &b2, 0), DS_OK);
        std::memcpy(p1, samples.data(), b1);
        EXPECT_EQ(buffer->Unlock(p1, b1, p2, b2), DS_OK);
        return buffer;
    }

    IDirectSoundBuffer* Constant(std::int16_t value, std::size_t frames = 4410) {
        return WithSamples(std::vector<std::int16_t>(frames, value));
    }

    Mixer& mixer() { return m_device->GetMixer(); }

    SoundDevice* m_device = nullptr;
    std::vector<IDirectSoundBuffer*> m_buffers;
};

// Every play, stop and level change ramps over 20 ms at 44100 Hz.
constexpr std::uint32_t kRamp = 882;
constexpr float kHalf = 16384.0f / 32768.0f;
// A constant as loud as a full-scale sine (its RMS): the most one sound may be at full scale.
constexpr std::int16_t kLoud = 23170;

TEST_F(SoundBufferTest, PrimaryBufferAcceptsOnlyTheOutputFormat) {
    DSBUFFERDESC desc;
    desc.dwFlags = DSBCAPS_PRIMARYBUFFER;
    IDirectSoundBuffer* primary = nullptr;
    ASSERT_EQ(m_device->CreateSoundBuffer(&desc, &primary, nullptr), DS_OK);
    m_buffers.push_back(primary);
    WAVEFORMATEX format = PrimarySoundBuffer::OutputFormat();
    EXPECT_EQ(format.nBlockAlign, 4);
    EXPECT_EQ(primary->SetFormat(&format), DS_OK);
    format.nSamplesPerSec = 48000;
    format.nAvgBytesPerSec = 192000;
    EXPECT_EQ(primary->SetFormat(&format), DSERR_BADFORMAT);
    EXPECT_EQ(primary->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
    DWORD status = 0;
    primary->GetStatus(&status);
    EXPECT_EQ(status, DSBSTATUS_PLAYING | DSBSTATUS_LOOPING);

    desc.dwBufferBytes = 100; // a primary buffer has no length of its own
    IDirectSoundBuffer* wrong = nullptr;
    EXPECT_EQ(m_device->CreateSoundBuffer(&desc, &wrong, nullptr), DSERR_INVALIDPARAM);
    EXPECT_EQ(wrong, nullptr);
}

TEST_F(SoundBufferTest, SecondaryBufferIsMono16BitAndReportsItsShape) {
    IDirectSoundBuffer* buffer = nullptr;
    WAVEFORMATEX stereo = MonoFormat();
    stereo.nChannels = 2;
    stereo.nBlockAlign = 4;
    EXPECT_EQ(Create(1000, &buffer, stereo), DSERR_BADFORMAT);
    EXPECT_EQ(Create(0, &buffer), DSERR_INVALIDPARAM);

    ASSERT_EQ(Create(88200, &buffer), DS_OK);
    DSBCAPS caps;
    ASSERT_EQ(buffer->GetCaps(&caps), DS_OK);
    EXPECT_EQ(caps.dwBufferBytes, 88200u);
    WAVEFORMATEX format;
    ASSERT_EQ(buffer->GetFormat(&format, 18, nullptr), DS_OK);
    EXPECT_EQ(format.nSamplesPerSec, 44100u);
    LONG volume = 1;
    LONG pan = 1;
    buffer->GetVolume(&volume);
    buffer->GetPan(&pan);
    EXPECT_EQ(volume, 0);
    EXPECT_EQ(pan, 0);
    EXPECT_EQ(buffer->SetFormat(&format), DSERR_INVALIDCALL);
}

TEST_F(SoundBufferTest, LockOfTheWholeBufferGivesOneRegionAndAWrapGivesTwo) {
    IDirectSoundBuffer* buffer = nullptr;
    ASSERT_EQ(Create(1000, &buffer), DS_OK);
    void* p1 = nullptr;
    void* p2 = reinterpret_cast<void*>(1);
    DWORD b1 = 0;
    DWORD b2 = 7;
    ASSERT_EQ(buffer->Lock(0, 1000, &p1, &b1, &p2, &b2, 0), DS_OK);
    EXPECT_EQ(b1, 1000u);
    EXPECT_EQ(p2, nullptr);
    EXPECT_EQ(b2, 0u);
    ASSERT_EQ(buffer->Unlock(p1, b1, p2, b2), DS_OK);

    ASSERT_EQ(buffer->Lock(800, 400, &p1, &b1, &p2, &b2, 0), DS_OK);
    EXPECT_EQ(b1, 200u);
    EXPECT_EQ(b2, 200u);
    EXPECT_EQ(static_cast<char*>(p1) - static_cast<char*>(p2), 800);
    ASSERT_EQ(buffer->Unlock(p1, b1, p2, b2), DS_OK);
    EXPECT_EQ(buffer->Lock(1000, 2, &p1, &b1, &p2, &b2, 0), DSERR_INVALIDPARAM);
}

TEST_F(SoundBufferTest, SamplesPlayOnlyOnceUnlocked) {
    IDirectSoundBuffer* buffer = nullptr;
    ASSERT_EQ(Create(8820, &buffer), DS_OK);
    void* p1 = nullptr;
    DWORD b1 = 0;
    ASSERT_EQ(buffer->Lock(0, 8820, &p1, &b1, nullptr, nullptr, 0), DS_OK);
    std::vector<std::int16_t> ones(4410, 16384);
    std::memcpy(p1, ones.data(), b1);
    buffer->Play(0, 0, DSBPLAY_LOOPING);
    EXPECT_EQ(soundtest::Peak(Render(mixer(), 2000)), 0.0);
    ASSERT_EQ(buffer->Unlock(p1, b1, nullptr, 0), DS_OK);
    const std::vector<float> out = Render(mixer(), 2000);
    EXPECT_FLOAT_EQ(out.back(), kHalf);
}

TEST_F(SoundBufferTest, VolumeAndPanGiveTheirGainsOnceTheRampIsOver) {
    struct Case {
        LONG volume;
        LONG pan;
        double left;
        double right;
    };
    const Case cases[] = {
        {-2000, 0, 0.1, 0.1},
        {-2000, -10000, 0.1, 0.0},
        {0, 10000, 0.0, 1.0},
        {0, -3000, 1.0, std::pow(10.0, -1.5)},
        {-600, 2500, std::pow(10.0, -0.3 - 1.25), std::pow(10.0, -0.3)},
        {-10000, 0, 0.0, 0.0},
        // Outside the platform's range: applied clamped.
        {-12000, 0, 0.0, 0.0},
        {500, 0, 1.0, 1.0},
        {0, 20000, 0.0, 1.0},
        {0, -9999, 1.0, std::pow(10.0, -4.9995)},
    };
    for (const Case& c : cases) {
        IDirectSoundBuffer* buffer = Constant(16384);
        buffer->SetVolume(c.volume);
        buffer->SetPan(c.pan);
        buffer->Play(0, 0, DSBPLAY_LOOPING);
        const std::vector<float> out = Render(mixer(), 2 * kRamp);
        EXPECT_NEAR(out[out.size() - 2], kHalf * c.left, 1e-7 * kHalf * (1 + c.left))
            << c.volume << " " << c.pan;
        EXPECT_NEAR(out.back(), kHalf * c.right, 1e-7 * kHalf * (1 + c.right))
            << c.volume << " " << c.pan;
        LONG volume = 0;
        LONG pan = 0;
        buffer->GetVolume(&volume);
        buffer->GetPan(&pan);
        EXPECT_EQ(volume, c.volume);
        EXPECT_EQ(pan, c.pan);
        buffer->Stop();
        Render(mixer(), kRamp);
    }
}

// Largest change from one frame to the next on the left channel.
double LargestStep(const std::vector<float>& stereo) {
    const std::vector<float> left = Channel(stereo, 0);
    double largest = 0.0;
    for (std::size_t i = 1; i < left.size(); ++i) {
        largest = std::max(largest, std::fabs(static_cast<double>(left[i] - left[i - 1])));
    }
    return largest;
}

TEST_F(SoundBufferTest, StartStopAndVolumeChangesRampOverTwentyMilliseconds) {
    IDirectSoundBuffer* buffer = Constant(kLoud);
    const double full = kLoud / 32768.0;
    const double step = full / kRamp * 1.0001;

    buffer->Play(0, 0, DSBPLAY_LOOPING);
    std::vector<float> out = Render(mixer(), 2000);
    EXPECT_LE(std::fabs(out[0]), step); // no jump from silence
    EXPECT_LE(LargestStep(out), step);
    EXPECT_LT(out[2 * (kRamp - 2)], full);
    EXPECT_FLOAT_EQ(out[2 * (kRamp - 1)], static_cast<float>(full));

    buffer->SetVolume(-2000);
    LONG volume = 0;
    buffer->GetVolume(&volume);
    EXPECT_EQ(volume, -2000); // read back at once
    out = Render(mixer(), 2000);
    EXPECT_LE(LargestStep(out), step);
    EXPECT_GT(out[0], 0.9f * full);
    EXPECT_FLOAT_EQ(out[2 * kRamp], static_cast<float>(full * 0.1));

    buffer->Stop();
    DWORD status = 1;
    buffer->GetStatus(&status);
    EXPECT_EQ(status, 0u);
    out = Render(mixer(), 2000);
    EXPECT_GT(out[0], 0.09f * full);
    EXPECT_LE(LargestStep(out), step);
    EXPECT_EQ(out[2 * kRamp], 0.0f);
}

TEST_F(SoundBufferTest, ReleaseOfAPlayingBufferRampsOutAndFreesItsVoice) {
    IDirectSoundBuffer* buffer = Constant(kLoud);
    m_buffers.clear();
    const int voices = mixer().VoicesInUse();
    buffer->Play(0, 0, DSBPLAY_LOOPING);
    Render(mixer(), 2000);
    buffer->Release();
    const std::vector<float> out = Render(mixer(), 2000);
    EXPECT_GT(out[0], 0.9f * kLoud / 32768.0f);
    EXPECT_LE(LargestStep(out), 1.0001 / kRamp);
    mixer().Collect();
    EXPECT_EQ(mixer().VoicesInUse(), voices - 1);
}

TEST_F(SoundBufferTest, LoopingBufferWrapsWithoutAGapAndStopKeepsThePosition) {
    std::vector<std::int16_t> ramp(100);
    for (int i = 0; i < 100; ++i) {
        ramp[i] = static_cast<std::int16_t>(i * 100);
    }
    IDirectSoundBuffer* buffer = WithSamples(ramp);
    buffer->Play(0, 0, DSBPLAY_LOOPING);
    Render(mixer(), 1000); // past the ramp; the position is back at 0
    const std::vector<float> left = Channel(Render(mixer(), 350), 0);
    for (std::size_t i = 0; i < left.size(); ++i) {
        ASSERT_EQ(left[i], static_cast<float>((i % 100) * 100) / 32768.0f) << i;
    }

    // Stopping ramps out over 882 frames (the position moves on meanwhile), then it stays.
    buffer->Stop();
    Render(mixer(), 5000);
    buffer->SetVolume(0);
    buffer->Play(0, 0, DSBPLAY_LOOPING);
    const std::vector<float> resumed = Channel(Render(mixer(), 3), 0);
    const double gain = 1.0 / kRamp;
    const double expected = ((350 + kRamp) % 100) * 100 / 32768.0 * gain;
    EXPECT_NEAR(resumed[0], expected, 1e-6);
}

TEST_F(SoundBufferTest, BufferPlayedOnceStopsByItself) {
    IDirectSoundBuffer* buffer = Constant(1000, 1000);
    buffer->Play(0, 0, 0);
    DWORD status = 0;
    buffer->GetStatus(&status);
    EXPECT_EQ(status, DSBSTATUS_PLAYING);
    Render(mixer(), 1500);
    buffer->GetStatus(&status);
    EXPECT_EQ(status, 0u);
}

// A constant's RMS is its value, and constants are always in phase: the ceiling must hold
// every single frame of their sum, also while the gains ramp.
TEST_F(SoundBufferTest, CeilingHoldsEachChannelsSumInEveryFrameAndReadsBackWhatWasSet) {
    m_device->SetCeiling(-2000); // a sine of amplitude 0.1, RMS 0.0707
    const double limit = 0.1 * 32767.0 / 32768.0 / std::sqrt(2.0) * (1.0 + 1e-4);
    auto loudest = [](const std::vector<float>& stereo, int channel) {
        double most = 0.0;
        for (const float s : Channel(stereo, channel))
            most = std::max(most, std::fabs(double{s}));
        return most;
    };
    IDirectSoundBuffer* a = Constant(20000);
    a->SetPan(DSBPAN_LEFT);
    a->Play(0, 0, DSBPLAY_LOOPING);
    std::vector<float> out = Render(mixer(), 2 * kRamp);
    EXPECT_LE(loudest(out, 0), limit);
    EXPECT_NEAR(out[2 * (2 * kRamp - 1)], limit, 1e-4);
    EXPECT_EQ(loudest(out, 1), 0.0);

    // A second sound on that ear, then louder, then gone: the sum never passes the ceiling.
    IDirectSoundBuffer* b = Constant(20000);
    b->SetPan(DSBPAN_LEFT);
    b->Play(0, 0, DSBPLAY_LOOPING);
    out = Render(mixer(), 300);
    b->SetVolume(-300);
    a->SetVolume(-100);
    out = Render(mixer(), 3 * kRamp);
    EXPECT_LE(loudest(out, 0), limit);
    EXPECT_NEAR(out[2 * (3 * kRamp - 1)], limit, 1e-4);
    EXPECT_LE(LargestStep(out), limit / kRamp * 2.0);
    b->Stop();
    out = Render(mixer(), 2 * kRamp);
    EXPECT_LE(loudest(out, 0), limit);
    EXPECT_NEAR(out[2 * (2 * kRamp - 1)], limit, 1e-4); // a alone again at the ceiling
    LONG volume = 0;
    a->GetVolume(&volume);
    EXPECT_EQ(volume, -100);

    // The calibration's buffer is held only below full scale; the others keep their share.
    DSBUFFERDESC desc;
    desc.dwFlags = DSBCAPS_CTRLVOLUME | DSBCAPS_NOCEILING;
    desc.dwBufferBytes = 8820;
    const WAVEFORMATEX format = MonoFormat();
    desc.lpwfxFormat = &format;
    IDirectSoundBuffer* exempt = nullptr;
    ASSERT_EQ(m_device->CreateSoundBuffer(&desc, &exempt, nullptr), DS_OK);
    m_buffers.push_back(exempt);
    void* p1 = nullptr;
    DWORD b1 = 0;
    ASSERT_EQ(exempt->Lock(0, 8820, &p1, &b1, nullptr, nullptr, 0), DS_OK);
    std::vector<std::int16_t> samples(4410, 16384);
    std::memcpy(p1, samples.data(), b1);
    exempt->Unlock(p1, b1, nullptr, 0);
    exempt->SetPan(DSBPAN_LEFT);
    exempt->Play(0, 0, DSBPLAY_LOOPING);
    out = Render(mixer(), 2 * kRamp);
    EXPECT_NEAR(out[2 * (2 * kRamp - 1)], kHalf + limit, 1e-4);
    exempt->Stop();
    a->Stop();

    // At full scale two loud sounds of one ear still sum to less than full scale.
    m_device->SetCeiling(500); // above full scale counts as full scale
    EXPECT_EQ(m_device->Ceiling(), 0);
    IDirectSoundBuffer* c = Constant(32000);
    IDirectSoundBuffer* d = Constant(32001);
    c->Play(0, 0, DSBPLAY_LOOPING);
    d->Play(0, 0, DSBPLAY_LOOPING);
    out = Render(mixer(), 3 * kRamp);
    EXPECT_LT(loudest(out, 0), 1.0);
    EXPECT_NEAR(loudest(out, 1), 32767.0 / 32768.0, 1e-4);
}

} // namespace
