// The PC shutdown on the real window against the simulator: the user allows it on the IPC page and
// answers the question, the device's buffer operation starts the countdown on the window and in
// the tray's tool tip, the stub command runs at the end of the device's delay and the event log
// says so; when the PC keeps running, the port opens again, the device comes back, the log says
// the shutdown did not happen and the device's next request starts a new countdown, which mains
// operation ends. The countdown runs on a clock the test moves.
#include "link/serialPort.h"
#include "realWindow.h"
#include "simulatorProcess.h"
#include "storage/eventControlModel.h"
#include "temporaryWorkingDirectory.h"

#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSerialPortInfo>
#include <QSqlQuery>
#include <QSystemTrayIcon>
#include <QtTest>

#include <memory>

namespace
{
QStringList loggedEvents()
{
  QStringList events;
  QSqlQuery query(QSqlDatabase::database());
  query.exec(QStringLiteral("SELECT device, event FROM EventsTable ORDER BY id"));
  while (query.next())
    events << query.value(0).toString() + QLatin1Char('|') + query.value(1).toString();
  return events;
}

QStringList linesOf(const QString &path)
{
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return {};
  return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

class PcShutdownWindowTest : public QObject
{
  Q_OBJECT

  QTemporaryDir tools;
  QByteArray originalPath;

private slots:
  void initTestCase()
  {
    QCoreApplication::setOrganizationName(QStringLiteral("Norvex"));
    QCoreApplication::setApplicationName(QStringLiteral("Talvane tests"));
    // The stub must be the shutdown command the application finds, never the system's.
    QFile stub(tools.filePath(QStringLiteral("shutdown")));
    QVERIFY(stub.open(QIODevice::WriteOnly));
    // It fails while a file "shutdown.fail" lies beside it, as a shutdown refused by the system.
    stub.write("#!/bin/sh\necho \"$*\" >> \"$0.log\"\n"
               "if [ -e \"$0.fail\" ]; then echo 'Failed to talk to init daemon' >&2; exit 1; fi\n");
    stub.close();
    QVERIFY(stub.setPermissions(stub.permissions() | QFileDevice::ExeOwner));
    originalPath = qgetenv("PATH");
    qputenv("PATH", tools.path().toLocal8Bit() + ':' + originalPath);
    QCOMPARE(QStandardPaths::findExecutable(QStringLiteral("shutdown")), stub.fileName());
  }

  void cleanupTestCase() { qputenv("PATH", originalPath); }

  void countdownCommandAndResumeOnTheWindow()
  {
    SimulatorProcess simulator({QStringLiteral("--model"), QStringLiteral("VT-40A"), QStringLiteral("--mode"),
                                QStringLiteral("mains")});
    QVERIFY(!simulator.ports.isEmpty());
    TemporaryWorkingDirectory workDir;
    // Pictures outside the resources are looked up below the working directory.
    QVERIFY(QFile::link(QStringLiteral(TALVANE_BUILD_DIR "/app"), workDir.path() + QStringLiteral("/app")));
    RealWindow real(simulator.ports);
    QQuickWindow *window = real.window;
    QVERIFY(window);
    upsApp *app = real.app.get();
    AppState &s = appState();
    QDateTime clock(QDate(2024, 3, 1), QTime(8, 0), Qt::UTC);
    s.pcActions.now = [&clock] { return clock; };
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QObject *global = window->findChild<QObject *>(QStringLiteral("idGlobal"));
    auto *banner = window->findChild<QQuickItem *>(QStringLiteral("pcShutdownBanner"));
    auto *countdown = window->findChild<QQuickItem *>(QStringLiteral("pcShutdownCountdownLabel"));
    auto *tray = window->findChild<QSystemTrayIcon *>(QStringLiteral("trayIcon"));
    QVERIFY(global && banner && countdown && tray);
    auto shown = [countdown, banner] {
      return banner->isVisible() ? countdown->property("text").toString() : QString();
    };

    // The user's link: the simulator's port, chosen by hand, with the VT-40A.
    QTRY_VERIFY(s.loop.generalSettingsLoaded);
    s.link.set(LinkFlag::autoDetect, false);
    s.link.set(LinkFlag::portSuspended, false);
    s.ui.processData.comPortList_currentNumber = QSerialPortInfo::availablePorts().size();
    app->receiveFromQml_GetDevicesImage(QStringLiteral("VT-40A"));
    QTRY_VERIFY_WITH_TIMEOUT(s.link.has(LinkFlag::deviceIdentified), 20000);

    // Allowed on the IPC page, once the question is answered with yes.
    global->setProperty("currentPage", 5);
    auto *checkBox = window->findChild<QQuickItem *>(QStringLiteral("pcShutdownCheckBox"));
    QObject *question = window->findChild<QObject *>(QStringLiteral("pcShutdownConfirmBox"));
    QVERIFY(checkBox && question);
    QTRY_VERIFY(checkBox->isVisible());
    checkBox->forceActiveFocus(); // scrolls it into view
    QTest::keyClick(window, Qt::Key_Space);
    QTRY_VERIFY(question->property("opened").toBool());
    QVERIFY(!s.ui.shutdownWindow.pcShutdownEnable);
    auto *footer = question->property("footer").value<QQuickItem *>();
    QVERIFY(footer);
    auto *yes = footer->findChild<QQuickItem *>(QStringLiteral("messageBoxYesButton"));
    QVERIFY(yes);
    clickItem(window, yes);
    QTRY_VERIFY(s.ui.shutdownWindow.pcShutdownEnable);
    QTRY_VERIFY(checkBox->property("checked").toBool());
    QCOMPARE(shown(), QString());

    // Buffer operation: the device asks, with its delay of 5 s.
    simulator.command(QStringLiteral("mode buffer"));
    QTRY_COMPARE_WITH_TIMEOUT(shown(), QStringLiteral("PC shutdown in 5 s"), 10000);
    QVERIFY(tray->toolTip().endsWith(QStringLiteral("\nPC shutdown in 5 s")));
    clock = clock.addSecs(1);
    QTRY_COMPARE(shown(), QStringLiteral("PC shutdown in 4 s"));
    QVERIFY(tray->toolTip().endsWith(QStringLiteral("\nPC shutdown in 4 s")));
    QVERIFY(linesOf(tools.filePath(QStringLiteral("shutdown.log"))).isEmpty());

    clock = clock.addSecs(4);
    QTRY_COMPARE(linesOf(tools.filePath(QStringLiteral("shutdown.log"))), QStringList{"-h +0"});
    QTRY_VERIFY(!app->mainTimer.isActive());
    QCOMPARE(shown(), QStringLiteral("PC shutdown command issued"));
    QVERIFY(!app->serialPort->isOpen());
    QVERIFY(loggedEvents().contains(QStringLiteral("VT-40A|PC shutdown command issued")));
    // The link is let go: the window shows no connection, and the log says so.
    QVERIFY(loggedEvents().contains(QStringLiteral("VT-40A|Disconnected")));
    QQuickItem *mode = real.item(QStringLiteral("footOperationMode"));
    QVERIFY(mode);
    QTRY_VERIFY(mode->property("text").toString().startsWith(QStringLiteral("No connection since ")));
    // The event log still reaches the window: the newest row is the tray's message.
    QTRY_VERIFY(global->property("eventMessage_SystemTray")
                    .toString()
                    .startsWith(QStringLiteral("VT-40A: PC shutdown command issued")));

    // A minute later the PC still runs.
    clock = clock.addSecs(60);
    app->pcShutdownResumeTimer.setInterval(0);
    QTRY_VERIFY(app->mainTimer.isActive());
    QCOMPARE(loggedEvents().filter(QStringLiteral("PC shutdown")).last(),
             QStringLiteral("VT-40A|PC shutdown did not happen; monitoring resumed"));
    QTRY_VERIFY(app->serialPort->isOpen());
    QTRY_VERIFY_WITH_TIMEOUT(s.link.has(LinkFlag::deviceIdentified), 20000);
    QCOMPARE(s.ui.processData.comPortList_currentNumber, QSerialPortInfo::availablePorts().size());
    // Still in buffer operation: a new countdown, from the device's new request.
    QTRY_COMPARE_WITH_TIMEOUT(shown(), QStringLiteral("PC shutdown in 5 s"), 10000);

    simulator.command(QStringLiteral("mode mains"));
    QTRY_COMPARE_WITH_TIMEOUT(shown(), QString(), 10000);
    QCOMPARE(tray->toolTip(), s.ui.companyData.appName);
    QCOMPARE(linesOf(tools.filePath(QStringLiteral("shutdown.log"))).size(), 1);
  }

  // A command that fails: the banner says why, that the PC must go down by hand and when the next
  // attempt comes, and counts the attempts; its button cancels the shutdown until the device's
  // request ends.
  void failedShutdownIsShownAndCanBeCancelled()
  {
    QFile::remove(tools.filePath(QStringLiteral("shutdown.log")));
    QFile fail(tools.filePath(QStringLiteral("shutdown.fail")));
    QVERIFY(fail.open(QIODevice::WriteOnly));
    fail.close();
    SimulatorProcess simulator({QStringLiteral("--model"), QStringLiteral("VT-40A"), QStringLiteral("--mode"),
                                QStringLiteral("mains")});
    QVERIFY(!simulator.ports.isEmpty());
    TemporaryWorkingDirectory workDir;
    QVERIFY(QFile::link(QStringLiteral(TALVANE_BUILD_DIR "/app"), workDir.path() + QStringLiteral("/app")));
    RealWindow real(simulator.ports);
    QVERIFY(real.window);
    AppState &s = appState();
    QDateTime clock(QDate(2024, 3, 1), QTime(8, 0), Qt::UTC);
    s.pcActions.now = [&clock] { return clock; };
    auto *banner = real.item(QStringLiteral("pcShutdownBanner"));
    auto *countdown = real.item(QStringLiteral("pcShutdownCountdownLabel"));
    auto *cancel = real.item(QStringLiteral("pcShutdownCancelButton"));
    auto *tray = real.window->findChild<QSystemTrayIcon *>(QStringLiteral("trayIcon"));
    QVERIFY(banner && countdown && cancel && tray);
    auto shown = [countdown, banner] {
      return banner->isVisible() ? countdown->property("text").toString() : QString();
    };
    QTRY_VERIFY_WITH_TIMEOUT(s.link.has(LinkFlag::deviceIdentified), 30000);
    s.ui.shutdownWindow.pcShutdownEnable = true;

    simulator.command(QStringLiteral("mode buffer"));
    QTRY_COMPARE_WITH_TIMEOUT(shown(), QStringLiteral("PC shutdown in 5 s"), 10000);
    QVERIFY(cancel->isVisible());
    clock = clock.addSecs(5);
    const QString failed =
        QStringLiteral("PC shutdown failed (attempt %1): exit code 1: Failed to talk to init "
                       "daemon. Shut the PC down by hand. Next attempt in %2 s.");
    QTRY_COMPARE(shown(), failed.arg(1).arg(10));
    QVERIFY(tray->toolTip().endsWith(failed.arg(1).arg(10)));
    QVERIFY(s.loop.message.postedMessage.startsWith(QStringLiteral("PC shutdown failed: exit code 1")));
    QVERIFY(real.saveScreenshot(QStringLiteral(SCREENSHOT_DIR), QStringLiteral("pcShutdown_failed")));
    clock = clock.addSecs(4);
    QTRY_COMPARE(shown(), failed.arg(1).arg(6));
    clock = clock.addSecs(6);
    QTRY_COMPARE(shown(), failed.arg(2).arg(10));
    QCOMPARE(linesOf(tools.filePath(QStringLiteral("shutdown.log"))).size(), 2);

    clickItem(real.window, cancel);
    QTRY_COMPARE(shown(), QString());
    QCOMPARE(loggedEvents().filter(QStringLiteral("PC shutdown")).last(),
             QStringLiteral("VT-40A|PC shutdown cancelled by the user; the device's request is ignored until "
                            "it ends"));
    const uint64_t ticks = s.loop.tickCount;
    clock = clock.addSecs(60);
    QTRY_VERIFY(s.loop.tickCount > ticks + 5);
    QCOMPARE(shown(), QString());
    QCOMPARE(linesOf(tools.filePath(QStringLiteral("shutdown.log"))).size(), 2);

    // The device's next request counts again.
    simulator.command(QStringLiteral("mode mains"));
    QTRY_VERIFY_WITH_TIMEOUT(!s.process.pcShutdownRequest, 10000);
    simulator.command(QStringLiteral("mode buffer"));
    QTRY_COMPARE_WITH_TIMEOUT(shown(), QStringLiteral("PC shutdown in 5 s"), 10000);
    fail.remove();
  }
};

QTEST_MAIN(PcShutdownWindowTest)

#include "tst_pcShutdownWindow.moc"
