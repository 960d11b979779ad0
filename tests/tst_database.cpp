// The database file, its row operations and the event log model, on a real SQLite file.
#include "app/appState.h"
#include "app/upsApp.h"
#include "common/languageTable.h"
#include "storage/eventControlModel.h"
#include "storage/eventLogExport.h"
#include "storage/upsDataBase.h"
#include "temporaryWorkingDirectory.h"

#include <QSqlQuery>
#include <QtTest>

#include <memory>

namespace
{
int count(const QString &statement)
{
  QSqlQuery query(QSqlDatabase::database());
  return query.exec(statement) && query.next() ? query.value(0).toInt() : -1;
}

QByteArray fileContent(const QString &path)
{
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}
// Another program (a Python process) holding a read transaction on the database file, as a backup
// tool or an sqlite3 shell left open does.
class ReadTransaction
{
public:
  explicit ReadTransaction(const QString &file)
  {
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QStringLiteral("/usr/bin/python3"),
                  {QStringLiteral("-c"),
                   QStringLiteral("import sqlite3, sys\n"
                                  "c = sqlite3.connect(sys.argv[1], isolation_level=None)\n"
                                  "c.execute('BEGIN')\n"
                                  "c.execute('SELECT COUNT(*) FROM EventsTable').fetchone()\n"
                                  "print('HOLDING', flush=True)\n"
                                  "sys.stdin.readline()\n"
                                  "c.execute('COMMIT')\n"),
                   file});
    while (!holding && process.waitForReadyRead(10000))
      holding = process.readAll().contains("HOLDING");
  }
  ~ReadTransaction() { release(); }
  void release()
  {
    process.write("\n");
    process.closeWriteChannel();
    process.waitForFinished(10000);
  }
  bool holding = false;

private:
  QProcess process;
};

QStringList eventTexts()
{
  QStringList texts;
  QSqlQuery query(QSqlDatabase::database());
  query.exec("SELECT event FROM EventsTable ORDER BY id");
  while (query.next())
    texts << query.value(0).toString();
  return texts;
}

QStringList databaseWarnings;
QtMessageHandler previousHandler = nullptr;
void collectDatabaseWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
  if (type == QtWarningMsg && qstrcmp(context.category, "talvane.database") == 0)
    databaseWarnings << message;
  previousHandler(type, context, message);
}
} // namespace

class DatabaseTest : public QObject
{
  Q_OBJECT

  std::unique_ptr<TemporaryWorkingDirectory> workDir;
  std::unique_ptr<Ups_DataBase> db;

private slots:
  void init()
  {
    workDir = std::make_unique<TemporaryWorkingDirectory>();
    db = std::make_unique<Ups_DataBase>();
  }

  void cleanup()
  {
    db.reset();
    workDir.reset();
  }

  void freshFileGetsTheSchemaAndTheSettingsRow()
  {
    QCOMPARE(count("SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name != 'sqlite_sequence'"),
             9); // seven settings and log tables, the network server's and the link's settings
    QCOMPARE(count("SELECT COUNT(*) FROM SystemMain"), 1);
    QSqlQuery row(QSqlDatabase::database());
    QVERIFY(row.exec("SELECT id, language, temparatur_unit, autostart, save_settings, password, comport, "
                     "auto_device_detecting, app_open_maximized FROM SystemMain"));
    QVERIFY(row.next());
    QCOMPARE(row.value(0).toInt(), 1);
    for (int c = 1; c <= 8; ++c)
      QCOMPARE(row.value(c).toString(), QStringLiteral("0"));
    QCOMPARE(count("SELECT COUNT(*) FROM Email"), 0);
#ifdef Q_OS_UNIX
    // Mail passwords live here: only the owner may read the file.
    QCOMPARE(QFile::permissions("upsData.db") & (QFileDevice::ReadOther | QFileDevice::ReadGroup),
             QFileDevice::Permissions());
#endif
  }

