#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/services.h"
#include "shell/navigator.h"
#include "sound/sound_cues.h"

namespace tsubura {

struct SharedState;
class BASEFRM;
class MainFrm;

// Opens the program's real windows.
class AppNavigator : public Navigator {
public:
    AppNavigator(SharedState &state, Platform &platform);
    ~AppNavigator() override;
    AppNavigator(const AppNavigator &) = delete;
    AppNavigator &operator=(const AppNavigator &) = delete;

    void showNameSelection() override;
    void runLevelCatalogue() override;
    void showVersionWindow(QWidget *over) override;
    void showWaiting() override;
    void hideWaiting() override;
    bool startLauncher() override;
    bool startExercise() override;
    void closeHub() override;
    void showJudgement() override;
    void showHub() override;

    SoundCues &sounds() { return sounds_; }

private:
    SharedState &state_;
    Platform &platform_;
    SoundCues sounds_;
    QPointer<QWidget> nameWindow_;
    QPointer<QWidget> hub_;
    QPointer<BASEFRM> waiting_;
    QPointer<MainFrm> exercise_;
};

// Where the launcher lives beside a program folder: <program folder>/../起動/ランチャーc.
QString launcherPath(const QString &programDir);

}  // namespace tsubura
