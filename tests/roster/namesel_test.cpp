#include "roster/windows/namesel.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "platform/clock.h"
#include "platform_fakes.h"
#include "platform/random_source.h"
#include "platform/sound_player.h"
#include "roster/roster.h"
#include "shell/shared_state.h"
#include "store/result_record.h"
#include "store/results_file.h"
#include "test_support.h"

namespace tsubura {
namespace {

using test::TempDir;

// School year 2026: born 2019 is 小1, 2013 中1, 2020 幼3, 2010 高1.
const QDateTime kNow(QDate(2026, 12, 10), QTime(16, 0, 7, 600));
const QString W = QStringLiteral("　");  // full-width space

QString sp(int n) { return QString(n, QLatin1Char(' ')); }
QString ws(int n) { return QString(n, QChar(0x3000)); }

struct StoredRun {
    int daysAgo;
    int student;
    int level;
    std::int32_t seconds;
};

class NameselTest : public ::testing::Test {
protected:
    NameselTest() {
        state->folders.dataRoot = dir.path();
        state->folders.programDataDir = dir.path();
        state->schoolYearStartMonth = Value(4);
        state->nameListSwitch = Value(0);
        state->seasonColour = 12648384;
        state->programTitle = QStringLiteral("ツブラ　ドットカード");
        starter.succeed = false;  // starting other programs is not for these tests
        test::setPlainCriteria(*state);
        writeRuns({});
    }

    void writeRoster(const QStringList &lines) const { dir.writeText(kRosterFileName, lines); }

    void writeRuns(const std::vector<StoredRun> &runs) const {
        QByteArray bytes;
        for (const StoredRun &r : runs) {
            const ResultRecord record =
                makeResultRecord(kNow.addDays(-r.daysAgo).addSecs(-3600), r.student, r.level, r.seconds, QString());
            const PackedRecord p = packRecord(record);
            bytes.append(p.data(), kRecordSize);
        }
        dir.writeBytes(kResultsFileName, bytes);
    }

    namesel &window() {
        if (!form) {
            form = std::make_unique<namesel>(*state, platform, navigator, [this] { ++wrongSounds; });
        }
        return *form;
    }

    // A new window through its load and first activation.
    namesel &started() {
        window().start();
        return *form;
    }

    template <typename T>
    T *control(const QString &name) {
        T *found = window().findChild<T *>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QListWidget *list() { return control<QListWidget>(QStringLiteral("List1")); }
    QString selectionLine() { return control<QLabel>(QStringLiteral("Label1"))->text(); }

    QStringList rows() {
        QStringList out;
        for (int i = 0; i < list()->count(); ++i) out.append(list()->item(i)->text());
        return out;
    }

    void clickRow(int row) {
        QListWidget *l = list();
        l->scrollToItem(l->item(row));
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(row)).center());
    }

