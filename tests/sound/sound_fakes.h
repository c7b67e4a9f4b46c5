#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include "platform/services.h"

namespace tsubura::test {

// Records the boxes instead of showing them.
class SoundTestMessages : public MessageSink {
public:
    struct Box {
        QString text;
        QString title;
    };
    void show(const QString &text, const QString &title) override { boxes.append({text, title}); }
    QVector<Box> boxes;
};

// Records the end of the program instead of ending it.
class SoundTestProgramEnd : public ProgramEnd {
public:
    void end(int exitStatus) override {
        ended_ = true;
        status = exitStatus;
    }
    bool ended() const override { return ended_; }
    int status = 0;

private:
    bool ended_ = false;
};

class SoundTestStarter : public ProgramStarter {
public:
    bool startDetached(const QString &, const QStringList &, QString *) override { return true; }
};

class SoundTestWaiter : public Waiter {
public:
    void wait(int) override {}
};

}  // namespace tsubura::test
