#include "exercise/windows/MainFrm.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QPalette>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <memory>

#include "exercise/card_layout.h"
#include "platform_fakes.h"
#include "shell/shared_state.h"
#include "sound/sound_configuration.h"
#include "sound/sound_cues.h"
#include "store/results_file.h"
#include "test_support.h"

namespace tsubura {
namespace {

using test::TempDir;

constexpr int kLevel = 3;
constexpr int kStudent = 12;

class MainFrmTest : public ::testing::Test {
protected:
    MainFrmTest() {
        state->folders.programDataDir = dir.path();
        state->folders.dataRoot = dir.path();
        state->folders.soundDir = dir.path();
        state->currentLevel = kLevel;
        state->currentStudentNo = kStudent;
        state->currentStudentName = QStringLiteral(" 山田　花子 ");
        state->programTitle = QStringLiteral("ツブラ");
        state->levelNames[kLevel] = QStringLiteral("レベル３");
        state->schoolCode = QStringLiteral("K12");
        state->loginSeconds = 15 * 3600 + 48 * 60;  // twelve minutes before the fake clock's 16:00
        state->bestTime.fill(kNoTime);
        state->levelBestTime.fill(kNoTime);
        state->criteria[kLevel].targetTime = 30;
        state->criteria[kLevel].minTime = 20;  // time limit 100
        dir.writeBytes(kResultsFileName, {});
        form = std::make_unique<MainFrm>(*state, fake.platform, navigator, sounds);
        form->activate();
    }

    QString shown(const char *name) const { return form->findChild<QLabel *>(QLatin1String(name))->text(); }
    bool visible(const char *name) const { return !form->findChild<QWidget *>(QLatin1String(name))->isHidden(); }
    QColor panelColour() const {
        return form->findChild<QWidget *>(QStringLiteral("Picture2"))->palette().color(QPalette::Window);
    }
    void type(const QString &text) { QTest::keyClicks(form.get(), text); }
    void space() { QTest::keyClick(form.get(), Qt::Key_Space); }
    void tick(int ms) {
        fake.clock.advance(ms);
        form->sTimer1Tick();
    }
    void answerCorrectly() {
        type(QString::number(form->card().dotCount));
        space();
    }
    // The same through the key handler itself, for answers that may end the program: the end
    // leaves by an exception, which must not cross Qt's event dispatch.
    void answerThroughHandler() {
        for (QChar c : QString::number(form->card().dotCount)) form->handleKey(c.unicode(), QString(c));
        form->handleKey(Qt::Key_Space, QStringLiteral(" "));
    }

    // The centre of a dot of the card that nothing else covers.
    QPoint freeDotCentre() const {
        for (int cell : form->card().cells) {
            const QString name = QStringLiteral("%1_%2").arg(form->card().arranged ? "Shape2" : "Shape1").arg(cell);
            const auto *dot = form->findChild<QWidget *>(name);
            const QPoint at = dot->mapTo(form.get(), dot->rect().center());
            if (form->childAt(at) == dot) return at;
        }
        ADD_FAILURE() << "every dot is covered";
        return {};
    }
    // What the window's backing store holds at a point, without letting events run.
    QColor flushed(const QPoint &at) const {
        return form->screen()->grabWindow(form->winId(), at.x(), at.y(), 1, 1).toImage().pixelColor(0, 0);
    }

    std::vector<ResultRecord> storedRecords() const { return test::storedRecords(*state); }

