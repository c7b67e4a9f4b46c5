#include "exercise/windows/MainFrm.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <cmath>

#include "exercise/card_layout.h"
#include "platform/clock.h"
#include "platform/fonts.h"
#include "platform/qt_services.h"
#include "platform/random_source.h"
#include "platform/services.h"
#include "shell/calendar.h"
#include "shell/navigator.h"
#include "shell/shared_state.h"
#include "shell/spaces.h"
#include "sound/sound_cues.h"
#include "store/record_result.h"

namespace tsubura {

namespace {

constexpr int kStripHeight = 1695;
constexpr int kBarWidth = 14985;
constexpr int kBarLeft = 180;
constexpr int kBarTop = 1440;
constexpr int kBarHeight = 150;
constexpr unsigned kPaleRed = 12632319;
constexpr int kAnswerRowTop = 8040;

// A filled ellipse, the shape of one dot.
class DotShape : public QWidget {
public:
    DotShape(QWidget *parent, const QColor &colour) : QWidget(parent), colour_(colour) {}

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour_);
        painter.drawEllipse(rect());
    }

private:
    QColor colour_;
};

QWidget *panel(QWidget *parent, const QString &name, const QColor &colour) {
    auto *w = new QWidget(parent);
    w->setObjectName(name);
    w->setAutoFillBackground(true);
    setColours(w, colour);
    return w;
}

}  // namespace

double leadingNumber(const QString &text) {
    int i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' ')) ++i;
    QString number;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) number += text[i++];
    bool point = false;
    bool digits = false;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isDigit() && c.unicode() < 128) {
            number += c;
            digits = true;
        } else if (c == QLatin1Char('.') && !point) {
            number += c;
            point = true;
        } else {
            break;
        }
    }
    if (!digits) return 0;
    return number.toDouble();
}

