// The page commands, against the real database file in a temporary folder.
#include "app/appState.h"
#include "app/upsApp.h"
#include "link/serialPort.h"
#include "storage/upsDataBase.h"
#include "temporaryWorkingDirectory.h"

#include <QtTest>

#include <functional>
#include <memory>

namespace
{
QByteArray queued(int queueNumber)
{
  const QueuedRequest &q = appState().requests.requestQueue[queueNumber - 1];
  return QByteArray(reinterpret_cast<const char *>(q.payload), q.length);
}

QString stored(const QString &table, const QString &column, int row = 1)
{
  return appState()
      .storage.database->ReadRow_fromDatabase(table, column, static_cast<uint16_t>(row))
      .value(0);
}

int catalogueIndexOf(const QString &model)
{
  for (int i = 1; i < appState().catalogue.catalogueCount; ++i) {
    if (appState().catalogue.entries[i].name == model)
      return i;
  }
  return -1;
}
} // namespace

class UiCommandsTest : public QObject
{
  Q_OBJECT

  std::unique_ptr<TemporaryWorkingDirectory> workDir;
  std::unique_ptr<upsApp> app;

  void tick() { QMetaObject::invokeMethod(app.get(), "SystemLoop", Qt::DirectConnection); }

  // Manual detection with the port closed: commands act on state only.
  void quietLink()
  {
    appState().link.set(LinkFlag::autoDetect, false);
    appState().link.set(LinkFlag::portSuspended, true);
  }

private slots:
  void init()
  {
    workDir = std::make_unique<TemporaryWorkingDirectory>();
    resetAppState();
    app = std::make_unique<upsApp>();
    tick();
    quietLink();
  }

  void cleanup()
  {
    app.reset();
    workDir.reset();
  }

  void firstLanguageAndUnitReportsAreIgnored()
  {
    app->receiveFromQml_ReloadLanguage(1);
    app->receiveFromQml_setTemperatureUnit(QStringLiteral("°F"), 1);
    QCOMPARE(appState().language.current, 0);
    QCOMPARE(stored("SystemMain", "language"), QStringLiteral("0"));
    QCOMPARE(stored("SystemMain", "temparatur_unit"), QStringLiteral("0"));

    app->receiveFromQml_ReloadLanguage(1);
    app->receiveFromQml_setTemperatureUnit(QStringLiteral("°F"), 1);
    QCOMPARE(appState().language.current, 1);
    QCOMPARE(appState().ui.processData.currentLanguageNr, 1);
    QCOMPARE(stored("SystemMain", "language"), QStringLiteral("1"));
    QCOMPARE(stored("SystemMain", "temparatur_unit"), QStringLiteral("1"));
    QVERIFY(appState().loop.fullRefreshPending);
    QCOMPARE(appState().catalogue.entries[1].parameter.chargeCurrentLabel, QStringLiteral("Ladestrom"));
  }

  void choosingAModelRefreshesOnlyOnChange()
  {
    const QString photo = app->receiveFromQml_GetDevicesImage(QStringLiteral("VT-40A"));
    QCOMPARE(photo, QStringLiteral("qrc:/images/company/norvex/devices/VT_40A/VT_40A.jpg"));
    QCOMPARE(int(appState().catalogue.currentCatalogueIndex), catalogueIndexOf("VT-40A"));
    QVERIFY(appState().link.hasStatus(DeviceStatusFlag::modelChosen));
    QVERIFY(appState().loop.fullRefreshPending);
    tick();
    app->receiveFromQml_GetDevicesImage(QStringLiteral("VT-40A"));
    QVERIFY(!appState().loop.fullRefreshPending);
    app->receiveFromQml_GetDevicesImage(QStringLiteral("VS-1700-0"));
    QVERIFY(appState().loop.fullRefreshPending);
    // Photos outside the resources become file URLs.
    QVERIFY(app->receiveFromQml_GetDevicesImage(QStringLiteral("VKL-10A-0U"))
                .endsWith(QStringLiteral("/app/images/company/norvex/devices/VKL_10A_0U/VKL_10A_0U.jpg")));
  }

