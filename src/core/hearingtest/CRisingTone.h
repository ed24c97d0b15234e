#pragma once
// The tone of the calibration, the hearing test and the single measurement: one tone object
// whose level climbs 0.5 dB per audible tick of the 250 ms timer up to a top level, continuous
// or pulsed (250 ms on, 250 ms off). It owns the tone, its level, its pulse and the timer, so
// each run only says when to start, what a tick means and when to stop. A sound buffer the
// device refuses is reported through the host. UI thread only.

#include "core/sound/CSinusTone.h"

#include <cstdint>
#include <memory>

class IToneDialogHost;

class CRisingTone {
public:
    // What a tick did: the off half of a pulse, one step up, or the top reached unheard.
    enum class Tick { Off, Rose, AtTop };
    // Whether a tick tests for the top before it raises the level (the calibration and the
    // hearing test: the top sounds for one tick) or after (the single measurement: it never does).
    enum class Order { TestThenRaise, RaiseThenTest };
    // Side for a tone on both ears.
    static constexpr int kBothEars = -1;

    // The tone object is made at the first Start; ceiling says whether the device's output
    // ceiling holds it (all but the calibration).
    CRisingTone(IDirectSound* device, IToneDialogHost& host, CSinusTone::Ceiling ceiling,
                Order order);
    // Timer off, tone stopped.
    ~CRisingTone();
    CRisingTone(const CRisingTone&) = delete;
    CRisingTone& operator=(const CRisingTone&) = delete;

    // The tone at frequency on a side (0 left, 1 right, kBothEars), from level, looping, and
    // the timer running. False when the device refused the tone: the host was told, nothing
    // sounds and the timer is off.
    bool Start(double frequency, std::int32_t level, int side);
    // Timer off, tone silent; the level stays.
    void Halt();
    // Tone and timer again at the unchanged level (after a pause).
    void Resume();
    // Timer tick. pulsed: every other tick is an off half (silent); the phase runs on across
    // starts unless ResetPulse. An audible tick rises one step, never past top.
    Tick OnTick(bool pulsed, std::int32_t top);
    // The next tick is an audible one.
    void ResetPulse() { m_bPulseOff = false; }

    std::int32_t Level() const { return m_lLevel; }
    // The level without a start (the calibration's result, a start level shown before any tone).
    void SetLevel(std::int32_t level) { m_lLevel = level; }

private:
    IDirectSound* m_pDevice;
    IToneDialogHost& m_host;
    CSinusTone::Ceiling m_ceiling;
    Order m_order;
    std::unique_ptr<CSinusTone> m_pTone;
    std::int32_t m_lLevel = -10000;
    bool m_bPulseOff = false;
    bool m_bRunning = false;
};
