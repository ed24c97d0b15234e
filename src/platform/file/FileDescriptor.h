#pragma once
// Owns a POSIX file descriptor, so no path through the file code can leak one.

class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : m_fd(fd) {}
    ~FileDescriptor() { Close(); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int Get() const { return m_fd; }
    void Reset(int fd);
    // errno of a failed close, 0 on success.
    int Close();

private:
    int m_fd;
};
