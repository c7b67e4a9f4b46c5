#pragma once

#include "shell/navigator.h"

namespace tsubura::bench {

// A navigator that opens nothing: a benchmark drives one window alone.
class IdleNavigator : public Navigator {
public:
    void showNameSelection() override {}
    void runLevelCatalogue() override {}
    void showVersionWindow(QWidget *) override {}
    void showWaiting() override {}
    void hideWaiting() override {}
    bool startLauncher() override { return false; }
};

}  // namespace tsubura::bench
