#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <cstdlib>

#include "platform/qt_services.h"
#include "platform_fakes.h"
#include "shell/shared_state.h"
#include "shell/windows/app_navigator.h"
#include "test_support.h"

namespace tsubura {
namespace {

// A monotonic clock that moves 3 ms at every reading.
class SteppingClock : public Clock {
public:
    QDateTime now() const override { return {}; }
    std::int64_t monotonicMs() const override { return ms_ += 3; }

private:
    mutable std::int64_t ms_ = 0;
};

TEST(EventPumpWaiter, CountsTenMillisecondStepsAndKeepsEventsRunning) {
    SteppingClock clock;
    EventPumpWaiter waiter(clock);
    bool timerFired = false;
    QTimer::singleShot(0, [&] { timerFired = true; });
    const std::int64_t start = clock.monotonicMs();
    waiter.wait(1000);
    const std::int64_t waited = clock.monotonicMs() - start;
    EXPECT_TRUE(timerFired);
    EXPECT_GE(waited, 1000);
    EXPECT_LT(waited, 1020);  // the excess of each step carries over instead of adding up
}

// The real end leaves at once with its status: the caller's next line never runs.
TEST(QtProgramEndDeathTest, EndsTheProcessAtOnceWithTheStatus) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            QtProgramEnd end;
            end.end(1);
            std::_Exit(0);  // reached only if the end returned
        },
        ::testing::ExitedWithCode(1), "");
}

TEST(AppNavigator, ALauncherThatCannotStartIsReportedAndTheProgramGoesOn) {
    test::FakePlatform fake;
    fake.starter.succeed = false;
    SharedState state;
    state.folders.programDir = QStringLiteral("/school/ツブラ/");
    AppNavigator navigator(state, fake.platform);
    EXPECT_FALSE(navigator.startLauncher());
    ASSERT_EQ(fake.starter.started.size(), 1);
    EXPECT_EQ(fake.starter.started[0], (QStringList{QStringLiteral("/school/起動/ランチャーc"), QStringLiteral("001")}));
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_TRUE(fake.messages.shown[0].text.contains(QStringLiteral("ランチャー")));
    EXPECT_FALSE(fake.programEnd.ended());
}

TEST(AppNavigator, ALevelWithoutCardsIsRefusedAndTheHubStays) {
    test::TempDir dir;
    test::FakePlatform fake;
    SharedState state;
    state.folders.programDataDir = dir.path();
    state.folders.dataRoot = dir.path();
    state.levelCount = 7;
    state.currentLevel = 9;
    AppNavigator navigator(state, fake.platform);
    EXPECT_FALSE(navigator.startExercise());
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_TRUE(fake.messages.shown[0].text.contains(QStringLiteral("レベル9")));
    QWidget *hub = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        EXPECT_NE(window->objectName(), QStringLiteral("MainFrm"));
        if (window->objectName() == QStringLiteral("seisekitime1") && window->isVisible()) hub = window;
    }
    ASSERT_NE(hub, nullptr);
    hub->close();
}

}  // namespace
}  // namespace tsubura
