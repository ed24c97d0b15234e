#include "core/app/CAUVOApp.h"
#include "platform/sound/SoundFormat.h"

#include "core/app/IAppFramework.h"
#include "core/app/StringTable.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace {
const ReleaseStamp kReleaseStamp{115, 4711};
CAUVOApp* g_pApp = nullptr;
bool g_bExitWatched = false;

constexpr std::size_t kPathBuffer = 260;
const char* const kIniName = "AUVO.ini";

// Up to the last slash; a backslash is an ordinary name character here. A slash at
// position 0 keeps the whole path.
std::string ProgramFolderOf(const std::string& exePath) {
    const std::string::size_type pos = exePath.rfind('/');
    if (pos != std::string::npos && pos > 0)
        return exePath.substr(0, pos);
    return exePath;
}

std::string UserSettingsFolder() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && *xdg)
        return std::string(xdg) + "/AUVO";
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : ".") + "/.config/AUVO";
}

std::string UserStateFolder() {
    const char* xdg = std::getenv("XDG_STATE_HOME");
    if (xdg && *xdg)
        return std::string(xdg) + "/AUVO";
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : ".") + "/.local/state/AUVO";
}

// The program folder first; then the user's settings folder, which is also where a
// missing file gets created by the first write.
std::string FindSettingsFile(const std::string& programFolder) {
    std::error_code ec;
    const std::string beside = programFolder + "/" + kIniName;
    if (std::filesystem::is_regular_file(beside, ec))
        return beside;
    return UserSettingsFolder() + "/" + kIniName;
}
} // namespace

// The windowing system may end the process with exit() from inside the event loop (X11 does
// when its connection breaks at a logout); the settings, the calibration above all, still go
// to disk then.
void CAUVOApp::SaveSettingsAtAbruptExit() {
    if (g_pApp && g_pApp->m_bSettingsPending) {
        g_pApp->m_bSettingsPending = false;
        g_pApp->SaveSettings();
    }
}

CAUVOApp::CAUVOApp() : CBaseApp(kReleaseStamp) {
    if (!g_pApp)
        g_pApp = this;
}

CAUVOApp::~CAUVOApp() {
    if (g_pApp == this)
        g_pApp = nullptr;
}

std::string CAUVOApp::ProtocolFileFor(const std::string& programFolder) {
    // An installed program lies in a folder only root may write to; its protocol would be lost.
    if (::access(programFolder.c_str(), F_OK) != 0 || ::access(programFolder.c_str(), W_OK) == 0)
        return programFolder + "/AUVO.PRT";
    const std::string folder = UserStateFolder();
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    return folder + "/AUVO.PRT";
}

void CAUVOApp::LocateFiles(const std::string& exePath) {
    SetProgramFolder(ProgramFolderOf(exePath));
    SetProtocolPath(ProtocolFileFor(GetProgramFolder()));
    SetSectionName("AUVO");
    SetProfileName(FindSettingsFile(GetProgramFolder()));
    std::error_code ec;
    SetFirstStart(!std::filesystem::exists(GetProfileName(), ec));
}

CAUVOApp* CAUVOApp::Get() {
    return g_pApp;
}

std::string CAUVOApp::AboutText() {
    char text[256];
    std::snprintf(text, sizeof text, "%s Hörtest-Programm\nVersion %s, %05u.%05u\n",
                  StringTable::Load(StringTable::kAppTitle).c_str(),
                  StringTable::Load(StringTable::kVersion).c_str(), unsigned{kReleaseStamp.major},
                  unsigned{kReleaseStamp.minor});
    return text;
}

void CAUVOApp::LoadSettingsWithoutWindow(const std::string& exePath) {
    LocateFiles(exePath);
    LoadSettings();
}

bool CAUVOApp::InitInstance(IAppFramework& framework, const std::string& exePath) {
    LocateFiles(exePath);
    // Each run starts a fresh protocol; a missing or locked file is no reason to stop.
    std::remove(GetProtocolPath().c_str());

    LoadSettings();
    // Only now: an exit before the settings were read must not overwrite them with defaults.
    m_bSettingsPending = true;
    if (!g_bExitWatched)
        g_bExitWatched = std::atexit(&CAUVOApp::SaveSettingsAtAbruptExit) == 0;

    Trace(1, "%s Version %s. INI: %s", StringTable::Load(StringTable::kAppTitle).c_str(),
          StringTable::Load(StringTable::kVersion).c_str(), GetProfileName().c_str());

    IDirectSound* device = nullptr;
    if (framework.CreateSoundDevice(&device) != DS_OK || !device) {
        if (device)
            device->Release();
        ErrorBoxId(StringTable::kNoSoundDevice, StringTable::kAppTitle);
        return false;
    }
    SetSoundDevice(device);

    if (!framework.ProcessCommandLine())
        return false;

    framework.ShowMainWindow();

    if (!CreatePrimarySoundBuffer(framework.MainWindowHandle())) {
        ErrorBoxId(StringTable::kNoOutputFormat, StringTable::kAppTitle);
        return false;
    }
    if (m_pPrimaryBuffer->Play(0, 0, DSBPLAY_LOOPING) != DS_OK) {
        ErrorBoxId(StringTable::kNoPlayback, StringTable::kAppTitle);
        return false;
    }
    return true;
}

