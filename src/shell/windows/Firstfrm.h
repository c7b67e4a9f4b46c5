#pragma once

#include <QLabel>
#include <QTimer>

#include "platform/scaled_form.h"
#include "platform/services.h"

namespace tsubura {

struct SharedState;
class Navigator;

// The splash: today's date over the program's picture; 100 ms after it has painted, the start-up
// routine fills the shared state and the name selection window takes over.
class Firstfrm : public ScaledForm {
public:
    Firstfrm(SharedState &state, Platform &platform, Navigator &navigator, QString programDir);

    // Shows the window, seeds the random generator, sets the date label and the season colour,
    // and arms Timer1.
    void load();
    // Timer1's work: the start-up routine, then the name selection window (or a message naming
    // the file that stopped it, and the end of the program).
    void timer1Fired();

    QTimer *Timer1;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    SharedState &state_;
    Platform &platform_;
    Navigator &navigator_;
    QString programDir_;
    QLabel *Label5;
};

}  // namespace tsubura
