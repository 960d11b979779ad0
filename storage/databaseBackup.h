// Copies of the application's database file into a folder the user chose.
#pragma once

#include <QDate>
#include <QString>

// "<folder>/upsData_yyyyMMdd.db"; `folderUrl` may be a file URL or a plain path.
QString backupFilePath(const QString &folderUrl, const QDate &date);

// Writes a copy of `databaseFile` to `target`. An earlier file at `target` is replaced only once
// the new copy is complete, so a failure leaves the earlier backup as it was.
bool backupDatabaseFile(const QString &databaseFile, const QString &target);
