// The installed service's way of running: the real program with --headless against the device
// simulator, with settings made beforehand by the back end as the window makes them and brought
// in with --import-database, a local SMTP server and a stub `shutdown` first on PATH.
#include "app/appState.h"
#include "app/upsApp.h"
#include "mailServerProcess.h"
#include "simulatorProcess.h"
#include "temporaryWorkingDirectory.h"

#include <QStandardPaths>
#include <QtTest>

#include <csignal>
#include <memory>

namespace
{
// The database a user leaves behind after choosing the VT-40A on the start page, setting up
// e-mail 1 on mains and buffer operation and enabling the PC shutdown.
QString prepareDatabase(const QString &folder, int mailPort)
{
  QDir::setCurrent(folder);
  resetAppState();
  {
    upsApp app;
    QMetaObject::invokeMethod(&app, "SystemLoop", Qt::DirectConnection); // loads the settings
    appState().link.set(LinkFlag::autoDetect, false);
    app.receiveFromQml_GetDevicesImage(QStringLiteral("VT-40A"));
    app.receiveFromQml_SetEmailConfig(0, 1, QStringLiteral("127.0.0.1"));
    app.receiveFromQml_SetEmailConfig(0, 2, QStringLiteral("alarm@example.org"));
    app.receiveFromQml_SetEmailConfig(0, 4, QString::number(mailPort));
    app.receiveFromQml_SetEmailConfig(0, 5, QStringLiteral("0"));
    app.receiveFromQml_SetEmailMessage(0, 2, QStringLiteral("ops@example.org"));
    app.receiveFromQml_SetEmailMessage(0, 5, QStringLiteral("Mains failure"));
    app.receiveFromQml_SetEmailEvent_CheckBox(0, 0, true);
    for (uint event : {1u, 2u})
      app.receiveFromQml_SetEmailEvent_CheckBox(0, event, true);
    app.receiveFromQml_IpcPage_CheckBox(3, true);
  }
  return folder + QStringLiteral("/upsData.db");
}

QByteArray fileContents(const QString &path)
{
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class HeadlessTest : public QObject
{
  Q_OBJECT

private slots:
  void mainsFailureIsLoggedMailedAndShutsThePcDown()
  {
    QTemporaryDir work;
    QVERIFY(work.isValid());
    const QString previous = QDir::currentPath();
    QTemporaryDir tools;
    const QString stub = tools.filePath(QStringLiteral("shutdown"));
    const QString calls = tools.filePath(QStringLiteral("shutdown.log"));
    QFile script(stub);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\necho \"$*\" >> \"$0.log\"\n");
    script.close();
    QVERIFY(script.setPermissions(script.permissions() | QFileDevice::ExeOwner));
    const QString path = tools.path() + QLatin1Char(':') + QString::fromLocal8Bit(qgetenv("PATH"));
    QCOMPARE(QStandardPaths::findExecutable(QStringLiteral("shutdown"), path.split(QLatin1Char(':'))), stub);

    MailServerProcess server;
    QVERIFY(server.port);
    QVERIFY(QDir(work.path()).mkdir(QStringLiteral("setup")));
    const QString prepared = prepareDatabase(work.filePath(QStringLiteral("setup")), server.port);
    QDir::setCurrent(previous);

    SimulatorProcess simulator({"--model", "VT-40A", "--mode", "mains"});
    QVERIFY(!simulator.ports.isEmpty());

    const QString dataFolder = work.filePath(QStringLiteral("state/talvane"));
    QProcess program;
    program.setWorkingDirectory(work.path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PATH"), path);
    env.insert(QStringLiteral("XDG_DATA_HOME"), work.filePath(QStringLiteral("data-home")));
    env.remove(QStringLiteral("QT_QPA_PLATFORM")); // no display of any kind is needed
    env.remove(QStringLiteral("JOURNAL_STREAM"));
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(TALVANE_EXE),
                  {"--headless", "--data-folder", dataFolder, "--import-database", prepared, "--serial-port",
                   simulator.ports.first()});
    QVERIFY(program.waitForStarted());
    QByteArray errors;
    auto logged = [&](const char *text) { return (errors += program.readAllStandardError()).contains(text); };

    QTRY_VERIFY_WITH_TIMEOUT(logged("talvane.events: VT-40A | Mains operation | "), 30000);
    QCOMPARE(QFileInfo(dataFolder).permissions() & 0x0077, QFileDevice::Permissions{}); // owner only
    QVERIFY(QFileInfo::exists(dataFolder + QStringLiteral("/upsData.db")));

    simulator.command(QStringLiteral("mode buffer"));
    QTRY_VERIFY_WITH_TIMEOUT(logged("talvane.events: VT-40A | Buffer operation | "), 20000);
    QElapsedTimer sinceFailure;
    sinceFailure.start();
    QTRY_COMPARE_WITH_TIMEOUT(server.mails().size(), 1, 20000);
    const QJsonObject mail = server.mails().first();
    QCOMPARE(mail.value("subject").toString(), QStringLiteral("VT-40A: Mains failure"));
    QVERIFY(mail.value("text").toString().startsWith(QLatin1String("VT-40A | Buffer operation | ")));

    // The device asks for the shutdown with a delay of 5 s: the stub runs once that is over.
    QTRY_COMPARE_WITH_TIMEOUT(fileContents(calls), QByteArray("-h +0\n"), 30000);
    QVERIFY2(sinceFailure.elapsed() >= 4000, qPrintable(QString::number(sinceFailure.elapsed())));
    QVERIFY(fileContents(work.filePath(QStringLiteral("shutdown.log"))).isEmpty());

    ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
    QVERIFY(program.waitForFinished(15000));
    errors += program.readAllStandardError();
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QVERIFY2(program.exitCode() == 0, errors.constData());
    QVERIFY2(!errors.contains("warning:"), errors.constData());
  }

  // A data folder that cannot be made and a file that is no database of ours stop the start.
  void refusesWhatItCannotUse_data()
  {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("data folder below a file")
        << QStringList{"--data-folder", "afile/below"} << QByteArray("cannot create the data folder");
    QTest::newRow("import of a foreign file")
        << QStringList{"--data-folder", "data", "--import-database", "afile"}
        << QByteArray("cannot import the database");
  }
  void refusesWhatItCannotUse()
  {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, message);
    QTemporaryDir work;
    QFile file(work.filePath(QStringLiteral("afile")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a database\n");
    file.close();
    QProcess program;
    program.setWorkingDirectory(work.path());
    program.start(QStringLiteral(TALVANE_EXE), QStringList{"--headless"} + arguments);
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitCode(), 1);
    const QByteArray errors = program.readAllStandardError();
    QVERIFY2(errors.contains(message), errors.constData());
  }
};

QTEST_GUILESS_MAIN(HeadlessTest)
#include "tst_headless.moc"
