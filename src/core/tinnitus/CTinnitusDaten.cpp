#include "core/tinnitus/CTinnitusDaten.h"

#include "core/sound/CSinusTone.h"
#include "platform/archive/CArchive.h"
#include "platform/archive/CArchiveException.h"

#include <algorithm>
#include <cmath>
#include <new>

namespace {

constexpr std::int32_t kVersion = 100;
constexpr std::uint64_t kBytesPerTone = 12;  // float64 frequency + int32 level
constexpr std::uint64_t kBytesPerSound = 24; // ... + int32 kind + float64 bandwidth
constexpr std::int32_t kKindTone = 0;
constexpr std::int32_t kKindBand = 1;
constexpr int kSamplesPerSec = 44100;
constexpr int kBitsPerSample = 16;

LONG PanFor(int side) {
    return side == 0 ? DSBPAN_LEFT : DSBPAN_RIGHT;
}

} // namespace

double CTinnitusDaten::DefaultBandwidth(double centre) {
    const double width = centre * (std::exp2(1.0 / 6.0) - std::exp2(-1.0 / 6.0));
    return std::isfinite(width) ? std::clamp(std::round(width), kMinBandwidth, kMaxBandwidth)
                                : kMinBandwidth;
}

CTinnitusDaten::CTinnitusDaten() = default;

CTinnitusDaten::~CTinnitusDaten() {
    RemoveAll();
}

CTinnitusDaten::ToneList* CTinnitusDaten::ListFor(int side) {
    if (side == 0)
        return &m_listLinks;
    if (side == 1)
        return &m_listRechts;
    return nullptr;
}

const CTinnitusDaten::ToneList* CTinnitusDaten::ListFor(int side) const {
    return const_cast<CTinnitusDaten*>(this)->ListFor(side);
}

void CTinnitusDaten::Reset(IDirectSound* device) {
    m_pDirectSound = device;
    RemoveAll();
}

void CTinnitusDaten::RemoveAll() {
    // One at a time, in list order, so each tone stops before the next goes.
    for (auto& tone : m_listLinks)
        tone.reset();
    m_listLinks.clear();
    for (auto& tone : m_listRechts)
        tone.reset();
    m_listRechts.clear();
    ++m_nDeletions;
    m_nPlayMode = playNone;
}

std::unique_ptr<CSinusTone> CTinnitusDaten::MakeSound(int side, double frequency,
                                                      double bandwidth) const {
    if (bandwidth > 0.0)
        return std::make_unique<CSinusTone>(m_pDirectSound, frequency,
                                            CSinusTone::Sound{bandwidth, PanFor(side)});
    return std::make_unique<CSinusTone>(m_pDirectSound, frequency, kSamplesPerSec, kBitsPerSample);
}

bool CTinnitusDaten::HasNoiseBand() const {
    for (const ToneList* list : {&m_listLinks, &m_listRechts})
        for (const auto& tone : *list)
            if (tone->IsNoiseBand())
                return true;
    return false;
}

