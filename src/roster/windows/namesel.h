#pragma once

#include <QStringList>
#include <functional>

#include "platform/scaled_form.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace tsubura {

struct SharedState;
struct Platform;
class Navigator;

// The name selection window: lists the roster with two figures per student, narrows it by grade
// and lets a student confirm a name, which opens the hub through the navigator.
class namesel : public ScaledForm {
    Q_OBJECT

public:
    // `playWrongSound` plays a random file of sound event 4 (O.K. with no name chosen).
    namesel(SharedState &state, Platform &platform, Navigator &navigator, std::function<void()> playWrongSound,
            QWidget *parent = nullptr);

    // Load, then the first activation. Showing the window runs it once; tests call it directly.
    void start();
    // The load sequence: colours, seed, the list with option 0, title, wait panel hidden.
    void load();
    // The activation sequence: option 1, the list rebuilt, filter reset, the selection line flashed.
    void activate();

    // Rebuilds the name list (名簿表示: show the roster); repeated failures end the program.
    void 名簿表示();

    void rowSelected(int row);
    void rowDoubleClicked(int row);
    void okClicked();
    void optionChosen(int index);
    void gradeFilterChosen(const QString &text);
    void titleClicked();
    void launcherClicked();

    int displayOption() const { return displayOption_; }
    int attemptCounter() const { return attemptCounter_; }
    double progressMark() const { return progressMark_; }
    const QStringList &sortedRows() const { return sortedRows_; }
    const QStringList &numberList() const { return numberList_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Takes the student number of a name row into Label2; the separator row resets the line.
    bool takeRowNumber(int row);
    // True when the key was one of the window's own.
    bool handleKey(QObject *target, int key, const QString &text);
    void selectFirstRow();
    void setOptionChecked(int index);

    SharedState &state_;
    Platform &platform_;
    Navigator &navigator_;
    std::function<void()> playWrongSound_;

    int displayOption_ = 0;
    int attemptCounter_ = 0;
    double progressMark_ = 0;
    bool filterFilled_ = false;
    bool started_ = false;
    bool activeHandled_ = false;
    bool inActivation_ = false;
    bool versionOpen_ = false;

    QStringList sortedRows_;  // List2: row texts, ascending
    QStringList numberList_;  // List3: student numbers of the name list's rows after the first

    QWidget *picture4_;
    QLabel *label6_;
    QLabel *picture3_;
    QLabel *label4_;
    QPushButton *command7_;
    QLabel *label1_;
    QLabel *label2_;
    QPushButton *command14_;
    QWidget *picture7_;
    QRadioButton *option1_[4];
    QComboBox *combo1_;
    QListWidget *list1_;
    QWidget *picture5_;
    QLabel *waitText_;
};

}  // namespace tsubura