MainFrm::MainFrm(SharedState &state, Platform &platform, Navigator &navigator, SoundCues &sounds, QWidget *parent)
    : ScaledForm(15360, 11520, parent), state_(state), platform_(platform), navigator_(navigator), sounds_(sounds) {
    setObjectName(QStringLiteral("MainFrm"));
    setFocusPolicy(Qt::StrongFocus);
    const QFont gothic = designFont(kGothic);
    setFont(gothic);

    // Status strip.
    sPicture1_ = panel(this, QStringLiteral("sPicture1"), QColor(255, 255, 192));
    place(sPicture1_, 0, 0, 15360, kStripHeight);
    sLabel2_ = label(sPicture1_, QStringLiteral("sLabel2"), {}, 120, 60, 3720, 420, 16.8, true);
    sLabel7_ = label(sPicture1_, QStringLiteral("sLabel7"), {}, 3960, 60, 3000, 420, 14, true);
    sLabel14_ = label(sPicture1_, QStringLiteral("sLabel14"), {}, 7080, 60, 3000, 420, 12);
    sLabel8_ = label(sPicture1_, QStringLiteral("sLabel8"), {}, 10200, 60, 5040, 420, 14, true);
    label(sPicture1_, QStringLiteral("sCaptionRemain1"), QStringLiteral("残り"), 120, 540, 720, 420, 12);
    sLabel9_ = label(sPicture1_, QStringLiteral("sLabel9"), {}, 840, 540, 600, 420, 14, true);
    label(sPicture1_, QStringLiteral("sCaptionRemain2"), QStringLiteral("問"), 1440, 540, 480, 420, 12);
    label(sPicture1_, QStringLiteral("sCaptionTime"), QStringLiteral("タイム"), 2280, 540, 960, 420, 12);
    sLabel10_ = label(sPicture1_, QStringLiteral("sLabel10"), {}, 3240, 540, 1080, 420, 14, true);
    label(sPicture1_, QStringLiteral("sCaptionLevel1"), QStringLiteral("このレベル"), 4800, 540, 1560, 420, 12);
    sLabel11_ = label(sPicture1_, QStringLiteral("sLabel11"), {}, 6360, 540, 720, 420, 14, true);
    label(sPicture1_, QStringLiteral("sCaptionLevel2"), QStringLiteral("回目"), 7080, 540, 720, 420, 12);
    label(sPicture1_, QStringLiteral("sCaptionToday1"), QStringLiteral("本日"), 8280, 540, 720, 420, 12);
    sLabel12_ = label(sPicture1_, QStringLiteral("sLabel12"), {}, 9000, 540, 720, 420, 14, true);
    label(sPicture1_, QStringLiteral("sCaptionToday2"), QStringLiteral("回目"), 9720, 540, 720, 420, 12);
    label(sPicture1_, QStringLiteral("sCaptionLogin1"), QStringLiteral("起動後"), 11040, 540, 960, 420, 12);
    sLabel13_ = label(sPicture1_, QStringLiteral("sLabel13"), {}, 12000, 540, 720, 420, 14, true);
    label(sPicture1_, QStringLiteral("sCaptionLogin2"), QStringLiteral("分"), 12720, 540, 480, 420, 12);

    // Lamps: three groups of ten, each after its caption.
    const struct {
        const char *caption;
        QColor colour;
        int first;
    } groups[] = {{"Best", QColor(0, 100, 0), 10}, {"YourBest", QColor(128, 128, 0), 20}, {"Pass", QColor(139, 0, 0), 30}};
    int left = kBarLeft;
    for (const auto &g : groups) {
        QLabel *caption = label(sPicture1_, QStringLiteral("sCaption%1").arg(QLatin1String(g.caption)),
                                QLatin1String(g.caption), left, 1080, 1200, 300, 9, true);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        left += 1260;
        for (int i = 0; i < 10; ++i) {
            QWidget *lamp = panel(sPicture1_, QStringLiteral("sPicture3_%1").arg(g.first + i), g.colour);
            place(lamp, left + i * 255, 1125, 255, 135);
            lamps_[std::size_t(g.first + i)] = lamp;
        }
        left += 2550 + 240;
    }

    // Time bar, bottom to top.
    sShape5_ = panel(sPicture1_, QStringLiteral("sShape5"), Qt::white);
    sShape4_ = panel(sPicture1_, QStringLiteral("sShape4"), QColor(128, 255, 128));
    sShape3_ = panel(sPicture1_, QStringLiteral("sShape3"), QColor(0, 160, 0));
    sShape2_ = panel(sPicture1_, QStringLiteral("sShape2"), QColor(0, 0, 255));
    sShape7_ = panel(sPicture1_, QStringLiteral("sShape7"), QColor(255, 0, 0));
    place(sShape5_, kBarLeft, kBarTop, kBarWidth, kBarHeight);
    for (QWidget *bar : {sShape4_, sShape3_, sShape2_, sShape7_}) {
        place(bar, kBarLeft, kBarTop, 0, kBarHeight);
        bar->hide();
    }

    // Card panel with the random dots, the arranged panel and the cover.
    picture2_ = panel(this, QStringLiteral("Picture2"), colourFromValue(kPaleGreen));
    place(picture2_, 0, kStripHeight, kCardPanelWidth, 11520 - kStripHeight);
    for (int entry = 1; entry <= kRandomCellCount; ++entry) {
        auto *dot = new DotShape(picture2_, Qt::red);
        dot->setObjectName(QStringLiteral("Shape1_%1").arg(entry));
        const QRect r = randomCellRect(entry);
        place(dot, r.left(), r.top(), r.width(), r.height());
        dot->hide();
        shape1_.append(dot);
    }
    picture3_ = panel(picture2_, QStringLiteral("Picture3"), colourFromValue(kPaleGreen));
    place(picture3_, kArrangedPanelRect.left(), kArrangedPanelRect.top(), kArrangedPanelRect.width(),
          kArrangedPanelRect.height());
    picture3_->hide();
    for (int entry = 1; entry <= kArrangedCellCount; ++entry) {
        auto *dot = new DotShape(picture3_, Qt::red);
        dot->setObjectName(QStringLiteral("Shape2_%1").arg(entry));
        const QRect r = arrangedCellRect(entry);
        place(dot, r.left(), r.top(), r.width(), r.height());
        dot->hide();
        shape2_.append(dot);
    }
    picture1_ = panel(picture2_, QStringLiteral("Picture1"), colourFromValue(kPaleGreen));
    place(picture1_, kCoverRect.left(), kCoverRect.top(), kCoverRect.width(), kCoverRect.height());
    QLabel *question = label(picture1_, QStringLiteral("Label2"), QStringLiteral("ドッツ（丸）はいくつありましたか"), 1200,
                             1200, 13000, 900, 32, true);
    question->setAlignment(Qt::AlignCenter);
    QLabel *hint = label(picture1_, QStringLiteral("Label5"), QStringLiteral("もう一度みる（５秒追加）＝スペースのみ"),
                         1200, 6240, 13000, 600, 18);
    hint->setAlignment(Qt::AlignCenter);

    // The typed answer and the wrong-answer texts sit below the lowest dot, so they never hide one.
    inputLabel_ = label(picture2_, QStringLiteral("inputLabel"), {}, 6000, kAnswerRowTop, 3360, 960, 36, true);
    inputLabel_->setAlignment(Qt::AlignCenter);
    inputLabel_->setAutoFillBackground(true);
    setColours(inputLabel_, QColor(0, 192, 0));
    label1_ = label(picture2_, QStringLiteral("Label1"), {}, 5400, 9000, 4560, 780, 24, true);
    label1_->setAlignment(Qt::AlignCenter);
    label1_->setAutoFillBackground(true);
    setColours(label1_, QColor(255, 0, 0));
    label4_ = label(picture2_, QStringLiteral("Label4"), QStringLiteral("１０秒追加"), 10440, 9060, 2880, 660, 18, true);
    label3_ = label(picture2_, QStringLiteral("Label3"), QStringLiteral("＋を２回押しなさい"), 720, 9060, 4440, 660, 18,
                    true);
    for (QWidget *w : {static_cast<QWidget *>(label1_), static_cast<QWidget *>(label4_), static_cast<QWidget *>(label3_)})
        w->hide();
    inputLabel_->raise();

    // Recording notice, at the window's top left corner.
    sPicture2_ = panel(this, QStringLiteral("sPicture2"), QColor(0, 192, 192));
    place(sPicture2_, 0, 0, 9600, 7200);
    lblsss1_ = label(sPicture2_, QStringLiteral("lblsss1"), QStringLiteral("成績記録中"), 1665, 2925, 6270, 960, 36);
    lblsss2_ = label(sPicture2_, QStringLiteral("lblsss2"), QStringLiteral("時間切れ"), 1755, 3375, 6270, 960, 36);
    setColours(lblsss2_, QColor(0, 192, 192), Qt::red);
    sPicture2_->hide();

    // The actions as hidden buttons: the keys reach them, the student never sees them.
    const auto hiddenButton = [this](const QString &name, const QString &caption, void (MainFrm::*action)()) {
        auto *button = new QPushButton(caption, this);
        button->setObjectName(name);
        button->setFocusPolicy(Qt::NoFocus);
        button->hide();
        connect(button, &QPushButton::clicked, this, action);
    };
    hiddenButton(QStringLiteral("Command4"), QStringLiteral("Command4"), &MainFrm::command4);
    hiddenButton(QStringLiteral("Command5"), QStringLiteral("Command5"), &MainFrm::command5);
    hiddenButton(QStringLiteral("Command6"), QStringLiteral("Command6"), &MainFrm::command6);
    hiddenButton(QStringLiteral("Commandkakunin"), QStringLiteral("確認"), &MainFrm::commandkakunin);

    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setSingleShot(true);
    Timer1.setTimerType(Qt::PreciseTimer);  // a coarse timer may end a 600 ms flash 30 ms early or late
    Timer2.setObjectName(QStringLiteral("Timer2"));
    Timer2.setSingleShot(true);
    Timer2.setInterval(800);
    sTimer1.setObjectName(QStringLiteral("sTimer1"));
    sTimer1.setInterval(1000);
    sTimer2.setObjectName(QStringLiteral("sTimer2"));
    sTimer2.setInterval(10000);
    connect(&Timer1, &QTimer::timeout, this, &MainFrm::timer1Fired);
    connect(&Timer2, &QTimer::timeout, this, &MainFrm::timer2Fired);
    connect(&sTimer1, &QTimer::timeout, this, &MainFrm::sTimer1Tick);
    connect(&sTimer2, &QTimer::timeout, this, &MainFrm::sTimer2Tick);
    sTimer2.start();

    platform_.random.seed(std::uint32_t(platform_.clock.now().toMSecsSinceEpoch()));
    for (QWidget *w : findChildren<QWidget *>()) w->installEventFilter(this);
    resize(1024, 768);
}

