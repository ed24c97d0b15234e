#include "ViewGuiTestSupport.h"

#include "core/sound/CSinusTone.h"
#include "core/view/CAUVOView.h"
#include "gui/view/CPageOutput.h"
#include "platform/sound/DirectSound.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace viewgui {

void WriteIni(const TempFolder& folder, const std::string& lines) {
    TempFolder::WriteText(folder.File("AUVO.ini"), "[AUVO]\n" + lines);
}

AppWithDocument::AppWithDocument(const TempFolder& folder) {
    app.SetSectionName("AUVO");
    app.SetProgramFolder(folder.Path());
    app.SetProfileName(folder.Path() + "/AUVO.ini");
    app.m_lNormalNull = -5000;
    ::setenv("AUVO_AUDIO_OUTPUT", "null", 0);
    DirectSoundCreate(nullptr, &device, nullptr);
    faults = std::make_unique<FaultySoundDevice>(device, false);
    app.m_pDirectSound = faults.get();
    doc.OnNewDocument();
    doc.m_TinnitusDaten.m_pDirectSound = faults.get();
}

AppWithDocument::~AppWithDocument() {
    doc.m_pVergleichsDoc.reset();
    doc.m_TinnitusDaten.RemoveAll();
    app.m_pDirectSound = nullptr;
    if (device != nullptr)
        device->Release();
}

void AppWithDocument::Fill() {
    doc.m_HoertestDaten.Init(8);
    for (int i = 0; i < 8; ++i) {
        doc.m_HoertestDaten.SetValue(i, 0, -500 * i);
        doc.m_HoertestDaten.SetValue(i, 1, -300 * i - 1000);
    }
    AddTone(1, 2000.0, 2000);
    AddTone(0, 4000.0, 3000);
}

CSinusTone* AppWithDocument::AddTone(int side, double frequency, int relativeMB) {
    return doc.m_TinnitusDaten.NewTone(side, frequency, app.m_lNormalNull + relativeMB, false);
}

std::vector<CRecordingDC::Call> RecordA4(CAUVOView& view) {
    const CQtDC::Caps a4 = CPageOutput::A4Caps();
    CRecordingDC dc({a4.horzRes, a4.vertRes, a4.logPixelsX, a4.logPixelsY, 1, 24, DT_RASPRINTER},
                    true);
    view.OnDraw(dc);
    return dc.Calls();
}

bool HasColourNear(const QImage& image, CPoint logical, COLORREF colour, int tolerance) {
    const double sx = image.width() / static_cast<double>(CPageOutput::kA4Width);
    const double sy = image.height() / static_cast<double>(CPageOutput::kA4Height);
    const int cx = static_cast<int>(std::lround(logical.x * sx));
    const int cy = static_cast<int>(std::lround(-logical.y * sy));
    const QColor want(GetRValue(colour), GetGValue(colour), GetBValue(colour));
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (image.valid(cx + dx, cy + dy)) {
                const QColor got = image.pixelColor(cx + dx, cy + dy);
                if (std::abs(got.red() - want.red()) + std::abs(got.green() - want.green()) +
                        std::abs(got.blue() - want.blue()) <
                    tolerance)
                    return true;
            }
    return false;
}

} // namespace viewgui
