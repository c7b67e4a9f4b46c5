#pragma once

class QWidget;

namespace tsubura {

// Opens the program's windows. Windows never create each other directly: they ask the navigator,
// so tests can put a recorder in its place and see where a window leads.
class Navigator {
public:
    virtual ~Navigator() = default;
    // The name selection window, new (start-up, the hub's back button).
    virtual void showNameSelection() = 0;
    // Runs the level catalogue routine: the catalogue is written, then the hub is shown.
    virtual void runLevelCatalogue() = 0;
    // The version window, modal and centred over `over`; returns when it is closed.
    virtual void showVersionWindow(QWidget *over) = 0;
    // The waiting window "Just a moment, please.", shown without waiting; hidden again by hideWaiting.
    virtual void showWaiting() = 0;
    virtual void hideWaiting() = 0;
    // Starts the launcher beside the installation; false (and a message shown) when it cannot.
    virtual bool startLauncher() = 0;
    // The exercise start routine: resets the run fields and shows the exercise window for
    // state.currentLevel. False (and a message shown) when the level has no cards; the results
    // hub is then the window left open.
    virtual bool startExercise() { return true; }
    // Closes the results hub when an exercise window takes over.
    virtual void closeHub() {}
    // The judgement screen, shown without waiting, after an exercise has been recorded.
    virtual void showJudgement() {}
    // A new results hub, shown and activated (back from the judgement screen).
    virtual void showHub() {}
};

}  // namespace tsubura
