#pragma once
// The program's calls as a whole: "auvo --help" shows them, and a word beginning with two
// dashes that no run knows shows them on the error stream instead of starting the window
// with a message about a file of that name.

#include <ostream>
#include <string>

class CCommandLineUsage {
public:
    enum ExitCode { kHelp = 0, kUnknownOption = 2, kGoOn = -1 };
    // "--": what follows are file names, also where they begin with a dash.
    static constexpr const char* kEndOfOptions = "--";

    // Every way to call the program.
    static std::string Text();
    // A word that begins with two dashes and is none of Qt's own options of the window run
    // ("--platform offscreen", "--style=fusion", ...). The runs without window are told apart
    // before, by their first word.
    static bool IsUnknownOption(const std::string& word);
    // For the window run, before any window exists: "--help" prints the usage on out (kHelp),
    // an unknown option prints it on err (kUnknownOption); otherwise kGoOn. Nothing after "--"
    // counts as an option.
    static int Check(int argc, char** argv, std::ostream& out, std::ostream& err);
    // How many of the argc words Qt may see: those before "--", which Qt would otherwise read
    // as its own options ("auvo -- -style x.auvo").
    static int QtArgumentCount(int argc, char** argv);
};
