#include "core/tinnitus/CTinnitusDaten.h"
#include "core/sound/CSinusTone.h"
#include "core/tinnitus/CTinnitusPause.h"
#include "platform/archive/CArchive.h"
#include "platform/archive/CArchiveException.h"

#include "support/FakeSoundDevice.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Store(CTinnitusDaten& list) {
    CArchive ar;
    list.Serialize(ar);
    return ar.TakeStoredBytes();
}

void Load(CTinnitusDaten& list, const Bytes& bytes) {
    CArchive ar(bytes);
    list.Serialize(ar);
}

struct Tone {
    double frequency;
    std::int32_t level;
};

Bytes Block(std::int32_t version, std::int32_t leftCount, const std::vector<Tone>& left,
            std::int32_t rightCount, const std::vector<Tone>& right) {
    CArchive ar;
    ar << version << leftCount;
    for (const Tone& t : left)
        ar << t.frequency << t.level;
    ar << rightCount;
    for (const Tone& t : right)
        ar << t.frequency << t.level;
    return ar.TakeStoredBytes();
}

class TinnitusDatenTest : public ::testing::Test {
protected:
    void SetUp() override { list.Reset(&device); }

    // The buffer of a tone just made (the device's newest).
    FakeSoundBuffer* Add(int side, double frequency, LONG level, bool start = false) {
        EXPECT_NE(list.NewTone(side, frequency, level, start), nullptr);
        return device.Newest();
    }

    FakeSoundDevice device;
    CTinnitusDaten list;
};

} // namespace

