// The whole program: started offscreen on the null output from a temporary program folder,
// ended by a signal as a desktop logout would end it.

#include "platform/ini/PrivateProfile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class Program : public testing::Test {
protected:
    void SetUp() override {
        const char* binaryDir = std::getenv("AUVO_BINARY_DIR");
        ASSERT_NE(binaryDir, nullptr) << "AUVO_BINARY_DIR not set";
        const fs::path binary = fs::path(binaryDir) / "auvo";
        ASSERT_TRUE(fs::exists(binary)) << binary;
        ASSERT_FALSE(m_temp.Path().empty());
        m_program = m_root / "prog";
        fs::create_directories(m_program);
        fs::create_directories(m_root / "config");
        fs::copy_file(binary, m_program / "auvo");
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(m_program, fs::perms::owner_all, fs::perm_options::add, ec);
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
    }

    std::vector<std::string> Environment() const {
        std::vector<std::string> env;
        for (char** e = environ; *e; ++e) {
            const std::string var = *e;
            if (var.rfind("QT_QPA_PLATFORM=", 0) != 0 && var.rfind("AUVO_AUDIO_OUTPUT=", 0) != 0 &&
                var.rfind("XDG_CONFIG_HOME=", 0) != 0 && var.rfind("XDG_STATE_HOME=", 0) != 0)
                env.push_back(var);
        }
        env.push_back("QT_QPA_PLATFORM=offscreen");
        env.push_back("AUVO_AUDIO_OUTPUT=null");
        env.push_back("XDG_CONFIG_HOME=" + (m_root / "config").string());
        env.push_back("XDG_STATE_HOME=" + (m_root / "state").string());
        return env;
    }

    // Starts the copied program; its output goes to outFd when given, else to a log file.
    void Spawn(const std::vector<std::string>& args, int outFd = -1) {
        std::vector<std::string> env = Environment();
        std::vector<char*> envp;
        for (auto& e : env)
            envp.push_back(e.data());
        envp.push_back(nullptr);
        std::string exe = (m_program / "auvo").string();
        std::vector<std::string> argStore{exe};
        // Root may write anywhere: a normal user stands in for the one the test is about.
        if (m_bAsNormalUser && ::geteuid() == 0)
            argStore = {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups",
                        exe};
        argStore.insert(argStore.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (auto& a : argStore)
            argv.push_back(a.data());
        argv.push_back(nullptr);

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        const std::string log = (m_root / "output.log").string();
        if (outFd >= 0)
            posix_spawn_file_actions_adddup2(&actions, outFd, STDOUT_FILENO);
        else
            posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, log.c_str(),
                                             O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, log.c_str(),
                                         O_WRONLY | O_CREAT | O_APPEND, 0644);
        // Run from elsewhere: the program must find its folder by its own path.
        ASSERT_EQ(
            posix_spawn(&m_pid, argStore[0].c_str(), &actions, nullptr, argv.data(), envp.data()),
            0);
        posix_spawn_file_actions_destroy(&actions);
    }

    // True once the program catches SIGTERM, i.e. a signal no longer kills it outright.
    bool CatchesSignals() const {
        std::ifstream status("/proc/" + std::to_string(m_pid) + "/status");
        std::string line;
        while (std::getline(status, line)) {
            if (line.rfind("SigCgt:", 0) == 0) {
                const unsigned long long mask = std::stoull(line.substr(7), nullptr, 16);
                return (mask >> (SIGTERM - 1)) & 1;
            }
        }
        return false;
    }

    // Waits (bounded) until the program runs, then sends sig; returns the exit code.
    int EndWith(int sig, bool waitForProtocol) {
        const auto deadline = std::chrono::steady_clock::now() + 30s;
        while (std::chrono::steady_clock::now() < deadline &&
               !(CatchesSignals() && (!waitForProtocol || fs::exists(m_program / "AUVO.PRT"))))
            std::this_thread::sleep_for(20ms);
        // Give the event loop a moment to be reached; a signal before it works as well.
        std::this_thread::sleep_for(200ms);
        ::kill(m_pid, sig);
        return Wait();
    }

    // Runs the program to its end; what it writes to standard output goes to out.
    int RunForOutput(const std::vector<std::string>& args, std::string& out) {
        int fds[2];
        if (::pipe(fds) != 0)
            return -1;
        Spawn(args, fds[1]);
        ::close(fds[1]);
        char buf[256];
        for (ssize_t n; (n = ::read(fds[0], buf, sizeof buf)) > 0;)
            out.append(buf, static_cast<std::size_t>(n));
        ::close(fds[0]);
        return Wait();
    }

    int Wait() {
        const auto deadline = std::chrono::steady_clock::now() + 30s;
        int status = 0;
        while (std::chrono::steady_clock::now() < deadline) {
            const pid_t done = ::waitpid(m_pid, &status, WNOHANG);
            if (done == m_pid) {
                m_pid = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(20ms);
        }
        ADD_FAILURE() << "program did not end\n" << ReadFile(m_root / "output.log");
        return -1;
    }

    static std::string Ini(const fs::path& file, const std::string& section,
                           const std::string& key) {
        return PrivateProfile::ReadString(section, key, "<missing>", 1024, file.string());
    }

    TempFolder m_temp;
    const fs::path m_root{m_temp.Path()};
    fs::path m_program;
    pid_t m_pid = -1;
    bool m_bAsNormalUser = false;
};

} // namespace

