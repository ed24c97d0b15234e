#include "core/hearing/CHoertestDaten.h"

#include "core/hearing/CHoertestDatenException.h"
#include "platform/archive/CArchive.h"
#include "platform/archive/CArchiveException.h"

#include <array>
#include <cmath>
#include <limits>
#include <new>

namespace {

constexpr std::int32_t kVersion = 100;
constexpr std::size_t kBytesPerEntry = 12;

constexpr std::array<std::int32_t, 8> kFrequencies8 = {250,  500,  1000, 2000,
                                                       4000, 6000, 8000, 10000};

constexpr std::array<std::int32_t, 8> kNormal8 = {-800, -200, 0, 200, 800, 0, -1000, -1200};

// Frequencies 100, 250, then 500 to 15000 in steps of 500.
constexpr std::array<std::int32_t, 32> kNormal32 = {
    -2000, -800,  -200,  0,     50,    200,   300,   500,   700,   800,   700,
    600,   400,   0,     -200,  -400,  -700,  -1000, -1050, -1100, -1150, -1250,
    -1250, -1200, -1200, -1100, -1100, -1100, -1150, -1200, -1350, -1400};

std::int32_t Frequency32(int index) {
    if (index == 0)
        return 100;
    if (index == 1)
        return 250;
    return 500 * (index - 1);
}

} // namespace

CHoertestDaten::CHoertestDaten() = default;

CHoertestDaten::~CHoertestDaten() {
    Clear();
}

void CHoertestDaten::Clear() {
    m_frequencies = {};
    m_left = {};
    m_right = {};
    m_nCount = 0;
    Interleaved = 0;
}

void CHoertestDaten::Init(int count) {
    Clear();
    if (count <= 0)
        throw CHoertestDatenException(CHoertestDatenException::badArgument);
    try {
        auto n = static_cast<std::size_t>(count);
        m_frequencies.assign(n, 0);
        m_left.assign(n, 0);
        m_right.assign(n, 0);
    } catch (const std::bad_alloc&) {
        Clear();
        throw;
    }
    m_nCount = count;
    if (count == 8) {
        for (int i = 0; i < 8; ++i)
            m_frequencies[i] = kFrequencies8[i];
    } else if (count == 32) {
        for (int i = 0; i < 32; ++i)
            m_frequencies[i] = Frequency32(i);
    }
}

void CHoertestDaten::InitNormal(int count) {
    Init(count);
    if (count == 8) {
        for (int i = 0; i < 8; ++i)
            m_left[i] = m_right[i] = kNormal8[i];
    } else if (count == 32) {
        for (int i = 0; i < 32; ++i)
            m_left[i] = m_right[i] = kNormal32[i];
    }
}

void CHoertestDaten::Copy(const CHoertestDaten* source) {
    if (source == this) {
        Interleaved = Interleaved ? 1 : 0;
        return;
    }
    Clear();
    if (!source)
        throw CHoertestDatenException(CHoertestDatenException::badArgument);
    Init(source->m_nCount);
    // The source's own frequencies: a measurement keeps the frequencies it was taken at.
    m_frequencies = source->m_frequencies;
    m_left = source->m_left;
    m_right = source->m_right;
    Interleaved = source->Interleaved ? 1 : 0;
}

void CHoertestDaten::CheckIndex(int index) const {
    if (index < 0 || index >= m_nCount)
        throw CHoertestDatenException(CHoertestDatenException::badIndex);
}

std::int32_t CHoertestDaten::GetFrequency(int index) const {
    CheckIndex(index);
    return m_frequencies[index];
}

std::int32_t CHoertestDaten::GetValue(int index, int side) const {
    CheckIndex(index);
    return side == 0 ? m_left[index] : m_right[index];
}

void CHoertestDaten::SetValue(int index, int side, std::int32_t value) {
    CheckIndex(index);
    if (m_left.empty() || m_right.empty())
        throw CHoertestDatenException(CHoertestDatenException::notInitialised);
    (side == 0 ? m_left : m_right)[index] = value;
}

std::int32_t CHoertestDaten::GetMaxFrequency() const {
    if (m_nCount <= 0)
        throw CHoertestDatenException(CHoertestDatenException::notInitialised);
    return m_frequencies[m_nCount - 1];
}

std::int32_t CHoertestDaten::InterpolateValue(std::int32_t frequency, int side) const {
    double prevFrequency = 0;
    double prevValue = 0;
    for (int i = 0; i < m_nCount; ++i) {
        std::int32_t fi = GetFrequency(i);
        std::int32_t vi = GetValue(i, side);
        if (fi == frequency)
            return vi;
        if (fi > frequency) {
            // Tables from files may hold anything: no zero-width step, no out-of-range cast.
            if (fi == prevFrequency)
                return 0;
            double slope = (vi - prevValue) / (fi - prevFrequency);
            double result = prevValue - prevFrequency * slope + frequency * slope;
            if (std::isnan(result))
                return 0;
            if (result >= static_cast<double>(std::numeric_limits<std::int32_t>::max()))
                return std::numeric_limits<std::int32_t>::max();
            if (result <= static_cast<double>(std::numeric_limits<std::int32_t>::min()))
                return std::numeric_limits<std::int32_t>::min();
            return static_cast<std::int32_t>(result);
        }
        prevFrequency = fi;
        prevValue = vi;
    }
    return 0;
}

void CHoertestDaten::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_nVersion << m_nCount << Interleaved;
        for (int i = 0; i < m_nCount; ++i)
            ar << m_frequencies[i] << m_left[i] << m_right[i];
        return;
    }

    Clear();
    std::int32_t version = ar.ReadInt32();
    if (version != kVersion)
        throw CArchiveException(CArchiveException::badSchema);
    m_nVersion = kVersion;
    std::int32_t count = ar.ReadInt32();
    if (count <= 0)
        throw CHoertestDatenException(CHoertestDatenException::badArgument);
    std::int32_t interleaved = ar.ReadInt32();
    ar.CheckRemaining(static_cast<std::uint64_t>(count) * kBytesPerEntry);

    // Read aside and take over only a complete block.
    CHoertestDaten loaded;
    loaded.Init(count);
    for (int i = 0; i < count; ++i) {
        loaded.m_frequencies[i] = ar.ReadInt32();
        loaded.m_left[i] = ar.ReadInt32();
        loaded.m_right[i] = ar.ReadInt32();
    }
    m_frequencies = std::move(loaded.m_frequencies);
    m_left = std::move(loaded.m_left);
    m_right = std::move(loaded.m_right);
    m_nCount = count;
    Interleaved = interleaved;
}
