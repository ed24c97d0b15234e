#include "platform/sound/WavFileOutput.h"

#include "platform/sound/Mixer.h"

#include <chrono>
#include <cstring>

namespace {
constexpr std::size_t kBlockFrames = 441; // 10 ms
constexpr std::uint32_t kBytesPerFrame = 8;

void PutU32(unsigned char* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        p[i] = static_cast<unsigned char>(v >> (8 * i));
    }
}
void PutU16(unsigned char* p, std::uint16_t v) {
    p[0] = static_cast<unsigned char>(v);
    p[1] = static_cast<unsigned char>(v >> 8);
}
} // namespace

WavFileOutput::WavFileOutput(std::string path, Mode mode)
    : m_path(std::move(path)), m_mode(mode), m_block(kBlockFrames * Mixer::kChannels) {}

WavFileOutput::~WavFileOutput() {
    Stop();
}

bool WavFileOutput::Start(Mixer& mixer) {
    Stop();
    m_file = std::fopen(m_path.c_str(), "wb");
    if (m_file == nullptr) {
        return false;
    }
    m_mixer = &mixer;
    m_frames = 0;
    m_failed = false;
    WriteHeader();
    if (m_mode == Mode::RealTime) {
        m_stop = false;
        m_thread = std::thread([this] { Run(); });
    }
    return true;
}

void WavFileOutput::Stop() {
    m_stop = true;
    if (m_thread.joinable()) {
        m_thread.join();
    }
    if (m_file != nullptr) {
        WriteHeader();
        std::fclose(m_file);
        m_file = nullptr;
    }
    m_mixer = nullptr;
}

bool WavFileOutput::RenderFrames(std::size_t frames) {
    if (m_mode != Mode::OnDemand || m_file == nullptr) {
        return false;
    }
    while (frames > 0) {
        const std::size_t n = std::min(frames, kBlockFrames);
        if (!WriteBlock(n)) {
            return false;
        }
        frames -= n;
    }
    return true;
}

void WavFileOutput::Run() {
    const auto period = std::chrono::microseconds(10000);
    auto next = std::chrono::steady_clock::now();
    while (!m_stop.load(std::memory_order_relaxed)) {
        WriteBlock(kBlockFrames);
        next += period;
        std::this_thread::sleep_until(next);
    }
}

bool WavFileOutput::WriteBlock(std::size_t frames) {
    m_mixer->Render(m_block.data(), frames);
    if (m_failed) {
        return false;
    }
    // The file holds little-endian floats, which is what this machine stores.
    if (std::fwrite(m_block.data(), kBytesPerFrame, frames, m_file) != frames) {
        m_failed = true;
        return false;
    }
    m_frames += frames;
    return true;
}

void WavFileOutput::WriteHeader() {
    const std::uint64_t frames = m_frames.load();
    const std::uint64_t bytes64 = frames * kBytesPerFrame;
    const std::uint32_t data =
        bytes64 > 0xFFFFFFF0u ? 0xFFFFFFF0u : static_cast<std::uint32_t>(bytes64);
    unsigned char h[58] = {};
    std::memcpy(h, "RIFF", 4);
    PutU32(h + 4, 50 + data);
    std::memcpy(h + 8, "WAVE", 4);
    std::memcpy(h + 12, "fmt ", 4);
    PutU32(h + 16, 18);
    PutU16(h + 20, 3); // IEEE float
    PutU16(h + 22, Mixer::kChannels);
    PutU32(h + 24, Mixer::kSampleRate);
    PutU32(h + 28, Mixer::kSampleRate * kBytesPerFrame);
    PutU16(h + 32, kBytesPerFrame);
    PutU16(h + 34, 32);
    PutU16(h + 36, 0);
    std::memcpy(h + 38, "fact", 4);
    PutU32(h + 42, 4);
    PutU32(h + 46, static_cast<std::uint32_t>(data / kBytesPerFrame));
    std::memcpy(h + 50, "data", 4);
    PutU32(h + 54, data);
    const long end = std::ftell(m_file);
    std::fseek(m_file, 0, SEEK_SET);
    if (std::fwrite(h, 1, sizeof h, m_file) != sizeof h) {
        m_failed = true;
    }
    if (end > static_cast<long>(sizeof h)) {
        std::fseek(m_file, end, SEEK_SET);
    }
    std::fflush(m_file);
}
