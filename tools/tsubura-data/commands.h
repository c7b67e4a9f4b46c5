#pragma once

#include <QString>
#include <QStringList>

namespace tsubura::data_tool {

// Each command takes the program folder and its own options; the result is the exit status.
int runSummary(const QString &programDir, const QStringList &options);
int runRanking(const QString &programDir, const QStringList &options);
int runExport(const QString &programDir, const QStringList &options);
int runCheck(const QString &programDir, const QStringList &options);

}  // namespace tsubura::data_tool
