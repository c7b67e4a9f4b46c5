#pragma once

#include <QDate>
#include <QString>
#include <functional>
#include <optional>

#include "roster/student_entry.h"

namespace tsubura {

struct SharedState;

inline const QString kRosterFileName = QStringLiteral("新名簿.txt");

struct RosterError {
    QString path;
    int line = 0;          // 0 when the failure is not tied to a line
    QString message;       // what is wrong, for a person
    int errorNumber = 0;

    // "path N 行目", or the path alone without a line.
    QString where() const;
    // where(): message
    QString text() const;
};

constexpr int kMaxListedStudents = 5000;  // roster positions 1..5000

// Runs for every listed entry as soon as it has been read; `position` is its roster position.
using RosterEntryStep = std::function<void(const StudentEntry &entry, int position)>;

// Reads dataRoot + "新名簿.txt" into the student tables (school year from `today`).
// Stops with an error on a missing file, an item of the wrong type, a group of 8 cut short,
// a number outside 0..5000, or a line read while 5000 students are already listed; tables
// written before the failure keep what was written, and rosterCount counts the students
// listed up to the failure.
std::optional<RosterError> loadRoster(SharedState &state, const QDate &today, const RosterEntryStep &step = {});

}  // namespace tsubura
