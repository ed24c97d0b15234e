#pragma once
// The one application object: start-up, shut-down and the values that outlive a run.

#include "core/app/CBaseApp.h"
#include "core/app/CRecentFileList.h"
#include "platform/sound/DirectSound.h"

#include <string>

class IAppFramework;

class CAUVOApp : public CBaseApp {
public:
    // Calibration level before any calibration ("NORMALNULL" missing from the settings).
    static constexpr LONG kNotCalibrated = -10000;
    // The highest calibration level the calibration accepts (-1 dB).
    static constexpr LONG kHighestNormalNull = -100;
    // "MAXPEGEL": how far above the calibration level any tone may sound, in mB.
    static constexpr LONG kDefaultMaxPegel = 8000;
    static constexpr LONG kMaxMaxPegel = 10000;

    CAUVOApp();
    ~CAUVOApp() override;

    // The application object of the process (null before one exists).
    static CAUVOApp* Get();
    // Text of the about box's control 1020: "AUVO Hörtest-Programm\nVersion 2.10, ...\n".
    static std::string AboutText();

    // Start-up in its fixed order; false ends the program (ExitInstance still runs).
    // exePath is the full path of the program file.
    bool InitInstance(IAppFramework& framework, const std::string& exePath);
    // Releases the sound objects and writes the settings; returns exitCode.
    int ExitInstance(int exitCode);

    void LoadSettings();
    void SaveSettings();
    // For the runs without window (exports, printing): the settings exactly as start-up finds
    // and reads them; nothing is written and the protocol is kept.
    void LoadSettingsWithoutWindow(const std::string& exePath);
    bool CreatePrimarySoundBuffer(HWND mainWindow);
    // Name of a sound status for the protocol ("DSERR_BADFORMAT", ...).
    static const char* SoundStatusName(HRESULT status);
    // "AUVO.PRT" beside the program; where the user cannot write there, in
    // $XDG_STATE_HOME/AUVO (default ~/.local/state/AUVO), which is then created.
    static std::string ProtocolFileFor(const std::string& programFolder);

    CRecentFileList& GetRecentFileList() { return m_recentFiles; }

    // The loudest level any tone may sound at: NORMALNULL + MAXPEGEL, never above full scale.
    LONG OutputCeiling() const;
    // Takes the device and holds it to the ceiling.
    void SetSoundDevice(IDirectSound* device);
    // A new calibration level moves the ceiling with it.
    void SetNormalNull(LONG level);

    IDirectSound* m_pDirectSound = nullptr;
    IDirectSoundBuffer* m_pPrimaryBuffer = nullptr;
    LONG m_lNormalNull = kNotCalibrated;
    LONG m_lMaxPegel = kDefaultMaxPegel;
    std::string m_strVergleichsdateiPfad;

private:
    static void SaveSettingsAtAbruptExit();
    // Program folder, protocol file, section and settings file, as every run finds them.
    void LocateFiles(const std::string& exePath);

    CRecentFileList m_recentFiles;
    // Started, and ExitInstance has not written the settings yet.
    bool m_bSettingsPending = false;
};
