#pragma once
// The course of a hearing over several measurements. The measurements are ordered by their
// stored date (equal or unreadable dates keep the order they were picked in, unreadable ones
// last); the oldest is the reference. A change on one ear counts as significant, as clinics
// tell a real change from the scatter of a test, when a value is at least 20 dB worse than
// the reference at one frequency, or at least 10 dB worse at two neighbouring frequencies.
// Worse is lower, as drawn in the audiogram. Only frequencies present in both measurements
// are compared, and neighbours are neighbours among those. An ear whose values are all 0 was
// not tested (a test stopped after the other ear): it is left out of that measurement's
// comparison, and the reference of an ear is the oldest measurement that tested it.

#include "core/trend/CTrendMeasurement.h"

#include <optional>
#include <string>
#include <vector>

class CTrend {
public:
    static constexpr int kSingleWorse = 2000;    // mB at one frequency
    static constexpr int kNeighbourWorse = 1000; // mB at two neighbouring frequencies

    // One value of one ear of one measurement.
    struct Entry {
        int frequency = 0;         // Hz
        int value = 0;             // mB
        std::optional<int> change; // mB against the reference; none where it lacks the frequency
        bool significant = false;
    };

    explicit CTrend(std::vector<CTrendMeasurement> picked);

    int Count() const { return static_cast<int>(m_measurements.size()); }
    // In date order; 0 is the reference.
    const CTrendMeasurement& Measurement(int index) const { return m_measurements.at(index); }
    // The values of one ear of one measurement, by rising frequency.
    const std::vector<Entry>& Entries(int index, int side) const;
    // Every frequency of any measurement, rising.
    const std::vector<int>& Frequencies() const { return m_frequencies; }
    // False where all values of that ear are 0: it was not tested then.
    bool Measured(int index, int side) const;
    // The index of the oldest measurement that tested the ear, none where no one did.
    std::optional<int> Reference(int side) const { return m_reference[side == 0 ? 0 : 1]; }
    // Lowest and highest tested value of all measurements in mB (0, 0 without any).
    int MinValue() const { return m_nMin; }
    int MaxValue() const { return m_nMax; }

    // What changed on one ear in the newest measurement that tested it, in plain German:
    // "Rechts: -15 dB bei 4 kHz und -12 dB bei 6 kHz seit 03.02.2025", or that nothing
    // significant changed; then every frequency marked only in a measurement between, with its
    // worst change and that date: "; zwischenzeitlich -25 dB bei 2 kHz am 01.03.2025".
    std::string Summary(int side) const;

    // yyyymmdd of a "dd.mm.yyyy" text; none for any other text.
    static std::optional<int> DateKey(const std::string& date);
    // The significance of each change of one ear, given by rising frequency.
    static std::vector<bool> Significant(const std::vector<int>& changes);
    // "-15", "-12,5": dB of a change with a decimal comma where it has tenths.
    static std::string DecibelText(int mB);
    // "250 Hz", "1,5 kHz", "4 kHz".
    static std::string FrequencyText(int frequency);

private:
    void Compare(int index, int side);
    // The date of a measurement, or its file name where the date cannot be read.
    std::string When(int index) const;

    std::vector<CTrendMeasurement> m_measurements;
    std::vector<std::vector<Entry>> m_entries[2];
    std::vector<bool> m_measured[2];
    std::optional<int> m_reference[2];
    std::vector<int> m_frequencies;
    int m_nMin = 0;
    int m_nMax = 0;
};
