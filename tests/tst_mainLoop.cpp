#include "app/appState.h"
#include "app/communicationError.h"
#include "app/upsApp.h"
#include "common/timedMessage.h"
#include "storage/eventControlModel.h"
#include "storage/upsDataBase.h"
#include "temporaryWorkingDirectory.h"

#include <QtTest>

#include <memory>
#include <stdexcept>
#include <vector>

// Runs one main-loop tick the way the timer does.
static void tick(upsApp &app)
{
  QVERIFY(QMetaObject::invokeMethod(&app, "SystemLoop", Qt::DirectConnection));
}

class MainLoopTest : public QObject
{
  Q_OBJECT

  std::unique_ptr<TemporaryWorkingDirectory> workDir;
  std::unique_ptr<upsApp> app;

private slots:
  void init()
  {
    workDir = std::make_unique<TemporaryWorkingDirectory>();
    resetAppState();
    app = std::make_unique<upsApp>();
  }

  void cleanup()
  {
    app.reset();
    workDir.reset();
  }

  // A language stored by an earlier run names the models' texts (labels, lists, event rows) from
  // the first tick on, not only after the user changes it.
  void storedLanguageNamesTheModelTexts()
  {
    appState().storage.database->UpdateRow_inDatabase("SystemMain", "language", "1", 1);
    tick(*app);
    const DeviceCatalogue &catalogue = appState().catalogue;
    QVERIFY(catalogue.catalogueCount > 1);
    QCOMPARE(catalogue.entries[1].signalRowLabels.value(0), QStringLiteral("Netzbetrieb"));
  }

  void firstTickRefreshesTheTextRecordsTwice()
  {
    QSignalSpy mainWindow(app.get(), &upsApp::sendToQml_mainWindow);
    QSignalSpy systemWindow(app.get(), &upsApp::sendToQml_SystemWindow);
    QSignalSpy processData(app.get(), &upsApp::sendToQml_ProcessData);
    tick(*app);
    QCOMPARE(mainWindow.count(), 2);
    QCOMPARE(systemWindow.count(), 2);
    QCOMPARE(processData.count(), 1);
    QCOMPARE(mainWindow.last().at(0).value<MainWindowStruct>().start_Button, QStringLiteral("Start"));
    QVERIFY(appState().loop.generalSettingsLoaded);

    tick(*app);
    QCOMPARE(mainWindow.count(), 2);
    QCOMPARE(processData.count(), 2);
  }

  void fullRefreshUsesTheCurrentLanguage()
  {
    tick(*app);
    QSignalSpy mainWindow(app.get(), &upsApp::sendToQml_mainWindow);
    setCurrentLanguage(appState().language, 1);
    appState().loop.fullRefreshPending = true;
    tick(*app);
    QCOMPARE(mainWindow.count(), 1);
    QCOMPARE(mainWindow.last().at(0).value<MainWindowStruct>().about_Button, QStringLiteral("Info"));
  }

  void tickDuringATickDoesNothingButTheErrorTimer()
  {
    LoopState &loop = appState().loop;
    loop.communicationError = true;
    loop.loopBusy = true;
    QSignalSpy processData(app.get(), &upsApp::sendToQml_ProcessData);
    tick(*app);
    QCOMPARE(processData.count(), 0);
    QVERIFY(loop.currentDate.isEmpty());
    QVERIFY(loop.firstTick);
    QVERIFY(loop.loopBusy);
    QCOMPARE(loop.communicationErrorCountdown.limit, communicationErrorTicks);
  }

  void exceptionAbandonsOnlyThatTick_data()
  {
    QTest::addColumn<bool>("standardException");
    QTest::newRow("std::runtime_error") << true;
    QTest::newRow("other exception") << false;
  }