TEST_F(Program, SigtermEndsTheRunAndLeavesSettingsAndProtocol) {
    std::ofstream(m_program / "AUVO.ini")
        << "[AUVO]\nDEBUG=1\nNORMALNULL=-3333\n[MRU]\nDatei1=/daten/messung.auvo\n";
    Spawn({});
    EXPECT_EQ(EndWith(SIGTERM, true), 0) << ReadFile(m_root / "output.log");

    const fs::path ini = m_program / "AUVO.ini";
    EXPECT_EQ(Ini(ini, "AUVO", "NORMALNULL"), "-3333");
    EXPECT_EQ(Ini(ini, "AUVO", "VergleichsdateiPfad"), "");
    EXPECT_EQ(Ini(ini, "AUVO", "DEBUG"), "1");
    EXPECT_EQ(Ini(ini, "MRU", "Datei1"), "/daten/messung.auvo");

    const std::string protocol = ReadFile(m_program / "AUVO.PRT");
    const std::string first = protocol.substr(0, protocol.find("\r\n"));
    EXPECT_EQ(first.substr(15), "AUVO Version 2.10. INI: " + ini.string()) << protocol;
    ASSERT_GE(protocol.size(), 2u);
    const std::string body = protocol.substr(0, protocol.size() - 2);
    EXPECT_EQ(body.substr(body.rfind("\r\n") + 2 + 15), "AUVO ExitInstance") << protocol;
    EXPECT_FALSE(fs::exists(m_root / "config" / "AUVO" / "AUVO.ini"));
}

TEST_F(Program, TheViewReadsItsSettingsOnceAtStartAndWritesThemAtExit) {
    std::ofstream(m_program / "AUVO.ini") << "[AUVO]\nDEBUG=5\nNORMALNULL=-4000\nVIEW_HTD=1\n"
                                             "VIEW_TTD=0\nVIEW_LOGDARST=7\nVIEW_MIN_DB=-65\n";
    Spawn({});
    EXPECT_EQ(EndWith(SIGTERM, true), 0) << ReadFile(m_root / "output.log");

    const fs::path ini = m_program / "AUVO.ini";
    EXPECT_EQ(Ini(ini, "AUVO", "VIEW_HTD"), "1");
    EXPECT_EQ(Ini(ini, "AUVO", "VIEW_TTD"), "0");
    EXPECT_EQ(Ini(ini, "AUVO", "VIEW_LOGDARST"), "1");
    EXPECT_EQ(Ini(ini, "AUVO", "VIEW_MIN_DB"), "-65"); // read, never written
    EXPECT_EQ(Ini(ini, "AUVO", "VIEW_MAX_DB"), "<missing>");

    const std::string protocol = ReadFile(m_program / "AUVO.PRT");
    const std::string line = "CAUVOView::OnInitialUpdate: MinDB = -65, MaxDB = 10";
    const std::size_t first = protocol.find(line);
    ASSERT_NE(first, std::string::npos) << protocol;
    EXPECT_EQ(protocol.find(line, first + 1), std::string::npos) << protocol;
}

