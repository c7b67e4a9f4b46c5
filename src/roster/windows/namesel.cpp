#include "roster/windows/namesel.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "evaluation/aggregation.h"
#include "platform/clock.h"
#include "platform/fonts.h"
#include "platform/qt_services.h"
#include "platform/random_source.h"
#include "platform/services.h"
#include "roster/grades.h"
#include "roster/roster.h"
#include "shell/navigator.h"
#include "shell/shared_state.h"
#include "shell/spaces.h"
#include "shell/value.h"

namespace tsubura {
namespace {

const QString kChooseName = QStringLiteral("名前を選びなさい");
const QString kSeparatorRow = QStringLiteral("－－－－－－");
const QChar kWideSpace(0x3000);

QString spaces(int count) { return QString(count, QLatin1Char(' ')); }

// The leading number of a text, as far as it goes ("1997小1 " reads 1997, "0大+ " reads 0).
int leadingNumber(const QString &text) {
    const QString t = trimSpaces(text);
    qsizetype end = 0;
    if (end < t.size() && (t[end] == QLatin1Char('-') || t[end] == QLatin1Char('+'))) ++end;
    while (end < t.size() && t[end].isDigit() && t[end].unicode() < 128) ++end;
    return t.left(end).toInt();
}

QString todayCountText(double n) {
    if (n == 0) return spaces(5);
    return (spaces(2) + numberText(n)).right(3) + QStringLiteral("回");
}
QString todayPointsText(double n) {
    if (n == 0) return spaces(2) + kWideSpace;
    return (spaces(3) + numberText(n)).right(4);
}
QString totalCountText(double n) {
    if (n == 0) return spaces(5) + kWideSpace;
    return (spaces(6) + numberText(n)).right(5) + QStringLiteral("回");
}
QString totalPointsText(double n) {
    if (n == 0) return spaces(7);
    return (spaces(6) + numberText(n)).right(7);
}

QWidget *panel(QWidget *parent, const QString &name) {
    auto *w = new QWidget(parent);
    w->setObjectName(name);
    return w;
}

QLabel *label(QWidget *parent, const QString &name) {
    auto *l = new QLabel(parent);
    l->setObjectName(name);
    return l;
}

}  // namespace

namesel::namesel(SharedState &state, Platform &platform, Navigator &navigator, std::function<void()> playWrongSound,
                 QWidget *parent)
    : ScaledForm(15360, 11520, parent),
      state_(state),
      platform_(platform),
      navigator_(navigator),
      playWrongSound_(std::move(playWrongSound)) {
    setObjectName(QStringLiteral("namesel"));
    setWindowTitle(QStringLiteral("名前選択"));

    picture4_ = panel(this, QStringLiteral("Picture4"));
    place(picture4_, 60, 45, 13170, 1275);
    label6_ = label(picture4_, QStringLiteral("Label6"));
    setColours(label6_, QColor(0, 64, 64));
    place(label6_, 30, 0, 13140, 1290);
    picture3_ = label(picture4_, QStringLiteral("Picture3"));
    setColours(picture3_, QColor(192, 255, 255));
    place(picture3_, 75, 75, 945, 990);
    label4_ = label(picture4_, QStringLiteral("Label4"));
    label4_->setFont(designFont(kGothic));
    setColours(label4_, QColor(0, 128, 128), QColor(255, 255, 0));
    label4_->setCursor(Qt::PointingHandCursor);
    place(label4_, 1140, 90, 11940, 1020, 48);

    command7_ = new QPushButton(QStringLiteral("ランチャーへ(0)"), this);
    command7_->setObjectName(QStringLiteral("Command7"));
    place(command7_, 13320, 45, 1860, 1245);

    label1_ = label(this, QStringLiteral("Label1"));
    label1_->setFont(designFont(kMincho));
    setColours(label1_, QColor(0, 255, 255));
    label1_->setText(kChooseName);
    place(label1_, 90, 1410, 13830, 990, 39.75);

    label2_ = label(this, QStringLiteral("Label2"));
    label2_->hide();

    command14_ = new QPushButton(QStringLiteral("O.K."), this);
    command14_->setObjectName(QStringLiteral("Command14"));
    place(command14_, 13950, 1395, 1140, 1005);

    picture7_ = panel(this, QStringLiteral("Picture7"));
    setColours(picture7_, QColor(0, 192, 192));
    place(picture7_, 90, 2430, 15060, 375);
    const QStringList captions = {QStringLiteral("回数(今日／今まで）"), QStringLiteral("ポイント（今日／今まで）"),
                                  QStringLiteral("本日（ポイント／回数）"), QStringLiteral("今まで（ポイント／回数）")};
    const int lefts[4] = {15, 3740, 7675, 11520};
    const int tops[4] = {20, 20, 20, 30};
    const int widths[4] = {1935, 2145, 2055, 2295};
    for (int i = 0; i < 4; ++i) {
        option1_[i] = new QRadioButton(captions[i], picture7_);
        option1_[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
        setColours(option1_[i], QColor(0, 192, 192));
        // A proportional face keeps the longest caption inside its narrow design width.
        option1_[i]->setFont(designFont(kPGothic));
        place(option1_[i], lefts[i], tops[i], widths[i], 255, 9);
        connect(option1_[i], &QRadioButton::clicked, this, [this, i] { optionChosen(i); });
    }

    combo1_ = new QComboBox(this);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    combo1_->setPlaceholderText(gradeFilterChoices().first());  // shown until the entries are filled
    combo1_->setToolTip(QStringLiteral("表示する学年を選びなさい"));
    place(combo1_, 14070, 2460, 1005, 300);
    connect(combo1_, &QComboBox::activated, this, [this](int index) { gradeFilterChosen(combo1_->itemText(index)); });

    list1_ = new QListWidget(this);
    list1_->setObjectName(QStringLiteral("List1"));
    list1_->setFont(designFont(kGothic));
    setColours(list1_, QColor(192, 255, 255));
    place(list1_, 90, 2790, 15090, 8295, 14.25);
    connect(list1_, &QListWidget::currentRowChanged, this, [this](int row) { rowSelected(row); });
    connect(list1_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *item) { rowDoubleClicked(list1_->row(item)); });

    picture5_ = panel(this, QStringLiteral("Picture5"));
    place(picture5_, 0, 0, 15375, 11235);
    waitText_ = label(picture5_, QStringLiteral("Picture5Text"));
    waitText_->setFont(designFont(kPGothic));
    waitText_->setText(QStringLiteral("Just a moment, please."));
    place(waitText_, 4080, 5130, 7005, 690, 26.25);

    // The combo sits over the option bar; the wait panel covers everything.
    combo1_->raise();
    picture5_->raise();

    connect(command14_, &QPushButton::clicked, this, [this] { okClicked(); });
    connect(command7_, &QPushButton::clicked, this, [this] { launcherClicked(); });
    for (QWidget *w : findChildren<QWidget *>()) w->installEventFilter(this);
}

void namesel::start() {
    if (started_) return;
    started_ = true;
    load();
    activeHandled_ = true;
    activate();
}

void namesel::load() {
    const QColor season = colourFromValue(state_.seasonColour);
    setColours(this, season);
    setColours(picture5_, season);
    picture5_->move(0, 0);
    picture5_->show();
    picture5_->raise();
    platform_.random.seed(std::uint32_t(platform_.clock.now().toMSecsSinceEpoch()));
    名簿表示();
    setFontPoints(label4_, 48);
    label4_->setText(state_.programTitle);
    selectFirstRow();
    letEventsRun();
    picture5_->hide();
}

void namesel::activate() {
    if (inActivation_) return;
    inActivation_ = true;
    letEventsRun();
    displayOption_ = 1;
    setOptionChecked(1);
    名簿表示();
    {
        if (!filterFilled_) {
            filterFilled_ = true;
            combo1_->clear();
            combo1_->addItems(gradeFilterChoices());
            combo1_->setCurrentIndex(0);
        }
        // Only the shared field is reset; the combo keeps the filter the list was built with.
        state_.gradeFilterText = gradeFilterChoices().first();
        letEventsRun();
        label1_->setText(kChooseName);
        label1_->hide();
        label1_->show();
        letEventsRun();
        picture5_->hide();
        // The arrow keys move through the names from the start, without a click first.
        activateWindow();
        list1_->setFocus();
    }
    inActivation_ = false;
}

void namesel::名簿表示() {
    attemptCounter_ = 0;
    progressMark_ = 1;
    const QDateTime now = platform_.clock.now();
    state_.schoolYear = schoolYearOf(now.date(), state_.schoolYearStartMonth);

    progressMark_ = 1.5;
    const ResultsAccess access{OpenMode::CreateIfMissing, [this](int ms) { platform_.waiter.wait(ms); }};
    if (const std::optional<CoreError> error = aggregateResults(state_, now, access)) {
        reportAndEnd(platform_, error->message);
    }

    progressMark_ = 2;
    letEventsRun();
    {
        const QSignalBlocker blocker(list1_);
        list1_->clear();
        list1_->addItem(kSeparatorRow);
    }
    sortedRows_.clear();
    numberList_.clear();

    const auto step = [this](const StudentEntry &entry, int) {
        const int grade = gradeIndexOf(state_, entry.birthYear);
        const QString gradeLabel = listGradeLabel(grade);
        double todayCount = 0, todayPoints = 0, totalCount = 0, totalPoints = 0;
        for (int level = 1; level <= 35; ++level) {
            todayCount += double(state_.todayCount(level, entry.number));
            todayPoints += state_.todayPoints(level, entry.number);
        }
        progressMark_ = 5;
        for (int level = 1; level <= 35; ++level) {
            totalCount += state_.totalCount(level, entry.number);
            totalPoints += state_.totalPoints(level, entry.number);
        }
        progressMark_ = 4;

        QString a, b;
        switch (displayOption_) {
        case 0: a = todayCountText(todayCount); b = totalCountText(totalCount); break;
        case 1: a = todayPointsText(todayPoints); b = totalPointsText(totalPoints); break;
        case 2: a = todayPointsText(todayPoints); b = todayCountText(todayCount); break;
        default: a = totalPointsText(totalPoints); b = totalCountText(totalCount); break;
        }
        const int width = (grade >= 1 || displayOption_ == 1) ? 9 : 11;
        const QString shown = gradeLabel + QLatin1Char(' ') + trimSpaces(entry.name);
        const QString filler(std::max<qsizetype>(0, width - shown.size()), kWideSpace);
        sortedRows_.append(QString::number(entry.birthYear) + shown + filler + a + QLatin1Char('/') + b +
                           QLatin1Char('*') + QString::number(entry.number));
    };

    for (;;) {
        progressMark_ = 3;
        sortedRows_.clear();
        const std::optional<RosterError> error = loadRoster(state_, now.date(), step);
        if (!error) break;
        platform_.waiter.wait(5000);
        ++attemptCounter_;
        if (attemptCounter_ >= 6) {
            // The mark, what is wrong and its number as the program has always shown them, then
            // the file (and line) so that a teacher knows what to mend.
            reportAndEnd(platform_, QStringLiteral("名簿表示") + numberText(progressMark_) + error->message +
                                        QString::number(error->errorNumber) + QStringLiteral("\n") + error->where());
        }
    }
    std::sort(sortedRows_.begin(), sortedRows_.end());

    progressMark_ = 10;
    {
        // A rebuild nested in the failure wait has filled the list already; start it afresh.
        const QSignalBlocker blocker(list1_);
        list1_->clear();
        list1_->addItem(kSeparatorRow);
    }
    numberList_.clear();
    const QString filter = combo1_->currentText().isEmpty() ? gradeFilterChoices().first() : combo1_->currentText();
    {
        const QSignalBlocker blocker(list1_);
        for (qsizetype i = sortedRows_.size() - 1; i >= 0; --i) {
            const QString &row = sortedRows_[i];
            const int grade = state_.schoolYear - leadingNumber(row.left(4)) - 6;
            if (!matchesGradeFilter(filter, grade)) continue;
            // A name may hold a "*" itself; the number follows the last one.
            const qsizetype star = row.lastIndexOf(QLatin1Char('*'));
            list1_->addItem(row.mid(4, star - 4));
            numberList_.append(row.mid(star + 1));
        }
    }
    selectFirstRow();
}

void namesel::selectFirstRow() {
    {
        const QSignalBlocker blocker(list1_);
        list1_->setCurrentRow(0);
    }
    rowSelected(0);
}

void namesel::setOptionChecked(int index) {
    for (int i = 0; i < 4; ++i) {
        const QSignalBlocker blocker(option1_[i]);
        option1_[i]->setChecked(i == index);
    }
}

bool namesel::takeRowNumber(int row) {
    if (row < 0) return false;
    if (row == 0) {
        label1_->setText(kChooseName);
        return false;
    }
    if (row - 1 >= numberList_.size()) return false;
    label2_->setText(numberList_[row - 1]);
    return true;
}

void namesel::rowSelected(int row) {
    if (!takeRowNumber(row)) return;
    label1_->setText(trimSpaces(trimSpaces(list1_->item(row)->text()).left(10)));
}

void namesel::rowDoubleClicked(int row) {
    if (!takeRowNumber(row)) return;
    const QString text = list1_->item(row)->text();
    const qsizetype slash = text.indexOf(QLatin1Char('/'));
    label1_->setText(trimSpaces(slash < 0 ? text : text.left(slash)));
    okClicked();
}

void namesel::okClicked() {
    // Already confirmed: a repeated Enter must not open a second hub.
    if (command14_->isHidden()) return;
    if (label1_->text() == kChooseName || label1_->text().isEmpty()) {
        if (playWrongSound_) playWrongSound_();
        return;
    }
    const QDateTime now = platform_.clock.now();
    const QTime time = now.time();
    state_.loginMoment = now;
    state_.loginSeconds = std::int32_t(std::lround(time.msecsSinceStartOfDay() / 1000.0));
    const int number = label2_->text().toInt();
    state_.currentStudentNo = std::int16_t(number);
    if (number >= 0 && number < int(state_.rosterNames.size())) {
        state_.currentStudentName = state_.rosterNames[std::size_t(number)];
        state_.currentStudentGrade = state_.rosterGradeLabels[std::size_t(number)];
    }
    command14_->hide();
    picture5_->show();
    picture5_->raise();
    letEventsRun();
    navigator_.runLevelCatalogue();
}

void namesel::optionChosen(int index) {
    displayOption_ = index;
    setOptionChecked(index);
    名簿表示();
}

void namesel::gradeFilterChosen(const QString &text) {
    const int index = combo1_->findText(text);
    if (index >= 0 && combo1_->currentIndex() != index) combo1_->setCurrentIndex(index);
    state_.gradeFilterText = text;
    名簿表示();
    list1_->setFocus();
}

void namesel::titleClicked() {
    versionOpen_ = true;
    navigator_.showVersionWindow(this);
    versionOpen_ = false;
    // Closing the version window makes this window active again.
    activeHandled_ = true;
    activate();
}

void namesel::launcherClicked() {
    if (navigator_.startLauncher()) platform_.programEnd.end(0);
}

bool namesel::handleKey(QObject *target, int key, const QString &text) {
    if (text == QStringLiteral("1")) {
        if (command14_->isHidden()) return false;
        okClicked();
        return true;
    }
    if (text == QStringLiteral("0")) {
        if (command7_->isHidden()) return false;
        launcherClicked();
        return true;
    }
    if (target == list1_ && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        okClicked();
        return true;
    }
    return false;
}

bool namesel::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        QObject *target = watched == list1_->viewport() ? list1_ : watched;
        if (handleKey(target, key->key(), key->text())) return true;
    } else if (watched == label4_ && event->type() == QEvent::MouseButtonRelease) {
        titleClicked();
        return true;
    }
    return ScaledForm::eventFilter(watched, event);
}

void namesel::keyPressEvent(QKeyEvent *event) {
    if (handleKey(this, event->key(), event->text())) return;
    ScaledForm::keyPressEvent(event);
}

void namesel::showEvent(QShowEvent *event) {
    ScaledForm::showEvent(event);
    // Let the window paint with its wait panel before the first rebuild.
    if (!started_ && !event->spontaneous()) QTimer::singleShot(0, this, [this] { start(); });
}

void namesel::changeEvent(QEvent *event) {
    ScaledForm::changeEvent(event);
    if (event->type() != QEvent::ActivationChange) return;
    if (!isActiveWindow()) {
        activeHandled_ = false;
        return;
    }
    // One run per activation; the first one belongs to start().
    if (!started_ || activeHandled_ || versionOpen_) return;
    activeHandled_ = true;
    activate();
}

}  // namespace tsubura
