#include "platform/document/DocumentFile.h"
#include "platform/file/FileWrite.h"

#include "platform/archive/CArchiveException.h"
#include "platform/archive/CFileException.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : m_fd(fd) {}
    ~FileDescriptor() { Close(); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return m_fd; }
    void Reset(int fd) {
        Close();
        m_fd = fd;
    }
    // errno of a failed close, 0 on success.
    int Close() {
        int error = 0;
        if (m_fd >= 0 && ::close(m_fd) != 0)
            error = errno;
        m_fd = -1;
        return error;
    }

private:
    int m_fd;
};

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

// Saving through a symbolic link replaces the file it points to, not the link.
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

} // namespace

namespace DocumentFile {

std::vector<std::uint8_t> ReadWholeFile(const std::string& path, std::size_t limit) {
    // Non-blocking, so a pipe given as a document cannot hang the program before it is refused.
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.Get() < 0)
        CFileException::ThrowOsError(errno, path);
    struct stat st {};
    if (::fstat(fd.Get(), &st) != 0)
        CFileException::ThrowOsError(errno, path);
    if (S_ISDIR(st.st_mode))
        CFileException::ThrowOsError(EISDIR, path);
    if (!S_ISREG(st.st_mode))
        throw CFileException(CFileException::invalidFile, 0, path);
    if (st.st_size < 0 || static_cast<std::uint64_t>(st.st_size) > limit)
        throw CArchiveException(CArchiveException::badSchema, path);

    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(st.st_size));
    std::size_t used = 0;
    // The file may change while it is read: read until its end, never past the limit.
    for (;;) {
        if (used == bytes.size()) {
            if (bytes.size() >= limit) {
                std::uint8_t probe = 0;
                const ssize_t more = ::read(fd.Get(), &probe, 1);
                if (more > 0)
                    throw CArchiveException(CArchiveException::badSchema, path);
                if (more < 0 && errno == EINTR)
                    continue;
                if (more < 0)
                    CFileException::ThrowOsError(errno, path);
                break;
            }
            bytes.resize(std::min(limit, std::max<std::size_t>(bytes.size() * 2, 4096)));
        }
        const ssize_t got = ::read(fd.Get(), bytes.data() + used, bytes.size() - used);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            CFileException::ThrowOsError(errno, path);
        }
        if (got == 0)
            break;
        used += static_cast<std::size_t>(got);
    }
    bytes.resize(used);
    return bytes;
}

void WriteFileAtomically(const std::string& requestedPath, const std::vector<std::uint8_t>& bytes) {
    const std::string path = ResolveTarget(requestedPath);
    const std::string folder = FolderOf(path);
    const std::string name = NameOf(path);
    // Renaming would replace a file we may not write to; refuse as writing in place would.
    if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0)
        CFileException::ThrowOsError(errno, requestedPath);

    static std::atomic<unsigned> counter{0};
    std::string temp;
    FileDescriptor fd;
    for (int attempt = 0; attempt < 100 && fd.Get() < 0; ++attempt) {
        temp = folder + "/." + name + "." + std::to_string(::getpid()) + "." +
               std::to_string(counter++) + ".tmp";
        const int opened = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (opened >= 0) {
            fd.Reset(opened);
        } else if (errno != EEXIST) {
            CFileException::ThrowOsError(errno, requestedPath);
        }
    }
    if (fd.Get() < 0)
        CFileException::ThrowOsError(EEXIST, requestedPath);

    try {
        // The replacement keeps the permissions of the file it replaces.
        struct stat old {};
        if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode))
            ::fchmod(fd.Get(), old.st_mode & 07777);
        if (!WriteAll(fd.Get(), bytes.data(), bytes.size()))
            CFileException::ThrowOsError(errno, requestedPath);
        if (::fsync(fd.Get()) != 0)
            CFileException::ThrowOsError(errno, requestedPath);
        if (const int error = fd.Close(); error != 0)
            CFileException::ThrowOsError(error, requestedPath);
        if (::rename(temp.c_str(), path.c_str()) != 0)
            CFileException::ThrowOsError(errno, requestedPath);
    } catch (...) {
        fd.Close();
        ::unlink(temp.c_str());
        throw;
    }

    // The rename is done; syncing the folder only makes it durable, so its failure is no
    // reason to call the save failed.
    FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Get() >= 0)
        ::fsync(dir.Get());
}

} // namespace DocumentFile
