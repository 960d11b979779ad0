// The files that hold the mail passwords or the event log are readable by their owner alone from the
// moment they exist: the database (also one an older version left readable), its backups, the
// imported copy and the event log written for mails.
#include "actions/emailNotification.h"
#include "app/appState.h"
#include "app/upsApp.h"
#include "storage/databaseBackup.h"
#include "storage/upsDataBase.h"
#include "temporaryWorkingDirectory.h"

#include <QtConcurrent>
#include <QtTest>

#include <memory>

#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace
{
constexpr QFileDevice::Permissions ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

QFileDevice::Permissions modeOf(const QString &path)
{
  // The user bits are left out: they mirror the owner bits for the owner.
  return QFile::permissions(path) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser);
}

// A database file of this program at `path`, then made readable by all.
void makeReadableDatabase(const QString &path)
{
  {
    Ups_DataBase db(nullptr, path);
    db.PrepareInserIntoTable_EVENTS_TABLE("VT-40A", "01.01.2026", "00:00:00", "logged");
  }
  QFile::setPermissions(path, ownerOnly | QFileDevice::ReadGroup | QFileDevice::ReadOther);
}
} // namespace

class FileModesTest : public QObject
{
  Q_OBJECT

  std::unique_ptr<TemporaryWorkingDirectory> workDir;

private slots:
  void initTestCase()
  {
    umask(022); // files are readable by all unless the program says otherwise
  }
  void init() { workDir = std::make_unique<TemporaryWorkingDirectory>(); }
  void cleanup() { workDir.reset(); }

  void filesAreOwnerOnly_data()
  {
    QTest::addColumn<QString>("file");
    QTest::newRow("database left readable") << "upsData.db";
    QTest::newRow("imported copy") << "upsData.db";
    QTest::newRow("mail log") << "mail/upsEvents.csv";
  }
  void filesAreOwnerOnly()
  {
    QFETCH(QString, file);
    const QByteArray tag = QTest::currentDataTag();
    makeReadableDatabase(QStringLiteral("upsData.db"));
    if (tag == "database left readable") {
      Ups_DataBase db;
      QCOMPARE(modeOf(file), ownerOnly);
    } else if (tag == "imported copy") {
      makeReadableDatabase(QStringLiteral("chosen.db"));
      resetAppState();
      upsApp app;
      QFile::setPermissions(QStringLiteral("upsData.db"),
                            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther);
      QVERIFY(app.importDatabase(QStringLiteral("chosen.db"), false));
      QCOMPARE(modeOf(file), ownerOnly);
    } else {
      AlarmMail mail;
      mail.reportName = QStringLiteral("upsEvents.csv");
      mail.reportFile = QDir::current().absoluteFilePath(file);
      mail.log.databaseFile = QStringLiteral("upsData.db");
      QVERIFY(writeMailReport(mail));
      QCOMPARE(modeOf(file), ownerOnly);
      QFile written(file);
      QVERIFY(written.open(QIODevice::ReadOnly));
      QCOMPARE(written.readAll(), QByteArray("VT-40A;01.01.2026;00:00:00;logged\n"));
    }
  }

  // A backup is owner-only while it is written, not only once it is complete: every file that shows
  // up in the folder during the copy is looked at.
  void backupIsOwnerOnlyWhileWritten_data()
  {
    QTest::addColumn<bool>("earlierBackup");
    QTest::newRow("new file") << false;
    QTest::newRow("over a readable one of the same day") << true;
  }
  void backupIsOwnerOnlyWhileWritten()
  {
    QFETCH(bool, earlierBackup);
    const QString source = workDir->path() + QStringLiteral("/upsData.db");
    QFile big(source);
    QVERIFY(big.open(QIODevice::WriteOnly));
    for (int block = 0; block < 64; ++block)
      big.write(QByteArray(1 << 18, char('a' + block % 26)));
    big.close();
    QDir folder(workDir->path() + QStringLiteral("/backups"));
    QVERIFY(folder.mkpath(QStringLiteral(".")));
    const QString target = folder.filePath(QStringLiteral("upsData_20260101.db"));
    if (earlierBackup) {
      QFile old(target);
      QVERIFY(old.open(QIODevice::WriteOnly));
      old.write("earlier");
      old.close();
      QVERIFY(QFile::setPermissions(target, ownerOnly | QFileDevice::ReadGroup | QFileDevice::ReadOther));
    }
    QStringList seen; // "name mode" of every file found while the copy runs
    QFileSystemWatcher watcher({folder.path()});
    connect(&watcher, &QFileSystemWatcher::directoryChanged, this, [&] {
      for (const QFileInfo &entry : folder.entryInfoList(QDir::Files)) {
        const QFileDevice::Permissions mode = modeOf(entry.filePath());
        if (entry.exists())
          seen << entry.fileName() + QStringLiteral(" ") + QString::number(int(mode), 16);
      }
    });
    QFuture<bool> copied = QtConcurrent::run([source, target] { return backupDatabaseFile(source, target); });
    QTRY_VERIFY(copied.isFinished());
    QVERIFY(copied.result());
    QTRY_VERIFY(!seen.isEmpty());
    for (const QString &file : seen)
      QVERIFY2(file.endsWith(QStringLiteral(" ") + QString::number(int(ownerOnly), 16)), qPrintable(file));
    QCOMPARE(modeOf(target), ownerOnly);
    QCOMPARE(QFileInfo(target).size(), big.size());
  }
};

QTEST_MAIN(FileModesTest)

#include "tst_fileModes.moc"
