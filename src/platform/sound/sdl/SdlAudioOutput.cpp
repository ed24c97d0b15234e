#include "platform/sound/sdl/SdlAudioOutput.h"

#include "platform/sound/AudioOutputFactory.h"
#include "platform/sound/Mixer.h"

#include <SDL.h>

SdlAudioOutput::~SdlAudioOutput() {
    Stop();
}

bool SdlAudioOutput::Start(Mixer& mixer) {
    Stop();
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return false;
    }
    m_initialised = true;
    m_mixer = &mixer;
    SDL_AudioSpec want{};
    want.freq = Mixer::kSampleRate;
    want.format = AUDIO_F32SYS;
    want.channels = Mixer::kChannels;
    want.samples = 1024; // about 23 ms per callback: no underruns on a busy machine
    want.callback = &SdlAudioOutput::Callback;
    want.userdata = this;
    SDL_AudioSpec have{};
    // No changes allowed: SDL converts if the hardware wants something else.
    m_device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (m_device == 0) {
        Stop();
        return false;
    }
    SDL_PauseAudioDevice(m_device, 0);
    return true;
}

void SdlAudioOutput::Stop() {
    if (m_device != 0) {
        SDL_CloseAudioDevice(m_device);
        m_device = 0;
    }
    if (m_initialised) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        m_initialised = false;
    }
    m_mixer = nullptr;
}

void SdlAudioOutput::Callback(void* userdata, std::uint8_t* stream, int len) {
    auto* self = static_cast<SdlAudioOutput*>(userdata);
    const auto frames = static_cast<std::size_t>(len) / (sizeof(float) * Mixer::kChannels);
    self->m_mixer->Render(reinterpret_cast<float*>(stream), frames);
}

void SdlAudioOutput::RegisterAsRealOutput() {
    SetRealAudioOutputFactory([] { return std::make_unique<SdlAudioOutput>(); });
}
