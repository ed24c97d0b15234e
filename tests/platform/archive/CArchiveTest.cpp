#include "platform/archive/CArchive.h"
#include "platform/archive/CArchiveException.h"
#include "platform/archive/CFileException.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Stored(const std::string& utf8) {
    CArchive ar;
    ar.WriteText(utf8);
    return ar.GetStoredBytes();
}

std::string Load(const Bytes& bytes) {
    CArchive ar(bytes);
    std::string text = ar.ReadText();
    EXPECT_EQ(ar.GetBytesRemaining(), 0u);
    return text;
}

int ReadCause(const Bytes& bytes) {
    CArchive ar(bytes);
    try {
        ar.ReadText();
    } catch (const CArchiveException& e) {
        return e.m_cause;
    }
    return -1;
}

Bytes Prefix(std::initializer_list<std::uint8_t> prefix, std::size_t chars, std::uint8_t fill) {
    Bytes b(prefix);
    b.insert(b.end(), chars, fill);
    return b;
}

} // namespace

TEST(ArchivePrimitives, AreLittleEndianWithoutGaps) {
    CArchive ar;
    ar << std::int32_t{-6000} << 4000.0 << std::uint16_t{0x1234} << std::uint8_t{0xAB};
    EXPECT_EQ(ar.GetStoredBytes(),
              (Bytes{0x90, 0xE8, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0x40, 0xAF, 0x40, 0x34, 0x12, 0xAB}));

    CArchive in(ar.GetStoredBytes());
    EXPECT_EQ(in.ReadInt32(), -6000);
    EXPECT_EQ(in.ReadDouble(), 4000.0);
    EXPECT_EQ(in.ReadUInt16(), 0x1234);
    EXPECT_EQ(in.ReadUInt8(), 0xAB);
    EXPECT_EQ(in.GetBytesRemaining(), 0u);
}

TEST(ArchivePrimitives, ReadingPastTheEndFailsWithEndOfFile) {
    Bytes three{1, 2, 3};
    CArchive ar(three);
    try {
        ar.ReadInt32();
        FAIL() << "no exception";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::endOfFile);
    }
    CArchive empty(nullptr, 0);
    EXPECT_THROW(empty.ReadUInt8(), CArchiveException);
}

TEST(ArchivePrimitives, RefusesTheWrongDirection) {
    CArchive store;
    try {
        store.ReadInt32();
        FAIL();
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::writeOnly);
    }
    Bytes data{0, 0, 0, 0};
    CArchive load(data);
    try {
        load.WriteInt32(1);
        FAIL();
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::readOnly);
    }
}

TEST(ArchiveTextPrefix, ShortMediumAndLongForms) {
    EXPECT_EQ(Stored(""), Bytes{0x00});
    EXPECT_EQ(Stored("06.12.2026"),
              (Bytes{0x0A, '0', '6', '.', '1', '2', '.', '2', '0', '2', '6'}));

    Bytes b254 = Stored(std::string(254, 'x'));
    ASSERT_EQ(b254.size(), 255u);
    EXPECT_EQ(b254[0], 0xFE);

    Bytes b255 = Stored(std::string(255, 'x'));
    ASSERT_EQ(b255.size(), 258u);
    EXPECT_EQ(Bytes(b255.begin(), b255.begin() + 3), (Bytes{0xFF, 0xFF, 0x00}));

    // 65534 and 65535 are the markers, so the two-byte form stops at 65533.
    Bytes b65533 = Stored(std::string(65533, 'x'));
    EXPECT_EQ(Bytes(b65533.begin(), b65533.begin() + 3), (Bytes{0xFF, 0xFD, 0xFF}));
    EXPECT_EQ(b65533.size(), 3u + 65533u);

    Bytes b65534 = Stored(std::string(65534, 'x'));
    EXPECT_EQ(Bytes(b65534.begin(), b65534.begin() + 7),
              (Bytes{0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}));
    EXPECT_EQ(b65534.size(), 7u + 65534u);
}

TEST(ArchiveTextPrefix, EveryFormReadsBack) {
    for (std::size_t n : {0u, 1u, 254u, 255u, 256u, 65533u, 65534u, 65535u, 70000u}) {
        std::string text(n, 'a');
        if (n > 0)
            text[n - 1] = 'z';
        EXPECT_EQ(Load(Stored(text)), text) << n;
    }
}

TEST(ArchiveText, StoresWindows1252AndReturnsUtf8) {
    Bytes b = Stored("Grüße €");
    EXPECT_EQ(b, (Bytes{7, 'G', 'r', 0xFC, 0xDF, 'e', ' ', 0x80}));
    EXPECT_EQ(Load(b), "Grüße €");
    // Undefined bytes of the code page come back as what they were.
    Bytes odd{2, 0x81, 0x9D};
    EXPECT_EQ(Stored(Load(odd)), odd);
}