  // Whatever tables an existing database lacks are created with their default rows, also in a file
  // left empty by a failed first start; what is there stays. A file that is not a database is left
  // as it is and named as unusable.
  void missingTablesAreCreated_data()
  {
    QTest::addColumn<QByteArray>("content"); // written as it is, unless it is SQL
    QTest::addColumn<QStringList>("statements");
    QTest::addColumn<bool>("usable");
    QTest::newRow("empty file") << QByteArray() << QStringList{} << true;
    QTest::newRow("some tables with rows")
        << QByteArray()
        << QStringList{"CREATE TABLE Unrelated (x INTEGER)",
                       "CREATE TABLE SystemMain (id INTEGER PRIMARY KEY AUTOINCREMENT, language INTEGER,"
                       "temparatur_unit INTEGER,autostart INTEGER,save_settings INTEGER,password "
                       "VARCHAR(255),"
                       "comport INTEGER,auto_device_detecting INTEGER,app_open_maximized INTEGER )",
                       "INSERT INTO SystemMain (language) VALUES (1)"}
        << true;
    QTest::newRow("not a database") << QByteArray("not SQLite at all\n").repeated(300) << QStringList{}
                                    << false;
  }
  void missingTablesAreCreated()
  {
    QFETCH(QByteArray, content);
    QFETCH(QStringList, statements);
    QFETCH(bool, usable);
    db.reset();
    QFile::remove("upsData.db");
    {
      QFile file("upsData.db");
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(content);
    }
    {
      QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other");
      other.setDatabaseName("upsData.db");
      QVERIFY(other.open());
      for (const QString &statement : statements)
        QVERIFY(QSqlQuery(other).exec(statement));
      other.close();
    }
    QSqlDatabase::removeDatabase("other");
    const QByteArray before = fileContent("upsData.db");
    db = std::make_unique<Ups_DataBase>();
    QCOMPARE(db->unusable().isEmpty(), usable);
    if (!usable) {
      QCOMPARE(fileContent("upsData.db"), before);
      return;
    }
    QCOMPARE(
        count("SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name != 'sqlite_sequence' AND "
              "name != 'Unrelated'"),
        9);
    QCOMPARE(count("SELECT COUNT(*) FROM sqlite_master WHERE name = 'Unrelated'"),
             statements.isEmpty() ? 0 : 1);
    // An existing settings row stays as it was; a created table gets its default row.
    QCOMPARE(count("SELECT COUNT(*) FROM SystemMain"), 1);
    QCOMPARE(count("SELECT language FROM SystemMain WHERE id = 1"), statements.isEmpty() ? 0 : 1);
    QCOMPARE(count("SELECT COUNT(*) FROM ProgramDelaytime"), 1);
    QVERIFY(db->PrepareInserIntoTable_EVENTS_TABLE("VT-40A", "01.01.2026", "00:00:00", "logged"));
  }

  // While another program reads the file, events wait in order and the window says so; they are
  // written once the file is free. Events still waiting when the program ends are counted.
  void eventsWaitForALockedDatabase()
  {
    db.reset();
    resetAppState();
    auto app = std::make_unique<upsApp>();
    app->mainTimer.start(3600 * 1000); // only the test ticks
    auto tick = [&app] { QMetaObject::invokeMethod(app.get(), "SystemLoop", Qt::DirectConnection); };
    AppState &s = appState();
    tick();
    Ups_DataBase *database = s.storage.database;
    database->PrepareInserIntoTable_EVENTS_TABLE("VT-40A", "01.01.2026", "10:00:00", "before");
    QString &line = s.ui.processData.extraMessage;
    {
      ReadTransaction reader(database->fileName());
      QVERIFY(reader.holding);
      for (const char *event : {"first", "second", "third"})
        QVERIFY(!database->PrepareInserIntoTable_EVENTS_TABLE("VT-40A", "01.01.2026", "10:00:01", event));
      tick();
      QCOMPARE(line, languageText(s.language, TextSlot::eventLogBehind).arg(3));
      QCOMPARE(eventTexts(), QStringList{"before"});
      postMessage(s.loop.message, QStringLiteral("another message"));
      tick();
      QCOMPARE(line, QStringLiteral("another message")); // the waiting text does not push it aside
      reader.release();
      QTRY_VERIFY((tick(), eventTexts().size() == 4));
    }
    QCOMPARE(eventTexts(), (QStringList{"before", "first", "second", "third"}));
    QCOMPARE(s.storage.eventModel->rowCount(), 4);
    QTRY_VERIFY((tick(), line.isEmpty()));

    ReadTransaction reader(database->fileName());
    QVERIFY(reader.holding);
    database->PrepareInserIntoTable_EVENTS_TABLE("VT-40A", "01.01.2026", "10:00:02", "late 1");
    database->PrepareInserIntoTable_EVENTS_TABLE("VT-40A", "01.01.2026", "10:00:03", "late 2");
    databaseWarnings.clear();
    previousHandler = qInstallMessageHandler(collectDatabaseWarnings);
    app.reset();
    qInstallMessageHandler(previousHandler);
    QCOMPARE(databaseWarnings.filter("events not written").size(), 1);
    QVERIFY2(databaseWarnings.filter("events not written").first().startsWith("2 events not written"),
             qPrintable(databaseWarnings.join('\n')));
  }

