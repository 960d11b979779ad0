#include "databaseImport.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

namespace
{
// Runs `use` on a read-only connection of its own to `file`, so that the application's connection
// stays untouched.
template <typename Use> void withReadOnlyConnection(const QString &file, Use use)
{
  const QString name = QStringLiteral("talvane-import-check");
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(file);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (db.open())
      use(db);
    db.close();
  }
  QSqlDatabase::removeDatabase(name);
}
} // namespace

bool isApplicationDatabase(const QString &file)
{
  if (!QFileInfo(file).isFile())
    return false;
  bool complete = false;
  withReadOnlyConnection(file, [&complete](QSqlDatabase &db) {
    const QStringList tables = db.tables();
    complete = true;
    for (const char *table :
         {"EventsTable", "SystemMain", "Shutdown", "Parameter", "Programstart", "Email", "ProgramDelaytime"})
      complete = complete && tables.contains(QLatin1String(table));
  });
  return complete;
}

bool isSameFile(const QString &a, const QString &b)
{
  const QString canonicalA = QFileInfo(a).canonicalFilePath();
  return !canonicalA.isEmpty() && canonicalA == QFileInfo(b).canonicalFilePath();
}

QVector<QStringList> readEventLog(const QString &file)
{
  QVector<QStringList> rows;
  withReadOnlyConnection(file, [&rows](QSqlDatabase &db) {
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT device, date, time, event FROM EventsTable ORDER BY id")))
      return;
    while (query.next())
      rows.append(QStringList{query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
                              query.value(3).toString()});
  });
  return rows;
}