  void exceptionAbandonsOnlyThatTick()
  {
    QFETCH(bool, standardException);
    QSignalSpy processData(app.get(), &upsApp::sendToQml_ProcessData);
    auto thrower = connect(app.get(), &upsApp::sendToQml_mainWindow, [standardException] {
      if (standardException)
        throw std::runtime_error("step failed");
      throw 42;
    });
    if (standardException)
      QTest::ignoreMessage(QtWarningMsg, "main loop tick abandoned: step failed");
    else
      QTest::ignoreMessage(QtWarningMsg, "main loop tick abandoned by an unknown exception");
    tick(*app);
    QVERIFY(!appState().loop.loopBusy);
    QCOMPARE(processData.count(), 0);

    disconnect(thrower);
    tick(*app);
    QCOMPARE(processData.count(), 1);
  }

  void startWindowIsSentOnceWhenInterpretationStops()
  {
    QSignalSpy startWindow(app.get(), &upsApp::sendToQml_StartWindow);
    tick(*app);
    tick(*app);
    QCOMPARE(startWindow.count(), 1);

    // Offline with manual detection enters the interpretation branch, which arms it again.
    appState().link.set(LinkFlag::portSuspended, true); // no port work in this test
    appState().link.set(LinkFlag::autoDetect, false);
    auto stopInterpretation = [this] {
      appState().link.setStatus(DeviceStatusFlag::offline, true);
      tick(*app);
      appState().link.setStatus(DeviceStatusFlag::offline, false);
      tick(*app);
      tick(*app);
    };
    // The page shows that device already: nothing to send.
    stopInterpretation();
    QCOMPARE(startWindow.count(), 1);
    appState().ui.startWindow.currentDevice = 3;
    stopInterpretation();
    QCOMPARE(startWindow.count(), 2);
    QCOMPARE(startWindow.last().at(0).value<StartWindowStruct>().currentDevice, 3);
  }

  // With nothing changing, the pages are sent nothing; a changed value sends its record once, and
  // a command from a page, even a refused one, has every record sent once more.
  void recordsGoOutOnlyWhenTheyChange()
  {
    tick(*app);
    AppState &s = appState();
    s.link.set(LinkFlag::portSuspended, true); // no port work: the selected model shown offline
    s.link.set(LinkFlag::autoDetect, false);
    s.link.setStatus(DeviceStatusFlag::offline, true);
    QVERIFY(app->receiveFromQml_GetDevicesImage(QStringLiteral("VT-40A")).size() > 0);
    for (int i = 0; i < 5; ++i)
      tick(*app);
    QVERIFY(s.loop.startWindowPending); // the interpreter runs on every tick

    const QMetaObject &meta = upsApp::staticMetaObject;
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (int i = meta.methodOffset(); i < meta.methodOffset() + 12; ++i)
      spies.push_back(std::make_unique<QSignalSpy>(app.get(), meta.method(i)));
    QSignalSpy &processData = *spies[7];
    QSignalSpy &email = *spies[11];
    auto sent = [&spies] {
      QStringList names;
      for (const auto &spy : spies)
        if (spy->count() > 0)
          names << QString::fromLatin1(spy->signal()) + QLatin1Char('x') + QString::number(spy->count());
      return names.join(QLatin1Char(' '));
    };
    auto clearSpies = [&spies] {
      for (const auto &spy : spies)
        spy->clear();
    };
    for (int i = 0; i < 5; ++i)
      tick(*app);
    QCOMPARE(sent(), QString());

    postMessage(s.loop.message, QStringLiteral("Saved"));
    s.ui.emailWindow.email1_ServerValue = QStringLiteral("smtp.example.com");
    for (int i = 0; i < 3; ++i)
      tick(*app);
    QCOMPARE(processData.count(), 1);
    QCOMPARE(processData.last().at(0).value<ProcessData>().extraMessage, QStringLiteral("Saved"));
    QCOMPARE(email.count(), 1);
    QCOMPARE(sent().count(QLatin1Char('x')), 2);

    clearSpies();
    app->receiveFromQml_SystemWindow_CheckBox(99, true); // not a box of the page: nothing changes
    tick(*app);
    QCOMPARE(processData.count(), 1);
    QCOMPARE(email.count(), 1);
    tick(*app);
    QCOMPARE(processData.count(), 1);
  }

