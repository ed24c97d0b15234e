#include "core/hearing/CHoertestDaten.h"
#include "core/hearing/CHoertestDatenException.h"
#include "platform/archive/CArchive.h"
#include "platform/archive/CArchiveException.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

int ErrorCode(auto&& operation) {
    try {
        operation();
    } catch (const CHoertestDatenException& e) {
        return e.m_nErrorCode;
    }
    return -1;
}

// A block as written to a file: version, count, flag, then (frequency, left, right) triples.
Bytes Block(std::int32_t version, std::int32_t count, std::int32_t interleaved,
            const std::vector<std::int32_t>& triples) {
    CArchive ar;
    ar << version << count << interleaved;
    for (std::int32_t v : triples)
        ar << v;
    return ar.TakeStoredBytes();
}

void Load(CHoertestDaten& data, const Bytes& bytes) {
    CArchive ar(bytes);
    data.Serialize(ar);
}

Bytes Store(CHoertestDaten& data) {
    CArchive ar;
    data.Serialize(ar);
    return ar.TakeStoredBytes();
}

const std::vector<std::int32_t> kFive = {125, 1,    -1, 750, 2,     -2, 3000, 3,
                                         -3,  9000, 4,  -4,  11000, 5,  -5};

} // namespace

TEST(HoertestDatenTables, StandardAndExtendedFrequencies) {
    CHoertestDaten d;
    d.Init(8);
    EXPECT_EQ(d.GetCount(), 8);
    std::vector<std::int32_t> f8;
    for (int i = 0; i < 8; ++i)
        f8.push_back(d.GetFrequency(i));
    EXPECT_EQ(f8, (std::vector<std::int32_t>{250, 500, 1000, 2000, 4000, 6000, 8000, 10000}));
    EXPECT_EQ(d.GetValue(7, 1), 0);
    EXPECT_EQ(d.GetMaxFrequency(), 10000);

    d.Init(32);
    EXPECT_EQ(d.GetFrequency(0), 100);
    EXPECT_EQ(d.GetFrequency(1), 250);
    EXPECT_EQ(d.GetFrequency(2), 500);
    EXPECT_EQ(d.GetFrequency(3), 1000);
    for (int i = 3; i < 32; ++i)
        EXPECT_EQ(d.GetFrequency(i) - d.GetFrequency(i - 1), 500) << i;
    EXPECT_EQ(d.GetFrequency(31), 15000);
    EXPECT_EQ(d.GetMaxFrequency(), 15000);

    d.Init(5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(d.GetFrequency(i), 0);
}

TEST(HoertestDatenTables, NormalCurves) {
    CHoertestDaten d;
    d.InitNormal(8);
    const std::int32_t normal8[] = {-800, -200, 0, 200, 800, 0, -1000, -1200};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(d.GetValue(i, 0), normal8[i]) << i;
        EXPECT_EQ(d.GetValue(i, 1), normal8[i]) << i;
    }

    // Every point of the extended curve, both ears.
    d.InitNormal(32);
    const std::pair<std::int32_t, std::int32_t> curve32[] = {
        {100, -2000},   {250, -800},    {500, -200},    {1000, 0},      {1500, 50},
        {2000, 200},    {2500, 300},    {3000, 500},    {3500, 700},    {4000, 800},
        {4500, 700},    {5000, 600},    {5500, 400},    {6000, 0},      {6500, -200},
        {7000, -400},   {7500, -700},   {8000, -1000},  {8500, -1050},  {9000, -1100},
        {9500, -1150},  {10000, -1250}, {10500, -1250}, {11000, -1200}, {11500, -1200},
        {12000, -1100}, {12500, -1100}, {13000, -1100}, {13500, -1150}, {14000, -1200},
        {14500, -1350}, {15000, -1400}};
    ASSERT_EQ(d.GetCount(), 32);
    for (int i = 0; i < 32; ++i) {
        auto [hz, mb] = curve32[i];
        EXPECT_EQ(d.GetFrequency(i), hz) << i;
        EXPECT_EQ(d.GetValue(i, 0), mb) << hz;
        EXPECT_EQ(d.GetValue(i, 1), mb) << hz;
    }
    EXPECT_EQ(d.InterpolateValue(10000, 1), -1250); // not the -1200 of the standard curve

    d.InitNormal(5);
    EXPECT_EQ(d.GetValue(4, 0), 0);
}

