#pragma once

#include <QLabel>
#include <QList>
#include <QPushButton>

#include "platform/scaled_form.h"
#include "platform/services.h"

namespace tsubura {

struct SharedState;
class Navigator;

// Stands where the results hub will be: who is working, a start button per level, and the way
// back to the name list.
class HubPlaceholder : public ScaledForm {
public:
    HubPlaceholder(SharedState &state, Platform &platform, Navigator &navigator);
    // Aggregates the results, as the hub does every time it is shown, so the exercise judges
    // the run against current figures.
    void activate();
    void startLevel(int level);
    void backClicked();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    SharedState &state_;
    Platform &platform_;
    Navigator &navigator_;
    QPushButton *Command1;
    QList<QPushButton *> startButtons_;
};

}  // namespace tsubura
