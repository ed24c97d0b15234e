#pragma once
// The hearing test behind its dialog: both ears, 8 or 32 frequencies, the rising level of
// every tone and what is recorded when it is recognised. UI thread only; the window drives
// it with button presses and OnTimer(1) and follows its state through IToneDialogHost.

#include "core/hearing/CHoertestDaten.h"
#include "core/hearingtest/CRisingTone.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/sound/DirectSound.h"

class CAUVOApp;
class CAUVODoc;
class IToneDialogHost;

class CHoertestRun {
public:
    struct Options {
        bool standard = true; // 8 frequencies; otherwise 32
        bool pulsed = false;
        bool startVolFromDoc = false;
        bool random = false;
    };

    // The random order is seeded from the program's clock (LocalClock) at every pick.
    CHoertestRun(CAUVOApp& app, CAUVODoc& doc, IDirectSound* device, IToneDialogHost& host);
    ~CHoertestRun();
    CHoertestRun(const CHoertestRun&) = delete;
    CHoertestRun& operator=(const CHoertestRun&) = delete;

    // Takes a copy of the document's data; idle.
    void Init();
    void OnStart(const Options& options);
    void OnErkannt();
    void OnStop();
    void OnTimer(int id);
    // "&Ende": hands the data to the document.
    void OnOK();

    bool IsRunning() const { return m_bRunning; }
    // "-" while idle, else "Links: Ton 3 von 8".
    const std::string& StatusText() const { return m_strStatus; }
    const CHoertestDaten& Data() const { return m_Daten; }
    int Side() const { return m_nSide; }
    int Current() const { return m_nCurrent; }
    int Index() const { return m_nIndex; }
    // The level of the tone now playing.
    std::int32_t Att() const { return m_tone.Level(); }

private:
    void StartNextSample();
    void StepSample();
    void EnterIdle();
    int PickRandomIndex();

    CAUVOApp& m_app;
    CAUVODoc& m_doc;
    IToneDialogHost& m_host;
    CHoertestDaten m_Daten;
    int m_nSide = 0;
    int m_nCurrent = -1;
    CRisingTone m_tone;
    bool m_bStartVolFromDoc = false;
    bool m_bRandom = false;
    std::vector<bool> m_done;
    int m_nIndex = -1;
    int m_nCount = 0;
    bool m_bRunning = false;
    std::string m_strStatus = "-";
};
