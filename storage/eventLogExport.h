// The event log written as CSV: newest first, one row per line as device;date;time;event. Runs on
// any thread with a connection of its own, so that a long log never holds up the main loop.
#pragma once

#include <QString>

// Writes the log of the database file `databaseFile` to `target`, leaving out rows newer than
// `lastId` when it is 0 or more. The file appears only when it is complete; false when it could
// not be written.
bool exportEventLog(const QString &databaseFile, const QString &target, qint64 lastId = -1);

// The id of the newest row of the log on the main connection; -1 when the log is empty.
qint64 newestEventId();
