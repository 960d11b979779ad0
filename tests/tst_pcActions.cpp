// The actions on the PC: program starts after device events, the PC shutdown and the autostart
// entry. Programs and the shutdown command are small shell scripts that record when they ran;
// delays run on a clock the test moves.
#include "actions/autostart.h"
#include "actions/pcActions.h"
#include "app/appState.h"
#include "app/interpreterPass.h"
#include "app/pcShutdownStep.h"
#include "app/upsApp.h"
#include "devices/currentDevice.h"
#include "devices/processInterpretation.h"
#include "storage/upsDataBase.h"
#include "temporaryWorkingDirectory.h"

#include <QSqlQuery>
#include <QtTest>

#include <memory>

namespace
{
void writeScript(const QString &path, const QString &body)
{
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write("#!/bin/sh\n" + body.toUtf8() + '\n');
  file.close();
  QVERIFY(file.setPermissions(file.permissions() | QFileDevice::ExeOwner));
}

QStringList linesOf(const QString &path)
{
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return {};
  return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QStringList loggedEvents()
{
  QStringList events;
  QSqlQuery query(QSqlDatabase::database());
  query.exec("SELECT device, event FROM EventsTable ORDER BY id");
  while (query.next())
    events << query.value(0).toString() + '|' + query.value(1).toString();
  return events;
}

int catalogueIndexOf(const QString &model)
{
  for (int i = 1; i < appState().catalogue.catalogueCount; ++i) {
    if (appState().catalogue.entries[i].name == model)
      return i;
  }
  return -1;
}

// The shell quotes a text for use inside a script.
QString shellQuoted(const QString &text)
{
  return QLatin1Char('\'') + text + QLatin1Char('\'');
}
} // namespace

class PcActionsTest : public QObject
{
  Q_OBJECT

  QTemporaryDir tools; // the scripts, in a folder with a blank in its name below this
  QString toolDir;
  QString programLog, shutdownLog, shutdownExitCode;
  QByteArray originalPath;
  std::unique_ptr<TemporaryWorkingDirectory> workDir;
  std::unique_ptr<upsApp> app;
  QDateTime clock;

  void tick() { QMetaObject::invokeMethod(app.get(), "SystemLoop", Qt::DirectConnection); }
  void tickAt(qint64 milliseconds)
  {
    clock = start().addMSecs(milliseconds);
    tick();
  }
  static QDateTime start() { return QDateTime(QDate(2024, 3, 1), QTime(8, 0)); }

  // Program 1 is the script file itself; program 2 is a shell command line that passes an argument.
  void setPrograms(uint32_t mask1, int delay1, uint32_t mask2 = 0)
  {
    ProgramStartConfig *p = appState().settings.program;
    p[0].path = toolDir + "/record program.sh";
    p[0].signalMask = mask1;
    p[0].seconds = delay1;
    p[1].path = shellQuoted(toolDir + "/record program.sh") + " second";
    p[1].signalMask = mask2;
  }

  void arm(int event, qint64 at)
  {
    clock = start().addMSecs(at);
    AppState &s = appState();
    programStartEvent(s.pcActions.programStart, s.settings.program, clock, event, true, true);
  }
  void check(int event, qint64 at, bool present = true)
  {
    clock = start().addMSecs(at);
    AppState &s = appState();
    programStartEvent(s.pcActions.programStart, s.settings.program, clock, event, false, present);
  }
  bool pending(int program, int event)
  {
    return appState().pcActions.programStart.pending[program][event - 1];
  }

  // Starts program 2 with the test button and waits for it: any start made before it has run by then.
  void runMarker()
  {
    app->receiveFromQml_SetProgramStartTest(1);
    QTRY_VERIFY(linesOf(programLog).contains("second"));
  }

