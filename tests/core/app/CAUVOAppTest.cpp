#include "core/app/CAUVOApp.h"
#include "core/app/IAppFramework.h"
#include "platform/ini/PrivateProfile.h"
#include "support/FaultySoundDevice.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Start-up events in the order they happen: framework steps and message boxes.
struct Journal {
    std::vector<std::string> events;
};

class FakeFramework : public IAppFramework {
public:
    explicit FakeFramework(Journal& journal) : m_journal(journal) {}
    bool ProcessCommandLine() override {
        m_journal.events.push_back("ProcessCommandLine");
        return m_bCommandLineOk;
    }
    void ShowMainWindow() override { m_journal.events.push_back("ShowMainWindow"); }
    HWND MainWindowHandle() override { return this; }
    // The environment's device, seen through a wrapper that fails as the test asks.
    HRESULT CreateSoundDevice(IDirectSound** device) override {
        *device = nullptr;
        if (m_deviceFault != DS_OK)
            return std::exchange(m_deviceFault, DS_OK);
        FaultySoundDevice* faulty = FaultySoundDevice::Create();
        if (faulty == nullptr)
            return DSERR_NODRIVER;
        faulty->failPrimaryCreate = std::exchange(m_faults.failPrimaryCreate, DS_OK);
        faulty->failSetFormat = std::exchange(m_faults.failSetFormat, DS_OK);
        faulty->failPrimaryPlay = std::exchange(m_faults.failPrimaryPlay, DS_OK);
        *device = faulty;
        return DS_OK;
    }

    struct Faults {
        HRESULT failPrimaryCreate = DS_OK;
        HRESULT failSetFormat = DS_OK;
        HRESULT failPrimaryPlay = DS_OK;
    };
    bool m_bCommandLineOk = true;
    HRESULT m_deviceFault = DS_OK;
    Faults m_faults;

private:
    Journal& m_journal;
};

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> ProtocolLines(const fs::path& path) {
    std::vector<std::string> lines;
    const std::string text = ReadFile(path);
    std::string::size_type start = 0;
    for (auto end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
        // Without the time stamp "dd.mm.yy hh:mm ".
        lines.push_back(text.substr(start + 15, end - start - 15));
        start = end + 2;
    }
    return lines;
}

class AppStart : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(m_temp.Path().empty());
        m_program = m_root / "prog";
        m_userIni = m_root / "config" / "AUVO" / "AUVO.ini";
        fs::create_directories(m_program);
        ::setenv("XDG_CONFIG_HOME", (m_root / "config").c_str(), 1);
        ::setenv("AUVO_AUDIO_OUTPUT", "null", 1);
        m_boxes.onShow = [this](const RecordingMessageBoxes::Box& box) {
            m_journal.events.push_back(
                box.systemModal
                    ? "system box: " + box.text
                    : "box " + box.caption +
                          (box.icon == IMessageBoxService::Icon::Stop ? " stop: " : ": ") +
                          box.text.substr(0, 6));
        };
        m_app.SetMessageBoxService(&m_boxes);
    }

    bool Start() { return m_app.InitInstance(m_framework, (m_program / "auvo").string()); }
    void WriteProgramIni(const std::string& text) {
        std::ofstream(m_program / "AUVO.ini", std::ios::binary) << text;
    }
    static std::string Ini(const std::string& section, const std::string& key,
                           const fs::path& file) {
        return PrivateProfile::ReadString(section, key, "<missing>", 1024, file.string());
    }

    TempFolder m_temp;
    const fs::path m_root{m_temp.Path()};
    fs::path m_program;
    fs::path m_userIni;
    Journal m_journal;
    FakeFramework m_framework{m_journal};
    RecordingMessageBoxes m_boxes;
    CAUVOApp m_app;
};

} // namespace

TEST_F(AppStart, FirstRunWithoutSettingsFileWritesTheDefaultsToTheUserFolder) {
    ASSERT_TRUE(Start());
    EXPECT_EQ(m_journal.events, (std::vector<std::string>{"ProcessCommandLine", "ShowMainWindow"}));
    EXPECT_EQ(m_app.GetProgramFolder(), m_program.string());
    EXPECT_EQ(m_app.GetSectionName(), "AUVO");
    EXPECT_EQ(m_app.GetProfileName(), m_userIni.string());
    EXPECT_EQ(m_app.m_lNormalNull, -10000);
    EXPECT_EQ(m_app.m_nDebugLevel, 0);
    EXPECT_TRUE(m_app.m_strVergleichsdateiPfad.empty());
    EXPECT_NE(m_app.m_pDirectSound, nullptr);
    EXPECT_NE(m_app.m_pPrimaryBuffer, nullptr);
    EXPECT_FALSE(fs::exists(m_userIni)); // nothing is written before the end

    EXPECT_EQ(m_app.ExitInstance(7), 7);
    EXPECT_EQ(m_app.m_pDirectSound, nullptr);
    EXPECT_EQ(m_app.m_pPrimaryBuffer, nullptr);
    EXPECT_EQ(Ini("AUVO", "NORMALNULL", m_userIni), "-10000");
    EXPECT_EQ(Ini("AUVO", "MAXPEGEL", m_userIni), "8000");
    EXPECT_EQ(Ini("AUVO", "VergleichsdateiPfad", m_userIni), "");
    // No view wrote its rows (the start ended early): the next start still shows both.
    EXPECT_EQ(Ini("AUVO", "VIEW_HTD", m_userIni), "1");
    EXPECT_EQ(Ini("AUVO", "VIEW_TTD", m_userIni), "1");
    // Debug level 0: no version and no ExitInstance line, so no protocol at all.
    EXPECT_FALSE(fs::exists(m_program / "AUVO.PRT"));
}

