#pragma once
// The real sound device through SDL2's audio: float32 stereo at 44100 Hz, pulled by SDL's
// own audio thread from the mixer.

#include "platform/sound/IAudioOutput.h"

#include <cstdint>
#include <memory>

class SdlAudioOutput : public IAudioOutput {
public:
    ~SdlAudioOutput() override;
    // Opens SDL's default output device; false when SDL cannot.
    bool Start(Mixer& mixer) override;
    void Stop() override;

    // Makes DirectSoundCreate use this output when AUVO_AUDIO_OUTPUT is unset.
    static void RegisterAsRealOutput();

private:
    static void Callback(void* userdata, std::uint8_t* stream, int len);

    Mixer* m_mixer = nullptr;
    std::uint32_t m_device = 0;
    bool m_initialised = false;
};
