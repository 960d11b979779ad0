// Checks for a database file that the user wants to import in place of the application's own.
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// Writes into `target` (an empty or new file) a database of this application holding the rows of
// `source`: our tables with exactly their own columns and nothing else, so that no trigger,
// view, index or foreign column of the chosen file comes along. False, with the reason in `why`,
// when `source` cannot be brought to that form (not a database, a table missing or lacking one of
// its columns).
bool writeCleanCopy(const QString &source, const QString &target, QString *why = nullptr);

// Whether the two names lead to the same file.
bool isSameFile(const QString &a, const QString &b);

// The rows of the event log in `file` (device, date, time, event), oldest first.
QVector<QStringList> readEventLog(const QString &file);
