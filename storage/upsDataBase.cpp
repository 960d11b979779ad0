#include "upsDataBase.h"

#include "common/logging.h"
#include "databaseSchema.h"
#include "ownerOnlyFile.h"

#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

#include <sqlite3.h>

namespace
{
// Settings writes wait this long for another program's lock, as the driver does by default.
constexpr int settingsWaitMs = 5000;
// At the end, the waiting events get this long before they count as lost.
constexpr int lastEventWaitMs = 2000;

// Table and column names come from the program, never from the user; anything else is refused.
bool isIdentifierList(const QString &text)
{
  static const QRegularExpression identifiers(
      QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*(, ?[A-Za-z_][A-Za-z0-9_]*)*$"));
  return identifiers.match(text).hasMatch();
}

QString placeholders(int count)
{
  QStringList marks;
  for (int i = 0; i < count; ++i)
    marks << QStringLiteral("?");
  return marks.join(QStringLiteral(", "));
}

// The statement as it would read with its values written in, for diagnostics and tests.
QString withValues(QString statement, const QVariantList &values)
{
  for (const QVariant &value : values) {
    const int at = statement.indexOf(QLatin1Char('?'));
    if (at < 0)
      break;
    const QString text = value.userType() == QMetaType::QString
                             ? QLatin1Char('\'') +
                                   value.toString().replace(QLatin1Char('\''), QStringLiteral("''")) +
                                   QLatin1Char('\'')
                             : value.toString();
    statement.replace(at, 1, text);
  }
  return statement;
}
} // namespace

Ups_DataBase::Ups_DataBase(QObject *parent, const QString &fileName) : QObject(parent), databaseFile(fileName)
{
  // The file holds mail passwords: only its owner may read it, also when an older version made it.
  if (!createOwnerOnlyFile(databaseFile))
    qCWarning(lcDatabase) << "cannot create" << databaseFile;
  else if (!restrictToOwner(databaseFile))
    qCWarning(lcDatabase) << "cannot make" << databaseFile << "owner-only";
  if (open())
    createMissingTables();
}

Ups_DataBase::~Ups_DataBase()
{
  if (!pendingEvents.isEmpty() && database.isOpen()) {
    setBusyWait(lastEventWaitMs);
    writeEvents();
  }
  if (!pendingEvents.isEmpty())
    qCWarning(lcDatabase).noquote() << QStringLiteral(
                                           "%1 events not written to the event log of %2: the file "
                                           "could not be written until the program ended")
                                           .arg(pendingEvents.size())
                                           .arg(databaseFile);
  close();
}

bool Ups_DataBase::open()
{
  database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
  database.setHostName(QStringLiteral("EventsDataBase"));
  database.setDatabaseName(databaseFile);
  if (!database.open()) {
    qCWarning(lcDatabase) << "cannot open" << databaseFile << database.lastError().text();
    return false;
  }
  return true;
}

void Ups_DataBase::close()
{
  if (!database.isValid())
    return;
  const QString connection = database.connectionName();
  database.close();
  database = QSqlDatabase();
  QSqlDatabase::removeDatabase(connection);
}

// A file left empty (a first start on a full disk) or missing a table gets what it lacks; a file that
// is not a database is left as it is.
void Ups_DataBase::createMissingTables()
{
  QSqlQuery query(database);
  if (!query.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"))) {
    unusableReason = query.lastError().text();
    qCWarning(lcDatabase) << databaseFile << "is left alone, it cannot be used:" << unusableReason;
    return;
  }
  QStringList present;
  while (query.next())
    present << query.value(0).toString();
  query.finish();
  for (const TableSchema &table : databaseSchema()) {
    if (present.contains(table.name))
      continue;
    if (!execute(table.createStatement) || table.defaultRowColumns.isEmpty())
      continue;
    QVariantList zeros;
    for (int c = 0; c < table.defaultRowColumns.size(); ++c)
      zeros << QStringLiteral("0");
    InstertNewRow_inDatabase(table.name, table.defaultRowColumns, zeros);
  }
}

bool Ups_DataBase::execute(const QString &statement, const QVariantList &values)
{
  lastStatementText = withValues(statement, values);
  QSqlQuery query(database);
  if (!query.prepare(statement)) {
    qCWarning(lcDatabase) << "cannot prepare" << statement << query.lastError().text();
    return false;
  }
  for (const QVariant &value : values)
    query.addBindValue(value);
  if (!query.exec()) {
    qCWarning(lcDatabase) << "statement failed:" << lastStatementText << query.lastError().text();
    return false;
  }
  return true;
}

bool Ups_DataBase::InserIntoTable_EVENTS_TABLE(const QVariantList &data)
{
  if (data.size() < 4)
    return false;
  pendingEvents.append({data[0].toString(), data[1].toString(), data[2].toString(), data[3].toString()});
  return writePendingEvents();
}

bool Ups_DataBase::writePendingEvents()
{
  if (pendingEvents.isEmpty())
    return true;
  // The main loop must not wait for another program's lock: what cannot be written now is tried
  // again on a later tick.
  setBusyWait(0);
  const bool written = writeEvents();
  setBusyWait(settingsWaitMs);
  return written;
}

// All waiting events in one transaction, so that they are written in order or not at all. The
// exclusive lock is taken first: while another program reads, it is refused at once instead of
// failing at the commit.
bool Ups_DataBase::writeEvents()
{
  const QString insert =
      QStringLiteral("INSERT INTO EventsTable ( device, date, time, event ) VALUES (?, ?, ?, ?)");
  sqlite3 *handle = sqliteHandle();
  if (handle && !sqlite3_get_autocommit(handle)) {
    // Inside a caller's transaction (a bulk insert) the rows go into it one by one.
    while (!pendingEvents.isEmpty()) {
      const QStringList &row = pendingEvents.constFirst();
      if (!execute(insert, {row[0], row[1], row[2], row[3]}))
        return false;
      pendingEvents.removeFirst();
    }
    return true;
  }
  QSqlQuery query(database);
  if (!query.exec(QStringLiteral("BEGIN EXCLUSIVE"))) {
    if (++refusedWrites == 1)
      qCWarning(lcDatabase) << "event log waits for the database:" << query.lastError().text();
    return false;
  }
  bool written = true;
  for (const QStringList &row : qAsConst(pendingEvents)) {
    if (!execute(insert, {row[0], row[1], row[2], row[3]})) {
      written = false;
      break;
    }
  }
  written = written && query.exec(QStringLiteral("COMMIT"));
  if (!written) {
    query.exec(QStringLiteral("ROLLBACK"));
    return false;
  }
  if (refusedWrites > 0)
    qCInfo(lcDatabase) << pendingEvents.size() << "waiting events written to the event log";
  refusedWrites = 0;
  pendingEvents.clear();
  return true;
}

QVector<QStringList> Ups_DataBase::takePendingEvents()
{
  QVector<QStringList> taken;
  taken.swap(pendingEvents);
  return taken;
}

sqlite3 *Ups_DataBase::sqliteHandle() const
{
  const QVariant handle = database.driver() ? database.driver()->handle() : QVariant();
  if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
    return nullptr;
  return *static_cast<sqlite3 *const *>(handle.constData());
}

void Ups_DataBase::setBusyWait(int milliseconds)
{
  if (sqlite3 *handle = sqliteHandle())
    sqlite3_busy_timeout(handle, milliseconds);
}

bool Ups_DataBase::PrepareInserIntoTable_EVENTS_TABLE(const QString &Device, const QString &Date,
                                                      const QString &Time, const QString &Event)
{
  qCInfo(lcEvents).noquote() << Device + QLatin1String(" | ") + Event + QLatin1String(" | ") + Date +
                                    QLatin1String(" | ") + Time;
  return InserIntoTable_EVENTS_TABLE({Device, Date, Time, Event});
}

uint16_t Ups_DataBase::Get_dbID_forThisDevice(const QString &dbTable, const QString &devName)
{
  if (!isIdentifierList(dbTable))
    return 0;
  const QString statement = QStringLiteral("SELECT id FROM ") + dbTable + QStringLiteral(" WHERE device = ?");
  lastStatementText = withValues(statement, {devName});
  QSqlQuery query(database);
  query.prepare(statement);
  query.addBindValue(devName);
  if (!query.exec() || !query.next())
    return 0;
  return static_cast<uint16_t>(query.value(0).toUInt());
}

void Ups_DataBase::InstertNewRow_inDatabase(const QString &tableName, const QStringList &columnNames,
                                            const QVariantList &dataValues)
{
  const QString columns = columnNames.join(QStringLiteral(", "));
  if (!isIdentifierList(tableName) || !isIdentifierList(columns) || columnNames.size() != dataValues.size())
    return;
  execute(QStringLiteral("INSERT INTO ") + tableName + QStringLiteral(" (") + columns +
              QStringLiteral(") VALUES (") + placeholders(dataValues.size()) + QLatin1Char(')'),
          dataValues);
}

void Ups_DataBase::UpdateRow_inDatabase(const QString &tableName, const QString &columnName,
                                        const QVariant &dataValue, uint16_t dbID)
{
  if (!isIdentifierList(tableName) || !isIdentifierList(columnName))
    return;
  execute(QStringLiteral("UPDATE ") + tableName + QStringLiteral(" SET ") + columnName +
              QStringLiteral(" = ? WHERE id = ") + QString::number(dbID),
          {dataValue});
}

QStringList Ups_DataBase::ReadRow_fromDatabase(const QString &tableName, const QString &columnName,
                                               uint16_t dbID)
{
  QStringList result;
  if (!isIdentifierList(tableName) || !isIdentifierList(columnName))
    return result;
  const QString statement = QStringLiteral("SELECT ") + columnName + QStringLiteral(" FROM ") + tableName +
                            QStringLiteral(" WHERE id = ") + QString::number(dbID);
  lastStatementText = statement;
  QSqlQuery query(database);
  if (!query.exec(statement))
    return result;
  while (query.next())
    result << query.value(0).toString();
  return result;
}

void Ups_DataBase::DeleteData_from_EVETS_TABLE()
{
  execute(QStringLiteral("DELETE  FROM EventsTable"));
}

uint16_t Ups_DataBase::deviceRow(const QString &table, const QString &deviceName)
{
  uint16_t id = Get_dbID_forThisDevice(table, deviceName);
  if (id == 0) {
    InstertNewRow_inDatabase(table, {QStringLiteral("device")}, {deviceName});
    id = Get_dbID_forThisDevice(table, deviceName);
  }
  return id;
}
