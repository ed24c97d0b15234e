#include "platform/document/DocumentFile.h"
#include "platform/archive/CArchiveException.h"
#include "platform/archive/CFileException.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const std::vector<std::uint8_t> kOld = {'a', 'l', 't', 0, 1, 2};

int CauseOfWrite(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    try {
        DocumentFile::WriteFileAtomically(path, bytes);
    } catch (const CFileException& e) {
        return e.m_cause;
    }
    return CFileException::none;
}

// Root writes anywhere: the cause an ordinary user gets, from a child process.
constexpr int kNoOrdinaryUser = 100;
int CauseAsOrdinaryUser(const std::function<int()>& attempt) {
    if (::geteuid() != 0)
        return attempt();
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(kNoOrdinaryUser);
        ::_exit(attempt());
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return kNoOrdinaryUser;
    return WEXITSTATUS(status);
}

// A tiny tmpfs, so a full disk and a read-only folder are real; needs the right to mount.
class SmallDisk {
public:
    explicit SmallDisk(const std::string& where) : m_where(where) {
        m_mounted = ::mount("tmpfs", where.c_str(), "tmpfs", 0, "size=64k") == 0;
    }
    ~SmallDisk() {
        if (m_mounted)
            ::umount(m_where.c_str());
    }
    bool Mounted() const { return m_mounted; }
    bool RemountReadOnly() {
        return ::mount("tmpfs", m_where.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=64k") == 0;
    }

private:
    std::string m_where;
    bool m_mounted = false;
};

} // namespace

TEST(DocumentFileRead, ReadsWholeFileAndRefusesWhatCannotBeRead) {
    TempFolder dir;
    std::vector<std::uint8_t> big(100000);
    for (std::size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<std::uint8_t>(i * 7);
    TempFolder::WriteBytes(dir.File("big"), big);
    EXPECT_EQ(DocumentFile::ReadWholeFile(dir.File("big")), big);

    TempFolder::WriteBytes(dir.File("empty"), {});
    EXPECT_TRUE(DocumentFile::ReadWholeFile(dir.File("empty")).empty());

    try {
        DocumentFile::ReadWholeFile(dir.File("missing"));
        FAIL();
    } catch (const CFileException& e) {
        EXPECT_EQ(e.m_cause, CFileException::fileNotFound);
    }
    EXPECT_THROW(DocumentFile::ReadWholeFile(dir.Path()), CFileException);
    ASSERT_EQ(::mkfifo(dir.File("pipe").c_str(), 0600), 0);
    try {
        DocumentFile::ReadWholeFile(dir.File("pipe"));
        FAIL();
    } catch (const CFileException& e) {
        EXPECT_EQ(e.m_cause, CFileException::invalidFile);
    }
    try {
        DocumentFile::ReadWholeFile(dir.File("big"), big.size() - 1);
        FAIL();
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::badSchema);
    }
    EXPECT_EQ(DocumentFile::ReadWholeFile(dir.File("big"), big.size()), big);
}

TEST(DocumentFileSave, ReplacesTargetKeepsModeAndLeavesNoTemporaryFile) {
    TempFolder dir;
    const std::string target = dir.File("doc.auvo");
    DocumentFile::WriteFileAtomically(target, {1, 2, 3});
    EXPECT_EQ(TempFolder::ReadBytes(target), (std::vector<std::uint8_t>{1, 2, 3}));

    ::chmod(target.c_str(), 0640);
    DocumentFile::WriteFileAtomically(target, {9});
    EXPECT_EQ(TempFolder::ReadBytes(target), (std::vector<std::uint8_t>{9}));
    struct stat st {};
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);

    DocumentFile::WriteFileAtomically(target, {});
    EXPECT_TRUE(TempFolder::ReadBytes(target).empty());
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"doc.auvo"});
}

TEST(DocumentFileSave, ThroughSymlinkReplacesTheLinkedFile) {
    TempFolder dir;
    TempFolder::WriteBytes(dir.File("real.auvo"), kOld);
    ASSERT_EQ(::symlink(dir.File("real.auvo").c_str(), dir.File("link.auvo").c_str()), 0);
    DocumentFile::WriteFileAtomically(dir.File("link.auvo"), {7, 7});
    struct stat st {};
    ASSERT_EQ(::lstat(dir.File("link.auvo").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(TempFolder::ReadBytes(dir.File("real.auvo")), (std::vector<std::uint8_t>{7, 7}));
}

TEST(DocumentFileSave, MissingFolderOrDirectoryTargetFailsWithoutTrace) {
    TempFolder dir;
    EXPECT_EQ(CauseOfWrite(dir.File("gone/doc.auvo"), kOld), CFileException::fileNotFound);
    EXPECT_TRUE(dir.Names().empty());

    std::filesystem::create_directory(dir.File("folder.auvo"));
    EXPECT_NE(CauseOfWrite(dir.File("folder.auvo"), kOld), CFileException::none);
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"folder.auvo"});
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("folder.auvo")));
}

TEST(DocumentFileSave, ReadOnlyFolderOrFileLeavesOldFileByteIdentical) {
    TempFolder dir;
    std::filesystem::create_directory(dir.File("ro"));
    const std::string inReadOnlyFolder = dir.File("ro/doc.auvo");
    const std::string readOnlyFile = dir.File("readonly.auvo");
    TempFolder::WriteBytes(inReadOnlyFolder, kOld);
    TempFolder::WriteBytes(readOnlyFile, kOld);
    ::chmod(dir.Path().c_str(), 0777);
    ::chmod(dir.File("ro").c_str(), 0555);
    ::chmod(readOnlyFile.c_str(), 0444);

    for (const std::string& target : {inReadOnlyFolder, readOnlyFile}) {
        const int cause = CauseAsOrdinaryUser([&] { return CauseOfWrite(target, {5, 5, 5}); });
        if (cause == kNoOrdinaryUser)
            GTEST_SKIP() << "cannot drop privileges";
        EXPECT_EQ(cause, CFileException::accessDenied) << target;
        EXPECT_EQ(TempFolder::ReadBytes(target), kOld) << target;
    }
    ::chmod(dir.File("ro").c_str(), 0755);
    EXPECT_EQ(std::filesystem::directory_iterator(dir.File("ro"))->path().filename(), "doc.auvo");
    EXPECT_EQ(dir.Names().size(), 2u);
}

TEST(DocumentFileSave, FullDiskAndReadOnlyMountLeaveOldFileByteIdentical) {
    TempFolder dir;
    SmallDisk disk(dir.Path());
    if (!disk.Mounted())
        GTEST_SKIP() << "tmpfs cannot be mounted here";
    const std::string target = dir.File("doc.auvo");
    DocumentFile::WriteFileAtomically(target, kOld);

    // Larger than the whole disk: the write itself runs out of space.
    EXPECT_EQ(CauseOfWrite(target, std::vector<std::uint8_t>(200 * 1024, 0x55)),
              CFileException::diskFull);
    EXPECT_EQ(TempFolder::ReadBytes(target), kOld);
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"doc.auvo"});

    ASSERT_TRUE(disk.RemountReadOnly());
    EXPECT_EQ(CauseOfWrite(target, {1}), CFileException::accessDenied);
    EXPECT_EQ(TempFolder::ReadBytes(target), kOld);
}