    TempDir dir;
    std::unique_ptr<SharedState> state = std::make_unique<SharedState>();
    test::FakePlatform fake;
    test::NavigatorRecorder navigator;
    SoundCues sounds{*state, fake.platform};
    std::unique_ptr<MainFrm> form;
};

TEST_F(MainFrmTest, ActivationFillsTheStripAndFlashesTheFirstCard) {
    EXPECT_EQ(navigator.count("closeHub"), 1);
    EXPECT_EQ(state->timeLimit, 100);
    EXPECT_EQ(shown("sLabel7"), QStringLiteral("山田　花子"));
    EXPECT_EQ(shown("sLabel9"), "10");
    EXPECT_EQ(shown("sLabel10"), "0");
    EXPECT_FALSE(form->covered());
    EXPECT_TRUE(form->Timer1.isActive());
    EXPECT_GT(form->card().dotCount, 0);
    form->timer1Fired();
    EXPECT_TRUE(form->covered());
}

TEST_F(MainFrmTest, FlashAndCoverReachTheWindowAtOnceAndTheFlashTimerIsPrecise) {
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->timer1Fired();
    form->command6();
    EXPECT_TRUE(form->Timer1.isActive());
    EXPECT_EQ(form->Timer1.timerType(), Qt::PreciseTimer);
    const QPoint dot = freeDotCentre();
    EXPECT_EQ(flushed(dot), QColor(Qt::red));
    form->timer1Fired();
    EXPECT_EQ(flushed(dot), colourFromValue(kPaleGreen));
}

TEST_F(MainFrmTest, AFlashThatCannotPaintYetStartsItsTimeWithTheFirstFrame) {
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->timer1Fired();
    form->setUpdatesEnabled(false);  // as a window not yet exposed: the card cannot be seen
    form->command6();
    EXPECT_FALSE(form->Timer1.isActive());
    form->setUpdatesEnabled(true);
    QCoreApplication::processEvents();
    EXPECT_TRUE(form->Timer1.isActive());
}

TEST_F(MainFrmTest, ShownTimeChangesOnlyAtTicksAndSeeAgainCostsFive) {
    tick(2500);
    EXPECT_EQ(shown("sLabel10"), "2");  // 2.5 rounds to even
    space();
    EXPECT_FALSE(form->covered());
    EXPECT_EQ(shown("sLabel10"), "2");
    EXPECT_EQ(state->elapsedSeconds, 2);
    tick(1000);
    EXPECT_EQ(shown("sLabel10"), "8");  // 8.5 rounds to even
}

TEST_F(MainFrmTest, ElapsedTimeRunsOnAcrossMidnight) {
    fake.clock.setNow(QDateTime(QDate(2026, 12, 10), QTime(23, 59, 55)));
    form->スタート();
    tick(10000);
    EXPECT_EQ(state->elapsedSeconds, 10);
}

TEST_F(MainFrmTest, SpaceTwiceWithNothingTypedAddsTenSeconds) {
    space();
    space();
    tick(1000);
    EXPECT_EQ(state->elapsedSeconds, 11);
}

TEST_F(MainFrmTest, WrongAnswerCostsTenAndNeedsTwoConsecutivePlusesToGoOn) {
    const int firstCount = form->card().dotCount;
    type(QString::number(firstCount + 1));
    space();
    EXPECT_EQ(state->plusState, 1);
    EXPECT_EQ(state->correctCount, 0);
    EXPECT_EQ(shown("sLabel9"), "10");
    EXPECT_TRUE(visible("Label1"));
    EXPECT_TRUE(visible("Label3"));
    EXPECT_EQ(shown("Label1"), form->card().answerText);
    EXPECT_FALSE(form->covered());
    EXPECT_EQ(panelColour(), colourFromValue(12632319));
    tick(400);
    EXPECT_EQ(state->elapsedSeconds, 10);

    type("+5+");
    EXPECT_EQ(state->plusState, 2);
    EXPECT_TRUE(visible("Label3"));
    EXPECT_FALSE(form->Timer2.isActive());
    type("5++");
    EXPECT_EQ(state->plusState, 0);
    EXPECT_FALSE(visible("Label3"));
    EXPECT_TRUE(form->covered());
    EXPECT_TRUE(form->Timer2.isActive());
    EXPECT_TRUE(form->typedAnswer().isEmpty());
    EXPECT_EQ(panelColour(), colourFromValue(12648384));
    form->timer2Fired();
    EXPECT_FALSE(form->covered());

    for (int i = 0; i < 9; ++i) answerCorrectly();
    EXPECT_EQ(state->correctCount, 9);
    EXPECT_EQ(state->exerciseFinished, 0);
    EXPECT_EQ(shown("sLabel9"), "1");
}

TEST_F(MainFrmTest, FourthCharacterIsRefusedWithTheWarningAndBackspaceMakesRoom) {
    type("123");
    fake.sound.played.clear();
    type("4");
    EXPECT_EQ(form->typedAnswer(), "123");
    ASSERT_EQ(fake.sound.played.size(), 1);
    EXPECT_TRUE(fake.sound.played.last().endsWith(QStringLiteral("警告1.wav")));
    QTest::keyClick(form.get(), Qt::Key_Backspace);
    type("4");
    EXPECT_EQ(form->typedAnswer(), "124");
    EXPECT_EQ(shown("inputLabel"), "124");
    type("a");  // refused only by the length while three are typed
    EXPECT_EQ(fake.sound.played.size(), 2);
}

TEST_F(MainFrmTest, OnlyCharactersFromStarToNineAreTyped) {
    type("a*z9/");
    EXPECT_EQ(form->typedAnswer(), "*9/");
}

TEST_F(MainFrmTest, TheNumberAtTheStartOfTheAnswerIsJudged) {
    EXPECT_EQ(leadingNumber("12+"), 12);
    EXPECT_EQ(leadingNumber("+5"), 5);
    EXPECT_EQ(leadingNumber("-"), 0);
    EXPECT_EQ(leadingNumber("  7.0"), 7);
    EXPECT_EQ(leadingNumber("-3*"), -3);
    EXPECT_EQ(leadingNumber("*3"), 0);

    type(QString::number(form->card().dotCount) + "+");
    space();
    EXPECT_EQ(state->correctCount, 1);
    type("+" + QString::number(form->card().dotCount));
    space();
    EXPECT_EQ(state->correctCount, 2);
}

TEST_F(MainFrmTest, TenthCorrectAnswerRecordsTheTimeOfTheLastTick) {
    for (int i = 0; i < 9; ++i) answerCorrectly();
    tick(42000);
    fake.clock.advance(800);
    const QDateTime recordedAt = fake.clock.now();
    answerCorrectly();
    const PackedRecord expected = packRecord(makeResultRecord(recordedAt, kStudent, kLevel, 42, QStringLiteral("K12")));
    EXPECT_EQ(dir.readBytes(kResultsFileName), QByteArray(expected.data(), kRecordSize));
    EXPECT_EQ(state->exerciseFinished, 1);
    EXPECT_FALSE(form->sTimer1.isActive());
    EXPECT_EQ(state->recordedTime, 42);
    EXPECT_TRUE(visible("sPicture2"));
    EXPECT_TRUE(visible("lblsss1"));
    EXPECT_FALSE(visible("lblsss2"));
    const std::vector<ResultRecord> records = storedRecords();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].seconds, 42);
    EXPECT_EQ(navigator.count("judgement"), 1);

