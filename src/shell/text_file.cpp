#include "shell/text_file.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace tsubura {

namespace {
constexpr const char *kCodePage = "windows-31j";
}

QString decodeWindows31j(const QByteArray &bytes) {
    QStringDecoder decoder(kCodePage);
    return decoder.decode(bytes);
}

std::optional<QByteArray> encodeWindows31j(const QString &text) {
    QStringEncoder encoder(kCodePage);
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError()) return std::nullopt;
    return bytes;
}

std::optional<QString> readTextFile(const QString &path, FileError *error) {
    QFile file(path);
    if (!file.exists()) {
        *error = {path, QStringLiteral("ファイルがありません"), 53};
        return std::nullopt;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *error = {path, QStringLiteral("ファイルを開けません: ") + file.errorString(), 75};
        return std::nullopt;
    }
    return decodeWindows31j(file.readAll());
}

bool writeTextFile(const QString &path, const QStringList &lines, FileError *error) {
    QString text;
    for (const QString &line : lines) text += line + QStringLiteral("\r\n");
    const std::optional<QByteArray> bytes = encodeWindows31j(text);
    if (!bytes) {
        *error = {path, QStringLiteral("Shift-JIS で書けない文字があります"), 0};
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(*bytes) != bytes->size() || !file.commit()) {
        *error = {path, QStringLiteral("書き込めません: ") + file.errorString(), 75};
        return false;
    }
    return true;
}

}  // namespace tsubura
