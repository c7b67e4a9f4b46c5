#include <gtest/gtest.h>

#include <QDir>
#include <memory>

#include "evaluation/aggregation.h"
#include "store/results_file.h"
#include "test_support.h"

namespace tsubura {
namespace {

using test::TempDir;

const QDateTime kNow(QDate(2024, 6, 10), QTime(14, 0));
const double kToday = serialDayNumber(kNow.date());

struct StoredRun {
    double date;
    int student;
    int level;
    std::int32_t seconds;
};

StoredRun daysAgo(int days, int student, int level, std::int32_t seconds) {
    return {kToday - days, student, level, seconds};
}

QByteArray fileOf(const std::vector<StoredRun> &runs) {
    QByteArray bytes;
    bytes.reserve(qsizetype(runs.size()) * kRecordSize);
    for (const StoredRun &r : runs) {
        ResultRecord record;
        record.recordDate = r.date;
        record.recordClock = 0.5;
        record.studentNo = std::int16_t(r.student);
        record.level = std::int16_t(r.level);
        record.seconds = r.seconds;
        const PackedRecord p = packRecord(record);
        bytes.append(p.data(), kRecordSize);
    }
    return bytes;
}

class AggregationTest : public ::testing::Test {
protected:
    AggregationTest() {
        state->folders.programDataDir = dir.path();
        test::setPlainCriteria(*state);
    }

    void write(const std::vector<StoredRun> &runs) { dir.writeBytes(kResultsFileName, fileOf(runs)); }

    std::optional<CoreError> aggregate(const QDateTime &now = kNow) {
        return aggregateResults(*state, now, {OpenMode::CreateIfMissing, failOnPause()});
    }

    static Pause failOnPause() {
        return [](int ms) { ADD_FAILURE() << "unexpected wait of " << ms << " ms"; };
    }