  void unknownModelGivesNoPicture()
  {
    QVERIFY(app->receiveFromQml_GetDevicesImage(QStringLiteral("VT-99")).isEmpty());
    QVERIFY(!appState().link.hasStatus(DeviceStatusFlag::modelChosen));
    QCOMPARE(int(appState().catalogue.currentCatalogueIndex), 0);
  }

  void manualChoiceForgetsTheReportedModel()
  {
    AppState &s = appState();
    s.fields.rxField1[0] = 0xBF034;
    s.fields.rxField1[2] = 0xBF034;
    s.fields.subDevicesSeen = 3;
    app->receiveFromQml_GetDevicesImage(QStringLiteral("VT-40A"));
    QCOMPARE(s.fields.rxField1[0], 0u);
    QCOMPARE(s.fields.rxField1[2], 0u);
    QVERIFY(s.link.hasStatus(DeviceStatusFlag::offline));
    s.fields.subDevicesSeen = 200; // never an index past the slots
    app->receiveFromQml_GetDevicesImage(QStringLiteral("VT-40A"));
  }

  void anotherModelThanTheIdentifiedOneIsIdentifiedAfresh()
  {
    AppState &s = appState();
    s.link.set(LinkFlag::autoDetect, true);
    s.catalogue.currentCatalogueIndex = static_cast<uint8_t>(catalogueIndexOf("VT-40A"));
    s.link.set(LinkFlag::deviceIdentified, true);
    app->receiveFromQml_GetDevicesImage(QStringLiteral("VT-40A"));
    QVERIFY(s.link.has(LinkFlag::deviceIdentified));
    app->receiveFromQml_GetDevicesImage(QStringLiteral("VK-10A-2U"));
    QVERIFY(!s.link.has(LinkFlag::deviceIdentified));
  }

  void windowOptionsAreStoredAsBits_data()
  {
    QTest::addColumn<int>("checkBox");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<int>("stored");
    QTest::newRow("open maximised off") << 3 << false << 1;
    QTest::newRow("open maximised on") << 3 << true << 0;
    QTest::newRow("close message off") << 4 << false << 2;
    QTest::newRow("config file on") << 5 << true << 4;
    QTest::newRow("status page on") << 6 << true << 8;
    QTest::newRow("deny closing on") << 7 << true << 16;
  }

  void windowOptionsAreStoredAsBits()
  {
    QFETCH(int, checkBox);
    QFETCH(bool, checked);
    QFETCH(int, stored);
    app->receiveFromQml_SystemWindow_CheckBox(checkBox, checked);
    QCOMPARE(::stored("SystemMain", "app_open_maximized").toInt(), stored);
  }

  void communicationButtonSwitchesToManualMode()
  {
    AppState &s = appState();
    app->receiveFromQml_SystemWindow_CheckBox(0, true);
    QVERIFY(s.link.has(LinkFlag::autoDetect));
    QVERIFY(!s.link.has(LinkFlag::portSuspended));
    QCOMPARE(stored("SystemMain", "auto_device_detecting"), QStringLiteral("0"));
    app->receiveFromQml_SystemWindow_CheckBox(2, false);
    QVERIFY(!s.link.has(LinkFlag::autoDetect));
    QVERIFY(s.link.has(LinkFlag::portSuspended));
    QCOMPARE(stored("SystemMain", "auto_device_detecting"), QStringLiteral("1"));
    app->receiveFromQml_SystemWindow_CheckBox(2, true);
    QVERIFY(!s.link.has(LinkFlag::portSuspended));
    QCOMPARE(stored("SystemMain", "auto_device_detecting"), QStringLiteral("1"));
  }

