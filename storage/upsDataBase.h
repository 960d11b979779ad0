// The application's SQLite database: event log, system settings and per-device settings.
// Values are always bound, never pasted into the statement, so any text is stored exactly.
#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <cstdint>

struct sqlite3;

class Ups_DataBase : public QObject
{
  Q_OBJECT

public:
  // Opens `fileName` (in the working directory by default), creating the tables and default rows
  // that the file lacks. A file that is not a database is left alone (see unusable()).
  explicit Ups_DataBase(QObject *parent = nullptr, const QString &fileName = QStringLiteral("upsData.db"));
  // Makes a last attempt at the waiting events and says how many are lost.
  ~Ups_DataBase() override;

  bool open();
  void close();
  QString fileName() const { return databaseFile; }
  // Why the file cannot be used as the database (it is not one, or cannot be read); empty when fine.
  QString unusable() const { return unusableReason; }

  // The row of `deviceName` in a per-device table, created when missing; 0 when it cannot be had.
  uint16_t deviceRow(const QString &table, const QString &deviceName);

  // Events that could not be written yet (another program holds the file), oldest first. They are
  // written before any later one, by writePendingEvents or by the next event insert.
  int pendingEventCount() const { return int(pendingEvents.size()); }
  // Tries to write the waiting events, all or none, without waiting for the file; true when none is
  // left waiting.
  bool writePendingEvents();
  // Hands the waiting events over (to the database that replaces this one).
  QVector<QStringList> takePendingEvents();

  // The statement text of the last row operation, with its values in place of the placeholders.
  QString lastStatement() const { return lastStatementText; }

public slots:
  // True when the event is in the file; an event that cannot be written yet is kept (see above).
  bool InserIntoTable_EVENTS_TABLE(const QVariantList &data);
  bool PrepareInserIntoTable_EVENTS_TABLE(const QString &Device, const QString &Date, const QString &Time,
                                          const QString &Event);
  uint16_t Get_dbID_forThisDevice(const QString &dbTable, const QString &devName);
  void InstertNewRow_inDatabase(const QString &tableName, const QStringList &columnNames,
                                const QVariantList &dataValues);
  void UpdateRow_inDatabase(const QString &tableName, const QString &columnName, const QVariant &dataValue,
                            uint16_t dbID);
  QStringList ReadRow_fromDatabase(const QString &tableName, const QString &columnName, uint16_t dbID);
  void DeleteData_from_EVETS_TABLE();

private:
  void createMissingTables();
  bool writeEvents();
  void setBusyWait(int milliseconds);
  sqlite3 *sqliteHandle() const;
  bool execute(const QString &statement, const QVariantList &values = {});

  QSqlDatabase database;
  QString databaseFile;
  QString lastStatementText;
  QString unusableReason;
  QVector<QStringList> pendingEvents;
  int refusedWrites = 0; // attempts refused since the last write, for the log
};