  void requestShutdown(bool request, int delay = 60)
  {
    AppState &s = appState();
    s.ui.shutdownWindow.pcShutdownEnable = true;
    s.process.pcShutdownRequest = request;
    s.process.pcShutdownDelay = delay;
  }
  const PcShutdownState &shutdown() { return appState().pcActions.shutdown; }
  void waitForShutdownCommand()
  {
    QVERIFY(shutdown().command);
    QTRY_VERIFY(shutdown().outcome != PcShutdownState::Outcome::running);
  }
  // A device found by the scan and lost again: no interpreter runs, the last request stays.
  void chooseFoundDevice(const QString &model)
  {
    appState().catalogue.currentCatalogueIndex = static_cast<uint8_t>(catalogueIndexOf(model));
    appState().link.set(LinkFlag::autoDetect, true);
  }
  // The countdown as the window last received it.
  static QString countdownSent(const QSignalSpy &records)
  {
    return records.isEmpty() ? QString()
                             : records.last().first().value<PcShutdownStruct>().pcShutdownCountdown_Text;
  }

private slots:
  void initTestCase()
  {
#ifdef Q_OS_WIN
    QSKIP("programs and the shutdown command are shell scripts here");
#endif
    qRegisterMetaType<PcShutdownStruct>();
    QVERIFY(tools.isValid());
    toolDir = tools.path() + "/my tools";
    QVERIFY(QDir().mkpath(toolDir));
    programLog = toolDir + "/programs.log";
    shutdownLog = toolDir + "/shutdown.log";
    shutdownExitCode = toolDir + "/exit code";
    writeScript(toolDir + "/record program.sh", "echo \"${1:-first}\" >> " + shellQuoted(programLog));
    writeScript(toolDir + "/shutdown",
                "echo \"$*\" >> " + shellQuoted(shutdownLog) + "\ncode=$(cat " +
                    shellQuoted(shutdownExitCode) +
                    ")\n[ \"$code\" = 0 ] || echo 'Failed to talk to init daemon' >&2\n"
                    "exit $code");
    // The stub must be the shutdown command the application finds, never the system's.
    originalPath = qgetenv("PATH");
    qputenv("PATH", toolDir.toLocal8Bit() + ':' + originalPath);
    QCOMPARE(QStandardPaths::findExecutable("shutdown"), toolDir + "/shutdown");
  }

  void cleanupTestCase()
  {
    qputenv("PATH", originalPath);
  }

  void init()
  {
    QFile::remove(programLog);
    QFile::remove(shutdownLog);
    QFile exitCode(shutdownExitCode);
    QVERIFY(exitCode.open(QIODevice::WriteOnly));
    exitCode.write("0\n");
    exitCode.close();
    workDir = std::make_unique<TemporaryWorkingDirectory>();
    resetAppState();
    app = std::make_unique<upsApp>();
    clock = start();
    appState().pcActions.now = [this] { return clock; };
    app->mainTimer.start(3600 * 1000); // it runs, but only the test ticks
    tick();
    appState().link.set(LinkFlag::autoDetect, false);
    appState().link.set(LinkFlag::portSuspended, true);
  }

  void cleanup()
  {
    app.reset();
    workDir.reset();
  }

  // Program 1 on event 3 with 10 s delay: it starts at the first check after the 10 s.
  void programStartsOnceItsDelayIsOver()
  {
    setPrograms(0b1001, 10);
    arm(3, 0);
    check(3, 5000);
    check(3, 10000); // not yet later than the due time
    QVERIFY(pending(0, 3));
    check(3, 10100);
    QVERIFY(!pending(0, 3));
    QTRY_COMPARE(linesOf(programLog), QStringList{"first"});
    check(3, 30000); // started once only
    runMarker();
    QCOMPARE(linesOf(programLog), (QStringList{"first", "second"}));
  }

  void eventEndingEarlyStartsNothing()
  {
    setPrograms(0b1001, 10);
    arm(3, 0);
    check(3, 5000, false);
    QVERIFY(!pending(0, 3));
    check(3, 11000); // present again without a new occurrence: the start is gone
    runMarker();
    QCOMPARE(linesOf(programLog), QStringList{"second"});
  }

  void repeatedEventRestartsTheDelay()
  {
    setPrograms(0b1001, 10);
    arm(3, 0);
    arm(3, 5000);
    check(3, 11000);
    QVERIFY(pending(0, 3));
    check(3, 15100);
    QVERIFY(!pending(0, 3));
    QTRY_COMPARE(linesOf(programLog), QStringList{"first"});
  }

  // Without bit 0 a program is off, whatever its events; the other program keeps its own choice.
  void inactiveProgramStartsNothing()
  {
    setPrograms(0xfffe, 0, 0b1001);
    appState().settings.program[1].seconds = 0;
    arm(3, 0);
    QVERIFY(!pending(0, 3));
    QVERIFY(pending(1, 3));
    check(3, 1000);
    // Program 1 would have been started before program 2.
    QTRY_COMPARE(linesOf(programLog), QStringList{"second"});
  }

