#pragma once

#include <QLabel>
#include <QWidget>

namespace tsubura {

// The waiting window shown, without waiting for it, while windows are switched.
class BASEFRM : public QWidget {
public:
    BASEFRM();
    // Shows the window and lets it paint at once.
    void showNow();

private:
    QLabel *Label19;
};

}  // namespace tsubura