    TempDir dir;
    std::unique_ptr<SharedState> state = std::make_unique<SharedState>();
};

TEST_F(AggregationTest, AnEmptyFileLeavesEverythingAtItsStart) {
    write({});
    state->totalCount(1, 1) = 3;
    state->todayCount(2, 9) = 1;
    state->overusePeriodPoints(35, 5000) = 8;
    state->bestTime(1, 1) = 12;
    state->loadedResults.push_back({kToday, 0.5, 1, 1, 12});

    ASSERT_FALSE(aggregate());

    EXPECT_TRUE(state->loadedResults.empty());
    EXPECT_EQ(state->totalCount(1, 1), 0);
    EXPECT_EQ(state->todayCount(2, 9), 0.0f);
    EXPECT_EQ(state->overusePeriodPoints(35, 5000), 0);
    for (int level = 1; level <= 35; ++level) {
        EXPECT_EQ(state->levelBestTime[level], kNoTime);
        for (const int student : {1, 1000, 5000}) EXPECT_EQ(state->bestTime(level, student), kNoTime);
    }
}

TEST_F(AggregationTest, AMissingFileInAnExistingFolderIsCreatedEmpty) {
    ASSERT_FALSE(aggregate());
    EXPECT_TRUE(QFile::exists(dir.file(kResultsFileName)));
    EXPECT_TRUE(state->loadedResults.empty());
}

TEST_F(AggregationTest, TalliesOneStudentsRunsByPeriod) {
    write({
        daysAgo(0, 8, 2, 10),      // 11 points, today
        daysAgo(0, 8, 2, 99999),   // timed out today: no count, no points
        daysAgo(2, 8, 2, 20),      // 5
        daysAgo(5, 8, 2, 39),      // 4, outside the over-use period
        daysAgo(30, 8, 2, 0),      // 55, outside both periods
        daysAgo(0, 9, 2, 20),      // another student
        daysAgo(0, 8, 3, 20),      // another level
    });

    ASSERT_FALSE(aggregate());

    EXPECT_EQ(state->totalCount(2, 8), 4);
    EXPECT_EQ(state->totalPoints(2, 8), 11 + 5 + 4 + 55);
    EXPECT_EQ(state->recentCount(2, 8), 3);
    EXPECT_EQ(state->recentPoints(2, 8), 11 + 5 + 4);
    EXPECT_EQ(state->overusePeriodCount(2, 8), 2);
    EXPECT_EQ(state->overusePeriodPoints(2, 8), 11 + 5);
    EXPECT_EQ(state->todayCount(2, 8), 1.0f);
    EXPECT_EQ(state->todayPoints(2, 8), 11);
    EXPECT_EQ(state->bestTime(2, 8), 0);
    EXPECT_EQ(state->todayCount(2, 9), 1.0f);
    EXPECT_EQ(state->todayCount(3, 8), 1.0f);
    EXPECT_EQ(state->levelBestTime[2], 0);
    EXPECT_EQ(state->levelBestTime[3], 20);
}

TEST_F(AggregationTest, SlowRunsAreNotCountedButTheirPointsAreAdded) {
    state->criteria[1].targetTime = 4000;
    write({daysAgo(0, 4, 1, 6000), daysAgo(0, 4, 1, 5999)});  // 4 points each
    ASSERT_FALSE(aggregate());
    EXPECT_EQ(state->totalCount(1, 4), 1);
    EXPECT_EQ(state->todayCount(1, 4), 1.0f);
    EXPECT_EQ(state->totalPoints(1, 4), 8);
    EXPECT_EQ(state->todayPoints(1, 4), 8);
}

TEST_F(AggregationTest, ATimedOutRunChangesNothingButTheTable) {
    write({daysAgo(3, 4, 1, 30), daysAgo(0, 4, 1, 99999), daysAgo(0, 5, 1, 99999)});
    ASSERT_FALSE(aggregate());
    EXPECT_EQ(state->loadedResults.size(), 3u);
    EXPECT_EQ(state->todayCount(1, 4), 0.0f);
    EXPECT_EQ(state->todayPoints(1, 4), 0);
    EXPECT_EQ(state->totalCount(1, 4), 1);
    EXPECT_EQ(state->bestTime(1, 4), 30);
    EXPECT_EQ(state->bestTime(1, 5), kNoTime);
}

TEST_F(AggregationTest, PeriodHoldsTodayAndTheDaysBeforeIt) {
    const struct {
        Value days;
        QTime now;
        int age;  // days before today
        bool counted;
    } cases[] = {
        {Value(7.0), QTime(14, 0), 6, true},   {Value(7.0), QTime(14, 0), 7, false},
        {Value(7.0), QTime(0, 0), 7, false},   {Value(1.0), QTime(23, 59), 0, true},
        {Value(1.0), QTime(0, 0, 1), 1, false}, {Value(0.0), QTime(14, 0), 0, false},
        {Value(), QTime(14, 0), 0, false},     {Value::text(QStringLiteral("abc")), QTime(9, 0), 0, false},
        // Half a day: today's runs count only before noon.
        {Value(0.5), QTime(11, 0), 0, true},   {Value(0.5), QTime(13, 0), 0, false},
        {Value(1.5), QTime(11, 0), 1, true},   {Value(1.5), QTime(13, 0), 1, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.days.toText().toStdString() << " days at "
                                        << c.now.toString().toStdString() << ", " << c.age << " days ago");
        state->criteria[1].recentDays = c.days;
        state->criteria[1].overuseDays = c.days;
        write({daysAgo(c.age, 6, 1, 20)});

        ASSERT_FALSE(aggregate(QDateTime(kNow.date(), c.now)));

        const int n = c.counted ? 1 : 0;
        EXPECT_EQ(state->recentCount(1, 6), n);
        EXPECT_EQ(state->recentPoints(1, 6), 5 * n);
        EXPECT_EQ(state->overusePeriodCount(1, 6), n);
        EXPECT_EQ(state->overusePeriodPoints(1, 6), 5 * n);
        EXPECT_EQ(state->totalCount(1, 6), 1);
        EXPECT_EQ(state->todayCount(1, 6), c.age == 0 ? 1.0f : 0.0f);
    }
}

TEST_F(AggregationTest, RecordsWithoutStudentLevelOrDateAreDroppedAfterTheBestTime) {
    write({
        {kToday, 0, 1, 15},
        {kToday, 3, 0, 16},
        {-1, 3, 1, 12},  // kept out of the table, yet its time is already the best
        {kToday, 3, 1, 20},
    });
    ASSERT_FALSE(aggregate());
    ASSERT_EQ(state->loadedResults.size(), 1u);
    EXPECT_EQ(state->loadedResults[0].seconds, 20);
    EXPECT_EQ(state->totalCount(1, 3), 1);
    EXPECT_EQ(state->bestTime(1, 3), 12);
    EXPECT_EQ(state->levelBestTime[1], 12);
}

TEST_F(AggregationTest, LevelBestLooksAtStudentsUpToOneThousandOnly) {
    write({daysAgo(1, 1001, 4, 9), daysAgo(1, 5000, 4, 8), daysAgo(1, 1000, 4, 31), daysAgo(1, 2, 4, 30)});
    ASSERT_FALSE(aggregate());
    EXPECT_EQ(state->bestTime(4, 1001), 9);
    EXPECT_EQ(state->bestTime(4, 5000), 8);
    EXPECT_EQ(state->levelBestTime[4], 30);
}

TEST_F(AggregationTest, OnlyTheNewestTwentyThousandRunsAreLoaded) {
    constexpr int kRuns = kResultCapacity + 5;
    std::vector<StoredRun> runs;
    runs.reserve(kRuns);
    for (int k = 1; k <= kRuns; ++k) runs.push_back(daysAgo(0, 1 + k % 5000, 1, k));
    write(runs);

    ASSERT_FALSE(aggregate());

    ASSERT_EQ(state->loadedResults.size(), std::size_t(kResultCapacity));
    EXPECT_EQ(state->loadedResults.front().seconds, 6);
    EXPECT_EQ(state->loadedResults.back().seconds, kRuns);
    EXPECT_EQ(state->bestTime(1, 1 + 5 % 5000), 5005);  // run 5 is older than the table
}

TEST_F(AggregationTest, ARecordOutsideTheTablesEndsWithTheLoaderMessage) {
    const struct {
        int student, level;
    } cases[] = {{3, 36}, {3, -1}, {5001, 1}, {-3, 1}};
    for (const auto &c : cases) {
        write({daysAgo(0, 1, 1, 20), {45000, c.student, c.level, 20}});
        const std::optional<CoreError> error = aggregate();
        ASSERT_TRUE(error) << c.student << "/" << c.level;
        EXPECT_EQ(error->message, QStringLiteral("成績ランダムファイル表示49インデックスが有効範囲にありません。9"
                                                 "/date45000/i=2/time=0.5/name=/Bangou=%1/level=%2/time=20line4")
                                      .arg(c.student)
                                      .arg(c.level));
    }
}

TEST_F(AggregationTest, AFailedComputationEndsWithTheCountMessage) {
    state->criteria[1].targetTime = 0;
    write({{kToday, 2, 1, 0}});
    const std::optional<CoreError> zero = aggregate();
    ASSERT_TRUE(zero);
    EXPECT_EQ(zero->message, QStringLiteral("回数求60 で除算しました。11/date%1/i=1/time=0.5/name=/Bangou=2/level=1/time=0"
                                            "errline6")
                                 .arg(kToday));

    // Two runs of 1.1 billion points each pass the 32-bit total.
    state->criteria[1].targetTime = 20;
    state->criteria[1].pointMultiplier = 2e7f;
    write({daysAgo(0, 2, 1, 0), daysAgo(0, 2, 1, 0)});
    const std::optional<CoreError> overflow = aggregate();
    ASSERT_TRUE(overflow);
    EXPECT_TRUE(overflow->message.startsWith(QStringLiteral("回数求7オーバーフローしました。6"))) << overflow->message.toStdString();
}

TEST_F(AggregationTest, AMissingFolderIsWaitedForFourTimesThenReported) {
    state->folders.programDataDir = dir.file("share/");
    std::vector<int> waits;
    const Pause pause = [&](int ms) { waits.push_back(ms); };

    const std::optional<CoreError> error = aggregateResults(*state, kNow, {OpenMode::CreateIfMissing, pause});
    ASSERT_TRUE(error);
    EXPECT_EQ(waits, (std::vector<int>{5000, 5000, 5000}));
    EXPECT_EQ(error->message, QStringLiteral("ファイルがありません1") + systemError(ENOENT).description +
                                  QStringLiteral("2"));

    waits.clear();
    const std::optional<CoreError> atOnce = aggregateResults(*state, kNow, {OpenMode::MustExist, pause});
    ASSERT_TRUE(atOnce);
    EXPECT_TRUE(waits.empty());
    EXPECT_TRUE(atOnce->message.startsWith(QStringLiteral("ファイルがありません")));
}

TEST_F(AggregationTest, AFolderThatAppearsDuringTheWaitIsRead) {
    state->folders.programDataDir = dir.file("share/");
    int waits = 0;
    const Pause pause = [&](int) {
        if (++waits == 2) {
            QDir().mkpath(dir.file("share"));
            dir.writeBytes("share/" + kResultsFileName, fileOf({daysAgo(0, 1, 1, 20)}));
        }
    };
    ASSERT_FALSE(aggregateResults(*state, kNow, {OpenMode::CreateIfMissing, pause}));
    EXPECT_EQ(waits, 2);
    EXPECT_EQ(state->todayCount(1, 1), 1.0f);
}

}  // namespace
}  // namespace tsubura
