#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace tsubura {

struct SharedState;
class ScaledForm;

// The version window: the program's title, its version and the maker's mark.
class frmver : public QDialog {
public:
    frmver(const SharedState &state, QWidget *parent = nullptr);

    static constexpr int kMajor = 1, kMinor = 0, kRevision = 14;

    // Fills the three lines, as the window does each time it becomes active.
    void fillLines();
    void okClicked() { accept(); }

protected:
    void showEvent(QShowEvent *event) override;

private:
    const SharedState &state_;
    ScaledForm *form_;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label4;
    QPushButton *Command1;
};

}  // namespace tsubura
