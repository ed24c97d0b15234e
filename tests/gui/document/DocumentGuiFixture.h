#pragma once
// A main window joined to the document manager, with an answering test double for every
// question and file dialog, recorded message boxes and a sound device without sound card.

#include "core/app/CAUVOApp.h"
#include "core/document/CAUVODoc.h"
#include "gui/app/CMainFrame.h"
#include "gui/document/CComparisonFile.h"
#include "gui/document/CDocManager.h"
#include "gui/document/IDocumentDialogs.h"
#include "platform/sound/SoundDevice.h"
#include "platform/sound/WavFileOutput.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <QDir>

#include <deque>
#include <memory>
#include <string>
#include <vector>

class AnsweringDialogs : public IDocumentDialogs {
public:
    struct Call {
        QString kind; // "open", "open several", "save" or "ask"
        QString caption;
        QString filter;
        QString initial; // the initial path, or the question's text
    };

    QString GetOpenFileName(QWidget*, const QString& caption, const QString& filter,
                            const QString& initialPath) override {
        calls.push_back({"open", caption, filter, initialPath});
        return Next();
    }
    QStringList GetOpenFileNames(QWidget*, const QString& caption, const QString& filter,
                                 const QString& initialPath) override {
        calls.push_back({"open several", caption, filter, initialPath});
        if (fileLists.empty())
            return {};
        QStringList files = fileLists.front();
        fileLists.pop_front();
        return files;
    }
    QString GetSaveFileName(QWidget*, const QString& caption, const QString& filter,
                            const QString& initialPath) override {
        calls.push_back({"save", caption, filter, initialPath});
        return Next();
    }
    SaveAnswer AskSaveChanges(QWidget*, const QString& text) override {
        calls.push_back({"ask", {}, {}, text});
        if (saveAnswers.empty()) {
            ADD_FAILURE() << "unexpected question: " << text.toStdString();
            return SaveAnswer::Cancel;
        }
        const SaveAnswer answer = saveAnswers.front();
        saveAnswers.pop_front();
        return answer;
    }

    std::deque<QString> paths;          // answers of the file dialogs; empty = cancel
    std::deque<QStringList> fileLists;  // answers of the dialogs for several files
    std::deque<SaveAnswer> saveAnswers; // answers of the save question
    std::vector<Call> calls;

private:
    QString Next() {
        if (paths.empty())
            return {};
        QString path = paths.front();
        paths.pop_front();
        return path;
    }
};

class DocumentGuiFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(m_folder.Path().empty());
        app.SetProgramFolder(m_folder.Path());
        app.SetSectionName("AUVO");
        app.SetProfileName(Path("AUVO.ini").toStdString());
        app.SetMessageBoxService(&boxes);
        SoundDevice* device = nullptr;
        ASSERT_EQ(
            SoundDevice::Create(std::make_unique<WavFileOutput>(Path("sound.wav").toStdString(),
                                                                WavFileOutput::Mode::OnDemand),
                                &device),
            DS_OK);
        app.m_pDirectSound = device;
        frame = std::make_unique<CMainFrame>();
        documents = std::make_unique<CDocManager>(app, dialogs);
        comparison = std::make_unique<CComparisonFile>(app, *documents);
        documents->Attach(*frame);
        comparison->Attach(*frame);
        ASSERT_TRUE(documents->ProcessCommandLine({}));
    }

    void TearDown() override {
        comparison.reset();
        frame.reset();
        documents.reset();
        app.SetMessageBoxService(nullptr);
        if (app.m_pDirectSound)
            app.m_pDirectSound->Release();
        app.m_pDirectSound = nullptr;
    }

    QString Path(const QString& name) const { return m_dir.filePath(name); }
    CAUVODoc& Doc() { return documents->Document(); }
    bool Run(int id) { return frame->Commands().Execute(id); }
    QString Title() const { return frame->windowTitle(); }

    // A document file with this comment and one tinnitus tone on each ear, written aside.
    QString WriteSample(const QString& name, const std::string& comment) {
        CAUVODoc doc;
        doc.OnNewDocument();
        doc.m_strKommentar = comment;
        doc.m_TinnitusDaten.NewTone(0, 1000.0, -3000, false);
        doc.m_TinnitusDaten.NewTone(1, 4000.0, -3500, false);
        const QString path = Path(name);
        EXPECT_TRUE(doc.OnSaveDocument(path.toStdString()));
        return path;
    }

    TempFolder m_folder;
    const QDir m_dir{QString::fromStdString(m_folder.Path())};
    CAUVOApp app;
    RecordingMessageBoxes boxes;
    AnsweringDialogs dialogs;
    std::unique_ptr<CMainFrame> frame;
    std::unique_ptr<CDocManager> documents;
    std::unique_ptr<CComparisonFile> comparison;
};
