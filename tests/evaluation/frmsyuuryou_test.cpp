#include "evaluation/windows/FrmSyuuryou.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "platform_fakes.h"
#include "shell/shared_state.h"
#include "sound/sound_cues.h"
#include "store/results_file.h"
#include "test_support.h"

namespace tsubura {
namespace {

constexpr int kStudent = 12;
constexpr int kGoal = 7;
const QString kPersonalBestFile = QStringLiteral("jiko1.wav");
const QString kNoRecordFile = QStringLiteral("oshii1.wav");

class FrmSyuuryouTest : public ::testing::Test {
protected:
    FrmSyuuryouTest() {
        state->folders.programDataDir = dir.path();
        state->folders.dataRoot = dir.path();
        state->folders.soundDir = dir.path();
        test::setPlainCriteria(*state);
        state->finalLevel = Value(kGoal);
        state->currentStudentNo = kStudent;
        state->currentStudentName = QStringLiteral(" 山田　花子 ");
        state->programTitle = QStringLiteral("ツブラ");
        for (int level = 1; level <= 7; ++level) state->levelNames[std::size_t(level)] = QStringLiteral("レベル%1").arg(level);
        state->soundTable[8][1] = QStringLiteral("jiko1");
        state->soundTable[8][21] = QStringLiteral("1");
        state->soundTable[10][1] = QStringLiteral("oshii1");
        state->soundTable[10][21] = QStringLiteral("1");
        dir.writeBytes(kResultsFileName, {});
    }

    // A run of the current student stored earlier today.
    void storeRun(int level, int seconds) {
        const ResultRecord record = makeResultRecord(fake.clock.now().addSecs(-600), kStudent, level, seconds,
                                                     QStringLiteral("K12"));
        ASSERT_FALSE(appendResult(resultsFilePath(state->folders), record, sleepingPause()));
    }

    // The run just finished: stored, as recording has done, then judged.
    void judge(int level, int recordedTime) {
        state->currentLevel = std::int16_t(level);
        state->recordedTime = recordedTime;
        if (state->timeOutState != 1) storeRun(level, recordedTime);
        form = std::make_unique<FrmSyuuryou>(*state, fake.platform, navigator, sounds);
        form->show();
        form->activate();
    }

    QLabel *labelNamed(const char *name) const { return form->findChild<QLabel *>(QLatin1String(name)); }
    QString shown(const char *name) const { return labelNamed(name)->text(); }
    bool visible(const char *name) const { return !form->findChild<QWidget *>(QLatin1String(name))->isHidden(); }
    QStringList soundsPlayed() const {
        QStringList names;
        for (const QString &path : fake.sound.played) names << path.section(QLatin1Char('/'), -1);
        return names;
    }

