// The mixer sums steady voices several at a time; every frame must still be the plain sum,
// voice after voice in the order they were added, of sample times gain.
#include "platform/sound/Mixer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

TEST(MixerTest, ManyVoicesSumExactlyAsOneAfterAnother) {
    constexpr int kVoices = 11; // not a multiple of the four summed together
    Mixer mixer;
    std::vector<std::vector<std::int16_t>> samples;
    std::vector<float> left;
    std::vector<float> right;
    std::uint32_t seed = 12345;
    for (int v = 0; v < kVoices; ++v) {
        // Some voices wrap within the frames compared, one is silent.
        std::vector<std::int16_t> s(1900 + 733 * static_cast<std::size_t>(v));
        for (std::int16_t& x : s) {
            seed = seed * 1664525u + 1013904223u;
            x = static_cast<std::int16_t>(seed >> 16);
        }
        const float gainLeft = v == 4 ? 0.0f : 0.05f + 0.07f * static_cast<float>(v);
        const float gainRight = v == 4 ? 0.0f : 0.9f - 0.06f * static_cast<float>(v);
        const int voice = mixer.AddVoice(static_cast<std::uint32_t>(s.size()));
        mixer.SetSamples(voice, s);
        mixer.SetGains(voice, gainLeft, gainRight);
        mixer.Play(voice, true);
        samples.push_back(std::move(s));
        left.push_back(gainLeft * (1.0f / 32768.0f));
        right.push_back(gainRight * (1.0f / 32768.0f));
    }
    std::vector<float> out(2 * 2 * Mixer::kRampFrames);
    mixer.Render(out.data(), 2 * Mixer::kRampFrames); // past the ramps
    constexpr std::size_t kFrames = 3000;
    out.assign(2 * kFrames, 0.0f);
    mixer.Render(out.data(), kFrames);

    for (std::size_t i = 0; i < kFrames; ++i) {
        float l = 0.0f;
        float r = 0.0f;
        for (int v = 0; v < kVoices; ++v) {
            if (v == 4)
                continue;
            const auto& s = samples[static_cast<std::size_t>(v)];
            const float sample = static_cast<float>(s[(2 * Mixer::kRampFrames + i) % s.size()]);
            l += sample * left[static_cast<std::size_t>(v)];
            r += sample * right[static_cast<std::size_t>(v)];
        }
        ASSERT_EQ(out[2 * i], l) << i;
        ASSERT_EQ(out[2 * i + 1], r) << i;
    }
}

} // namespace
