#include "platform/sound/Mixer.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr std::size_t kChunk = 1024;
constexpr std::size_t kPrefetchVoices = 4;
constexpr std::size_t kQueueSize = 16384;
constexpr float kSampleScale = 1.0f / 32768.0f;

// Four voices per pass: the sums stay in registers, in the order one voice at a time would
// have added them.
[[gnu::always_inline]] inline void MixFourBody(const std::int16_t* const* samples,
                                               const float* gainsLeft, const float* gainsRight,
                                               float* __restrict left, float* __restrict right,
                                               std::size_t frames) {
    const std::int16_t* __restrict a = samples[0];
    const std::int16_t* __restrict b = samples[1];
    const std::int16_t* __restrict c = samples[2];
    const std::int16_t* __restrict d = samples[3];
    const float la = gainsLeft[0], lb = gainsLeft[1], lc = gainsLeft[2], ld = gainsLeft[3];
    const float ra = gainsRight[0], rb = gainsRight[1], rc = gainsRight[2], rd = gainsRight[3];
    for (std::size_t i = 0; i < frames; ++i) {
        const float sa = static_cast<float>(a[i]);
        const float sb = static_cast<float>(b[i]);
        const float sc = static_cast<float>(c[i]);
        const float sd = static_cast<float>(d[i]);
        float l = left[i];
        float r = right[i];
        l += sa * la;
        r += sa * ra;
        l += sb * lb;
        r += sb * rb;
        l += sc * lc;
        r += sc * rc;
        l += sd * ld;
        r += sd * rd;
        left[i] = l;
        right[i] = r;
    }
}

void MixFourPlain(const std::int16_t* const* samples, const float* gainsLeft,
                  const float* gainsRight, float* left, float* right, std::size_t frames) {
    MixFourBody(samples, gainsLeft, gainsRight, left, right, frames);
}

// The same built for AVX2 (never FMA, whose single rounding would change the samples). Chosen
// at run time without an ifunc, which would run before the sanitizers are set up.
__attribute__((target("avx2"))) void MixFourAvx2(const std::int16_t* const* samples,
                                                 const float* gainsLeft, const float* gainsRight,
                                                 float* left, float* right, std::size_t frames) {
    MixFourBody(samples, gainsLeft, gainsRight, left, right, frames);
}

} // namespace

struct Mixer::SampleBlock {
    std::vector<std::int16_t> samples;
    OutputCeiling::Measure measure;
};

struct Mixer::Voice {
    SampleBlock* block = nullptr;
    const std::int16_t* samples = nullptr; // the block's, one indirection less
    std::uint32_t frames = 0;
    std::uint32_t position = 0;
    // Gains the voice has while playing (already scaled to float samples).
    float levelLeft = 0.0f;
    float levelRight = 0.0f;
    // Gains applied right now, and the ramp that moves them.
    float gainLeft = 0.0f;
    float gainRight = 0.0f;
    float targetLeft = 0.0f;
    float targetRight = 0.0f;
    float stepLeft = 0.0f;
    float stepRight = 0.0f;
    std::uint32_t rampLeft = 0;
    bool running = false;
    bool looping = false;
    bool stopping = false;
    bool freeWanted = false;
    bool exempt = false;
};

Mixer::Mixer()
    : m_commands(kQueueSize), m_retired(kQueueSize),
      m_published(std::make_unique<SampleBlock*[]>(kMaxVoices)),
      m_voices(std::make_unique<Voice[]>(kMaxVoices)), m_left(std::make_unique<float[]>(kChunk)),
      m_right(std::make_unique<float[]>(kChunk)),
      m_sounds(std::make_unique<OutputCeiling::Sound[]>(kMaxVoices)),
      m_endCounts(std::make_unique<std::atomic<std::uint32_t>[]>(kMaxVoices)),
      m_mixFour(__builtin_cpu_supports("avx2") ? MixFourAvx2 : MixFourPlain) {
    m_freeSlots.reserve(kMaxVoices);
    for (int i = kMaxVoices - 1; i >= 0; --i) {
        m_freeSlots.push_back(i);
    }
    m_active.reserve(kMaxVoices);
}

Mixer::~Mixer() {
    Command command{};
    while (m_commands.TryPop(command)) {
        if (command.type == Command::SetBlock) {
            delete command.block;
        }
    }
    for (const Command& pending : m_pending) {
        if (pending.type == Command::SetBlock) {
            delete pending.block;
        }
    }
    Retired retired{};
    while (m_retired.TryPop(retired)) {
        delete retired.block;
    }
    for (int i = 0; i < kMaxVoices; ++i) {
        delete m_voices[i].block;
    }
}

