#pragma once
// What a tone dialog's logic needs of its window: the 250 ms timer, the controls following
// the state, and the boxes that must be answered. Qt implements it; tests answer at once.

#include <string>

class IToneDialogHost {
public:
    virtual ~IToneDialogHost() = default;
    virtual void SetTimer(int id, int milliseconds) = 0;
    virtual void KillTimer(int id) = 0;
    // The state changed: enabled controls, default button, focus and texts follow it.
    virtual void Refresh() = 0;
    // Modal box with the application title; information icon or none, OK or OK and
    // "Abbrechen". True when answered with OK.
    virtual bool Confirm(const std::string& text, bool information, bool withCancel) = 0;
    // The sound card refused the tone's buffer: tell the user; nothing sounds.
    virtual void ToneRefused() = 0;
};
