#pragma once
// Frequency axis of both diagram kinds: linear from 0 Hz at x0 to K kHz at the right end, or
// logarithmic from fmin at x0 to 1000 * K Hz.

#include <string>
#include <vector>

class CFrequencyScale {
public:
    struct Tick {
        int frequency; // Hz
        const char* label;
    };

    CFrequencyScale(int x0, int right, int maxKHz, bool logarithmic, int minFrequency = 100);

    // x of a frequency in Hz.
    int X(double frequency) const;
    // x of the linear tick k kHz.
    int LinearTickX(int k) const;
    // Ticks of the logarithmic axis up to fmax, in drawing order.
    std::vector<Tick> LogTicks() const;

    bool IsLogarithmic() const { return m_bLog; }
    int MaxKHz() const { return m_nK; }
    // The label at the origin.
    const char* UnitLabel() const { return m_bLog ? "Hz/kHz" : "kHz"; }

    // Inverse for a hit rectangle of width w whose left edge is the level axis; no clamping.
    static double FrequencyAt(int dx, int width, int maxKHz, bool logarithmic, int minFrequency);

private:
    int m_nX0;
    int m_nK;
    bool m_bLog;
    double m_dScale; // units per kHz (linear) or per natural-log unit (logarithmic)
    int m_nOffset;   // trunc(ln fmin * s)
};