TEST_F(Program, FirstRunEndedByAnyLogoutSignalCreatesTheUserSettings) {
    const fs::path ini = m_root / "config" / "AUVO" / "AUVO.ini";
    for (int sig : {SIGINT, SIGHUP, SIGTERM}) {
        fs::remove(ini);
        Spawn({});
        EXPECT_EQ(EndWith(sig, false), 0) << sig << "\n" << ReadFile(m_root / "output.log");
        EXPECT_EQ(Ini(ini, "AUVO", "NORMALNULL"), "-10000") << sig;
        EXPECT_EQ(Ini(ini, "AUVO", "VergleichsdateiPfad"), "") << sig;
        // A new user sees both diagram rows, and keeps them.
        EXPECT_EQ(Ini(ini, "AUVO", "VIEW_HTD"), "1") << sig;
        EXPECT_EQ(Ini(ini, "AUVO", "VIEW_TTD"), "1") << sig;
        // Debug level 0: no protocol lines, so no protocol file.
        EXPECT_FALSE(fs::exists(m_program / "AUVO.PRT"));
    }
}

TEST_F(Program, ProtocolGoesToTheStateFolderWhenTheProgramFolderIsReadOnly) {
    const fs::path userIni = m_root / "config" / "AUVO" / "AUVO.ini";
    fs::create_directories(userIni.parent_path());
    std::ofstream(userIni) << "[AUVO]\nDEBUG=1\nNORMALNULL=-3000\n";
    fs::create_directories(m_root / "state");
    if (::geteuid() == 0) {
        for (const fs::path& p :
             {m_root / "config", m_root / "config" / "AUVO", userIni, m_root / "state"})
            ASSERT_EQ(::chown(p.c_str(), 65534, 65534), 0);
    }
    fs::permissions(m_root, fs::perms(0755));
    fs::permissions(m_program, fs::perms(0555));
    m_bAsNormalUser = true;
    Spawn({});
    const fs::path protocol = m_root / "state" / "AUVO" / "AUVO.PRT";
    const auto deadline = std::chrono::steady_clock::now() + 30s;
    while (!fs::exists(protocol) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(20ms);
    EXPECT_EQ(EndWith(SIGTERM, false), 0) << ReadFile(m_root / "output.log");

    EXPECT_FALSE(fs::exists(m_program / "AUVO.PRT"));
    const std::string text = ReadFile(protocol);
    EXPECT_NE(text.find("AUVO Version 2.10. INI: " + userIni.string()), std::string::npos) << text;
    EXPECT_NE(text.find("AUVO ExitInstance"), std::string::npos) << text;
    EXPECT_EQ(Ini(userIni, "AUVO", "NORMALNULL"), "-3000");
}

TEST_F(Program, VersionPrintsTheAboutLinesAndTouchesNothing) {
    std::ofstream(m_program / "AUVO.ini") << "[AUVO]\nDEBUG=1\n";
    std::ofstream(m_program / "AUVO.PRT") << "old\r\n";
    std::string out;
    EXPECT_EQ(RunForOutput({"--version"}, out), 0);
    EXPECT_EQ(out, "AUVO Hörtest-Programm\nVersion 2.10, 00115.04711\n");
    EXPECT_EQ(ReadFile(m_program / "AUVO.PRT"), "old\r\n");
    EXPECT_EQ(ReadFile(m_program / "AUVO.ini"), "[AUVO]\nDEBUG=1\n");
    EXPECT_FALSE(fs::exists(m_root / "config" / "AUVO"));
}

TEST_F(Program, UnknownOptionPrintsTheUsageWithoutWindowAndHelpSucceeds) {
    std::ofstream(m_program / "AUVO.PRT") << "old\r\n";
    Spawn({"--bogus"});
    EXPECT_EQ(Wait(), 2);
    const std::string usage = ReadFile(m_root / "output.log");
    EXPECT_EQ(usage.rfind("Unbekannte Option '--bogus'.\nAufruf: auvo", 0), 0u) << usage;
    EXPECT_EQ(ReadFile(m_program / "AUVO.PRT"), "old\r\n"); // no start-up ran

    std::string out;
    EXPECT_EQ(RunForOutput({"--help"}, out), 0);
    EXPECT_NE(out.find("auvo --export-trend AUSGABE DATEI1 DATEI2"), std::string::npos) << out;
}
