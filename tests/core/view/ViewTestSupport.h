#pragma once
// A view on a document with an application object writing into a temporary folder, a window
// that records invalidations, and a recording device context of 254 dpi (one pixel = 0.1 mm,
// so a client point (x, y) is the logical point (x, -y)).

#include "core/app/CBaseApp.h"
#include "core/document/CAUVODoc.h"
#include "core/view/CAUVOView.h"
#include "core/view/IViewWindow.h"
#include "platform/dc/CRecordingDC.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class CSinusTone;
class IDirectSound;

class FakeViewWindow : public IViewWindow {
public:
    CRect GetClientRect() const override { return client; }
    std::unique_ptr<CDC> CreateClientDC() override;
    void InvalidateRect(const CRect* deviceRect, bool erase) override;
    void SetCurrentTool(int toolNumber) override { tool = toolNumber; }
    void SetCapture() override { captured = true; }
    void ReleaseCapture() override { captured = false; }
    bool HasCapture() const override { return captured; }
    void TrackPopupMenu(const std::vector<IToolView::MenuEntry>&, CPoint) override {}

    CRect client{0, 0, 2100, 1500};
    CRecordingDC::Caps caps;
    std::vector<CRect> invalidated; // whole client area recorded as the client rectangle
    std::vector<bool> erased;
    int tool = -1;
    bool captured = false;
};

class ViewTest : public ::testing::Test {
protected:
    ViewTest();
    ~ViewTest() override;

    // A screen context matching the window (client 2100 pixels wide = page width 2100).
    std::unique_ptr<CRecordingDC> ScreenDC() const;
    void WriteIni(const std::string& lines);
    std::string ReadIni() const;
    // Protocol lines without their time stamp.
    std::vector<std::string> ProtocolLines() const;
    void ClearProtocol();
    // A tinnitus tone at a level in dB relative to the calibration level (-10000 mB).
    CSinusTone* AddTone(CAUVODoc& doc, int side, double frequency, int relativeMB);

    TempFolder m_temp;
    const std::string m_folder = m_temp.Path();
    ReleaseStamp m_stamp{2, 10};
    CBaseApp m_app{m_stamp};
    IDirectSound* m_pDevice = nullptr;
    CAUVODoc m_doc;
    FakeViewWindow m_window;
    CAUVOView m_view{&m_app};
};