int CAUVOApp::ExitInstance(int exitCode) {
    m_bSettingsPending = false;
    if (m_pPrimaryBuffer) {
        m_pPrimaryBuffer->Stop();
        m_pPrimaryBuffer->Release();
        m_pPrimaryBuffer = nullptr;
    }
    if (m_pDirectSound) {
        m_pDirectSound->Release();
        m_pDirectSound = nullptr;
    }
    // Without a start there is no settings file to write to.
    if (!GetProfileName().empty())
        SaveSettings();
    Trace(1, "%s ExitInstance", StringTable::Load(StringTable::kAppTitle).c_str());
    return exitCode;
}

void CAUVOApp::LoadSettings() {
    int value = 0;
    ReadIniInt("DEBUG", value);
    m_nDebugLevel = value;
    m_lNormalNull = ReadIniInt("NORMALNULL", value) ? value : kNotCalibrated;
    // A value the calibration could not have stored would move the ceiling up to full scale
    // and hide the short guide: the program counts as not calibrated.
    if (m_lNormalNull < kNotCalibrated || m_lNormalNull > kHighestNormalNull) {
        Trace(0,
              "CAUVOApp::LoadSettings: NORMALNULL %ld liegt nicht zwischen %ld und %ld, %ld gilt "
              "(nicht geeicht)",
              static_cast<long>(m_lNormalNull), static_cast<long>(kNotCalibrated),
              static_cast<long>(kHighestNormalNull), static_cast<long>(kNotCalibrated));
        m_lNormalNull = kNotCalibrated;
    }
    m_lMaxPegel = kDefaultMaxPegel;
    if (ReadIniInt("MAXPEGEL", value)) {
        if (value >= 0 && value <= kMaxMaxPegel)
            m_lMaxPegel = value;
        else
            Trace(0, "CAUVOApp::LoadSettings: MAXPEGEL %d liegt nicht zwischen 0 und %ld, %ld gilt",
                  value, static_cast<long>(kMaxMaxPegel), static_cast<long>(kDefaultMaxPegel));
    }
    SetNormalNull(m_lNormalNull);
    ReadIniString("VergleichsdateiPfad", m_strVergleichsdateiPfad, kPathBuffer);
    m_recentFiles.ReadList(GetProfileName());
}

void CAUVOApp::SaveSettings() {
    WriteIniInt("NORMALNULL", m_lNormalNull);
    WriteIniInt("MAXPEGEL", m_lMaxPegel);
    WriteIniString("VergleichsdateiPfad", m_strVergleichsdateiPfad);
    m_recentFiles.WriteList(GetProfileName());
    // A first start that ended before the view existed (a file that would not open) must not
    // leave a settings file that hides both diagram rows from the next start.
    if (IsFirstStart()) {
        int shown = 0;
        for (const char* key : {"VIEW_HTD", "VIEW_TTD"})
            if (!ReadIniInt(key, shown))
                WriteIniInt(key, 1);
    }
}

LONG CAUVOApp::OutputCeiling() const {
    const std::int64_t ceiling = std::int64_t{m_lNormalNull} + m_lMaxPegel;
    return static_cast<LONG>(std::clamp<std::int64_t>(ceiling, INT32_MIN, DSBVOLUME_MAX));
}

void CAUVOApp::SetSoundDevice(IDirectSound* device) {
    m_pDirectSound = device;
    if (m_pDirectSound != nullptr)
        m_pDirectSound->SetCeiling(OutputCeiling());
}

void CAUVOApp::SetNormalNull(LONG level) {
    m_lNormalNull = level;
    if (m_pDirectSound != nullptr)
        m_pDirectSound->SetCeiling(OutputCeiling());
}

const char* CAUVOApp::SoundStatusName(HRESULT status) {
    switch (status) {
    case DSERR_UNSUPPORTED:
        return "DSERR_UNSUPPORTED";
    case DSERR_OUTOFMEMORY:
        return "DSERR_OUTOFMEMORY";
    case DSERR_INVALIDPARAM:
        return "DSERR_INVALIDPARAM";
    case DSERR_INVALIDCALL:
        return "DSERR_INVALIDCALL";
    case DSERR_PRIOLEVELNEEDED:
        return "DSERR_PRIOLEVELNEEDED";
    case DSERR_BADFORMAT:
        return "DSERR_BADFORMAT";
    default:
        return "nicht definierter DS Fehlercode!";
    }
}

bool CAUVOApp::CreatePrimarySoundBuffer(HWND mainWindow) {
    if (!m_pDirectSound)
        return false;
    m_pDirectSound->SetCooperativeLevel(mainWindow, DSSCL_PRIORITY);

    DSBUFFERDESC desc;
    desc.dwSize = 20;
    desc.dwFlags = DSBCAPS_PRIMARYBUFFER;
    desc.dwBufferBytes = 0;
    desc.dwReserved = 0;
    desc.lpwfxFormat = nullptr;
    IDirectSoundBuffer* buffer = nullptr;
    if (m_pDirectSound->CreateSoundBuffer(&desc, &buffer, nullptr) != DS_OK || !buffer) {
        if (buffer)
            buffer->Release();
        m_pPrimaryBuffer = nullptr;
        return false;
    }

    WAVEFORMATEX format = PcmFormat(2);
    const HRESULT hr = buffer->SetFormat(&format);
    if (hr == DS_OK) {
        m_pPrimaryBuffer = buffer;
        return true;
    }
    WriteProtocol(std::string("CAUVOApp::CreatePrimarySoundBuffer: ") + SoundStatusName(hr), 0);
    // Give the refused buffer back instead of leaking it.
    buffer->Release();
    m_pPrimaryBuffer = nullptr;
    return false;
}
