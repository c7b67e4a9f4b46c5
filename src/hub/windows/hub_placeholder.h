#pragma once

#include <QLabel>
#include <QPushButton>

#include "platform/scaled_form.h"

namespace tsubura {

struct SharedState;
class Navigator;

// Stands where the results hub will be: who is working, and the way back to the name list.
class HubPlaceholder : public ScaledForm {
public:
    HubPlaceholder(const SharedState &state, Navigator &navigator);
    void backClicked();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    Navigator &navigator_;
    QPushButton *Command1;
};

}  // namespace tsubura
