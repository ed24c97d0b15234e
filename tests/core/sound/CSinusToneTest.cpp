// The tone object on a real device: its buffer's content and length, what SetFrequency
// keeps, the failures without buffer, the restore path, and what reaches the WAV output.

#include "core/sound/CSinusTone.h"

#include "platform/sound/SoundTestSupport.h"
#include "platform/sound/WavFileOutput.h"
#include "support/FaultySoundDevice.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>

namespace {

// Passes everything to the device and remembers the last buffer it handed out.
class WatchingDevice : public IDirectSound {
public:
    explicit WatchingDevice(IDirectSound& device) : m_device(device) {}
    HRESULT CreateSoundBuffer(const DSBUFFERDESC* desc, IDirectSoundBuffer** buffer,
                              void* outer) override {
        const HRESULT status = m_device.CreateSoundBuffer(desc, buffer, outer);
        if (status == DS_OK)
            last = *buffer;
        ++created;
        return status;
    }
    HRESULT SetCooperativeLevel(HWND window, DWORD level) override {
        return m_device.SetCooperativeLevel(window, level);
    }
    HRESULT SetCeiling(LONG volume) override { return m_device.SetCeiling(volume); }
    DWORD Release() override { return 0; }

    IDirectSoundBuffer* last = nullptr;
    int created = 0;

private:
    IDirectSound& m_device;
};

class CSinusToneTest : public ::testing::Test {
protected:
    void TearDown() override { m_device->Release(); }

    // The samples the tone's current buffer holds.
    std::vector<std::int16_t> BufferSamples() {
        IDirectSoundBuffer* buffer = m_watch.last;
        DSBCAPS caps;
        EXPECT_EQ(buffer->GetCaps(&caps), DS_OK);
        void* p1 = nullptr;
        void* p2 = nullptr;
        DWORD b1 = 0;
        DWORD b2 = 0;
        EXPECT_EQ(buffer->Lock(0, caps.dwBufferBytes, &p1, &b1, &p2, &b2, 0), DS_OK);
        std::vector<std::int16_t> samples(b1 / 2);
        std::memcpy(samples.data(), p1, b1);
        buffer->Unlock(p1, b1, p2, b2);
        return samples;
    }

    DWORD Status() {
        DWORD status = 0;
        m_watch.last->GetStatus(&status);
        return status;
    }

