#pragma once
// Runs without a window: "auvo --print FILE" prints FILE on the default printer;
// "auvo --export-pdf OUT.pdf FILE" and "auvo --export-png OUT.png [--dpi N] FILE" draw the
// page as on an A4 sheet without margins. Options: --together, --normal-curve and
// --comparison FILE2; the rest of the display comes from the settings file.

#include <QStringList>

#include <ostream>
#include <string>

class CPageCommandLine {
public:
    enum class Mode { None, Print, Pdf, Png };

    struct Arguments {
        Mode mode = Mode::None;
        QString outPath;
        QString documentPath;
        QString comparisonPath;
        int dpi = 150;
        bool together = false;
        bool normalCurve = false;
        // False with a German message for anything malformed.
        bool Parse(const QStringList& args, QString& error);
    };

    // True when the first argument after the program name asks for one of these runs.
    static bool Handles(int argc, char** argv);
    static std::string Usage();

    // args start with the mode switch; exePath locates the settings file as at start-up.
    // Needs a QGuiApplication. Messages go to err. Exit codes as CCommandLineRun's; malformed
    // arguments give kFailed here.
    static int Run(const QStringList& args, const std::string& exePath, std::ostream& err);
    // For main(): an application on the offscreen platform unless one is chosen,
    // messages on standard error.
    static int Main(int argc, char** argv);
    // What every page run needs before run: an offscreen QApplication (no display), the
    // decimal point, the arguments after the program's name.
    using Runner = int (*)(const QStringList& args, const std::string& exePath, std::ostream& err);
    static int QtMain(int argc, char** argv, Runner run);
};