  void deviceRowIsCreatedOnce()
  {
    QCOMPARE(db->Get_dbID_forThisDevice("Shutdown", "VT-40A"), uint16_t(0));
    const uint16_t id = db->deviceRow("Shutdown", "VT-40A");
    QVERIFY(id > 0);
    QCOMPARE(db->deviceRow("Shutdown", "VT-40A"), id);
    QCOMPARE(count("SELECT COUNT(*) FROM Shutdown WHERE device = 'VT-40A'"), 1);
  }

  void updateReadsAsTheFormerStatement()
  {
    db->UpdateRow_inDatabase("SystemMain", "temparatur_unit", 1, 1);
    QCOMPARE(db->lastStatement(), QStringLiteral("UPDATE SystemMain SET temparatur_unit = 1 WHERE id = 1"));
    QCOMPARE(db->ReadRow_fromDatabase("SystemMain", "temparatur_unit", 1), QStringList{"1"});
    QVERIFY(db->ReadRow_fromDatabase("SystemMain", "temparatur_unit", 99).isEmpty());
  }

  void clearedLogKeepsCountingIds()
  {
    for (int i = 0; i < 3; ++i)
      QVERIFY(db->PrepareInserIntoTable_EVENTS_TABLE("VT-40A", "31.01.2024", "12:00:00", "Mains operation"));
    db->DeleteData_from_EVETS_TABLE();
    QCOMPARE(count("SELECT COUNT(*) FROM EventsTable"), 0);
    QVERIFY(db->PrepareInserIntoTable_EVENTS_TABLE("VT-40A", "31.01.2024", "12:00:01", "Buffer operation"));
    QCOMPARE(count("SELECT id FROM EventsTable"), 4);
  }

  void anyTextIsStoredExactly_data()
  {
    QTest::addColumn<QString>("text");
    QTest::newRow("quote") << "O'Brien's UPS";
    QTest::newRow("statement end") << "x'); DROP TABLE Shutdown; --";
    QTest::newRow("double quotes and backslash") << "C:\\Programs\\\"ups\".exe";
    QTest::newRow("umlauts and newline") << QString::fromUtf8("Gerät\nÜberlast");
  }

  void anyTextIsStoredExactly()
  {
    QFETCH(QString, text);
    const uint16_t id = db->deviceRow("Programstart", text);
    QVERIFY(id > 0);
    QCOMPARE(db->Get_dbID_forThisDevice("Programstart", text), id);
    db->UpdateRow_inDatabase("Programstart", "program1_path", text, id);
    QCOMPARE(db->ReadRow_fromDatabase("Programstart", "program1_path", id), QStringList{text});
    QVERIFY(db->PrepareInserIntoTable_EVENTS_TABLE(text, "31.01.2024", "12:00:00", text));
    QCOMPARE(count("SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name != 'sqlite_sequence'"),
             9);
    QCOMPARE(count("SELECT COUNT(*) FROM Shutdown"), 1);
  }

  void namesFromOutsideCannotReachTheStatement()
  {
    db->UpdateRow_inDatabase("SystemMain; DROP TABLE Shutdown", "language", 1, 1);
    QCOMPARE(db->Get_dbID_forThisDevice("Shutdown WHERE 1=1 --", "x"), uint16_t(0));
    QCOMPARE(count("SELECT COUNT(*) FROM Shutdown"), 1);
  }

  void modelShowsTheNewestFirstByRole()
  {
    db->PrepareInserIntoTable_EVENTS_TABLE("VT-40A", "31.01.2024", "12:00:00", "Mains operation");
    db->PrepareInserIntoTable_EVENTS_TABLE("VT-40A", "31.01.2024", "12:00:05", "Buffer operation");
    EventControl_DataBaseModel model;
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.data(model.index(0, 0), EventControl_DataBaseModel::EventRole).toString(),
             QStringLiteral("Buffer operation"));
    QCOMPARE(model.data(model.index(1, 0), EventControl_DataBaseModel::TimeRole).toString(),
             QStringLiteral("12:00:00"));
    QCOMPARE(model.roleNames().value(Qt::UserRole + 2), QByteArray("device"));
    QCOMPARE(model.roleNames().value(Qt::UserRole + 5), QByteArray("event"));