QLabel *MainFrm::label(QWidget *parent, const QString &name, const QString &text, int left, int top, int width,
                       int height, double points, bool bold) {
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    QFont f = l->font();
    f.setBold(bold);
    l->setFont(f);
    place(l, left, top, width, height, points);
    return l;
}

double MainFrm::clockSeconds() const { return double(platform_.clock.monotonicMs()) / 1000.0; }

int MainFrm::minutesSinceLogin() const {
    return tsubura::minutesSinceLogin(state_.loginMoment, state_.loginSeconds, platform_.clock.now());
}

bool MainFrm::covered() const { return !picture1_->isHidden(); }

void MainFrm::showTyped() { inputLabel_->setText(typed_); }

void MainFrm::colourPanels(unsigned value) {
    setColours(picture2_, colourFromValue(value));
    setColours(picture3_, colourFromValue(value));
}

void MainFrm::activate() {
    初期設定();
    レベル別設定();
    スタート();
    問題作成表示();
}

void MainFrm::初期設定() {
    navigator_.closeHub();
    navigator_.hideWaiting();
    state_.exerciseFinished = 0;
    state_.endHandled = 0;
    state_.judgeResult = 0;
    typed_.clear();
    showTyped();
    clearLastRun();
    const int level = state_.currentLevel;
    const LevelCriteria &criteria = state_.criteriaOf(level);
    state_.timeLimit = 5 * criteria.minTime;
    sLabel10_->setText(QStringLiteral("0"));
    state_.barScale = state_.timeLimit > 0 ? double(kBarWidth) / state_.timeLimit : 0;
    const auto barWidth = [this](double seconds) { return int(std::lround(seconds * state_.barScale)); };
    const auto setBar = [this](QWidget *bar, int width) {
        setDesignWidth(bar, width);
        bar->setVisible(width > 0);
    };
    setBar(sShape2_, 0);
    setBar(sShape7_, 0);
    setBar(sShape3_, barWidth(criteria.targetTime));
    setBar(sShape4_, barWidth(criteria.minTime));
    sShape4_->raise();
    sShape3_->raise();
    sShape2_->raise();
    sShape7_->raise();

    sLabel2_->setText(state_.programTitle);
    setFontPoints(sLabel2_, state_.programTitle.size() > 9 ? 14 : 16.8);
    sLabel7_->setText(trimSpaces(state_.currentStudentName));
    sLabel8_->setText(state_.levelNames[std::size_t(level)]);
    const int student = state_.currentStudentNo;
    sLabel11_->setText(QString::number(int(state_.todayCount(level, student)) + 1));
    int total = 0;
    for (int l = 1; l <= 15; ++l) total += int(state_.todayCount(l, student));
    state_.todayTotalCount = std::int16_t(total);
    sLabel14_->setText(state_.schoolLabel);
    sLabel13_->setText(QString::number(minutesSinceLogin()));
    sLabel12_->setText(QString::number(total + 1));
}

