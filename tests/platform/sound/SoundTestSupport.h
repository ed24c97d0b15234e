#pragma once
// Shared helpers for sound tests: a device on an output that never pulls by itself, so a
// test renders frames when it wants, and a reader for the WAV output's files.

#include "platform/sound/Mixer.h"
#include "platform/sound/SilentAudioOutput.h"
#include "platform/sound/SoundDevice.h"
#include "platform/sound/WavFileOutput.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace soundtest {

inline SoundDevice* CreateManualDevice() {
    SoundDevice* device = nullptr;
    SoundDevice::Create(std::make_unique<SilentAudioOutput>(), &device);
    return device;
}

// A device on a WAV file that renders only when the test asks `wav` to; null if it cannot open.
inline SoundDevice* CreateWavDevice(const std::string& path, WavFileOutput*& wav) {
    auto output = std::make_unique<WavFileOutput>(path, WavFileOutput::Mode::OnDemand);
    wav = output.get();
    SoundDevice* device = nullptr;
    SoundDevice::Create(std::move(output), &device);
    return device;
}

// Interleaved stereo frames.
inline std::vector<float> Render(Mixer& mixer, std::size_t frames) {
    std::vector<float> out(2 * frames);
    mixer.Render(out.data(), frames);
    return out;
}

inline std::vector<float> Channel(const std::vector<float>& stereo, int channel) {
    std::vector<float> out;
    for (std::size_t i = static_cast<std::size_t>(channel); i < stereo.size(); i += 2) {
        out.push_back(stereo[i]);
    }
    return out;
}

inline double Peak(const std::vector<float>& samples) {
    double peak = 0.0;
    for (const float s : samples) {
        peak = std::max(peak, std::fabs(static_cast<double>(s)));
    }
    return peak;
}

// Frequency from the rising zero crossings (interpolated), over whole periods.
inline double Frequency(const std::vector<float>& samples, double rate = 44100.0) {
    double first = -1.0;
    double last = -1.0;
    int crossings = 0;
    for (std::size_t i = 1; i < samples.size(); ++i) {
        if (samples[i - 1] < 0.0f && samples[i] >= 0.0f) {
            const double at = static_cast<double>(i - 1) +
                              samples[i - 1] / static_cast<double>(samples[i - 1] - samples[i]);
            if (first < 0.0) {
                first = at;
            } else {
                ++crossings;
            }
            last = at;
        }
    }
    return crossings > 0 ? crossings * rate / (last - first) : 0.0;
}

struct WavData {
    bool ok = false;
    int format = 0;
    int channels = 0;
    int rate = 0;
    int bits = 0;
    std::vector<float> samples; // interleaved
};

// Reads an IEEE float WAV file (chunks in any order).
inline WavData ReadWav(const std::string& path) {
    WavData wav;
    std::ifstream file(path, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(file)),
                                  std::istreambuf_iterator<char>());
    auto u32 = [&](std::size_t at) {
        std::uint32_t v = 0;
        std::memcpy(&v, bytes.data() + at, 4);
        return v;
    };
    auto u16 = [&](std::size_t at) {
        std::uint16_t v = 0;
        std::memcpy(&v, bytes.data() + at, 2);
        return v;
    };
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 ||
        std::memcmp(bytes.data() + 8, "WAVE", 4) != 0) {
        return wav;
    }
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const std::uint32_t size = u32(at + 4);
        if (std::memcmp(bytes.data() + at, "fmt ", 4) == 0) {
            wav.format = u16(at + 8);
            wav.channels = u16(at + 10);
            wav.rate = static_cast<int>(u32(at + 12));
            wav.bits = u16(at + 22);
        } else if (std::memcmp(bytes.data() + at, "data", 4) == 0) {
            const std::size_t available = std::min<std::size_t>(size, bytes.size() - at - 8);
            wav.samples.resize(available / 4);
            if (!wav.samples.empty()) {
                std::memcpy(wav.samples.data(), bytes.data() + at + 8, wav.samples.size() * 4);
            }
            wav.ok = wav.format == 3 && wav.bits == 32;
            return wav;
        }
        at += 8 + size + (size & 1);
    }
    return wav;
}

} // namespace soundtest
