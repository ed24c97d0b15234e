#pragma once
// Output without a thread that never pulls: tones get buffers and report their levels, but
// nothing is rendered unless the holder of the mixer renders it itself (command line, tests,
// benchmarks).

#include "platform/sound/IAudioOutput.h"

class SilentAudioOutput : public IAudioOutput {
public:
    bool Start(Mixer& /*mixer*/) override { return true; }
    void Stop() override {}
};