TEST_F(AppStart, SettingsBesideTheProgramComeFirstAndAreWrittenBack) {
    WriteProgramIni("; kept\r\n[AUVO]\r\nDEBUG=1\r\nNORMALNULL=-4200\r\n"
                    "VergleichsdateiPfad=/daten/alt\r\nVIEW_HTD=1\r\n"
                    "[MRU]\r\nDatei1=/daten/a.auvo\r\nDatei2=/daten/b.auvo\r\n");
    fs::create_directories(m_userIni.parent_path());
    std::ofstream(m_userIni) << "[AUVO]\nNORMALNULL=-1\n";
    std::ofstream(m_program / "AUVO.PRT") << "old run\r\n";

    ASSERT_TRUE(Start());
    EXPECT_EQ(m_app.GetProfileName(), (m_program / "AUVO.ini").string());
    EXPECT_EQ(m_app.m_nDebugLevel, 1);
    EXPECT_EQ(m_app.m_lNormalNull, -4200);
    EXPECT_EQ(m_app.m_strVergleichsdateiPfad, "/daten/alt");
    EXPECT_EQ(m_app.GetRecentFileList().Entries(),
              (std::vector<std::string>{"/daten/a.auvo", "/daten/b.auvo"}));

    m_app.m_lNormalNull = -3150;
    m_app.m_strVergleichsdateiPfad = "/daten/neu";
    m_app.ExitInstance(0);

    const fs::path ini = m_program / "AUVO.ini";
    EXPECT_EQ(Ini("AUVO", "NORMALNULL", ini), "-3150");
    EXPECT_EQ(Ini("AUVO", "VergleichsdateiPfad", ini), "/daten/neu");
    EXPECT_EQ(Ini("AUVO", "VIEW_HTD", ini), "1");
    EXPECT_EQ(Ini("MRU", "Datei2", ini), "/daten/b.auvo");
    EXPECT_NE(ReadFile(ini).find("; kept"), std::string::npos);
    EXPECT_EQ(Ini("AUVO", "NORMALNULL", m_userIni), "-1");

    // The old protocol is gone; this run's begins with the version and ends with the exit.
    EXPECT_EQ(
        ProtocolLines(m_program / "AUVO.PRT"),
        (std::vector<std::string>{"AUVO Version 2.10. INI: " + ini.string(), "AUVO ExitInstance"}));
}

TEST_F(AppStart, OddSettingValuesReadAsTheirDefaults) {
    WriteProgramIni("[AUVO]\nDEBUG=abc\nNORMALNULL=\nVergleichsdateiPfad=" + std::string(300, 'x') +
                    "\n");
    ASSERT_TRUE(Start());
    EXPECT_EQ(m_app.m_nDebugLevel, 0);
    EXPECT_EQ(m_app.m_lNormalNull, -10000);
    EXPECT_EQ(m_app.m_strVergleichsdateiPfad, std::string(259, 'x'));
    m_app.ExitInstance(0);

    // What the calibration cannot have stored counts as not calibrated (the short guide shows),
    // a ceiling that is no number as the default one; the ceiling follows from both, and the
    // protocol names each value not taken.
    struct Case {
        const char* ini;
        LONG maxPegel;
        std::vector<std::string> lines;
    };
    const std::string notNumber = "CBaseApp::ReadIniInt: ";
    const std::string outside = "CAUVOApp::LoadSettings: ";
    for (const Case& c :
         {Case{"NORMALNULL=leise\nMAXPEGEL=10001",
               8000,
               {notNumber + "NORMALNULL = 'leise'", outside + "MAXPEGEL 10001"}},
          Case{"NORMALNULL=-45.5\nMAXPEGEL=laut",
               8000,
               {notNumber + "NORMALNULL = '-45.5'", notNumber + "MAXPEGEL = 'laut'"}},
          Case{"NORMALNULL=0\nMAXPEGEL=3000", 3000, {outside + "NORMALNULL 0 liegt"}},
          Case{"NORMALNULL=-99", 8000, {outside + "NORMALNULL -99 liegt"}},
          Case{"NORMALNULL=-10001", 8000, {outside + "NORMALNULL -10001 liegt"}}}) {
        WriteProgramIni(std::string("[AUVO]\n") + c.ini + "\n");
        CAUVOApp app;
        app.SetMessageBoxService(&m_boxes);
        ASSERT_TRUE(app.InitInstance(m_framework, (m_program / "auvo").string())) << c.ini;
        EXPECT_EQ(app.m_lNormalNull, CAUVOApp::kNotCalibrated) << c.ini;
        EXPECT_EQ(app.m_lMaxPegel, c.maxPegel) << c.ini;
        EXPECT_EQ(app.OutputCeiling(), CAUVOApp::kNotCalibrated + c.maxPegel) << c.ini;
        const std::vector<std::string> lines = ProtocolLines(m_program / "AUVO.PRT");
        ASSERT_EQ(lines.size(), c.lines.size()) << c.ini;
        for (std::size_t i = 0; i < lines.size(); ++i)
            EXPECT_EQ(lines[i].rfind(c.lines[i], 0), 0u) << lines[i];
        app.ExitInstance(0);
        EXPECT_EQ(Ini("AUVO", "NORMALNULL", m_program / "AUVO.ini"), "-10000");
    }
}

