// A student's whole round through the real windows: name, level key, ten answers, judgement,
// back to the hub, and the run read back by the command-line tool.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include "evaluation/windows/FrmSyuuryou.h"
#include "exercise/windows/MainFrm.h"
#include "hub/windows/seisekitime1.h"
#include "platform_fakes.h"
#include "roster/windows/namesel.h"
#include "shell/shared_state.h"
#include "shell/start_up.h"
#include "shell/windows/app_navigator.h"
#include "test_support.h"

namespace tsubura {
namespace {

// The visible top-level window of a class, if any.
template <typename Window>
Window *shownWindow() {
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<Window *>(w); window && window->isVisible()) return window;
    return nullptr;
}

QString labelText(QWidget *window, const QString &name) { return window->findChild<QLabel *>(name)->text(); }

// Standard output of tsubura-data on the installation.
QString runTool(const QString &programDir, const QStringList &arguments) {
    QProcess tool;
    tool.start(QStringLiteral(TSUBURA_DATA_TOOL), QStringList{QStringLiteral("--program-dir"), programDir} + arguments);
    EXPECT_TRUE(tool.waitForFinished(30000));
    return QString::fromUtf8(tool.readAllStandardOutput());
}

TEST(StudentLoop, NameLevelKeyTenAnswersJudgementAndBackToTheHub) {
    test::TempDir dir;
    const QString programDir = test::writeInstallation(dir);
    dir.writeText(QStringLiteral("data/新名簿.txt"),
                  {QStringLiteral("12,2019,0,0,\"山田 花子\",0,,"), QStringLiteral("13,2019,0,0,\"川田 一郎\",0,,")});
    test::FakePlatform fake;
    SharedState state;
    ASSERT_FALSE(runStartUp(state, programDir));

    AppNavigator app(state, fake.platform);
    app.showNameSelection();
    auto *names = shownWindow<namesel>();
    ASSERT_NE(names, nullptr);
    QListWidget *list = names->findChild<QListWidget *>(QStringLiteral("List1"));
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    ASSERT_EQ(state.currentStudentNo, 13);  // the list runs in its own order

    auto *hub = shownWindow<seisekitime1>();
    ASSERT_NE(hub, nullptr);
    EXPECT_EQ(labelText(hub, QStringLiteral("Label14_1")), QStringLiteral("-----"));
    QTest::keyClick(hub, '1');

    QPointer<MainFrm> exercise = shownWindow<MainFrm>();
    ASSERT_NE(exercise, nullptr);
    for (int answer = 0; answer < 10 && exercise && exercise->isVisible(); ++answer) {
        fake.clock.advance(1500);
        exercise->sTimer1Tick();
        QTest::keyClicks(exercise, QString::number(exercise->card().dotCount));
        QTest::keyClick(exercise, Qt::Key_Space);
    }
    EXPECT_EQ(state.recordedTime, 15);  // the tick just before the tenth answer

    auto *judgement = shownWindow<FrmSyuuryou>();
    ASSERT_NE(judgement, nullptr);
    EXPECT_EQ(labelText(judgement, QStringLiteral("Label18")), QStringLiteral("今の成績：15秒"));
    judgement->timer1Fired();
    QTest::mouseClick(judgement->findChild<QPushButton *>(QStringLiteral("Command4")), Qt::LeftButton);

    auto *back = shownWindow<seisekitime1>();
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->readyFlag(), 1);
    EXPECT_EQ(labelText(back, QStringLiteral("Label14_1")), QStringLiteral("1回/5点"));
    QListWidget *ranking = back->findChild<QListWidget *>(QStringLiteral("List5_1"));
    ASSERT_GE(ranking->count(), 1);
    EXPECT_TRUE(ranking->item(0)->text().contains(QStringLiteral("●川田")));

    // The command-line tool sees the same run and ranks as the hub does.
    const QString now = fake.clock.now().toString(Qt::ISODate);
    for (int level = 1; level <= 7; ++level) {
        QStringList shown;
        QListWidget *levelList = back->findChild<QListWidget *>(QStringLiteral("List5_%1").arg(level));
        for (int i = 0; i < levelList->count(); ++i) shown << levelList->item(i)->text();
        const QString out = runTool(programDir, {QStringLiteral("ranking"), QStringLiteral("--level"), QString::number(level),
                                                 QStringLiteral("--view"), QStringLiteral("total"), QStringLiteral("--student"),
                                                 QStringLiteral("13"), QStringLiteral("--now"), now});
        EXPECT_EQ(out.split(QLatin1Char('\n'), Qt::SkipEmptyParts), shown) << "level " << level;
    }
    const QStringList lines = runTool(programDir, {QStringLiteral("export")}).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral(",13,川田 一郎,1,15,5,12345"))) << lines[1].toStdString();

    // The next exercise starts clean: no notice, every lamp lit again.
    QTest::keyClick(back, '1');
    MainFrm *again = shownWindow<MainFrm>();
    ASSERT_EQ(again, exercise.data());
    EXPECT_TRUE(again->findChild<QWidget *>(QStringLiteral("sPicture2"))->isHidden());
    EXPECT_FALSE(again->findChild<QWidget *>(QStringLiteral("sPicture3_30"))->isHidden());
    EXPECT_EQ(labelText(again, QStringLiteral("sLabel11")), QStringLiteral("2"));

    for (QWidget *w : QApplication::topLevelWidgets()) w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
}  // namespace tsubura