    const QString typed = form->typedAnswer();
    type("5");  // keys are ignored once finished
    EXPECT_EQ(form->typedAnswer(), typed);
    form->endOfExercise();
    EXPECT_EQ(storedRecords().size(), 1u);
}

TEST_F(MainFrmTest, AFailedRecordIsShownAndEndsTheProgram) {
    dir.writeBytes("file-not-folder", "x");
    state->folders.programDataDir = dir.file("file-not-folder") + "/";
    EXPECT_EQ(test::endStatusOf([&] {
                  for (int i = 0; i < 10; ++i) answerThroughHandler();
              }),
              1);
    EXPECT_EQ(fake.messages.shown.size(), 1);
    EXPECT_EQ(navigator.count("judgement"), 0);
}

TEST_F(MainFrmTest, TheFourthFailedAnswerSoundEndsTheProgramBeforeAnythingElse) {
    auto &names = state->soundTable[kCorrectSound];
    names[1] = QStringLiteral("maru1");
    names[21] = QStringLiteral("1");
    for (int i = 0; i < 4; ++i) fake.sound.answers.push_back({false, 263, QStringLiteral("no device")});
    int answered = 0;
    const std::optional<int> status = test::endStatusOf([&] {
        for (int i = 0; i < 10; ++i) {
            answerThroughHandler();
            ++answered;
        }
    });
    EXPECT_EQ(status, 1);
    EXPECT_EQ(answered, 3);
    EXPECT_EQ(fake.messages.texts(), QStringList{QStringLiteral("音声がでません。先生を呼びなさい。\r\nno device")});
    EXPECT_EQ(fake.sound.played.size(), 4);  // no fanfare, no further sound
    EXPECT_TRUE(storedRecords().empty());
    EXPECT_EQ(navigator.count("judgement"), 0);
    EXPECT_EQ(navigator.count("showWaiting"), 0);
}

