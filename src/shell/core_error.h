#pragma once

#include <QString>
#include <functional>

namespace tsubura {

// A failure the core hands to its caller: the full text of the message box, as the program
// shows it (routine tag, description, error number, ...). The caller shows it and ends in order;
// the core never shows a window and never exits the process.
struct CoreError {
    QString message;
};

// Waits the given number of milliseconds while the caller keeps its window events running.
// The core uses it for the retries on lock contention and on a missing results file.
using Pause = std::function<void(int milliseconds)>;

// A Pause that just sleeps, for callers without windows.
Pause sleepingPause();

}  // namespace tsubura
