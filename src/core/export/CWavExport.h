#pragma once
// "auvo --export-wav OUT.wav [--seconds N] FILE": renders what "Tinnitus-Töne hören" plays for
// the document FILE into a WAV file, faster than real time, without window or sound device.

#include <ostream>
#include <string>
#include <vector>

class CWavExport {
public:
    enum ExitCode { kOk = 0, kFailed = 1, kBadArguments = 2 };

    // args: the program's arguments after its name, beginning with "--export-wav".
    // exePath locates the settings file as at start-up. Messages go to err.
    static int Run(const std::vector<std::string>& args, const std::string& exePath,
                   std::ostream& err);
    // The same for main(): the program's own path, messages on standard error.
    static int Main(int argc, char** argv);
};
