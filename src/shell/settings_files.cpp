#include "shell/settings_files.h"

#include <QDir>
#include <QStringList>

#include "shell/item_reader.h"
#include "shell/shared_state.h"

namespace tsubura {

namespace {

constexpr int kSettingsItems = 10;

// Reads the file's first ten items; an error names the file and how far it got.
std::optional<StartUpError> readTenItems(const QString &path, QList<Item> *items) {
    FileError fileError;
    std::optional<ItemReader> reader = ItemReader::open(path, &fileError);
    if (!reader) return StartUpError{path, fileError.message};
    for (int i = 0; i < kSettingsItems; ++i) {
        std::optional<Item> item = reader->next();
        if (!item)
            return StartUpError{path, QStringLiteral("項目が足りません（10項目が必要ですが%1項目しかありません）").arg(i)};
        items->append(*item);
    }
    return std::nullopt;
}

// The number a text begins with, as a leading-digits reading gives it ("12a45" → 12).
double leadingNumber(const QString &text) {
    qsizetype end = 0;
    while (end < text.size() && text[end].unicode() >= '0' && text[end].unicode() <= '9') ++end;
    return end == 0 ? 0 : text.left(end).toDouble();
}

}  // namespace

SchoolLabelParts splitSchoolLabel(const QString &item) {
    const QString firstFive = item.left(5);
    if (leadingNumber(firstFive) != 0) return {firstFive, item.mid(5)};
    return {QString(), item};
}

std::optional<StartUpError> readPathFile(SharedState &state) {
    QList<Item> items;
    // The path file sits beside the program folder, shared by every program of the installation.
    const QString path = QDir::cleanPath(state.folders.programDir + QStringLiteral("../") + kPathFileName);
    if (auto error = readTenItems(path, &items)) return error;
    state.folders.dataRoot = items[0].text;
    return std::nullopt;
}

std::optional<StartUpError> readCommonDataFile(SharedState &state) {
    QList<Item> items;
    const QString path = state.folders.dataRoot + kCommonDataFileName;
    if (auto error = readTenItems(path, &items)) return error;
    state.schoolYearStartMonth = Value::fromItem(items[0].text, items[0].quoted);
    const SchoolLabelParts parts = splitSchoolLabel(items[1].text);
    state.schoolCode = parts.code;
    state.schoolLabel = parts.label;
    state.nameListSwitch = Value::fromItem(items[2].text, items[2].quoted);
    state.dataChangePassword = Value::fromItem(items[5].text, items[5].quoted);
    return std::nullopt;
}

}  // namespace tsubura
