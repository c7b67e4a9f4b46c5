#pragma once

#include <QStringList>
#include <vector>

#include "hub/ranking_lines.h"
#include "store/result_record.h"
#include "hub/windows/data_change_panel.h"
#include "hub/windows/level_column.h"
#include "platform/scaled_form.h"

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace tsubura {

struct SharedState;
struct Platform;
class Navigator;

// The results hub: a column per level with the student's figures and a result list, the start
// of every level by button, title or key, the result view selectors and the teacher's way in.
// The constructor is the load step; the navigator calls activate() every time it shows the hub.
class seisekitime1 : public ScaledForm {
    Q_OBJECT

public:
    seisekitime1(SharedState &state, Platform &platform, Navigator &navigator, QWidget *parent = nullptr);

    void activate();

    void startLevel(int level);    // the start button of `level`
    void titleClicked(int level);  // the title label: starts without the wait panel, then closes
    // A typed character as the window sees it; true when it was one of the hub's keys.
    bool keyTyped(const QString &text);
    void backClicked();
    void scrolled(int value);

    void dataChangeClicked();
    void confirmDataChange(int index);
    void closeDataChange();

    // Result views.
    void chooseDisplayKind(int kind);  // 0 time, 1 points, 2 personal runs
    void chooseSubView(int subView);   // 1..3
    void choosePeriod(int index);      // 0..4
    void gradeFilterChosen(const QString &text);
    void fillBestTimes();
    void fillTodayRuns();
    void fillPeriodRuns();
    void fillPersonalRuns();
    // Headers back to "今日" and "今まで", every list cleared.
    void 回数など表示();
    // Scrolls the list of `level` to the current student's line, leaving nothing selected.
    void 成績リスト色表示単独(int level);

    int readyFlag() const { return readyFlag_; }
    int displayKind() const { return displayKind_; }
    int pointsOrder() const { return pointsOrder_; }
    int periodCode() const { return periodCode_; }
    const LevelColumn &column(int level) const { return columns_[std::size_t(level)]; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildHeader();
    void buildSelectors();
    void buildWaitPanels();
    void placeColumns();
    void refreshFigures();
    void refreshAvailability();
    void fillRanking(int level, RankingView view);
    void showColumnLines(const std::vector<QStringList> &linesByLevel);
    // The newest `count` runs of the results file; false (the failure shown, the program ended)
    // when it cannot be read.
    bool readNewestRuns(int count, std::vector<ResultRecord> *runs);
    void beginViewChange();
    void endViewChange();
    void setStartButtonsEnabled(bool enabled);
    void setListsVisible(bool visible);
    void setSubViewCaptions(const QString &first, const QString &second, const QString &third = QString());
    void checkRadio(QRadioButton *button);
    int checkedSubView() const;
    void advanceProgress();

    SharedState &state_;
    Platform &platform_;
    Navigator &navigator_;

    int readyFlag_ = 0;
    int displayKind_ = 0;
    int pointsOrder_ = 0;
    int periodCode_ = 3;
    bool suppress_ = false;
    QString gradeFilter_;

    std::vector<LevelColumn> columns_;  // index = level; entry 0 unused

    QLabel *label11_;
    QLabel *label12_;
    QLabel *label13_;
    QLabel *label17_;
    QLabel *label18_;
    QLabel *label5_;
    QPushButton *command1_;
    QPushButton *command8_;
    QPushButton *graphButton_;
    QComboBox *combo1_;
    QComboBox *combo2_;
    QRadioButton *option2_[3];
    QRadioButton *option1_[4];  // entry 0 unused
    QScrollBar *hScroll1_;
    QWidget *picture2_;
    QProgressBar *progress2_;
    QWidget *picture6_;
    QProgressBar *progress6_;
    DataChangePanel dataChange_;
};

}  // namespace tsubura