TEST_F(TinnitusDatenTest, EmptyListIsTwelveBytes) {
    EXPECT_EQ(Store(list), (Bytes{100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(list.m_nPlayMode, 3);
}

TEST_F(TinnitusDatenTest, OneLeftToneIsTheTwentyByteBlock) {
    list.NewTone(0, 4000.0, -6000, false);
    EXPECT_EQ(Store(list), (Bytes{0x64, 0,    0,    0,    0x01, 0,    0,    0,    0, 0, 0, 0,
                                  0,    0x40, 0xAF, 0x40, 0x90, 0xE8, 0xFF, 0xFF, 0, 0, 0, 0}));
}

TEST_F(TinnitusDatenTest, RoundTripKeepsSidesOrderAndLevelsAndLeavesAllStopped) {
    list.NewTone(0, 1000.0, -5000, true);
    list.NewTone(1, 250.5, -7000, true);
    list.NewTone(0, 8123.25, -4000, true);
    list.PlayAll(2);
    Bytes stored = Store(list);
    EXPECT_EQ(stored.size(), 12u + 3u * 12u);

    FakeSoundDevice other;
    CTinnitusDaten back;
    back.Reset(&other);
    back.PlayAll(2);
    Load(back, stored);
    ASSERT_EQ(back.GetCount(0), 2);
    ASSERT_EQ(back.GetCount(1), 1);
    EXPECT_EQ(back.GetTone(0, 0)->GetFrequency(), 1000.0);
    EXPECT_EQ(back.GetTone(1, 0)->GetFrequency(), 8123.25);
    EXPECT_EQ(back.GetTone(0, 1)->GetFrequency(), 250.5);
    EXPECT_EQ(back.GetTone(0, 0)->GetVolume(), -5000);
    EXPECT_EQ(back.GetTone(1, 0)->GetVolume(), -4000);
    EXPECT_EQ(back.GetTone(0, 1)->GetVolume(), -7000);
    EXPECT_EQ(back.m_nPlayMode, 3);
    ASSERT_EQ(other.m_live.size(), 3u); // one buffer per tone, in reading order
    EXPECT_EQ(other.m_live[0]->m_pan, -10000);
    EXPECT_EQ(other.m_live[1]->m_pan, -10000);
    EXPECT_EQ(other.m_live[2]->m_pan, 10000);
    for (FakeSoundBuffer* b : other.m_live)
        EXPECT_FALSE(b->m_playing);
    EXPECT_EQ(Store(back), stored);
}

TEST_F(TinnitusDatenTest, RefusedNewFrequencyKeepsWhatIsWritten) {
    CSinusTone* tone = list.NewTone(1, 500.0, -3000, false);
    device.m_allow = 0;
    EXPECT_THROW(tone->SetFrequency(600.0), CSoundBufferException);
    Bytes b = Store(list);
    ASSERT_EQ(b.size(), 24u);
    EXPECT_EQ(Bytes(b.begin() + 12, b.end()),
              (Bytes{0, 0, 0, 0, 0, 0x40, 0x7F, 0x40, 0x48, 0xF4, 0xFF, 0xFF}));
}

TEST_F(TinnitusDatenTest, RefusedBlocksLeaveNoToneBehind) {
    auto cause = [this](const Bytes& bytes) {
        list.NewTone(0, 300.0, -2000, true);
        list.PlayAll(2);
        int result = -1;
        try {
            Load(list, bytes);
        } catch (const CArchiveException& e) {
            result = e.m_cause;
        }
        EXPECT_EQ(list.GetCount(0), 0);
        EXPECT_EQ(list.GetCount(1), 0);
        EXPECT_EQ(list.m_nPlayMode, 3);
        EXPECT_TRUE(device.m_live.empty()) << device.m_live.size() << " buffers left";
        return result;
    };
    const std::vector<Tone> two = {{440.0, -1000}, {880.0, -2000}};
    EXPECT_EQ(cause(Block(102, 0, {}, 0, {})), CArchiveException::badSchema);
    EXPECT_EQ(cause(Block(0, 0, {}, 0, {})), CArchiveException::badSchema);

    // Counts that cannot fit fail before a single tone is built.
    int created = device.m_created;
    EXPECT_EQ(cause(Block(100, 0x7FFFFFFF, two, 0, {})), CArchiveException::badSchema);
    EXPECT_EQ(cause(Block(100, 3, two, 0, {})), CArchiveException::badSchema);
    std::vector<Tone> many(1001, Tone{1000.0, -5000});
    EXPECT_EQ(cause(Block(100, 1001, many, 0, {})), CArchiveException::badSchema);
    EXPECT_EQ(cause(Block(100, 0, {}, 1001, many)), CArchiveException::badSchema);
    EXPECT_EQ(device.m_created - created, 4 * 2); // only the tones cause() itself adds

    // Cut anywhere, even after whole left tones, nothing half-read stays.
    Bytes whole = Block(100, 2, two, 1, {{100.0, -9000}});
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        int c = cause(Bytes(whole.begin(), whole.begin() + cut));
        EXPECT_TRUE(c == CArchiveException::endOfFile || c == CArchiveException::badSchema)
            << "cut at " << cut;
    }
}

TEST_F(TinnitusDatenTest, RefusedSoundBufferWhileReadingLeavesTheListEmpty) {
    Bytes bytes = Block(100, 2, {{440.0, -1000}, {880.0, -2000}}, 1, {{100.0, -9000}});
    device.m_allow = 5; // two tones take two buffers each, the third is refused
    EXPECT_THROW(Load(list, bytes), CSoundBufferException);
    EXPECT_EQ(list.GetCount(0) + list.GetCount(1), 0);
    EXPECT_TRUE(device.m_live.empty());
}

TEST_F(TinnitusDatenTest, NegativeCountsHoldNoTonesAndAThousandTonesAreTheMost) {
    Load(list, Block(100, -3, {}, -1, {}));
    EXPECT_EQ(list.GetCount(0) + list.GetCount(1), 0);

    // At most a thousand tones, on one ear or both together.
    std::vector<Tone> tones(1000, Tone{0.0, -5000});
    Load(list, Block(100, 0, {}, 1000, tones));
    EXPECT_EQ(list.GetCount(1), 1000);
    tones.resize(500);
    Load(list, Block(100, 500, tones, 500, tones));
    EXPECT_EQ(list.GetCount(0) + list.GetCount(1), 1000);
    // No new tone beyond that either, or the list would save a file it cannot read back.
    EXPECT_EQ(list.NewTone(1, 440.0, -5000, false), nullptr);
    EXPECT_EQ(list.NewTone(0, 440.0, -5000, false), nullptr);
    EXPECT_EQ(list.GetCount(0) + list.GetCount(1), 1000);
    list.RemoveTone(0, list.GetTone(0, 0));
    ASSERT_NE(list.NewTone(1, 440.0, -5000, false), nullptr);
    CTinnitusDaten back;
    back.Reset(&device);
    Load(back, Store(list));
    EXPECT_EQ(back.GetCount(0), 499);
    EXPECT_EQ(back.GetCount(1), 501);
    back.RemoveAll();

    std::vector<Tone> more(501, Tone{0.0, -5000});
    EXPECT_THROW(Load(list, Block(100, 500, tones, 501, more)), CArchiveException);
    EXPECT_EQ(list.GetCount(0) + list.GetCount(1), 0);
}

TEST_F(TinnitusDatenTest, AddToneTakesTheToneOntoItsEar) {
    FakeSoundBuffer* buffer = Add(0, 1000.0, -5000);
    CSinusTone* tone = list.GetTone(0, 0);
    EXPECT_EQ(buffer->m_pan, -10000);

    // Moved to the other ear the tone is panned there and owned once.
    EXPECT_TRUE(list.AddTone(1, list.RemoveTone(0, tone)));
    EXPECT_EQ(list.GetCount(0), 0);
    EXPECT_EQ(list.GetTone(0, 1), tone);
    EXPECT_EQ(buffer->m_pan, 10000);

    const std::size_t buffers = device.m_live.size();
    EXPECT_FALSE(list.AddTone(3, std::make_unique<CSinusTone>(&device, 500.0, 44100, 16)));
    EXPECT_EQ(device.m_live.size(), buffers); // the refused tone went again
    EXPECT_EQ(list.GetCount(0) + list.GetCount(1), 1);
}

TEST_F(TinnitusDatenTest, RemoveToneTakesTheToneOutWithoutTouchingThePlayMode) {
    Add(0, 1000.0, -5000);
    Add(1, 2000.0, -5000);
    list.PlayAll(2);
    CSinusTone* right = list.GetTone(0, 1);

    std::unique_ptr<CSinusTone> kept = list.RemoveTone(1, right); // the caller owns it now
    EXPECT_EQ(kept.get(), right);
    EXPECT_EQ(list.GetCount(1), 0);
    EXPECT_EQ(list.m_nPlayMode, 2);

    EXPECT_EQ(list.RemoveTone(0, right), nullptr); // not on that side: nothing happens
    EXPECT_EQ(list.GetCount(0), 1);

    std::size_t buffers = device.m_live.size();
    list.RemoveTone(0, list.GetTone(0, 0));
    EXPECT_EQ(device.m_live.size(), buffers - 1);
    EXPECT_EQ(list.GetCount(0), 0);
    EXPECT_EQ(list.m_nPlayMode, 2);
}

TEST_F(TinnitusDatenTest, PlayModesStartAndStopTheRightTones) {
    FakeSoundBuffer* left = Add(0, 1000.0, -5000);
    FakeSoundBuffer* right = Add(1, 2000.0, -5000);

    list.PlayAll(0);
    EXPECT_TRUE(left->m_playing);
    EXPECT_FALSE(right->m_playing);
    EXPECT_EQ(list.m_nPlayMode, 0);

    list.PlayAll(1);
    EXPECT_FALSE(left->m_playing);
    EXPECT_TRUE(right->m_playing);

    list.PlayAll(2);
    int stops = left->m_stopCalls;
    int plays = left->m_playCalls;
    list.PlayAll(2); // from playing: stopped and started again
    EXPECT_EQ(left->m_stopCalls, stops + 1);
    EXPECT_EQ(left->m_playCalls, plays + 1);
    EXPECT_TRUE(left->m_playing && right->m_playing);
    EXPECT_EQ(list.m_nPlayMode, 2);

    list.StopAll();
    EXPECT_FALSE(left->m_playing || right->m_playing);
    EXPECT_EQ(list.m_nPlayMode, 3);

    CTinnitusDaten empty;
    empty.PlayAll(2);
    empty.StopAll();
    EXPECT_EQ(empty.m_nPlayMode, 3);
}

TEST_F(TinnitusDatenTest, NewToneStartsOnlyWhenAsked) {
    list.PlayAll(0);
    FakeSoundBuffer* started = Add(1, 3000.0, -4500, true);
    EXPECT_TRUE(started->m_playing);
    EXPECT_EQ(started->m_volume, -4500);
    EXPECT_EQ(started->m_pan, 10000);
    FakeSoundBuffer* quiet = Add(0, 3000.0, -4500, false);
    EXPECT_FALSE(quiet->m_playing);
}

TEST_F(TinnitusDatenTest, RefusedBufferAddsNoTone) {
    device.m_allow = 0;
    EXPECT_THROW(list.NewTone(0, 1000.0, -5000, false), CSoundBufferException);
    EXPECT_EQ(list.GetCount(0), 0);
}

TEST_F(TinnitusDatenTest, CountsAndTonesOutsideTheSides) {
    Add(0, 1000.0, -5000);
    EXPECT_EQ(list.GetCount(3), 0);
    EXPECT_EQ(list.GetCount(-1), 0);
    EXPECT_EQ(list.GetTone(0, 3), nullptr);
    EXPECT_EQ(list.GetTone(list.GetCount(0), 0), nullptr);
    EXPECT_EQ(list.GetTone(-1, 0), nullptr);
    EXPECT_NE(list.GetTone(0, 0), nullptr);
}

TEST_F(TinnitusDatenTest, ResetDeletesEveryToneAndTakesTheNewDevice) {
    Add(0, 1000.0, -5000, true);
    Add(1, 1000.0, -5000, true);
    list.m_nPlayMode = 2;
    FakeSoundDevice next;
    list.Reset(&next);
    EXPECT_TRUE(device.m_live.empty());
    EXPECT_EQ(list.m_nPlayMode, 3);
    EXPECT_EQ(list.m_pDirectSound, &next);
    list.NewTone(0, 100.0, 0, false);
    EXPECT_EQ(next.m_live.size(), 1u);
    list.RemoveAll(); // before the device goes
}

TEST_F(TinnitusDatenTest, ANoiseBandMakesBlock101WithKindAndBandwidthAndDeletingItGoesBack) {
    list.NewTone(0, 4000.0, -6000, false);
    CSinusTone* band = list.NewTone(1, 2000.0, -3000, false, 400.0);
    ASSERT_NE(band, nullptr);
    EXPECT_EQ(device.Newest()->m_pan, 10000);
    EXPECT_GT(device.Newest()->m_headroom, 0);
    const Bytes noise = device.Newest()->Data();
    const Bytes stored = Store(list);
    EXPECT_EQ(stored, (Bytes{0x65, 0,    0,    0,    0x01, 0,    0,    0, // version 101, one left
                             0,    0,    0,    0,    0,    0x40, 0xAF, 0x40,    // 4000.0
                             0x90, 0xE8, 0xFF, 0xFF, 0,    0,    0,    0,       // -6000, kind 0
                             0,    0,    0,    0,    0,    0,    0,    0,       // bandwidth 0.0
                             0x01, 0,    0,    0,                               // one right
                             0,    0,    0,    0,    0,    0x40, 0x9F, 0x40,    // 2000.0
                             0x48, 0xF4, 0xFF, 0xFF, 0x01, 0,    0,    0,       // -3000, kind 1
                             0,    0,    0,    0,    0,    0,    0x79, 0x40})); // 400.0

    CTinnitusDaten read;
    read.Reset(&device);
    Load(read, stored);
    ASSERT_EQ(read.GetCount(0), 1);
    ASSERT_EQ(read.GetCount(1), 1);
    EXPECT_FALSE(read.GetTone(0, 0)->IsNoiseBand());
    EXPECT_EQ(read.GetTone(0, 1)->GetBandwidth(), 400.0);
    EXPECT_EQ(read.GetTone(0, 1)->GetVolume(), -3000);
    // The same noise as before, from what was stored.
    EXPECT_EQ(device.Newest()->Data(), noise);
    EXPECT_EQ(Store(read), stored);

    list.RemoveTone(1, band);
    EXPECT_EQ(Store(list), (Bytes{0x64, 0,    0,    0,    0x01, 0,    0,    0,    0, 0, 0, 0,
                                  0,    0x40, 0xAF, 0x40, 0x90, 0xE8, 0xFF, 0xFF, 0, 0, 0, 0}));
}

TEST_F(TinnitusDatenTest, Block101RefusesUnknownKindsAndWidthsTheDialogRefuses) {
    auto refused = [this](std::int32_t kind, double width) {
        CArchive ar;
        ar << std::int32_t{101} << std::int32_t{1} << 1000.0 << std::int32_t{-5000} << kind << width
           << std::int32_t{0};
        try {
            Load(list, ar.TakeStoredBytes());
        } catch (const CArchiveException& e) {
            EXPECT_EQ(list.GetCount(0), 0);
            return e.m_cause == CArchiveException::badSchema;
        }
        return false;
    };
    EXPECT_TRUE(refused(2, 100.0));
    EXPECT_TRUE(refused(1, 0.0));
    EXPECT_TRUE(refused(1, std::numeric_limits<double>::quiet_NaN()));
    // 1e12 would sound as all the noise there is.
    for (double width : {0.5, 5000.5, 1e12})
        EXPECT_TRUE(refused(1, width)) << width;
    EXPECT_FALSE(refused(1, CTinnitusDaten::kMaxBandwidth));
    EXPECT_FALSE(refused(1, CTinnitusDaten::kMinBandwidth));
    EXPECT_FALSE(refused(1, 100.0));
    EXPECT_FALSE(refused(0, 7.0)); // a tone's width means nothing
    EXPECT_FALSE(list.GetTone(0, 0)->IsNoiseBand());
}

TEST_F(TinnitusDatenTest, PauseSilencesExactlyThePlayingTonesAndBringsThemBack) {
    FakeSoundBuffer* left = Add(0, 1000.0, -5000);
    FakeSoundBuffer* quietRight = Add(1, 2000.0, -5000);
    list.PlayAll(CTinnitusDaten::playLeft);
    // Added while the list plays, it sounds although its ear is not in the mode.
    FakeSoundBuffer* addedRight = Add(1, 3000.0, -5000, true);
    {
        const CTinnitusPause pause(list);
        EXPECT_EQ(device.PlayingBuffers(), 0);
        EXPECT_EQ(list.m_nPlayMode, CTinnitusDaten::playLeft);
    }
    EXPECT_TRUE(left->m_playing && addedRight->m_playing);
    EXPECT_FALSE(quietRight->m_playing);
    EXPECT_EQ(list.m_nPlayMode, CTinnitusDaten::playLeft);

    // A tone deleted meanwhile: the others come back by the mode, nothing stale is touched.
    {
        const CTinnitusPause pause(list);
        list.RemoveTone(0, list.GetTone(0, 0));
        Add(0, 4000.0, -5000);
    }
    EXPECT_TRUE(device.Newest()->m_playing);
    EXPECT_FALSE(quietRight->m_playing);

    list.StopAll();
    { const CTinnitusPause pause(list); }
    EXPECT_EQ(device.PlayingBuffers(), 0);
}
