#include "platform/file/CFileReplacement.h"

#include "platform/file/FileWrite.h"

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ResolveTarget(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* real = ::realpath(path.c_str(), nullptr)) {
            std::string resolved(real);
            std::free(real);
            return resolved;
        }
    }
    return path;
}

// A failure must never read as success, even where the system left errno unset.
int LastError() {
    return errno != 0 ? errno : EIO;
}

} // namespace

CFileReplacement::CFileReplacement(const std::string& path) : m_target(ResolveTarget(path)) {}

CFileReplacement::~CFileReplacement() {
    if (!m_bCommitted)
        Discard();
}

int CFileReplacement::Open() {
    Discard();
    m_bCommitted = false;
    // Renaming would replace a file we may not write to; refuse as writing in place would.
    if (::access(m_target.c_str(), F_OK) == 0 && ::access(m_target.c_str(), W_OK) != 0)
        return LastError();

    static std::atomic<unsigned> counter{0};
    const std::string stem = FolderOf(m_target) + "/." + NameOf(m_target) + ".";
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string temp =
            stem + std::to_string(::getpid()) + "." + std::to_string(counter++) + ".tmp";
        const int opened = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (opened >= 0) {
            m_fd.Reset(opened);
            m_temp = temp;
            // The replacement keeps the permissions of the file it replaces.
            struct stat old {};
            if (::stat(m_target.c_str(), &old) == 0 && S_ISREG(old.st_mode))
                ::fchmod(opened, old.st_mode & 07777);
            return 0;
        }
        if (errno != EEXIST)
            return LastError();
    }
    return EEXIST;
}

int CFileReplacement::Write(const void* data, std::size_t size) {
    if (m_fd.Get() < 0)
        return EBADF;
    errno = 0;
    return WriteAll(m_fd.Get(), data, size) ? 0 : LastError();
}

int CFileReplacement::Commit() {
    if (m_fd.Get() < 0)
        return EBADF;
    // fsync reaches what other descriptors of the file wrote, too.
    int error = ::fsync(m_fd.Get()) == 0 ? 0 : LastError();
    if (const int closeError = m_fd.Close(); error == 0)
        error = closeError;
    if (error == 0 && ::rename(m_temp.c_str(), m_target.c_str()) != 0)
        error = LastError();
    if (error != 0) {
        Discard();
        return error;
    }
    m_bCommitted = true;
    m_temp.clear();

    // The rename is done; syncing the folder only makes it durable, so its failure is no
    // reason to call the save failed.
    FileDescriptor dir(::open(FolderOf(m_target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Get() >= 0)
        ::fsync(dir.Get());
    return 0;
}

int CFileReplacement::WriteFile(const std::string& path, const void* data, std::size_t size) {
    CFileReplacement file(path);
    if (const int error = file.Open(); error != 0)
        return error;
    if (const int error = file.Write(data, size); error != 0)
        return error;
    return file.Commit();
}

void CFileReplacement::Discard() {
    m_fd.Close();
    if (!m_temp.empty())
        ::unlink(m_temp.c_str());
    m_temp.clear();
}
