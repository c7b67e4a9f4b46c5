#include "store/level_criteria.h"

#include <limits>

#include "shell/item_reader.h"
#include "shell/text_file.h"

namespace tsubura {

QStringList criteriaHeadings() {
    return {QStringLiteral("目標Time"), QStringLiteral("最低Time"), QStringLiteral("ｸﾘｱﾎﾟｲﾝﾄ"),
            QStringLiteral("ｸﾘｱ回数"),  QStringLiteral("ﾎﾟｲﾝﾄ倍率"), QStringLiteral("禁回"),
            QStringLiteral("禁点"),     QStringLiteral("判期間"),   QStringLiteral("禁期間"),
            QString(),                  QString(),                  QString()};
}

namespace {

// A numeric column: a non-number reads 0, a decimal is rounded to the column's type.
template <typename Int>
std::optional<Int> wholeCell(const QString &text) {
    const std::optional<long long> whole = itemToWhole(text);
    if (!whole) return Int(0);
    if (*whole < std::numeric_limits<Int>::min() || *whole > std::numeric_limits<Int>::max()) return std::nullopt;
    return Int(*whole);
}

const char *const kColumnNames[kCriteriaColumns] = {"目標Time", "最低Time", "ｸﾘｱﾎﾟｲﾝﾄ", "ｸﾘｱ回数", "ﾎﾟｲﾝﾄ倍率", "禁回",
                                                   "禁点",     "判期間",   "禁期間",   "10列目",  "11列目",   "12列目"};

// Checks that a row's numeric cells fit their columns; the name of the first that does not.
std::optional<QString> outOfRangeColumn(const QStringList &cells) {
    if (!wholeCell<std::int32_t>(cells[0])) return QString::fromUtf8(kColumnNames[0]);
    if (!wholeCell<std::int32_t>(cells[1])) return QString::fromUtf8(kColumnNames[1]);
    if (!wholeCell<std::int32_t>(cells[2])) return QString::fromUtf8(kColumnNames[2]);
    if (!wholeCell<std::int16_t>(cells[3])) return QString::fromUtf8(kColumnNames[3]);
    return std::nullopt;
}

}  // namespace

LevelCriteria criteriaFromCells(const QStringList &cells, const QList<bool> &quoted) {
    auto cell = [&](int i) { return i < cells.size() ? cells[i] : QString(); };
    auto value = [&](int i) { return Value::fromItem(cell(i), i < quoted.size() && quoted[i]); };
    LevelCriteria row;
    row.targetTime = wholeCell<std::int32_t>(cell(0)).value_or(0);
    row.minTime = wholeCell<std::int32_t>(cell(1)).value_or(0);
    row.clearPoints = wholeCell<std::int32_t>(cell(2)).value_or(0);
    row.clearCount = wholeCell<std::int16_t>(cell(3)).value_or(0);
    double multiplier = 0;
    row.pointMultiplier = parseNumber(cell(4), &multiplier) ? float(multiplier) : 0.0f;
    row.overuseCount = value(5);
    row.overusePoints = value(6);
    row.recentDays = value(7);
    row.overuseDays = value(8);
    row.spareColumn10 = value(9);
    row.spareColumn11 = value(10);
    row.spareColumn12 = value(11);
    return row;
}

std::optional<CriteriaError> loadCriteria(const QString &path, CriteriaTable &table, int *lastRow) {
    FileError fileError;
    std::optional<ItemReader> reader = ItemReader::open(path, &fileError);
    if (!reader) return CriteriaError{path, fileError.message};

    // Read everything first, so a bad file leaves the table as it was.
    CriteriaTable loaded = table;
    int row = -1;
    while (!reader->atEnd()) {
        ++row;
        const int line = reader->line();
        if (row >= kMaxCriteriaLines)
            return CriteriaError{path, QStringLiteral("%1行目: 行が多すぎます（見出しとレベル35までの36行まで）").arg(line)};
        QStringList cells;
        QList<bool> quoted;
        for (int column = 0; column < kCriteriaColumns; ++column) {
            std::optional<Item> item = reader->next();
            if (!item)
                return CriteriaError{path, QStringLiteral("%1行目: 項目が足りません（12項目のうち%2項目で終わっています）")
                                               .arg(line)
                                               .arg(column)};
            cells << item->text;
            quoted << item->quoted;
        }
        if (row > 0) {
            if (std::optional<QString> column = outOfRangeColumn(cells))
                return CriteriaError{path, QStringLiteral("%1行目: %2の値が大きすぎます").arg(line).arg(*column)};
        }
        loaded[std::size_t(row)] = criteriaFromCells(cells, quoted);
    }
    table = loaded;
    if (lastRow) *lastRow = row;
    return std::nullopt;
}

QStringList criteriaCells(const LevelCriteria &row) {
    return {QString::number(row.targetTime), QString::number(row.minTime), QString::number(row.clearPoints),
            QString::number(row.clearCount), numberText(row.pointMultiplier), row.overuseCount.toText(),
            row.overusePoints.toText(),      row.recentDays.toText(),          row.overuseDays.toText(),
            row.spareColumn10.toText(),      row.spareColumn11.toText(),       row.spareColumn12.toText()};
}

QStringList criteriaFileLines(const CriteriaTable &table, int lastRow) {
    QStringList lines{criteriaHeadings().join(QLatin1Char(','))};
    for (int row = 1; row <= lastRow && row < kLevelSlots; ++row)
        lines << criteriaCells(table[std::size_t(row)]).join(QLatin1Char(','));
    return lines;
}

std::optional<CriteriaError> saveCriteria(const QString &path, const CriteriaTable &table, int lastRow) {
    for (int row = 1; row <= lastRow && row < kLevelSlots; ++row) {
        for (const QString &cell : criteriaCells(table[std::size_t(row)])) {
            if (cell.contains(QLatin1Char(',')) || cell.contains(QLatin1Char('"')) || cell.contains(QLatin1Char('\n')) ||
                cell.contains(QLatin1Char('\r')))
                return CriteriaError{path, QStringLiteral("レベル%1: 「%2」にはカンマ・引用符・改行を使えません").arg(row).arg(cell)};
        }
    }
    FileError error;
    if (!writeTextFile(path, criteriaFileLines(table, lastRow), &error)) return CriteriaError{path, error.message};
    return std::nullopt;
}

}  // namespace tsubura
