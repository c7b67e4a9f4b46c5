#include "shell/windows/Firstfrm.h"

#include <QPainter>

#include "platform/clock.h"
#include "platform/fonts.h"
#include "platform/qt_services.h"
#include "platform/random_source.h"
#include "shell/calendar.h"
#include "shell/navigator.h"
#include "shell/shared_state.h"
#include "shell/start_up.h"

namespace tsubura {

Firstfrm::Firstfrm(SharedState &state, Platform &platform, Navigator &navigator, QString programDir)
    : ScaledForm(9000, 6000), state_(state), platform_(platform), navigator_(navigator), programDir_(std::move(programDir)) {
    setObjectName(QStringLiteral("Firstfrm"));
    setWindowTitle(QStringLiteral("ツブラ"));
    setWindowFlag(Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);

    Label5 = new QLabel(this);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setAlignment(Qt::AlignCenter);
    Label5->setFont(designFont(kGothic, true));
    QPalette palette = Label5->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 64, 64));
    Label5->setPalette(palette);
    place(Label5, 600, 4700, 7800, 600, 20);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, [this] { timer1Fired(); });
}

void Firstfrm::load() {
    show();
    letEventsRun();
    const QDateTime now = platform_.clock.now();
    platform_.random.seed(std::uint32_t(now.time().msecsSinceStartOfDay() / 1000));
    Label5->setText(dateLabelText(now.date()));
    state_.seasonColour = seasonColourFor(now.date().month());
    show();
    letEventsRun();
    Timer1->start();
}

void Firstfrm::timer1Fired() {
    Timer1->stop();
    if (const std::optional<StartUpError> error = runStartUp(state_, programDir_)) {
        reportAndEnd(platform_, QStringLiteral("ツブラを始められません。\n\n") + error->path + QStringLiteral("\n") +
                                error->message);
    }
    navigator_.showNameSelection();
    close();
}

void Firstfrm::paintEvent(QPaintEvent *) {
    // The splash picture: a card of red dots under the program's name.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0, QColor(255, 250, 230));
    sky.setColorAt(1, QColor(255, 220, 180));
    p.fillRect(rect(), sky);

    const QRect card = scaled(QRect(2400, 500, 4200, 2600));
    p.setPen(QPen(QColor(120, 80, 40), 3));
    p.setBrush(Qt::white);
    p.drawRoundedRect(card, card.height() / 12.0, card.height() / 12.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 0, 0));
    const double r = card.height() / 14.0;
    const QPointF dots[] = {{0.2, 0.3}, {0.45, 0.22}, {0.75, 0.35}, {0.3, 0.62}, {0.58, 0.55}, {0.82, 0.72}, {0.5, 0.82}};
    for (const QPointF &d : dots) p.drawEllipse(QPointF(card.left() + d.x() * card.width(), card.top() + d.y() * card.height()), r, r);

    QFont title = designFont(kGothic, true);
    title.setPixelSize(std::max(1, int(72 * 20 * scale())));
    p.setFont(title);
    p.setPen(QColor(160, 0, 0));
    p.drawText(scaled(QRect(0, 3200, 9000, 1400)), Qt::AlignCenter, QStringLiteral("ツブラ"));
}

}  // namespace tsubura
