#include "CountingAllocator.h"
#include "core/app/CAUVOApp.h"
#include "core/document/CAUVODoc.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr std::size_t kFileLimit = 1024 * 1024;
constexpr std::size_t kGrowthLimit = 256u * 1024 * 1024;

class Bytes {
public:
    Bytes& Int(std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
        return *this;
    }
    Bytes& U16(std::uint16_t v) {
        b.push_back(static_cast<std::uint8_t>(v));
        b.push_back(static_cast<std::uint8_t>(v >> 8));
        return *this;
    }
    Bytes& Byte(std::uint8_t v) {
        b.push_back(v);
        return *this;
    }
    Bytes& Double(double d) {
        std::uint64_t bits;
        std::memcpy(&bits, &d, 8);
        Int(static_cast<std::uint32_t>(bits)).Int(static_cast<std::uint32_t>(bits >> 32));
        return *this;
    }
    Bytes& Hearing(std::uint32_t count) {
        Int(100).Int(count).Int(0);
        for (std::uint32_t i = 0; i < count; ++i)
            Int(100 + i).Int(0).Int(0);
        return *this;
    }
    Bytes& Tones(std::uint32_t perSide) {
        Int(100);
        for (int side = 0; side < 2; ++side) {
            Int(perSide);
            for (std::uint32_t i = 0; i < perSide; ++i)
                Double(100.0 + i * 7.0).Int(static_cast<std::uint32_t>(-3000));
        }
        return *this;
    }
    // Block 101 with noise bands only, a third of an octave wide.
    Bytes& Bands(std::uint32_t perSide) {
        Int(101);
        for (int side = 0; side < 2; ++side) {
            Int(perSide);
            for (std::uint32_t i = 0; i < perSide; ++i)
                Double(1000.0 + i * 7.0)
                    .Int(static_cast<std::uint32_t>(-3000))
                    .Int(1)
                    .Double(230.0);
        }
        return *this;
    }
    // A UTF-16 text of n characters that each take three bytes in UTF-8.
    Bytes& WideText(std::uint32_t n) {
        Byte(0xFF).U16(0xFFFE).Byte(0xFF).U16(0xFFFF).Int(n);
        for (std::uint32_t i = 0; i < n; ++i)
            U16(0x20AC);
        return *this;
    }
    std::vector<std::uint8_t> b;
};

class DocumentMemoryBound : public testing::Test {
protected:
    void SetUp() override {
        setenv("AUVO_AUDIO_OUTPUT", "null", 0);
        ASSERT_EQ(DirectSoundCreate(nullptr, &app.m_pDirectSound, nullptr), DS_OK);
    }
    void TearDown() override {
        if (app.m_pDirectSound)
            app.m_pDirectSound->Release();
        app.m_pDirectSound = nullptr;
    }

    // Peak growth of memory while a fresh document opens the bytes as a file.
    std::size_t GrowthOfOpening(const std::vector<std::uint8_t>& bytes, bool expectSuccess) {
        EXPECT_LE(bytes.size(), kFileLimit);
        const std::string path = folder.File("crafted.auvo");
        TempFolder::WriteBytes(path, bytes);
        CAUVODoc doc;
        const std::size_t before = CountingAllocator::Current();
        CountingAllocator::ResetPeak();
        EXPECT_EQ(doc.OnOpenDocument(path), expectSuccess);
        return CountingAllocator::Peak() - before;
    }

    TempFolder folder;
    CAUVOApp app;
};

} // namespace

TEST_F(DocumentMemoryBound, ClaimsThatCannotFitFailBeforeAllocating) {
    Bytes hugeCount;
    hugeCount.Int(200).Byte(0).Byte(0).Byte(0).Int(100).Int(0x7FFFFFFF).Int(0);
    hugeCount.b.resize(kFileLimit);
    EXPECT_LT(GrowthOfOpening(hugeCount.b, false), 4 * kFileLimit);

    Bytes hugeText;
    hugeText.Int(200).Byte(0xFF).U16(0xFFFF).Int(0xFFFFFFFF);
    hugeText.b.resize(kFileLimit);
    EXPECT_LT(GrowthOfOpening(hugeText.b, false), 4 * kFileLimit);

    Bytes hugeWide;
    hugeWide.Int(200).Byte(0xFF).U16(0xFFFE).Byte(0xFF).U16(0xFFFF).Int(0x7FFFFFFF);
    hugeWide.b.resize(kFileLimit);
    EXPECT_LT(GrowthOfOpening(hugeWide.b, false), 4 * kFileLimit);

    Bytes manyTones;
    manyTones.Int(200).Byte(0).Byte(0).Byte(0).Hearing(8).Int(100).Int(1000000);
    manyTones.b.resize(kFileLimit);
    EXPECT_LT(GrowthOfOpening(manyTones.b, false), 4 * kFileLimit);
}

TEST_F(DocumentMemoryBound, LargestReadableContentsStayWithinTheBound) {
    // Every tone a file may hold, half on each ear, plus a comment filling the rest of 1 MB.
    Bytes allTones;
    allTones.Int(200).Byte(0).Byte(0);
    Bytes tail;
    tail.Hearing(8).Tones(CTinnitusDaten::kMaxTones / 2);
    const std::size_t room = kFileLimit - allTones.b.size() - 10 - tail.b.size();
    allTones.WideText(static_cast<std::uint32_t>(room / 2));
    allTones.b.insert(allTones.b.end(), tail.b.begin(), tail.b.end());
    const std::size_t growth = GrowthOfOpening(allTones.b, true);
    EXPECT_LT(growth, kGrowthLimit);
    // The sound buffers themselves must have been counted, or the bound says nothing: each tone
    // holds at least half a second of 16-bit samples, once.
    EXPECT_GT(growth, CTinnitusDaten::kMaxTones * std::size_t{44100});
    std::printf("growth for %zu bytes with all tones: %zu MB\n", allTones.b.size(), growth >> 20);

    // Noise bands hold three seconds each: the same number of them takes more, within the bound.
    Bytes allBands;
    allBands.Int(200).Byte(0).Byte(0).Byte(0).Hearing(8).Bands(CTinnitusDaten::kMaxTones / 2);
    const std::size_t bandGrowth = GrowthOfOpening(allBands.b, true);
    EXPECT_LT(bandGrowth, kGrowthLimit);
    std::printf("growth with all noise bands: %zu MB\n", bandGrowth >> 20);

    Bytes manyEntries;
    manyEntries.Int(101).Byte(0).Byte(0).Byte(0);
    manyEntries.Hearing(static_cast<std::uint32_t>((kFileLimit - 100) / 12));
    EXPECT_LT(GrowthOfOpening(manyEntries.b, true), 16 * kFileLimit);
}