  // The port chosen by hand is stored by name as well: after a restart with the list in another
  // order the same port is chosen, and the index shown follows it.
  void chosenPortIsRememberedByName()
  {
    appState().scan.extraPorts = QStringList{"/tmp/first port", "/tmp/second port"};
    app->receiveFromQml_Communication_ComPort(app->serialPort->availablePorts().indexOf("/tmp/second port"));
    app.reset();
    resetAppState();
    appState().scan.extraPorts = QStringList{"/tmp/second port", "/tmp/first port"};
    app = std::make_unique<upsApp>();
    tick(); // the settings are loaded
    appState().link.set(LinkFlag::autoDetect, false);
    appState().link.set(LinkFlag::portSuspended, false);
    tick();
    QCOMPARE(app->serialPort->portName(), QStringLiteral("/tmp/second port"));
    QCOMPARE(appState().ui.processData.comPortList_currentNumber,
             app->serialPort->availablePorts().indexOf("/tmp/second port"));
  }

  void systemOptionsWaitForTheSettings()
  {
    app.reset();
    resetAppState();
    app = std::make_unique<upsApp>(); // no tick yet
    app->receiveFromQml_SystemWindow_CheckBox(7, true);
    QVERIFY(!appState().ui.processData.denyAppClosing);
  }

  void typedTimesAreQueuedOnlyAsWholeNumbers_data()
  {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("payload");
    QTest::newRow("empty") << "" << QByteArray();
    QTest::newRow("letters") << "12a" << QByteArray();
    QTest::newRow("negative") << "-1" << QByteArray();
    QTest::newRow("too large") << "70000" << QByteArray();
    QTest::newRow("fraction") << "1.5" << QByteArray();
    QTest::newRow("300 s") << "300" << QByteArray::fromHex("0515012C");
    QTest::newRow("largest") << " 65535 " << QByteArray::fromHex("0515FFFF");
  }

  void typedTimesAreQueuedOnlyAsWholeNumbers()
  {
    QFETCH(QString, text);
    QFETCH(QByteArray, payload);
    appState().link.setStatus(DeviceStatusFlag::offline, false);
    app->receiveFromQml_SetBufferTime(text);
    QCOMPARE(queued(1), payload);
  }

  void ipcTimesAreClampedOnCapacitorModels()
  {
    app->receiveFromQml_GetDevicesImage(QStringLiteral("VS-1700-0"));
    appState().link.setStatus(DeviceStatusFlag::offline, false);
    app->receiveFromQml_SetIpcTime(2, QStringLiteral("5000")); // shutdown time, at most 600 s
    QCOMPARE(queued(1), QByteArray::fromHex("05180258"));
    app->receiveFromQml_SetIpcTime(1, QStringLiteral("0")); // delay, at least 1 s
    QCOMPARE(queued(1), QByteArray::fromHex("05190001"));
    app->receiveFromQml_SetIpcTime(2, QStringLiteral("4294967296")); // however large
    QCOMPARE(queued(1), QByteArray::fromHex("05180258"));
    app->receiveFromQml_GetDevicesImage(QStringLiteral("VT-40A"));
    appState().link.setStatus(DeviceStatusFlag::offline, false);
    app->receiveFromQml_SetIpcTime(3, QStringLiteral("5000"));
    QCOMPARE(queued(1), QByteArray::fromHex("051A1388"));
  }

  // A device that does not answer is sent nothing: no time, routing word or read is queued.
  void nothingIsQueuedWhileOffline()
  {
    AppState &s = appState();
    app->receiveFromQml_GetDevicesImage(QStringLiteral("VS-1700-0"));
    QVERIFY(s.link.hasStatus(DeviceStatusFlag::offline));
    const QVector<std::function<void()>> commands{
        [&] { app->receiveFromQml_SetBufferTime(QStringLiteral("300")); },
        [&] { app->receiveFromQml_SetIpcTime(1, QStringLiteral("30")); },
        [&] { app->receiveFromQml_SetIpcTime(2, QStringLiteral("120")); },
        [&] { app->receiveFromQml_SetIpcTime(3, QStringLiteral("7")); },
        [&] { app->receiveFromQml_SetSignalOut(14, true, 1); },
        [&] { app->receiveFromQml_SetGetSetting(3); },
    };
    for (int i = 0; i < commands.size(); ++i) {
      commands.at(i)();
      QVERIFY2(queued(1).isEmpty() && queued(2).isEmpty(), qPrintable(QString::number(i)));
    }
  }