    TempDir dir;
    std::unique_ptr<SharedState> state = std::make_unique<SharedState>();
    FakeClock clock{kNow};
    RandomSource random;
    test::MessageRecorder messages;
    test::ProgramEndRecorder programEnd;
    test::StarterRecorder starter;
    RecordingSoundPlayer sound;
    test::ClockWaiter waiter{clock};
    Platform platform{clock, random, messages, programEnd, starter, sound, waiter};
    test::NavigatorRecorder navigator;
    int wrongSounds = 0;
    std::unique_ptr<namesel> form;
};

TEST_F(NameselTest, AFreshWindowEndsOnOptionOneWithTheFilterFilled) {
    writeRoster({QStringLiteral("3,2019,0,0,\"佐藤\",0,,")});
    namesel &w = started();

    EXPECT_EQ(w.displayOption(), 1);
    EXPECT_TRUE(control<QRadioButton>(QStringLiteral("Option1_1"))->isChecked());
    QComboBox *combo = control<QComboBox>(QStringLiteral("Combo1"));
    ASSERT_EQ(combo->count(), 12);
    EXPECT_EQ(combo->itemText(0), QStringLiteral("全学年"));
    EXPECT_EQ(combo->itemText(11), QStringLiteral("小１"));
    EXPECT_EQ(combo->currentText(), QStringLiteral("全学年"));
    EXPECT_EQ(state->gradeFilterText, QStringLiteral("全学年"));
    EXPECT_EQ(control<QLabel>(QStringLiteral("Label4"))->text(), state->programTitle);
    EXPECT_EQ(selectionLine(), QStringLiteral("名前を選びなさい"));
    EXPECT_EQ(list()->currentRow(), 0);
    EXPECT_TRUE(control<QWidget>(QStringLiteral("Picture5"))->isHidden());
    EXPECT_EQ(rows(), (QStringList{QStringLiteral("－－－－－－"), QStringLiteral("小1 佐藤") + ws(4) + sp(2) + W + "/" + sp(7)}));
}

TEST_F(NameselTest, RowsShowTheFiguresOfEachOptionYoungestFirst) {
    writeRoster({
        QStringLiteral("3,2019,0,0,\"佐藤\",0,,"),
        QStringLiteral("4,2019,0,0,\"山田花子\",0,,"),   // no results
        QStringLiteral("5,2020,0,0,\"木村\",0,,"),       // kindergarten, no results
        QStringLiteral("6,2013,0,0,\"長い名前の生徒です\",0,,"),  // longer than the width: no filler
        QStringLiteral("7,2019,0,0,\"非表示\",1,,"),     // not listed
    });
    writeRuns({{0, 3, 1, 10}, {0, 3, 2, 10}, {5, 3, 1, 20}, {1, 6, 3, 10}});  // 11, 11, 5; 11 points

    struct Case {
        int option;
        QStringList rows;
    };
    const Case cases[] = {
        {0,
         {QStringLiteral("幼3 木村") + ws(6) + sp(5) + "/" + sp(5) + W,
          QStringLiteral("小1 山田花子") + ws(2) + sp(5) + "/" + sp(5) + W,
          QStringLiteral("小1 佐藤") + ws(4) + "  2回/    3回",
          QStringLiteral("中1 長い名前の生徒です") + sp(5) + "/    1回"}},
        {1,
         {QStringLiteral("幼3 木村") + ws(4) + sp(2) + W + "/" + sp(7),
          QStringLiteral("小1 山田花子") + ws(2) + sp(2) + W + "/" + sp(7),
          QStringLiteral("小1 佐藤") + ws(4) + "  22/     27",
          QStringLiteral("中1 長い名前の生徒です") + sp(2) + W + "/     11"}},
        {2,
         {QStringLiteral("幼3 木村") + ws(6) + sp(2) + W + "/" + sp(5),
          QStringLiteral("小1 山田花子") + ws(2) + sp(2) + W + "/" + sp(5),
          QStringLiteral("小1 佐藤") + ws(4) + "  22/  2回",
          QStringLiteral("中1 長い名前の生徒です") + sp(2) + W + "/" + sp(5)}},
        {3,
         {QStringLiteral("幼3 木村") + ws(6) + sp(7) + "/" + sp(5) + W,
          QStringLiteral("小1 山田花子") + ws(2) + sp(7) + "/" + sp(5) + W,
          QStringLiteral("小1 佐藤") + ws(4) + "     27/    3回",
          QStringLiteral("中1 長い名前の生徒です") + "     11/    1回"}},
    };
    started();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.option);
        QTest::mouseClick(control<QRadioButton>(QStringLiteral("Option1_%1").arg(c.option)), Qt::LeftButton);
        EXPECT_EQ(form->displayOption(), c.option);
        EXPECT_EQ(rows().mid(1), c.rows);
        EXPECT_EQ(form->numberList(), (QStringList{"5", "4", "3", "6"}));
        EXPECT_EQ(selectionLine(), QStringLiteral("名前を選びなさい"));
    }
}

TEST_F(NameselTest, ATodaysCountAboveNineHundredNinetyNineKeepsItsLastThreeDigits) {
    writeRoster({QStringLiteral("3,2019,0,0,\"佐藤\",0,,")});
    writeRuns(std::vector<StoredRun>(1234, StoredRun{0, 3, 1, 10}));
    started();
    form->optionChosen(0);
    EXPECT_EQ(rows().value(1), QStringLiteral("小1 佐藤") + ws(4) + "234回/ 1234回");
}

