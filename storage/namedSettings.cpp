#include "namedSettings.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

namespace
{
// The table names are the program's own, never the user's.
bool ensureTable(QSqlDatabase &db, const QString &table)
{
  if (!db.isOpen())
    return false;
  QSqlQuery query(db);
  return query.exec(
      QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (name TEXT PRIMARY KEY, value TEXT)").arg(table));
}
} // namespace

QList<QPair<QString, QString>> readNamedSettings(const QString &table)
{
  QList<QPair<QString, QString>> rows;
  QSqlDatabase db = QSqlDatabase::database();
  if (!ensureTable(db, table))
    return rows;
  QSqlQuery query(db);
  if (!query.exec(QStringLiteral("SELECT name, value FROM %1").arg(table)))
    return rows;
  while (query.next())
    rows.append({query.value(0).toString(), query.value(1).toString()});
  return rows;
}

void storeNamedSetting(const QString &table, const QString &name, const QString &value)
{
  QSqlDatabase db = QSqlDatabase::database();
  if (!ensureTable(db, table))
    return;
  QSqlQuery query(db);
  query.prepare(QStringLiteral("INSERT OR REPLACE INTO %1 (name, value) VALUES (?, ?)").arg(table));
  query.addBindValue(name);
  query.addBindValue(value);
  query.exec();
}