  void relayRoutingIsQueuedWhileOnline()
  {
    AppState &s = appState();
    app->receiveFromQml_GetDevicesImage(QStringLiteral("VT-40A"));
    s.link.setStatus(DeviceStatusFlag::offline, false);
    app->receiveFromQml_SetSignalOut(24, true, 3); // row 3 drives relay 24
    QCOMPARE(queued(1), QByteArray::fromHex("025D0004"));
    app->receiveFromQml_SetSignalOut(24, true, 0); // inverted
    QCOMPARE(queued(1), QByteArray::fromHex("025D8004"));
    s.requests.requestQueue[0] = QueuedRequest{};
    s.link.setStatus(DeviceStatusFlag::offline, true);
    app->receiveFromQml_SetSignalOut(14, true, 1);
    QVERIFY(queued(1).isEmpty());
    QCOMPARE(s.fields.rxField604, uint16_t(1)); // kept in memory all the same
  }

  void readingTheParametersIsQueuedWhileOnline()
  {
    AppState &s = appState();
    app->receiveFromQml_SetGetSetting(3);
    QVERIFY(queued(1).isEmpty()); // the chosen model is offline
    s.link.setStatus(DeviceStatusFlag::offline, false);
    app->receiveFromQml_SetGetSetting(3);
    QCOMPARE(queued(1), QByteArray::fromHex("0063"));
    QCOMPARE(s.requests.requestQueue[0].pendingCommand, uint8_t(20));
  }

  void pcShutdownChoiceIsStoredPerDevice()
  {
    app->receiveFromQml_GetDevicesImage(QStringLiteral("VT-40A"));
    app->receiveFromQml_IpcPage_CheckBox(3, true);
    app->receiveFromQml_IpcPage_CheckBox(5, true);
    Ups_DataBase *db = appState().storage.database;
    const uint16_t row = db->Get_dbID_forThisDevice(QStringLiteral("Shutdown"), QStringLiteral("VT-40A"));
    QVERIFY(row > 0);
    QCOMPARE(stored("Shutdown", "shutdown_active", row), QStringLiteral("3"));
  }

  // The settings row is read on the first tick, and the texts are sent again in its language.
  void storedSettingsApplyOnTheFirstTick_data()
  {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("aboutButton");
    QTest::newRow("German") << 1 << "Info";
    QTest::newRow("unknown language") << 7 << "About";
  }

  void storedSettingsApplyOnTheFirstTick()
  {
    QFETCH(int, language);
    QFETCH(QString, aboutButton);
    app.reset();
    {
      Ups_DataBase db;
      db.UpdateRow_inDatabase("SystemMain", "language", language, 1);
      db.UpdateRow_inDatabase("SystemMain", "auto_device_detecting", 1, 1);
      db.UpdateRow_inDatabase("SystemMain", "app_open_maximized", 1 + 4 + 16, 1);
      db.UpdateRow_inDatabase("SystemMain", "temparatur_unit", 1, 1);
      db.UpdateRow_inDatabase("SystemMain", "comport", 2, 1);
    }
    resetAppState();
    app = std::make_unique<upsApp>();
    QSignalSpy mainWindow(app.get(), &upsApp::sendToQml_mainWindow);
    tick();
    QCOMPARE(mainWindow.count(), 2);
    QCOMPARE(mainWindow.last().at(0).value<MainWindowStruct>().about_Button, aboutButton);

    const AppState &s = appState();
    const ProcessData &pd = s.ui.processData;
    QVERIFY(!s.link.has(LinkFlag::autoDetect));
    QVERIFY(s.link.has(LinkFlag::portSuspended)); // manual mode waits for the user
    QVERIFY(!pd.appOpenAsMaximized);
    QVERIFY(pd.showCloseMessage);
    QVERIFY(pd.loadConfigFile_checkBox);
    QVERIFY(!pd.switchToStatusPage);
    QVERIFY(pd.denyAppClosing);
    QCOMPARE(pd.comboBoxTemperatureUnitCurrentIndex, 1);
    QCOMPARE(pd.comPortList_currentNumber, 2);
    QCOMPARE(pd.currentLanguageNr, language == 1 ? 1 : 0);
  }

