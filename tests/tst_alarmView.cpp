// The real window against the simulator: every alarm state shows a coloured banner with the time it
// began, colours the foot bar's state, and colours the measured values outside their range.
#include "realWindow.h"
#include "simulatorProcess.h"
#include "temporaryWorkingDirectory.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>
#include <QtTest>

#include <memory>

class AlarmViewTest : public QObject
{
  Q_OBJECT

  std::unique_ptr<TemporaryWorkingDirectory> workDir;
  std::unique_ptr<SimulatorProcess> simulator;
  std::unique_ptr<RealWindow> real;

  QString textOf(const QString &name) { return real->item(name)->property("text").toString(); }

  // The window against a simulated VT-40A behind a fixed port path.
  void startWindow()
  {
    workDir = std::make_unique<TemporaryWorkingDirectory>();
    const QString port = workDir->path() + QStringLiteral("/ups");
    // Pictures outside the resources are looked up below the working directory.
    QFile::link(QStringLiteral(TALVANE_BUILD_DIR "/app"), workDir->path() + QStringLiteral("/app"));
    simulator = std::make_unique<SimulatorProcess>(QStringList{"--model", "VT-40A", "--link", port});
    real = std::make_unique<RealWindow>(QStringList{port});
  }

  void saveScreenshot(const QString &name)
  {
    QVERIFY(real->saveScreenshot(QStringLiteral(SCREENSHOT_DIR), QStringLiteral("alarm_") + name));
  }

private slots:
  void initTestCase()
  {
    QCoreApplication::setOrganizationName(QStringLiteral("Norvex"));
    QCoreApplication::setApplicationName(QStringLiteral("Talvane tests"));
  }

  void cleanup()
  {
    real.reset();
    simulator.reset();
    workDir.reset();
  }

  void alarmStateIsShown_data()
  {
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("banner");
    QTest::addColumn<QString>("valueOutOfRange");
    QTest::addColumn<QString>("colour");
    QTest::newRow("buffer") << "buffer"
                            << "buffer"
                            << "Buffer operation"
                            << "input"
                            << "#d98200";
    QTest::newRow("overload") << "overload"
                              << "overload"
                              << "Overload"
                              << "temperature"
                              << "#c62828";
    QTest::newRow("exchange battery") << "exchange-storage"
                                      << "exchangeStorage"
                                      << "Exchange battery"
                                      << ""
                                      << "#e65100";
    QTest::newRow("IPC shutdown") << "ipc-shutdown"
                                  << "ipcShutdown"
                                  << "IPC shutdown pending"
                                  << "input"
                                  << "#ad1457";
    QTest::newRow("storage near cut-off") << "low-storage"
                                          << "storageLow"
                                          << "Storage nearly empty – about \\d+ min left"
                                          << "storageVoltage"
                                          << "#b71c1c";
    QTest::newRow("no connection") << "silent"
                                   << "noConnection"
                                   << "No connection"
                                   << ""
                                   << "#616161";
  }

