#pragma once
// Output that pulls at real-time pace and discards the frames (no sound card needed).

#include "platform/sound/IAudioOutput.h"

#include <atomic>
#include <thread>

class NullAudioOutput : public IAudioOutput {
public:
    ~NullAudioOutput() override;
    // Starts the pulling thread.
    bool Start(Mixer& mixer) override;
    void Stop() override;

private:
    void Run(Mixer& mixer);

    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};
