#pragma once
// The document side of the document/view framework: path, title, modified flag, the views
// that show the document, and the open and save steps on files.

#include "platform/document/CDocumentError.h"
#include "platform/document/IDocumentView.h"

#include <string>
#include <vector>

class CArchive;

class CDocument {
public:
    CDocument();
    virtual ~CDocument();
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    const std::string& GetPathName() const { return m_strPathName; }
    // Takes the absolute path; the title becomes its file name. With addToRecentFiles the
    // path is handed to OnAddToRecentFileList.
    virtual void SetPathName(const std::string& path, bool addToRecentFiles = true);
    // The title, or GetDefaultTitle() while none is set.
    std::string GetTitle() const;
    void SetTitle(const std::string& title) { m_strTitle = title; }

    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified = true) { m_bModified = modified; }

    void AddView(IDocumentView* view);
    void RemoveView(IDocumentView* view);
    const std::vector<IDocumentView*>& GetViews() const { return m_views; }
    // OnUpdate on every view but the sender.
    void UpdateAllViews(IDocumentView* sender, long hint = 0);

    // Empties the contents, the path and the title; clears the modified flag.
    virtual bool OnNewDocument();
    // Reads the whole file and hands it to Serialize (an empty file is not read). Serialize
    // must replace the contents only once everything is read, so a failed open leaves the
    // document as it was. Failures go to ReportSaveLoadError; the result is false then.
    virtual bool OnOpenDocument(const std::string& path);
    // Serializes into memory and replaces the file atomically; on failure the file on disk
    // is untouched, the modified flag stays, and ReportSaveLoadError is called.
    virtual bool OnSaveDocument(const std::string& path);
    virtual void DeleteContents() {}
    virtual void Serialize(CArchive& ar) = 0;

    // Why the last open or save failed (Kind::None after a success).
    const CDocumentError& GetLastError() const { return m_lastError; }

protected:
    // Tells the user about a failed open or save; the default only keeps it in GetLastError().
    virtual void ReportSaveLoadError(const CDocumentError& error);
    virtual std::string GetDefaultTitle() const { return "Unbenannt"; }
    virtual void OnAddToRecentFileList(const std::string& /*path*/) {}

private:
    void Fail(const CDocumentError& error);

    std::string m_strPathName;
    std::string m_strTitle;
    bool m_bModified = false;
    std::vector<IDocumentView*> m_views;
    CDocumentError m_lastError;
};
