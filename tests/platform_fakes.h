#pragma once

#include <QStringList>
#include <functional>
#include <optional>

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
    // The texts of the boxes shown, in order.
    QStringList texts() const {
        QStringList out;
        for (const RecordedMessage &m : shown) out.append(m.text);
        return out;
    }
    QList<RecordedMessage> shown;
};

// Thrown where the program ends, so that nothing after the end runs in a test either.
struct ProgramEnded {
    int status;
};

// Records the status and leaves the caller by throwing ProgramEnded. Tests that expect an end call
// the handler directly (not through a Qt event), so that the throw never crosses Qt's frames.
class ProgramEndRecorder : public ProgramEnd {
public:
    bool ended() const { return !statuses.isEmpty(); }
    QList<int> statuses;

protected:
    [[noreturn]] void leave(int exitStatus) override {
        statuses.append(exitStatus);
        throw ProgramEnded{exitStatus};
    }
};

// Runs `work` and returns the status it ended the program with, or nothing when it returned.
inline std::optional<int> endStatusOf(const std::function<void()> &work) {
    try {
        work();
    } catch (const ProgramEnded &ended) {
        return ended.status;
    }
    return std::nullopt;
}

class StarterRecorder : public ProgramStarter {
public:
    bool startDetached(const QString &program, const QStringList &arguments, QString *error) override {
        started.append(QStringList{program} + arguments);
        if (!succeed && error) *error = QStringLiteral("cannot start ") + program;
        return succeed;
    }
    QList<QStringList> started;
    bool succeed = true;
};

// Waits by moving the fake clock, so a test never sleeps. An optional hook runs after each wait
// with the number of waits so far (something happening meanwhile, such as a file appearing).
class ClockWaiter : public Waiter {
public:
    explicit ClockWaiter(FakeClock &clock) : clock_(clock) {}
    void wait(int milliseconds) override {
        waits.append(milliseconds);
        clock_.advance(milliseconds);
        if (onWait) onWait(int(waits.size()));
    }
    QList<int> waits;
    std::function<void(int count)> onWait;

private:
    FakeClock &clock_;
};

class NavigatorRecorder : public Navigator {
public:
    void showNameSelection() override { calls << QStringLiteral("nameSelection"); }
    void runLevelCatalogue() override { calls << QStringLiteral("levelCatalogue"); }
    void showVersionWindow(QWidget *over) override {
        calls << QStringLiteral("version");
        versionOver.append(over);
    }
    void showWaiting() override { calls << QStringLiteral("showWaiting"); }
    bool startExercise() override {
        calls << QStringLiteral("exercise");
        return exerciseStarts;
    }
    void hideWaiting() override { calls << QStringLiteral("hideWaiting"); }
    bool startLauncher() override {
        calls << QStringLiteral("launcher");
        return launcherStarts;
    }
    void closeHub() override { calls << QStringLiteral("closeHub"); }
    void showJudgement() override { calls << QStringLiteral("judgement"); }
    void showHub() override { calls << QStringLiteral("hub"); }
    // How many times a call was made.
    int count(const QString &call) const { return int(calls.count(call)); }
    QStringList calls;
    QList<QWidget *> versionOver;  // the window each version window was centred over
    bool launcherStarts = true;
    bool exerciseStarts = true;
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
