#include "hub/windows/seisekitime1.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <cmath>

#include "evaluation/aggregation.h"
#include "hub/availability.h"
#include "platform/clock.h"
#include "platform/fonts.h"
#include "platform/qt_services.h"
#include "platform/services.h"
#include "roster/grades.h"
#include "shell/calendar.h"
#include "shell/navigator.h"
#include "shell/shared_state.h"
#include "shell/spaces.h"
#include "shell/value.h"

namespace tsubura {
namespace {

constexpr int kDesignWidth = 15360;
const int kMargin = int(std::lround(0.02 * kDesignWidth));
const QColor kLightGrey(224, 224, 224);

const QStringList kPeriods = {
    QStringLiteral("　　　今週の全成績"), QStringLiteral("　　先週からの全成績"), QStringLiteral("　　１ヶ月間の全成績"),
    QStringLiteral("　　１年間の全成績"), QStringLiteral("　　今までの全成績\""),
};

QLabel *newLabel(QWidget *parent, const QString &name, bool bold = false) {
    auto *l = new QLabel(parent);
    l->setObjectName(name);
    l->setFont(designFont(kPGothic, bold));
    return l;
}

}  // namespace

seisekitime1::seisekitime1(SharedState &state, Platform &platform, Navigator &navigator, QWidget *parent)
    : ScaledForm(kDesignWidth, 11520, parent), state_(state), platform_(platform), navigator_(navigator) {
    setObjectName(QStringLiteral("seisekitime1"));
    setWindowTitle(state.programTitle);

    periodCode_ = 3;
    const QColor season = colourFromValue(state.seasonColour);
    setColours(this, season);

    const int levelCount = std::max<int>(0, state.levelCount);
    columns_.resize(std::size_t(levelCount) + 1);
    // Four columns in view; the area cuts off the next one instead of showing a sliver of it.
    auto *area = new QWidget(this);
    area->setObjectName(QStringLiteral("ColumnArea"));
    place(area, 0, kColumnTop, kMargin + 4 * kColumnWidth, kColumnHeight);
    for (int level = 1; level <= levelCount; ++level) {
        LevelColumn &c = columns_[std::size_t(level)];
        c = buildLevelColumn(*this, area, level, state.levelNames[std::size_t(level)], kMargin + (level - 1) * kColumnWidth);
        const LevelCriteria &criteria = state.criteriaOf(level);
        QString target = QStringLiteral("目標=") + QString::number(criteria.targetTime) + QStringLiteral("秒");
        if (criteria.clearPoints == 9999)
            target += QStringLiteral(" --------");
        else
            target += QLatin1Char(' ') + QString::number(criteria.clearCount) + QStringLiteral("回/") +
                      QString::number(criteria.clearPoints) + QStringLiteral("点(×") +
                      numberText(criteria.pointMultiplier) + QLatin1Char(')');
        c.targetLine->setText(target);
        connect(c.start, &QPushButton::clicked, this, [this, level] { startLevel(level); });
    }
    refreshFigures();

    buildHeader();
    buildSelectors();

    hScroll1_ = new QScrollBar(Qt::Horizontal, this);
    hScroll1_->setObjectName(QStringLiteral("HScroll1"));
    hScroll1_->setRange(1, std::max(1, levelCount - 3));
    hScroll1_->setPageStep(1);
    hScroll1_->setFocusPolicy(Qt::NoFocus);
    place(hScroll1_, kMargin, 11040, 4 * kColumnWidth, 360);
    connect(hScroll1_, &QScrollBar::valueChanged, this, [this](int value) { scrolled(value); });

    dataChange_ = buildDataChangePanel(*this);
    connect(dataChange_.tools[0], &QPushButton::clicked, this, [this] { confirmDataChange(0); });
    connect(dataChange_.tools[1], &QPushButton::clicked, this, [this] { confirmDataChange(1); });
    connect(dataChange_.back, &QPushButton::clicked, this, [this] { closeDataChange(); });

    buildWaitPanels();
    setColours(picture2_, season);
    picture2_->show();
    picture2_->raise();

    for (QWidget *w : findChildren<QWidget *>()) w->installEventFilter(this);
}

void seisekitime1::buildHeader() {
    label11_ = newLabel(this, QStringLiteral("Label11"), true);
    setColours(label11_, QColor(0, 96, 96), QColor(255, 255, 0));
    label11_->setAlignment(Qt::AlignCenter);
    place(label11_, 120, 60, 4800, 720, 24);
    label12_ = newLabel(this, QStringLiteral("Label12"), true);
    place(label12_, 120, 840, 4800, 420, 15);
    label13_ = newLabel(this, QStringLiteral("Label13"));
    place(label13_, 120, 1290, 2400, 330, 10);
    label17_ = newLabel(this, QStringLiteral("Label17"));
    place(label17_, 2580, 1290, 1200, 330, 10);
    label18_ = newLabel(this, QStringLiteral("Label18"));
    place(label18_, 3840, 1290, 2400, 330, 10);

    command1_ = new QPushButton(QStringLiteral("戻る(0)"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setFont(designFont(kPGothic, true));
    place(command1_, 13560, 60, 1680, 720, 16);
    connect(command1_, &QPushButton::clicked, this, [this] { backClicked(); });

    command8_ = new QPushButton(QStringLiteral("データ処理"), this);
    command8_->setObjectName(QStringLiteral("Command8"));
    command8_->setFont(designFont(kPGothic));
    place(command8_, 13560, 900, 1680, 420, 10);
    command8_->hide();
    connect(command8_, &QPushButton::clicked, this, [this] { dataChangeClicked(); });
}

void seisekitime1::buildSelectors() {
    const QString kinds[3] = {QStringLiteral("ﾀｲﾑ表示"), QStringLiteral("ﾎﾟｲﾝﾄ表示"), QStringLiteral("個人ﾀｲﾑ")};
    for (int k = 0; k < 3; ++k) {
        option2_[k] = new QRadioButton(kinds[k], this);
        option2_[k]->setObjectName(QStringLiteral("Option2_%1").arg(k));
        option2_[k]->setFont(designFont(kPGothic));
        place(option2_[k], 5160 + k * 1320, 120, 1320, 330, 10);
        connect(option2_[k], &QRadioButton::clicked, this, [this, k] { chooseDisplayKind(k); });
    }
    option1_[0] = nullptr;
    const QString subViews[4] = {QString(), QStringLiteral("BEST表示"), QStringLiteral("本日のみ"),
                                 QStringLiteral("オール表示")};
    auto *group = new QWidget(this);  // the sub-views exclude each other, not the display kinds
    group->setObjectName(QStringLiteral("Option1Group"));
    place(group, 5160, 540, 3960, 330);
    for (int j = 1; j <= 3; ++j) {
        option1_[j] = new QRadioButton(subViews[j], group);
        option1_[j]->setObjectName(QStringLiteral("Option1_%1").arg(j));
        option1_[j]->setFont(designFont(kPGothic));
        place(option1_[j], (j - 1) * 1320, 0, 1320, 330, 10);
        connect(option1_[j], &QRadioButton::clicked, this, [this, j] { chooseSubView(j); });
    }

    combo1_ = new QComboBox(this);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    combo1_->setFont(designFont(kPGothic));
    combo1_->addItems(gradeFilterChoices());
    combo1_->setFocusPolicy(Qt::ClickFocus);
    place(combo1_, 9240, 90, 1680, 390, 10);
    gradeFilter_ = state_.gradeFilterText;
    const int filterIndex = int(gradeFilterChoices().indexOf(gradeFilter_));
    combo1_->setCurrentIndex(filterIndex);
    if (filterIndex < 0) combo1_->setPlaceholderText(gradeFilter_);
    connect(combo1_, &QComboBox::activated, this, [this](int index) { gradeFilterChosen(combo1_->itemText(index)); });

    graphButton_ = new QPushButton(QStringLiteral("グラフ"), this);
    graphButton_->setObjectName(QStringLiteral("Command20"));
    graphButton_->setFont(designFont(kPGothic));
    graphButton_->setEnabled(false);  // the report comes with the graphs
    graphButton_->hide();
    place(graphButton_, 11040, 90, 1440, 390, 10);

    combo2_ = new QComboBox(this);
    combo2_->setObjectName(QStringLiteral("Combo2"));
    combo2_->setFont(designFont(kPGothic));
    combo2_->addItems(kPeriods);
    combo2_->setCurrentIndex(2);
    combo2_->setFocusPolicy(Qt::ClickFocus);
    combo2_->hide();
    place(combo2_, 9240, 510, 3240, 390, 10);
    connect(combo2_, &QComboBox::activated, this, [this](int index) { choosePeriod(index); });

    label5_ = newLabel(this, QStringLiteral("Label5"), true);
    label5_->setAlignment(Qt::AlignCenter);
    setColours(label5_, QColor(0, 128, 128), Qt::white);
    place(label5_, kMargin, 1740, 4 * kColumnWidth, 360, 11);
}

void seisekitime1::buildWaitPanels() {
    const auto waitPanel = [this](const QString &name, const QString &text, QProgressBar **bar) {
        auto *p = new QWidget(this);
        p->setObjectName(name);
        auto *l = newLabel(p, name + QStringLiteral("Text"));
        l->setText(text);
        l->setAlignment(Qt::AlignCenter);
        *bar = new QProgressBar(p);
        (*bar)->setObjectName(name + QStringLiteral("Progress"));
        (*bar)->setTextVisible(false);
        (*bar)->setRange(0, std::max<int>(1, state_.levelCount));
        (*bar)->setValue(0);
        return std::pair{p, l};
    };
    auto [p6, l6] = waitPanel(QStringLiteral("Picture6"), QStringLiteral("Just a momento, please."), &progress6_);
    picture6_ = p6;
    setColours(picture6_, QColor(192, 255, 255));
    place(picture6_, 0, 1740, kDesignWidth, 11040 - 1740);
    place(l6, 4080, 3600, 7200, 690, 26.25);
    place(progress6_, 4080, 4440, 7200, 300);
    picture6_->hide();

    auto [p2, l2] = waitPanel(QStringLiteral("Picture2"), QStringLiteral("Just a moment, please."), &progress2_);
    picture2_ = p2;
    place(picture2_, 0, 0, kDesignWidth, 11520);
    place(l2, 4080, 5130, 7200, 690, 26.25);
    place(progress2_, 4080, 5970, 7200, 300);
}

void seisekitime1::refreshFigures() {
    const int s = state_.currentStudentNo;
    for (int level = 1; level < int(columns_.size()); ++level) {
        const LevelCriteria &criteria = state_.criteriaOf(level);
        columns_[std::size_t(level)].recentLine->setText(
            QStringLiteral("最近") + criteria.recentDays.toText() + QStringLiteral("日=") +
            QString::number(state_.recentCount(level, s)) + QStringLiteral("回 / ") +
            QString::number(state_.recentPoints(level, s)) + QStringLiteral("点"));
    }
}

void seisekitime1::activate() {
    const QString &name = state_.currentStudentName;
    command8_->setVisible(name.contains(QStringLiteral("★")) || name.contains(QStringLiteral("先生")));
    const int minutes = minutesSinceLogin(state_.loginMoment, state_.loginSeconds, platform_.clock.now());
    label17_->setText(QStringLiteral("起動後%1分").arg(minutes));

    readyFlag_ = 0;
    picture2_->show();
    picture2_->raise();
    progress2_->show();
    letEventsRun();
    setSubViewCaptions(QStringLiteral("累計順"), QStringLiteral("本日順"));

    const ResultsAccess access{OpenMode::CreateIfMissing, [this](int ms) { platform_.waiter.wait(ms); }};
    if (const std::optional<CoreError> error = aggregateResults(state_, platform_.clock.now(), access)) {
        reportAndEnd(platform_, error->message);
    }

    const int s = state_.currentStudentNo;
    double todayTotal = 0;
    for (int level = 1; level <= 35; ++level) todayTotal += double(state_.todayCount(level, s));
    state_.todayTotalCount = std::int16_t(todayTotal);
    label18_->setText(QStringLiteral("本日総回数＝") + QString::number(state_.todayTotalCount) + QStringLiteral("回"));
    progress2_->setRange(0, std::max<int>(1, state_.levelCount));

    displayKind_ = 2;
    suppress_ = true;
    checkRadio(option1_[1]);
    chooseSubView(1);
    chooseDisplayKind(1);
    checkRadio(option2_[1]);
    command1_->setEnabled(true);
    suppress_ = false;

    setListsVisible(true);

    picture6_->hide();
    label12_->setText(state_.currentStudentGrade + QLatin1Char(' ') + trimSpaces(name));
    label13_->setText(state_.schoolLabel + QLatin1Char(':') + QString::number(s));
    label11_->setText(state_.programTitle);
    setFontPoints(label11_, state_.programTitle.size() > 9 ? 20 : 24);

    if (state_.firstVisibleColumn == 0 || state_.firstVisibleColumn > hScroll1_->maximum())
        state_.firstVisibleColumn = 1;
    {
        const QSignalBlocker blocker(hScroll1_);
        hScroll1_->setValue(state_.firstVisibleColumn);
    }
    placeColumns();

    refreshFigures();
    for (int level = 1; level < int(columns_.size()); ++level) {
        LevelColumn &c = columns_[std::size_t(level)];
        setColours(c.recentLine, kLightGrey);
        setColours(c.targetLine, kLightGrey);
        c.start->setEnabled(true);
        const float today = state_.todayCount(level, s);
        c.todayLine->setText(today != 0 ? numberText(today) + QStringLiteral("回/") +
                                              QString::number(state_.todayPoints(level, s)) + QStringLiteral("点")
                                        : QStringLiteral("-----"));
        const std::int16_t total = state_.totalCount(level, s);
        c.totalLine->setText(total != 0 ? QString::number(total) + QStringLiteral("回/") +
                                              QString::number(state_.totalPoints(level, s)) + QStringLiteral("点")
                                        : QStringLiteral("------"));
    }

    setStartButtonsEnabled(false);
    refreshAvailability();

    picture2_->hide();
    progress2_->hide();
    letEventsRun();
    readyFlag_ = 1;
}

void seisekitime1::refreshAvailability() {
    const std::vector<LevelAvailability> availability = tsubura::refreshAvailability(state_);
    for (int level = 1; level < int(columns_.size()); ++level) {
        LevelColumn &c = columns_[std::size_t(level)];
        const bool known = level < int(availability.size());
        c.start->setEnabled(!known || availability[std::size_t(level)].enabled);
        if (known && availability[std::size_t(level)].overuseNotice) {
            c.overuse->setText(QStringLiteral("やりすぎ禁止"));
            c.overuse->raise();
            c.overuse->show();
        } else {
            c.overuse->hide();
        }
    }
    picture6_->raise();
}

void seisekitime1::startLevel(int level) {
    if (!dataChange_.panel->isHidden()) return;
    if (level < 1 || level >= int(columns_.size())) return;
    if (!columns_[std::size_t(level)].start->isEnabled()) return;
    picture2_->raise();
    picture2_->show();
    state_.currentLevel = std::int16_t(level);
    letEventsRun();
    readyFlag_ = 0;
    if (!navigator_.startExercise()) {
        // Refused: the hub stays and takes keys again.
        picture2_->hide();
        readyFlag_ = 1;
    }
}

void seisekitime1::titleClicked(int level) {
    if (!dataChange_.panel->isHidden()) return;
    if (level < 1 || level >= int(columns_.size())) return;
    if (!columns_[std::size_t(level)].start->isEnabled()) return;
    state_.currentLevel = std::int16_t(level);
    // The exercise window closes the hub as it opens, and the hub may be gone by now.
    const QPointer<seisekitime1> self(this);
    if (navigator_.startExercise() && self) close();
}

bool seisekitime1::keyTyped(const QString &text) {
    if (readyFlag_ == 0 || text.size() != 1) return false;
    const QChar key = text[0];
    int level = 0;
    if (key >= QLatin1Char('1') && key <= QLatin1Char('9'))
        level = key.unicode() - '0';
    else if (key >= QLatin1Char('a') && key <= QLatin1Char('d'))
        level = 10 + (key.unicode() - 'a');
    else if (key == QLatin1Char('0')) {
        if (command1_->isEnabled()) backClicked();
        return true;
    } else
        return false;
    if (level == 1 || state_.levelCount > level - 1) startLevel(level);
    return true;
}

void seisekitime1::backClicked() {
    picture2_->raise();
    picture2_->show();
    navigator_.showNameSelection();
}

void seisekitime1::scrolled(int value) {
    state_.firstVisibleColumn = std::int16_t(value > state_.levelCount ? 1 : value);
    placeColumns();
}

void seisekitime1::placeColumns() {
    const int first = state_.firstVisibleColumn;
    for (int level = 1; level < int(columns_.size()); ++level) {
        int x = kMargin + (level - first) * kColumnWidth;
        if (x < 0) x = kDesignWidth;  // out of sight at the right edge
        setDesignLeft(columns_[std::size_t(level)].carrier, x);
    }
}

void seisekitime1::dataChangeClicked() {
    dataChange_.panel->show();
    dataChange_.panel->raise();
    dataChange_.password->setFocus();
}

void seisekitime1::confirmDataChange(int index) {
    if (dataChange_.password->text() != state_.dataChangePassword.toText()) {
        platform_.messages.show(QStringLiteral("パスワードを入力して下さい"));
        return;
    }
    // The teacher tools (index 0 the results data, 1 the criteria table) are not in this build yet.
    Q_UNUSED(index);
    platform_.messages.show(QStringLiteral("この機能はまだ入っていません。"));
}

void seisekitime1::closeDataChange() { dataChange_.panel->hide(); }

bool seisekitime1::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::KeyPress && watched != dataChange_.password) {
        // Typing into the password box must not start a level or leave the hub.
        if (keyTyped(static_cast<QKeyEvent *>(event)->text())) return true;
    } else if (event->type() == QEvent::MouseButtonRelease) {
        for (int level = 1; level < int(columns_.size()); ++level) {
            if (watched == columns_[std::size_t(level)].title) {
                titleClicked(level);
                return true;
            }
        }
    }
    return ScaledForm::eventFilter(watched, event);
}

void seisekitime1::keyPressEvent(QKeyEvent *event) {
    if (keyTyped(event->text())) return;
    ScaledForm::keyPressEvent(event);
}

}  // namespace tsubura
