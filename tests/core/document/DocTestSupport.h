#pragma once
// An application object with a fake sound device and recorded message boxes, and a builder
// for document bytes.

#include "core/app/CAUVOApp.h"
#include "core/document/CAUVODoc.h"
#include "platform/archive/CArchive.h"
#include "support/FakeSoundDevice.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TempFolder.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

struct TestApp {
    TestApp() {
        app.m_pDirectSound = &device;
        app.SetProgramFolder(folder.Path());
        app.SetMessageBoxService(&boxes);
    }
    ~TestApp() { app.m_pDirectSound = nullptr; }

    TempFolder folder;
    FakeSoundDevice device;
    RecordingMessageBoxes boxes;
    CAUVOApp app;
};

// Little-endian document bytes; texts shorter than 255 bytes, given in Windows-1252.
class DocBytes {
public:
    DocBytes& Int(std::int32_t v) {
        for (int i = 0; i < 4; ++i)
            m_bytes.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i)));
        return *this;
    }
    DocBytes& Double(double d) {
        std::uint64_t bits;
        std::memcpy(&bits, &d, 8);
        for (int i = 0; i < 8; ++i)
            m_bytes.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
        return *this;
    }
    DocBytes& Text(const std::string& cp1252) {
        m_bytes.push_back(static_cast<std::uint8_t>(cp1252.size()));
        m_bytes.insert(m_bytes.end(), cp1252.begin(), cp1252.end());
        return *this;
    }
    DocBytes& Raw(const std::vector<std::uint8_t>& raw) {
        m_bytes.insert(m_bytes.end(), raw.begin(), raw.end());
        return *this;
    }
    // Hearing-test block: count entries at 1000 Hz * (i + 1), values i and -i.
    DocBytes& Hearing(std::int32_t count, std::int32_t interleaved = 0) {
        Int(100).Int(count).Int(interleaved);
        for (std::int32_t i = 0; i < count; ++i)
            Int(1000 * (i + 1)).Int(i).Int(-i);
        return *this;
    }
    DocBytes& Tones(const std::vector<std::pair<double, std::int32_t>>& left,
                    const std::vector<std::pair<double, std::int32_t>>& right) {
        Int(100);
        for (const auto* side : {&left, &right}) {
            Int(static_cast<std::int32_t>(side->size()));
            for (const auto& [f, level] : *side)
                Double(f).Int(level);
        }
        return *this;
    }
    const std::vector<std::uint8_t>& Get() const { return m_bytes; }

private:
    std::vector<std::uint8_t> m_bytes;
};

// What a document would write, as a comparable value.
inline std::vector<std::uint8_t> Snapshot(CAUVODoc& doc) {
    CArchive ar;
    const std::string header = doc.m_strHeader;
    doc.Serialize(ar);
    doc.m_strHeader = header;
    return ar.GetStoredBytes();
}
