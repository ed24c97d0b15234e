#pragma once
// Picks the output for DirectSoundCreate from AUVO_AUDIO_OUTPUT: unset or empty = the real
// device (whatever factory the program registered), "null", or "wav:PATH".

#include "platform/sound/IAudioOutput.h"

#include <functional>
#include <memory>

using AudioOutputFactory = std::function<std::unique_ptr<IAudioOutput>()>;

// Registers how to make the real device's output (main registers the SDL one).
void SetRealAudioOutputFactory(AudioOutputFactory factory);

// The output AUVO_AUDIO_OUTPUT asks for, not yet started; null when there is none.
std::unique_ptr<IAudioOutput> CreateAudioOutputFromEnvironment();