  // The start page asks for the records of the chosen model: they offer exactly its controls.
  void chosenModelOffersItsControls_data()
  {
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("limits1");
    QTest::addColumn<QString>("limits2");
    QTest::addColumn<bool>("chargerSwitch");
    QTest::addColumn<bool>("slider");
    QTest::addColumn<bool>("advanced");
    QTest::addColumn<bool>("thirdRelay");
    QTest::newRow("battery") << "VK-10A-2U"
                             << "Buffer threshold"
                             << "" << true << false << false << true;
    QTest::newRow("battery, advanced") << "VT-40A"
                                       << "Buffer threshold"
                                       << "" << true << false << true << true;
    QTest::newRow("capacitor, slider") << "VS-5000-0"
                                       << "Turn on current limit"
                                       << "Buffer threshold" << false << true << false << false;
  }
  void chosenModelOffersItsControls()
  {
    QFETCH(QString, model);
    QSignalSpy parameters(app.get(), &upsApp::sendToQml_Parameter);
    QSignalSpy signalTable(app.get(), &upsApp::sendToQml_SignalOutputs);
    QVERIFY(!app->receiveFromQml_GetDevicesImage(model).isEmpty());
    const int index = catalogueIndexOf(model);
    app->receiveFromQml_GetSignalOutputs(index);
    app->receiveFromQml_GetParameter(index);
    QCOMPARE(parameters.count(), 1);
    QCOMPARE(signalTable.count(), 1);

    const auto p = parameters.at(0).at(0).value<DeviceParameterStruct>();
    QTEST(p.limitsLabel_ComboBox1, "limits1");
    QTEST(p.limitsLabel_ComboBox2, "limits2");
    QVERIFY(!p.limitsList_ComboBox1.isEmpty());
    QTEST(!p.managementLabel_CheckBox1.isEmpty(), "chargerSwitch");
    QTEST(!p.management_slider_Image1.isEmpty(), "slider");
    // The end-of-charge voltage is offered once: on the slider or in the list.
    QCOMPARE(p.managementLabel_ComboBox1.isEmpty(), !p.managementLabel_Slider1.isEmpty());
    QVERIFY(!p.managementList_ComboBox1.isEmpty());
    QTEST(!p.advancedSettingsLabel.isEmpty(), "advanced");

    const auto so = signalTable.at(0).at(0).value<SignalOutputsStruct>();
    QVERIFY(so.signal14_Bezeichnung.endsWith(QStringLiteral("14")));
    QVERIFY(!so.signal_Label_Row1.isEmpty());
    QTEST(!so.signal34_Bezeichnung.isEmpty(), "thirdRelay");
    QTEST(so.signal34_Inverted_enabled, "thirdRelay");
  }

  // The routing words held belong to the device they came from: the same model keeps showing them,
  // another one starts without routing until its device reports.
  void chosenModelTableShowsOnlyItsDevicesRouting()
  {
    AppState &s = appState();
    const int vt = catalogueIndexOf(QStringLiteral("VT-40A"));
    app->receiveFromQml_GetSignalOutputs(vt);
    s.fields.rxField604 = 0x8001;
    s.fields.rxField605 = 0x0002;
    QSignalSpy signalTable(app.get(), &upsApp::sendToQml_SignalOutputs);
    app->receiveFromQml_GetSignalOutputs(vt);
    auto so = signalTable.last().at(0).value<SignalOutputsStruct>();
    QVERIFY(so.signal14_Row1 && so.signal14_Inverted && so.signal24_Row2);

    app->receiveFromQml_GetSignalOutputs(catalogueIndexOf(QStringLiteral("VS-1700-0")));
    so = signalTable.last().at(0).value<SignalOutputsStruct>();
    QCOMPARE(so.signal_Label_Row2, QStringLiteral("IPC shutdown"));
    QVERIFY(!so.signal14_Row1 && !so.signal14_Inverted && !so.signal24_Row2);
    QCOMPARE(s.fields.rxField604, uint16_t(0));
    QCOMPARE(signalTable.count(), 2);
  }

