// The result views of the hub: the two selector groups, the period and the grade filter, and the
// lists they fill.
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

#include "hub/periods.h"
#include "hub/run_lines.h"
#include "hub/windows/seisekitime1.h"
#include "platform/clock.h"
#include "platform/services.h"
#include "shell/shared_state.h"
#include "store/results_file.h"

namespace tsubura {

void seisekitime1::chooseDisplayKind(int kind) {
    graphButton_->hide();
    command1_->setEnabled(false);
    setStartButtonsEnabled(false);
    setListsVisible(false);
    picture6_->show();
    picture6_->raise();
    if (suppress_) return;

    switch (kind) {
    case 0: {
        setSubViewCaptions(QStringLiteral("BEST表示"), QStringLiteral("本日のみ"));
        option1_[3]->setEnabled(true);
        displayKind_ = 1;
        chooseSubView(checkedSubView());
        break;
    }
    case 1: {
        combo2_->hide();
        setSubViewCaptions(QStringLiteral("合計累計"), QStringLiteral("合計本日"), QStringLiteral("すべて"));
        option1_[3]->setEnabled(true);
        displayKind_ = 2;
        const int subView = checkedSubView();
        if (subView == 1) pointsOrder_ = 1;
        if (subView == 2) pointsOrder_ = 2;
        chooseSubView(subView);
        break;
    }
    case 2:
        graphButton_->show();
        combo2_->hide();
        fillPersonalRuns();
        endViewChange();
        break;
    default: break;
    }
}

void seisekitime1::chooseSubView(int subView) {
    beginViewChange();
    if (displayKind_ == 2) {
        if (subView == 1 || subView == 2) {
            pointsOrder_ = subView;
            label5_->setText(subView == 1 ? QStringLiteral("獲得ポイント（今まで順位）")
                                          : QStringLiteral("獲得ポイント（今日の順位）"));
            const RankingView view = subView == 1 ? RankingView::PointsTotal : RankingView::PointsToday;
            for (int level = 1; level < int(columns_.size()); ++level) {
                fillRanking(level, view);
                advanceProgress();
            }
        } else {
            fillPeriodRuns();
        }
    } else {
        if (subView == 1) fillBestTimes();
        else if (subView == 2) fillTodayRuns();
        else fillPeriodRuns();
    }
    endViewChange();
}

void seisekitime1::choosePeriod(int index) {
    if (checkedSubView() != 3 || index < 0 || index > 4) return;
    periodCode_ = index + 1;
    chooseSubView(3);
}

void seisekitime1::gradeFilterChosen(const QString &text) {
    gradeFilter_ = text;
    chooseDisplayKind(option2_[0]->isChecked() ? 0 : 1);
    if (columns_.size() > 1 && columns_[1].start->isEnabled()) columns_[1].start->setFocus();
}

void seisekitime1::fillBestTimes() {
    label5_->setText(QStringLiteral("ベスト成績"));
    回数など表示();
    for (int level = 1; level < int(columns_.size()); ++level) {
        fillRanking(level, RankingView::Time);
        advanceProgress();
    }
}

void seisekitime1::fillTodayRuns() {
    label5_->setText(QStringLiteral("本日の成績"));
    回数など表示();
    std::vector<ResultRecord> runs;
    if (!readNewestRuns(kTodayRunsRead, &runs)) return;
    showColumnLines(todayRunLines(state_, runs, state_.currentStudentNo, gradeFilter_, platform_.clock.now().date()));
}

void seisekitime1::fillPeriodRuns() {
    label5_->clear();
    回数など表示();
    std::vector<ResultRecord> runs;
    if (!readNewestRuns(kPeriodRunsRead, &runs)) return;
    const QDateTime now = platform_.clock.now();
    const PeriodLineForm form = displayKind_ == 2 ? PeriodLineForm::Points : PeriodLineForm::Time;
    showColumnLines(periodRunLines(state_, runs, state_.currentStudentNo, gradeFilter_, now,
                                   periodDays(periodCode_, now.date()), form));
    combo2_->show();
}

void seisekitime1::fillPersonalRuns() {
    label5_->setText(QStringLiteral("個人別ﾀｲﾑ"));
    回数など表示();
    std::vector<ResultRecord> runs;
    if (!readNewestRuns(kPeriodRunsRead, &runs)) return;
    showColumnLines(personalRunLines(state_, runs, state_.currentStudentNo, gradeFilter_, platform_.clock.now()));
}

bool seisekitime1::readNewestRuns(int count, std::vector<ResultRecord> *runs) {
    const Pause pause = [this](int ms) { platform_.waiter.wait(ms); };
    if (const std::optional<CoreError> error =
            tsubura::readNewestRuns(resultsFilePath(state_.folders), count, pause, runs)) {
        reportAndEnd(platform_, error->message);
    }
    return true;
}

void seisekitime1::回数など表示() {
    for (int level = 1; level < int(columns_.size()); ++level) {
        LevelColumn &c = columns_[std::size_t(level)];
        c.todayHeader->setText(QStringLiteral("今日"));
        c.totalHeader->setText(QStringLiteral("今まで"));
        c.list->clear();
    }
}

void seisekitime1::fillRanking(int level, RankingView view) {
    LevelColumn &c = columns_[std::size_t(level)];
    c.todayHeader->setText(QStringLiteral("今日"));
    c.totalHeader->setText(QStringLiteral("今まで"));
    c.list->clear();
    c.list->addItems(rankingLines(state_, level, view, state_.currentStudentNo, gradeFilter_));
    成績リスト色表示単独(level);
}

void seisekitime1::showColumnLines(const std::vector<QStringList> &linesByLevel) {
    for (int level = 1; level < int(columns_.size()); ++level) {
        QListWidget *list = columns_[std::size_t(level)].list;
        list->clear();
        if (level < int(linesByLevel.size())) list->addItems(linesByLevel[std::size_t(level)]);
        成績リスト色表示単独(level);
        advanceProgress();
    }
}

void seisekitime1::成績リスト色表示単独(int level) {
    QListWidget *list = columns_[std::size_t(level)].list;
    const QList<QListWidgetItem *> marked = list->findItems(QStringLiteral("●"), Qt::MatchContains);
    if (!marked.isEmpty()) list->scrollToItem(marked.last(), QAbstractItemView::PositionAtCenter);
    list->clearSelection();
    list->setCurrentRow(-1);
}

void seisekitime1::beginViewChange() {
    command1_->setEnabled(false);
    setStartButtonsEnabled(false);
    setListsVisible(false);
    picture6_->show();
    picture6_->raise();
    combo2_->hide();
    progress6_->setValue(0);
    progress2_->setValue(0);
}

void seisekitime1::endViewChange() {
    command1_->setEnabled(true);
    refreshAvailability();
    setListsVisible(true);
    picture6_->hide();
}

void seisekitime1::advanceProgress() {
    for (QProgressBar *bar : {progress2_, progress6_}) bar->setValue(std::min(bar->maximum(), bar->value() + 1));
}

void seisekitime1::setStartButtonsEnabled(bool enabled) {
    for (int level = 1; level < int(columns_.size()); ++level) columns_[std::size_t(level)].start->setEnabled(enabled);
}

void seisekitime1::setListsVisible(bool visible) {
    for (int level = 1; level < int(columns_.size()); ++level) {
        QListWidget *list = columns_[std::size_t(level)].list;
        list->setVisible(visible);
        // A hidden list has no viewport to scroll yet; bring the student's line into view again.
        if (visible) 成績リスト色表示単独(level);
    }
}

void seisekitime1::setSubViewCaptions(const QString &first, const QString &second, const QString &third) {
    option1_[1]->setText(first);
    option1_[2]->setText(second);
    if (!third.isEmpty()) option1_[3]->setText(third);
}

void seisekitime1::checkRadio(QRadioButton *button) {
    const QSignalBlocker blocker(button);
    button->setChecked(true);
}

int seisekitime1::checkedSubView() const {
    for (int j = 1; j <= 3; ++j)
        if (option1_[j]->isChecked()) return j;
    return 1;
}

}  // namespace tsubura
