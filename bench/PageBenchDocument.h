#pragma once
// The page the drawing benchmarks draw: both diagram rows, 32 frequencies with measured
// values, a comparison document with its own 32 values and tones, 20 tinnitus tones, a
// comment. Any device context can draw it with page.View().OnDraw(dc); tones play on the
// null audio output.

#include "core/app/CBaseApp.h"
#include "core/document/CAUVODoc.h"
#include "core/sound/CSinusTone.h"
#include "core/view/CAUVOView.h"
#include "core/view/IViewWindow.h"
#include "platform/dc/CRecordingDC.h"
#include "platform/sound/DirectSound.h"

#include <cstdlib>
#include <memory>
#include <string>

class PageBenchDocument {
public:
    // The window the screen page is drawn for (pixels; at 96 dpi unless changed).
    explicit PageBenchDocument(int clientWidth = 1920, int clientHeight = 1080)
        : m_window(clientWidth, clientHeight) {
        if (CBaseApp::Instance() == nullptr)
            m_app = std::make_unique<CBaseApp>(m_stamp);
        ::setenv("AUVO_AUDIO_OUTPUT", "null", 0);
        DirectSoundCreate(nullptr, &m_pDevice, nullptr);

        m_doc.OnNewDocument();
        Fill(m_doc, 0);
        m_doc.m_strKommentar = "Tinnitus rechts seit drei Jahren, links seit Mai.\n"
                               "Messung nach dem Frühstück, Kopfhörer HD 280.";
        m_doc.m_pVergleichsDoc = std::make_unique<CAUVODoc>();
        Fill(*m_doc.m_pVergleichsDoc, 1);
        m_doc.m_pVergleichsDoc->SetTitle("Vormessung.auvo");

        m_view.SetWindow(&m_window);
        m_view.SetDocument(&m_doc);
        m_view.m_bShowHTD = true;
        m_view.m_bShowTTD = true;
        m_view.m_bNormalkurve = true;
    }

    ~PageBenchDocument() {
        m_view.SetDocument(nullptr);
        m_doc.m_pVergleichsDoc.reset();
        m_doc.m_TinnitusDaten.RemoveAll();
        if (m_pDevice != nullptr)
            m_pDevice->Release();
    }

    PageBenchDocument(const PageBenchDocument&) = delete;
    PageBenchDocument& operator=(const PageBenchDocument&) = delete;

    CAUVOView& View() { return m_view; }
    CAUVODoc& Doc() { return m_doc; }

    // Screen at 96 dpi sized like the window, and an A4 printer page at the given dpi.
    CRecordingDC::Caps ScreenCaps() const {
        CRecordingDC::Caps caps;
        caps.horzRes = m_window.width;
        caps.vertRes = m_window.height;
        caps.logPixelsX = caps.logPixelsY = 96;
        return caps;
    }
    static CRecordingDC::Caps PrinterCaps(int dpi) {
        CRecordingDC::Caps caps;
        caps.horzRes = 210 * dpi * 10 / 254;
        caps.vertRes = 297 * dpi * 10 / 254;
        caps.logPixelsX = caps.logPixelsY = dpi;
        caps.technology = DT_RASPRINTER;
        return caps;
    }

private:
    class Window : public IViewWindow {
    public:
        Window(int w, int h) : width(w), height(h) {}
        CRect GetClientRect() const override { return {0, 0, width, height}; }
        std::unique_ptr<CDC> CreateClientDC() override {
            CRecordingDC::Caps caps;
            caps.horzRes = width;
            caps.vertRes = height;
            caps.logPixelsX = caps.logPixelsY = 96;
            return std::make_unique<CRecordingDC>(caps);
        }
        void InvalidateRect(const CRect*, bool) override {}
        void SetCurrentTool(int) override {}
        void SetCapture() override {}
        void ReleaseCapture() override {}
        bool HasCapture() const override { return false; }
        void TrackPopupMenu(const std::vector<IToolView::MenuEntry>&, CPoint) override {}
        int width;
        int height;
    };

    // 32 measured values per ear and 10 tones per ear, shifted a little for the comparison.
    void Fill(CAUVODoc& doc, int variant) {
        doc.m_HoertestDaten.Init(32);
        for (int i = 0; i < 32; ++i) {
            doc.m_HoertestDaten.SetValue(i, 0, -300 * (i % 7) - 500 * variant);
            doc.m_HoertestDaten.SetValue(i, 1, -250 * (i % 5) - 800 * variant);
        }
        doc.m_TinnitusDaten.m_pDirectSound = m_pDevice;
        for (int side = 0; side <= 1; ++side)
            for (int i = 0; i < 10; ++i)
                doc.m_TinnitusDaten.NewTone(side, 500.0 + 1400.0 * i + 300.0 * variant,
                                            -10000 + 500 * (i + 1) + 200 * side, false);
    }

    ReleaseStamp m_stamp{2, 10};
    std::unique_ptr<CBaseApp> m_app;
    IDirectSound* m_pDevice = nullptr;
    Window m_window;
    CAUVODoc m_doc;
    CAUVOView m_view{CBaseApp::Instance()};
};
