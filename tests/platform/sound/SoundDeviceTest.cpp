// Choosing the output, failing to open it, the injected start-up faults, and the WAV
// output's file.

#include "platform/sound/AudioOutputFactory.h"
#include "platform/sound/PrimarySoundBuffer.h"
#include "platform/sound/SoundFormat.h"
#include "platform/sound/SoundTestSupport.h"
#include "platform/sound/WavFileOutput.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

class SoundDeviceTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* value = std::getenv("AUVO_AUDIO_OUTPUT");
        m_hadOutput = value != nullptr;
        m_output = m_hadOutput ? value : "";
    }
    void TearDown() override {
        if (m_hadOutput) {
            ::setenv("AUVO_AUDIO_OUTPUT", m_output.c_str(), 1);
        } else {
            ::unsetenv("AUVO_AUDIO_OUTPUT");
        }
        SetRealAudioOutputFactory(nullptr);
    }

    static HRESULT CreateWith(const char* output, IDirectSound** ds) {
        if (output == nullptr) {
            ::unsetenv("AUVO_AUDIO_OUTPUT");
        } else {
            ::setenv("AUVO_AUDIO_OUTPUT", output, 1);
        }
        return DirectSoundCreate(nullptr, ds, nullptr);
    }

    bool m_hadOutput = false;
    std::string m_output;
    TempFolder m_folder;
    const std::filesystem::path m_dir{m_folder.Path()};
};

TEST_F(SoundDeviceTest, EnvironmentChoosesTheOutput) {
    IDirectSound* ds = nullptr;
    ASSERT_EQ(CreateWith("null", &ds), DS_OK);
    ASSERT_NE(ds, nullptr);
    ds->Release();

    const std::string wav = (m_dir / "out.wav").string();
    ASSERT_EQ(CreateWith(("wav:" + wav).c_str(), &ds), DS_OK);
    ds->Release();
    EXPECT_TRUE(soundtest::ReadWav(wav).ok);

    // No factory registered: the real device cannot be opened.
    EXPECT_NE(CreateWith(nullptr, &ds), DS_OK);
    EXPECT_EQ(ds, nullptr);
    EXPECT_NE(CreateWith("", &ds), DS_OK);
    int made = 0;
    SetRealAudioOutputFactory([&made] {
        ++made;
        return std::make_unique<SilentAudioOutput>();
    });
    ASSERT_EQ(CreateWith(nullptr, &ds), DS_OK);
    EXPECT_EQ(made, 1);
    ds->Release();
}

TEST_F(SoundDeviceTest, OutputThatCannotOpenFailsTheDevice) {
    IDirectSound* ds = nullptr;
    const std::string blocked = "wav:" + (m_dir / "missing" / "out.wav").string();
    EXPECT_EQ(CreateWith(blocked.c_str(), &ds), DSERR_NODRIVER);
    EXPECT_EQ(ds, nullptr);
    EXPECT_NE(CreateWith("loudspeaker", &ds), DS_OK);
    SetRealAudioOutputFactory([] { return std::unique_ptr<IAudioOutput>(); });
    EXPECT_NE(CreateWith(nullptr, &ds), DS_OK);
}

TEST_F(SoundDeviceTest, BuffersKeepTheDeviceAliveInAnyReleaseOrder) {
    IDirectSound* ds = nullptr;
    ASSERT_EQ(CreateWith("null", &ds), DS_OK);
    DSBUFFERDESC desc;
    desc.dwFlags = DSBCAPS_PRIMARYBUFFER;
    IDirectSoundBuffer* primary = nullptr;
    ASSERT_EQ(ds->CreateSoundBuffer(&desc, &primary, nullptr), DS_OK);
    const WAVEFORMATEX format = PrimarySoundBuffer::OutputFormat();
    EXPECT_EQ(primary->SetFormat(&format), DS_OK);
    EXPECT_EQ(primary->Play(0, 0, DSBPLAY_LOOPING), DS_OK);

    WAVEFORMATEX mono = PcmFormat(1);
    DSBUFFERDESC secondary;
    secondary.dwFlags = DSBCAPS_CTRLPAN | DSBCAPS_CTRLVOLUME;
    secondary.dwBufferBytes = 100;
    secondary.lpwfxFormat = &mono;
    IDirectSoundBuffer* buffer = nullptr;
    ASSERT_EQ(ds->CreateSoundBuffer(&secondary, &buffer, nullptr), DS_OK);

    ds->Release();
    buffer->Release();
    primary->Release();
}

TEST_F(SoundDeviceTest, WavOutputRendersOnDemandAsFloatStereo) {
    const std::string path = (m_dir / "tone.wav").string();
    auto output = std::make_unique<WavFileOutput>(path, WavFileOutput::Mode::OnDemand);
    WavFileOutput* wav = output.get();
    SoundDevice* device = nullptr;
    ASSERT_EQ(SoundDevice::Create(std::move(output), &device), DS_OK);

    WAVEFORMATEX mono = PcmFormat(1);
    DSBUFFERDESC desc;
    desc.dwFlags = DSBCAPS_CTRLPAN | DSBCAPS_CTRLVOLUME;
    desc.dwBufferBytes = 200;
    desc.lpwfxFormat = &mono;
    IDirectSoundBuffer* buffer = nullptr;
    ASSERT_EQ(device->CreateSoundBuffer(&desc, &buffer, nullptr), DS_OK);
    void* p = nullptr;
    DWORD bytes = 0;
    ASSERT_EQ(buffer->Lock(0, 200, &p, &bytes, nullptr, nullptr, 0), DS_OK);
    std::fill_n(static_cast<std::int16_t*>(p), 100, std::int16_t{-32768});
    buffer->Unlock(p, bytes, nullptr, 0);
    buffer->SetVolume(-2000);
    buffer->SetPan(-10000);
    buffer->Play(0, 0, DSBPLAY_LOOPING);
    ASSERT_TRUE(wav->RenderFrames(44100));
    EXPECT_EQ(wav->FramesWritten(), 44100u);
    buffer->Release();
    device->Release(); // completes the header

    const soundtest::WavData data = soundtest::ReadWav(path);
    ASSERT_TRUE(data.ok);
    EXPECT_EQ(data.channels, 2);
    EXPECT_EQ(data.rate, 44100);
    ASSERT_EQ(data.samples.size(), 2u * 44100u);
    EXPECT_FLOAT_EQ(data.samples[2 * 44099], -0.1f);
    EXPECT_EQ(data.samples[2 * 44099 + 1], 0.0f);
    EXPECT_EQ(soundtest::Peak(soundtest::Channel(data.samples, 1)), 0.0);
}

} // namespace
