#pragma once

#include <QString>
#include <optional>

namespace tsubura {

struct SharedState;

inline const QString kPathFileName = QStringLiteral("パスデータ.txt");
inline const QString kCommonDataFileName = QStringLiteral("共通データ.txt");

struct StartUpError {
    QString path;
    QString message;  // what is wrong with the file
    // "path: message", as a box or a terminal shows it.
    QString text() const { return path + QStringLiteral(": ") + message; }
};

// Item 2 of the common data file: a leading five-character code when its first characters
// begin with a number that is not 0 ("12345さくら教室" → "12345" and "さくら教室").
struct SchoolLabelParts {
    QString code;
    QString label;
};
SchoolLabelParts splitSchoolLabel(const QString &item);

// programDir + "../パスデータ.txt": item 1 is the data root; items 2 to 10 are read and dropped.
std::optional<StartUpError> readPathFile(SharedState &state);
// dataRoot + "共通データ.txt": items 1 to 10 into the common settings.
std::optional<StartUpError> readCommonDataFile(SharedState &state);

}  // namespace tsubura