// The window serves one exercise after another: nothing of the last one may show.
void MainFrm::clearLastRun() {
    Timer1.stop();
    Timer2.stop();
    flashAwaitsPaint_ = false;
    for (int lamp = 10; lamp <= 39; ++lamp) lamps_[std::size_t(lamp)]->show();
    sPicture2_->hide();
    colourPanels(kPaleGreen);
    for (QWidget *w : {static_cast<QWidget *>(label1_), static_cast<QWidget *>(label4_), static_cast<QWidget *>(label3_)})
        w->hide();
}

void MainFrm::レベル別設定() {
    state_.cardsPerExercise = 10;
    sLabel9_->setText(QStringLiteral("10"));
}

void MainFrm::スタート() {
    // Monotonic, so an exercise across midnight keeps its true time.
    state_.startSeconds = float(clockSeconds());
    sTimer1.start();
}

void MainFrm::問題作成表示() {
    if (state_.timeOutState == 1 || state_.exerciseFinished == 1 || state_.judging == 1) return;
    const std::optional<CardParameters> params = cardParametersFor(state_.currentLevel);
    if (!params) return;
    params_ = *params;
    Timer1.setInterval(params_.flashMs);
    picture3_->setVisible(state_.currentLevel >= 5);
    timer2Fired();
}