TEST_F(NameselTest, GradeFiltersNarrowTheList) {
    writeRoster({
        QStringLiteral("1,2019,0,0,\"小一\",0,,"),
        QStringLiteral("2,2018,0,0,\"小二\",0,,"),
        QStringLiteral("3,2013,0,0,\"中一\",0,,"),
        QStringLiteral("4,2011,0,0,\"中三\",0,,"),
        QStringLiteral("5,2010,0,0,\"高一\",0,,"),
        QStringLiteral("6,2020,0,0,\"年長\",0,,"),
        // A short birth year moves the cut: listed under 全学年 only, without its label in front.
        QStringLiteral("7,0,0,0,\"ゼロ\",0,,"),
    });
    started();
    struct Case {
        QString filter;
        QStringList numbers;
    };
    const Case cases[] = {
        {QStringLiteral("中学生全体"), {"3", "4"}},
        {QStringLiteral("小１"), {"1"}},
        {QStringLiteral("小学生全体"), {"1", "2"}},
        {QStringLiteral("中３"), {"4"}},
        {QStringLiteral("全学年"), {"6", "1", "2", "3", "4", "5", "7"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.filter.toStdString());
        form->gradeFilterChosen(c.filter);
        EXPECT_EQ(state->gradeFilterText, c.filter);
        EXPECT_EQ(control<QComboBox>(QStringLiteral("Combo1"))->currentText(), c.filter);
        EXPECT_EQ(form->numberList(), c.numbers);
        EXPECT_EQ(list()->count(), c.numbers.size() + 1);
    }
    // The combo itself drives the same rebuild: one step down from 全学年 is 中学生全体.
    QComboBox *combo = control<QComboBox>(QStringLiteral("Combo1"));
    combo->setCurrentIndex(0);
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(state->gradeFilterText, QStringLiteral("中学生全体"));
    EXPECT_EQ(form->numberList(), (QStringList{"3", "4"}));
    form->gradeFilterChosen(QStringLiteral("全学年"));
    EXPECT_EQ(rows().last(), QStringLiteral("ゼロ") + ws(4) + sp(2) + W + "/" + sp(7));
}

TEST_F(NameselTest, SelectingAndConfirmingANameSetsTheCurrentStudent) {
    writeRoster({
        QStringLiteral("12,2019,0,0,\"山田 太郎\",0,,"),
        QStringLiteral("40,2013,0,0,\"とても長い名前の生徒\",0,,"),
    });
    started();
    ASSERT_EQ(list()->count(), 3);

    clickRow(2);
    EXPECT_EQ(control<QLabel>(QStringLiteral("Label2"))->text(), QStringLiteral("40"));
    EXPECT_EQ(selectionLine(), QStringLiteral("中1 とても長い名前"));  // the first 10 characters
    clickRow(0);
    EXPECT_EQ(selectionLine(), QStringLiteral("名前を選びなさい"));
    clickRow(1);
    // Only half-width spaces are trimmed: the full-width filler stays.
    EXPECT_EQ(selectionLine(), QStringLiteral("小1 山田 太郎") + W);

    QTest::mouseClick(control<QPushButton>(QStringLiteral("Command14")), Qt::LeftButton);
    EXPECT_EQ(navigator.count(QStringLiteral("levelCatalogue")), 1);
    EXPECT_EQ(wrongSounds, 0);
    EXPECT_EQ(state->currentStudentNo, 12);
    EXPECT_EQ(state->currentStudentName, QStringLiteral("山田 太郎") + sp(15));
    EXPECT_EQ(state->currentStudentGrade, QStringLiteral("小１"));
    EXPECT_EQ(state->loginSeconds, 16 * 3600 + 8);  // 16:00:07.6 rounded
    EXPECT_TRUE(control<QPushButton>(QStringLiteral("Command14"))->isHidden());
    EXPECT_FALSE(control<QWidget>(QStringLiteral("Picture5"))->isHidden());
}

TEST_F(NameselTest, DoubleClickShowsTheRowUpToTheSlashAndConfirms) {
    writeRoster({QStringLiteral("40,2013,0,0,\"とても長い名前の生徒\",0,,")});
    started();
    QListWidget *l = list();
    clickRow(1);
    QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(1)).center());
    EXPECT_EQ(selectionLine(), QStringLiteral("中1 とても長い名前の生徒") + sp(2) + W);
    EXPECT_EQ(navigator.count(QStringLiteral("levelCatalogue")), 1);
    EXPECT_EQ(state->currentStudentNo, 40);

    // On the separator a double click only resets the line.
    form->rowDoubleClicked(0);
    EXPECT_EQ(selectionLine(), QStringLiteral("名前を選びなさい"));
    EXPECT_EQ(navigator.count(QStringLiteral("levelCatalogue")), 1);
}

