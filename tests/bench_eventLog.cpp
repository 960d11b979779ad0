// Exporting a long event log and refreshing the event model over it: time and memory.
// Run one case per process for a clean memory peak, e.g. bench_eventLog export:1000000
#include "actions/emailNotification.h"
#include "actions/mailOutbox.h"
#include "storage/eventControlModel.h"
#include "storage/eventLogExport.h"
#include "storage/upsDataBase.h"
#include "temporaryWorkingDirectory.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlQuery>
#include <QThreadPool>
#include <QTimer>
#include <QtTest>

#include <atomic>
#include <memory>

namespace
{
// Peak resident memory of the process so far, in MB (Linux).
double peakMemoryMb()
{
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly))
    return 0;
  for (const QByteArray &line : status.readAll().split('\n')) {
    if (line.startsWith("VmHWM:"))
      return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
  }
  return 0;
}

// A new database file whose event log holds `rows` events.
std::unique_ptr<Ups_DataBase> databaseWithLog(int rows)
{
  QFile::remove(QStringLiteral("upsData.db"));
  auto database = std::make_unique<Ups_DataBase>();
  QSqlDatabase db = QSqlDatabase::database();
  db.transaction();
  QSqlQuery insert(db);
  insert.prepare(QStringLiteral("INSERT INTO EventsTable ( device, date, time, event ) VALUES (?, ?, ?, ?)"));
  for (int i = 0; i < rows; ++i) {
    insert.addBindValue(QStringLiteral("VT-40A"));
    insert.addBindValue(QStringLiteral("31.01.2024"));
    insert.addBindValue(QStringLiteral("12:00:00"));
    insert.addBindValue(i % 2 ? QStringLiteral("Buffer operation") : QStringLiteral("Mains operation"));
    insert.exec();
  }
  db.commit();
  return database;
}
} // namespace

class EventLogBenchmark : public QObject
{
  Q_OBJECT

  TemporaryWorkingDirectory workDir;

private slots:
  void exportLog_data()
  {
    QTest::addColumn<int>("rows");
    QTest::newRow("100000") << 100000;
    QTest::newRow("1000000") << 1000000;
  }

  void exportLog()
  {
    QFETCH(int, rows);
    const auto db = databaseWithLog(rows);
    EventControl_DataBaseModel model;
    const double before = peakMemoryMb();
    QBENCHMARK_ONCE
    {
      model.exportCSV_EVENTS_TABLE(QStringLiteral("log.csv"));
    }
    qInfo("peak memory %.1f MB (before the export %.1f MB)", peakMemoryMb(), before);
    QFile csv(QStringLiteral("log.csv"));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    int lines = 0;
    while (!csv.atEnd()) {
      csv.readLine();
      ++lines;
    }
    QCOMPARE(lines, rows);
  }

  // The export as the event page and the mails run it, on a worker thread, while a 100 ms timer
  // stands for the main loop and logs an event on every tick: the longest gap between two ticks.
  void tickGapDuringExport_data() { exportLog_data(); }

  void tickGapDuringExport()
  {
    QFETCH(int, rows);
    const auto db = databaseWithLog(rows);
    const QString file = QFileInfo(QStringLiteral("upsData.db")).absoluteFilePath();
    QElapsedTimer sinceTick;
    qint64 longestGap = 0;
    int ticks = 0;
    int waitingTicks = 0;
    QTimer loop;
    QObject::connect(&loop, &QTimer::timeout, [&] {
      longestGap = std::max(longestGap, sinceTick.restart());
      ++ticks;
      // As the main loop does: an event the export's read lock keeps out waits and goes with a later one.
      db->writePendingEvents();
      db->PrepareInserIntoTable_EVENTS_TABLE(QStringLiteral("VT-40A"), QStringLiteral("31.01.2024"),
                                             QStringLiteral("12:00:01"), QStringLiteral("Mains operation"));
      waitingTicks += db->pendingEventCount() > 0 ? 1 : 0;
    });
    std::atomic_bool done{false};
    QElapsedTimer took;
    took.start();
    sinceTick.start();
    loop.start(100);
    const qint64 newest = newestEventId(); // on this thread: the connection belongs to it
    QThreadPool::globalInstance()->start([&] {
      exportEventLog(file, QStringLiteral("log.csv"), newest);
      done = true;
    });
    QTRY_VERIFY_WITH_TIMEOUT(done, 600000);
    loop.stop();
    QVERIFY(db->writePendingEvents());
    QCOMPARE(newestEventId(), newest + ticks); // no event of the loop lost
    qInfo("export of %d rows took %lld ms; %d ticks, longest gap between two %lld ms; an event waited on %d",
          rows, took.elapsed(), ticks, longestGap, waitingTicks);
  }

