// The UI thread hammers buffers while an output thread pulls from the mixer without pause.
// Run under ThreadSanitizer (make test-tsan) this shows whether the two threads race.

#include "platform/sound/NullAudioOutput.h"
#include "platform/sound/SoundDevice.h"
#include "platform/sound/SoundFormat.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstring>
#include <thread>
#include <vector>

namespace {

// Pulls as fast as it can, to give the threads as many chances to meet as possible.
class BusyOutput : public IAudioOutput {
public:
    ~BusyOutput() override { Stop(); }
    bool Start(Mixer& mixer) override {
        m_thread = std::thread([this, &mixer] {
            std::vector<float> block(2 * 256);
            while (!m_stop.load()) {
                mixer.Render(block.data(), 256);
                float loudest = 0.0f;
                for (const float s : block) {
                    loudest = std::max(loudest, std::fabs(s));
                }
                peak = loudest;
                ++blocks;
            }
        });
        return true;
    }
    void Stop() override {
        m_stop = true;
        if (m_thread.joinable()) {
            m_thread.join();
        }
    }
    std::atomic<float> peak{0.0f};
    std::atomic<long> blocks{0};

private:
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

IDirectSoundBuffer* NewBuffer(IDirectSound& device, DWORD bytes) {
    WAVEFORMATEX format = PcmFormat(1);
    DSBUFFERDESC desc;
    desc.dwFlags = DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLPAN | DSBCAPS_CTRLVOLUME;
    desc.dwBufferBytes = bytes;
    desc.lpwfxFormat = &format;
    IDirectSoundBuffer* buffer = nullptr;
    EXPECT_EQ(device.CreateSoundBuffer(&desc, &buffer, nullptr), DS_OK);
    return buffer;
}

void Fill(IDirectSoundBuffer* buffer, std::int16_t value) {
    void* p1 = nullptr;
    void* p2 = nullptr;
    DWORD b1 = 0;
    DWORD b2 = 0;
    ASSERT_EQ(buffer->Lock(0, 0, &p1, &b1, &p2, &b2, DSBLOCK_ENTIREBUFFER), DS_OK);
    auto* samples = static_cast<std::int16_t*>(p1);
    for (DWORD i = 0; i < b1 / 2; ++i) {
        samples[i] = value;
    }
    ASSERT_EQ(buffer->Unlock(p1, b1, p2, b2), DS_OK);
}

TEST(MixerThreadsTest, UiThreadHammersWhileTheOutputPulls) {
    auto output = std::make_unique<BusyOutput>();
    BusyOutput* busy = output.get();
    SoundDevice* device = nullptr;
    ASSERT_EQ(SoundDevice::Create(std::move(output), &device), DS_OK);

    std::vector<IDirectSoundBuffer*> buffers;
    for (int i = 0; i < 8; ++i) {
        buffers.push_back(NewBuffer(*device, 2000));
        Fill(buffers.back(), 1000);
        buffers.back()->Play(0, 0, DSBPLAY_LOOPING);
    }
    for (int round = 0; round < 3000; ++round) {
        IDirectSoundBuffer*& buffer = buffers[static_cast<std::size_t>(round) % buffers.size()];
        switch (round % 5) {
        case 0: // replace it, as the tone object does on every new frequency
            buffer->Stop();
            buffer->Release();
            buffer = NewBuffer(*device, 2000 + 2 * (round % 7));
            Fill(buffer, static_cast<std::int16_t>(round));
            buffer->Play(0, 0, DSBPLAY_LOOPING);
            break;
        case 1:
            buffer->SetVolume(-(round % 10000));
            break;
        case 2:
            buffer->SetPan(round % 20001 - 10000);
            break;
        case 3:
            buffer->Stop();
            break;
        default:
            Fill(buffer, static_cast<std::int16_t>(-round));
            buffer->Play(0, 0, round % 2 == 0 ? DSBPLAY_LOOPING : 0);
            break;
        }
    }
    for (IDirectSoundBuffer* buffer : buffers) {
        buffer->Stop();
        buffer->Release();
    }
    // Everything ramps out; the audio thread hands every voice back.
    Mixer& mixer = device->GetMixer();
    for (int wait = 0; wait < 2000 && mixer.VoicesInUse() > 0; ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        mixer.Collect();
    }
    EXPECT_EQ(mixer.VoicesInUse(), 0);
    const long blocks = busy->blocks.load();
    for (int wait = 0; wait < 2000 && busy->blocks.load() < blocks + 2; ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ASSERT_GE(busy->blocks.load(), blocks + 2) << "the output stopped pulling";
    EXPECT_EQ(busy->peak.load(), 0.0f);
    device->Release();
}

// A loaded machine may pull late, never early: a one-second buffer played once cannot have
// ended before a second has passed since the output started.
TEST(MixerThreadsTest, NullOutputNeverPullsAheadOfRealTime) {
    const auto start = std::chrono::steady_clock::now();
    SoundDevice* device = nullptr;
    ASSERT_EQ(SoundDevice::Create(std::make_unique<NullAudioOutput>(), &device), DS_OK);
    IDirectSoundBuffer* buffer = NewBuffer(*device, 88200);
    Fill(buffer, 500);
    buffer->Play(0, 0, 0);
    DWORD status = 0;
    buffer->GetStatus(&status);
    EXPECT_EQ(status, DSBSTATUS_PLAYING);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    buffer->GetStatus(&status);
    if (status != DSBSTATUS_PLAYING) {
        // One 10 ms block may be rendered ahead.
        EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(990));
    }
    buffer->Release();
    device->Release();
}

} // namespace