// ---------------------------------------------------------------- UI thread

int Mixer::AddVoice(std::uint32_t frames, bool exempt) {
    Collect();
    if (m_freeSlots.empty()) {
        return -1;
    }
    const int voice = m_freeSlots.back();
    m_freeSlots.pop_back();
    m_published[voice] = nullptr;
    Command command{};
    command.type = Command::Add;
    command.voice = voice;
    command.frames = frames;
    command.exempt = exempt;
    Send(command);
    return voice;
}

void Mixer::SetSamples(int voice, std::vector<std::int16_t> samples) {
    Collect();
    // The audio thread only ever sees a finished block, never memory still being written.
    auto* block = new SampleBlock{std::move(samples), {}};
    block->measure = OutputCeiling::Of(block->samples.data(), block->samples.size());
    m_published[voice] = block;
    Command command{};
    command.type = Command::SetBlock;
    command.voice = voice;
    command.frames = static_cast<std::uint32_t>(block->samples.size());
    command.block = block;
    Send(command);
}

const std::vector<std::int16_t>* Mixer::PublishedSamples(int voice) const {
    // Freed only once a later block or the voice's removal retired it.
    return m_published[voice] != nullptr ? &m_published[voice]->samples : nullptr;
}

void Mixer::SetGains(int voice, float left, float right) {
    Collect();
    Command command{};
    command.type = Command::SetGains;
    command.voice = voice;
    command.left = left;
    command.right = right;
    Send(command);
}

void Mixer::SetCeiling(float sineGain) {
    Collect();
    Command command{};
    command.type = Command::SetCeiling;
    command.left = sineGain;
    Send(command);
}

void Mixer::Play(int voice, bool looping) {
    Collect();
    Command command{};
    command.type = Command::Play;
    command.voice = voice;
    command.looping = looping;
    Send(command);
}

void Mixer::Stop(int voice) {
    Collect();
    Command command{};
    command.type = Command::Stop;
    command.voice = voice;
    Send(command);
}

void Mixer::RemoveVoice(int voice) {
    Collect();
    m_published[voice] = nullptr;
    Command command{};
    command.type = Command::Remove;
    command.voice = voice;
    Send(command);
}

std::uint32_t Mixer::EndCount(int voice) const {
    return m_endCounts[voice].load(std::memory_order_acquire);
}

void Mixer::Collect() {
    Retired retired{};
    while (m_retired.TryPop(retired)) {
        delete retired.block;
        if (retired.voice >= 0) {
            m_freeSlots.push_back(retired.voice);
        }
    }
    FlushPending();
}

void Mixer::Send(const Command& command) {
    FlushPending();
    if (!m_pending.empty() || !m_commands.TryPush(command)) {
        m_pending.push_back(command);
    }
}

void Mixer::FlushPending() {
    while (!m_pending.empty() && m_commands.TryPush(m_pending.front())) {
        m_pending.pop_front();
    }
}

// ------------------------------------------------------------- audio thread

void Mixer::Render(float* out, std::size_t frames) {
    ProcessCommands();
    while (frames > 0) {
        const std::size_t n = std::min(frames, kChunk);
        std::fill_n(m_left.get(), n, 0.0f);
        std::fill_n(m_right.get(), n, 0.0f);
        // Voices that play on unchanged through the chunk are summed several at a time, the
        // others one by one; every frame still adds the voices in the same order.
        Group group;
        const std::size_t active = m_active.size();
        for (std::size_t j = 0; j < active; ++j) {
            if (j + kPrefetchVoices < active)
                Prefetch(m_voices[m_active[j + kPrefetchVoices]], n);
            Voice& voice = m_voices[m_active[j]];
            if (IsSteady(voice, n)) {
                if (voice.gainLeft != 0.0f || voice.gainRight != 0.0f) {
                    group.Add(voice.samples + voice.position, voice.gainLeft, voice.gainRight);
                    if (group.count == Group::kSize)
                        MixGroup(group, n);
                }
                voice.position += static_cast<std::uint32_t>(n);
            } else {
                MixGroup(group, n);
                MixVoice(voice, n);
            }
        }
        MixGroup(group, n);
        const float* __restrict left = m_left.get();
        const float* __restrict right = m_right.get();
        float* __restrict dst = out;
        for (std::size_t i = 0; i < n; ++i) {
            dst[2 * i] = left[i];
            dst[2 * i + 1] = right[i];
        }
        out += 2 * n;
        frames -= n;
    }
    SweepFreedVoices();
}

