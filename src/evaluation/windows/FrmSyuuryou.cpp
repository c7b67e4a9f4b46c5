#include "evaluation/windows/FrmSyuuryou.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>

#include "evaluation/aggregation.h"
#include "evaluation/level_status.h"
#include "evaluation/points.h"
#include "platform/clock.h"
#include "platform/fonts.h"
#include "platform/qt_services.h"
#include "platform/services.h"
#include "shell/navigator.h"
#include "shell/shared_state.h"
#include "shell/spaces.h"
#include "shell/value.h"
#include "sound/sound_cues.h"
#include "store/result_record.h"

namespace tsubura {

namespace {

constexpr int kNoClearCount = 9999;
constexpr int kFullRowLeft = 480;
constexpr int kFullRowWidth = 14400;

// A soft sky behind the texts; the design leaves the picture open.
class Backdrop : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter painter(this);
        QLinearGradient sky(0, 0, 0, height());
        sky.setColorAt(0, QColor(255, 250, 224));
        sky.setColorAt(1, QColor(200, 232, 255));
        painter.fillRect(rect(), sky);
    }
};

}  // namespace

FrmSyuuryou::FrmSyuuryou(SharedState &state, Platform &platform, Navigator &navigator, SoundCues &sounds,
                         QWidget *parent)
    : ScaledForm(15360, 11520, parent), state_(state), platform_(platform), navigator_(navigator), sounds_(sounds) {
    setObjectName(QStringLiteral("FrmSyuuryou"));
    setWindowTitle(state.programTitle);
    setFont(designFont(kGothic));

    auto *image = new Backdrop(this);
    image->setObjectName(QStringLiteral("Image1"));
    place(image, 0, 0, 15360, 11520);

    Label15 = label(QStringLiteral("Label15"), kFullRowLeft, 480, kFullRowWidth, 24, true);
    Label16 = label(QStringLiteral("Label16"), kFullRowLeft, 1560, kFullRowWidth, 28, true);
    Label17 = label(QStringLiteral("Label17"), kFullRowLeft, 2640, kFullRowWidth, 28, true);
    Label18 = label(QStringLiteral("Label18"), kFullRowLeft, 3960, kFullRowWidth, 36, true);
    Label19 = label(QStringLiteral("Label19"), kFullRowLeft, 5280, kFullRowWidth, 26, true);
    Label13 = label(QStringLiteral("Label13"), 960, 6480, 6840, 20);
    Label13->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label14 = label(QStringLiteral("Label14"), 7920, 6480, 6480, 20);
    Label14->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Label20 = label(QStringLiteral("Label20"), kFullRowLeft, 7440, kFullRowWidth, 36, true);
    setColours(Label20, QColor(), QColor(220, 0, 0));
    Label2 = label(QStringLiteral("Label2"), kFullRowLeft, 8640, kFullRowWidth, 28, true);
    Label2->setText(QStringLiteral("このレベルクリア"));
    setColours(Label2, QColor(), QColor(0, 96, 192));
    Label20->hide();
    Label2->hide();

    Picture1 = new QWidget(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAutoFillBackground(true);
    setColours(Picture1, QColor(255, 215, 0));
    place(Picture1, 1440, 240, 12480, 3360);
    Label1 = new QLabel(QStringLiteral("目標レベルクリア。おめでとう！"), Picture1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setFont(designFont(kGothic, true));
    setColours(Label1, QColor(), QColor(192, 0, 0));
    place(Label1, 0, 0, 12480, 3360, 36);
    Picture1->hide();

    const auto button = [this](const QString &name, const QString &caption, int left) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setFont(designFont(kGothic, true));
        b->setAutoDefault(true);  // Enter presses the focused button, as space does
        place(b, left, 9840, 4320, 1200, 24);
        b->hide();
        return b;
    };
    Command4 = button(QStringLiteral("Command4"), QStringLiteral("メニューへ"), 2640);
    Command5 = button(QStringLiteral("Command5"), QStringLiteral("もう一度"), 8400);
    connect(Command4, &QPushButton::clicked, this, &FrmSyuuryou::command4Clicked);
    connect(Command5, &QPushButton::clicked, this, &FrmSyuuryou::command5Clicked);

    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(500);
    connect(&Timer1, &QTimer::timeout, this, &FrmSyuuryou::timer1Fired);
    resize(1024, 768);
}

QLabel *FrmSyuuryou::label(const QString &name, int left, int top, int width, double points, bool bold) {
    auto *l = new QLabel(this);
    l->setObjectName(name);
    l->setFont(designFont(kGothic, bold));
    l->setAlignment(Qt::AlignCenter);
    place(l, left, top, width, int(points * 20 * 1.6), points);
    return l;
}

bool FrmSyuuryou::levelIsCleared() const {
    return levelCleared(state_, state_.currentLevel, state_.currentStudentNo);
}

// A goal level is reachable only when no level is closed off by an unreachable clear count.
bool FrmSyuuryou::goalLevelCanBeCleared() const {
    for (int level = 1; level < kLevelSlots; ++level)
        if (state_.criteriaOf(level).clearCount == kNoClearCount) return false;
    return true;
}

void FrmSyuuryou::activate() {
    const ResultsAccess access{OpenMode::CreateIfMissing, [this](int ms) { platform_.waiter.wait(ms); }};
    if (const std::optional<CoreError> error = aggregateResults(state_, platform_.clock.now(), access)) {
        reportAndEnd(platform_, error->message);
    }
    const int level = state_.currentLevel;
    const int student = state_.currentStudentNo;
    const bool isGoal = level == int(state_.finalLevel.toNumber());
    const bool cleared = levelIsCleared();
    if (cleared) {
        Label2->show();
        if (isGoal && goalLevelCanBeCleared()) Picture1->show();
    }
    letEventsRun();
    Timer1.start();

    const LevelCriteria &criteria = state_.criteriaOf(level);
    const std::int32_t time = state_.recordedTime;
    const JudgementPoints points = judgementPoints(criteria, time);
    Label19->setText(QStringLiteral("獲得ポイント：%1点×%2→%3点")
                         .arg(points.points)
                         .arg(numberText(criteria.pointMultiplier))
                         .arg(points.earned));
    Label18->setText(time >= kNoTimeFrom ? QStringLiteral("記録なし") : QStringLiteral("今の成績：%1秒").arg(time));

    Label17->setText(trimSpaces(state_.currentStudentName));
    Label15->setText(state_.programTitle);
    Label16->setText(state_.levelNames[std::size_t(level)]);
    Label13->setText(QStringLiteral(" (このレベル　%1回目)").arg(numberText(state_.todayCount(level, student))));
    float total = 0;
    for (int l = 1; l < kLevelSlots; ++l) total += state_.todayCount(l, student);
    state_.todayTotalCount = std::int16_t(total);
    Label14->setText(QStringLiteral("（%1回目)").arg(state_.todayTotalCount));
    letEventsRun();

    playOutcome();
    if (isGoal && cleared) {
        if (state_.alreadyCleared != 1) sounds_.playLevelCleared();
    } else {
        Picture1->hide();
    }

    state_.personalBestFlag = 0;
    state_.overallBestFlag = 0;
    letEventsRun();
    navigator_.hideWaiting();
}

void FrmSyuuryou::playOutcome() {
    const auto message = [this](const QString &text) {
        Label20->setText(text);
        Label20->show();
    };
    if (state_.timeOutState == 1) {
        message(QStringLiteral("時間切れ"));
    } else if (state_.personalBestFlag == 1 && state_.overallBestFlag != 1) {
        message(QStringLiteral("新記録おめでとう"));
        sounds_.playPersonalBest();
    } else if (state_.overallBestFlag == 1) {
        message(QStringLiteral("！！！最高新記録！！！"));
        sounds_.playOverallBest();
    } else if (state_.recordedTime <= state_.criteriaOf(state_.currentLevel).minTime) {
        sounds_.playNoRecord();
    }
}

void FrmSyuuryou::timer1Fired() {
    Picture1->hide();
    Command4->show();
    letEventsRun();
    Command4->setFocus();
    Timer1.stop();

    const int level = state_.currentLevel;
    const bool overused = overuseReached(state_, level, state_.currentStudentNo);
    if (overused && levelIsCleared()) {
        if (level == int(state_.finalLevel.toNumber())) {
            Label2->clear();
            Label2->hide();
            Command5->show();
        } else if (state_.finalLevelCleared == 0) {
            // Cleared and overdone: the student is told to move on instead of repeating.
            Label2->setText(QStringLiteral("次のレベルへ進みましょう"));
        } else {
            Command5->show();
        }
    } else {
        Command5->show();
    }
}

void FrmSyuuryou::command4Clicked() {
    Command4->setEnabled(false);
    navigator_.showHub();
    close();
    letEventsRun();
}

void FrmSyuuryou::command5Clicked() {
    Command4->setEnabled(false);
    // The window may be gone once events have run.
    Navigator &navigator = navigator_;
    navigator.showWaiting();
    close();
    letEventsRun();
    navigator.startExercise();
}

}  // namespace tsubura
