// Shutting the PC down when the device asks for it (buffer operation or IPC shutdown) and the user
// enabled it: after the device's delay, the system's shutdown command runs and the application
// lets go of the device. A command that fails is reported and tried again at most every 10 s.
#pragma once

#include <QDateTime>

#include <functional>
#include <memory>

struct AppState;
class QProcess;

// Disconnects the process before deleting it, so that its last signals reach no dead state.
struct ShutdownProcessDeleter {
  void operator()(QProcess *process) const;
};

struct PcShutdownState {
  bool lastIdentified = false; // the device's identification seen in the previous tick
  bool armed = false;
  QDateTime shutdownTime;
  int lastDelay = 0;

  enum class Outcome { none, running, succeeded, failed };
  std::unique_ptr<QProcess, ShutdownProcessDeleter> command;
  Outcome outcome = Outcome::none;
  QDateTime retryTime;        // after a failure: no new attempt before this time
  bool failureLogged = false; // one event log row per request
  bool issued = false;        // the command succeeded: the PC is going down
};

constexpr int shutdownRetrySeconds = 10;

// Reads the PC shutdown choices of the device row when the device has just been identified.
void loadShutdownSettingsOnConnection(AppState &s);

// One step per main-loop tick. `stopLink` ends the work on the device once the command succeeded.
void runPcShutdownStep(AppState &s, const std::function<void()> &stopLink);
