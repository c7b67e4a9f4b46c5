#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>

#include "shell/value.h"

namespace tsubura {

// One row of the criteria table. Row 0 holds the heading line, read as data.
struct LevelCriteria {
    std::int32_t targetTime = 0;
    std::int32_t minTime = 0;
    std::int32_t clearPoints = 0;
    std::int16_t clearCount = 0;
    float pointMultiplier = 0;
    Value overuseCount;
    Value overusePoints;
    Value recentDays;
    Value overuseDays;
    Value spareColumn10;
    Value spareColumn11;
    Value spareColumn12;
};

constexpr int kLevelSlots = 36;         // level index 0..35
constexpr int kCriteriaColumns = 12;
constexpr int kMaxCriteriaLines = 36;   // heading plus levels 1..35
using CriteriaTable = std::array<LevelCriteria, kLevelSlots>;

inline const QString kCriteriaFileName = QStringLiteral("タイム回数データ.txt");

// The heading cells of the file's first line: nine headings and three empty cells.
QStringList criteriaHeadings();

struct CriteriaError {
    QString path;
    QString message;
};

// Reads the criteria file into rows 0.. of the table; rows beyond the file keep what they held.
// Fails, naming the file, when it is missing, ends inside a row or has more than 36 lines; the
// table is then left as it was. *lastRow receives the last row the file filled (0: heading only).
std::optional<CriteriaError> loadCriteria(const QString &path, CriteriaTable &table, int *lastRow = nullptr);

// One row as the file's twelve cells (the editor's grid columns).
QStringList criteriaCells(const LevelCriteria &row);
// The file's lines for rows 0..lastRow: the heading line first, then one line per level.
QStringList criteriaFileLines(const CriteriaTable &table, int lastRow);
// Writes the file safely (the old file stays until the new one is complete). A cell that holds a
// comma, a quote or a line break cannot be written without corrupting the table and is refused.
std::optional<CriteriaError> saveCriteria(const QString &path, const CriteriaTable &table, int lastRow);

// Sets a row from twelve cell texts as the loader reads them (used by the loader and the editor).
LevelCriteria criteriaFromCells(const QStringList &cells, const QList<bool> &quoted = {});

}  // namespace tsubura
