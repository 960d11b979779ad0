#include "databaseImport.h"

#include "databaseSchema.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
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
// The columns of table `table` in the attached file, when it is a table there (not a view).
QStringList sourceColumns(QSqlDatabase &db, const QString &table)
{
  QStringList columns;
  QSqlQuery query(db);
  query.prepare(QStringLiteral("SELECT type FROM source.sqlite_master WHERE name = ?"));
  query.addBindValue(table);
  if (!query.exec() || !query.next() || query.value(0).toString() != QLatin1String("table"))
    return columns;
  query.finish();
  if (!query.exec(QStringLiteral("PRAGMA source.table_info(\"%1\")").arg(table)))
    return columns;
  while (query.next())
    columns << query.value(1).toString();
  return columns;
}

// Creates our tables in `db` and fills them from the file `source`, attached for reading only.
// Returns why it failed, empty on success.
QString copyTables(QSqlDatabase &db, const QString &source)
{
  QSqlQuery query(db);
  // Nothing defined in the chosen file (a view, a trigger, a default) may call a function.
  query.exec(QStringLiteral("PRAGMA trusted_schema = OFF"));
  query.prepare(QStringLiteral("ATTACH DATABASE ? AS source"));
  query.addBindValue(QUrl::fromLocalFile(QFileInfo(source).absoluteFilePath()).toString() +
                     QStringLiteral("?mode=ro"));
  if (!query.exec())
    return query.lastError().text();
  QString reason;
  db.transaction();
  for (const TableSchema &table : databaseSchema()) {
    const QStringList present = sourceColumns(db, table.name);
    if (present.isEmpty() && table.optional) {
      if (!query.exec(table.createStatement)) {
        reason = query.lastError().text();
        break;
      }
      continue;
    }
    if (present.isEmpty()) {
      reason = QStringLiteral("no table %1").arg(table.name);
      break;
    }
    for (const QString &column : table.columns) {
      if (!present.contains(column, Qt::CaseInsensitive))
        reason = QStringLiteral("table %1 has no column %2").arg(table.name, column);
    }
    if (!reason.isEmpty())
      break;
    const QString columns = table.columns.join(QStringLiteral(", "));
    if (!query.exec(table.createStatement) ||
        !query.exec(QStringLiteral("INSERT INTO main.%1 (%2) SELECT %2 FROM source.%1 ORDER BY %3")
                        .arg(table.name, columns, table.columns.first()))) {
      reason = query.lastError().text();
      break;
    }
  }
  if (reason.isEmpty() && !db.commit())
    reason = db.lastError().text();
  if (!reason.isEmpty())
    db.rollback();
  query.finish();
  query.exec(QStringLiteral("DETACH DATABASE source"));
  return reason;
}
} // namespace

bool writeCleanCopy(const QString &source, const QString &target, QString *why)
{
  QString reason;
  if (!QFileInfo(source).isFile())
    reason = QStringLiteral("no such file");
  const QString name = QStringLiteral("talvane-import-copy");
  if (reason.isEmpty()) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(target);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI")); // the chosen file is attached read-only
    if (!db.open())
      reason = db.lastError().text();
    else
      reason = copyTables(db, source);
    db.close();
  }
  QSqlDatabase::removeDatabase(name);
  if (why)
    *why = reason;
  return reason.isEmpty();
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
