#include "platform/document/CDocument.h"

#include "platform/archive/CArchive.h"
#include "platform/archive/CArchiveException.h"
#include "platform/archive/CFileException.h"
#include "platform/document/DocumentFile.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <new>
#include <system_error>

namespace {

// What went wrong, from the exception in flight.
CDocumentError Classify(std::exception_ptr caught) {
    CDocumentError error;
    try {
        std::rethrow_exception(caught);
    } catch (const CArchiveException& e) {
        error.detail = e.GetMessage();
        switch (e.m_cause) {
        case CArchiveException::endOfFile:
        case CArchiveException::badIndex:
        case CArchiveException::badClass:
        case CArchiveException::badSchema:
            error.kind = CDocumentError::Kind::Format;
            break;
        default:
            error.kind = CDocumentError::Kind::Other;
        }
    } catch (const CFileException& e) {
        error.kind = CDocumentError::Kind::File;
        error.fileCause = e.m_cause;
        error.detail = e.GetMessage();
    } catch (const std::bad_alloc&) {
        error.kind = CDocumentError::Kind::Memory;
    } catch (const std::exception& e) {
        error.kind = CDocumentError::Kind::Other;
        error.detail = e.what();
    } catch (...) {
        error.kind = CDocumentError::Kind::Other;
    }
    return error;
}

// Absolute and without "." or "..", as names are shown and logged.
std::string FullPath(const std::string& path) {
    std::error_code ec;
    std::filesystem::path full = std::filesystem::absolute(path, ec);
    if (ec)
        full = path;
    return full.lexically_normal().string();
}

} // namespace

CDocument::CDocument() = default;
CDocument::~CDocument() = default;

void CDocument::SetPathName(const std::string& path, bool addToRecentFiles) {
    m_strPathName = FullPath(path);
    m_strTitle = std::filesystem::path(m_strPathName).filename().string();
    if (addToRecentFiles)
        OnAddToRecentFileList(m_strPathName);
}

std::string CDocument::GetTitle() const {
    return m_strTitle.empty() ? GetDefaultTitle() : m_strTitle;
}

void CDocument::AddView(IDocumentView* view) {
    if (view != nullptr && std::find(m_views.begin(), m_views.end(), view) == m_views.end())
        m_views.push_back(view);
}

void CDocument::RemoveView(IDocumentView* view) {
    m_views.erase(std::remove(m_views.begin(), m_views.end(), view), m_views.end());
}

void CDocument::UpdateAllViews(IDocumentView* sender, long hint) {
    // A view may detach itself while it updates.
    const std::vector<IDocumentView*> views = m_views;
    for (IDocumentView* view : views) {
        if (view != sender && std::find(m_views.begin(), m_views.end(), view) != m_views.end())
            view->OnUpdate(sender, hint);
    }
}

bool CDocument::OnNewDocument() {
    DeleteContents();
    m_strPathName.clear();
    m_strTitle.clear();
    m_bModified = false;
    m_lastError = {};
    return true;
}

bool CDocument::OnOpenDocument(const std::string& path) {
    m_lastError = {};
    try {
        const std::vector<std::uint8_t> bytes = DocumentFile::ReadWholeFile(path);
        if (!bytes.empty()) {
            CArchive ar(bytes);
            ar.SetFilePath(FullPath(path));
            Serialize(ar);
        }
    } catch (...) {
        CDocumentError error = Classify(std::current_exception());
        error.path = path;
        Fail(error);
        return false;
    }
    m_bModified = false;
    return true;
}

bool CDocument::OnSaveDocument(const std::string& path) {
    m_lastError = {};
    try {
        CArchive ar;
        ar.SetFilePath(FullPath(path));
        Serialize(ar);
        DocumentFile::WriteFileAtomically(path, ar.GetStoredBytes());
    } catch (...) {
        CDocumentError error = Classify(std::current_exception());
        error.saving = true;
        error.path = path;
        Fail(error);
        return false;
    }
    m_bModified = false;
    return true;
}

void CDocument::Fail(const CDocumentError& error) {
    m_lastError = error;
    ReportSaveLoadError(error);
}

void CDocument::ReportSaveLoadError(const CDocumentError& /*error*/) {}
