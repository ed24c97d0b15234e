#pragma once
// Binary archive of the document file: little-endian primitives and length-prefixed texts.
// A loading archive reads a memory block; a storing archive collects the bytes it is given.
// Texts are UTF-8 in the program and Windows-1252 in the file; a text Windows-1252 cannot
// hold is written in the UTF-16 form, which loading accepts as well.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CArchive {
public:
    // Loading; the block must outlive the archive.
    CArchive(const std::uint8_t* data, std::size_t size);
    explicit CArchive(const std::vector<std::uint8_t>& data);
    explicit CArchive(std::vector<std::uint8_t>&&) = delete; // would read freed memory
    // Storing.
    CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    bool IsStoring() const { return !m_bLoading; }

    // Bytes not yet read (loading) or written so far (storing).
    std::size_t GetBytesRemaining() const;
    // For counts and lengths read from a file: throws badSchema unless that many bytes
    // remain, so a false claim fails before anything is allocated for it.
    void CheckRemaining(std::uint64_t bytes) const;

    // Reading throws endOfFile when the block ends inside a value, writeOnly on a storing archive.
    std::uint8_t ReadUInt8();
    std::uint16_t ReadUInt16();
    std::uint32_t ReadUInt32();
    std::int32_t ReadInt32();
    double ReadDouble();
    void Read(void* buffer, std::size_t bytes);
    std::string ReadText();

    // Writing throws readOnly on a loading archive.
    void WriteUInt8(std::uint8_t value);
    void WriteUInt16(std::uint16_t value);
    void WriteUInt32(std::uint32_t value);
    void WriteInt32(std::int32_t value);
    void WriteDouble(double value);
    void Write(const void* buffer, std::size_t bytes);
    void WriteText(std::string_view utf8);

    CArchive& operator<<(std::uint8_t v) {
        WriteUInt8(v);
        return *this;
    }
    CArchive& operator<<(std::uint16_t v) {
        WriteUInt16(v);
        return *this;
    }
    CArchive& operator<<(std::uint32_t v) {
        WriteUInt32(v);
        return *this;
    }
    CArchive& operator<<(std::int32_t v) {
        WriteInt32(v);
        return *this;
    }
    CArchive& operator<<(double v) {
        WriteDouble(v);
        return *this;
    }
    CArchive& operator<<(const std::string& v) {
        WriteText(v);
        return *this;
    }
    CArchive& operator>>(std::uint8_t& v) {
        v = ReadUInt8();
        return *this;
    }
    CArchive& operator>>(std::uint16_t& v) {
        v = ReadUInt16();
        return *this;
    }
    CArchive& operator>>(std::uint32_t& v) {
        v = ReadUInt32();
        return *this;
    }
    CArchive& operator>>(std::int32_t& v) {
        v = ReadInt32();
        return *this;
    }
    CArchive& operator>>(double& v) {
        v = ReadDouble();
        return *this;
    }
    CArchive& operator>>(std::string& v) {
        v = ReadText();
        return *this;
    }

    // What a storing archive has collected.
    const std::vector<std::uint8_t>& GetStoredBytes() const { return m_stored; }
    std::vector<std::uint8_t> TakeStoredBytes() { return std::move(m_stored); }

    // The file the bytes belong to, for messages and protocol lines.
    void SetFilePath(std::string path) { m_strFilePath = std::move(path); }
    const std::string& GetFilePath() const { return m_strFilePath; }

private:
    void RequireLoading() const;
    void RequireStoring() const;
    void WriteLengthPrefix(std::size_t length);
    std::uint32_t ReadLengthAfterMarker(bool& wide);

    bool m_bLoading;
    const std::uint8_t* m_pData = nullptr;
    std::size_t m_nSize = 0;
    std::size_t m_nPos = 0;
    std::vector<std::uint8_t> m_stored;
    std::string m_strFilePath;
};