  void alarmStateIsShown()
  {
    QFETCH(QString, mode);
    QFETCH(QString, key);
    QFETCH(QString, banner);
    QFETCH(QString, valueOutOfRange);
    QFETCH(QString, colour);
    startWindow();
    QVERIFY(real->window);
    real->window->resize(1366, 768);
    QVERIFY(real->showPage(1));
    QTRY_COMPARE_WITH_TIMEOUT(textOf(QStringLiteral("footOperationMode")), QStringLiteral("Mains operation"),
                              30000);
    QQuickItem *bannerItem = real->item(QStringLiteral("alarmBanner"));
    QVERIFY(!bannerItem->isVisible());

    simulator->command(mode == "silent" ? QStringLiteral("silent on") : QStringLiteral("mode ") + mode);
    // A state shows the time it began; a nearly empty storage the time it has left.
    const QRegularExpression since(key == QStringLiteral("storageLow")
                                       ? QStringLiteral("^%1$").arg(banner)
                                       : QStringLiteral("^%1 since \\d\\d:\\d\\d:\\d\\d$").arg(banner));
    QTRY_VERIFY_WITH_TIMEOUT(since.match(textOf(QStringLiteral("alarmBannerText"))).hasMatch(), 15000);
    QVERIFY(bannerItem->isVisible());
    QCOMPARE(bannerItem->property("color").value<QColor>(), QColor(colour));
    const ProcessData &pd = appState().ui.processData;
    QCOMPARE(pd.alarmState, key);

    // The foot bar shows the same state in the same colour, with its time.
    QQuickItem *foot = real->item(QStringLiteral("footOperationMode"));
    QVERIFY(since.match(foot->property("text").toString()).hasMatch());
    QCOMPARE(real->item(QStringLiteral("footAlarmBackground"))->property("color").value<QColor>(),
             QColor(colour));

    if (!valueOutOfRange.isEmpty())
      QVERIFY2(pd.valuesOutOfRange.contains(valueOutOfRange), qPrintable(pd.valuesOutOfRange.join(',')));
    if (mode == "low-storage") {
      // The alarm lamp too, and a picture for the eye in both languages.
      QTRY_VERIFY(real->item(QStringLiteral("ledRed"))
                      ->property("source")
                      .toString()
                      .endsWith(QStringLiteral("led_red.png")));
      saveScreenshot(QStringLiteral("storageLow_1366x768_en"));
      // The settings page, once built, reports its language first; then the change counts.
      QVERIFY(real->showPage(9));
      QTRY_VERIFY(!appState().commands.ignoreFirstLanguageCall);
      QVERIFY(real->showPage(1));
      real->app->receiveFromQml_ReloadLanguage(1);
      QTRY_VERIFY_WITH_TIMEOUT(textOf(QStringLiteral("alarmBannerText"))
                                   .startsWith(QStringLiteral("Speicher fast leer – noch etwa ")),
                               5000);
      saveScreenshot(QStringLiteral("storageLow_1366x768_de"));
      real->app->receiveFromQml_ReloadLanguage(0);
      QTRY_VERIFY_WITH_TIMEOUT(since.match(textOf(QStringLiteral("alarmBannerText"))).hasMatch(), 5000);
    }
    if (mode == "buffer") {
      QVERIFY2(pd.usvBufferDischargeOutText.contains(QRegularExpression(QStringLiteral(": \\d+ min$"))),
               qPrintable(pd.usvBufferDischargeOutText));
      saveScreenshot(QStringLiteral("buffer_1366x768_en"));
      real->window->resize(1024, 700);
      saveScreenshot(QStringLiteral("buffer_1024x700_en"));
    }

    // The state ends: the banner goes.
    simulator->command(mode == "silent" ? QStringLiteral("silent off") : QStringLiteral("mode mains"));
    QTRY_VERIFY_WITH_TIMEOUT(!bannerItem->isVisible(), 15000);
    QCOMPARE(foot->property("text").toString(), QStringLiteral("Mains operation"));
  }

  // The same device in the same state after a link loss: the state goes on from when it began.
  void stateKeepsItsTimeOverAReconnect()
  {
    startWindow();
    QVERIFY(real->window);
    const ProcessData &pd = appState().ui.processData;
    QTRY_VERIFY_WITH_TIMEOUT(appState().link.deviceLive(), 30000);
    simulator->command(QStringLiteral("mode buffer"));
    QTRY_COMPARE_WITH_TIMEOUT(pd.alarmState, QStringLiteral("buffer"), 15000);
    const QString began = pd.alarmText;
    const QString beganAt = appState().loop.currentTime;
    // The loss and the return take seconds, so a restarted time would differ.
    simulator->command(QStringLiteral("silent on"));
    QTRY_COMPARE_WITH_TIMEOUT(pd.alarmState, QStringLiteral("noConnection"), 15000);
    QTRY_VERIFY(appState().loop.currentTime != beganAt);
    simulator->command(QStringLiteral("silent off"));
    QTRY_COMPARE_WITH_TIMEOUT(pd.alarmState, QStringLiteral("buffer"), 30000);
    QCOMPARE(pd.alarmText, began);

    // A new occurrence begins anew.
    simulator->command(QStringLiteral("mode mains"));
    QTRY_COMPARE_WITH_TIMEOUT(pd.alarmState, QString(), 15000);
    QTRY_VERIFY(appState().loop.currentTime != beganAt);
    simulator->command(QStringLiteral("mode buffer"));
    QTRY_COMPARE_WITH_TIMEOUT(pd.alarmState, QStringLiteral("buffer"), 15000);
    QVERIFY(pd.alarmText != began);
  }
};

QTEST_MAIN(AlarmViewTest)

#include "tst_alarmView.moc"