    db->DeleteData_from_EVETS_TABLE();
    model.updateModel_EVENTS_TABLE();
    QCOMPARE(model.rowCount(), 0);
  }

  // Rows written in another language are shown in the window's language, unknown texts as they
  // stand; the file keeps what was written.
  void modelShowsStoredTextsInTheWindowsLanguage()
  {
    LanguageTable language;
    fillLanguageTable(language);
    db->PrepareInserIntoTable_EVENTS_TABLE("VT-40A", "31.01.2024", "12:00:00", "Netzbetrieb");
    db->PrepareInserIntoTable_EVENTS_TABLE("VT-40A", "31.01.2024", "12:00:05", "Buffer operation");
    db->PrepareInserIntoTable_EVENTS_TABLE("VT-40A", "31.01.2024", "12:00:09", "a text of no slot");
    EventControl_DataBaseModel model;
    auto shown = [&model](int row) {
      return model.data(model.index(row, 0), EventControl_DataBaseModel::EventRole).toString();
    };
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.setShownEventTexts(textsInCurrentLanguage(language));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(QStringList({shown(0), shown(1), shown(2)}),
             QStringList({"a text of no slot", "Buffer operation", "Mains operation"}));
    setCurrentLanguage(language, 1);
    model.setShownEventTexts(textsInCurrentLanguage(language));
    QCOMPARE(QStringList({shown(0), shown(1), shown(2)}),
             QStringList({"a text of no slot", "Pufferbetrieb", "Netzbetrieb"}));
    model.exportCSV_EVENTS_TABLE("log.csv");
    QVERIFY(fileContent("log.csv").endsWith("12:00:00;Netzbetrieb\n"));
    QVERIFY(fileContent("log.csv").contains("12:00:05;Buffer operation\n"));
  }

  void exportWritesEveryRowAsItStands()
  {
    EventControl_DataBaseModel model;
    model.exportCSV_EVENTS_TABLE("empty.csv");
    QCOMPARE(fileContent("empty.csv"), QByteArray());

    db->PrepareInserIntoTable_EVENTS_TABLE("VT-40A", "31.01.2024", "12:00:00", "Mains operation");
    db->PrepareInserIntoTable_EVENTS_TABLE("VS-1700-0", "31.01.2024", "12:00:05", "a;b");
    model.exportCSV_EVENTS_TABLE("log.csv");
    QCOMPARE(fileContent("log.csv"),
             QByteArray("VS-1700-0;31.01.2024;12:00:05;a;b\nVT-40A;31.01.2024;12:00:00;Mains operation\n"));

    // Every row, also those the view has not fetched yet.
    for (int i = 0; i < 600; ++i)
      db->PrepareInserIntoTable_EVENTS_TABLE("VT-40A", "31.01.2024", "12:00:00", QString::number(i));
    model.updateModel_EVENTS_TABLE();
    model.exportCSV_EVENTS_TABLE("long.csv");
    QCOMPARE(fileContent("long.csv").count('\n'), 602);
  }

  // The export of a mail stops at the row that was newest when its event occurred, in blocks that
  // leave the log writable between them: more rows than one block, and a row logged after the
  // moment left out.
  void exportStopsAtTheNewestRowOfItsMoment()
  {
    QSqlDatabase::database().transaction();
    for (int i = 0; i < 45000; ++i)
      db->PrepareInserIntoTable_EVENTS_TABLE("VT-40A", "31.01.2024", "12:00:00", QString::number(i));
    QSqlDatabase::database().commit();
    const qint64 moment = newestEventId();
    db->PrepareInserIntoTable_EVENTS_TABLE("VT-40A", "31.01.2024", "12:00:01", "later");
    QVERIFY(exportEventLog(QFileInfo(db->fileName()).absoluteFilePath(), "mail.csv", moment));
    const QByteArray csv = fileContent("mail.csv");
    QCOMPARE(csv.count('\n'), 45000);
    QVERIFY(csv.startsWith("VT-40A;31.01.2024;12:00:00;44999\n"));
    QVERIFY(csv.endsWith(";0\n"));
    QVERIFY(!exportEventLog(QFileInfo(db->fileName()).absoluteFilePath(), "no-such-folder/mail.csv"));
  }

  void exportPathComesFromTheChosenFolder_data()
  {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("path");
    QTest::newRow("file URL") << "file:///tmp/logs"
                              << "/tmp/logs/upsEvents_20240131.csv";
    QTest::newRow("plain path") << "/tmp/logs"
                                << "/tmp/logs/upsEvents_20240131.csv";
    QTest::newRow("Windows path") << "C:/data"
                                  << "C:/data/upsEvents_20240131.csv";
  }

  void exportPathComesFromTheChosenFolder()
  {
    QFETCH(QString, folder);
    QFETCH(QString, path);
    QCOMPARE(csvExportPath(folder, QDate(2024, 1, 31)), path);
  }
};

QTEST_GUILESS_MAIN(DatabaseTest)
#include "tst_database.moc"
