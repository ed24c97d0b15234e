#pragma once
// The steps of start-up that belong to the windowing framework. The GUI implements them
// with Qt; tests implement them with fakes, so the start-up order is testable without a display.

#include "platform/sound/DirectSound.h"

class IAppFramework {
public:
    virtual ~IAppFramework() = default;
    // Registers the document template and processes the command line: a new document, an opened
    // file or printing. False ends the program (the framework has already said why).
    virtual bool ProcessCommandLine() = 0;
    // Shows and paints the main window.
    virtual void ShowMainWindow() = 0;
    // Handle of the main window for the sound device; null without a window.
    virtual HWND MainWindowHandle() = 0;
    // The sound device on the default output (DirectSoundCreate); its status.
    virtual HRESULT CreateSoundDevice(IDirectSound** device) {
        return DirectSoundCreate(nullptr, device, nullptr);
    }
};
