#pragma once
// Application, document and a sound device that renders only on request, the boxes
// recorded and answered (recorder.answers), for driving the tone dialogs offscreen.

#include "core/app/CAUVOApp.h"
#include "core/document/CAUVODoc.h"
#include "core/sound/CSinusTone.h"
#include "platform/document/IDocumentView.h"
#include "platform/sound/SoundTestSupport.h"
#include "support/FaultySoundDevice.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TempFolder.h"

#include <QPushButton>
#include <QWidget>
#include <gtest/gtest.h>

#include <string>
#include <vector>

class ToneDialogFixture : public testing::Test, public IDocumentView {
protected:
    ToneDialogFixture() {
        app.SetMessageBoxService(&recorder);
        app.m_pDirectSound = &faults;
        app.m_lNormalNull = -4000;
        app.SetSectionName("AUVO");
        app.SetProfileName(folder.File("AUVO.ini"));
        doc.OnNewDocument();
        doc.SetModifiedFlag(false);
        doc.AddView(this);
    }
    ~ToneDialogFixture() override {
        doc.RemoveView(this);
        app.m_pDirectSound = nullptr;
        app.SetMessageBoxService(nullptr);
        device->Release();
    }

    std::vector<std::string> Boxes() const { return recorder.Texts(); }
    void OnUpdate(IDocumentView*, long) override { ++redraws; }

    template <typename T = QPushButton> static T* Control(QWidget& dlg, const char* id) {
        T* control = dlg.findChild<T*>(QLatin1String(id));
        EXPECT_NE(control, nullptr) << id;
        return control;
    }

    TempFolder folder;
    SoundDevice* device = soundtest::CreateManualDevice();
    // The application's device: the same, but it can refuse buffers (faults.refuseSecondaries).
    FaultySoundDevice faults{device, false};
    CAUVOApp app;
    CAUVODoc doc;
    RecordingMessageBoxes recorder;
    int redraws = 0;
};
