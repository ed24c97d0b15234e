#pragma once
// The output ceiling: the one rule that holds what reaches an ear. Everything that sounds on
// one channel together (tones and noise bands alike) is held to the RMS of one sine at the
// ceiling, and the sum of their peaks below full scale. When the sum would be louder, every
// sound of that channel is scaled by the same factor, so their balance stays as set. The mixer
// asks for the factors whenever a level, a sound or the ceiling changes (audio thread; no
// allocation), and ramps every voice to its new gain together.
//
// Sounds with the same samples (two tones of one frequency) may play in phase: their
// amplitudes add. Different sounds add their powers, which is what a listener hears of them
// over any stretch longer than their beats.

#include <cstddef>
#include <cstdint>

class OutputCeiling {
public:
    // One sound on one channel: its gain there (float units per 16-bit step), the RMS and the
    // largest magnitude of its samples (16-bit steps), and a fingerprint of those samples.
    struct Sound {
        float gain;
        float rms;
        float peak;
        std::uint64_t shape;
        bool exempt; // the calibration's tone: measures the threshold the ceiling rests on
    };
    struct Scales {
        float held = 1.0f;   // for every sound under the ceiling
        float exempt = 1.0f; // for exempt sounds: only the peak rule
    };

    // The loudest one sine of full-scale samples may sound, as a gain (1 = full scale). Until
    // set, nothing is held: a bare mixer sums exactly what it is given.
    void Set(float sineGain);
    bool Active() const { return m_bActive; }

    // The factors for one channel's sounds. Reorders `sounds` (by shape).
    Scales For(Sound* sounds, std::size_t count) const;

    // RMS and peak (16-bit steps) and shape of a block of samples, for Sound (UI thread).
    struct Measure {
        float rms = 0.0f;
        float peak = 0.0f;
        std::uint64_t shape = 0;
    };
    static Measure Of(const std::int16_t* samples, std::size_t count);

private:
    float m_sineGain = 1.0f;
    bool m_bActive = false;
};