  // The test button starts either program at once: no active bit, no event, a delay set.
  void testButtonStartsAtOnce()
  {
    setPrograms(0, 3600);
    app->receiveFromQml_SetProgramStartTest(0);
    app->receiveFromQml_SetProgramStartTest(1);
    app->receiveFromQml_SetProgramStartTest(2); // no such program
    QTRY_COMPARE(linesOf(programLog).size(), 2);
    QStringList lines = linesOf(programLog);
    lines.sort();
    QCOMPARE(lines, (QStringList{"first", "second"}));
  }

  // A test run that does not start or ends with an error says so in the message line, with the
  // shell's or the system's reason or the exit code.
  void testRunFailureIsShown_data()
  {
    QTest::addColumn<int>("program");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing file") << 0 << "/no such folder/tool"
                                  << "^Program 1 could not be started: .*not found$";
    QTest::newRow("unknown command") << 1 << "no-such-tool-7 --all"
                                     << "^Program 2 could not be started: .*no-such-tool-7.*not found$";
    QTest::newRow("file not executable") << 0 << "plain.txt"
                                         << "^Program 1 could not be started: .+";
    QTest::newRow("exit code") << 1 << "failing.sh"
                               << "^Program 2 ended with error code 3$";
    QTest::newRow("command exit code") << 0 << "exit 4"
                                       << "^Program 1 ended with error code 4$";
  }
  void testRunFailureIsShown()
  {
    QFETCH(int, program);
    QFETCH(QString, path);
    QFETCH(QString, message);
    writeScript(toolDir + "/failing.sh", "echo trouble >&2\nexit 3");
    QFile plain(toolDir + "/plain.txt");
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    const QString local = toolDir + '/' + path;
    appState().settings.program[program].path = QFile::exists(local) ? local : path;
    app->receiveFromQml_SetProgramStartTest(program);
    const QRegularExpression expected(message);
    QTRY_VERIFY2(expected.match(appState().loop.message.postedMessage).hasMatch(),
                 qPrintable(appState().loop.message.postedMessage));
    const QString posted = appState().loop.message.postedMessage;
    tick();
    QCOMPARE(appState().ui.processData.extraMessage, posted);
  }

  // A device event seen by the interpreter: armed on its rise, started one pass later (delay 0);
  // a condition present at start-up is logged but starts nothing.
  void deviceEventStartsProgram()
  {
    AppState &s = appState();
    s.catalogue.currentCatalogueIndex = static_cast<uint8_t>(catalogueIndexOf("VT-40A"));
    s.link.set(LinkFlag::deviceIdentified, true);
    s.fields.rxField601 = 0x0001;
    s.fields.rxField102[1] = 2600;
    setPrograms(0b111, 0); // events 1 and 2, but 1 is there from the start
    auto pass = [&s, this](uint32_t statusWord, qint64 at) {
      clock = start().addMSecs(at);
      s.fields.rxField600 = statusWord;
      s.rx.newDataAvailable = true;
      runInterpreterPass(s);
    };
    pass(0x1, 0); // mains operation at start-up
    pass(0x1, 100);
    QVERIFY(!pending(0, 1));
    pass(0x10002, 200); // buffer operation
    QVERIFY(pending(0, 2));
    pass(0x10002, 300);
    QTRY_COMPARE(linesOf(programLog), QStringList{"first"});
  }

  // Enabled, the device asks with 60 s: the command runs at the first tick 60 s after the request,
  // also with no device answering; once it succeeded the event log says so and the application
  // lets go of the device.
  void shutdownRunsAfterTheDevicesDelay()
  {
    chooseFoundDevice("VT-40A");
    requestShutdown(true);
    tickAt(0);
    tickAt(59900);
    QVERIFY(!shutdown().command);
    QVERIFY(app->mainTimer.isActive());
    tickAt(60000);
    waitForShutdownCommand();
    QCOMPARE(linesOf(shutdownLog), QStringList{"-h +0"});
    QVERIFY(!loggedEvents().contains("VT-40A|PC shutdown command issued"));
    tickAt(60100);
    QVERIFY(!app->mainTimer.isActive());
    QVERIFY(appState().link.has(LinkFlag::portSuspended));
    QCOMPARE(loggedEvents().filter("PC shutdown").last(),
             QStringLiteral("VT-40A|PC shutdown command issued"));
    QVERIFY(app->pcShutdownResumeTimer.isActive());
    tickAt(70000);
    QVERIFY(!shutdown().command); // issued once
  }

