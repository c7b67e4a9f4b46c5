#include <gtest/gtest.h>

#include <QFile>
#include <memory>

#include "store/record_result.h"
#include "store/results_file.h"
#include "test_support.h"

namespace tsubura {
namespace {

using test::TempDir;

constexpr int kLevel = 4;
constexpr int kStudent = 17;
const QDateTime kNow(QDate(2024, 6, 3), QTime(16, 45, 10));

class RecordResultTest : public ::testing::Test {
protected:
    RecordResultTest() {
        state->folders.programDataDir = dir.path();
        state->currentStudentNo = kStudent;
        state->schoolCode = QStringLiteral("K12");
        state->bestTime.fill(kNoTime);
        state->levelBestTime.fill(kNoTime);
        state->criteria[kLevel].clearCount = 5;
        state->criteria[kLevel].clearPoints = 100;
    }

    std::vector<ResultRecord> storedRecords() const { return test::storedRecords(*state); }

    TempDir dir;
    std::unique_ptr<SharedState> state = std::make_unique<SharedState>();
};

TEST_F(RecordResultTest, BestFlagsAreSetOnlyByAStrictlyBetterTime) {
    const struct {
        std::int32_t best, levelBest, time;
        int personalFlag, overallFlag;
        std::int32_t bestAfter, levelBestAfter;
    } cases[] = {
        {30, 25, 28, 1, 0, 28, 25},
        {30, 25, 20, 1, 1, 20, 20},
        {30, 25, 30, 0, 0, 30, 25},  // equal to the personal best
        {30, 30, 30, 0, 0, 30, 30},  // equal to both
        {40, 30, 30, 1, 0, 30, 30},  // equal to the level best only
        {kNoTime, kNoTime, kNoTime, 0, 0, kNoTime, kNoTime},  // a time-out beats nothing
        {kNoTime, kNoTime, 45, 1, 1, 45, 45},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.best << "/" << c.levelBest << " ← " << c.time);
        state->bestTime(kLevel, kStudent) = c.best;
        state->levelBestTime[kLevel] = c.levelBest;
        state->personalBestFlag = 0;
        state->overallBestFlag = 0;
        state->recordedTime = c.time;

        ASSERT_FALSE(recordResult(*state, kLevel, kNow, sleepingPause()));

        EXPECT_EQ(state->personalBestFlag, c.personalFlag);
        EXPECT_EQ(state->overallBestFlag, c.overallFlag);
        EXPECT_EQ(state->bestTime(kLevel, kStudent), c.bestAfter);
        EXPECT_EQ(state->levelBestTime[kLevel], c.levelBestAfter);
        EXPECT_EQ(storedRecords().back().seconds, c.time);
    }
}

TEST_F(RecordResultTest, FlagsAreOnlyEverSetNeverCleared) {
    state->personalBestFlag = 1;
    state->overallBestFlag = 1;
    state->bestTime(kLevel, kStudent) = 10;
    state->levelBestTime[kLevel] = 10;
    state->recordedTime = 50;
    ASSERT_FALSE(recordResult(*state, kLevel, kNow, sleepingPause()));
    EXPECT_EQ(state->personalBestFlag, 1);
    EXPECT_EQ(state->overallBestFlag, 1);
}

TEST_F(RecordResultTest, AlreadyClearedUsesTheTalliesFromBeforeTheRun) {
    const struct {
        std::int16_t count;
        std::int32_t points;
        int expected;
    } cases[] = {
        {5, 100, 1},  // exactly at both targets
        {6, 250, 1},
        {4, 100, 0},  // this run would make the fifth, but it does not count yet
        {5, 99, 0},
    };
    for (const auto &c : cases) {
        state->totalCount(kLevel, kStudent) = c.count;
        state->totalPoints(kLevel, kStudent) = c.points;
        state->alreadyCleared = std::int16_t(1 - c.expected);
        state->recordedTime = 12;
        ASSERT_FALSE(recordResult(*state, kLevel, kNow, sleepingPause()));
        EXPECT_EQ(state->alreadyCleared, c.expected) << c.count << " runs, " << c.points << " points";
    }
}

TEST_F(RecordResultTest, AppendsTheRunOfTheCurrentStudentStampedWithNow) {
    state->currentLevel = 2;  // the argument decides the level
    state->recordedTime = 33;
    ASSERT_FALSE(recordResult(*state, kLevel, kNow, sleepingPause()));

    const std::vector<ResultRecord> records = storedRecords();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(packRecord(records[0]), packRecord(makeResultRecord(kNow, kStudent, kLevel, 33, QStringLiteral("K12"))));
}

TEST_F(RecordResultTest, AStudentNumberedZeroIsRecorded) {
    state->currentStudentNo = 0;
    state->recordedTime = 41;
    ASSERT_FALSE(recordResult(*state, kLevel, kNow, sleepingPause()));
    const std::vector<ResultRecord> records = storedRecords();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].studentNo, 0);
    EXPECT_EQ(records[0].seconds, 41);
}

TEST_F(RecordResultTest, ThePersonalBestIsReplacedBeforeTheAppendAndTheLevelBestAfterIt) {
    dir.writeBytes("file-not-folder", "x");
    state->folders.programDataDir = dir.file("file-not-folder/");
    state->bestTime(kLevel, kStudent) = 50;
    state->levelBestTime[kLevel] = 50;
    state->recordedTime = 20;

    const std::optional<CoreError> error = recordResult(*state, kLevel, kNow, sleepingPause());

    ASSERT_TRUE(error);
    EXPECT_TRUE(error->message.startsWith(QStringLiteral("成績ランダムファイル記録")));
    EXPECT_EQ(state->bestTime(kLevel, kStudent), 20);
    EXPECT_EQ(state->personalBestFlag, 1);
    EXPECT_EQ(state->levelBestTime[kLevel], 50);
    EXPECT_EQ(state->overallBestFlag, 0);
}

TEST_F(RecordResultTest, ALevelOrStudentOutsideTheTablesIsRefusedWithoutWriting) {
    for (const auto &[level, student] : {std::pair{0, kStudent}, {36, kStudent}, {kLevel, -1}, {kLevel, 5001}}) {
        state->currentStudentNo = std::int16_t(student);
        state->recordedTime = 20;
        const std::optional<CoreError> error = recordResult(*state, level, kNow, sleepingPause());
        ASSERT_TRUE(error) << level << "/" << student;
        EXPECT_TRUE(error->message.startsWith(QStringLiteral("Seisekikiroku")));
    }
    EXPECT_FALSE(QFile::exists(resultsFilePath(state->folders)));
}

}  // namespace
}  // namespace tsubura
