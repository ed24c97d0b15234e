#pragma once
// "auvo --export-trend OUT FILE1 FILE2 ...": the trend without a window. OUT ending in .pdf or
// .png gets the page (A4 without margins, PNG at 150 dpi), .csv the rows of CTrendCsv.
// Files that cannot be read are named on the error stream and left out; the trend is written
// as long as two measurements remain.

#include <QStringList>

#include <ostream>
#include <string>

class CTrendCommandLine {
public:
    // True when the first argument after the program name asks for this run.
    static bool Handles(int argc, char** argv);

    // args start with "--export-trend"; exePath locates the settings file as at start-up.
    // Needs a QGuiApplication. Messages go to err; the exit codes are CCommandLineRun's.
    static int Run(const QStringList& args, const std::string& exePath, std::ostream& err);
    static int Main(int argc, char** argv);
};