  // An event whose mail attaches the whole log, sent to the local mail server while the 100 ms
  // timer stands for the main loop: the longest gap between two ticks until the mail has gone.
  void tickGapDuringAlarmMail_data() { exportLog_data(); }

  void tickGapDuringAlarmMail()
  {
    QFETCH(int, rows);
    const auto db = databaseWithLog(rows);
    QTemporaryDir received;
    QProcess server;
    server.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral(MAIL_SERVER_SCRIPT), QStringLiteral("--dir"), received.path()});
    int port = 0;
    while (port == 0 && server.waitForReadyRead(10000)) {
      const QByteArray line = server.readLine().trimmed();
      if (line.startsWith("PORT "))
        port = line.mid(5).toInt();
    }
    QVERIFY(port != 0);

    EmailConfig emails[2];
    emails[0].server = QStringLiteral("127.0.0.1");
    emails[0].port = QString::number(port);
    emails[0].coding = QStringLiteral("0");
    emails[0].user = QStringLiteral("ups@example.org");
    emails[0].to = QStringLiteral("service@example.org");
    emails[0].attachReport = true;
    emails[0].signalMask = 1u | (1u << 2);
    MailOutbox outbox;
    QElapsedTimer sinceTick;
    qint64 longestGap = 0;
    int ticks = 0;
    QTimer loop;
    QObject::connect(&loop, &QTimer::timeout, [&] {
      longestGap = std::max(longestGap, sinceTick.restart());
      ++ticks;
      db->PrepareInserIntoTable_EVENTS_TABLE(QStringLiteral("VT-40A"), QStringLiteral("31.01.2024"),
                                             QStringLiteral("12:00:01"), QStringLiteral("Mains operation"));
    });
    QElapsedTimer took;
    took.start();
    sinceTick.start();
    loop.start(100);
    const MailEvent event{2,
                          QStringLiteral("VT-40A"),
                          QStringLiteral("Buffer operation"),
                          QStringLiteral("31.01.2024"),
                          QStringLiteral("12:00:00"),
                          {}};
    sendEventMail(
        &outbox, emails, event,
        EventLogSource{QFileInfo(QStringLiteral("upsData.db")).absoluteFilePath(), newestEventId()});
    QTRY_VERIFY_WITH_TIMEOUT(outbox.idle(), 600000);
    loop.stop();
    QVERIFY(QFile::exists(received.filePath(QStringLiteral("1.json"))));
    qInfo("mail with a %d-row log went out after %lld ms; %d ticks, longest gap between two %lld ms", rows,
          took.elapsed(), ticks, longestGap);
    server.closeWriteChannel();
    if (!server.waitForFinished(5000))
      server.kill();
  }

  void refreshModel_data() { exportLog_data(); }

  void refreshModel()
  {
    QFETCH(int, rows);
    const auto db = databaseWithLog(rows);
    EventControl_DataBaseModel model;
    const double before = peakMemoryMb();
    // An event is logged and the model re-read, as after every device event: 100 times.
    QBENCHMARK_ONCE
    {
      for (int i = 0; i < 100; ++i) {
        db->PrepareInserIntoTable_EVENTS_TABLE(QStringLiteral("VT-40A"), QStringLiteral("31.01.2024"),
                                               QStringLiteral("12:00:01"), QStringLiteral("Mains operation"));
        model.updateModel_EVENTS_TABLE();
      }
    }
    QVERIFY(model.rowCount() > 0);
    qInfo("peak memory %.1f MB (before the refreshes %.1f MB)", peakMemoryMb(), before);
  }
};

QTEST_GUILESS_MAIN(EventLogBenchmark)
#include "bench_eventLog.moc"
