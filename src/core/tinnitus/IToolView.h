#pragma once
// What the mouse tools need of the view they work in: the mapping from client points to side,
// frequency and level, the tone selection, repainting one diagram, the mouse capture, the
// pop-up menu, and the document's tones. CAUVOView implements it.

#include "platform/dc/CPoint.h"
#include "platform/sound/DirectSound.h"

#include <vector>

class CBaseApp;
class CSinusTone;

class IToolView {
public:
    struct MenuEntry {
        unsigned textId;
        int commandId;
    };

    // The side that goes with no selected tone.
    static constexpr int kNoSide = 3;

    virtual ~IToolView() = default;

    // A point in a tinnitus plot area: side, frequency in Hz and level in mB relative to the
    // calibration. False (outputs untouched) elsewhere.
    virtual bool ClientToTT(CPoint client, int& side, double& frequency, int& level) = 0;
    virtual CSinusTone* GetSelectedTone(int* side = nullptr) const = 0;
    // None with kNoSide clears the selection.
    virtual void SetSelectedTone(CSinusTone* tone, int side) = 0;
    virtual void InvalidateSide(int side) = 0;
    // Both ears in one diagram.
    virtual bool IsTogether() const = 0;

    // While captured, the view gets every mouse message until the capture is released.
    virtual void SetCapture() = 0;
    virtual void ReleaseCapture() = 0;
    virtual bool HasCapture() const = 0;
    // Shows the menu with its top left corner at the client point; the chosen command goes
    // to the view's command handlers.
    virtual void TrackPopupMenu(const std::vector<MenuEntry>& entries, CPoint client) = 0;

    // The document's tones: the first within less than 100 Hz, a new one at a level relative
    // to the calibration (a noise band for a bandwidth above 0; null when the list refuses it),
    // the level conversions.
    virtual CSinusTone* TToneNear(int side, double frequency) const = 0;
    virtual CSinusTone* CreateTTValue(int side, double frequency, LONG level, double bandwidth) = 0;
    virtual LONG ToRelativeLevel(LONG deviceAtt) const = 0;
    virtual LONG ToAbsoluteLevel(LONG level) const = 0;
    virtual void SetModifiedFlag() = 0;
    // Protocol and message boxes; may be null.
    virtual CBaseApp* GetApp() const = 0;
};
