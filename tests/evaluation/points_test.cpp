#include <gtest/gtest.h>

#include "evaluation/points.h"

namespace tsubura {
namespace {

LevelCriteria criteria(std::int32_t target, float multiplier) {
    LevelCriteria c;
    c.targetTime = target;
    c.pointMultiplier = multiplier;
    return c;
}

TEST(Points, BaseRuleAcrossTheBands) {
    const struct {
        std::int32_t target, seconds;
        int expected;
    } cases[] = {
        {20, 0, 55},     {20, 10, 11},    {20, 19, 5},     {20, 20, 5},     {20, 21, 4},
        {20, 39, 4},     {20, 40, 1},     {20, 199, 1},    {20, 200, 0},    {20, 99997, 0},
        {20, 99998, 0},  {20, 99999, 0},  {60, 30, 11},    {1, 1, 5},       {1, 2, 1},
        {0, 5, 0},       {0, 99999, 0},
        // Runs of 1000 s and more are judged by their whole time.
        {2000, 1500, 5}, {2000, 1000, 11}, {2000, 3999, 4},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(basePoints(c.target, c.seconds), c.expected) << c.target << " / " << c.seconds;
        const RunPoints run = runPoints(criteria(c.target, 1.0f), c.seconds);
        EXPECT_TRUE(run.ok);
        EXPECT_EQ(run.points, c.expected) << c.target << " / " << c.seconds;
        EXPECT_EQ(judgementPoints(criteria(c.target, 1.0f), c.seconds).points, c.expected);
    }
}

TEST(Points, MultiplierProductIsTakenInSinglePrecisionAndCut) {
    EXPECT_EQ(scaledPoints(11, 1.5f), 16);
    EXPECT_EQ(scaledPoints(10, 0.7f), 7);  // 6.99… in double precision
    EXPECT_EQ(scaledPoints(55, 0.1f), 5);
    EXPECT_EQ(scaledPoints(5, 0.0f), 0);
    EXPECT_EQ(scaledPoints(4, 2.5f), 10);
    EXPECT_EQ(runPoints(criteria(20, 1.5f), 10).points, 16);
    EXPECT_EQ(runPoints(criteria(20, 0.7f), 0).points, 38);
}

TEST(Points, UndefinedAndOverflowingRunsAreErrors) {
    const RunPoints zeroByZero = runPoints(criteria(0, 1.0f), 0);
    EXPECT_FALSE(zeroByZero.ok);
    EXPECT_EQ(zeroByZero.errorNumber, 11);
    EXPECT_FALSE(basePoints(0, 0));

    const RunPoints huge = runPoints(criteria(20, 1e9f), 0);
    EXPECT_FALSE(huge.ok);
    EXPECT_EQ(huge.errorNumber, 6);
    EXPECT_FALSE(scaledPoints(55, 1e9f));
    EXPECT_EQ(scaledPoints(1, 2147483520.0f), 2147483520);  // the largest float below 2^31 fits
}

TEST(Points, JudgementShowsPointsBeforeAndAfterTheMultiplierAndNeverFails) {
    const JudgementPoints j = judgementPoints(criteria(60, 1.5f), 30);
    EXPECT_EQ(j.points, 11);
    EXPECT_EQ(j.earned, 16);

    const JudgementPoints timedOut = judgementPoints(criteria(60, 1.5f), 99999);
    EXPECT_EQ(timedOut.points, 0);
    EXPECT_EQ(timedOut.earned, 0);

    const JudgementPoints undefined = judgementPoints(criteria(0, 1.0f), 0);
    EXPECT_EQ(undefined.points, 0);
    EXPECT_EQ(undefined.earned, 0);
}

}  // namespace
}  // namespace tsubura
