#pragma once

#include <QDateTime>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "roster/student_entry.h"
#include "shell/value.h"
#include "store/level_criteria.h"

namespace tsubura {

// A dense table over level 0..35 and student 0..5000, indexed level * 5001 + student.
template <typename T>
class LevelStudentTable {
public:
    LevelStudentTable() : cells_(std::size_t(kLevelSlots) * kStudentSlots) {}
    T &operator()(int level, int student) { return cells_[std::size_t(level) * kStudentSlots + student]; }
    const T &operator()(int level, int student) const { return cells_[std::size_t(level) * kStudentSlots + student]; }
    void fill(const T &value) { std::fill(cells_.begin(), cells_.end(), value); }

private:
    std::vector<T> cells_;
};

// Every folder text ends with the separator; nothing inserts one.
struct AppFolders {
    QString programDir;
    QString dataRoot;
    QString programFolderName;
    QString programDataDir;
    QString soundDir;
};

// One loaded run of the results file.
struct LoadedResult {
    double date = 0;   // serial day number
    double clock = 0;  // fraction of the day
    std::int16_t student = 0;
    std::int16_t level = 0;
    std::int32_t seconds = 0;
};

constexpr int kResultCapacity = 20000;  // the newest runs that are loaded
constexpr std::int32_t kNoTime = 99999;      // a timed-out run
constexpr std::int32_t kNoTimeFrom = 99998;  // from here on a result has no time
constexpr int kSoundEvents = 11;        // event 0..10
constexpr int kSoundSlots = 22;         // slot 0 name, 1..20 files, 21 count

// The register every window reads and writes instead of passing arguments.
// main creates the one instance; tests build their own.
struct SharedState {
    // Working folders, set once at start-up.
    AppFolders folders;

    // Common settings.
    Value schoolYearStartMonth;
    QString schoolLabel;
    QString schoolCode;
    Value nameListSwitch;
    Value dataChangePassword;
    std::uint32_t seasonColour = 0;

    // Program definition and level catalogue.
    QString programTitle;
    Value allLevelsOpen;
    std::int16_t levelCount = 0;
    Value finalLevel;
    std::array<QString, kLevelSlots> levelNames;

    // Roster and the current student. By-position tables index roster positions 1..rosterCount,
    // by-number tables student numbers.
    std::vector<StudentEntry> roster = std::vector<StudentEntry>(kStudentSlots);
    int rosterCount = 0;
    std::vector<int> rosterNumbers = std::vector<int>(kStudentSlots);
    std::vector<QString> rosterNames = std::vector<QString>(kStudentSlots);
    std::vector<std::int16_t> rosterBirthYears = std::vector<std::int16_t>(kStudentSlots);
    std::vector<QString> rosterGradeLabels = std::vector<QString>(kStudentSlots);
    int schoolYear = 0;
    QString gradeFilterText;
    std::int16_t currentStudentNo = 0;
    QString currentStudentName;
    QString currentStudentGrade;
    std::int32_t loginSeconds = 0;
    QDateTime loginMoment;  // the whole login date and time, so minutes survive midnight

    // The current exercise.
    std::int16_t currentLevel = 0;
    std::int16_t cardsPerExercise = 0;
    std::int32_t correctCount = 0;
    float startSeconds = 0;
    std::int32_t elapsedSeconds = 0;
    std::int32_t timeLimit = 0;
    double barScale = 0;
    std::int16_t judgeResult = 0;
    std::int16_t plusState = 0;
    std::int16_t judging = 0;
    std::int16_t exerciseFinished = 0;
    std::int16_t timeOutState = 0;
    std::int16_t endHandled = 0;
    std::int16_t todayTotalCount = 0;

    // The outcome handed from the exercise to recording and judgement.
    std::int32_t recordedTime = 0;
    std::int16_t personalBestFlag = 0;
    std::int16_t overallBestFlag = 0;
    std::int16_t alreadyCleared = 0;

    // Criteria per level; row 0 is the file's heading line.
    CriteriaTable criteria;

    // Results: the loaded table, best times and tallies.
    std::vector<LoadedResult> loadedResults;  // loadedCount == loadedResults.size()
    LevelStudentTable<std::int32_t> bestTime;
    std::array<std::int32_t, kLevelSlots> levelBestTime{};
    LevelStudentTable<float> todayCount;
    LevelStudentTable<std::int32_t> todayPoints;
    LevelStudentTable<std::int16_t> totalCount;
    LevelStudentTable<std::int32_t> totalPoints;
    LevelStudentTable<std::int16_t> recentCount;
    LevelStudentTable<std::int32_t> recentPoints;
    LevelStudentTable<std::int16_t> overusePeriodCount;
    LevelStudentTable<std::int32_t> overusePeriodPoints;

    // Level state computed by the hub.
    int finalLevelCleared = 0;
    // The level in the hub's leftmost column; kept for the whole run, so a new hub opens where
    // the last one was scrolled to (0 = not yet scrolled).
    std::int16_t firstVisibleColumn = 0;

    // Sound state.
    std::array<std::array<QString, kSoundSlots>, kSoundEvents> soundTable;
    QString mciCommand;
    QString mciReply;
    QString mciResult;
    std::int16_t soundFailures = 0;

    const LevelCriteria &criteriaOf(int level) const { return criteria[std::size_t(level)]; }
};

}  // namespace tsubura
