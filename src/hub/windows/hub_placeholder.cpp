#include "hub/windows/hub_placeholder.h"

#include <QKeyEvent>

#include "evaluation/aggregation.h"
#include "platform/clock.h"
#include "platform/fonts.h"
#include "shell/navigator.h"
#include "shell/shared_state.h"

namespace tsubura {

HubPlaceholder::HubPlaceholder(SharedState &state, Platform &platform, Navigator &navigator)
    : state_(state), platform_(platform), navigator_(navigator) {
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
    label(QStringLiteral("成績画面は次の版で入ります。レベルを選んでスタートしなさい。"), 4200, 20);

    for (int level = 1; level <= state.levelCount; ++level) {
        auto *button = new QPushButton(QStringLiteral("%1  %2").arg(level).arg(state.levelNames[std::size_t(level)]), this);
        button->setObjectName(QStringLiteral("Command4_%1").arg(level));
        button->setFont(designFont(kGothic, true));
        place(button, 600 + (level - 1) * 2040, 5700, 1920, 1200, 14);
        connect(button, &QPushButton::clicked, this, [this, level] { startLevel(level); });
        startButtons_.append(button);
    }

    Command1 = new QPushButton(QStringLiteral("戻る(0)"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setFont(designFont(kPGothic, true));
    place(Command1, 6180, 7800, 3000, 1200, 20);
    connect(Command1, &QPushButton::clicked, this, [this] { backClicked(); });
}

void HubPlaceholder::activate() {
    const ResultsAccess access{OpenMode::CreateIfMissing, [this](int ms) { platform_.waiter.wait(ms); }};
    if (const std::optional<CoreError> error = aggregateResults(state_, platform_.clock.now(), access)) {
        platform_.messages.show(error->message);
        platform_.programEnd.end(1);
    }
}

void HubPlaceholder::startLevel(int level) {
    state_.currentLevel = std::int16_t(level);
    navigator_.startExercise();
}

void HubPlaceholder::backClicked() {
    navigator_.showNameSelection();
    close();
}

void HubPlaceholder::keyPressEvent(QKeyEvent *event) {
    const QString key = event->text();
    if (key == QStringLiteral("0")) {
        backClicked();
        return;
    }
    const int level = key.toInt();
    if (key.size() == 1 && level >= 1 && level <= startButtons_.size()) {
        startLevel(level);
        return;
    }
    ScaledForm::keyPressEvent(event);
}

}  // namespace tsubura
