#include "upsDataBase.h"

#include "common/logging.h"

#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>

namespace
{
// The schema is the file format: the statements stand exactly as older files were made with.
const char *const createStatements[] = {
    "CREATE TABLE EventsTable (id INTEGER PRIMARY KEY AUTOINCREMENT, device VARCHAR(255)    NOT NULL,date "
    "VARCHAR(255)    NOT NULL,time VARCHAR(255)    NOT NULL,event VARCHAR(255)    NOT NULL )",
    "CREATE TABLE SystemMain (id INTEGER PRIMARY KEY AUTOINCREMENT, language INTEGER,temparatur_unit "
    "INTEGER,autostart INTEGER,save_settings INTEGER,password VARCHAR(255),comport "
    "INTEGER,auto_device_detecting "
    "INTEGER,app_open_maximized INTEGER )",
    "CREATE TABLE Shutdown (id INTEGER PRIMARY KEY AUTOINCREMENT, device VARCHAR(255),shutdown_active "
    "INTEGER,shutdown_active_backup INTEGER )",
    "CREATE TABLE Parameter (id INTEGER PRIMARY KEY AUTOINCREMENT, device VARCHAR(255),par_settings "
    "VARCHAR(255) )",
    "CREATE TABLE Programstart (id INTEGER PRIMARY KEY AUTOINCREMENT, device VARCHAR(255),program1_value "
    "INTEGER,program1_path VARCHAR(255),program2_value INTEGER,program2_path "
    "VARCHAR(255),program1_value_backup "
    "INTEGER,program1_path_backup VARCHAR(255),program2_value_backup INTEGER,program2_path_backup "
    "VARCHAR(255) )",
    "CREATE TABLE Email (id INTEGER PRIMARY KEY AUTOINCREMENT, device VARCHAR(255),email1_signal "
    "INTEGER,email1_config VARCHAR(255),email1_message VARCHAR(255),email1_message_text "
    "VARCHAR(255),email1_path "
    "VARCHAR(255),email2_signal INTEGER,email2_config VARCHAR(255),email2_message "
    "VARCHAR(255),email2_message_text "
    "VARCHAR(255),email2_path VARCHAR(255),email1_signal_backup INTEGER,email1_config_backup "
    "VARCHAR(255),email1_message_backup VARCHAR(255),email1_message_text_backup "
    "VARCHAR(255),email1_path_backup "
    "VARCHAR(255),email2_signal_backup INTEGER,email2_config_backup VARCHAR(255),email2_message_backup "
    "VARCHAR(255),email2_message_text_backup VARCHAR(255),email2_path_backup VARCHAR(255) )",
    "CREATE TABLE ProgramDelaytime (id INTEGER PRIMARY KEY AUTOINCREMENT, device VARCHAR(255),program1_hours "
    "INTEGER,program1_minutes INTEGER,program1_seconds INTEGER,program2_hours INTEGER,program2_minutes "
    "INTEGER,program2_seconds INTEGER,program1_hours_backup INTEGER,program1_minutes_backup "
    "INTEGER,program1_seconds_backup INTEGER,program2_hours_backup INTEGER,program2_minutes_backup "
    "INTEGER,program2_seconds_backup INTEGER )",
};

struct DefaultRow {
  const char *table;
  QStringList columns;
};

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
    const QString text = value.type() == QVariant::String
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
  const bool fresh = !QFileInfo::exists(databaseFile);
  if (fresh) {
    // The file holds mail passwords: only its owner may read it.
    QFile file(databaseFile);
    if (file.open(QIODevice::WriteOnly))
      file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  }
  if (open() && fresh)
    createTables();
}

Ups_DataBase::~Ups_DataBase()
{
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

void Ups_DataBase::createTables()
{
  const QList<DefaultRow> defaults{
      {nullptr, {}},
      {"SystemMain",
       {"language", "temparatur_unit", "autostart", "save_settings", "password", "comport",
        "auto_device_detecting", "app_open_maximized"}},
      {"Shutdown", {"device", "shutdown_active", "shutdown_active_backup"}},
      {"Parameter", {"device", "par_settings"}},
      {"Programstart",
       {"program1_value", "program1_path", "program2_value", "program2_path", "program1_value_backup",
        "program1_path_backup", "program2_value_backup", "program2_path_backup"}},
      {nullptr, {}}, // the e-mail table's default row is never read
      {"ProgramDelaytime",
       {"program1_hours", "program1_minutes", "program1_seconds", "program2_hours", "program2_minutes",
        "program2_seconds", "program1_hours_backup", "program1_minutes_backup", "program1_seconds_backup",
        "program2_hours_backup", "program2_minutes_backup", "program2_seconds_backup"}},
  };
  for (int i = 0; i < defaults.size(); ++i) {
    if (!execute(QString::fromLatin1(createStatements[i])) || !defaults[i].table)
      continue;
    QVariantList zeros;
    for (int c = 0; c < defaults[i].columns.size(); ++c)
      zeros << QStringLiteral("0");
    InstertNewRow_inDatabase(QString::fromLatin1(defaults[i].table), defaults[i].columns, zeros);
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
  return execute(QStringLiteral("INSERT INTO EventsTable ( device, date, time, event ) VALUES (?, ?, ?, ?)"),
                 {data[0].toString(), data[1].toString(), data[2].toString(), data[3].toString()});
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
