// Turns the fourteen event signals of a pass into event log entries, relay states and the
// current-state list, and hands new events to the e-mail and program-start actions.
#pragma once

struct AppState;

constexpr int deviceEventRows = 14;

struct DeviceEventState {
  bool previousSignal[deviceEventRows] = {};
  bool firstPass = true; // conditions present at start are logged without actions
  int relayTextCounters[3] = {};
};

// Runs at the end of every family interpreter pass.
void runDeviceEvents(AppState &s);
