#pragma once
// Where the mixer's frames go. An output owns the thread that pulls float32 stereo frames
// at 44100 Hz from the mixer (or has none, when frames are rendered on demand).

class Mixer;

class IAudioOutput {
public:
    virtual ~IAudioOutput() = default;
    // Starts pulling from mixer; false when the output cannot be opened.
    virtual bool Start(Mixer& mixer) = 0;
    // Stops pulling; after it returns the mixer is no longer touched. Safe to call twice.
    virtual void Stop() = 0;
};
