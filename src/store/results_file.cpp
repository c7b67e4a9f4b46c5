#include "store/results_file.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tsubura {

namespace {

// Open-file-description locks belong to the descriptor, not the process, so two opens of the
// file in one process exclude each other too; plain record locks are the fallback elsewhere.
#ifdef F_OFD_SETLK
constexpr int kSetLock = F_OFD_SETLK;
#else
constexpr int kSetLock = F_SETLK;
#endif

constexpr int kLockRetryMs = 1000;

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closes now and reports what close() said (a network share may report a late write error).
    int closeNow() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0 ? 0 : errno;
    }

private:
    int fd_;
};

int openFile(const QString &path, int flags, int *error) {
    const QByteArray name = QFile::encodeName(path);
    for (;;) {
        const int fd = ::open(name.constData(), flags | O_CLOEXEC, 0666);
        if (fd >= 0) return fd;
        if (errno != EINTR) {
            *error = errno;
            return -1;
        }
    }
}

// Waits out another holder of the lock one second at a time; any other failure is returned.
int lockWholeFile(int fd, short type, const Pause &pause) {
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = 0;
    lock.l_len = 0;  // to the end, however far the file grows
    for (;;) {
        if (::fcntl(fd, kSetLock, &lock) == 0) return 0;
        const int e = errno;
        if (e == EINTR) continue;
        if (e == EAGAIN || e == EACCES) {
            pause(kLockRetryMs);
            continue;
        }
        return e;
    }
}

int unlockWholeFile(int fd) {
    struct flock lock {};
    lock.l_type = F_UNLCK;
    lock.l_whence = SEEK_SET;
    for (;;) {
        if (::fcntl(fd, kSetLock, &lock) == 0) return 0;
        if (errno != EINTR) return errno;
    }
}

int writeAll(int fd, const char *data, std::size_t size, off_t offset) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::pwrite(fd, data + done, size - done, offset + off_t(done));
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (n == 0) return EIO;
        done += std::size_t(n);
    }
    return 0;
}

// Reads up to `size` bytes; *got tells how many arrived before the end of the file.
int readAll(int fd, char *data, std::size_t size, off_t offset, std::size_t *got) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::pread(fd, data + done, size - done, offset + off_t(done));
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (n == 0) break;
        done += std::size_t(n);
    }
    *got = done;
    return 0;
}

SystemError fail(int errnum) { return systemError(errnum); }

}  // namespace

QString resultsFilePath(const AppFolders &folders) { return folders.programDataDir + kResultsFileName; }

SystemError systemError(int errnum) {
    QString text;
    switch (errnum) {
    case ENOENT: text = QStringLiteral("ファイルが見つかりません。"); break;
    case EACCES:
    case EPERM: text = QStringLiteral("書き込みできません。"); break;
    case ENOSPC: text = QStringLiteral("ディスクの空き容量が足りません。"); break;
    case EROFS: text = QStringLiteral("ディスクは書き込み禁止です。"); break;
    case ENOTDIR: text = QStringLiteral("パスが見つかりません。"); break;
    default: text = QString::fromLocal8Bit(std::strerror(errnum)); break;
    }
    return {errnum, text};
}

std::optional<SystemError> scanResults(const QString &path, std::int64_t maxRecords, OpenMode mode,
                                       const Pause &pause, const RecordBlockVisitor &visit,
                                       ResultsExtent *extent) {
    ResultsExtent found;
    if (extent) *extent = found;

    int error = 0;
    // Read-only first, so a file on a read-only share can still be shown.
    int fd = openFile(path, O_RDONLY, &error);
    if (fd < 0 && error == ENOENT && mode == OpenMode::CreateIfMissing) fd = openFile(path, O_RDWR | O_CREAT, &error);
    if (fd < 0) return fail(error);
    FileDescriptor file(fd);

    // A shared lock keeps a half-written append out of what we read.
    if (const int e = lockWholeFile(file.get(), F_RDLCK, pause)) return fail(e);

    struct stat st {};
    if (::fstat(file.get(), &st) != 0) return fail(errno);
    const std::int64_t size = st.st_size;
    found.totalRecords = size / kRecordSize;
    found.trailingBytes = int(size % kRecordSize);
    const std::int64_t wanted = std::clamp<std::int64_t>(maxRecords, 0, found.totalRecords);
    found.firstRecordNumber = found.totalRecords - wanted + 1;
    if (extent) *extent = found;

    // A block that stays in the cache, instead of the whole file at once.
    constexpr int kBlockRecords = 2048;
    const auto block = std::make_unique_for_overwrite<char[]>(std::size_t(kBlockRecords) * kRecordSize);
    std::int64_t number = found.firstRecordNumber;
    const std::int64_t end = found.firstRecordNumber + wanted;
    while (number < end) {
        const int count = int(std::min<std::int64_t>(kBlockRecords, end - number));
        std::size_t got = 0;
        if (const int e = readAll(file.get(), block.get(), std::size_t(count) * kRecordSize,
                                  off_t(number - 1) * kRecordSize, &got))
            return fail(e);
        const int whole = int(got / kRecordSize);
        if (whole > 0 && !visit(block.get(), whole, number)) break;
        if (whole < count) break;  // the file was cut short meanwhile
        number += whole;
    }
    return std::nullopt;
}

std::optional<SystemError> readResults(const QString &path, std::int64_t maxRecords, OpenMode mode,
                                       const Pause &pause, ResultsSnapshot *out) {
    out->records.clear();
    ResultsExtent extent;
    const std::optional<SystemError> error = scanResults(
        path, maxRecords, mode, pause,
        [out](const char *records, int count, std::int64_t) {
            for (int i = 0; i < count; ++i) out->records.push_back(unpackRecord(records + i * kRecordSize));
            return true;
        },
        &extent);
    out->totalRecords = extent.totalRecords;
    out->firstRecordNumber = extent.firstRecordNumber;
    out->trailingBytes = extent.trailingBytes;
    return error;
}

std::optional<CoreError> appendResult(const QString &path, const ResultRecord &record, const Pause &pause) {
    const auto failure = [](int errnum) {
        return CoreError{QStringLiteral("成績ランダムファイル記録") + systemError(errnum).description};
    };

    int error = 0;
    const int fd = openFile(path, O_RDWR | O_CREAT, &error);
    if (fd < 0) return failure(error);
    FileDescriptor file(fd);

    // The lock spans from before the end is measured until the record is on disk, so two
    // machines appending at once never pick the same record number.
    if (const int e = lockWholeFile(file.get(), F_WRLCK, pause)) return failure(e);

    struct stat st {};
    if (::fstat(file.get(), &st) != 0) return failure(errno);
    // Record number (length / 44) + 1: a partial trailing record is overwritten from its start.
    const off_t offset = off_t(st.st_size / kRecordSize) * kRecordSize;

    const PackedRecord bytes = packRecord(record);
    if (const int e = writeAll(file.get(), bytes.data(), bytes.size(), offset)) return failure(e);
    if (::fsync(file.get()) != 0) return failure(errno);

    if (const int e = unlockWholeFile(file.get())) return failure(e);
    if (const int e = file.closeNow()) return failure(e);
    return std::nullopt;
}

}  // namespace tsubura