void MainFrm::uncoverAndFlash() {
    picture1_->hide();
    // The flash time counts from the frame the student sees: paint it now and start Timer1 once
    // it has reached the window. A window not yet exposed paints later, and that paint starts it.
    flashAwaitsPaint_ = false;
    uncoveredPainted_ = false;
    picture2_->repaint();
    flashAwaitsPaint_ = true;
    if (uncoveredPainted_ || !isVisible()) startAwaitedFlash();
}

void MainFrm::startAwaitedFlash() {
    if (!flashAwaitsPaint_) return;
    flashAwaitsPaint_ = false;
    Timer1.start();
}

void MainFrm::command4() {
    card_ = makeCard(params_, platform_.random);
    for (QWidget *dot : shape1_) dot->hide();
    for (QWidget *dot : shape2_) dot->hide();
    picture3_->setVisible(card_.arranged);
    for (int entry : card_.cells) {
        QList<QWidget *> &shapes = card_.arranged ? shape2_ : shape1_;
        if (entry >= 1 && entry <= shapes.size()) shapes[entry - 1]->show();
    }
    label1_->setText(card_.answerText);
}

void MainFrm::command5() {
    label1_->hide();
    label4_->hide();
    inputLabel_->setText(QString());
    command4();
    letEventsRun();
    uncoverAndFlash();
}

void MainFrm::command6() {
    state_.startSeconds -= 5;
    label1_->hide();
    label4_->hide();
    inputLabel_->setText(QString());
    letEventsRun();
    uncoverAndFlash();
}

void MainFrm::commandkakunin() {
    state_.plusState = 0;
    typed_.clear();
    showTyped();
    letEventsRun();
    picture1_->show();
    inputLabel_->raise();
    colourPanels(kPaleGreen);
    label3_->hide();
    Timer2.start();
}

void MainFrm::timer1Fired() {
    Timer1.stop();
    flashAwaitsPaint_ = false;
    picture1_->show();
    inputLabel_->raise();
    // At once, not at the next pass of the event loop, or the card stays up longer than its time.
    picture1_->repaint();
}

void MainFrm::timer2Fired() {
    Timer2.stop();
    command5();
}

void MainFrm::判定() {
    if (state_.timeOutState == 1 || state_.exerciseFinished == 1) {
        state_.judging = 0;
        return;
    }
    state_.judgeResult = leadingNumber(typed_) == double(card_.dotCount) ? 1 : 2;
}

void MainFrm::判定後処理() {
    if (state_.timeOutState == 1 || state_.exerciseFinished == 1) return;
    if (state_.judgeResult == 1) {
        state_.judgeResult = 0;
        sounds_.playCorrect();
        ++state_.correctCount;
        sLabel9_->setText(QString::number(state_.cardsPerExercise - state_.correctCount));
        if (state_.correctCount < state_.cardsPerExercise) {
            state_.judging = 0;
            typed_.clear();
            showTyped();
            command5();
        } else {
            sTimer1.stop();
            state_.exerciseFinished = 1;
            endOfExercise();
        }
        return;
    }
    state_.plusState = 1;
    flashAwaitsPaint_ = false;  // the card stays up until confirmed, not for a flash
    colourPanels(kPaleRed);
    label3_->show();
    picture1_->hide();
    label1_->show();
    label4_->show();
    letEventsRun();
    sounds_.playWrong();
    state_.judging = 0;
    state_.startSeconds -= 10;
}