// Hundreds of voices do not fit a cache, and their samples are read only once per chunk: the
// next voices' samples are fetched while the current ones are summed.
void Mixer::Prefetch(const Voice& voice, std::size_t frames) {
    if (voice.samples == nullptr || !voice.running)
        return;
    const std::size_t end = std::min<std::size_t>(voice.position + frames, voice.frames);
    const auto* from = reinterpret_cast<const char*>(voice.samples + voice.position);
    const auto* to = reinterpret_cast<const char*>(voice.samples + end);
    for (; from < to; from += 64)
        __builtin_prefetch(from);
}

bool Mixer::IsSteady(const Voice& voice, std::size_t frames) {
    return voice.running && !voice.stopping && voice.rampLeft == 0 && voice.samples != nullptr &&
           voice.position + frames < voice.frames;
}

void Mixer::MixGroup(Group& group, std::size_t frames) {
    float* __restrict left = m_left.get();
    float* __restrict right = m_right.get();
    int k = 0;
    for (; k + 4 <= group.count; k += 4) {
        m_mixFour(group.samples + k, group.left + k, group.right + k, left, right, frames);
    }
    for (; k < group.count; ++k) {
        const std::int16_t* __restrict src = group.samples[k];
        const float gainLeft = group.left[k];
        const float gainRight = group.right[k];
        for (std::size_t i = 0; i < frames; ++i) {
            const float sample = static_cast<float>(src[i]);
            left[i] += sample * gainLeft;
            right[i] += sample * gainRight;
        }
    }
    group.count = 0;
}

void Mixer::ProcessCommands() {
    while (const Command* command = m_commands.Front()) {
        // Replacing a block retires the old one; wait for room rather than lose it.
        if (command->type == Command::SetBlock && m_voices[command->voice].block != nullptr &&
            m_retired.Full()) {
            break;
        }
        Apply(*command);
        m_commands.PopFront();
    }
    if (m_bRetarget)
        Retarget();
}

void Mixer::Apply(const Command& command) {
    Voice& voice = m_voices[command.voice];
    switch (command.type) {
    case Command::Add:
        voice = Voice{};
        voice.frames = command.frames;
        voice.exempt = command.exempt;
        m_active.push_back(command.voice);
        break;
    case Command::SetBlock:
        if (voice.block != nullptr) {
            m_retired.TryPush(Retired{voice.block, -1});
        }
        voice.block = command.block;
        voice.samples = command.block->samples.data();
        voice.frames = command.frames;
        if (voice.position >= voice.frames) {
            voice.position = 0;
        }
        m_bRetarget = true; // other samples, another loudness
        break;
    case Command::SetGains:
        voice.levelLeft = command.left * kSampleScale;
        voice.levelRight = command.right * kSampleScale;
        m_bRetarget = true;
        break;
    case Command::Play:
        if (voice.freeWanted) {
            break;
        }
        voice.looping = command.looping;
        voice.running = true;
        voice.stopping = false;
        m_bRetarget = true;
        break;
    case Command::Stop:
        if (voice.running) {
            voice.stopping = true;
            m_bRetarget = true;
        }
        break;
    case Command::Remove:
        voice.freeWanted = true;
        if (voice.running) {
            voice.stopping = true;
            m_bRetarget = true;
        }
        break;
    case Command::SetCeiling:
        m_ceiling.Set(command.left);
        m_bRetarget = true;
        break;
    }
}

void Mixer::Retarget() {
    m_bRetarget = false;
    OutputCeiling::Scales left;
    OutputCeiling::Scales right;
    if (m_ceiling.Active()) {
        for (int channel = 0; channel < kChannels; ++channel) {
            std::size_t count = 0;
            for (const int index : m_active) {
                const Voice& voice = m_voices[index];
                const float level = channel == 0 ? voice.levelLeft : voice.levelRight;
                if (!voice.running || voice.stopping || voice.block == nullptr || level <= 0.0f)
                    continue;
                const OutputCeiling::Measure& measure = voice.block->measure;
                m_sounds[count++] = {level, measure.rms, measure.peak, measure.shape, voice.exempt};
            }
            (channel == 0 ? left : right) = m_ceiling.For(m_sounds.get(), count);
        }
    }
    for (const int index : m_active) {
        Voice& voice = m_voices[index];
        if (!voice.running)
            continue;
        const float toLeft =
            voice.stopping ? 0.0f : voice.levelLeft * (voice.exempt ? left.exempt : left.held);
        const float toRight =
            voice.stopping ? 0.0f : voice.levelRight * (voice.exempt ? right.exempt : right.held);
        // A ramp under way starts again from where it is, in step with the others.
        if (voice.rampLeft > 0 || voice.gainLeft != toLeft || voice.gainRight != toRight)
            RampTo(voice, toLeft, toRight);
    }
}

