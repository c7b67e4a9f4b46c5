#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTest>

#include "platform_fakes.h"
#include "shell/shared_state.h"
#include "shell/windows/BASEFRM.h"
#include "shell/windows/Firstfrm.h"
#include "shell/windows/frmver.h"
#include "test_support.h"

namespace tsubura {
namespace {

QString labelText(QWidget *window, const char *name) {
    auto *label = window->findChild<QLabel *>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("(missing)");
}

void render(QWidget *window, const QString &name) {
    QDir().mkpath(QStringLiteral(TSUBURA_RENDER_DIR));
    window->grab().save(QStringLiteral(TSUBURA_RENDER_DIR "/") + name);
}

TEST(Firstfrm, ShowsTheDateAndHandsOverToTheNameList) {
    test::TempDir dir;
    const QString programDir = test::writeInstallation(dir);
    test::FakePlatform fake;
    fake.clock.setNow(QDateTime(QDate(2004, 5, 7), QTime(9, 30)));
    test::NavigatorRecorder navigator;
    SharedState state;
    auto *splash = new Firstfrm(state, fake.platform, navigator, programDir);
    splash->resize(600, 400);
    splash->load();
    EXPECT_EQ(labelText(splash, "Label5"), QStringLiteral("平成16年 5月 07日（金）"));
    EXPECT_EQ(state.seasonColour, 12648384u);
    EXPECT_TRUE(splash->Timer1->isActive());
    EXPECT_EQ(splash->Timer1->interval(), 100);
    render(splash, QStringLiteral("Firstfrm.png"));

    splash->timer1Fired();
    EXPECT_EQ(navigator.calls, QStringList{QStringLiteral("nameSelection")});
    EXPECT_EQ(state.programTitle, QStringLiteral("ツブラ"));
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST(Firstfrm, AMissingSettingsFileEndsTheProgramWithItsName) {
    test::TempDir dir;
    const QString programDir = test::writeInstallation(dir);
    QFile::remove(dir.file(QStringLiteral("data/共通データ.txt")));
    test::FakePlatform fake;
    test::NavigatorRecorder navigator;
    SharedState state;
    auto *splash = new Firstfrm(state, fake.platform, navigator, programDir);
    splash->load();
    EXPECT_EQ(test::endStatusOf([&] { splash->timer1Fired(); }), 1);
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_TRUE(fake.messages.shown[0].text.contains(dir.file(QStringLiteral("data/共通データ.txt"))));
    EXPECT_TRUE(navigator.calls.isEmpty());
}

TEST(Frmver, ShowsTitleVersionAndMakerEveryTime) {
    SharedState state;
    state.programTitle = QStringLiteral("ツブラ");
    for (int opening = 0; opening < 2; ++opening) {
        frmver window(state);
        window.show();
        EXPECT_EQ(labelText(&window, "Label1"), QStringLiteral("ツブラ"));
        EXPECT_EQ(labelText(&window, "Label2"), QStringLiteral("Version1.0.14"));
        EXPECT_EQ(labelText(&window, "Label4"), QStringLiteral("Velmora21"));
        if (opening == 0) render(&window, QStringLiteral("frmver.png"));
        QTest::keyClick(&window, Qt::Key_Return);
        EXPECT_FALSE(window.isVisible());
    }
}

TEST(Basefrm, ShowsItsCaptionAtOnce) {
    auto *waiting = new BASEFRM();
    waiting->showNow();
    EXPECT_TRUE(waiting->isVisible());
    EXPECT_EQ(labelText(waiting, "Label19"), QStringLiteral("Just a moment, please."));
    render(waiting, QStringLiteral("BASEFRM.png"));
    waiting->close();
}

}  // namespace
}  // namespace tsubura