TEST_F(NameselTest, TheSeparatorCannotBeConfirmed) {
    writeRoster({});  // an empty roster leaves only the separator
    started();
    EXPECT_EQ(rows(), QStringList{QStringLiteral("－－－－－－")});
    QTest::mouseClick(control<QPushButton>(QStringLiteral("Command14")), Qt::LeftButton);
    QTest::keyClick(list(), Qt::Key_Return);
    EXPECT_EQ(wrongSounds, 2);
    EXPECT_EQ(navigator.count(QStringLiteral("levelCatalogue")), 0);
    EXPECT_FALSE(control<QPushButton>(QStringLiteral("Command14"))->isHidden());
    EXPECT_TRUE(control<QWidget>(QStringLiteral("Picture5"))->isHidden());
}

TEST_F(NameselTest, KeysOneZeroEnterAndSpace) {
    writeRoster({QStringLiteral("12,2019,0,0,\"山田\",0,,"), QStringLiteral("13,2019,0,0,\"川田\",0,,")});
    started();

    QTest::keyClick(list(), '7');
    QTest::keyClick(&window(), '7');
    EXPECT_EQ(wrongSounds, 0);
    QTest::keyClick(list(), '1');  // no name chosen
    EXPECT_EQ(wrongSounds, 1);
    EXPECT_EQ(navigator.count(QStringLiteral("levelCatalogue")), 0);

    QTest::keyClick(list(), Qt::Key_Down);
    EXPECT_EQ(selectionLine(), QStringLiteral("小1 川田") + ws(4));  // 川 sorts after 山: listed first
    QTest::keyClick(list(), Qt::Key_Space);
    EXPECT_EQ(navigator.count(QStringLiteral("levelCatalogue")), 1);
    EXPECT_EQ(state->currentStudentNo, 13);

    // With the O.K. button hidden, neither "1" nor a repeated Enter confirms again.
    QTest::keyClick(control<QComboBox>(QStringLiteral("Combo1")), '1');
    QTest::keyClick(list(), Qt::Key_Return);
    EXPECT_EQ(navigator.count(QStringLiteral("levelCatalogue")), 1);
    EXPECT_EQ(wrongSounds, 1);

    navigator.launcherStarts = false;
    QTest::keyClick(list(), '0');
    EXPECT_EQ(navigator.count(QStringLiteral("launcher")), 1);
    EXPECT_TRUE(programEnd.statuses.empty());
    navigator.launcherStarts = true;
    EXPECT_EQ(test::endStatusOf([&] { form->launcherClicked(); }), 0);
    EXPECT_EQ(navigator.count(QStringLiteral("launcher")), 2);
}

TEST_F(NameselTest, ANameWithAStarSignsInItsOwnStudent) {
    writeRoster({QStringLiteral("12,2019,0,0,\"体験*山田\",0,,")});
    started();
    EXPECT_EQ(form->numberList(), QStringList{"12"});
    EXPECT_TRUE(rows().value(1).startsWith(QStringLiteral("小1 体験*山田"))) << rows().value(1).toStdString();
    list()->setCurrentRow(1);
    QTest::keyClick(list(), Qt::Key_Enter);
    EXPECT_EQ(state->currentStudentNo, 12);
}

TEST_F(NameselTest, EnterInTheListConfirmsTheChosenName) {
    writeRoster({QStringLiteral("12,2019,0,0,\"山田\",0,,")});
    started();
    list()->setCurrentRow(1);
    QTest::keyClick(list(), Qt::Key_Enter);
    EXPECT_EQ(navigator.count(QStringLiteral("levelCatalogue")), 1);
    EXPECT_EQ(state->currentStudentNo, 12);
}