TEST(HoertestDatenErrors, CodesAndTexts) {
    CHoertestDaten d;
    EXPECT_EQ(ErrorCode([&] { d.Init(0); }), 3);
    EXPECT_EQ(d.GetCount(), 0);
    d.Init(8);
    EXPECT_EQ(ErrorCode([&] { d.Init(-1); }), 3);
    EXPECT_EQ(d.GetCount(), 0);
    EXPECT_EQ(ErrorCode([&] { d.GetMaxFrequency(); }), 2);
    EXPECT_EQ(ErrorCode([&] { d.SetValue(0, 0, 5); }), 1);
    EXPECT_EQ(ErrorCode([&] { d.Copy(nullptr); }), 3);

    d.Init(8);
    EXPECT_EQ(ErrorCode([&] { d.GetFrequency(8); }), 1);
    EXPECT_EQ(ErrorCode([&] { d.GetValue(-1, 0); }), 1);
    EXPECT_EQ(ErrorCode([&] { d.SetValue(8, 1, 0); }), 1);

    EXPECT_EQ(CHoertestDatenException(0).GetMessage(), "HTD Allgemeiner Fehler");
    EXPECT_EQ(CHoertestDatenException(1).GetMessage(), "HTD Index ungültig");
    EXPECT_EQ(CHoertestDatenException(2).GetMessage(), "HTD Noch nicht initialisiert");
    EXPECT_EQ(CHoertestDatenException(3).GetMessage(), "HTD Ungültiges Argument");
    EXPECT_EQ(CHoertestDatenException(4).GetMessage(), "HTD unbekannter Fehler");
    EXPECT_EQ(CHoertestDatenException(-1).GetMessage(), "HTD unbekannter Fehler");
}

TEST(HoertestDatenErrors, ErrorMessageIsWholeOrNothing) {
    CHoertestDatenException e(1); // "HTD Index ungültig": 18 characters
    std::string text = "x";
    EXPECT_FALSE(e.GetErrorMessage(text, 18));
    EXPECT_EQ(text, "");
    EXPECT_TRUE(e.GetErrorMessage(text, 19));
    EXPECT_EQ(text, "HTD Index ungültig");
}

TEST(HoertestDatenValues, SidesAndAnyNonzeroSideIsRight) {
    CHoertestDaten d;
    d.Init(8);
    d.SetValue(2, 0, -150);
    d.SetValue(2, 1, 300);
    d.SetValue(3, 7, 42);
    EXPECT_EQ(d.GetValue(2, 0), -150);
    EXPECT_EQ(d.GetValue(2, 1), 300);
    EXPECT_EQ(d.GetValue(2, -5), 300);
    EXPECT_EQ(d.GetValue(3, 1), 42);
    EXPECT_EQ(d.GetValue(3, 0), 0);
}

TEST(HoertestDatenInterpolate, LinearWithTruncationTowardZero) {
    CHoertestDaten d;
    d.InitNormal(8);
    EXPECT_EQ(d.InterpolateValue(1000, 0), 0);
    EXPECT_EQ(d.InterpolateValue(1500, 0), 100);
    EXPECT_EQ(d.InterpolateValue(125, 0), -400); // from (0 Hz, 0)
    EXPECT_EQ(d.InterpolateValue(251, 1), -797); // -797.6, not -798
    EXPECT_EQ(d.InterpolateValue(12000, 0), 0);  // above the table
    EXPECT_EQ(d.InterpolateValue(10000, 0), -1200);

    CHoertestDaten empty;
    EXPECT_EQ(empty.InterpolateValue(1000, 0), 0);
}

TEST(HoertestDatenInterpolate, OddTablesFromFilesGiveNumbers) {
    CHoertestDaten d;
    // A table point at 0 Hz leaves no width to interpolate over below it.
    Load(d, Block(100, 1, 0, {0, 500, -500}));
    EXPECT_EQ(d.InterpolateValue(-10, 0), 0);
    EXPECT_EQ(d.InterpolateValue(-10, 1), 0);
    // Results beyond the integer range stop at its ends.
    Load(d, Block(100, 1, 0, {1, 2147483647, -2147483647 - 1}));
    EXPECT_EQ(d.InterpolateValue(-1000, 0), -2147483647 - 1);
    EXPECT_EQ(d.InterpolateValue(-1000, 1), 2147483647);
}

