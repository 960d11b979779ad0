// Checks for a database file that the user wants to import in place of the application's own.
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// Whether `file` is an SQLite database that holds every table of this application.
bool isApplicationDatabase(const QString &file);

// Whether the two names lead to the same file.
bool isSameFile(const QString &a, const QString &b);

// The rows of the event log in `file` (device, date, time, event), oldest first.
QVector<QStringList> readEventLog(const QString &file);
