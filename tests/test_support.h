#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

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

}  // namespace tsubura::test
