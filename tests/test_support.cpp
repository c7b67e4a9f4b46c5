#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

#include "shell/text_file.h"

namespace tsubura::test {

TempDir::TempDir() {
    if (!dir_.isValid()) throw std::runtime_error("cannot create a temporary folder");
}

QString TempDir::path() const { return dir_.path() + QLatin1Char('/'); }

void TempDir::writeText(const QString &name, const QStringList &lines) const {
    QString text;
    for (const QString &line : lines) text += line + QStringLiteral("\r\n");
    const auto bytes = encodeWindows31j(text);
    if (!bytes) throw std::runtime_error("text not representable in windows-31j");
    writeBytes(name, *bytes);
}

void TempDir::writeBytes(const QString &name, const QByteArray &bytes) const {
    const QString full = file(name);
    QDir().mkpath(QFileInfo(full).path());
    QFile f(full);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write test file");
}

QByteArray TempDir::readBytes(const QString &name) const {
    QFile f(file(name));
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

}  // namespace tsubura::test
