// The PC shutdown of the main loop: the device's request and the user's choice go to the shutdown
// action; its countdown goes to the window, its outcome to the event log, and a command that
// succeeded lets go of the device until the PC goes down or turns out to keep running.
#pragma once

#include <functional>

struct AppState;

// One step per main-loop tick. Reads the device's shutdown choices when it has just been
// identified; `suspendLink` lets go of the device once the command succeeded. Returns true when
// the shutdown record changed (the countdown), so that the window is sent it.
bool runPcShutdownStep(AppState &s, const std::function<void()> &suspendLink);

// The user cancels the countdown or the attempts after a failure: logged, the clients of the
// network server are no longer told to shut down, and the device's request is ignored until it
// ends. Returns true when the shutdown record changed.
bool cancelPcShutdownByUser(AppState &s);

// For a PC still running a while after the command succeeded: logs that the shutdown did not
// happen and forgets the old request, so that only a new request of the device starts a new
// countdown. The date and time of the loop must be current.
void noteShutdownNotHappened(AppState &s);
