#pragma once

#include <QString>
#include <QStringList>

namespace tsubura {

class Clock;
class RandomSource;
class SoundPlayer;

// Every message box of the program goes through here; tests put a recorder in its place.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    // A box with an OK button only; returns when it is closed. An empty title means the
    // program's own name.
    virtual void show(const QString &text, const QString &title = QString()) = 0;
};

// The orderly end of the program: windows closed, files closed, the exit status handed back.
// Callers return right after calling it.
class ProgramEnd {
public:
    virtual ~ProgramEnd() = default;
    virtual void end(int exitStatus) = 0;
    virtual bool ended() const = 0;
};

// Starts another program without waiting for it (no shell: the arguments are passed as they are).
class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    virtual bool startDetached(const QString &program, const QStringList &arguments, QString *error) = 0;
};

// Waits while window events keep running (timers fire, keys are handled, windows paint).
class Waiter {
public:
    virtual ~Waiter() = default;
    virtual void wait(int milliseconds) = 0;
};

// What the windows need of the platform, handed to each by reference.
struct Platform {
    Clock &clock;
    RandomSource &random;
    MessageSink &messages;
    ProgramEnd &programEnd;
    ProgramStarter &starter;
    SoundPlayer &sound;
    Waiter &waiter;
};

}  // namespace tsubura
