#pragma once
// Result of one hearing test: the test frequencies and one value per ear and frequency,
// value = calibration level minus the level at which the tone was recognised (mB).

#include <cstdint>
#include <vector>

class CArchive;

class CHoertestDaten {
public:
    CHoertestDaten();
    virtual ~CHoertestDaten();
    CHoertestDaten(const CHoertestDaten&) = delete;
    CHoertestDaten& operator=(const CHoertestDaten&) = delete;

    void Clear();
    // Standard frequencies for 8 and 32, zeros otherwise; all values 0.
    // Throws CHoertestDatenException(3) for count <= 0, std::bad_alloc (object emptied).
    void Init(int count);
    // Init, then the normal curve on both ears for 8 and 32 frequencies.
    void InitNormal(int count);
    // Takes the source's count, frequencies, values and (as 0/1) the pulsed flag.
    void Copy(const CHoertestDaten* source);

    int GetCount() const { return m_nCount; }
    std::int32_t GetVersion() const { return m_nVersion; }
    // Side 0 is left, any other side right.
    std::int32_t GetFrequency(int index) const;
    std::int32_t GetValue(int index, int side) const;
    void SetValue(int index, int side, std::int32_t value);
    std::int32_t GetMaxFrequency() const;
    // Linear between table points, from (0 Hz, 0) below the first; 0 above the last.
    std::int32_t InterpolateValue(std::int32_t frequency, int side) const;

    virtual void Serialize(CArchive& ar);

    // Nonzero: measured with the pulsed tone.
    std::int32_t Interleaved = 0;

private:
    void CheckIndex(int index) const;

    std::int32_t m_nVersion = 100;
    std::int32_t m_nCount = 0;
    std::vector<std::int32_t> m_frequencies;
    std::vector<std::int32_t> m_left;
    std::vector<std::int32_t> m_right;
};
