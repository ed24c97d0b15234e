#include "platform/sound/AudioOutputFactory.h"

#include "platform/sound/NullAudioOutput.h"
#include "platform/sound/WavFileOutput.h"

#include <cstdlib>
#include <string>

namespace {
AudioOutputFactory& RealFactory() {
    static AudioOutputFactory factory;
    return factory;
}
} // namespace

void SetRealAudioOutputFactory(AudioOutputFactory factory) {
    RealFactory() = std::move(factory);
}

std::unique_ptr<IAudioOutput> CreateAudioOutputFromEnvironment() {
    const char* value = std::getenv("AUVO_AUDIO_OUTPUT");
    const std::string choice = value != nullptr ? value : "";
    if (choice.empty()) {
        return RealFactory() ? RealFactory()() : nullptr;
    }
    if (choice == "null") {
        return std::make_unique<NullAudioOutput>();
    }
    if (choice.rfind("wav:", 0) == 0 && choice.size() > 4) {
        return std::make_unique<WavFileOutput>(choice.substr(4), WavFileOutput::Mode::RealTime);
    }
    return nullptr;
}