    test::TempDir dir;
    std::unique_ptr<SharedState> state = std::make_unique<SharedState>();
    test::FakePlatform fake;
    test::NavigatorRecorder navigator;
    SoundCues sounds{*state, fake.platform};
    std::unique_ptr<FrmSyuuryou> form;
};

TEST_F(FrmSyuuryouTest, PointsAndResultLines) {
    state->criteria[3].targetTime = 60;
    state->criteria[3].pointMultiplier = 1.5f;
    storeRun(2, 15);
    judge(3, 30);
    EXPECT_EQ(shown("Label19"), QStringLiteral("獲得ポイント：11点×1.5→16点"));
    EXPECT_EQ(shown("Label18"), QStringLiteral("今の成績：30秒"));
    EXPECT_EQ(shown("Label17"), QStringLiteral("山田　花子"));
    EXPECT_EQ(shown("Label16"), QStringLiteral("レベル3"));
    EXPECT_EQ(shown("Label13"), QStringLiteral(" (このレベル　1回目)"));
    EXPECT_EQ(shown("Label14"), QStringLiteral("（2回目)"));
    EXPECT_EQ(state->todayTotalCount, 2);
    EXPECT_EQ(navigator.calls.last(), QStringLiteral("hideWaiting"));
}

TEST_F(FrmSyuuryouTest, TimeOutShowsNoRecordAndPlaysNothing) {
    state->timeOutState = 1;
    state->personalBestFlag = 1;
    judge(3, kNoTime);
    EXPECT_EQ(shown("Label18"), QStringLiteral("記録なし"));
    EXPECT_EQ(shown("Label19"), QStringLiteral("獲得ポイント：0点×1→0点"));
    EXPECT_EQ(shown("Label20"), QStringLiteral("時間切れ"));
    EXPECT_TRUE(fake.sound.played.isEmpty());
    EXPECT_EQ(state->personalBestFlag, 0);
}

TEST_F(FrmSyuuryouTest, MessageAndFanfareOfEachOutcome) {
    const struct {
        const char *name;
        int personalBest, overallBest, seconds;
        const char *message;  // nullptr: no message
        QStringList sounds;
    } cases[] = {
        {"personal best", 1, 0, 12, "新記録おめでとう", {kPersonalBestFile}},
        {"overall best beats personal", 1, 1, 9, "！！！最高新記録！！！", {QStringLiteral("最高1.wav")}},
        {"no record, at the minimum time", 0, 0, 10, nullptr, {kNoRecordFile}},
        {"no record, slower", 0, 0, 11, nullptr, {}},
    };
    for (const auto &c : cases) {
        state->criteria[3].minTime = 10;
        state->personalBestFlag = std::int16_t(c.personalBest);
        state->overallBestFlag = std::int16_t(c.overallBest);
        fake.sound.played.clear();
        judge(3, c.seconds);
        EXPECT_EQ(visible("Label20"), c.message != nullptr) << c.name;
        if (c.message) {
            EXPECT_EQ(shown("Label20"), QString::fromUtf8(c.message)) << c.name;
        }
        EXPECT_EQ(soundsPlayed(), c.sounds) << c.name;
        EXPECT_EQ(state->personalBestFlag + state->overallBestFlag, 0) << c.name;
    }
}

TEST_F(FrmSyuuryouTest, GoalLevelClearedFirstTimeFanfaresAfterTheRecord) {
    state->criteria[kGoal].clearPoints = 5;
    state->criteria[kGoal].clearCount = 1;
    state->overallBestFlag = 1;
    judge(kGoal, 10);
    EXPECT_TRUE(visible("Label2"));
    EXPECT_TRUE(visible("Picture1"));
    EXPECT_EQ(soundsPlayed(), (QStringList{QStringLiteral("最高1.wav"), QStringLiteral("合格.wav")}));
    form->timer1Fired();
    EXPECT_FALSE(visible("Picture1"));
    EXPECT_TRUE(visible("Command4"));
    EXPECT_FALSE(form->Timer1.isActive());

    state->alreadyCleared = 1;
    fake.sound.played.clear();
    judge(kGoal, 15);
    EXPECT_TRUE(visible("Label2"));
    EXPECT_TRUE(soundsPlayed().isEmpty());
}

TEST_F(FrmSyuuryouTest, NoBannerWhileSomeLevelCannotBeCleared) {
    state->criteria[kGoal].clearPoints = 5;
    state->criteria[kGoal].clearCount = 1;
    state->criteria[2].clearCount = 9999;
    judge(kGoal, 10);
    EXPECT_TRUE(visible("Label2"));
    EXPECT_FALSE(visible("Picture1"));
    EXPECT_EQ(soundsPlayed(), QStringList{QStringLiteral("合格.wav")});
}

TEST_F(FrmSyuuryouTest, OnceMoreIsWithheldOnlyFromAClearedOverdoneLevelBeforeTheGoal) {
    const struct {
        const char *name;
        int level;
        int overuseCount;
        int finalLevelCleared;
        bool onceMore;
        const char *label2;  // nullptr: hidden
    } cases[] = {
        {"cleared and overdone before the goal", 3, 1, 0, false, "次のレベルへ進みましょう"},
        {"goal already cleared", 3, 1, 1, true, "このレベルクリア"},
        {"the goal level itself", kGoal, 1, 0, true, nullptr},
        {"no limits", 3, 0, 0, true, "このレベルクリア"},
        {"below the limit", 3, 3, 0, true, "このレベルクリア"},
    };
    for (const auto &c : cases) {
        test::setPlainCriteria(*state);
        state->criteria[std::size_t(c.level)].clearPoints = 5;
        state->criteria[std::size_t(c.level)].clearCount = 1;
        state->criteria[std::size_t(c.level)].overuseCount = Value(double(c.overuseCount));
        state->finalLevelCleared = c.finalLevelCleared;
        judge(c.level, 10);  // one more stored run of the level each case
        form->timer1Fired();
        EXPECT_EQ(visible("Command5"), c.onceMore) << c.name;
        EXPECT_EQ(visible("Label2"), c.label2 != nullptr) << c.name;
        if (c.label2) {
            EXPECT_EQ(shown("Label2"), QString::fromUtf8(c.label2)) << c.name;
        }
        dir.writeBytes(kResultsFileName, {});
    }
}

TEST_F(FrmSyuuryouTest, ButtonsLeadToTheHubOrAnotherRun) {
    judge(3, 25);
    EXPECT_TRUE(form->isVisible());
    form->timer1Fired();
    EXPECT_EQ(QApplication::focusWidget(), form->findChild<QWidget *>(QStringLiteral("Command4")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(navigator.calls.last(), QStringLiteral("hub"));
    EXPECT_FALSE(form->isVisible());

    judge(3, 25);
    form->timer1Fired();
    auto *again = form->findChild<QPushButton *>(QStringLiteral("Command5"));
    QTest::mouseClick(again, Qt::LeftButton);
    EXPECT_EQ(navigator.calls.mid(navigator.calls.size() - 2),
              (QStringList{QStringLiteral("showWaiting"), QStringLiteral("exercise")}));
    EXPECT_FALSE(form->findChild<QPushButton *>(QStringLiteral("Command4"))->isEnabled());
}

TEST_F(FrmSyuuryouTest, RendersARecordAndTheGoalLevelCleared) {
    QDir().mkpath(QStringLiteral(TSUBURA_RENDER_DIR));
    state->overallBestFlag = 1;
    judge(3, 14);
    form->timer1Fired();
    EXPECT_TRUE(form->grab().save(QStringLiteral(TSUBURA_RENDER_DIR) + "/frmsyuuryou_overall_best.png"));

    state->criteria[kGoal].clearPoints = 5;
    state->criteria[kGoal].clearCount = 1;
    judge(kGoal, 10);
    EXPECT_TRUE(form->grab().save(QStringLiteral(TSUBURA_RENDER_DIR) + "/frmsyuuryou_goal_cleared.png"));
}

}  // namespace
}  // namespace tsubura