    SoundDevice* m_device = soundtest::CreateManualDevice();
    FaultySoundDevice m_faults{m_device, false};
    WatchingDevice m_watch{m_faults};
};

TEST_F(CSinusToneTest, BufferHoldsTheToneSamples) {
    CSinusTone tone(&m_watch, 1234.5, 44100, 16);
    const std::vector<std::int16_t> samples = BufferSamples();
    ASSERT_EQ(samples.size(), 26435u);
    EXPECT_EQ(samples.back(), -5699);
    EXPECT_EQ(samples[1], static_cast<std::int16_t>(
                              std::sin(1 / (44100 / 1234.5 * 0.5) * 3.141592654) * 32767));
    EXPECT_TRUE(tone.SetFrequency(1000.0));
    EXPECT_EQ(BufferSamples().size(), 44100u);
    EXPECT_DOUBLE_EQ(tone.GetFrequency(), 1000.0);
    EXPECT_TRUE(tone.SetFrequency(-5.0));
    const std::vector<std::int16_t> silent = BufferSamples();
    EXPECT_EQ(silent.size(), 44100u);
    EXPECT_EQ(std::count(silent.begin(), silent.end(), 0), 44100);
}

TEST_F(CSinusToneTest, SetFrequencyKeepsPlayingStatePanAndVolume) {
    CSinusTone tone(&m_watch, 0.0);
    EXPECT_EQ(Status(), 0u);
    tone.SetFrequency(500.0);
    EXPECT_EQ(Status(), 0u); // a stopped tone stays stopped
    tone.SetVolume(-3000);
    tone.SetPan(10000);
    EXPECT_EQ(tone.Play(DSBPLAY_LOOPING), DS_OK);
    EXPECT_EQ(tone.GetVolume(), -3000);
    ASSERT_TRUE(tone.SetFrequency(700.0));
    EXPECT_EQ(Status(), DSBSTATUS_PLAYING | DSBSTATUS_LOOPING);
    EXPECT_EQ(tone.GetVolume(), -3000);
    LONG pan = 0;
    m_watch.last->GetPan(&pan);
    EXPECT_EQ(pan, 10000);
    EXPECT_EQ(tone.Stop(), DS_OK);
    tone.SetFrequency(800.0);
    EXPECT_EQ(Status(), 0u);
}

TEST_F(CSinusToneTest, RefusedBufferThrowsAndTheToneKeepsSounding) {
    m_faults.refuseSecondaries = 1;
    EXPECT_THROW(CSinusTone(&m_watch, 1000.0), CSoundBufferException);
    m_faults.refuseSecondaries = 2;
    EXPECT_THROW(CSinusTone(&m_watch, 1000.0), CSoundBufferException);
    m_faults.refuseSecondaries = 0;

    CSinusTone tone(&m_watch, 1000.0);
    tone.SetVolume(-3000);
    tone.SetPan(-10000);
    tone.Play(DSBPLAY_LOOPING);
    IDirectSoundBuffer* before = m_watch.last;
    m_faults.refuseSecondaries = 1;
    EXPECT_THROW(tone.SetFrequency(2000.0), CSoundBufferException);
    // Frequency, level, side and sound as before; a later save writes what is heard.
    EXPECT_EQ(tone.GetFrequency(), 1000.0);
    EXPECT_EQ(tone.GetVolume(), -3000);
    EXPECT_EQ(Status(), DSBSTATUS_PLAYING | DSBSTATUS_LOOPING);
    EXPECT_EQ(BufferSamples().size(), 44100u);
    EXPECT_EQ(m_watch.last, before);
    EXPECT_TRUE(tone.SetFrequency(2000.0));
    EXPECT_EQ(tone.GetFrequency(), 2000.0);
}

TEST_F(CSinusToneTest, LostBufferIsRestoredOnce) {
    CSinusTone tone(&m_watch, 1000.0);
    m_faults.loseLocks = 1;
    EXPECT_TRUE(tone.SetFrequency(1234.5));
    EXPECT_EQ(BufferSamples().size(), 26435u);
    m_faults.loseLocks = 2;
    EXPECT_FALSE(tone.SetFrequency(1000.0));
}

TEST_F(CSinusToneTest, ToneReachesTheWavOutputAtItsFrequencyLevelAndSide) {
    const TempFolder folder;
    const std::filesystem::path path = folder.File("out.wav");
    WavFileOutput* wav = nullptr;
    SoundDevice* device = soundtest::CreateWavDevice(path.string(), wav);
    ASSERT_NE(device, nullptr);
    {
        CSinusTone tone(device, 1000.0);
        tone.SetVolume(-2000);
        tone.SetPan(-10000);
        tone.Play(DSBPLAY_LOOPING);
        wav->RenderFrames(44100);
        tone.SetFrequency(1234.5);
        tone.SetVolume(-2000);
        tone.SetPan(10000);
        wav->RenderFrames(44100);
    }
    device->Release();
    const soundtest::WavData data = soundtest::ReadWav(path.string());
    ASSERT_TRUE(data.ok);
    ASSERT_EQ(data.samples.size(), 4u * 44100u);
    const std::vector<float> first(data.samples.begin() + 2 * 2000,
                                   data.samples.begin() + 2 * 44100);
    const std::vector<float> second(data.samples.begin() + 2 * 46100, data.samples.end());
    const double full = 32766.0 / 32768.0; // the largest sample of both tones
    EXPECT_NEAR(soundtest::Peak(soundtest::Channel(first, 0)), 0.1 * full, 1e-8);
    EXPECT_EQ(soundtest::Peak(soundtest::Channel(first, 1)), 0.0);
    EXPECT_NEAR(soundtest::Frequency(soundtest::Channel(first, 0)), 1000.0, 0.01);
    EXPECT_EQ(soundtest::Peak(soundtest::Channel(second, 0)), 0.0);
    EXPECT_NEAR(soundtest::Peak(soundtest::Channel(second, 1)), 0.1 * full, 1e-8);
    EXPECT_NEAR(soundtest::Frequency(soundtest::Channel(second, 1)), 1234.5, 0.01);
}

TEST_F(CSinusToneTest, NewFrequencyIsNeverLouderThanTheLevelSetAfterIt) {
    const TempFolder folder;
    const std::filesystem::path path = folder.File("out.wav");
    WavFileOutput* wav = nullptr;
    SoundDevice* device = soundtest::CreateWavDevice(path.string(), wav);
    ASSERT_NE(device, nullptr);
    {
        CSinusTone tone(device, 1000.0);
        tone.SetVolume(-6000);
        tone.Play(DSBPLAY_LOOPING);
        wav->RenderFrames(4410);
        // The audio thread runs between the new samples and their level.
        tone.SetFrequency(3000.0);
        EXPECT_EQ(tone.GetVolume(), -6000);
        wav->RenderFrames(1024);
        tone.SetVolume(-6000);
        wav->RenderFrames(4410);
    }
    device->Release();
    const soundtest::WavData data = soundtest::ReadWav(path.string());
    ASSERT_TRUE(data.ok);
    ASSERT_EQ(data.samples.size(), 2u * (4410u + 1024u + 4410u));
    EXPECT_LE(soundtest::Peak(data.samples), 0.001 + 1e-6);
    // ... and it does sound at that level once set.
    const std::vector<float> tail(data.samples.end() - 2 * 2000, data.samples.end());
    EXPECT_GT(soundtest::Peak(tail), 0.00099);
}

TEST_F(CSinusToneTest, FrequencyChangeAloneKeepsTheLevelHeard) {
    const TempFolder folder;
    const std::filesystem::path path = folder.File("out.wav");
    WavFileOutput* wav = nullptr;
    SoundDevice* device = soundtest::CreateWavDevice(path.string(), wav);
    ASSERT_NE(device, nullptr);
    {
        CSinusTone tone(device, 1000.0);
        tone.Play(DSBPLAY_LOOPING);
        wav->RenderFrames(4410); // no level set yet: silent, never at full scale
        tone.SetVolume(-2000);
        tone.SetPan(10000);
        wav->RenderFrames(4410);
        tone.SetFrequency(1234.5);
        EXPECT_EQ(tone.GetVolume(), -2000);
        wav->RenderFrames(44100);
    }
    device->Release();
    const soundtest::WavData data = soundtest::ReadWav(path.string());
    ASSERT_TRUE(data.ok);
    ASSERT_EQ(data.samples.size(), 2u * (4410u + 4410u + 44100u));
    const std::vector<float> before(data.samples.begin(), data.samples.begin() + 2 * 4410);
    EXPECT_EQ(soundtest::Peak(before), 0.0);
    const double full = 32766.0 / 32768.0;
    EXPECT_LE(soundtest::Peak(data.samples), 0.1 * full + 1e-8);
    const std::vector<float> after(data.samples.end() - 2 * 40000, data.samples.end());
    EXPECT_NEAR(soundtest::Peak(soundtest::Channel(after, 1)), 0.1 * full, 1e-8);
    EXPECT_EQ(soundtest::Peak(soundtest::Channel(after, 0)), 0.0);
    EXPECT_NEAR(soundtest::Frequency(soundtest::Channel(after, 1)), 1234.5, 0.01);
}

} // namespace
