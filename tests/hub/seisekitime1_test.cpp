#include "hub/windows/seisekitime1.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <memory>

#include "platform_fakes.h"
#include "hub/run_lines.h"
#include "shell/program_definition.h"
#include "shell/shared_state.h"
#include "shell/windows/app_navigator.h"
#include "store/result_record.h"
#include "store/results_file.h"
#include "test_support.h"

namespace tsubura {
namespace {

const QDateTime kNow(QDate(2026, 12, 10), QTime(16, 0));

struct StoredRun {
    int daysAgo;
    int student;
    int level;
    std::int32_t seconds;
};

// Seven levels, a small roster (students 1..3 born 2018, 2013, 2012: 小2, 中1, 中2) and a results
// file in a temporary folder; student 1 is working unless a test says otherwise.
class HubTest : public ::testing::Test {
protected:
    HubTest() {
        fake.clock.setNow(kNow);
        state->folders.programDataDir = dir.path();
        state->folders.dataRoot = dir.path();
        state->schoolYear = 2026;
        state->seasonColour = 12648384;
        state->schoolLabel = QStringLiteral("さくら教室");
        defineProgram(*state);
        defineLevelCatalogue(*state);
        test::setPlainCriteria(*state);
        for (int level = 1; level <= 7; ++level) {
            state->criteria[std::size_t(level)].clearPoints = 100;
            state->criteria[std::size_t(level)].clearCount = 10;
        }
        addStudent(1, QStringLiteral("青木 太郎"), 2018);
        addStudent(2, QStringLiteral("井上 花子"), 2013);
        addStudent(3, QStringLiteral("上田 次郎"), 2012);
        state->currentStudentNo = 1;
        state->currentStudentName = QStringLiteral("青木 太郎           ");
        state->currentStudentGrade = QStringLiteral("小２");
        state->gradeFilterText = QStringLiteral("全学年");
        state->loginMoment = kNow.addSecs(-25 * 60);
        writeRuns({});
    }

    void addStudent(int number, const QString &name, int birthYear) {
        const int position = ++state->rosterCount;
        state->rosterNumbers[std::size_t(position)] = number;
        state->rosterNames[std::size_t(number)] = name;
        state->rosterBirthYears[std::size_t(number)] = std::int16_t(birthYear);
    }

    void writeRuns(const std::vector<StoredRun> &runs) const {
        QByteArray bytes;
        for (const StoredRun &r : runs) {
            const PackedRecord p =
                packRecord(makeResultRecord(kNow.addDays(-r.daysAgo).addSecs(-600), r.student, r.level, r.seconds, QString()));
            bytes.append(p.data(), kRecordSize);
        }
        dir.writeBytes(kResultsFileName, bytes);
    }

    // A new hub through its load and activation.
    seisekitime1 &hub() {
        form = std::make_unique<seisekitime1>(*state, fake.platform, navigator);
        form->show();
        form->activate();
        return *form;
    }