void MainFrm::handleKey(int key, const QString &text) {
    if (state_.timeOutState == 1 || state_.exerciseFinished == 1) return;
    if (state_.judging == 1) return;
    if (state_.plusState == 0) {
        if (key == Qt::Key_Space) {
            if (!typed_.isEmpty()) {
                state_.judging = 1;
                判定();
                判定後処理();
                state_.judging = 0;
            } else {
                command6();
            }
        } else if (key == Qt::Key_Backspace) {
            if (!typed_.isEmpty()) typed_.chop(1);
            showTyped();
        } else if (typed_.size() >= 3) {
            sounds_.playWarning();
        } else if (text.size() == 1 && text[0].unicode() >= 42 && text[0].unicode() <= 57) {
            typed_ += text;
            showTyped();
        }
        return;
    }
    const bool plus = text == QStringLiteral("+");
    if (plus && state_.plusState == 1) {
        state_.plusState = 2;
    } else if (plus && state_.plusState == 2) {
        commandkakunin();
    } else {
        state_.plusState = 1;
    }
}

void MainFrm::sTimer1Tick() {
    state_.elapsedSeconds = std::int32_t(std::nearbyint(clockSeconds() - double(state_.startSeconds)));
    const LevelCriteria &criteria = state_.criteriaOf(state_.currentLevel);
    const int toTarget = criteria.targetTime - state_.elapsedSeconds;
    if (toTarget >= 0 && toTarget <= 9)
        for (int lamp = 30; lamp <= 39 - toTarget; ++lamp) lamps_[std::size_t(lamp)]->hide();
    const int toMin = criteria.minTime - state_.elapsedSeconds;
    if (toMin >= 0 && toMin <= 9) lamps_[std::size_t(39 - toMin)]->hide();
    sLabel10_->setText(QString::number(state_.elapsedSeconds));
    letEventsRun();
    if (state_.elapsedSeconds < state_.timeLimit) {
        const int width = int(std::lround(state_.elapsedSeconds * state_.barScale));
        setDesignWidth(sShape2_, width);
        sShape2_->setVisible(width > 0);
        return;
    }
    setDesignWidth(sShape2_, kBarWidth);
    sShape2_->show();
    if (state_.endHandled == 0 && state_.exerciseFinished == 0 && state_.judging == 0) {
        state_.timeOutState = 1;
        sTimer1.stop();
        endOfExercise();
    }
    letEventsRun();
}

void MainFrm::sTimer2Tick() { sLabel13_->setText(QString::number(minutesSinceLogin())); }

void MainFrm::endOfExercise() {
    letEventsRun();
    if (state_.endHandled == 1) return;
    state_.endHandled = 1;
    sPicture2_->show();
    sPicture2_->raise();
    lblsss1_->setVisible(state_.timeOutState != 1);
    lblsss2_->setVisible(state_.timeOutState == 1);
    letEventsRun();
    sTimer1.stop();
    state_.recordedTime = state_.timeOutState == 1 ? kNoTime : state_.elapsedSeconds;
    const Pause pause = [this](int ms) { platform_.waiter.wait(ms); };
    if (const std::optional<CoreError> error =
            recordResult(state_, state_.currentLevel, platform_.clock.now(), pause)) {
        reportAndEnd(platform_, error->message);
    }
    navigator_.showWaiting();
    letEventsRun();
    platform_.waiter.wait(1000);
    close();
    navigator_.showJudgement();
}

bool MainFrm::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::Paint && watched == picture2_ && !covered()) {
        uncoveredPainted_ = true;
        // A flash still waiting (the window was not exposed) starts here: the frame is flushed in
        // this same pass, before any timer can fire.
        startAwaitedFlash();
    }
    if (event->type() == QEvent::KeyPress) {
        keyPressEvent(static_cast<QKeyEvent *>(event));
        return true;
    }
    return ScaledForm::eventFilter(watched, event);
}

void MainFrm::keyPressEvent(QKeyEvent *event) {
    const int key = event->key();
    if (key == Qt::Key_Space || key == Qt::Key_Backspace || !event->text().isEmpty()) handleKey(key, event->text());
    event->accept();
}

}  // namespace tsubura
