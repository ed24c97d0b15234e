#pragma once
// Replaces a file so that nobody ever finds it half written: the new content goes to a
// temporary file beside the target, which is synced and renamed over the target only when
// complete, and the folder is synced after. Until then the old file stays byte for byte, and
// the temporary file never outlives this object. Saving through a symbolic link replaces the
// file it points to; the replacement keeps the permissions of the file it replaces.

#include "platform/file/FileDescriptor.h"

#include <cstddef>
#include <string>

class CFileReplacement {
public:
    explicit CFileReplacement(const std::string& path);
    // Removes the temporary file unless committed.
    ~CFileReplacement();
    CFileReplacement(const CFileReplacement&) = delete;
    CFileReplacement& operator=(const CFileReplacement&) = delete;

    // Creates the temporary file; 0, or the errno why not.
    int Open();
    // The temporary file, for writers that open it by name (after Open).
    const std::string& TemporaryPath() const { return m_temp; }
    // Appends bytes to the temporary file; 0 or errno.
    int Write(const void* data, std::size_t size);
    // Syncs the temporary file and renames it over the target; 0 or errno. On failure the
    // temporary file is gone and the target as it was.
    int Commit();

    // The whole replacement for bytes in memory; 0 or errno.
    static int WriteFile(const std::string& path, const void* data, std::size_t size);

private:
    void Discard();

    std::string m_target;
    std::string m_temp;
    FileDescriptor m_fd;
    bool m_bCommitted = false;
};