  void communicationButtonFollowsThePort()
  {
    tick(*app); // a new installation detects the device automatically: the port is in use
    QCOMPARE(appState().ui.processData.textCommunicationButton, QStringLiteral("Disconnect"));
    QVERIFY(appState().ui.processData.deviceDetectingAutomatically);
    appState().link.set(LinkFlag::autoDetect, false);
    appState().link.set(LinkFlag::portSuspended, true);
    tick(*app);
    QCOMPARE(appState().ui.processData.textCommunicationButton, QStringLiteral("Activate"));
    QCOMPARE(appState().ui.processData.imageComPort, QStringLiteral("qrc:/images/led/led_grey.png"));
  }

  void deviceIdentificationUpdatesTheStatusWindow()
  {
    tick(*app);
    QSignalSpy status(app.get(), &upsApp::sendToQml_StatusWindow);
    QSignalSpy parameter(app.get(), &upsApp::sendToQml_Parameter);
    LoopState &loop = appState().loop;
    loop.currentPotiPicture = QStringLiteral("qrc:/images/company/norvex/devices/VT_40A/poti/3.png");
    appState().link.set(LinkFlag::deviceIdentified, true);
    loop.uiRefreshPending = true; // as an interpreter run would
    tick(*app);
    QCOMPARE(status.count(), 1);
    const StatusWindowStruct st = status.last().at(0).value<StatusWindowStruct>();
    QCOMPARE(st.deviceInfoTitel, QStringLiteral("Device information"));
    QCOMPARE(st.poti_image, loop.currentPotiPicture);
    QCOMPARE(parameter.count(), 1);

    appState().link.set(LinkFlag::deviceIdentified, false);
    loop.uiRefreshPending = true;
    tick(*app);
    QVERIFY(status.last().at(0).value<StatusWindowStruct>().poti_image.isEmpty());
    QCOMPARE(parameter.count(), 1); // the same model's record: the page has it already
  }

  void eventPageClearsAndExportsTheLog()
  {
    tick(*app);
    Ups_DataBase *db = appState().storage.database;
    QVERIFY(db->PrepareInserIntoTable_EVENTS_TABLE("VT-40A", "31.01.2024", "12:00:00", "Mains operation"));
    app->receiveFromQml_DataBase_EventControl(1, QUrl::fromLocalFile(workDir->path()).toString());
    QFile csv(workDir->path() + QStringLiteral("/upsEvents_") +
              QDate::currentDate().toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".csv"));
    // Written on a worker thread; the file appears once it is complete.
    QTRY_VERIFY(csv.exists());
    QVERIFY(csv.open(QIODevice::ReadOnly));
    QCOMPARE(csv.readAll(), QByteArray("VT-40A;31.01.2024;12:00:00;Mains operation\n"));

    app->receiveFromQml_DataBase_EventControl(0, QString());
    QCOMPARE(appState().storage.eventModel->rowCount(), 0);
    app->receiveFromQml_DataBase_EventControl(7, QString()); // other buttons do nothing
  }

  void stopSequenceClosesTheLink()
  {
    appState().link.set(LinkFlag::autoDetect, true);
    appState().link.set(LinkFlag::deviceIdentified, true);
    appState().link.set(LinkFlag::portSuspended, false);
    app.reset();
    const LinkState &link = appState().link;
    QVERIFY(link.has(LinkFlag::portSuspended));
    QVERIFY(!link.has(LinkFlag::autoDetect));
    QVERIFY(!link.has(LinkFlag::deviceIdentified));
    QVERIFY(appState().ui.processData.showCloseMessage);
  }
};

// The timed one-line message, driven tick by tick.
class ExtraMessageTest : public QObject
{
  Q_OBJECT

  LoopState loop;
  QString shown;

