#pragma once

#include <QStringList>
#include <functional>
#include <vector>

#include "platform/services.h"
#include "shell/navigator.h"

namespace tsubura::test {

class RecordingMessages : public MessageSink {
public:
    void show(const QString &text, const QString &) override { shown.append(text); }
    QStringList shown;
};

class RecordingEnd : public ProgramEnd {
public:
    void end(int exitStatus) override { statuses.push_back(exitStatus); }
    bool ended() const override { return !statuses.empty(); }
    std::vector<int> statuses;
};

class RefusingStarter : public ProgramStarter {
public:
    bool startDetached(const QString &, const QStringList &, QString *error) override {
        if (error) *error = QStringLiteral("not in tests");
        return false;
    }
};

// Returns at once; records each wait and runs an optional hook (a file appearing meanwhile).
class RecordingWaiter : public Waiter {
public:
    void wait(int milliseconds) override {
        waits.push_back(milliseconds);
        if (onWait) onWait(int(waits.size()));
    }
    std::vector<int> waits;
    std::function<void(int count)> onWait;
};

class RecordingNavigator : public Navigator {
public:
    void showNameSelection() override {}
    void runLevelCatalogue() override { ++catalogueRuns; }
    void showVersionWindow(QWidget *over) override { versionOver.push_back(over); }
    void showWaiting() override {}
    void hideWaiting() override {}
    bool startLauncher() override {
        ++launcherStarts;
        return launcherStartable;
    }
    int catalogueRuns = 0;
    int launcherStarts = 0;
    bool launcherStartable = true;
    std::vector<QWidget *> versionOver;
};

}  // namespace tsubura::test
