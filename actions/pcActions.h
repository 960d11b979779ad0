// State of the actions the application takes on the PC it runs on: starting the user's programs
// after device events and shutting the PC down when the device asks for it.
#pragma once

#include "actions/pcShutdown.h"
#include "actions/programStart.h"

#include <QDateTime>
#include <QLoggingCategory>

#include <functional>

Q_DECLARE_LOGGING_CATEGORY(lcActions)

struct PcActionState {
  ProgramStartState programStart;
  PcShutdownState shutdown;
  // The clock of the delays and countdowns; tests replace it to run them without waiting. UTC,
  // so that a change of daylight saving time neither stretches nor cuts a delay, and because it
  // is read on every tick and local time costs a time-zone conversion each time.
  std::function<QDateTime()> now = &QDateTime::currentDateTimeUtc;
};
