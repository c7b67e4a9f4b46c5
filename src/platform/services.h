#pragma once

#include <QString>
#include <QStringList>
#include <cstdlib>

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

// The end of the program. It does not return: whatever called it, and whatever called that,
// does no more work (no record, no window, no sound). No file is held open between operations,
// so nothing is left half written.
class ProgramEnd {
public:
    virtual ~ProgramEnd() = default;
    [[noreturn]] void end(int exitStatus) {
        leave(exitStatus);
        std::abort();  // leave() never returns; this keeps a faulty one from carrying on
    }

protected:
    // Leaves the program (or, in a test, the caller) without returning.
    virtual void leave(int exitStatus) = 0;
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

// Shows a failure's message and ends the program with a failure status.
[[noreturn]] inline void reportAndEnd(Platform &platform, const QString &message, const QString &title = QString()) {
    platform.messages.show(message, title);
    platform.programEnd.end(1);
}

}  // namespace tsubura