    template <typename T>
    T *control(const QString &name) {
        T *found = form->findChild<T *>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QString text(const QString &name) { return control<QLabel>(name)->text(); }
    QPushButton *start(int level) { return control<QPushButton>(QStringLiteral("Command4_%1").arg(level)); }
    QStringList lines(int level) {
        QStringList out;
        QListWidget *list = control<QListWidget>(QStringLiteral("List5_%1").arg(level));
        for (int i = 0; i < list->count(); ++i) out.append(list->item(i)->text());
        return out;
    }
    int leftOf(int level) { return start(level)->mapTo(form.get(), QPoint(0, 0)).x(); }

    void render(const QString &name) {
        QDir().mkpath(QStringLiteral(TSUBURA_RENDER_DIR));
        form->grab().save(QStringLiteral(TSUBURA_RENDER_DIR "/") + name);
    }

    test::TempDir dir;
    std::unique_ptr<SharedState> state = std::make_unique<SharedState>();
    test::FakePlatform fake;
    test::NavigatorRecorder navigator;
    std::unique_ptr<seisekitime1> form;
};

TEST_F(HubTest, LoadShowsTheSelectorsAndTheStaticTexts) {
    state->criteria[3].clearPoints = 9999;
    state->criteria[2].clearPoints = 200;
    state->criteria[2].clearCount = 12;
    state->criteria[2].pointMultiplier = 1.5f;
    seisekitime1 &w = hub();

    EXPECT_EQ(w.periodCode(), 3);
    QComboBox *filter = control<QComboBox>(QStringLiteral("Combo1"));
    ASSERT_EQ(filter->count(), 12);
    EXPECT_EQ(filter->itemText(1), QStringLiteral("中学生全体"));
    EXPECT_EQ(filter->itemText(11), QStringLiteral("小１"));
    EXPECT_EQ(filter->currentText(), QStringLiteral("全学年"));
    QComboBox *period = control<QComboBox>(QStringLiteral("Combo2"));
    EXPECT_EQ(period->currentText(), QStringLiteral("　　１ヶ月間の全成績"));
    ASSERT_EQ(period->count(), 5);
    EXPECT_EQ(period->itemText(0), QStringLiteral("　　　今週の全成績"));
    EXPECT_EQ(period->itemText(4), QStringLiteral("　　今までの全成績\""));

    EXPECT_EQ(start(7)->text(), QStringLiteral("ｽﾀｰﾄ(&7)"));
    EXPECT_EQ(text(QStringLiteral("Label3_5")), QStringLiteral("せいれつ１"));
    EXPECT_EQ(control<QLabel>(QStringLiteral("Label3_5"))->toolTip(), QStringLiteral("せいれつ１"));
    EXPECT_EQ(text(QStringLiteral("Label7_1")), QStringLiteral("目標=20秒 10回/100点(×1)"));
    EXPECT_EQ(text(QStringLiteral("Label7_2")), QStringLiteral("目標=20秒 12回/200点(×1.5)"));
    EXPECT_EQ(text(QStringLiteral("Label7_3")), QStringLiteral("目標=20秒 --------"));
    EXPECT_EQ(text(QStringLiteral("Label8_1")), QStringLiteral("最近7日=0回 / 0点"));
    EXPECT_EQ(text(QStringLiteral("Label11")), QStringLiteral("ツブラ"));
    EXPECT_EQ(text(QStringLiteral("Label12")), QStringLiteral("小２ 青木 太郎"));
    EXPECT_EQ(text(QStringLiteral("Label13")), QStringLiteral("さくら教室:1"));
    EXPECT_EQ(text(QStringLiteral("Label17")), QStringLiteral("起動後25分"));
    EXPECT_TRUE(control<QWidget>(QStringLiteral("Picture2"))->isHidden());
    EXPECT_TRUE(control<QWidget>(QStringLiteral("Picture6"))->isHidden());
    EXPECT_EQ(w.readyFlag(), 1);
}

TEST_F(HubTest, ColumnsAreFourInViewAndScrollToTheRight) {
    seisekitime1 &w = hub();
    ASSERT_EQ(w.width(), 1024);
    QScrollBar *bar = control<QScrollBar>(QStringLiteral("HScroll1"));
    EXPECT_EQ(bar->minimum(), 1);
    EXPECT_EQ(bar->maximum(), 4);
    EXPECT_EQ(bar->value(), 1);
    // 3456 units are 230.4 px; the margin 307 units 20 px.
    EXPECT_EQ(leftOf(1), 20);
    EXPECT_NEAR(start(1)->width(), 230, 1);
    EXPECT_NEAR(leftOf(4), 20 + 3 * 230.4, 1);
    EXPECT_NEAR(leftOf(2) - leftOf(1), 230.4, 1);
    EXPECT_EQ(control<QLabel>(QStringLiteral("Label10_1"))->x(), 115);  // half a column in

    bar->setValue(4);
    EXPECT_EQ(state->firstVisibleColumn, 4);
    EXPECT_EQ(leftOf(4), 20);
    EXPECT_NEAR(leftOf(7), 20 + 3 * 230.4, 1);
    for (int level = 1; level <= 3; ++level) EXPECT_GE(leftOf(level), w.width()) << level;

    // The next hub opens where this one was left.
    hub();
    EXPECT_EQ(control<QScrollBar>(QStringLiteral("HScroll1"))->value(), 4);
    EXPECT_EQ(leftOf(4), 20);
}

TEST_F(HubTest, KeysStartExistingLevelsAndGoBack) {
    struct Case {
        Qt::Key key;
        QString text;
        QStringList calls;
        int level;
    };
    const Case cases[] = {
        {Qt::Key_8, QStringLiteral("8"), {}, 0},
        {Qt::Key_A, QStringLiteral("A"), {}, 0},
        {Qt::Key_A, QStringLiteral("a"), {}, 0},  // level 10 does not exist
        {Qt::Key_7, QStringLiteral("7"), {QStringLiteral("exercise")}, 7},
        {Qt::Key_1, QStringLiteral("1"), {QStringLiteral("exercise")}, 1},
        {Qt::Key_0, QStringLiteral("0"), {QStringLiteral("nameSelection")}, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        navigator.calls.clear();
        state->currentLevel = 0;
        hub();
        QTest::keyClick(start(2), c.key, c.key == Qt::Key_A && c.text == QStringLiteral("A") ? Qt::ShiftModifier
                                                                                             : Qt::NoModifier);
        EXPECT_EQ(navigator.calls, c.calls);
        EXPECT_EQ(state->currentLevel, c.level);
    }
}

TEST_F(HubTest, AKeyPressedDuringActivationIsIgnored) {
    form = std::make_unique<seisekitime1>(*state, fake.platform, navigator);
    form->show();
    QCoreApplication::postEvent(form.get(), new QKeyEvent(QEvent::KeyPress, Qt::Key_3, Qt::NoModifier, "3"));
    form->activate();
    EXPECT_TRUE(navigator.calls.isEmpty());
    EXPECT_EQ(state->currentLevel, 0);

    QTest::keyClick(form.get(), Qt::Key_3);
    EXPECT_EQ(navigator.calls, QStringList{QStringLiteral("exercise")});
    EXPECT_EQ(form->readyFlag(), 0);  // starting a level makes the hub deaf again
}

TEST_F(HubTest, TheTitleLabelStartsTheLevelAndClosesTheHub) {
    hub();
    QTest::mouseClick(control<QLabel>(QStringLiteral("Label3_2")), Qt::LeftButton);
    EXPECT_EQ(navigator.calls, QStringList{QStringLiteral("exercise")});
    EXPECT_EQ(state->currentLevel, 2);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->readyFlag(), 1);
}

TEST_F(HubTest, FiguresShowDashesWithoutRunsAndCountsWithThem) {
    writeRuns({{0, 1, 1, 10}, {0, 1, 1, 15}, {3, 1, 1, 12}, {2, 1, 2, 10}, {0, 1, 9, 10}, {0, 2, 3, 10}});
    hub();
    EXPECT_EQ(state->todayTotalCount, 3);  // level 9 has no column but counts
    EXPECT_EQ(text(QStringLiteral("Label18")), QStringLiteral("本日総回数＝3回"));
    const QString todayPoints = QString::number(state->todayPoints(1, 1));
    const QString totalPoints = QString::number(state->totalPoints(1, 1));
    EXPECT_EQ(text(QStringLiteral("Label14_1")), QStringLiteral("2回/") + todayPoints + QStringLiteral("点"));
    EXPECT_EQ(text(QStringLiteral("Label15_1")), QStringLiteral("3回/") + totalPoints + QStringLiteral("点"));
    EXPECT_EQ(text(QStringLiteral("Label8_1")), QStringLiteral("最近7日=3回 / ") + totalPoints + QStringLiteral("点"));
    EXPECT_EQ(text(QStringLiteral("Label14_2")), QStringLiteral("-----"));
    EXPECT_EQ(text(QStringLiteral("Label15_2")), QStringLiteral("1回/") + QString::number(state->totalPoints(2, 1)) +
                                                     QStringLiteral("点"));
    EXPECT_EQ(text(QStringLiteral("Label14_3")), QStringLiteral("-----"));
    EXPECT_EQ(text(QStringLiteral("Label15_3")), QStringLiteral("------"));
    EXPECT_EQ(text(QStringLiteral("Label9_1")), QStringLiteral("今日"));
    EXPECT_EQ(text(QStringLiteral("Label10_1")), QStringLiteral("今まで"));
}

TEST_F(HubTest, OpensOnTheCumulativePointsRankingWithTheStudentMarked) {
    writeRuns({{0, 2, 1, 10}, {1, 1, 1, 10}, {0, 1, 1, 18}});
    seisekitime1 &w = hub();
    EXPECT_EQ(w.displayKind(), 2);
    EXPECT_EQ(w.pointsOrder(), 1);
    EXPECT_TRUE(control<QRadioButton>(QStringLiteral("Option2_1"))->isChecked());
    EXPECT_TRUE(control<QRadioButton>(QStringLiteral("Option1_1"))->isChecked());
    EXPECT_EQ(control<QRadioButton>(QStringLiteral("Option1_1"))->text(), QStringLiteral("累計順"));
    EXPECT_EQ(control<QRadioButton>(QStringLiteral("Option1_2"))->text(), QStringLiteral("本日順"));
    EXPECT_EQ(text(QStringLiteral("Label5")), QStringLiteral("獲得ポイント（今まで順位）"));
    for (int level = 1; level <= 7; ++level) {
        EXPECT_EQ(lines(level), rankingLines(*state, level, RankingView::PointsTotal, 1, QStringLiteral("全学年")));
        EXPECT_TRUE(control<QListWidget>(QStringLiteral("List5_%1").arg(level))->isVisible());
    }
    ASSERT_EQ(lines(1).size(), 3);
    EXPECT_TRUE(lines(1)[0].contains(QStringLiteral("●")));  // 11 + 5 points beat 11
    EXPECT_TRUE(control<QPushButton>(QStringLiteral("Command1"))->isEnabled());
}

TEST_F(HubTest, SelectorsSwitchViewsAndTheGradeFilterReappliesThem) {
    writeRuns({{0, 2, 1, 10}, {1, 1, 1, 12}, {0, 3, 2, 30}});
    seisekitime1 &w = hub();

    QTest::mouseClick(control<QRadioButton>(QStringLiteral("Option2_0")), Qt::LeftButton);
    EXPECT_EQ(w.displayKind(), 1);
    EXPECT_EQ(text(QStringLiteral("Label5")), QStringLiteral("ベスト成績"));
    EXPECT_EQ(control<QRadioButton>(QStringLiteral("Option1_1"))->text(), QStringLiteral("BEST表示"));
    EXPECT_EQ(control<QRadioButton>(QStringLiteral("Option1_2"))->text(), QStringLiteral("本日のみ"));
    EXPECT_EQ(control<QRadioButton>(QStringLiteral("Option1_3"))->text(), QStringLiteral("オール表示"));
    EXPECT_EQ(lines(1), rankingLines(*state, 1, RankingView::Time, 1, QStringLiteral("全学年")));

    // The filter re-runs the time view: only the 中1 student is left.
    control<QComboBox>(QStringLiteral("Combo1"))->setCurrentIndex(5);
    w.gradeFilterChosen(QStringLiteral("中１"));
    EXPECT_EQ(lines(1), rankingLines(*state, 1, RankingView::Time, 1, QStringLiteral("中１")));
    ASSERT_EQ(lines(1).size(), 1);
    EXPECT_TRUE(lines(1)[0].contains(QStringLiteral("井上")));

    QTest::mouseClick(control<QRadioButton>(QStringLiteral("Option2_1")), Qt::LeftButton);
    QTest::mouseClick(control<QRadioButton>(QStringLiteral("Option1_2")), Qt::LeftButton);
    EXPECT_EQ(w.pointsOrder(), 2);
    EXPECT_EQ(text(QStringLiteral("Label5")), QStringLiteral("獲得ポイント（今日の順位）"));
    EXPECT_EQ(control<QRadioButton>(QStringLiteral("Option1_3"))->text(), QStringLiteral("すべて"));
    EXPECT_EQ(lines(1), rankingLines(*state, 1, RankingView::PointsToday, 1, QStringLiteral("中１")));

    // The period acts only on sub-view 3, which shows the period selector.
    QComboBox *period = control<QComboBox>(QStringLiteral("Combo2"));
    w.choosePeriod(0);
    EXPECT_EQ(w.periodCode(), 3);
    EXPECT_TRUE(period->isHidden());
    QTest::mouseClick(control<QRadioButton>(QStringLiteral("Option1_3")), Qt::LeftButton);
    EXPECT_TRUE(period->isVisible());
    EXPECT_EQ(text(QStringLiteral("Label5")), QString());
    w.choosePeriod(3);
    EXPECT_EQ(w.periodCode(), 4);

    QTest::mouseClick(control<QRadioButton>(QStringLiteral("Option2_2")), Qt::LeftButton);
    EXPECT_EQ(text(QStringLiteral("Label5")), QStringLiteral("個人別ﾀｲﾑ"));
    EXPECT_TRUE(control<QPushButton>(QStringLiteral("Command20"))->isVisible());
    EXPECT_FALSE(control<QPushButton>(QStringLiteral("Command20"))->isEnabled());
    EXPECT_TRUE(period->isHidden());
    EXPECT_TRUE(control<QPushButton>(QStringLiteral("Command1"))->isEnabled());
    EXPECT_TRUE(start(1)->isEnabled());
}

TEST_F(HubTest, RunListsShowTodaysThePeriodsAndTheStudentsOwnRuns) {
    writeRuns({{0, 2, 1, 10}, {0, 1, 1, kNoTime}, {3, 1, 1, 12}, {40, 1, 1, 14}, {0, 3, 8, 30}});
    seisekitime1 &w = hub();
    const QDateTime now = fake.clock.now();
    const std::vector<ResultRecord> runs = test::storedRecords(*state);

    QTest::mouseClick(control<QRadioButton>(QStringLiteral("Option2_0")), Qt::LeftButton);
    QTest::mouseClick(control<QRadioButton>(QStringLiteral("Option1_2")), Qt::LeftButton);
    EXPECT_EQ(text(QStringLiteral("Label5")), QStringLiteral("本日の成績"));
    EXPECT_EQ(lines(1), todayRunLines(*state, runs, 1, QStringLiteral("全学年"), now.date())[1]);
    ASSERT_EQ(lines(1).size(), 2);
    EXPECT_TRUE(lines(1)[1].startsWith(QStringLiteral("　　× ")));

    QTest::mouseClick(control<QRadioButton>(QStringLiteral("Option1_3")), Qt::LeftButton);
    EXPECT_EQ(lines(1), periodRunLines(*state, runs, 1, QStringLiteral("全学年"), now, 30, PeriodLineForm::Time)[1]);
    EXPECT_EQ(lines(1).size(), 3);  // the run 40 days ago is outside the month
    QTest::mouseClick(control<QRadioButton>(QStringLiteral("Option2_1")), Qt::LeftButton);
    EXPECT_EQ(lines(1), periodRunLines(*state, runs, 1, QStringLiteral("全学年"), now, 30, PeriodLineForm::Points)[1]);
    w.choosePeriod(4);
    EXPECT_EQ(lines(1).size(), 4);

    QTest::mouseClick(control<QRadioButton>(QStringLiteral("Option2_2")), Qt::LeftButton);
    EXPECT_EQ(lines(1), personalRunLines(*state, runs, 1, QStringLiteral("全学年"), now)[1]);
    EXPECT_EQ(lines(1).size(), 3);
}

TEST_F(HubTest, ARefusedStartLeavesTheHubReady) {
    navigator.exerciseStarts = false;
    hub();
    QTest::keyClick(form.get(), Qt::Key_2);
    EXPECT_EQ(navigator.calls, QStringList{QStringLiteral("exercise")});
    EXPECT_EQ(form->readyFlag(), 1);
    EXPECT_TRUE(control<QWidget>(QStringLiteral("Picture2"))->isHidden());
}

TEST_F(HubTest, TheStudentsLineIsScrolledIntoView) {
    for (int number = 10; number < 70; ++number) addStudent(number, QStringLiteral("生徒%1").arg(number), 2018);
    std::vector<StoredRun> runs;
    for (int number = 10; number < 70; ++number) runs.push_back({1, number, 1, 10});
    writeRuns(runs);  // student 1 has no run and comes last
    hub();
    QListWidget *list = control<QListWidget>(QStringLiteral("List5_1"));
    ASSERT_EQ(list->count(), 63);
    QListWidgetItem *own = list->findItems(QStringLiteral("●"), Qt::MatchContains).value(0);
    ASSERT_NE(own, nullptr);
    EXPECT_GT(list->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(list->viewport()->rect().intersects(list->visualItemRect(own)));
    EXPECT_TRUE(list->selectedItems().isEmpty());
}

TEST_F(HubTest, OnlyTeachersSeeTheDataButton) {
    struct Case {
        QString name;
        bool teacher;
    };
    const Case cases[] = {
        {QStringLiteral("青木 太郎"), false},
        {QStringLiteral("★管理"), true},
        {QStringLiteral("山田先生"), true},
        {QStringLiteral("先 生"), false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        state->currentStudentName = c.name;
        hub();
        EXPECT_EQ(control<QPushButton>(QStringLiteral("Command8"))->isVisible(), c.teacher);
        EXPECT_EQ(control<QPushButton>(QStringLiteral("Command8"))->text(), QStringLiteral("データ処理"));
    }
}

TEST_F(HubTest, ThePasswordMustMatchExactly) {
    struct Case {
        Value stored;
        QString typed;
        bool opens;
    };
    const Case cases[] = {
        {Value::fromItem(QStringLiteral("0123")), QStringLiteral("0123"), true},
        {Value::fromItem(QStringLiteral("0123")), QStringLiteral("123"), false},
        {Value::fromItem(QStringLiteral("0123")), QStringLiteral("０１２３"), false},
        {Value::fromItem(QStringLiteral("Key")), QStringLiteral("key"), false},
        {Value(), QString(), true},
        {Value(), QStringLiteral("0"), false},
    };
    state->currentStudentName = QStringLiteral("★先生");
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        state->dataChangePassword = c.stored;
        fake.messages.shown.clear();
        seisekitime1 &w = hub();
        QTest::mouseClick(control<QPushButton>(QStringLiteral("Command8")), Qt::LeftButton);
        QLineEdit *box = control<QLineEdit>(QStringLiteral("Text2"));
        ASSERT_TRUE(box->isVisible());
        // Typed digits stay in the box instead of starting levels or leaving the hub.
        const bool ascii = c.typed.toLatin1() == c.typed.toUtf8();
        if (ascii) QTest::keyClicks(box, c.typed);
        else box->setText(c.typed);
        EXPECT_EQ(box->text(), c.typed);
        QTest::mouseClick(control<QPushButton>(QStringLiteral("Command9_1")), Qt::LeftButton);
        EXPECT_EQ(fake.messages.texts(), QStringList{c.opens ? QStringLiteral("この機能はまだ入っていません。")
                                                             : QStringLiteral("パスワードを入力して下さい")});
        EXPECT_TRUE(box->isVisible());
        EXPECT_TRUE(w.isVisible());
        EXPECT_TRUE(navigator.calls.isEmpty());

        // Nothing starts while the panel is open; "戻る" closes it.
        w.startLevel(1);
        EXPECT_TRUE(navigator.calls.isEmpty());
        QTest::mouseClick(control<QPushButton>(QStringLiteral("Command10")), Qt::LeftButton);
        EXPECT_FALSE(control<QWidget>(QStringLiteral("Picture8"))->isVisible());
    }
}

TEST_F(HubTest, AnOverusedLevelIsStoppedUnlessTheGoalIsCleared) {
    state->criteria[2].overuseCount = Value(2.0);
    state->criteria[3].overusePoints = Value(30.0);
    state->criteria[7].overuseCount = Value(1.0);
    writeRuns({{0, 1, 2, 10}, {0, 1, 2, 10}, {0, 1, 3, 10}, {0, 1, 3, 10}, {0, 1, 7, 10}});  // level 3: 22 points
    hub();
    EXPECT_FALSE(start(2)->isEnabled());
    EXPECT_TRUE(control<QLineEdit>(QStringLiteral("Text1_2"))->isVisible());
    EXPECT_EQ(control<QLineEdit>(QStringLiteral("Text1_2"))->text(), QStringLiteral("やりすぎ禁止"));
    EXPECT_TRUE(start(3)->isEnabled());
    EXPECT_FALSE(control<QLineEdit>(QStringLiteral("Text1_3"))->isVisible());
    EXPECT_TRUE(start(7)->isEnabled());  // the last level is never stopped
    EXPECT_FALSE(control<QLineEdit>(QStringLiteral("Text1_7"))->isVisible());
    EXPECT_EQ(state->finalLevelCleared, 0);

    QTest::keyClick(form.get(), Qt::Key_2);
    QTest::mouseClick(start(2), Qt::LeftButton);
    EXPECT_TRUE(navigator.calls.isEmpty());

    // Level 7 cleared (one run, any points): nothing is stopped.
    state->criteria[7].clearPoints = 0;
    state->criteria[7].clearCount = 1;
    hub();
    EXPECT_EQ(state->finalLevelCleared, 1);
    EXPECT_TRUE(start(2)->isEnabled());
    EXPECT_FALSE(control<QLineEdit>(QStringLiteral("Text1_2"))->isVisible());
}

TEST_F(HubTest, MinutesSinceLoginKeepCountingAfterMidnight) {
    state->loginMoment = QDateTime(QDate(2026, 12, 9), QTime(23, 50));
    state->loginSeconds = 23 * 3600 + 50 * 60;
    fake.clock.setNow(QDateTime(QDate(2026, 12, 10), QTime(0, 10, 30)));
    hub();
    EXPECT_EQ(text(QStringLiteral("Label17")), QStringLiteral("起動後20分"));
}

TEST_F(HubTest, AFailedAggregationEndsTheProgram) {
    QFile::remove(dir.file(kResultsFileName));
    QDir().mkpath(dir.file(kResultsFileName));  // a folder where the file should be
    EXPECT_EQ(test::endStatusOf([&] { hub(); }), 1);
    EXPECT_EQ(fake.messages.shown.size(), 1);
}

TEST_F(HubTest, TheProgramOpensTheHubActivatedAndClosesItForAnExercise) {
    AppNavigator app(*state, fake.platform);
    app.runLevelCatalogue();
    QPointer<seisekitime1> opened;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *h = qobject_cast<seisekitime1 *>(w); h && h->isVisible()) opened = h;
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->readyFlag(), 1);
    EXPECT_EQ(opened->findChild<QLabel *>(QStringLiteral("Label12"))->text(), QStringLiteral("小２ 青木 太郎"));
    app.closeHub();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(opened, nullptr);
}

TEST_F(HubTest, Renders) {
    state->currentStudentName = QStringLiteral("青木先生");
    state->criteria[2].overuseCount = Value(2.0);
    state->criteria[3].clearPoints = 9999;
    for (int number = 10; number < 40; ++number)
        addStudent(number, QStringLiteral("生徒%1番").arg(number), 2010 + number % 10);
    std::vector<StoredRun> runs;
    for (int number = 10; number < 40; ++number)
        for (int level = 1; level <= 7; ++level) runs.push_back({number % 5, number, level, 8 + (number * level) % 40});
    runs.push_back({0, 1, 2, 12});
    runs.push_back({0, 1, 2, 14});
    runs.push_back({1, 1, 1, 11});
    writeRuns(runs);
    seisekitime1 &w = hub();
    w.resize(1024, 768);
    render(QStringLiteral("seisekitime1_points.png"));
    QTest::mouseClick(control<QRadioButton>(QStringLiteral("Option2_0")), Qt::LeftButton);
    render(QStringLiteral("seisekitime1_time.png"));
    control<QScrollBar>(QStringLiteral("HScroll1"))->setValue(4);
    render(QStringLiteral("seisekitime1_scrolled.png"));
    control<QScrollBar>(QStringLiteral("HScroll1"))->setValue(1);
    QTest::mouseClick(control<QRadioButton>(QStringLiteral("Option1_2")), Qt::LeftButton);
    render(QStringLiteral("seisekitime1_today.png"));
    QTest::mouseClick(control<QRadioButton>(QStringLiteral("Option1_3")), Qt::LeftButton);
    render(QStringLiteral("seisekitime1_period.png"));
    QTest::mouseClick(control<QRadioButton>(QStringLiteral("Option2_2")), Qt::LeftButton);
    render(QStringLiteral("seisekitime1_personal.png"));
    w.dataChangeClicked();
    render(QStringLiteral("seisekitime1_password.png"));
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

}  // namespace
}  // namespace tsubura