TEST_F(NameselTest, ClosingTheVersionWindowRebuildsOnOptionOne) {
    writeRoster({QStringLiteral("12,2019,0,0,\"山田\",0,,"), QStringLiteral("13,2013,0,0,\"川田\",0,,")});
    started();
    form->optionChosen(3);
    form->gradeFilterChosen(QStringLiteral("中学生全体"));
    clickRow(1);
    ASSERT_EQ(selectionLine(), QStringLiteral("中1 川田") + ws(4));

    QTest::mouseClick(control<QLabel>(QStringLiteral("Label4")), Qt::LeftButton);

    ASSERT_EQ(navigator.versionOver.size(), 1);
    EXPECT_EQ(navigator.versionOver[0], form.get());
    EXPECT_EQ(form->displayOption(), 1);
    EXPECT_TRUE(control<QRadioButton>(QStringLiteral("Option1_1"))->isChecked());
    EXPECT_FALSE(control<QRadioButton>(QStringLiteral("Option1_3"))->isChecked());
    EXPECT_EQ(control<QComboBox>(QStringLiteral("Combo1"))->count(), 12);
    // The shared filter is reset, the combo keeps the chosen one and the list follows the combo.
    EXPECT_EQ(state->gradeFilterText, QStringLiteral("全学年"));
    EXPECT_EQ(control<QComboBox>(QStringLiteral("Combo1"))->currentText(), QStringLiteral("中学生全体"));
    EXPECT_EQ(form->numberList(), QStringList{"13"});
    EXPECT_EQ(selectionLine(), QStringLiteral("名前を選びなさい"));
}

TEST_F(NameselTest, TheSixthFailureShowsTheMarkAndEnds) {
    struct Case {
        const char *what;
        QStringList roster;  // empty: no roster file
        QString mark;
        QString start;  // the mark stays apart from the description, and the file is named
    };
    const Case cases[] = {
        {"missing file", {}, QStringLiteral("3"),
         QStringLiteral("名簿表示3ファイルがありません53\n") + dir.file(kRosterFileName)},
        {"bad number after a listed student",
         {QStringLiteral("12,2019,0,0,\"山田\",0,,"), QStringLiteral("6000,2019,0,0,\"川田\",0,,")},
         QStringLiteral("4"), QStringLiteral("名簿表示4番号 6000 が")},
        {"a word for a number", {QStringLiteral("x,2019,0,0,\"山田\",0,,")}, QStringLiteral("3"),
         QStringLiteral("名簿表示3番号（1 項目め）が数値ではありません")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(dir.file(kRosterFileName));
        if (!c.roster.isEmpty()) writeRoster(c.roster);
        SharedState probe;
        probe.folders.dataRoot = dir.path();
        probe.schoolYearStartMonth = Value(4);
        const std::optional<RosterError> expected = loadRoster(probe, kNow.date());
        ASSERT_TRUE(expected);

        messages.shown.clear();
        programEnd.statuses.clear();
        waiter.waits.clear();
        form.reset();
        EXPECT_EQ(test::endStatusOf([&] { window().名簿表示(); }), 1);
        EXPECT_EQ(waiter.waits, QList<int>(6, 5000));
        EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("名簿表示") + c.mark + expected->message +
                                              QString::number(expected->errorNumber) + "\n" +
                                              expected->where()});
        EXPECT_TRUE(messages.texts().value(0).startsWith(c.start)) << messages.texts().value(0).toStdString();
    }
}

TEST_F(NameselTest, AnAggregationFailureIsShownOnceAndEnds) {
    writeRoster({QStringLiteral("12,2019,0,0,\"山田\",0,,")});
    state->folders.programDataDir = dir.file(QStringLiteral("missing/"));
    EXPECT_EQ(test::endStatusOf([&] { window().名簿表示(); }), 1);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_FALSE(messages.shown[0].text.startsWith(QStringLiteral("名簿表示")));
    EXPECT_EQ(form->progressMark(), 1.5);
}

