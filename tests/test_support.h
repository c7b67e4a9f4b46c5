#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <vector>

#include "store/result_record.h"

namespace tsubura {
struct SharedState;
}

namespace tsubura::test {

// A throw-away folder for one test.
class TempDir {
public:
    TempDir();
    // Folder path with a trailing "/".
    QString path() const;
    QString file(const QString &name) const { return path() + name; }
    // Writes lines as windows-31j with CR LF, creating parent folders.
    void writeText(const QString &name, const QStringList &lines) const;
    void writeBytes(const QString &name, const QByteArray &bytes) const;
    QByteArray readBytes(const QString &name) const;

private:
    QTemporaryDir dir_;
};

// A small installation in `dir`: program folder "ツブラ/", data root "data/" with the common data
// file, an empty roster, a criteria table of three levels and a sound configuration.
// Returns the program folder (ending with "/").
QString writeInstallation(const TempDir &dir);

// Levels 1 to 7 with target time 20, multiplier 1, a 7-day recent period and a 3-day over-use period.
void setPlainCriteria(SharedState &state);

// The first 100 records of the state's results file.
std::vector<ResultRecord> storedRecords(const SharedState &state);

}  // namespace tsubura::test
