#include "shell/windows/frmver.h"

#include <QPainter>
#include <QVBoxLayout>

#include "platform/fonts.h"
#include "platform/qt_services.h"
#include "platform/scaled_form.h"
#include "shell/shared_state.h"

namespace tsubura {

namespace {

// A rounded panel with a soft gradient and a few red dots, like the drill's cards.
class DecorativeShape : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient gradient(0, 0, 0, height());
        gradient.setColorAt(0, QColor(255, 255, 240));
        gradient.setColorAt(1, QColor(200, 240, 240));
        p.setBrush(gradient);
        p.setPen(QPen(QColor(0, 96, 96), 2));
        const QRectF box = QRectF(rect()).adjusted(1, 1, -1, -1);
        p.drawRoundedRect(box, box.height() / 10, box.height() / 10);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(220, 0, 0));
        const double r = height() / 40.0;
        for (int i = 0; i < 5; ++i) p.drawEllipse(QPointF(width() * (0.3 + 0.1 * i), height() * 0.88), r, r);
    }
};

}  // namespace

frmver::frmver(const SharedState &state, QWidget *parent) : QDialog(parent), state_(state) {
    setObjectName(QStringLiteral("frmver"));
    setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    setModal(true);
    form_ = new ScaledForm(4605, 4350, this);
    setColours(form_, QColor(0, 192, 192));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(form_);
    setFixedSize(form_->size());

    auto *shape = new DecorativeShape(form_);
    shape->setObjectName(QStringLiteral("Shape1"));
    form_->place(shape, 180, 225, 4200, 3840);

    auto label = [this](const char *name, const QFont &font) {
        auto *l = new QLabel(form_);
        l->setObjectName(QString::fromLatin1(name));
        l->setFont(font);
        l->setAlignment(Qt::AlignCenter);
        QPalette palette = l->palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        l->setPalette(palette);
        return l;
    };
    Label1 = label("Label1", designFont(kGothic));
    form_->place(Label1, 390, 720, 3840, 465, 18);
    Label2 = label("Label2", designFont(kGothic));
    form_->place(Label2, 390, 1200, 3840, 270, 9);
    Label4 = label("Label4", designFont(kPGothic, true, true));
    form_->place(Label4, 510, 2130, 3480, 630, 24);

    Command1 = new QPushButton(QStringLiteral("O.K."), form_);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setFont(designFont(kPGothic, true));
    Command1->setDefault(true);
    form_->place(Command1, 1260, 3375, 2085, 555, 20.25);
    connect(Command1, &QPushButton::clicked, this, [this] { okClicked(); });
}

void frmver::fillLines() {
    Label1->setText(state_.programTitle);
    Label2->setText(QStringLiteral("Version%1.%2.%3").arg(kMajor).arg(kMinor).arg(kRevision));
    Label4->setText(QStringLiteral("Velmora21"));
}

void frmver::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    letEventsRun();
    letEventsRun();
    fillLines();
    Command1->setFocus();
}

}  // namespace tsubura