TEST_F(AppStart, ProgramFolderFromTheLastSeparator) {
    const fs::path cwd = fs::current_path();
    fs::current_path(m_root);
    struct Case {
        std::string exe;
        std::string folder;
    };
    const Case cases[] = {{m_program.string() + "/auvo", m_program.string()},
                          {"prog/auvo", "prog"},
                          {"auvo", "auvo"},
                          {"prog\\bin/x\\auvo.exe", "prog\\bin"}};
    for (const Case& c : cases) {
        CAUVOApp app;
        app.SetMessageBoxService(&m_boxes);
        app.InitInstance(m_framework, c.exe);
        EXPECT_EQ(app.GetProgramFolder(), c.folder) << c.exe;
        app.ExitInstance(0);
    }
    fs::current_path(cwd);

    // The settings beside a program in such a folder are its own.
    const fs::path odd = m_program / "a\\b";
    fs::create_directories(odd);
    std::ofstream(odd / "AUVO.ini", std::ios::binary) << "[AUVO]\nNORMALNULL=-2500\n";
    CAUVOApp app;
    app.SetMessageBoxService(&m_boxes);
    app.InitInstance(m_framework, (odd / "auvo").string());
    EXPECT_EQ(app.m_lNormalNull, -2500);
    app.ExitInstance(0);
}

TEST_F(AppStart, NoSoundDeviceShowsMessage1000BeforeAnyWindowAndStillSaves) {
    WriteProgramIni("[AUVO]\nNORMALNULL=-2500\n");
    m_framework.m_deviceFault = DSERR_NODRIVER;
    EXPECT_FALSE(Start());
    EXPECT_EQ(m_journal.events, (std::vector<std::string>{"box AUVO stop: (1000)"}));
    EXPECT_EQ(m_app.m_pDirectSound, nullptr);

    m_app.ExitInstance(1);
    const auto protocol = ProtocolLines(m_program / "AUVO.PRT");
    ASSERT_EQ(protocol.size(), 1u);
    EXPECT_EQ(protocol[0].rfind("AUVO : (1000) Auf die Soundkarte", 0), 0u);
    EXPECT_EQ(Ini("AUVO", "NORMALNULL", m_program / "AUVO.ini"), "-2500");
    EXPECT_EQ(Ini("AUVO", "VergleichsdateiPfad", m_program / "AUVO.ini"), "");
}

TEST_F(AppStart, RefusedOutputFormatIsLoggedByNameAndShowsMessage1001) {
    struct Case {
        HRESULT status;
        std::string name;
    };
    const Case cases[] = {{DSERR_BADFORMAT, "DSERR_BADFORMAT"},
                          {DSERR_UNSUPPORTED, "DSERR_UNSUPPORTED"},
                          {DSERR_OUTOFMEMORY, "DSERR_OUTOFMEMORY"},
                          {DSERR_INVALIDPARAM, "DSERR_INVALIDPARAM"},
                          {DSERR_INVALIDCALL, "DSERR_INVALIDCALL"},
                          {DSERR_PRIOLEVELNEEDED, "DSERR_PRIOLEVELNEEDED"},
                          {DSERR_GENERIC, "nicht definierter DS Fehlercode!"}};
    for (const Case& c : cases) {
        fs::remove(m_program / "AUVO.PRT");
        m_journal.events.clear();
        CAUVOApp app;
        app.SetMessageBoxService(&m_boxes);
        m_framework.m_faults.failSetFormat = c.status;
        EXPECT_FALSE(app.InitInstance(m_framework, (m_program / "auvo").string()));
        // The window was already shown when the format was refused.
        EXPECT_EQ(m_journal.events,
                  (std::vector<std::string>{"ProcessCommandLine", "ShowMainWindow",
                                            "box AUVO stop: (1001)"}));
        EXPECT_EQ(app.m_pPrimaryBuffer, nullptr);
        app.ExitInstance(1);
        const auto protocol = ProtocolLines(m_program / "AUVO.PRT");
        ASSERT_EQ(protocol.size(), 2u);
        EXPECT_EQ(protocol[0], "CAUVOApp::CreatePrimarySoundBuffer: " + c.name);
        EXPECT_EQ(protocol[1].rfind("AUVO : (1001)", 0), 0u);
    }
}

