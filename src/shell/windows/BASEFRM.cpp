#include "shell/windows/BASEFRM.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

#include "platform/fonts.h"
#include "platform/qt_services.h"
#include "platform/scaled_form.h"

namespace tsubura {

BASEFRM::BASEFRM() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("BASEFRM"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setColours(this, QColor(0, 64, 64), Qt::white);
    Label19 = new QLabel(QStringLiteral("Just a moment, please."), this);
    Label19->setObjectName(QStringLiteral("Label19"));
    Label19->setAlignment(Qt::AlignCenter);
    QFont font = designFont(kPGothic);
    font.setPixelSize(32);
    Label19->setFont(font);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label19);
    resize(480, 120);
}

void BASEFRM::showNow() {
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
    show();
    raise();
    letEventsRun();
}

}  // namespace tsubura
