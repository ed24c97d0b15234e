#pragma once
// Output into a WAV file of 32-bit float stereo frames at 44100 Hz: exactly what would play.
// Either a thread renders at real-time pace (the program), or the owner renders frames on
// demand with RenderFrames, faster than real time and without any thread (tests, export).

#include "platform/sound/IAudioOutput.h"

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

class WavFileOutput : public IAudioOutput {
public:
    enum class Mode { RealTime, OnDemand };

    WavFileOutput(std::string path, Mode mode);
    ~WavFileOutput() override;

    // Creates the file; false when it cannot be written.
    bool Start(Mixer& mixer) override;
    // Stops the thread and completes the file's header.
    void Stop() override;
    // OnDemand only: renders frames from the mixer into the file; false on a write error.
    bool RenderFrames(std::size_t frames);
    // Frames written so far.
    std::uint64_t FramesWritten() const { return m_frames.load(); }

private:
    void Run();
    bool WriteBlock(std::size_t frames);
    void WriteHeader();

    std::string m_path;
    Mode m_mode;
    Mixer* m_mixer = nullptr;
    std::FILE* m_file = nullptr;
    std::vector<float> m_block;
    std::atomic<std::uint64_t> m_frames{0};
    std::atomic<bool> m_stop{false};
    bool m_failed = false;
    std::thread m_thread;
};
