#include "platform/document/CDocument.h"
#include "platform/archive/CArchive.h"
#include "platform/archive/CArchiveException.h"
#include "platform/archive/CFileException.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace {

// Stores one int32; a load may be told to fail after reading.
class NumberDocument : public CDocument {
public:
    void Serialize(CArchive& ar) override {
        ++serializeCalls;
        if (ar.IsStoring()) {
            if (failStore)
                failStore();
            ar.WriteInt32(value);
        } else {
            const std::int32_t read = ar.ReadInt32();
            if (failLoad)
                failLoad();
            value = read;
        }
    }

    std::int32_t value = 0;
    int serializeCalls = 0;
    std::function<void()> failLoad;
    std::function<void()> failStore;
    std::vector<CDocumentError> reported;
    std::vector<std::string> recent;

protected:
    void ReportSaveLoadError(const CDocumentError& error) override { reported.push_back(error); }
    void OnAddToRecentFileList(const std::string& path) override { recent.push_back(path); }
};

class RecordingView : public IDocumentView {
public:
    void OnUpdate(IDocumentView* sender, long hint) override {
        calls.emplace_back(sender, hint);
        if (onUpdate)
            onUpdate();
    }
    std::vector<std::pair<IDocumentView*, long>> calls;
    std::function<void()> onUpdate;
};

} // namespace

TEST(CDocumentViews, UpdateAllViewsSkipsSenderAndToleratesDetaching) {
    NumberDocument doc;
    RecordingView a, b;
    doc.AddView(&a);
    doc.AddView(&b);
    doc.AddView(&a);
    doc.UpdateAllViews(nullptr, 3);
    EXPECT_EQ(a.calls.size(), 1u);
    EXPECT_EQ(b.calls.size(), 1u);
    EXPECT_EQ(b.calls[0].second, 3);

    doc.UpdateAllViews(&a);
    EXPECT_EQ(a.calls.size(), 1u);
    ASSERT_EQ(b.calls.size(), 2u);
    EXPECT_EQ(b.calls[1].first, &a);

    a.onUpdate = [&] { doc.RemoveView(&b); };
    doc.UpdateAllViews(nullptr);
    EXPECT_EQ(b.calls.size(), 2u);
    EXPECT_EQ(doc.GetViews().size(), 1u);
}

TEST(CDocumentPath, TitleIsFileNameOrUntitled) {
    NumberDocument doc;
    EXPECT_EQ(doc.GetTitle(), "Unbenannt");
    doc.SetPathName("/tmp/x/../messung.auvo");
    EXPECT_EQ(doc.GetPathName(), "/tmp/messung.auvo");
    EXPECT_EQ(doc.GetTitle(), "messung.auvo");
    EXPECT_EQ(doc.recent, std::vector<std::string>{"/tmp/messung.auvo"});
    doc.SetPathName("/tmp/other.auvo", false);
    EXPECT_EQ(doc.recent.size(), 1u);

    doc.SetModifiedFlag();
    EXPECT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(doc.GetPathName(), "");
    EXPECT_EQ(doc.GetTitle(), "Unbenannt");
    EXPECT_FALSE(doc.IsModified());
}

TEST(CDocumentOpen, SuccessClearsModifiedAndEmptyFileIsNotRead) {
    TempFolder dir;
    TempFolder::WriteBytes(dir.File("n"), {0x2A, 0, 0, 0});
    TempFolder::WriteBytes(dir.File("empty"), {});
    NumberDocument doc;
    doc.SetModifiedFlag();
    ASSERT_TRUE(doc.OnOpenDocument(dir.File("n")));
    EXPECT_EQ(doc.value, 42);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetLastError().kind, CDocumentError::Kind::None);

    doc.serializeCalls = 0;
    EXPECT_TRUE(doc.OnOpenDocument(dir.File("empty")));
    EXPECT_EQ(doc.serializeCalls, 0);
    EXPECT_EQ(doc.value, 42);
}

TEST(CDocumentOpen, FailuresAreClassifiedReportedAndKeepTheDocument) {
    TempFolder dir;
    TempFolder::WriteBytes(dir.File("short"), {1, 2});
    TempFolder::WriteBytes(dir.File("n"), {7, 0, 0, 0});

    struct Case {
        std::string file;
        std::function<void()> failLoad;
        CDocumentError::Kind kind;
        int cause;
    };
    const std::vector<Case> cases = {
        {"missing", nullptr, CDocumentError::Kind::File, CFileException::fileNotFound},
        {"short", nullptr, CDocumentError::Kind::Format, 0},
        {"n", [] { throw CArchiveException(CArchiveException::badSchema); },
         CDocumentError::Kind::Format, 0},
        {"n", [] { throw CArchiveException(CArchiveException::genericException); },
         CDocumentError::Kind::Other, 0},
        {"n", [] { throw std::bad_alloc(); }, CDocumentError::Kind::Memory, 0},
        {"n", [] { throw std::runtime_error("Puffer"); }, CDocumentError::Kind::Other, 0},
        {"n", [] { throw CFileException(CFileException::hardIO); }, CDocumentError::Kind::File,
         CFileException::hardIO},
    };
    for (const Case& c : cases) {
        NumberDocument doc;
        doc.value = 5;
        doc.SetModifiedFlag();
        doc.failLoad = c.failLoad;
        EXPECT_FALSE(doc.OnOpenDocument(dir.File(c.file))) << c.file;
        ASSERT_EQ(doc.reported.size(), 1u);
        EXPECT_EQ(doc.reported[0].kind, c.kind) << c.file;
        EXPECT_EQ(doc.reported[0].fileCause, c.cause);
        EXPECT_FALSE(doc.reported[0].saving);
        EXPECT_EQ(doc.reported[0].path, dir.File(c.file));
        EXPECT_EQ(doc.GetLastError().kind, c.kind);
        EXPECT_EQ(doc.value, 5);
        EXPECT_TRUE(doc.IsModified());
    }
}

TEST(CDocumentSave, WritesSerializedBytesAndClearsModified) {
    TempFolder dir;
    NumberDocument doc;
    doc.value = 0x01020304;
    doc.SetModifiedFlag();
    ASSERT_TRUE(doc.OnSaveDocument(dir.File("n")));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(TempFolder::ReadBytes(dir.File("n")), (std::vector<std::uint8_t>{4, 3, 2, 1}));
}

TEST(CDocumentSave, FailureKeepsOldFileAndModifiedFlag) {
    TempFolder dir;
    const std::vector<std::uint8_t> old = {9, 9, 9, 9, 9};
    TempFolder::WriteBytes(dir.File("n"), old);

    NumberDocument doc;
    doc.SetModifiedFlag();
    doc.failStore = [] { throw std::runtime_error("mitten im Schreiben"); };
    EXPECT_FALSE(doc.OnSaveDocument(dir.File("n")));
    ASSERT_EQ(doc.reported.size(), 1u);
    EXPECT_TRUE(doc.reported[0].saving);
    EXPECT_EQ(doc.reported[0].kind, CDocumentError::Kind::Other);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(TempFolder::ReadBytes(dir.File("n")), old);

    doc.failStore = nullptr;
    EXPECT_FALSE(doc.OnSaveDocument(dir.File("gone/n")));
    ASSERT_EQ(doc.reported.size(), 2u);
    EXPECT_EQ(doc.reported[1].kind, CDocumentError::Kind::File);
    EXPECT_EQ(doc.reported[1].fileCause, CFileException::fileNotFound);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"n"});
}
