#include "platform/qt_services.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QThread>
#include <cstdio>
#include <cstdlib>

namespace tsubura {

void letEventsRun() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void QtMessageSink::show(const QString &text, const QString &title) {
    QMessageBox box(QMessageBox::NoIcon, title.isEmpty() ? QApplication::applicationDisplayName() : title, text,
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void QtProgramEnd::leave(int exitStatus) {
    // Leaving through the event loop would let the caller and its callers run on (store the run,
    // open the next window, sound a fanfare). Files are closed after each operation and the
    // windows go with the process, so an immediate exit loses nothing.
    std::fflush(nullptr);
    std::_Exit(exitStatus);
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
