#pragma once
// A program folder of its own with a settings file, an application object whose tones play
// on the null output, and a document with 8 measured values and one tone per ear.

#include "core/app/CAUVOApp.h"
#include "core/document/CAUVODoc.h"
#include "platform/dc/CRecordingDC.h"
#include "support/FaultySoundDevice.h"
#include "support/TempFolder.h"

#include <QImage>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class CAUVOView;
class CSinusTone;

namespace viewgui {

inline constexpr COLORREF kRight = RGB(255, 0, 0);
inline constexpr COLORREF kLeft = RGB(0, 0, 255);

// Writes the folder's settings file with these lines in the program's section.
void WriteIni(const TempFolder& folder, const std::string& lines);

// Owns the application object for its lifetime; only one may exist at a time.
class AppWithDocument {
public:
    explicit AppWithDocument(const TempFolder& folder);
    ~AppWithDocument();

    // 8 frequencies; right tone at 2 kHz +20 dB, left at 4 kHz +30 dB.
    void Fill();
    CSinusTone* AddTone(int side, double frequency, int relativeMB);

    CAUVOApp app;
    IDirectSound* device = nullptr;
    // What the application and the document's tones use: device, able to refuse buffers.
    std::unique_ptr<FaultySoundDevice> faults;
    CAUVODoc doc;
};

// The page as an A4 export device sees it: every call at 0.1 mm per pixel.
std::vector<CRecordingDC::Call> RecordA4(CAUVOView& view);
// Some pixel of the 3 x 3 block around a logical A4 point has this colour, give or take
// a sum of channel differences below tolerance.
bool HasColourNear(const QImage& image, CPoint logical, COLORREF colour, int tolerance = 1);

} // namespace viewgui
