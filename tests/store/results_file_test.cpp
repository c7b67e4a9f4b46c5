#include <gtest/gtest.h>

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

#include "store/results_file.h"
#include "test_support.h"

namespace tsubura {
namespace {

using test::TempDir;

ResultRecord run(int student, std::int32_t seconds) {
    return makeResultRecord(QDateTime(QDate(2024, 5, 10), QTime(15, 30)), student, 3, seconds, QStringLiteral("S01"));
}

QByteArray bytesOf(const ResultRecord &r) {
    const PackedRecord p = packRecord(r);
    return QByteArray(p.data(), kRecordSize);
}

// Counts the waits and fails the test if anything waits that should not.
struct CountingPause {
    std::vector<int> waits;
    Pause pause() {
        return [this](int ms) { waits.push_back(ms); };
    }
};

// A lock held by someone else: its own open file description, as another machine's would be.
class ForeignLock {
public:
    ForeignLock(const QString &path, short type) {
        fd_ = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT, 0666);
        struct flock lock {};
        lock.l_type = type;
        lock.l_whence = SEEK_SET;
        if (fd_ < 0 || ::fcntl(fd_, F_OFD_SETLK, &lock) != 0) ADD_FAILURE() << "cannot take the lock";
    }
    ~ForeignLock() { release(); }
    void release() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }

private:
    int fd_ = -1;
};

TEST(ResultsFile, FirstAppendCreatesTheFileWithRecordOneAtOffsetZero) {
    TempDir dir;
    const QString path = dir.file(kResultsFileName);
    const ResultRecord r = makeResultRecord(QDateTime(QDate(2024, 5, 10), QTime(15, 30)), 12, 3, 41, QString());
    CountingPause pause;

    ASSERT_FALSE(appendResult(path, r, pause.pause()));

    const QByteArray file = dir.readBytes(kResultsFileName);
    ASSERT_EQ(file.size(), kRecordSize);
    EXPECT_EQ(file, bytesOf(r));
    EXPECT_EQ(file.mid(24, 5), QByteArray("     "));  // empty school code
    EXPECT_TRUE(pause.waits.empty());
}

TEST(ResultsFile, AppendWritesAfterTheLastWholeRecord) {
    const struct {
        int existingBytes;
        int expectedOffset;
    } cases[] = {
        {88, 88},  // record 3
        {50, 44},  // the partial second record is overwritten from its start
        {43, 0},
    };
    for (const auto &c : cases) {
        TempDir dir;
        QByteArray existing(c.existingBytes, 'x');
        dir.writeBytes(kResultsFileName, existing);
        CountingPause pause;

        ASSERT_FALSE(appendResult(dir.file(kResultsFileName), run(7, 30), pause.pause()));

        const QByteArray file = dir.readBytes(kResultsFileName);
        EXPECT_EQ(file.size(), std::max(c.existingBytes, c.expectedOffset + kRecordSize)) << c.existingBytes;
        EXPECT_EQ(file.left(c.expectedOffset), existing.left(c.expectedOffset)) << c.existingBytes;
        EXPECT_EQ(file.mid(c.expectedOffset, kRecordSize), bytesOf(run(7, 30))) << c.existingBytes;
    }
}

TEST(ResultsFile, ConcurrentAppendsFromSeveralProcessesNeverShareARecord) {
    TempDir dir;
    const QString path = dir.file(kResultsFileName);
    constexpr int kProcesses = 4;
    constexpr int kAppends = 50;

    std::vector<pid_t> children;
    for (int p = 1; p <= kProcesses; ++p) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            const Pause shortWait = [](int) { ::usleep(1000); };  // keeps the test quick and the contention high
            for (int k = 0; k < kAppends; ++k)
                if (appendResult(path, run(p, k), shortWait)) ::_exit(1);
            ::_exit(0);
        }
        children.push_back(pid);
    }
    for (const pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }

    const QByteArray file = dir.readBytes(kResultsFileName);
    ASSERT_EQ(file.size(), kProcesses * kAppends * kRecordSize);
    std::set<std::pair<int, int>> seen;
    for (int i = 0; i < kProcesses * kAppends; ++i) {
        const ResultRecord r = unpackRecord(file.constData() + i * kRecordSize);
        EXPECT_EQ(file.mid(i * kRecordSize, kRecordSize), bytesOf(run(r.studentNo, r.seconds))) << "record " << i + 1;
        seen.insert({r.studentNo, r.seconds});
    }
    EXPECT_EQ(seen.size(), std::size_t(kProcesses * kAppends));
}

TEST(ResultsFile, AppendWaitsOneSecondAtATimeWhileAnotherHolderHasTheLock) {
    TempDir dir;
    const QString path = dir.file(kResultsFileName);
    ForeignLock other(path, F_RDLCK);  // even a reader's lock keeps the writer out
    std::vector<int> waits;
    const Pause pause = [&](int ms) {
        waits.push_back(ms);
        if (waits.size() == 3) other.release();
    };

    ASSERT_FALSE(appendResult(path, run(5, 25), pause));

    EXPECT_EQ(waits, (std::vector<int>{1000, 1000, 1000}));
    EXPECT_EQ(dir.readBytes(kResultsFileName), bytesOf(run(5, 25)));
}

