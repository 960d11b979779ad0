// The PC shutdown of the main loop: the device's request and the user's choice go to the shutdown
// action; its outcome ends the link or is reported.
#pragma once

#include <functional>

struct AppState;

// One step per main-loop tick. Reads the device's shutdown choices when it has just been
// identified; `stopLink` ends the work on the device once the command succeeded.
void runPcShutdownStep(AppState &s, const std::function<void()> &stopLink);
