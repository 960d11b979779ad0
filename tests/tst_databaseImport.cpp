// Importing a database file in place of the application's own: a chosen backup, refused files,
// and the configuration file on the desktop taken when the device is identified.
#include "app/appState.h"
#include "app/upsApp.h"
#include "simulatorProcess.h"
#include "storage/databaseImport.h"
#include "storage/databaseSchema.h"
#include "storage/upsDataBase.h"
#include "temporaryWorkingDirectory.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

#include <memory>

namespace
{
QByteArray fileBytes(const QString &name)
{
  QFile file(name);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A database of this application at `path` whose e-mail 1 of the VT-40A uses `server`, with one
// logged event and the desktop file option switched on.
void makeConfigurationFile(const QString &path, const QString &server)
{
  Ups_DataBase db(nullptr, path);
  const uint16_t row = db.deviceRow(QStringLiteral("Email"), QStringLiteral("VT-40A"));
  db.UpdateRow_inDatabase(QStringLiteral("Email"), QStringLiteral("email1_config"),
                          QStringLiteral("1:%1 2: 3: 4:25 5:0 ").arg(server), row);
  db.UpdateRow_inDatabase(QStringLiteral("SystemMain"), QStringLiteral("app_open_maximized"),
                          QStringLiteral("4"), 1);
  db.PrepareInserIntoTable_EVENTS_TABLE("VT-40A", "01.01.2020", "00:00:00", "event of the file");
}

// Runs `statements` on the database file `path` through a connection of its own.
void alterFile(const QString &path, const QStringList &statements)
{
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("alter"));
    db.setDatabaseName(path);
    QVERIFY(db.open());
    for (const QString &statement : statements) {
      QSqlQuery query(db);
      QVERIFY2(query.exec(statement), qPrintable(statement));
    }
  }
  QSqlDatabase::removeDatabase(QStringLiteral("alter"));
}

// The objects of the database in use, "type name", and the columns of each of its tables.
QStringList schemaInUse()
{
  QStringList objects;
  QSqlQuery query(QSqlDatabase::database());
  query.exec(QStringLiteral("SELECT type, name FROM sqlite_master ORDER BY name"));
  while (query.next())
    objects << query.value(0).toString() + QLatin1Char(' ') + query.value(1).toString();
  for (const TableSchema &table : databaseSchema()) {
    QSqlQuery columns(QSqlDatabase::database());
    columns.exec(QStringLiteral("PRAGMA table_info(%1)").arg(table.name));
    QStringList names;
    while (columns.next())
      names << columns.value(1).toString();
    objects << table.name + QLatin1Char(':') + names.join(QLatin1Char(','));
  }
  return objects;
}

QStringList loggedEvents()
{
  QStringList events;
  for (const QStringList &row : readEventLog(QStringLiteral("upsData.db")))
    events << row.at(3);
  return events;
}
} // namespace

class DatabaseImportTest : public QObject
{
  Q_OBJECT

  std::unique_ptr<TemporaryWorkingDirectory> workDir;
  std::unique_ptr<upsApp> app;
  QTemporaryDir home;

  void tick() { QMetaObject::invokeMethod(app.get(), "SystemLoop", Qt::DirectConnection); }

  void start()
  {
    resetAppState();
    app = std::make_unique<upsApp>();
    tick();
  }

  QString desktopFile() const { return home.path() + QStringLiteral("/Desktop/ups_user_config.db"); }

private slots:
  void init()
  {
    workDir = std::make_unique<TemporaryWorkingDirectory>();
    // The desktop folder of a temporary home.
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/.config")).toUtf8());
    QDir(home.path()).mkpath(QStringLiteral("Desktop"));
    QFile::remove(desktopFile());
  }
  void cleanup()
  {
    app.reset();
    workDir.reset();
  }

  void chosenBackupBecomesTheDatabase()
  {
    const QString backup = home.path() + QStringLiteral("/upsData_20260101.db");
    makeConfigurationFile(backup, QStringLiteral("backup.example.org"));
    start();
    app->receiveFromQml_BackupFile(0, QUrl::fromLocalFile(backup).toString());
    tick();
    app->receiveFromQml_GetDevicesImage(QStringLiteral("VT-40A"));
    tick();
    QCOMPARE(appState().ui.emailWindow.email1_ServerValue, QStringLiteral("backup.example.org"));
    QCOMPARE(loggedEvents(), QStringList{QStringLiteral("event of the file")});
    QCOMPARE(QFile::permissions(QStringLiteral("upsData.db")) &
                 (QFileDevice::ReadOther | QFileDevice::ReadGroup),
             QFileDevice::Permissions());
  }