  // The window gets the seconds left whenever they change, rounded up; the countdown goes when the
  // request goes, and the command's success replaces it.
  void countdownFollowsTheRequest()
  {
    QSignalSpy records(app.get(), &upsApp::sendToQml_ShutdownWindow);
    requestShutdown(true, 60);
    tickAt(0);
    QCOMPARE(countdownSent(records), QStringLiteral("PC shutdown in 60 s"));
    tickAt(500);
    QCOMPARE(countdownSent(records), QStringLiteral("PC shutdown in 60 s"));
    tickAt(1000);
    QCOMPARE(countdownSent(records), QStringLiteral("PC shutdown in 59 s"));
    const int sent = records.size();
    tickAt(1100);
    QCOMPARE(records.size(), sent); // nothing new to show
    tickAt(59001);
    QCOMPARE(countdownSent(records), QStringLiteral("PC shutdown in 1 s"));
    requestShutdown(false);
    tickAt(59500);
    QCOMPARE(countdownSent(records), QString());
    QCOMPARE(appState().ui.shutdownWindow.pcShutdownCountdown_Text, QString());

    // German, and the delay changed by the device starts the countdown again.
    setCurrentLanguage(appState().language, 1);
    requestShutdown(true, 30);
    tickAt(60000);
    QCOMPARE(countdownSent(records), QStringLiteral("PC wird in 30 s heruntergefahren"));
    requestShutdown(true, 5);
    tickAt(70000);
    QCOMPARE(countdownSent(records), QStringLiteral("PC wird in 5 s heruntergefahren"));
    tickAt(75000);
    waitForShutdownCommand();
    tickAt(75100);
    QCOMPARE(countdownSent(records), QStringLiteral("Befehl zum Herunterfahren des PCs erteilt"));
  }

  // A PC still running a minute after the command: the link's settings come back as the user had
  // them (the port itself reopens against the simulator in tst_pcShutdownWindow), the loop runs
  // again, the event log says the shutdown did not happen, and only a new request of the device
  // starts a new countdown.
  void shutdownThatDoesNotHappenResumesTheLink_data()
  {
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("automatic");
    QTest::newRow("found by the scan") << "VT-40A" << true;
    QTest::newRow("port closed by hand") << "" << false;
  }
  void shutdownThatDoesNotHappenResumesTheLink()
  {
    QFETCH(QString, model);
    QFETCH(bool, automatic);
    AppState &s = appState();
    if (automatic)
      chooseFoundDevice(model);
    QSignalSpy records(app.get(), &upsApp::sendToQml_ShutdownWindow);
    requestShutdown(true, 5);
    tickAt(0);
    tickAt(5000);
    waitForShutdownCommand();
    tickAt(5100);
    QVERIFY(!app->mainTimer.isActive());
    QVERIFY(s.link.has(LinkFlag::portSuspended));

    // The minute is over at once.
    app->pcShutdownResumeTimer.setInterval(0);
    QTRY_VERIFY(app->mainTimer.isActive());
    app->pcShutdownResumeTimer.setInterval(60 * 1000);
    QCOMPARE(app->mainTimer.interval(), 3600 * 1000);
    QVERIFY(s.link.has(LinkFlag::portSuspended));
    QCOMPARE(s.link.has(LinkFlag::autoDetect), automatic);
    QCOMPARE(loggedEvents().filter("PC shutdown").last(),
             model + QStringLiteral("|PC shutdown did not happen; monitoring resumed"));
    QCOMPARE(countdownSent(records), QString());
    QVERIFY(!shutdown().armed);

    // The request from before the command is gone; the device's next one counts.
    tickAt(70000);
    QCOMPARE(countdownSent(records), QString());
    requestShutdown(true, 5);
    tickAt(80000);
    QCOMPARE(countdownSent(records), QStringLiteral("PC shutdown in 5 s"));
    tickAt(84900);
    QVERIFY(!shutdown().command);
    tickAt(85000);
    waitForShutdownCommand();
    QCOMPARE(linesOf(shutdownLog).size(), 2);
    tickAt(85100);
    QVERIFY(!app->mainTimer.isActive());
    QCOMPARE(loggedEvents().count(model + "|PC shutdown command issued"), 2);
  }

