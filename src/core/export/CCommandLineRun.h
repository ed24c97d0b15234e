#pragma once
// What every run without a window shares (--export-wav, --export-csv, --export-pdf,
// --export-png, --print): the one application object with the settings found from the
// program folder (the calibration), its messages on a stream, and a sound device for the
// document's tones. UI thread only; one at a time, like the application object.

#include "core/app/CAUVOApp.h"
#include "core/export/CStreamMessageBoxService.h"
#include "platform/sound/IAudioOutput.h"

#include <memory>
#include <ostream>
#include <string>
#include <vector>

class SoundDevice;

class CCommandLineRun {
public:
    // The exit codes of every run without window.
    enum ExitCode { kOk = 0, kFailed = 1, kBadArguments = 2 };
    // A run's body: args after the program's name, exePath to find the settings, messages
    // to err; returns an ExitCode.
    using RunFunction = int (*)(const std::vector<std::string>& args, const std::string& exePath,
                                std::ostream& err);

    // exePath locates the settings file as at start-up; messages go to err.
    CCommandLineRun(const std::string& exePath, std::ostream& err);
    ~CCommandLineRun();
    CCommandLineRun(const CCommandLineRun&) = delete;
    CCommandLineRun& operator=(const CCommandLineRun&) = delete;

    CAUVOApp& App() { return m_app; }

    // Opens the sound device on output (the silent one when null); false, with errno as the
    // device left it, when it does not open.
    bool OpenSound(std::unique_ptr<IAudioOutput> output = nullptr);
    // Releases the device; the documents whose tones play on it must be gone.
    void CloseSound();

    // "Die Datei ... konnte nicht gespeichert werden." with the cause of osError (0: generic).
    void ReportNotSaved(const std::string& path, int osError);

    // The program's own path (/proc/self/exe, else argv[0]) and the arguments after it.
    static std::string ExePath(int argc, char** argv);
    static std::vector<std::string> Arguments(int argc, char** argv);
    // For main(): run with the program's arguments and path, messages on standard error.
    static int Main(int argc, char** argv, RunFunction run);
    // True when out names the same file as document (an output must not replace its input).
    static bool IsSameFile(const std::string& out, const std::string& document);

private:
    CAUVOApp m_app;
    CStreamMessageBoxService m_messages;
    SoundDevice* m_pDevice = nullptr;
};
