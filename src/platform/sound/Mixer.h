#pragma once
// Software mixer: mono 16-bit voices summed in float into interleaved stereo frames.
// The UI thread owns the voices' settings and sends them as commands; the audio thread
// renders. They meet only in two lock-free queues (commands in, retired blocks out), so
// Render never blocks, never allocates and never does I/O.
// Its output stage holds each channel to the OutputCeiling once one is set: every voice's
// gain is its level times its channel's factor, and all voices move to new gains together.

#include "platform/sound/OutputCeiling.h"
#include "platform/sound/SpscQueue.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

class Mixer {
public:
    static constexpr int kMaxVoices = 4096;
    static constexpr std::uint32_t kRampFrames = 882; // 20 ms at 44100 Hz
    static constexpr int kSampleRate = 44100;
    static constexpr int kChannels = 2;

    Mixer();
    // Frees every sample block; the output must have stopped rendering before.
    ~Mixer();
    Mixer(const Mixer&) = delete;
    Mixer& operator=(const Mixer&) = delete;

    // --- UI thread ---
    // New stopped voice of the given length, silent until SetSamples; -1 when all are in use.
    // An exempt voice is held only by the peak rule of the ceiling, not by its level.
    int AddVoice(std::uint32_t frames, bool exempt = false);
    // Publishes the samples for the voice to play from its current position. The audio thread
    // reads them from then on: they are never written again (one copy per voice, not two).
    void SetSamples(int voice, std::vector<std::int16_t> samples);
    // The samples last published for the voice (read-only), nullptr before the first.
    const std::vector<std::int16_t>* PublishedSamples(int voice) const;
    // Linear gains, 1 = full scale; reaches the output as a ramp.
    void SetGains(int voice, float left, float right);
    // Holds every channel to the RMS of one sine of this gain (1 = full scale) and its peaks
    // below full scale, from now on; ramped like a level. Without it, nothing is held.
    void SetCeiling(float sineGain);
    // Starts (ramping in) from the voice's current position.
    void Play(int voice, bool looping);
    // Ramps out, then halts; the position stays.
    void Stop(int voice);
    // Ramps out and frees the voice and its samples.
    void RemoveVoice(int voice);
    // Counts how often a voice ran off its end without looping.
    std::uint32_t EndCount(int voice) const;
    // Frees retired sample blocks and voices, resends commands that found the queue full.
    // Every UI call above does this first.
    void Collect();
    // Voices not yet freed by the audio thread (for tests).
    int VoicesInUse() const { return kMaxVoices - static_cast<int>(m_freeSlots.size()); }

    // --- audio thread ---
    // Fills frames interleaved stereo float frames.
    void Render(float* out, std::size_t frames);

private:
    struct SampleBlock;
    struct Voice;
    struct Command {
        enum Type : std::uint8_t { Add, SetBlock, SetGains, Play, Stop, Remove, SetCeiling };
        Type type;
        bool looping;
        bool exempt;
        std::int32_t voice;
        std::uint32_t frames;
        float left;
        float right;
        SampleBlock* block;
    };
    struct Retired {
        SampleBlock* block;
        std::int32_t voice; // -1: only a block
    };

    void Send(const Command& command);
    void FlushPending();
    void ProcessCommands();
    void Apply(const Command& command);
    void RampTo(Voice& voice, float left, float right);
    // Every playing voice to its level under the ceiling, all ramps starting together: each
    // moment between two settings then stays under the ceiling as both ends do.
    void Retarget();
    void MixVoice(Voice& voice, std::size_t frames);
    // Steady voices of one chunk, waiting to be summed together.
    struct Group {
        static constexpr int kSize = 8;
        void Add(const std::int16_t* from, float gainLeft, float gainRight) {
            samples[count] = from;
            left[count] = gainLeft;
            right[count] = gainRight;
            ++count;
        }
        const std::int16_t* samples[kSize];
        float left[kSize];
        float right[kSize];
        int count = 0;
    };
    // Playing at a constant level, without reaching its end within the next frames.
    static void Prefetch(const Voice& voice, std::size_t frames);
    static bool IsSteady(const Voice& voice, std::size_t frames);
    void MixGroup(Group& group, std::size_t frames);

    void SweepFreedVoices();

    SpscQueue<Command> m_commands;
    SpscQueue<Retired> m_retired;

    // UI side.
    std::deque<Command> m_pending;
    std::vector<int> m_freeSlots;
    std::unique_ptr<SampleBlock*[]> m_published;

    // Audio side.
    std::unique_ptr<Voice[]> m_voices;
    std::vector<int> m_active; // reserved for kMaxVoices, never grows
    std::unique_ptr<float[]> m_left;
    std::unique_ptr<float[]> m_right;
    OutputCeiling m_ceiling;
    std::unique_ptr<OutputCeiling::Sound[]> m_sounds; // one channel's, reserved for all voices
    bool m_bRetarget = false;

    // Shared: written by the audio thread, read by the UI thread.
    std::unique_ptr<std::atomic<std::uint32_t>[]> m_endCounts;

    // Sums four steady voices; chosen for the processor before any rendering.
    void (*m_mixFour)(const std::int16_t* const* samples, const float* gainsLeft,
                      const float* gainsRight, float* left, float* right, std::size_t frames);
};
