#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace tsubura {

// The school's text files are windows-31j (Shift-JIS with the Windows extensions: ①, Ⅰ, ★,
// half-width kana) with CR LF line ends.
QString decodeWindows31j(const QByteArray &bytes);
// Empty optional when the text holds a character the code page cannot represent.
std::optional<QByteArray> encodeWindows31j(const QString &text);

struct FileError {
    QString path;
    QString message;  // what went wrong, for a person
    int errorNumber = 0;
};

// Reads a whole text file. On failure fills *error (path and reason) and returns nothing.
std::optional<QString> readTextFile(const QString &path, FileError *error);

// Writes lines joined by CR LF (a CR LF after the last line too), replacing the file only once
// everything is on disk, so a failure never leaves a half-written file behind.
bool writeTextFile(const QString &path, const QStringList &lines, FileError *error);

}  // namespace tsubura
