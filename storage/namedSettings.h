// Settings kept as name/value rows in a table of their own, which is made when first needed (older
// databases lack it); the tables of the original layout keep their columns.
#pragma once

#include <QList>
#include <QPair>
#include <QString>

// Every row of `table`; none when the database is not open.
QList<QPair<QString, QString>> readNamedSettings(const QString &table);
// Stores `value` under `name` in `table`, replacing what was there.
void storeNamedSetting(const QString &table, const QString &name, const QString &value);
