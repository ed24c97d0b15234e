#include "ViewTestSupport.h"

#include "core/sound/CSinusTone.h"
#include "platform/sound/DirectSound.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

std::unique_ptr<CDC> FakeViewWindow::CreateClientDC() {
    return std::make_unique<CRecordingDC>(caps);
}

void FakeViewWindow::InvalidateRect(const CRect* deviceRect, bool erase) {
    invalidated.push_back(deviceRect != nullptr ? *deviceRect : client);
    erased.push_back(erase);
}

ViewTest::ViewTest() {
    m_app.SetSectionName("AUVO");
    m_app.SetProgramFolder(m_folder);
    m_app.SetProfileName(m_folder + "/AUVO.ini");
    ::setenv("AUVO_AUDIO_OUTPUT", "null", 0);
    DirectSoundCreate(nullptr, &m_pDevice, nullptr);
    m_doc.OnNewDocument();
    m_doc.m_strDatum = "06.12.2026";
    m_doc.m_TinnitusDaten.m_pDirectSound = m_pDevice;
    m_window.caps.horzRes = 2100;
    m_window.caps.vertRes = 4000;
    m_view.SetWindow(&m_window);
    m_view.SetDocument(&m_doc);
}

ViewTest::~ViewTest() {
    m_view.SetDocument(nullptr);
    m_doc.m_pVergleichsDoc.reset();
    m_doc.m_TinnitusDaten.RemoveAll();
    if (m_pDevice != nullptr)
        m_pDevice->Release();
}

std::unique_ptr<CRecordingDC> ViewTest::ScreenDC() const {
    return std::make_unique<CRecordingDC>(m_window.caps);
}

void ViewTest::WriteIni(const std::string& lines) {
    TempFolder::WriteText(m_temp.File("AUVO.ini"), "[AUVO]\n" + lines);
}

std::string ViewTest::ReadIni() const {
    return TempFolder::ReadText(m_temp.File("AUVO.ini"));
}

std::vector<std::string> ViewTest::ProtocolLines() const {
    std::vector<std::string> lines;
    std::ifstream in(m_folder + "/AUVO.PRT");
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line.size() > 15 ? line.substr(15) : line); // "dd.mm.yy hh:mm "
    }
    return lines;
}

void ViewTest::ClearProtocol() {
    std::filesystem::remove(m_folder + "/AUVO.PRT");
}

CSinusTone* ViewTest::AddTone(CAUVODoc& doc, int side, double frequency, int relativeMB) {
    doc.m_TinnitusDaten.m_pDirectSound = m_pDevice;
    return doc.m_TinnitusDaten.NewTone(side, frequency, -10000 + relativeMB, false);
}