  void step(int mode = 0)
  {
    runExtraMessageStep(loop.message, shown, loop.communicationError, mode,
                        QStringLiteral("Device parameters"));
  }

  // Counts the ticks that `text` stays shown, the tick that showed it included.
  int ticksShown(const QString &text)
  {
    int n = 0;
    while (shown == text && n < 1000) {
      step();
      ++n;
    }
    return n;
  }

private slots:
  void init()
  {
    loop = LoopState{};
    shown.clear();
  }

  void messagePostedOnceStaysFiftyTicks()
  {
    postMessage(loop.message, QStringLiteral("Saved"));
    step();
    QCOMPARE(shown, QStringLiteral("Saved"));
    QCOMPARE(ticksShown(QStringLiteral("Saved")), 50);
  }

  void messageStaysForItsOwnDuration()
  {
    postMessage(loop.message, QStringLiteral("Short"), 3);
    step();
    QCOMPARE(ticksShown(QStringLiteral("Short")), 3);
    postMessage(loop.message, QStringLiteral("Default again"));
    step();
    QCOMPARE(ticksShown(QStringLiteral("Default again")), 50);
  }

  void repostingTheSameTextDoesNotRestartIt()
  {
    int ticks = 0;
    for (; ticks < 50; ++ticks) {
      postMessage(loop.message, QStringLiteral("Busy"));
      step();
      QCOMPARE(shown, QStringLiteral("Busy"));
    }
    // The countdown has run out: gone for one tick, then shown again.
    postMessage(loop.message, QStringLiteral("Busy"));
    step();
    QVERIFY(shown.isEmpty());
    postMessage(loop.message, QStringLiteral("Busy"));
    step();
    QCOMPARE(shown, QStringLiteral("Busy"));
  }

  void newMessageReplacesTheShownOne()
  {
    postMessage(loop.message, QStringLiteral("First"));
    step();
    step();
    postMessage(loop.message, QStringLiteral("Second"));
    step();
    QCOMPARE(shown, QStringLiteral("Second"));
    QCOMPARE(ticksShown(QStringLiteral("Second")), 50);
  }

  void offlineIsClearedUnlessModeIsOne_data()
  {
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("stays");
    QTest::newRow("mode 0") << 0 << false;
    QTest::newRow("mode 1") << 1 << true;
    QTest::newRow("mode 3") << 3 << false;
  }

  void offlineIsClearedUnlessModeIsOne()
  {
    QFETCH(int, mode);
    QFETCH(bool, stays);
    postMessage(loop.message, offlineMessage);
    step(mode);
    QCOMPARE(shown, offlineMessage);
    step(mode);
    QCOMPARE(shown == offlineMessage, stays);
  }

  void offlineIsReplacedByAPostedMessageAtOnce()
  {
    postMessage(loop.message, offlineMessage);
    step(0);
    postMessage(loop.message, QStringLiteral("Port opened"));
    step(0);
    QCOMPARE(shown, QStringLiteral("Port opened"));
  }

  void communicationErrorIsHeldFifteenSeconds()
  {
    loop.communicationError = true;
    int ticks = 0;
    while (loop.communicationError && ticks < 1000) {
      runCommunicationErrorTimer(loop);
      ++ticks;
    }
    QCOMPARE(ticks, 151);
    QVERIFY(!loop.communicationErrorSeen);
  }

  void communicationErrorKeepsAMessageUp()
  {
    loop.communicationError = true;
    step();
    QCOMPARE(shown, QStringLiteral("Device parameters"));
    for (int i = 0; i < 200; ++i)
      step();
    QCOMPARE(shown, QStringLiteral("Device parameters"));
  }
};

int main(int argc, char **argv)
{
  QCoreApplication application(argc, argv);
  MainLoopTest mainLoop;
  ExtraMessageTest extraMessage;
  int failures = QTest::qExec(&mainLoop, argc, argv);
  failures += QTest::qExec(&extraMessage, argc, argv);
  return failures;
}

#include "tst_mainLoop.moc"
