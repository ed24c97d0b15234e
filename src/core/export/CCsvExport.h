#pragma once
// "auvo --export-csv OUT.csv FILE": the measurement of the document FILE as UTF-8 CSV, for
// users who keep their results in a spreadsheet. One header line; then the date and the
// comment, one row per test frequency (left and right in dB relative to the calibration),
// one row per tinnitus tone (ear, frequency, level in dB above the calibration).

#include <ostream>
#include <string>
#include <vector>

class CAUVODoc;

class CCsvExport {
public:
    // args: the program's arguments after its name, beginning with "--export-csv".
    // exePath locates the settings file (the calibration) as at start-up. Messages go to err.
    // Returns a CCommandLineRun::ExitCode; main() calls it through CCommandLineRun::Main.
    static int Run(const std::vector<std::string>& args, const std::string& exePath,
                   std::ostream& err);

    // The CSV text of a document, with levels taken relative to its calibration.
    static std::string Format(const CAUVODoc& doc);
    // mB as dB with one decimal and a point: -1234 -> "-12.3", -4 -> "0.0".
    static std::string Decibel(long millibel);
    // A field quoted when it holds a separator, a quote or a line break; quotes doubled.
    static std::string Field(const std::string& text);
};