  void refusedFilesLeaveTheDatabaseAlone_data()
  {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("ownFile");
    QTest::newRow("own database file") << QByteArray() << true;
    QTest::newRow("not a database") << QByteArray("this is a text file, not SQLite\n").repeated(200) << false;
    QTest::newRow("empty file") << QByteArray() << false;
    QTest::newRow("database of another program")
        << QByteArray() << false; // made below: SQLite with other tables
  }
  void refusedFilesLeaveTheDatabaseAlone()
  {
    QFETCH(QByteArray, content);
    QFETCH(bool, ownFile);
    start();
    appState().storage.database->PrepareInserIntoTable_EVENTS_TABLE("VT-40A", "02.02.2026", "10:00:00",
                                                                    "kept");
    QString chosen = home.path() + QStringLiteral("/chosen.db");
    if (ownFile) {
      chosen = QDir::current().absoluteFilePath(QStringLiteral("upsData.db"));
    } else if (QByteArray(QTest::currentDataTag()) == "database of another program") {
      QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
      other.setDatabaseName(chosen);
      QVERIFY(other.open());
      QSqlQuery(other).exec(QStringLiteral("CREATE TABLE notes (id INTEGER, text VARCHAR(20))"));
      other.close();
      other = QSqlDatabase();
      QSqlDatabase::removeDatabase(QStringLiteral("other"));
    } else {
      QFile file(chosen);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(content);
    }
    const QByteArray before = fileBytes(QStringLiteral("upsData.db"));
    QVERIFY(!app->importDatabase(chosen, false));
    QCOMPARE(fileBytes(QStringLiteral("upsData.db")), before);
    QVERIFY(!appState().loop.message.postedMessage.isEmpty());
    // The open database still works.
    QVERIFY(appState().storage.database->PrepareInserIntoTable_EVENTS_TABLE("VT-40A", "02.02.2026",
                                                                            "10:00:01", "after"));
    QCOMPARE(loggedEvents(), (QStringList{QStringLiteral("kept"), QStringLiteral("after")}));
  }