CSinusTone* CTinnitusDaten::NewTone(int side, double frequency, LONG deviceAtt, bool start,
                                    double bandwidth) {
    // Reading takes at most kMaxTones: one more would save a file that never opens again.
    if (GetCount(0) + GetCount(1) >= kMaxTones)
        return nullptr;
    std::unique_ptr<CSinusTone> tone;
    try {
        tone = MakeSound(side, frequency, bandwidth);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    tone->SetVolume(deviceAtt);
    CSinusTone* raw = tone.get();
    if (!AddTone(side, std::move(tone)))
        return nullptr; // no list for that side: the tone went again
    if (start)
        raw->Play(DSBPLAY_LOOPING);
    return raw;
}

bool CTinnitusDaten::AddTone(int side, std::unique_ptr<CSinusTone> tone) {
    ToneList* list = ListFor(side);
    if (!list || !tone)
        return false;
    tone->SetPan(PanFor(side));
    list->push_back(std::move(tone));
    return true;
}

std::unique_ptr<CSinusTone> CTinnitusDaten::RemoveTone(int side, CSinusTone* tone) {
    ToneList& list = side == 0 ? m_listLinks : m_listRechts;
    auto it = std::find_if(list.begin(), list.end(), [tone](const std::unique_ptr<CSinusTone>& p) {
        return p.get() == tone;
    });
    if (it == list.end())
        return nullptr;
    std::unique_ptr<CSinusTone> owned = std::move(*it);
    list.erase(it);
    // A pointer kept to it no longer names a tone of this list, whoever keeps the tone.
    ++m_nDeletions;
    return owned;
}

void CTinnitusDaten::PlayAll(int mode) {
    StopAll();
    if (mode == playLeft || mode == playBoth)
        for (auto& tone : m_listLinks)
            tone->Play(DSBPLAY_LOOPING);
    if (mode == playRight || mode == playBoth)
        for (auto& tone : m_listRechts)
            tone->Play(DSBPLAY_LOOPING);
    m_nPlayMode = mode;
}

void CTinnitusDaten::StopAll() {
    for (auto& tone : m_listLinks)
        tone->Stop();
    for (auto& tone : m_listRechts)
        tone->Stop();
    m_nPlayMode = playNone;
}

std::int32_t CTinnitusDaten::GetCount(int side) const {
    const ToneList* list = ListFor(side);
    return list ? static_cast<std::int32_t>(list->size()) : 0;
}

CSinusTone* CTinnitusDaten::GetTone(int index, int side) const {
    const ToneList* list = ListFor(side);
    if (!list || index < 0 || index >= static_cast<int>(list->size()))
        return nullptr;
    return (*list)[static_cast<std::size_t>(index)].get();
}

std::int32_t CTinnitusDaten::ReadVersion(CArchive& ar) {
    const std::int32_t version = ar.ReadInt32();
    if (version != kVersion && version != kBandVersion)
        throw CArchiveException(CArchiveException::badSchema);
    return version;
}

std::vector<CTinnitusDaten::Stored> CTinnitusDaten::ReadSide(CArchive& ar, std::int32_t maxTones,
                                                             std::int32_t version) {
    std::int32_t count = ar.ReadInt32();
    std::vector<Stored> stored;
    if (count <= 0)
        return stored;
    // Each tone holds up to a second of samples: refuse claims no real file makes.
    if (count > maxTones)
        throw CArchiveException(CArchiveException::badSchema);
    const bool sounds = version == kBandVersion;
    ar.CheckRemaining(static_cast<std::uint64_t>(count) *
                      (sounds ? kBytesPerSound : kBytesPerTone));
    stored.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i) {
        Stored s;
        s.frequency = ar.ReadDouble();
        s.level = ar.ReadInt32();
        if (sounds) {
            const std::int32_t kind = ar.ReadInt32();
            const double width = ar.ReadDouble();
            // A band needs a width the dialog would take (a huge one sounds as all the noise
            // there is); a kind we do not know would be lost on the next save.
            if (kind == kKindBand && IsValidBandwidth(width))
                s.bandwidth = width;
            else if (kind != kKindTone)
                throw CArchiveException(CArchiveException::badSchema);
        }
        stored.push_back(s);
    }
    return stored;
}

CTinnitusDaten::ToneList CTinnitusDaten::MakeSounds(int side,
                                                    const std::vector<Stored>& stored) const {
    ToneList tones;
    tones.reserve(stored.size());
    for (const Stored& s : stored) {
        auto tone = MakeSound(side, s.frequency, s.bandwidth);
        tone->SetVolume(s.level);
        tone->SetPan(PanFor(side));
        tones.push_back(std::move(tone));
    }
    return tones;
}

void CTinnitusDaten::Skip(CArchive& ar) {
    const std::int32_t version = ReadVersion(ar);
    const std::vector<Stored> left = ReadSide(ar, kMaxTones, version);
    ReadSide(ar, kMaxTones - static_cast<std::int32_t>(left.size()), version);
}

void CTinnitusDaten::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        const bool sounds = HasNoiseBand();
        ar << (sounds ? kBandVersion : m_nVersion);
        for (const ToneList* list : {&m_listLinks, &m_listRechts}) {
            ar << static_cast<std::int32_t>(list->size());
            for (const auto& tone : *list) {
                ar << tone->GetFrequency() << static_cast<std::int32_t>(tone->GetVolume());
                if (sounds)
                    ar << (tone->IsNoiseBand() ? kKindBand : kKindTone) << tone->GetBandwidth();
            }
        }
        return;
    }

    RemoveAll();
    const std::int32_t version = ReadVersion(ar);
    // Read and built aside: a block that fails half-way leaves no tones behind.
    const std::vector<Stored> left = ReadSide(ar, kMaxTones, version);
    const std::vector<Stored> right =
        ReadSide(ar, kMaxTones - static_cast<std::int32_t>(left.size()), version);
    ToneList leftTones = MakeSounds(0, left);
    ToneList rightTones = MakeSounds(1, right);
    m_listLinks = std::move(leftTones);
    m_listRechts = std::move(rightTones);
    m_nPlayMode = playNone;
}