TEST(ArchiveText, WideFormIsReadInEveryLengthForm) {
    // 0xFF 0xFFFE, then the length in units, then UTF-16LE.
    EXPECT_EQ(Load(Bytes{0xFF, 0xFE, 0xFF, 3, 'H', 0, 0xF6, 0, 0x33, 0x80}), "Hö耳");
    EXPECT_EQ(Load(Bytes{0xFF, 0xFE, 0xFF, 0}), "");

    Bytes medium{0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01};
    for (int i = 0; i < 300; ++i)
        medium.insert(medium.end(), {'w', 0});
    EXPECT_EQ(Load(medium), std::string(300, 'w'));

    Bytes longForm{0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 2, 0, 0, 0, 'o', 0, 'k', 0};
    EXPECT_EQ(Load(longForm), "ok");
}

TEST(ArchiveText, TextOutsideTheCodePageIsStoredWideNotLost) {
    std::string text = "Tinnitus 耳鳴り \U0001F3B5 ä";
    Bytes b = Stored(text);
    ASSERT_GE(b.size(), 4u);
    EXPECT_EQ(Bytes(b.begin(), b.begin() + 3), (Bytes{0xFF, 0xFE, 0xFF}));
    EXPECT_EQ(b[3], 17); // UTF-16 units: the note takes two
    EXPECT_EQ(b.size(), 4u + 2u * 17u);
    EXPECT_EQ(Load(b), text);

    std::string longText(300, 'x');
    longText += "耳";
    Bytes lb = Stored(longText);
    EXPECT_EQ(Bytes(lb.begin(), lb.begin() + 6), (Bytes{0xFF, 0xFE, 0xFF, 0xFF, 0x2D, 0x01}));
    EXPECT_EQ(Load(lb), longText);
}

TEST(ArchiveText, LengthsBeyondTheDataFailAsBadFormat) {
    // Claims far larger than the block must fail before anything is allocated for them.
    EXPECT_EQ(ReadCause(Bytes{0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0xFF, 'a'}),
              CArchiveException::badSchema);
    EXPECT_EQ(ReadCause(Bytes{0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'a', 0}),
              CArchiveException::badSchema);
    EXPECT_EQ(ReadCause(Prefix({10}, 9, 'x')), CArchiveException::badSchema);
    EXPECT_EQ(ReadCause(Prefix({0xFF, 0x00, 0x01}, 255, 'x')), CArchiveException::badSchema);
    // The wide marker twice is no text.
    EXPECT_EQ(ReadCause(Bytes{0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF, 0}),
              CArchiveException::badSchema);
    // A prefix cut short is the end of the data.
    EXPECT_EQ(ReadCause(Bytes{0xFF, 0x10}), CArchiveException::endOfFile);
    EXPECT_EQ(ReadCause(Bytes{}), CArchiveException::endOfFile);
}

TEST(ArchiveExceptions, MessagesAreNeverCutShort) {
    CArchiveException e(CArchiveException::badSchema, "a.auvo");
    EXPECT_EQ(e.GetMessage(), "Unerwartetes Dateiformat.");
    EXPECT_EQ(e.m_strFileName, "a.auvo");
    std::string text = "old";
    unsigned help = 99;
    EXPECT_FALSE(e.GetErrorMessage(text, e.GetMessage().size(), &help));
    EXPECT_EQ(text, "");
    EXPECT_EQ(help, 0u);
    EXPECT_TRUE(e.GetErrorMessage(text, e.GetMessage().size() + 1));
    EXPECT_EQ(text, "Unerwartetes Dateiformat.");
}

TEST(ArchiveExceptions, FileCausesFollowTheSystemError) {
    EXPECT_EQ(CFileException::OsErrorToCause(ENOENT), CFileException::fileNotFound);
    EXPECT_EQ(CFileException::OsErrorToCause(EACCES), CFileException::accessDenied);
    EXPECT_EQ(CFileException::OsErrorToCause(ENOSPC), CFileException::diskFull);
    EXPECT_EQ(CFileException::OsErrorToCause(ENOTDIR), CFileException::badPath);
    EXPECT_EQ(CFileException::OsErrorToCause(EISDIR), CFileException::accessDenied);
    // A file locked by another instance (flock) and a busy file are both in use elsewhere.
    EXPECT_EQ(CFileException::OsErrorToCause(EWOULDBLOCK), CFileException::sharingViolation);
    EXPECT_EQ(CFileException::OsErrorToCause(EBUSY), CFileException::sharingViolation);
    EXPECT_EQ(CFileException::OsErrorToCause(EINVAL), CFileException::genericException);
    try {
        CFileException::ThrowOsError(EIO, "/tmp/x.auvo");
    } catch (const CFileException& e) {
        EXPECT_EQ(e.m_cause, CFileException::hardIO);
        EXPECT_EQ(e.m_lOsError, EIO);
        EXPECT_EQ(e.m_strFileName, "/tmp/x.auvo");
    }
}
