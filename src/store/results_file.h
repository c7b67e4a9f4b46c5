#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "shell/core_error.h"
#include "shell/shared_state.h"
#include "store/result_record.h"

namespace tsubura {

inline const QString kResultsFileName = QStringLiteral("成績累積データ.dat");

QString resultsFilePath(const AppFolders &folders);

// A failure of the operating system, as the messages show it.
struct SystemError {
    int number = 0;        // errno
    QString description;   // for a person
};
SystemError systemError(int errnum);

// What a read of the file found. Records are numbered from 1.
struct ResultsSnapshot {
    std::vector<ResultRecord> records;  // the newest `maxRecords` whole records, oldest first
    std::int64_t totalRecords = 0;      // whole records in the file
    std::int64_t firstRecordNumber = 1; // number of records[0]
    int trailingBytes = 0;              // bytes of a partial record after the last whole one
};

enum class OpenMode {
    CreateIfMissing,  // the program: a missing file is created empty
    MustExist,        // tools: a missing file is an error
};

// Where a scan of the file starts and what it found at the end.
struct ResultsExtent {
    std::int64_t totalRecords = 0;       // whole records in the file
    std::int64_t firstRecordNumber = 1;  // number of the first record visited
    int trailingBytes = 0;               // bytes of a partial record after the last whole one
};

// Receives `count` packed records of 44 bytes, numbered from `firstNumber`, in file order.
// Returning false ends the scan early.
using RecordBlockVisitor = std::function<bool(const char *records, int count, std::int64_t firstNumber)>;

// As readResults, without unpacking: the records pass a block at a time through a small buffer,
// for readers that want a few fields of many records.
std::optional<SystemError> scanResults(const QString &path, std::int64_t maxRecords, OpenMode mode,
                                       const Pause &pause, const RecordBlockVisitor &visit,
                                       ResultsExtent *extent = nullptr);

// Opens `path` (created empty when missing, with CreateIfMissing), reads the newest
// `maxRecords` whole records under a shared lock and closes it. Lock contention is waited for
// with `pause` (one second at a time) for as long as it lasts; any other failure is returned.
std::optional<SystemError> readResults(const QString &path, std::int64_t maxRecords, OpenMode mode,
                                       const Pause &pause, ResultsSnapshot *out);

// Appends one record under a whole-file lock: the record number is (length / 44) + 1, so a
// partial trailing record is overwritten; the record is on disk (fsync) before the lock is
// released. Lock contention is waited for with `pause`; any other failure returns at once with
// the message "成績ランダムファイル記録" + description.
std::optional<CoreError> appendResult(const QString &path, const ResultRecord &record, const Pause &pause);

}  // namespace tsubura
