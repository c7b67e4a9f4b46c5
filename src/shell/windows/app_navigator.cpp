#include "shell/windows/app_navigator.h"

#include <QDir>

#include "evaluation/windows/FrmSyuuryou.h"
#include "exercise/card_parameters.h"
#include "exercise/windows/MainFrm.h"
#include "hub/windows/seisekitime1.h"
#include "platform/qt_services.h"
#include "roster/windows/namesel.h"
#include "shell/program_definition.h"
#include "shell/shared_state.h"
#include "shell/windows/BASEFRM.h"
#include "shell/windows/frmver.h"

namespace tsubura {

QString launcherPath(const QString &programDir) {
#ifdef Q_OS_WIN
    const QString name = QStringLiteral("ランチャーc.exe");
#else
    const QString name = QStringLiteral("ランチャーc");
#endif
    return QDir::cleanPath(programDir + QStringLiteral("../起動/") + name);
}

AppNavigator::AppNavigator(SharedState &state, Platform &platform)
    : state_(state), platform_(platform), sounds_(state, platform) {}

AppNavigator::~AppNavigator() { delete exercise_; }

void AppNavigator::showNameSelection() {
    auto *window = new namesel(state_, platform_, *this, [this] { sounds_.playWrong(); });
    window->setAttribute(Qt::WA_DeleteOnClose);  // a new one comes with every return to the names
    nameWindow_ = window;
    window->showMaximized();
    window->load();
    if (hub_) hub_->close();
}

void AppNavigator::runLevelCatalogue() {
    defineLevelCatalogue(state_);
    showHub();
}

void AppNavigator::showHub() {
    auto *hub = new seisekitime1(state_, platform_, *this);
    hub->setAttribute(Qt::WA_DeleteOnClose);
    hub_ = hub;
    hub->showMaximized();
    // The hub closes the name window as it becomes active.
    if (nameWindow_) nameWindow_->close();
    hub->activate();
}

bool AppNavigator::startExercise() {
    if (!cardParametersFor(state_.currentLevel)) {
        hideWaiting();
        platform_.messages.show(QStringLiteral("レベル%1の問題はありません。").arg(state_.currentLevel));
        if (!hub_) showHub();
        return false;
    }
    state_.exerciseFinished = 0;
    state_.endHandled = 0;
    state_.judging = 0;
    state_.plusState = 0;
    state_.correctCount = 0;
    state_.timeOutState = 0;
    letEventsRun();
    // One window serves every exercise: it closes while its own key or clock handler is still
    // running, so deleting it on close would pull the handler's object away under it.
    if (!exercise_) exercise_ = new MainFrm(state_, platform_, *this, sounds_);
    exercise_->showMaximized();
    exercise_->activate();
    return true;
}

void AppNavigator::closeHub() {
    if (hub_) hub_->close();
}

void AppNavigator::showJudgement() {
    auto *judgement = new FrmSyuuryou(state_, platform_, *this, sounds_);
    judgement->setAttribute(Qt::WA_DeleteOnClose);
    judgement->showMaximized();
    judgement->activate();
}

void AppNavigator::showVersionWindow(QWidget *over) {
    frmver window(state_, over);
    if (over) {
        const QPoint topLeft = over->mapToGlobal(QPoint(0, 0));
        window.move(topLeft.x() + (over->width() - window.width()) / 2,
                    topLeft.y() + (over->height() - window.height()) / 2);
    }
    window.exec();
}

void AppNavigator::showWaiting() {
    if (!waiting_) waiting_ = new BASEFRM();
    waiting_->showNow();
}

void AppNavigator::hideWaiting() {
    if (waiting_) waiting_->close();
}

bool AppNavigator::startLauncher() {
    QString error;
    if (platform_.starter.startDetached(launcherPath(state_.folders.programDir), {QStringLiteral("001")}, &error))
        return true;
    platform_.messages.show(QStringLiteral("ランチャーを起動できません。\n") + error);
    return false;
}

}  // namespace tsubura