  // Backups go into the chosen folder as upsData_<date>.db, whether it comes as a URL or a path.
  void backupCopiesTheDatabaseIntoTheFolder_data()
  {
    QTest::addColumn<bool>("asUrl");
    QTest::newRow("folder URL") << true;
    QTest::newRow("plain path") << false;
  }
  void backupCopiesTheDatabaseIntoTheFolder()
  {
    QFETCH(bool, asUrl);
    QTemporaryDir folder;
    const QString destination = asUrl ? QUrl::fromLocalFile(folder.path()).toString() : folder.path();
    const QString target = folder.path() + QStringLiteral("/upsData_") +
                           QDate::currentDate().toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".db");
    app->receiveFromQml_BackupFile(1, destination);
    QFile copy(target);
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QFile original(QStringLiteral("upsData.db"));
    QVERIFY(original.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), original.readAll());

    // A second backup of the day replaces the first one.
    appState().storage.database->PrepareInserIntoTable_EVENTS_TABLE("VT-40A", "01.01.2026", "10:00:00", "x");
    app->receiveFromQml_BackupFile(1, destination);
    copy.close();
    original.close();
    QVERIFY(copy.open(QIODevice::ReadOnly) && original.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), original.readAll());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 1);
  }

  // Saving, restoring and exporting say in the message line what became of which file.
  void fileActionsSayWhatHappened_data()
  {
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("folderExists");
    QTest::addColumn<QString>("message");
    QTest::newRow("backup") << "backup" << true << "^Backup saved as .*upsData_\\d{8}\\.db$";
    QTest::newRow("backup, no folder") << "backup" << false << "^Backup could not be written to .*upsData_";
    QTest::newRow("export") << "export" << true << "^Event log exported to .*upsEvents_\\d{8}\\.csv$";
    QTest::newRow("export, no folder")
        << "export" << false << "^Event log could not be written to .*upsEvents_";
    QTest::newRow("restore") << "restore" << true << "^Settings restored from .*upsData_\\d{8}\\.db$";
    QTest::newRow("clear") << "clear" << true << "^Event log cleared$";
  }
  void fileActionsSayWhatHappened()
  {
    QFETCH(QString, action);
    QFETCH(bool, folderExists);
    QFETCH(QString, message);
    QTemporaryDir folder;
    const QString destination =
        QUrl::fromLocalFile(folderExists ? folder.path() : folder.path() + QStringLiteral("/missing"))
            .toString();
    if (action == "backup") {
      app->receiveFromQml_BackupFile(1, destination);
    } else if (action == "export") {
      app->receiveFromQml_DataBase_EventControl(1, destination);
    } else if (action == "clear") {
      app->receiveFromQml_DataBase_EventControl(0, QString());
    } else {
      app->receiveFromQml_BackupFile(1, destination);
      const QString backup = QDir(folder.path()).entryList(QDir::Files).value(0);
      QVERIFY(!backup.isEmpty());
      app->receiveFromQml_BackupFile(0, QUrl::fromLocalFile(folder.filePath(backup)).toString());
    }
    const QRegularExpression expected(message);
    const auto shown = [&] {
      tick();
      const AppState &s = appState();
      return expected.match(s.ui.processData.extraMessage).hasMatch() ||
             expected.match(s.loop.message.postedMessage).hasMatch();
    };
    QTRY_VERIFY_WITH_TIMEOUT(shown(), 10000);
  }

  void deviceIndexOutsideTheCatalogueIsIgnored()
  {
    QSignalSpy parameter(app.get(), &upsApp::sendToQml_Parameter);
    app->receiveFromQml_GetParameter(-1);
    app->receiveFromQml_GetSignalOutputs(500);
    QCOMPARE(parameter.count(), 0);
    app->receiveFromQml_GetParameter(2);
    QCOMPARE(parameter.count(), 1);
    QCOMPARE(int(appState().catalogue.currentCatalogueIndex), 2);
  }
};

QTEST_GUILESS_MAIN(UiCommandsTest)
#include "tst_uiCommands.moc"
