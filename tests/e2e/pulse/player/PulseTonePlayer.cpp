// auvo_pulse_tone_player FREQUENCY VOLUME PAN SECONDS
// Starts the sound device as the program does (real output, primary buffer in the output
// format), plays one looping tone object, then stops it and ends. Exit code 2: no device.

#include "core/sound/CSinusTone.h"
#include "platform/sound/SoundFormat.h"
#include "platform/sound/sdl/SdlAudioOutput.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

// libpulse, loaded by SDL, keeps a small allocation to the end; it is not ours to free.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libpulse.so\n";
}

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s FREQUENCY VOLUME PAN SECONDS\n", argv[0]);
        return 1;
    }
    const double frequency = std::atof(argv[1]);
    const LONG volume = std::atoi(argv[2]);
    const LONG pan = std::atoi(argv[3]);
    const double seconds = std::atof(argv[4]);

    ::unsetenv("AUVO_AUDIO_OUTPUT");
    SdlAudioOutput::RegisterAsRealOutput();
    IDirectSound* device = nullptr;
    if (DirectSoundCreate(nullptr, &device, nullptr) != DS_OK) {
        std::fprintf(stderr, "the real sound device could not be opened\n");
        return 2;
    }
    device->SetCooperativeLevel(nullptr, DSSCL_PRIORITY);
    DSBUFFERDESC desc;
    desc.dwFlags = DSBCAPS_PRIMARYBUFFER;
    IDirectSoundBuffer* primary = nullptr;
    device->CreateSoundBuffer(&desc, &primary, nullptr);
    WAVEFORMATEX format = PcmFormat(2);
    primary->SetFormat(&format);
    primary->Play(0, 0, DSBPLAY_LOOPING);
    {
        CSinusTone tone(device, frequency);
        tone.SetVolume(volume);
        tone.SetPan(pan);
        tone.Play(DSBPLAY_LOOPING);
        std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
        tone.Stop();
        std::this_thread::sleep_for(std::chrono::milliseconds(100)); // the ramp out
    }
    primary->Stop();
    primary->Release();
    device->Release();
    return 0;
}