  void requestThatGoesAwayDropsTheCountdown()
  {
    requestShutdown(true);
    tickAt(0);
    requestShutdown(false);
    tickAt(30000);
    requestShutdown(true);
    tickAt(40000); // a full 60 s again from here
    tickAt(61000);
    tickAt(99900);
    QVERIFY(!shutdown().command);
    tickAt(100000);
    waitForShutdownCommand();
    QCOMPARE(linesOf(shutdownLog).size(), 1);
  }

  void shutdownNeedsTheUsersChoice()
  {
    requestShutdown(true, 0);
    appState().ui.shutdownWindow.pcShutdownEnable = false;
    tickAt(0);
    tickAt(1000);
    QVERIFY(!shutdown().command);
    QVERIFY(!shutdown().armed);
  }

  void debugAndDemoBuildsNeverShutDown_data()
  {
    QTest::addColumn<bool>("debug");
    QTest::newRow("debug") << true;
    QTest::newRow("demo") << false;
  }

  void debugAndDemoBuildsNeverShutDown()
  {
    QFETCH(bool, debug);
    appState().special.debug_version = debug;
    appState().special.demo_version = !debug;
    requestShutdown(true, 5);
    tickAt(0);
    // The line is written in every tick once the time has come.
    QTest::ignoreMessage(QtDebugMsg, "System_Shutdown");
    tickAt(5000);
    QTest::ignoreMessage(QtDebugMsg, "System_Shutdown");
    tickAt(5100);
    QVERIFY(!shutdown().command);
    QVERIFY(app->mainTimer.isActive());
  }

