#include "platform/qt_services.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QThread>

namespace tsubura {

void letEventsRun() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void QtMessageSink::show(const QString &text, const QString &title) {
    QMessageBox box(QMessageBox::NoIcon, title.isEmpty() ? QApplication::applicationDisplayName() : title, text,
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void QtProgramEnd::end(int exitStatus) {
    if (ended_) return;
    ended_ = true;
    // Newest first, as the windows were opened.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) (*it)->close();
    QCoreApplication::exit(exitStatus);
}

bool QtProgramStarter::startDetached(const QString &program, const QStringList &arguments, QString *error) {
    if (!QFileInfo(program).isExecutable()) {
        *error = QStringLiteral("起動できません: ") + program;
        return false;
    }
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    if (!process.startDetached()) {
        *error = QStringLiteral("起動できません: ") + program + QStringLiteral(" (") + process.errorString() +
                 QStringLiteral(")");
        return false;
    }
    return true;
}

void EventPumpWaiter::wait(int milliseconds) {
    // Counted in 10 ms steps; the reference moves by exactly one step, so any excess carries over.
    constexpr int kStep = 10;
    std::int64_t reference = clock_.monotonicMs();
    int steps = 0;
    while (std::int64_t(steps) * kStep < milliseconds) {
        letEventsRun();
        if (clock_.monotonicMs() - reference > kStep) {
            ++steps;
            reference += kStep;
        } else {
            QThread::msleep(1);
        }
    }
}

}  // namespace tsubura
