#pragma once
// The trend as UTF-8 CSV for a spreadsheet: a header line, then one row per measurement (in
// date order), ear and frequency with date, file name, ear, frequency in Hz, value in dB,
// change against the reference in dB (empty where the reference lacks the frequency) and
// "ja"/"nein" for a significant change. dB with one decimal and a point.

#include <string>

class CTrend;

class CTrendCsv {
public:
    static std::string Format(const CTrend& trend);
};
