#pragma once
// The arguments of "auvo --export-wav OUT.wav [--seconds N] FILE".

#include <string>
#include <vector>

class CExportArguments {
public:
    static constexpr double kDefaultSeconds = 10.0;
    // An hour of float stereo is 1.3 GB: enough for any use, still a valid WAV file.
    static constexpr double kMaxSeconds = 3600.0;

    // args are the program's arguments after the program name, starting with "--export-wav".
    // False for anything malformed; Usage() then says how to call.
    bool Parse(const std::vector<std::string>& args);

    static std::string Usage();

    std::string m_strOutPath;
    std::string m_strDocumentPath;
    double m_dSeconds = kDefaultSeconds;
};
