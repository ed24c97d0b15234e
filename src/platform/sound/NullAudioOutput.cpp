#include "platform/sound/NullAudioOutput.h"

#include "platform/sound/Mixer.h"

#include <chrono>
#include <vector>

namespace {
constexpr std::size_t kBlockFrames = 441; // 10 ms
}

NullAudioOutput::~NullAudioOutput() {
    Stop();
}

bool NullAudioOutput::Start(Mixer& mixer) {
    Stop();
    m_stop = false;
    m_thread = std::thread([this, &mixer] { Run(mixer); });
    return true;
}

void NullAudioOutput::Stop() {
    m_stop = true;
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

void NullAudioOutput::Run(Mixer& mixer) {
    std::vector<float> block(kBlockFrames * Mixer::kChannels);
    const auto period = std::chrono::microseconds(10000);
    auto next = std::chrono::steady_clock::now();
    while (!m_stop.load(std::memory_order_relaxed)) {
        mixer.Render(block.data(), kBlockFrames);
        next += period;
        std::this_thread::sleep_until(next);
    }
}
