#pragma once
// "auvo --export-wav OUT.wav [--seconds N] FILE": renders what "Tinnitus-Töne hören" plays for
// the document FILE into a WAV file, faster than real time, without window or sound device.

#include <ostream>
#include <string>
#include <vector>

class CWavExport {
public:
    // args: the program's arguments after its name, beginning with "--export-wav".
    // exePath locates the settings file as at start-up. Messages go to err.
    // Returns a CCommandLineRun::ExitCode; main() calls it through CCommandLineRun::Main.
    static int Run(const std::vector<std::string>& args, const std::string& exePath,
                   std::ostream& err);
};
