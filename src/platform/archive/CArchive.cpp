#include "platform/archive/CArchive.h"

#include "platform/archive/CArchiveException.h"
#include "platform/text/TextCodec.h"

#include <bit>
#include <cstring>
#include <limits>

namespace {
constexpr std::uint16_t kWideMarker = 0xFFFE;
constexpr std::uint16_t kLongMarker = 0xFFFF;
} // namespace

CArchive::CArchive(const std::uint8_t* data, std::size_t size)
    : m_bLoading(true), m_pData(data), m_nSize(data ? size : 0) {}

CArchive::CArchive(const std::vector<std::uint8_t>& data) : CArchive(data.data(), data.size()) {}

CArchive::CArchive() : m_bLoading(false) {}

std::size_t CArchive::GetBytesRemaining() const {
    return m_bLoading ? m_nSize - m_nPos : 0;
}

void CArchive::CheckRemaining(std::uint64_t bytes) const {
    RequireLoading();
    if (bytes > GetBytesRemaining())
        throw CArchiveException(CArchiveException::badSchema, m_strFilePath);
}

void CArchive::RequireLoading() const {
    if (!m_bLoading)
        throw CArchiveException(CArchiveException::writeOnly, m_strFilePath);
}

void CArchive::RequireStoring() const {
    if (m_bLoading)
        throw CArchiveException(CArchiveException::readOnly, m_strFilePath);
}

void CArchive::Read(void* buffer, std::size_t bytes) {
    RequireLoading();
    if (bytes > GetBytesRemaining())
        throw CArchiveException(CArchiveException::endOfFile, m_strFilePath);
    if (bytes > 0)
        std::memcpy(buffer, m_pData + m_nPos, bytes);
    m_nPos += bytes;
}

std::uint8_t CArchive::ReadUInt8() {
    std::uint8_t b = 0;
    Read(&b, 1);
    return b;
}

std::uint16_t CArchive::ReadUInt16() {
    std::uint8_t b[2];
    Read(b, 2);
    return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
}

std::uint32_t CArchive::ReadUInt32() {
    std::uint8_t b[4];
    Read(b, 4);
    return static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
           (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
}

std::int32_t CArchive::ReadInt32() {
    return static_cast<std::int32_t>(ReadUInt32());
}

double CArchive::ReadDouble() {
    std::uint8_t b[8];
    Read(b, 8);
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = (bits << 8) | b[i];
    return std::bit_cast<double>(bits);
}

std::uint32_t CArchive::ReadLengthAfterMarker(bool& wide) {
    std::uint16_t w = ReadUInt16();
    if (w == kWideMarker) {
        // The wide marker once, then the length again in one of the plain forms.
        if (wide)
            throw CArchiveException(CArchiveException::badSchema, m_strFilePath);
        wide = true;
        std::uint8_t b = ReadUInt8();
        if (b < 0xFF)
            return b;
        return ReadLengthAfterMarker(wide);
    }
    if (w < kLongMarker)
        return w;
    return ReadUInt32();
}

std::string CArchive::ReadText() {
    bool wide = false;
    std::uint8_t b = ReadUInt8();
    std::uint32_t length = b < 0xFF ? b : ReadLengthAfterMarker(wide);
    std::uint64_t bytes = static_cast<std::uint64_t>(length) * (wide ? 2 : 1);
    CheckRemaining(bytes);
    const std::uint8_t* chars = m_pData + m_nPos;
    m_nPos += static_cast<std::size_t>(bytes);
    if (wide)
        return TextCodec::Utf16LeToUtf8(chars, static_cast<std::size_t>(bytes));
    return TextCodec::Windows1252ToUtf8(
        std::string_view(reinterpret_cast<const char*>(chars), static_cast<std::size_t>(bytes)));
}

void CArchive::Write(const void* buffer, std::size_t bytes) {
    RequireStoring();
    const auto* p = static_cast<const std::uint8_t*>(buffer);
    m_stored.insert(m_stored.end(), p, p + bytes);
}

void CArchive::WriteUInt8(std::uint8_t value) {
    Write(&value, 1);
}

void CArchive::WriteUInt16(std::uint16_t value) {
    std::uint8_t b[2] = {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8)};
    Write(b, 2);
}

void CArchive::WriteUInt32(std::uint32_t value) {
    std::uint8_t b[4];
    for (int i = 0; i < 4; ++i)
        b[i] = static_cast<std::uint8_t>(value >> (8 * i));
    Write(b, 4);
}

void CArchive::WriteInt32(std::int32_t value) {
    WriteUInt32(static_cast<std::uint32_t>(value));
}

void CArchive::WriteDouble(double value) {
    auto bits = std::bit_cast<std::uint64_t>(value);
    std::uint8_t b[8];
    for (int i = 0; i < 8; ++i)
        b[i] = static_cast<std::uint8_t>(bits >> (8 * i));
    Write(b, 8);
}

void CArchive::WriteLengthPrefix(std::size_t length) {
    if (length < 0xFF) {
        WriteUInt8(static_cast<std::uint8_t>(length));
    } else if (length < kWideMarker) {
        WriteUInt8(0xFF);
        WriteUInt16(static_cast<std::uint16_t>(length));
    } else {
        if (length >= std::numeric_limits<std::uint32_t>::max())
            throw CArchiveException(CArchiveException::genericException, m_strFilePath);
        WriteUInt8(0xFF);
        WriteUInt16(kLongMarker);
        WriteUInt32(static_cast<std::uint32_t>(length));
    }
}

void CArchive::WriteText(std::string_view utf8) {
    RequireStoring();
    std::string narrow;
    if (TextCodec::Utf8ToWindows1252(utf8, narrow)) {
        WriteLengthPrefix(narrow.size());
        Write(narrow.data(), narrow.size());
        return;
    }
    std::u16string wide = TextCodec::Utf8ToUtf16(utf8);
    WriteUInt8(0xFF);
    WriteUInt16(kWideMarker);
    WriteLengthPrefix(wide.size());
    for (char16_t c : wide)
        WriteUInt16(static_cast<std::uint16_t>(c));
}
