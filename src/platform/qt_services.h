#pragma once

#include "platform/clock.h"
#include "platform/services.h"

namespace tsubura {

// Lets pending window events run once.
void letEventsRun();

class QtMessageSink : public MessageSink {
public:
    void show(const QString &text, const QString &title) override;
};

class QtProgramEnd : public ProgramEnd {
public:
protected:
    [[noreturn]] void leave(int exitStatus) override;
};

class QtProgramStarter : public ProgramStarter {
public:
    bool startDetached(const QString &program, const QStringList &arguments, QString *error) override;
};

// Counts the wait in 10 ms steps on the monotonic clock, letting events run between them.
class EventPumpWaiter : public Waiter {
public:
    explicit EventPumpWaiter(const Clock &clock) : clock_(clock) {}
    void wait(int milliseconds) override;

private:
    const Clock &clock_;
};

}  // namespace tsubura
