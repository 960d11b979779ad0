// Starting the user's two programs: a set time after a device event that is still present then,
// or at once with the program page's test button.
#pragma once

#include "devices/deviceEvents.h"

#include <QDateTime>
#include <QString>

struct AppState;

constexpr int programStarts = 2;

struct ProgramStartState {
  // Per program and event row (1-14 at indices 0-13): a start waits for its time to come.
  bool pending[programStarts][deviceEventRows] = {};
  QDateTime dueTime[programStarts][deviceEventRows];
};

// Called by the event step: `start` true when event `eventNumber` (1-14) has just occurred, which
// (re)arms the delay of every active program that starts on it; false in every later pass while the
// event was present, which starts a program whose delay has run out or drops it when the event is gone.
void programStartEvent(AppState &s, int eventNumber, bool start);

// Starts program `number` (0 or 1) now, whatever its events and delay say.
void startProgramNow(AppState &s, int number);

// Runs a program text detached: a text that names an existing file runs that file, anything else
// goes to the shell. Blank text runs nothing. False when nothing could be started.
bool startProgram(const QString &commandText);