  // A failing command keeps the link, says so on screen (why, that the PC must go down by hand, and
  // each new attempt) and in the event log, and is tried again 10 s after it failed, not sooner.
  void failedShutdownIsReportedAndRetried()
  {
    QFile exitCode(shutdownExitCode);
    QVERIFY(exitCode.open(QIODevice::WriteOnly));
    exitCode.write("1\n");
    exitCode.close();
    appState().catalogue.currentCatalogueIndex = static_cast<uint8_t>(catalogueIndexOf("VT-40A"));
    // A device found by the scan and lost again: no interpreter runs, the last request stays.
    appState().link.set(LinkFlag::autoDetect, true);
    requestShutdown(true, 0);
    tickAt(0);
    tickAt(100);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("shutdown command failed"));
    waitForShutdownCommand();
    tickAt(200);
    tickAt(300);
    QVERIFY(app->mainTimer.isActive());
    const QString reason = QStringLiteral("exit code 1: Failed to talk to init daemon");
    QCOMPARE(appState().ui.processData.extraMessage, "PC shutdown failed: " + reason);
    QVERIFY(loggedEvents().contains("VT-40A|PC shutdown failed: " + reason));
    const PcShutdownStruct &banner = appState().ui.shutdownWindow;
    QCOMPARE(banner.pcShutdownCountdown_Text, "PC shutdown failed (attempt 1): " + reason +
                                                  ". Shut the PC down by hand. Next attempt in 10 s.");
    QVERIFY(banner.pcShutdownFailed);
    QCOMPARE(banner.pcShutdownCancel_Text, QStringLiteral("Cancel shutdown"));
    tickAt(10100);
    QVERIFY(!shutdown().command);
    tickAt(10200);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("shutdown command failed"));
    waitForShutdownCommand();
    tickAt(10300);
    QCOMPARE(linesOf(shutdownLog).size(), 2);
    QCOMPARE(loggedEvents().count("VT-40A|PC shutdown failed: " + reason), 1); // one row per request
    QVERIFY(app->mainTimer.isActive());
    QVERIFY(banner.pcShutdownCountdown_Text.startsWith("PC shutdown failed (attempt 2): "));
  }

  // The countdown can be cancelled: logged, nothing happens while the device keeps asking, and
  // only its next request counts again.
  void cancelledShutdownWaitsForTheNextRequest()
  {
    chooseFoundDevice("VT-40A");
    QSignalSpy records(app.get(), &upsApp::sendToQml_ShutdownWindow);
    requestShutdown(true, 5);
    tickAt(0);
    QCOMPARE(appState().ui.shutdownWindow.pcShutdownCancel_Text, QStringLiteral("Cancel shutdown"));
    app->receiveFromQml_CancelPcShutdown();
    QCOMPARE(countdownSent(records), QString());
    QCOMPARE(loggedEvents().filter("PC shutdown").last(),
             QStringLiteral(
                 "VT-40A|PC shutdown cancelled by the user; the device's request is ignored until it ends"));
    tickAt(5000);
    tickAt(60000);
    QVERIFY(!shutdown().command);
    QCOMPARE(countdownSent(records), QString());

    requestShutdown(false);
    tickAt(61000);
    requestShutdown(true, 5);
    tickAt(62000);
    QCOMPARE(countdownSent(records), QStringLiteral("PC shutdown in 5 s"));
    tickAt(67000);
    waitForShutdownCommand();
  }

  // The choices are read from the device's row when the device is identified, not on every tick.
  void shutdownChoicesAreReadOnConnection()
  {
    AppState &s = appState();
    s.catalogue.currentCatalogueIndex = static_cast<uint8_t>(catalogueIndexOf("VT-40A"));
    Ups_DataBase *db = s.storage.database;
    const uint16_t row = db->deviceRow("Shutdown", "VT-40A");
    db->UpdateRow_inDatabase("Shutdown", "shutdown_active", 3, row);
    runPcShutdownStep(s, {});
    QVERIFY(!s.ui.shutdownWindow.pcShutdownEnable);
    s.link.set(LinkFlag::deviceIdentified, true);
    runPcShutdownStep(s, {});
    QVERIFY(s.ui.shutdownWindow.pcShutdownEnable);
    QVERIFY(s.ui.processData.fastStartup);
    db->UpdateRow_inDatabase("Shutdown", "shutdown_active", 0, row);
    runPcShutdownStep(s, {});
    QVERIFY(s.ui.shutdownWindow.pcShutdownEnable);
  }

  void autostartEntryFollowsTheCheckBox()
  {
    QTemporaryDir config;
    const QByteArray originalConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    appState().scan.extraPorts = QStringList{"/dev/pts/7", "/tmp/my port"};
    const QString entry = config.path() + "/autostart/talvane.desktop";

    app->receiveFromQml_SystemWindow_CheckBox(1, true);
    QFile file(entry);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    file.close();
    QVERIFY(lines.contains("[Desktop Entry]"));
    QVERIFY(lines.contains("Type=Application"));
    QVERIFY(lines.contains(
        "Exec=" + desktopExecLine(QCoreApplication::applicationFilePath(),
                                  {"--serial-port", "/dev/pts/7", "--serial-port", "/tmp/my port"})));
    QVERIFY(lines.contains("Path=" + QDir::currentPath()));

    app->receiveFromQml_SystemWindow_CheckBox(1, false);
    QVERIFY(!QFile::exists(entry));
    qputenv("XDG_CONFIG_HOME", originalConfig);
  }

  void execLineQuoting_data()
  {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("exec");
    QTest::newRow("plain") << "/opt/talvane/talvane" << QStringList{} << "/opt/talvane/talvane";
    QTest::newRow("blank in path, ports")
        << "/home/al/my apps/talvane"
        << QStringList{"--serial-port", "/dev/ttyUSB0", "--serial-port", "/tmp/my port"}
        << R"("/home/al/my apps/talvane" --serial-port /dev/ttyUSB0 )"
           R"(--serial-port "/tmp/my port")";
    // Inside quotes ", `, $ and \ take a backslash; every backslash is then doubled once more.
    QTest::newRow("escaped characters") << R"(/x/"q"$`\)" << QStringList{} << R"("/x/\\"q\\"\\$\\`\\\\")";
    QTest::newRow("percent and empty")
        << "/opt/100%/talvane" << QStringList{""} << R"(/opt/100%%/talvane "")";
  }

  void execLineQuoting()
  {
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(QString, exec);
    QCOMPARE(desktopExecLine(program, arguments), exec);
  }
};

QTEST_MAIN(PcActionsTest)
#include "tst_pcActions.moc"
