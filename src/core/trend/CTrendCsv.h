#pragma once
// The trend as UTF-8 CSV for a spreadsheet: a header line, then one row per measurement (in
// date order), ear and frequency with date, file name, ear, frequency in Hz, value in dB,
// change against the reference in dB (empty where the reference lacks the frequency or the
// ear was not tested) and "ja"/"nein" for a significant change. dB with two decimals and a
// point; "nicht gemessen" as the value of an ear not tested.

#include <string>

class CTrend;

class CTrendCsv {
public:
    static std::string Format(const CTrend& trend);
};