TEST(HoertestDatenCopy, KeepsTheSourcesFrequencies) {
    CHoertestDaten source;
    Load(source, Block(100, 5, 7, kFive));
    CHoertestDaten copy;
    copy.Init(8);
    copy.Copy(&source);
    ASSERT_EQ(copy.GetCount(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(copy.GetFrequency(i), source.GetFrequency(i));
        EXPECT_EQ(copy.GetValue(i, 0), source.GetValue(i, 0));
        EXPECT_EQ(copy.GetValue(i, 1), source.GetValue(i, 1));
    }
    EXPECT_EQ(copy.Interleaved, 1);

    source.Interleaved = 0;
    copy.Copy(&source);
    EXPECT_EQ(copy.Interleaved, 0);

    copy.Copy(&copy);
    EXPECT_EQ(copy.GetCount(), 5);
    EXPECT_EQ(copy.GetFrequency(4), 11000);

    CHoertestDaten empty;
    EXPECT_EQ(ErrorCode([&] { copy.Copy(&empty); }), 3);
    EXPECT_EQ(copy.GetCount(), 0);
}

TEST(HoertestDatenFile, BlocksOf8And32Frequencies) {
    CHoertestDaten d;
    d.Init(8);
    d.SetValue(0, 0, -6000);
    d.SetValue(7, 1, 1);
    d.Interleaved = 1;
    Bytes b = Store(d);
    ASSERT_EQ(b.size(), 108u);
    EXPECT_EQ(Bytes(b.begin(), b.begin() + 24),
              (Bytes{100,  0, 0, 0, 8,    0,    0,    0,    1, 0, 0, 0,    // version, count, pulsed
                     0xFA, 0, 0, 0, 0x90, 0xE8, 0xFF, 0xFF, 0, 0, 0, 0})); // 250 Hz, -6000, 0
    EXPECT_EQ(Bytes(b.end() - 12, b.end()),
              (Bytes{0x10, 0x27, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0})); // 10000 Hz, 0, 1

    d.InitNormal(32);
    Bytes b32 = Store(d);
    EXPECT_EQ(b32.size(), 396u);
    EXPECT_EQ(Bytes(b32.begin() + 12, b32.begin() + 24),
              (Bytes{100, 0, 0, 0, 0x30, 0xF8, 0xFF, 0xFF, 0x30, 0xF8, 0xFF, 0xFF}));

    CHoertestDaten back;
    Load(back, b32);
    EXPECT_EQ(Store(back), b32);
    EXPECT_EQ(back.GetVersion(), 100);
}

TEST(HoertestDatenFile, LoadTakesFileValuesUnchanged) {
    CHoertestDaten d;
    Load(d, Block(100, 5, 7, kFive));
    ASSERT_EQ(d.GetCount(), 5);
    EXPECT_EQ(d.Interleaved, 7);
    EXPECT_EQ(d.GetFrequency(0), 125);
    EXPECT_EQ(d.GetValue(2, 0), 3);
    EXPECT_EQ(d.GetValue(2, 1), -3);
    EXPECT_EQ(d.GetMaxFrequency(), 11000);
}

TEST(HoertestDatenFile, RefusedBlocksLeaveTheObjectEmpty) {
    auto cause = [](const Bytes& bytes) {
        CHoertestDaten d;
        d.InitNormal(8);
        int result = -1;
        try {
            Load(d, bytes);
        } catch (const CArchiveException& e) {
            result = e.m_cause;
        } catch (const CHoertestDatenException& e) {
            result = 100 + e.m_nErrorCode;
        }
        EXPECT_EQ(d.GetCount(), 0);
        EXPECT_EQ(d.Interleaved, 0);
        return result;
    };
    EXPECT_EQ(cause(Block(101, 5, 0, kFive)), CArchiveException::badSchema);
    EXPECT_EQ(cause(Block(99, 5, 0, kFive)), CArchiveException::badSchema);
    EXPECT_EQ(cause(Block(100, 0, 0, {})), 103);
    EXPECT_EQ(cause(Block(100, -4, 0, {})), 103);
    // A count the remaining bytes cannot hold fails at once, without allocating for it.
    EXPECT_EQ(cause(Block(100, 0x7FFFFFFF, 0, kFive)), CArchiveException::badSchema);
    EXPECT_EQ(cause(Block(100, 6, 0, kFive)), CArchiveException::badSchema);

    Bytes whole = Block(100, 5, 0, kFive);
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        int c = cause(Bytes(whole.begin(), whole.begin() + cut));
        EXPECT_TRUE(c == CArchiveException::endOfFile || c == CArchiveException::badSchema)
            << "cut at " << cut << ": " << c;
    }
}
