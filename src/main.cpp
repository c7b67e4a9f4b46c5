// ツブラ: the dot-card drill.
#include <QApplication>

#include "platform/clock.h"
#include "platform/fonts.h"
#include "platform/portaudio_sound_player.h"
#include "platform/qt_services.h"
#include "platform/random_source.h"
#include "shell/shared_state.h"
#include "shell/start_up.h"
#include "shell/windows/Firstfrm.h"
#include "shell/windows/app_navigator.h"

using namespace tsubura;

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("ツブラ"));
    installFontSubstitutions();

    SharedState state;
    SystemClock clock;
    RandomSource random;
    QtMessageSink messages;
    QtProgramEnd programEnd;
    QtProgramStarter starter;
    PortAudioSoundPlayer sound;
    EventPumpWaiter waiter(clock);
    Platform platform{clock, random, messages, programEnd, starter, sound, waiter};
    AppNavigator navigator(state, platform);

    auto *splash = new Firstfrm(state, platform, navigator, programDirOf(QCoreApplication::applicationDirPath()));
    splash->load();
    return app.exec();
}
