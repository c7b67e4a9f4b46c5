#include "hub/windows/hub_placeholder.h"

#include <QKeyEvent>

#include "platform/fonts.h"
#include "shell/navigator.h"
#include "shell/shared_state.h"

namespace tsubura {

HubPlaceholder::HubPlaceholder(const SharedState &state, Navigator &navigator) : navigator_(navigator) {
    setObjectName(QStringLiteral("seisekitime1"));
    setWindowTitle(state.programTitle);
    setAttribute(Qt::WA_DeleteOnClose);
    setColours(this, colourFromValue(state.seasonColour));

    auto label = [this](const QString &text, int top, double points) {
        auto *l = new QLabel(text, this);
        l->setFont(designFont(kGothic, true));
        l->setAlignment(Qt::AlignCenter);
        place(l, 600, top, 14160, 1200, points);
        return l;
    };
    label(state.programTitle, 900, 36)->setObjectName(QStringLiteral("Label11"));
    label(state.currentStudentGrade + QLatin1Char(' ') + state.currentStudentName.trimmed(), 2700, 28)
        ->setObjectName(QStringLiteral("Label12"));
    label(QStringLiteral("成績画面とレベルのスタートは次の版で入ります。"), 4800, 20);

    Command1 = new QPushButton(QStringLiteral("戻る(0)"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setFont(designFont(kPGothic, true));
    place(Command1, 6180, 7800, 3000, 1200, 20);
    connect(Command1, &QPushButton::clicked, this, [this] { backClicked(); });
}

void HubPlaceholder::backClicked() {
    navigator_.showNameSelection();
    close();
}

void HubPlaceholder::keyPressEvent(QKeyEvent *event) {
    if (event->text() == QStringLiteral("0")) {
        backClicked();
        return;
    }
    ScaledForm::keyPressEvent(event);
}

}  // namespace tsubura