TEST_F(MainFrmTest, TimeOutWaitsForJudgingAndRecordsNoTime) {
    state->judging = 1;
    tick(100000);
    EXPECT_EQ(state->timeOutState, 0);
    state->judging = 0;
    tick(1000);
    EXPECT_EQ(state->timeOutState, 1);
    EXPECT_EQ(state->recordedTime, kNoTime);
    EXPECT_TRUE(visible("lblsss2"));
    EXPECT_FALSE(visible("lblsss1"));
    ASSERT_EQ(storedRecords().size(), 1u);
    EXPECT_EQ(storedRecords()[0].seconds, kNoTime);
}

TEST_F(MainFrmTest, TheTenthCorrectAnswerBeatsATimeOutDueWhileItWasJudged) {
    for (int i = 0; i < 9; ++i) answerCorrectly();
    state->judging = 1;  // the tick comes while the correct sound of the tenth answer plays
    tick(100000);
    state->judging = 0;
    answerCorrectly();
    EXPECT_EQ(state->timeOutState, 0);
    EXPECT_EQ(state->recordedTime, 100);
    tick(1000);
    ASSERT_EQ(storedRecords().size(), 1u);
    EXPECT_EQ(storedRecords()[0].seconds, 100);
}

TEST_F(MainFrmTest, PassLampsGoOutBeforeTheTargetAndMinimumTimes) {
    tick(21000);  // nine seconds to the target: lamp 30 out
    EXPECT_FALSE(visible("sPicture3_30"));
    EXPECT_TRUE(visible("sPicture3_31"));
    tick(9000);  // at the target all ten are out
    for (int lamp = 30; lamp <= 39; ++lamp) EXPECT_FALSE(visible(qPrintable(QStringLiteral("sPicture3_%1").arg(lamp))));
    EXPECT_TRUE(visible("sPicture3_10"));
    EXPECT_TRUE(visible("sPicture3_29"));
}

TEST_F(MainFrmTest, TheAnswerTextsNeverHideADot) {
    QWidget *panel = form->findChild<QWidget *>(QStringLiteral("Picture2"));
    QList<QRect> texts;
    for (const char *name : {"inputLabel", "Label1", "Label3", "Label4"})
        texts << form->findChild<QWidget *>(QLatin1String(name))->geometry();
    int dots = 0;
    for (QWidget *dot : panel->findChildren<QWidget *>()) {
        if (!dot->objectName().startsWith(QStringLiteral("Shape"))) continue;
        ++dots;
        const QRect onPanel(dot->parentWidget()->mapTo(panel, dot->pos()), dot->size());
        for (const QRect &text : texts) EXPECT_FALSE(onPanel.intersects(text)) << dot->objectName().toStdString();
    }
    EXPECT_EQ(dots, 109 + 30);
}

TEST_F(MainFrmTest, RendersCoveredAndFlashing) {
    form->resize(1024, 768);
    QDir().mkpath(QStringLiteral(TSUBURA_RENDER_DIR));
    EXPECT_TRUE(form->grab().save(QStringLiteral(TSUBURA_RENDER_DIR) + "/mainfrm_flashing.png"));
    form->timer1Fired();
    type("12");
    EXPECT_TRUE(form->grab().save(QStringLiteral(TSUBURA_RENDER_DIR) + "/mainfrm_covered.png"));
    QTest::keyClick(form.get(), Qt::Key_Backspace);
    QTest::keyClick(form.get(), Qt::Key_Backspace);
    type(QString::number(form->card().dotCount + 1));
    space();
    EXPECT_TRUE(form->grab().save(QStringLiteral(TSUBURA_RENDER_DIR) + "/mainfrm_wrong.png"));
}

TEST_F(MainFrmTest, RendersAnArrangedCardOfThirtyAndTheRecordingNotice) {
    state->currentLevel = 7;
    state->criteria[7] = state->criteria[kLevel];
    form->問題作成表示();
    for (int i = 0; i < 2000 && form->card().dotCount != 30; ++i) form->command5();
    ASSERT_EQ(form->card().dotCount, 30);
    EXPECT_TRUE(form->grab().save(QStringLiteral(TSUBURA_RENDER_DIR) + "/mainfrm_arranged30.png"));
    for (int i = 0; i < 10; ++i) answerCorrectly();
    EXPECT_TRUE(form->grab().save(QStringLiteral(TSUBURA_RENDER_DIR) + "/mainfrm_recording.png"));
}

}  // namespace
}  // namespace tsubura
