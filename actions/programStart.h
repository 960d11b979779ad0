// Starting the user's two programs: a set time after a device event that is still present then,
// or at once with the program page's test button.
#pragma once

#include "common/deviceEventRows.h"
#include "storage/userSettings.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

constexpr int programStarts = 2;

struct ProgramStartState {
  // Per program and event row (1-14 at indices 0-13): a start waits for its time to come.
  bool pending[programStarts][deviceEventRows] = {};
  QDateTime dueTime[programStarts][deviceEventRows];
};

// Called by the event step for device event `eventNumber` (1-14) at `now`: `start` true when it has
// just occurred, which (re)arms the delay of every active program of `programs` that starts on it;
// false in every later pass while the event was present, which starts a program whose delay has
// run out, or drops it when the event is gone (`present` false).
void programStartEvent(ProgramStartState &state, const ProgramStartConfig (&programs)[programStarts],
                       const QDateTime &now, int eventNumber, bool start, bool present);

struct ProgramCommand {
  QString program; // empty for a blank text
  QStringList arguments;
};
// How a program text is run: a text that names an existing file runs that file, so that blanks in
// its path need no quoting; anything else is a command line for the shell.
ProgramCommand programCommand(const QString &commandText);

// Runs a program text detached: a text that names an existing file runs that file, anything else
// goes to the shell. Blank text runs nothing. False when nothing could be started.
bool startProgram(const QString &commandText);