TEST_F(NameselTest, ARosterThatAppearsDuringTheWaitIsListed) {
    QFile::remove(dir.file(kRosterFileName));
    waiter.onWait = [this](int count) {
        if (count == 2) writeRoster({QStringLiteral("12,2019,0,0,\"山田\",0,,")});
    };
    window().名簿表示();
    EXPECT_EQ(waiter.waits.size(), 2);
    EXPECT_EQ(form->attemptCounter(), 2);
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(form->numberList(), QStringList{"12"});
}

TEST_F(NameselTest, AnOptionChosenDuringTheWaitRebuildsOnceWithoutDuplicates) {
    QFile::remove(dir.file(kRosterFileName));
    waiter.onWait = [this](int count) {
        if (count != 1) return;
        writeRoster({QStringLiteral("12,2019,0,0,\"山田\",0,,")});
        form->optionChosen(2);  // nested rebuild: succeeds and resets the counter
    };
    window().名簿表示();
    EXPECT_EQ(form->displayOption(), 2);
    EXPECT_EQ(form->attemptCounter(), 1);
    EXPECT_EQ(rows(), (QStringList{QStringLiteral("－－－－－－"), QStringLiteral("小1 山田") + ws(4) + sp(2) + W + "/" + sp(5)}));
    EXPECT_EQ(form->numberList(), QStringList{"12"});
}

TEST_F(NameselTest, ShowingTheWindowLoadsAndActivatesIt) {
    writeRoster({QStringLiteral("12,2019,0,0,\"山田\",0,,")});
    window().show();
    EXPECT_FALSE(control<QWidget>(QStringLiteral("Picture5"))->isHidden());  // the wait panel first
    QTRY_COMPARE(form->displayOption(), 1);
    EXPECT_EQ(control<QComboBox>(QStringLiteral("Combo1"))->count(), 12);
    EXPECT_EQ(form->numberList(), QStringList{"12"});
    EXPECT_TRUE(control<QWidget>(QStringLiteral("Picture5"))->isHidden());
    form->start();  // runs once only
    EXPECT_EQ(control<QComboBox>(QStringLiteral("Combo1"))->count(), 12);
}

TEST_F(NameselTest, TwentyFiveNamesAreAllListedAndSelectable) {
    QStringList lines;
    for (int i = 1; i <= 25; ++i) lines.append(QStringLiteral("%1,%2,0,0,\"生徒%1\",0,,").arg(100 + i).arg(2010 + i % 10));
    writeRoster(lines);
    started();
    ASSERT_EQ(list()->count(), 26);
    QStringList numbers = form->numberList();
    EXPECT_EQ(numbers.size(), 25);
    numbers.sort();
    EXPECT_EQ(numbers.first(), QStringLiteral("101"));
    EXPECT_EQ(numbers.last(), QStringLiteral("125"));
    // Youngest first: the birth years never rise down the list.
    for (int row = 2; row < list()->count(); ++row) {
        EXPECT_GE(state->rosterBirthYears[form->numberList()[row - 2].toInt()],
                  state->rosterBirthYears[form->numberList()[row - 1].toInt()]);
    }
    clickRow(25);
    EXPECT_EQ(control<QLabel>(QStringLiteral("Label2"))->text(), form->numberList().last());
}

TEST_F(NameselTest, RendersToAPicture) {
    writeRoster({
        QStringLiteral("3,2019,0,0,\"佐藤 一郎\",0,,"),
        QStringLiteral("4,2017,0,0,\"山田花子\",0,,"),
        QStringLiteral("5,2020,0,0,\"木村\",0,,"),
        QStringLiteral("6,2013,0,0,\"長い名前の生徒です\",0,,"),
        QStringLiteral("8,2010,0,0,\"高橋\",0,,"),
    });
    writeRuns({{0, 3, 1, 10}, {0, 3, 2, 12}, {5, 3, 1, 20}, {1, 6, 3, 10}, {0, 4, 1, 15}, {40, 8, 2, 9}});
    started();
    window().resize(1024, 768);
    clickRow(2);
    QDir().mkpath(QStringLiteral(TSUBURA_RENDER_DIR));
    EXPECT_TRUE(window().grab().save(QStringLiteral(TSUBURA_RENDER_DIR) + "/namesel.png"));
}

}  // namespace
}  // namespace tsubura
