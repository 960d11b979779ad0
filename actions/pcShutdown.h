// Shutting the PC down when the device asks for it (buffer operation or IPC shutdown) and the user
// enabled it: after the device's delay, the system's shutdown command runs and the application
// lets go of the device. A command that fails is reported and tried again at most every 10 s.
// The end of the device's delay is also the device's deadline: e-mails still on their way then
// do not hold the command up.
#pragma once

#include <QDateTime>

#include <memory>

class QProcess;

// Disconnects the process before deleting it, so that its last signals reach no dead state, and
// lets a running command finish.
struct ShutdownProcessDeleter {
  void operator()(QProcess *process) const;
};

// Why the last attempt failed.
struct PcShutdownFailure {
  enum class Kind { none, noCommand, notStarted, exitCode };
  Kind kind = Kind::none;
  int exitCode = 0;
  QString output; // what the command printed, or the system's reason it did not start
};

struct PcShutdownState {
  bool armed = false;
  QDateTime shutdownTime;
  int lastDelay = 0;

  enum class Outcome { none, running, succeeded, failed };
  std::unique_ptr<QProcess, ShutdownProcessDeleter> command;
  Outcome outcome = Outcome::none;
  QDateTime retryTime;        // after a failure: no new attempt before this time
  bool failureLogged = false; // one event log row per request
  bool issued = false;        // the command succeeded: the PC is going down
  int attempts = 0;           // commands started for this request
  PcShutdownFailure lastFailure;
  bool cancelled = false; // by the user: the device's request is ignored until it ends
};

constexpr int shutdownRetrySeconds = 10;

// What the shutdown step reads in a tick.
struct PcShutdownInputs {
  bool enabled = false;        // the user allows the device to shut the PC down
  bool fastStartup = false;    // Windows: a hybrid shutdown, for fast start-up
  bool requested = false;      // the device asks for the shutdown
  int delaySeconds = 0;        // after this delay
  bool dryRun = false;         // debug and demo builds only log the moment
  bool mailsPending = false;   // e-mails still waiting or on their way
  bool holdForClients = false; // machines served by this PC are still shutting down
  QDateTime now;
};

// What came of the step: the command succeeded (the application lets go of the device), or it
// failed (reported every time, logged once per request).
struct PcShutdownOutcome {
  bool issued = false;
  bool failed = false;
  bool firstFailureOfRequest = false;
};

// One step per main-loop tick.
PcShutdownOutcome runPcShutdownStep(PcShutdownState &state, const PcShutdownInputs &inputs);

// The device's delay has run out and the command is still to come: the moment to tell the
// machines that this PC serves to shut down first.
bool pcShutdownDue(const PcShutdownState &state, const QDateTime &now);

// Whole seconds left until the command at `now`, rounded up (0 once the time has come); -1 while no
// countdown runs or once the command succeeded.
int pcShutdownSecondsLeft(const PcShutdownState &state, const QDateTime &now);

// Forgets the countdown and the command, for a PC that did not go down after all: the device's
// next request starts a new countdown.
void resetPcShutdown(PcShutdownState &state);

// The user cancels the countdown (or the attempts after a failure): nothing more happens until the
// device's request has ended and a new one comes. False when there was nothing to cancel.
bool cancelPcShutdown(PcShutdownState &state);

// Whole seconds until the next attempt after a failure (0 when it is due).
int pcShutdownSecondsToRetry(const PcShutdownState &state, const QDateTime &now);
