#pragma once

#include <QStringList>

#include "platform/clock.h"
#include "platform/random_source.h"
#include "platform/services.h"
#include "platform/sound_player.h"
#include "shell/navigator.h"

namespace tsubura::test {

struct RecordedMessage {
    QString text;
    QString title;
};

class MessageRecorder : public MessageSink {
public:
    void show(const QString &text, const QString &title) override { shown.append({text, title}); }
    QList<RecordedMessage> shown;
};

class ProgramEndRecorder : public ProgramEnd {
public:
    void end(int exitStatus) override {
        ended_ = true;
        statuses.append(exitStatus);
    }
    bool ended() const override { return ended_; }
    QList<int> statuses;

private:
    bool ended_ = false;
};

class StarterRecorder : public ProgramStarter {
public:
    bool startDetached(const QString &program, const QStringList &arguments, QString *error) override {
        started.append(QStringList{program} + arguments);
        if (!succeed) *error = QStringLiteral("cannot start ") + program;
        return succeed;
    }
    QList<QStringList> started;
    bool succeed = true;
};

// Waits by moving the fake clock, so a test never sleeps.
class ClockWaiter : public Waiter {
public:
    explicit ClockWaiter(FakeClock &clock) : clock_(clock) {}
    void wait(int milliseconds) override {
        waits.append(milliseconds);
        clock_.advance(milliseconds);
    }
    QList<int> waits;

private:
    FakeClock &clock_;
};

class NavigatorRecorder : public Navigator {
public:
    void showNameSelection() override { calls << QStringLiteral("nameSelection"); }
    void runLevelCatalogue() override { calls << QStringLiteral("levelCatalogue"); }
    void showVersionWindow(QWidget *) override { calls << QStringLiteral("version"); }
    void showWaiting() override { calls << QStringLiteral("showWaiting"); }
    void hideWaiting() override { calls << QStringLiteral("hideWaiting"); }
    bool startLauncher() override {
        calls << QStringLiteral("launcher");
        return launcherStarts;
    }
    QStringList calls;
    bool launcherStarts = true;
};

// Every platform service as a recorder, with a fake clock.
struct FakePlatform {
    FakeClock clock;
    RandomSource random;
    MessageRecorder messages;
    ProgramEndRecorder programEnd;
    StarterRecorder starter;
    RecordingSoundPlayer sound;
    ClockWaiter waiter{clock};
    Platform platform{clock, random, messages, programEnd, starter, sound, waiter};
};

}  // namespace tsubura::test