TEST(ResultsFile, ReadWaitsForAnAppendInProgress) {
    TempDir dir;
    const QString path = dir.file(kResultsFileName);
    dir.writeBytes(kResultsFileName, bytesOf(run(1, 10)));
    ForeignLock writer(path, F_WRLCK);
    int waits = 0;
    const Pause pause = [&](int) {
        if (++waits == 2) writer.release();
    };

    ResultsSnapshot snapshot;
    ASSERT_FALSE(readResults(path, 100, OpenMode::MustExist, pause, &snapshot));
    EXPECT_EQ(waits, 2);
    EXPECT_EQ(snapshot.records.size(), 1u);
}

TEST(ResultsFile, FailuresOtherThanTheLockAreReportedAtOnce) {
    TempDir dir;
    dir.writeBytes("plain-file", "x");
    struct Case {
        QString path;
        QString description;
    };
    std::vector<Case> cases = {
        {dir.file("plain-file/") + kResultsFileName, systemError(ENOTDIR).description},
        {dir.file("no-such-folder/") + kResultsFileName, systemError(ENOENT).description},
    };
    if (QFile::exists(QStringLiteral("/dev/full"))) cases.push_back({QStringLiteral("/dev/full"), systemError(ENOSPC).description});
    if (::geteuid() != 0) {
        // Permissions bind only a user without root's override.
        dir.writeBytes("locked/keep", "");
        QFile::setPermissions(dir.file("locked"), QFile::ReadOwner | QFile::ExeOwner);
        cases.push_back({dir.file("locked/") + kResultsFileName, systemError(EACCES).description});
    }

    for (const Case &c : cases) {
        CountingPause pause;
        const std::optional<CoreError> error = appendResult(c.path, run(1, 20), pause.pause());
        ASSERT_TRUE(error) << c.path.toStdString();
        EXPECT_EQ(error->message, QStringLiteral("成績ランダムファイル記録") + c.description);
        EXPECT_TRUE(pause.waits.empty()) << c.path.toStdString();
    }
}

TEST(ResultsFile, ReadReturnsOnlyTheNewestWholeRecords) {
    TempDir dir;
    QByteArray bytes;
    for (int k = 1; k <= 5; ++k) bytes += bytesOf(run(k, 10 * k));
    bytes += QByteArray(10, 'z');  // a torn record at the end
    dir.writeBytes(kResultsFileName, bytes);

    ResultsSnapshot snapshot;
    ASSERT_FALSE(readResults(dir.file(kResultsFileName), 3, OpenMode::MustExist, sleepingPause(), &snapshot));
    EXPECT_EQ(snapshot.totalRecords, 5);
    EXPECT_EQ(snapshot.firstRecordNumber, 3);
    EXPECT_EQ(snapshot.trailingBytes, 10);
    ASSERT_EQ(snapshot.records.size(), 3u);
    EXPECT_EQ(snapshot.records[0].studentNo, 3);
    EXPECT_EQ(snapshot.records[2].seconds, 50);

    ASSERT_FALSE(readResults(dir.file(kResultsFileName), 100, OpenMode::MustExist, sleepingPause(), &snapshot));
    EXPECT_EQ(snapshot.firstRecordNumber, 1);
    EXPECT_EQ(snapshot.records.size(), 5u);
}

TEST(ResultsFile, AMissingFileIsCreatedEmptyOrReportedByMode) {
    TempDir dir;
    const QString path = dir.file(kResultsFileName);
    ResultsSnapshot snapshot;

    const std::optional<SystemError> missing = readResults(path, 10, OpenMode::MustExist, sleepingPause(), &snapshot);
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->number, ENOENT);
    EXPECT_FALSE(QFile::exists(path));

    ASSERT_FALSE(readResults(path, 10, OpenMode::CreateIfMissing, sleepingPause(), &snapshot));
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(snapshot.totalRecords, 0);
    EXPECT_TRUE(snapshot.records.empty());
}

TEST(ResultsFile, SystemErrorDescribesCommonFailuresInJapanese) {
    for (const int e : {ENOENT, EACCES, ENOSPC, EROFS}) {
        const SystemError s = systemError(e);
        EXPECT_EQ(s.number, e);
        EXPECT_FALSE(s.description.isEmpty());
        EXPECT_GT(s.description.front().unicode(), 0x3000) << e;  // Japanese, not the C library's English
    }
    EXPECT_EQ(systemError(EIO).description, QString::fromLocal8Bit(std::strerror(EIO)));
}

TEST(ResultsFile, PathIsTheDataFolderAndTheFileNameWithoutAddedSeparator) {
    AppFolders folders;
    folders.programDataDir = QStringLiteral("/data/ツブラ/");
    EXPECT_EQ(resultsFilePath(folders), QStringLiteral("/data/ツブラ/成績累積データ.dat"));
}

}  // namespace
}  // namespace tsubura