TEST_F(AppStart, PrimaryBufferNotCreatedGivesMessage1001WithoutItsOwnLine) {
    m_framework.m_faults.failPrimaryCreate = DSERR_OUTOFMEMORY;
    EXPECT_FALSE(Start());
    EXPECT_EQ(m_journal.events.back(), "box AUVO stop: (1001)");
    m_app.ExitInstance(1);
    const auto protocol = ProtocolLines(m_program / "AUVO.PRT");
    ASSERT_EQ(protocol.size(), 1u);
    EXPECT_EQ(protocol[0].rfind("AUVO : (1001)", 0), 0u);
}

TEST_F(AppStart, PrimaryBufferThatWillNotPlayGivesMessage1002) {
    m_framework.m_faults.failPrimaryPlay = DSERR_GENERIC;
    EXPECT_FALSE(Start());
    EXPECT_EQ(m_journal.events, (std::vector<std::string>{"ProcessCommandLine", "ShowMainWindow",
                                                          "box AUVO stop: (1002)"}));
    EXPECT_EQ(m_app.ExitInstance(1), 1);
    EXPECT_EQ(m_app.m_pPrimaryBuffer, nullptr);
    EXPECT_EQ(Ini("AUVO", "NORMALNULL", m_userIni), "-10000");
}

TEST_F(AppStart, SettingsSurviveAnExitFromInsideTheRun) {
    // As when the display connection breaks at a logout: exit() without ExitInstance.
    WriteProgramIni("[AUVO]\nNORMALNULL=-4200\n[MRU]\nDatei1=/daten/a.auvo\n");
    GTEST_FLAG_SET(death_test_style, "fast");
    EXPECT_EXIT(
        {
            if (Start()) {
                m_app.m_lNormalNull = -2500;
                m_app.m_strVergleichsdateiPfad = "/daten/vergleich";
            }
            std::exit(3);
        },
        testing::ExitedWithCode(3), "");
    const fs::path ini = m_program / "AUVO.ini";
    EXPECT_EQ(Ini("AUVO", "NORMALNULL", ini), "-2500");
    EXPECT_EQ(Ini("AUVO", "VergleichsdateiPfad", ini), "/daten/vergleich");
    EXPECT_EQ(Ini("MRU", "Datei1", ini), "/daten/a.auvo");

    // A regular end writes once; a later exit() leaves what it wrote.
    EXPECT_EXIT(
        {
            if (Start()) {
                m_app.m_lNormalNull = -1800;
                m_app.ExitInstance(0);
                m_app.m_lNormalNull = -9999;
            }
            std::exit(4);
        },
        testing::ExitedWithCode(4), "");
    EXPECT_EQ(Ini("AUVO", "NORMALNULL", ini), "-1800");
}

TEST_F(AppStart, FailedCommandLineEndsQuietlyBeforeTheWindow) {
    m_framework.m_bCommandLineOk = false;
    EXPECT_FALSE(Start());
    EXPECT_EQ(m_journal.events, (std::vector<std::string>{"ProcessCommandLine"}));
    m_app.ExitInstance(1);
    EXPECT_EQ(Ini("AUVO", "NORMALNULL", m_userIni), "-10000");
}

TEST(AUVOApp, AboutTextAndTheOneInstance) {
    EXPECT_EQ(CAUVOApp::AboutText(), "AUVO Hörtest-Programm\nVersion 2.10, 00115.04711\n");
    EXPECT_EQ(CAUVOApp::Get(), nullptr);
    {
        CAUVOApp app;
        EXPECT_EQ(CAUVOApp::Get(), &app);
        EXPECT_EQ(app.GetReleaseStamp().major, 115);
        EXPECT_EQ(app.GetReleaseStamp().minor, 4711);
        // Never started: nothing to release and no settings file to write.
        EXPECT_EQ(app.ExitInstance(3), 3);
    }
    EXPECT_EQ(CAUVOApp::Get(), nullptr);
}
