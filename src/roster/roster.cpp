#include "roster/roster.h"

#include <limits>

#include "roster/grades.h"
#include "shell/item_reader.h"
#include "shell/shared_state.h"

namespace tsubura {

namespace {

// Error numbers as the program has always reported them.
constexpr int kTypeMismatch = 13;
constexpr int kOverflow = 6;
constexpr int kPastEndOfFile = 62;
constexpr int kOutOfRange = 9;

constexpr int kItemsPerStudent = 8;

const char *const kItemNames[kItemsPerStudent] = {"番号", "生まれ年", "予備1", "予備2",
                                                  "名前", "状態", "予備文字1", "予備文字2"};

QString itemLabel(int index) {
    return QStringLiteral("%1（%2 項目め）").arg(QString::fromUtf8(kItemNames[index])).arg(index + 1);
}

// Plain decimal integers, the usual roster item, without the general number parser: this runs
// six times per student at every refresh of the name list.
std::optional<long long> plainInteger(const QString &text) {
    qsizetype i = 0;
    const bool negative = text.at(0) == QLatin1Char('-');
    if (negative || text.at(0) == QLatin1Char('+')) ++i;
    if (i == text.size() || text.size() - i > 9) return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9') return std::nullopt;
        value = value * 10 + (c - u'0');
    }
    return negative ? -value : value;
}

class RosterParser {
public:
    RosterParser(ItemReader &reader, QString path) : reader_(reader), path_(std::move(path)) {}

    // The next item of the current group, or nothing (error_ set) when the file ends.
    const Item *nextItem(int index, int groupLine) {
        std::optional<Item> item = reader_.next();
        if (!item) {
            fail(groupLine, QStringLiteral("項目の途中でファイルが終わっています（8 項目のうち %1 項目しかありません）").arg(index),
                 kPastEndOfFile);
            return nullptr;
        }
        current_ = std::move(*item);
        return &current_;
    }

    // An int16 item: empty reads 0; a text or a number out of range is an error.
    bool readInt16(int index, int groupLine, std::int16_t *out) {
        const Item *item = nextItem(index, groupLine);
        if (!item) return false;
        if (item->text.isEmpty()) {
            *out = 0;
            return true;
        }
        std::optional<long long> whole = plainInteger(item->text);
        if (!whole) whole = itemToWhole(item->text);  // fractions, long digit runs
        if (!whole) {
            fail(item->line, QStringLiteral("%1が数値ではありません（\"%2\"）").arg(itemLabel(index), item->text),
                 kTypeMismatch);
            return false;
        }
        if (*whole < std::numeric_limits<std::int16_t>::min() || *whole > std::numeric_limits<std::int16_t>::max()) {
            fail(item->line, QStringLiteral("%1が -32768～32767 の範囲外です（%2）").arg(itemLabel(index), item->text),
                 kOverflow);
            return false;
        }
        *out = static_cast<std::int16_t>(*whole);
        return true;
    }

    bool readText(int index, int groupLine, QString *out) {
        const Item *item = nextItem(index, groupLine);
        if (!item) return false;
        *out = fixedField(item->text);
        return true;
    }

    void fail(int line, QString message, int number) { error_ = RosterError{path_, line, std::move(message), number}; }

    std::optional<RosterError> error_;

private:
    ItemReader &reader_;
    QString path_;
    Item current_;
};

}  // namespace

QString RosterError::where() const {
    if (line <= 0) return path;
    return QStringLiteral("%1 %2 行目").arg(path).arg(line);
}

QString RosterError::text() const { return where() + QStringLiteral(": ") + message; }

std::optional<RosterError> loadRoster(SharedState &state, const QDate &today, const RosterEntryStep &step) {
    state.schoolYear = schoolYearOf(today, state.schoolYearStartMonth);

    const QString path = state.folders.dataRoot + kRosterFileName;
    FileError fileError;
    std::optional<ItemReader> reader = ItemReader::open(path, &fileError);
    if (!reader) return RosterError{path, 0, fileError.message, fileError.errorNumber};

    const bool listStatus2 = state.nameListSwitch.toNumber() == 1;
    RosterParser parser(*reader, path);
    int listed = 0;
    // Positions 1..listed always hold students of this file that the step has seen.
    auto failed = [&]() {
        state.rosterCount = listed;
        return parser.error_;
    };

    while (!reader->atEnd()) {
        const int groupLine = reader->line();
        if (listed == kMaxListedStudents) {
            parser.fail(groupLine,
                        QStringLiteral("名簿に載せられるのは %1 人までです").arg(kMaxListedStudents), kOutOfRange);
            return failed();
        }
        // An unlisted line is read into the next free position and overwritten by the line after it.
        const int position = listed + 1;
        StudentEntry &entry = state.roster[std::size_t(position)];
        std::int16_t status = 0;
        if (!parser.readInt16(0, groupLine, &entry.number) || !parser.readInt16(1, groupLine, &entry.birthYear) ||
            !parser.readInt16(2, groupLine, &entry.reserved1) || !parser.readInt16(3, groupLine, &entry.reserved2) ||
            !parser.readText(4, groupLine, &entry.name) || !parser.readInt16(5, groupLine, &status) ||
            !parser.readText(6, groupLine, &entry.reservedText1) || !parser.readText(7, groupLine, &entry.reservedText2))
            return failed();

        if (entry.number < 0 || entry.number >= kStudentSlots) {
            parser.fail(groupLine,
                        QStringLiteral("番号 %1 が 0～%2 の範囲外です").arg(entry.number).arg(kStudentSlots - 1),
                        kOutOfRange);
            return failed();
        }
        if (status == 2 && listStatus2) status = 0;

        // The by-number tables take every line, listed or not.
        const auto number = std::size_t(entry.number);
        state.rosterNames[number] = entry.name;
        state.rosterBirthYears[number] = entry.birthYear;
        state.rosterNumbers[std::size_t(position)] = entry.number;
        if (std::optional<QString> label = fullGradeLabel(gradeIndexOf(state, entry.birthYear)))
            state.rosterGradeLabels[number] = std::move(*label);

        if (status != 0) continue;
        listed = position;
        if (step) step(entry, position);
    }
    state.rosterCount = listed;
    return std::nullopt;
}

}  // namespace tsubura