  // A database file that is not one is left as it is, and the window says so.
  void unusableDatabaseIsReported()
  {
    const QByteArray content = QByteArray("not SQLite at all\n").repeated(300);
    QFile file(QStringLiteral("upsData.db"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    start();
    QCOMPARE(appState().ui.processData.extraMessage,
             languageText(appState().language, TextSlot::databaseUnusable).arg(QStringLiteral("upsData.db")));
    QCOMPARE(fileBytes(QStringLiteral("upsData.db")), content);
  }

  // A chosen file brings its rows and nothing else: no trigger, view, index, table or column of its
  // own reaches the database in use. A file whose tables lack a column of ours, or are no tables,
  // is refused.
  void chosenFileBringsOnlyItsRows_data()
  {
    QTest::addColumn<QStringList>("statements");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("trigger emptying the log")
        << QStringList{"CREATE TRIGGER wipe AFTER INSERT ON EventsTable BEGIN DELETE FROM EventsTable; END"}
        << true;
    QTest::newRow("trigger rewriting the program path")
        << QStringList{"CREATE TRIGGER hijack AFTER INSERT ON EventsTable BEGIN UPDATE Programstart SET "
                       "program1_path = '/tmp/evil.sh'; END"}
        << true;
    QTest::newRow("view, index, table and column of its own")
        << QStringList{"CREATE VIEW recent AS SELECT * FROM EventsTable",
                       "CREATE INDEX byDevice ON EventsTable (device)", "CREATE TABLE notes (text)",
                       "ALTER TABLE Email ADD COLUMN extra VARCHAR(255)"}
        << true;
    QTest::newRow("file made before the network server's settings")
        << QStringList{"DROP TABLE NutServer"} << true;
    QTest::newRow("event log with other columns")
        << QStringList{"DROP TABLE EventsTable",
                       "CREATE TABLE EventsTable (id INTEGER PRIMARY KEY, what TEXT)"}
        << false;
    QTest::newRow("settings table that is a view")
        << QStringList{"DROP TABLE Shutdown",
                       "CREATE VIEW Shutdown AS SELECT 1 AS id, 'VT-40A' AS device, 1 AS "
                       "shutdown_active, 1 AS shutdown_active_backup"}
        << false;
  }
  void chosenFileBringsOnlyItsRows()
  {
    QFETCH(QStringList, statements);
    QFETCH(bool, accepted);
    const QString chosen = home.path() + QStringLiteral("/chosen.db");
    QFile::remove(chosen);
    makeConfigurationFile(chosen, QStringLiteral("chosen.example.org"));
    {
      Ups_DataBase file(nullptr, chosen);
      file.UpdateRow_inDatabase(QStringLiteral("Programstart"), QStringLiteral("program1_path"),
                                QStringLiteral("/usr/bin/logger"),
                                file.deviceRow(QStringLiteral("Programstart"), QStringLiteral("VT-40A")));
    }
    alterFile(chosen, statements);
    start();
    Ups_DataBase *database = appState().storage.database;
    database->PrepareInserIntoTable_EVENTS_TABLE("VT-40A", "02.02.2026", "10:00:00", "own event");
    const QStringList schemaBefore = schemaInUse();
    const QByteArray before = fileBytes(QStringLiteral("upsData.db"));

    QCOMPARE(app->importDatabase(chosen, false), accepted);
    database = appState().storage.database;
    QCOMPARE(schemaInUse(), schemaBefore);
    if (!accepted) {
      QCOMPARE(fileBytes(QStringLiteral("upsData.db")), before);
      QCOMPARE(appState().loop.message.postedMessage,
               languageText(appState().language, TextSlot::importNotADatabase));
      return;
    }
    QVERIFY(database->PrepareInserIntoTable_EVENTS_TABLE("VT-40A", "02.02.2026", "10:00:01", "after import"));
    QCOMPARE(loggedEvents(), (QStringList{"event of the file", "after import"}));
    const uint16_t row =
        database->Get_dbID_forThisDevice(QStringLiteral("Programstart"), QStringLiteral("VT-40A"));
    QCOMPARE(
        database->ReadRow_fromDatabase(QStringLiteral("Programstart"), QStringLiteral("program1_path"), row),
        QStringList{"/usr/bin/logger"});
  }

  // With the option on, identifying the device imports the desktop file once and keeps the log.
  void desktopFileIsTakenOnIdentification()
  {
    makeConfigurationFile(desktopFile(), QStringLiteral("config.example.org"));
    SimulatorProcess simulator({QStringLiteral("--model"), QStringLiteral("VT-40A")});
    QVERIFY(!simulator.ports.isEmpty());
    start();
    AppState &s = appState();
    s.scan.extraPorts = simulator.ports;
    app->receiveFromQml_SystemWindow_CheckBox(5, true);
    s.storage.database->PrepareInserIntoTable_EVENTS_TABLE("VT-40A", "02.02.2026", "10:00:00",
                                                           "logged before");

    QTRY_VERIFY_WITH_TIMEOUT(s.loop.userConfigTaken, 20000);
    QTRY_COMPARE_WITH_TIMEOUT(s.ui.emailWindow.email1_ServerValue, QStringLiteral("config.example.org"),
                              5000);
    QVERIFY(loggedEvents().contains(QStringLiteral("logged before")));
    QVERIFY(!loggedEvents().contains(QStringLiteral("event of the file")));

    // A later identification in the same run does not import it again.
    app->receiveFromQml_SetEmailConfig(0, 1, QStringLiteral("live.example.org"));
    s.loop.userConfigPending = true;
    tick();
    tick();
    QCOMPARE(s.ui.emailWindow.email1_ServerValue, QStringLiteral("live.example.org"));
  }

  void desktopFileIsIgnoredWithoutTheOption()
  {
    makeConfigurationFile(desktopFile(), QStringLiteral("config.example.org"));
    start();
    appState().loop.userConfigPending = true;
    tick();
    QVERIFY(!appState().loop.userConfigTaken);
  }

  void corruptDesktopFileLeavesTheDatabaseAlone()
  {
    QFile file(desktopFile());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("SQLite format 3").append(QByteArray(4000, '\x5a')));
    file.close();
    start();
    app->receiveFromQml_SystemWindow_CheckBox(5, true);
    const QByteArray before = fileBytes(QStringLiteral("upsData.db"));
    appState().loop.userConfigPending = true;
    tick();
    QVERIFY(appState().loop.userConfigTaken);
    QCOMPARE(fileBytes(QStringLiteral("upsData.db")), before);
  }
};

QTEST_MAIN(DatabaseImportTest)

#include "tst_databaseImport.moc"
