#include "shell/core_error.h"

#include <chrono>
#include <thread>

namespace tsubura {

Pause sleepingPause() {
    return [](int milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); };
}

}  // namespace tsubura