void Mixer::RampTo(Voice& voice, float left, float right) {
    voice.targetLeft = left;
    voice.targetRight = right;
    if (voice.gainLeft == left && voice.gainRight == right) {
        voice.rampLeft = 0;
        voice.stepLeft = 0.0f;
        voice.stepRight = 0.0f;
        if (voice.stopping && left == 0.0f && right == 0.0f) {
            voice.running = false;
            voice.stopping = false;
        }
        return;
    }
    voice.rampLeft = kRampFrames;
    voice.stepLeft = (left - voice.gainLeft) / static_cast<float>(kRampFrames);
    voice.stepRight = (right - voice.gainRight) / static_cast<float>(kRampFrames);
}

void Mixer::MixVoice(Voice& voice, std::size_t frames) {
    if (voice.frames == 0) {
        return;
    }
    std::size_t done = 0;
    while (voice.running && done < frames) {
        std::size_t count = std::min<std::size_t>(frames - done, voice.frames - voice.position);
        if (voice.rampLeft > 0) {
            count = std::min<std::size_t>(count, voice.rampLeft);
        }
        float* __restrict left = m_left.get() + done;
        float* __restrict right = m_right.get() + done;
        const std::int16_t* __restrict src =
            voice.samples != nullptr ? voice.samples + voice.position : nullptr;
        if (voice.rampLeft > 0) {
            float gainLeft = voice.gainLeft;
            float gainRight = voice.gainRight;
            const bool ends = count == voice.rampLeft;
            for (std::size_t i = 0; i < count; ++i) {
                gainLeft += voice.stepLeft;
                gainRight += voice.stepRight;
                if (ends && i + 1 == count) {
                    // Land exactly on the target, whatever the float steps summed to.
                    gainLeft = voice.targetLeft;
                    gainRight = voice.targetRight;
                }
                if (src != nullptr) {
                    const float sample = static_cast<float>(src[i]);
                    left[i] += sample * gainLeft;
                    right[i] += sample * gainRight;
                }
            }
            voice.gainLeft = gainLeft;
            voice.gainRight = gainRight;
            voice.rampLeft -= static_cast<std::uint32_t>(count);
            if (voice.rampLeft == 0) {
                voice.gainLeft = voice.targetLeft;
                voice.gainRight = voice.targetRight;
            }
        } else if (src != nullptr && (voice.gainLeft != 0.0f || voice.gainRight != 0.0f)) {
            const float gainLeft = voice.gainLeft;
            const float gainRight = voice.gainRight;
            for (std::size_t i = 0; i < count; ++i) {
                const float sample = static_cast<float>(src[i]);
                left[i] += sample * gainLeft;
                right[i] += sample * gainRight;
            }
        }
        voice.position += static_cast<std::uint32_t>(count);
        done += count;
        if (voice.stopping && voice.rampLeft == 0) {
            voice.running = false;
            voice.stopping = false;
        }
        if (voice.position >= voice.frames) {
            voice.position = 0;
            if (!voice.looping && voice.running) {
                voice.running = false;
                voice.gainLeft = 0.0f;
                voice.gainRight = 0.0f;
                voice.rampLeft = 0;
                m_endCounts[&voice - m_voices.get()].fetch_add(1, std::memory_order_release);
            }
        }
    }
}

void Mixer::SweepFreedVoices() {
    for (std::size_t i = 0; i < m_active.size();) {
        const int index = m_active[i];
        Voice& voice = m_voices[index];
        if (voice.freeWanted && !voice.running && m_retired.TryPush(Retired{voice.block, index})) {
            voice.block = nullptr;
            voice.samples = nullptr;
            voice.freeWanted = false;
            m_active[i] = m_active.back();
            m_active.pop_back();
        } else {
            ++i;
        }
    }
}
