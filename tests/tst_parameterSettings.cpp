// Parameter writes of the pages, and saving and restoring a device's parameter set: against the
// request queues and a real database file, and through the serial link to the device simulator.
#include "app/appState.h"
#include "app/settingsRoutine.h"
#include "app/upsApp.h"
#include "common/languageTable.h"
#include "common/timedMessage.h"
#include "common/uiRecords.h"
#include "devices/currentDevice.h"
#include "devices/parameterSettings.h"
#include "link/buildOptions.h"
#include "link/frameCodec.h"
#include "link/linkState.h"
#include "link/requestCycle.h"
#include "link/rxFields.h"
#include "simulatorProcess.h"
#include "storage/upsDataBase.h"
#include "temporaryWorkingDirectory.h"

#include <QSerialPortInfo>
#include <QSqlQuery>
#include <QtTest>

#include <memory>

namespace
{
// The state the parameter commands work on, and nothing more of the application; members are
// named as in the application.
struct ParameterDevice {
  LanguageTable language;
  DeviceCatalogue catalogue;
  LinkState link;
  RxState rx;
  TxState tx;
  RxFields fields;
  RequestCycleState requests;
  SpecialSettings special;
  struct {
    uint16_t managementWord = 0;
  } process;
  struct {
    ProcessData processData;
  } ui;
  struct {
    TimedMessage message;
  } loop;
  struct {
    Ups_DataBase *database = nullptr;
  } storage;
  WriteConfirmation writeConfirmation;

  operator ParameterContext()
  {
    return {link,
            currentCatalogueEntry(catalogue),
            language,
            special.demo_version,
            fields,
            process.managementWord,
            requests,
            tx,
            ui.processData,
            loop.message,
            storage.database,
            rx,
            writeConfirmation};
  }
};

std::unique_ptr<ParameterDevice> device;

ParameterDevice &dev()
{
  return *device;
}

void chooseModel(DeviceCatalogue &catalogue, const QString &model)
{
  for (int i = 1; i < catalogue.catalogueCount; ++i) {
    if (catalogue.entries[i].name == model) {
      catalogue.currentCatalogueIndex = static_cast<uint8_t>(i);
      return;
    }
  }
  QFAIL(qPrintable("no catalogue entry " + model));
}

void chooseModel(const QString &model)
{
  chooseModel(dev().catalogue, model);
}

// A device of the chosen model that is identified, online and has been polled once.
void connectDevice()
{
  ParameterDevice &s = dev();
  s.link.set(LinkFlag::deviceIdentified, true);
  s.link.setStatus(DeviceStatusFlag::offline, false);
  s.requests.subDevicePassDone = true;
}

QByteArray queued(int queueNumber)
{
  const QueuedRequest &q = dev().requests.requestQueue[queueNumber - 1];
  return QByteArray(reinterpret_cast<const char *>(q.payload), q.length);
}

QString storedSet(Ups_DataBase *db, const QString &model)
{
  const uint16_t row = db->Get_dbID_forThisDevice(QStringLiteral("Parameter"), model);
  return row ? db->ReadRow_fromDatabase(QStringLiteral("Parameter"), QStringLiteral("par_settings"), row)
                   .value(0)
             : QString();
}

QString storedSet(const QString &model)
{
  return storedSet(dev().storage.database, model);
}

void storeSet(const QString &model, const QString &text)
{
  Ups_DataBase *db = dev().storage.database;
  const uint16_t row = db->deviceRow(QStringLiteral("Parameter"), model);
  db->UpdateRow_inDatabase(QStringLiteral("Parameter"), QStringLiteral("par_settings"), text, row);
}

int parameterRows()
{
  QSqlQuery query(QStringLiteral("SELECT COUNT(*) FROM Parameter WHERE device <> '0'"));
  return query.next() ? query.value(0).toInt() : -1;
}

// The application on the port found in `extraPorts`, with the model chosen by hand as a user does.
void connectByHand(upsApp &app, const QString &model)
{
  AppState &s = appState();
  QMetaObject::invokeMethod(&app, "SystemLoop", Qt::DirectConnection); // loads the settings
  s.link.set(LinkFlag::autoDetect, false);
  s.link.set(LinkFlag::portSuspended, false);
  s.ui.processData.comPortList_currentNumber = QSerialPortInfo::availablePorts().size();
  chooseModel(s.catalogue, model);
  s.link.setStatus(DeviceStatusFlag::modelChosen, true);
}

// One link cycle without a port: the next request is prepared and built as the real cycle does,
// then the parameter transfer takes its step. Returns the pairs a queued request wrote.
QVector<ParameterPair> linkCycle(ParameterTransfer &transfer)
{
  ParameterDevice &s = dev();
  prepareNextRequest(s.requests, s.tx, s.fields, s.link.has(LinkFlag::deviceIdentified));
  const QByteArray frame = buildTxFrame(s.tx, s.rx);
  runParameterTransferStep(s, transfer);
  QVector<ParameterPair> written;
  if (!(uint8_t(frame.at(3)) & 0x80))
    return written;
  const QByteArray payload = frame.mid(6, uint8_t(frame.at(5)));
  for (int i = 0; i + 4 <= payload.size(); i += 4) {
    auto byte = [&payload](int k) { return uint16_t(uint8_t(payload.at(k))); };
    written << ParameterPair{uint16_t(byte(i) << 8 | byte(i + 1)), uint16_t(byte(i + 2) << 8 | byte(i + 3))};
  }
  return written;
}

const QString vtSet = QStringLiteral(
    "107:2250 105:2790 307:350 604:9 605:32770 606:65 602:13 1305:7 1306:12 1304:90 1303:479 110:1950 ");
} // namespace

Q_DECLARE_METATYPE(QVector<ParameterPair>)

class ParameterSettingsTest : public QObject
{
  Q_OBJECT

  std::unique_ptr<TemporaryWorkingDirectory> workDir;
  std::unique_ptr<Ups_DataBase> database;

private slots:
  void init()
  {
    workDir = std::make_unique<TemporaryWorkingDirectory>();
    device = std::make_unique<ParameterDevice>();
    ParameterDevice &s = dev();
    fillLanguageTable(s.language);
    rebuildDeviceCatalogue(s.catalogue, s.language, true); // all models, VS-1000-00 included
  }

  void cleanup()
  {
    device.reset();
    database.reset();
    workDir.reset();
  }

  // Page setters write the parameter their control stands for, in the parameter queue.
  void pageSettersWriteTheirParameter_data()
  {
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("request"); // hex, empty for none

    QTest::newRow("battery threshold") << "VT-40A"
                                       << "limits" << 0 << "26.5V" << QByteArray("006B0A5A");
    QTest::newRow("battery has one limits list") << "VT-40A"
                                                 << "limits" << 1 << "26.5V" << QByteArray();
    QTest::newRow("turn-on current") << "VS-1700-0"
                                     << "limits" << 0 << "10A" << QByteArray("013103E8");
    QTest::newRow("capacitor threshold") << "VS-1700-0"
                                         << "limits" << 1 << "19.5V" << QByteArray("006B079E");
    QTest::newRow("list text without number") << "VT-40A"
                                              << "limits" << 0 << "" << QByteArray();
    QTest::newRow("battery max buffer time") << "VT-40A"
                                             << "textBox" << 0 << "480" << QByteArray("051701E0");
    QTest::newRow("battery buffer time unlimited") << "VT-40A"
                                                   << "textBox" << 0 << "5000" << QByteArray("05171388");
    QTest::newRow("battery has one text box") << "VT-40A"
                                              << "textBox" << 1 << "60" << QByteArray();
    QTest::newRow("not a whole number") << "VT-40A"
                                        << "textBox" << 0 << "48x" << QByteArray();
    QTest::newRow("above 16 bits") << "VT-40A"
                                   << "textBox" << 0 << "70000" << QByteArray();
    QTest::newRow("capacitor max buffer time clamped") << "VS-1700-0"
                                                       << "textBox" << 0 << "5000" << QByteArray("05170E10");
    QTest::newRow("capacitor max buffer time above 16 bits")
        << "VS-1700-0"
        << "textBox" << 0 << "70000" << QByteArray("05170E10");
    QTest::newRow("capacitor min buffer time of many digits")
        << "VS-5000-0"
        << "textBox" << 1 << "123456789012345678901234567890" << QByteArray("05160E10");
    QTest::newRow("capacitor buffer time not a number") << "VS-1700-0"
                                                        << "textBox" << 0 << "70000s" << QByteArray();
    QTest::newRow("min buffer time 1 sent as 2") << "VS-1700-0"
                                                 << "textBox" << 1 << "1" << QByteArray("05160002");
    QTest::newRow("min buffer time 5000 sent as 3600") << "VS-5000-0"
                                                       << "textBox" << 1 << "5000" << QByteArray("05160E10");
    QTest::newRow("charge low level clamped") << "VS-1700-0"
                                              << "textBox" << 2 << "2" << QByteArray("01F80005");
    QTest::newRow("charge high level clamped") << "VS-1700-0"
                                               << "textBox" << 3 << "99" << QByteArray("01F9005F");
    QTest::newRow("charge high level") << "VS-1700-0"
                                       << "textBox" << 3 << "80" << QByteArray("01F90050");
    QTest::newRow("VS-1000-00 takes no text box") << "VS-1000-00"
                                                  << "textBox" << 1 << "100" << QByteArray();
    QTest::newRow("end of charge") << "VT-40A"
                                   << "management" << 0 << "27.6V" << QByteArray("00690AC8");
    QTest::newRow("charge current") << "VT-40A"
                                    << "management" << 1 << "0.2A" << QByteArray("01330014");
    QTest::newRow("deep discharge") << "VT-40A"
                                    << "management" << 2 << "19.0V" << QByteArray("006E076C");
    QTest::newRow("end of charge per cell") << "VS-1700-0"
                                            << "management" << 0 << "2.4V" << QByteArray("006C00F0");
    QTest::newRow("capacitor has no deep discharge") << "VS-1700-0"
                                                     << "management" << 2 << "19.0V" << QByteArray();
    QTest::newRow("buffer current limit") << "VS-1700-0"
                                          << "overload" << 0 << "44A" << QByteArray("01321130");
    QTest::newRow("second overload value") << "VS-1700-0"
                                           << "overload" << 1 << "44A" << QByteArray("051B002C");
    QTest::newRow("battery has no overload list") << "VT-40A"
                                                  << "overload" << 0 << "22A" << QByteArray();
  }

  void pageSettersWriteTheirParameter()
  {
    QFETCH(QString, model);
    QFETCH(QString, control);
    QFETCH(int, number);
    QFETCH(QString, text);
    QFETCH(QByteArray, request);
    chooseModel(model);
    connectDevice();
    ParameterDevice &s = dev();
    if (control == "limits")
      setLimitsListChoice(s, number, text);
    else if (control == "textBox")
      setLimitsTextBox(s, number, text);
    else if (control == "management")
      setManagementListChoice(s, number, text);
    else
      setOverloadListChoice(s, number, text);
    QCOMPARE(queued(1).toHex().toUpper(), request);
    QCOMPARE(queued(2), QByteArray());
  }

  void clampedBufferTimesAreShownCorrected()
  {
    chooseModel(QStringLiteral("VS-1700-0"));
    connectDevice();
    setLimitsTextBox(dev(), 1, QStringLiteral("1"));
    QCOMPARE(dev().ui.processData.bufferTimeMin_Value, QStringLiteral("2"));
    setLimitsTextBox(dev(), 0, QStringLiteral("5000"));
    QCOMPARE(dev().ui.processData.bufferTimeMax_Value, QStringLiteral("3600"));
    dev().ui.processData.bufferTimeMax_Value = QStringLiteral("120");
    setLimitsTextBox(dev(), 0, QStringLiteral("70000"));
    QCOMPARE(dev().ui.processData.bufferTimeMax_Value, QStringLiteral("3600"));
  }

  void nothingIsWrittenWhileOffline()
  {
    chooseModel(QStringLiteral("VT-40A"));
    connectDevice();
    dev().link.setStatus(DeviceStatusFlag::offline, true);
    setLimitsListChoice(dev(), 0, QStringLiteral("26.5V"));
    setOverloadCheckBox(dev(), 3, true);
    QCOMPARE(queued(1), QByteArray());
    QCOMPARE(queued(2), QByteArray());
    QVERIFY(dev().ui.processData.powerBoost_Checked); // the page keeps the choice
    QCOMPARE(dev().loop.message.postedMessage, languageText(dev().language, TextSlot::writeOffline));
  }

  // Check boxes and the reset button send the whole management word in the control queue.
  void managementWordFromThePages_data()
  {
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("demo");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<QByteArray>("request");

    QTest::newRow("charger control") << "VT-40A" << false << "management" << 0 << true
                                     << QByteArray("025A0001");
    QTest::newRow("12V operation mode")
        << "VT-40A" << false << "management" << 100 << true << QByteArray("025A8000");
    QTest::newRow("no advanced settings on VKL")
        << "VKL-10A-0U" << false << "management" << 100 << true << QByteArray();
    QTest::newRow("no charger control on VS")
        << "VS-1700-0" << false << "management" << 0 << true << QByteArray();
    QTest::newRow("battery fuse operation")
        << "VK-10A-2U" << false << "overloadBehavior" << 0 << true << QByteArray("025A0002");
    QTest::newRow("capacitor hiccup operation")
        << "VS-1700-0" << false << "overloadBehavior" << 1 << true << QByteArray("025A0000");
    QTest::newRow("Power-Boost without Top-Boost control")
        << "VK-10A-2U" << false << "overload" << 3 << true << QByteArray("025A000C");
    QTest::newRow("capacitor Top-Boost")
        << "VS-5000-0" << false << "overload" << 4 << true << QByteArray("025A0008");
    QTest::newRow("demo Top-Boost") << "VS-5000-0" << true << "overload" << 4 << true << QByteArray();
    QTest::newRow("demo overload") << "VS-1700-0" << true << "overloadBehavior" << 0 << true << QByteArray();
    QTest::newRow("fuse reset") << "VS-1700-0" << false << "reset" << 0 << true << QByteArray("025A0001");
    QTest::newRow("no reset bit on VS-1000-00")
        << "VS-1000-00" << false << "reset" << 0 << true << QByteArray();
    QTest::newRow("no reset bit on battery models")
        << "VT-40A" << false << "reset" << 0 << true << QByteArray();
    QTest::newRow("other buttons") << "VS-1700-0" << false << "reset" << 1 << true << QByteArray();
    QTest::newRow("IPC mode") << "VS-5000-0" << false << "ipc" << 4 << true << QByteArray("025A0004");
    QTest::newRow("no IPC mode on VS-1000-00") << "VS-1000-00" << false << "ipc" << 4 << true << QByteArray();
    QTest::newRow("no IPC mode on battery models") << "VT-40A" << false << "ipc" << 4 << true << QByteArray();
  }

  void managementWordFromThePages()
  {
    QFETCH(QString, model);
    QFETCH(bool, demo);
    QFETCH(QString, control);
    QFETCH(int, number);
    QFETCH(bool, checked);
    QFETCH(QByteArray, request);
    chooseModel(model);
    connectDevice();
    ParameterDevice &s = dev();
    s.special.demo_version = demo;
    if (control == "management")
      setManagementCheckBox(s, number, checked);
    else if (control == "overloadBehavior")
      setOverloadBehaviorCheckBox(s, number, checked);
    else if (control == "overload")
      setOverloadCheckBox(s, number, checked);
    else if (control == "reset")
      resetFuseOperation(s, number);
    else
      setIpcMode(s, checked);
    QCOMPARE(queued(2).toHex().toUpper(), request);
    QCOMPARE(queued(1), QByteArray());
  }

  // A change keeps the other choices of the page, and the local copy of the management word takes
  // it at once; the page follows the word the device reports.
  void managementWordKeepsThePageState()
  {
    chooseModel(QStringLiteral("VS-1700-0"));
    connectDevice();
    ParameterDevice &s = dev();
    ProcessData &pd = s.ui.processData;
    showManagementWord(currentCatalogueEntry(s.catalogue), s.special.demo_version, pd,
                       0x0010); // Power-Boost on
    QVERIFY(pd.powerBoost_Checked);
    QVERIFY(pd.overloadBehavior_CheckBox2); // hiccup operation when fuse operation is off
    setOverloadBehaviorCheckBox(s, 0, true);
    QCOMPARE(queued(2).toHex().toUpper(), QByteArray("025A0012"));
    setIpcMode(s, true);
    QCOMPARE(queued(2).toHex().toUpper(), QByteArray("025A0016"));
    QVERIFY(pd.enable_ipcMode);
    QVERIFY(pd.IpcCheckboxChecked);
    QCOMPARE(s.fields.rxField602, uint16_t(0x0016));
    QCOMPARE(s.process.managementWord, uint16_t(0x0016));
    resetFuseOperation(s, 0);
    QCOMPARE(queued(2).toHex().toUpper(), QByteArray("025A0017"));
    QCOMPARE(s.fields.rxField602, uint16_t(0x0016)); // the reset is not a setting of the device
    setOverloadCheckBox(s, 4, true);
    QCOMPARE(queued(2).toHex().toUpper(), QByteArray("025A001E"));

    s.special.demo_version = true;
    s.requests.requestQueue[1] = QueuedRequest{};
    setOverloadCheckBox(s, 3, false);
    QCOMPARE(queued(2), QByteArray());
    QCOMPARE(s.fields.rxField602, uint16_t(0x000E)); // the page shows the choice

    chooseModel(QStringLiteral("VT-40A"));
    showManagementWord(currentCatalogueEntry(s.catalogue), s.special.demo_version, pd, 0x8004);
    QVERIFY(pd.powerBoost_Checked && pd.advancedSettingsChecked_CheckBox1 && !pd.managementChecked_CheckBox1);
    setManagementCheckBox(s, 0, true);
    QCOMPARE(queued(2).toHex().toUpper(), QByteArray("025A8005"));
    QCOMPARE(s.fields.rxField602, uint16_t(0x8005));
    QCOMPARE(s.process.managementWord, uint16_t(0x8005));
    QVERIFY(pd.managementChecked_CheckBox1);
  }

  void savingKeepsOneRowPerModel()
  {
    database = std::make_unique<Ups_DataBase>();
    ParameterDevice &s = dev();
    s.storage.database = database.get();
    connectDevice();
    chooseModel(QStringLiteral("VT-40A"));
    s.fields.rxField107 = 2200;
    saveParameterSet(s);
    QCOMPARE(s.loop.message.postedMessage, QStringLiteral("Save"));
    QVERIFY(storedSet(QStringLiteral("VT-40A")).startsWith(QStringLiteral("107:2200 105:0 ")));
    s.fields.rxField107 = 2300;
    saveParameterSet(s);
    QVERIFY(storedSet(QStringLiteral("VT-40A")).startsWith(QStringLiteral("107:2300 ")));
    QCOMPARE(parameterRows(), 1);

    chooseModel(QStringLiteral("VS-1700-0"));
    s.fields.rxField107 = 1950;
    saveParameterSet(s);
    QCOMPARE(parameterRows(), 2);
    QVERIFY(storedSet(QStringLiteral("VS-1700-0")).startsWith(QStringLiteral("107:1950 108:0 ")));
    QVERIFY(storedSet(QStringLiteral("VT-40A")).startsWith(QStringLiteral("107:2300 ")));
  }

  void savingNeedsAConnectedDevice_data()
  {
    QTest::addColumn<bool>("identified");
    QTest::addColumn<bool>("offline");
    QTest::addColumn<bool>("polled");
    QTest::newRow("not identified") << false << false << true;
    QTest::newRow("offline") << true << true << true;
    QTest::newRow("identified, not yet polled") << true << false << false;
  }

  // Without the device's values a save would store zeros over the good set.
  void savingNeedsAConnectedDevice()
  {
    QFETCH(bool, identified);
    QFETCH(bool, offline);
    QFETCH(bool, polled);
    database = std::make_unique<Ups_DataBase>();
    ParameterDevice &s = dev();
    s.storage.database = database.get();
    chooseModel(QStringLiteral("VT-40A"));
    storeSet(QStringLiteral("VT-40A"), vtSet);
    s.link.set(LinkFlag::deviceIdentified, identified);
    s.link.setStatus(DeviceStatusFlag::offline, offline);
    s.requests.subDevicePassDone = polled;
    saveParameterSet(s);
    QCOMPARE(storedSet(QStringLiteral("VT-40A")), vtSet);
    QCOMPARE(s.loop.message.postedMessage, languageText(s.language, TextSlot::saveParametersOffline));
  }

  // A restore asked for before the sub devices were polled (as at identification) waits for the
  // pass, then sends every usable pair in order, seven per request, one request after the other.
  void restoreWaitsForThePassAndSendsEveryPair()
  {
    database = std::make_unique<Ups_DataBase>();
    ParameterDevice &s = dev();
    s.storage.database = database.get();
    chooseModel(QStringLiteral("VT-40A"));
    storeSet(QStringLiteral("VT-40A"),
             QStringLiteral("9:43690 ") + vtSet + QStringLiteral("108:5 1303: x:1"));
    connectDevice();
    s.requests.subDevicePassDone = false;

    ParameterTransfer transfer;
    restoreParameterSet(s, transfer);
    QCOMPARE(s.loop.message.postedMessage, QStringLiteral("Import"));
    QCOMPARE(queued(1), QByteArray()); // would be dropped before the pass
    QVector<QVector<ParameterPair>> requests;
    for (int i = 0; i < 20; ++i) {
      const QVector<ParameterPair> written = linkCycle(transfer);
      if (!written.isEmpty())
        requests << written;
    }
    QVector<ParameterPair> all;
    for (const QVector<ParameterPair> &r : requests)
      all += r;
    QCOMPARE(all, parseParameterSetText(vtSet, ParameterLayout::Battery).pairs);
    QCOMPARE(requests.size(), 2);
    QCOMPARE(requests.at(0).size(), 7);
    QVERIFY(!transfer.pending());
  }

  // A write of the user that takes the parameter queue first goes out, then the restore goes on.
  void restoreResumesAfterAWriteTookTheQueue()
  {
    database = std::make_unique<Ups_DataBase>();
    ParameterDevice &s = dev();
    s.storage.database = database.get();
    chooseModel(QStringLiteral("VT-40A"));
    storeSet(QStringLiteral("VT-40A"), vtSet);
    connectDevice();
    ParameterTransfer transfer;
    restoreParameterSet(s, transfer);
    QCOMPARE(queued(1).size(), 28);
    setLimitsListChoice(s, 0, QStringLiteral("21.0V"));
    QCOMPARE(linkCycle(transfer), (QVector<ParameterPair>{{107, 2100}}));
    QVector<ParameterPair> restored;
    for (int i = 0; i < 6; ++i)
      restored += linkCycle(transfer);
    QCOMPARE(restored, parseParameterSetText(vtSet, ParameterLayout::Battery).pairs);
  }

  void restoreWaitsWhileOfflineAndStopsWhenTheDeviceIsGone()
  {
    database = std::make_unique<Ups_DataBase>();
    ParameterDevice &s = dev();
    s.storage.database = database.get();
    chooseModel(QStringLiteral("VS-1700-0"));
    storeSet(QStringLiteral("VS-1700-0"), QStringLiteral("107:2300 108:260 305:4200 306:4400 307:150 604:5 "
                                                         "605:32772 602:26 1305:8 1306:15 1304:120 1303:600 "
                                                         "1302:30 1307:44 504:40 505:85 "));
    connectDevice();
    ParameterTransfer transfer;
    restoreParameterSet(s, transfer);
    QCOMPARE(linkCycle(transfer).size(), 7);
    s.link.setStatus(DeviceStatusFlag::offline, true);
    QCOMPARE(linkCycle(transfer).size(), 7); // was queued before the link was lost
    for (int i = 0; i < 5; ++i)
      QCOMPARE(linkCycle(transfer), QVector<ParameterPair>{});
    s.link.setStatus(DeviceStatusFlag::offline, false);
    runParameterTransferStep(s, transfer);
    QCOMPARE(linkCycle(transfer).size(), 2);
    QVERIFY(!transfer.pending());

    restoreParameterSet(s, transfer);
    QCOMPARE(linkCycle(transfer).size(), 7);
    s.link.set(LinkFlag::deviceIdentified, false);
    runParameterTransferStep(s, transfer);
    QVERIFY(!transfer.pending());
    QCOMPARE(queued(1), QByteArray());

    // Another model chosen: the rest of the first model's set is not sent to it.
    s.link.set(LinkFlag::deviceIdentified, true);
    restoreParameterSet(s, transfer);
    QCOMPARE(linkCycle(transfer).size(), 7);
    chooseModel(QStringLiteral("VS-5000-0"));
    runParameterTransferStep(s, transfer);
    for (int i = 0; i < 10; ++i)
      QCOMPARE(linkCycle(transfer), QVector<ParameterPair>{});
  }

  // While the identification is pending nothing is sent; the pages show the restored values.
  void restoreWithoutDeviceShowsTheValues()
  {
    database = std::make_unique<Ups_DataBase>();
    ParameterDevice &s = dev();
    s.storage.database = database.get();
    chooseModel(QStringLiteral("VS-1700-0"));
    storeSet(QStringLiteral("VS-1700-0"), QStringLiteral("107:2300 306:4400 1305:8 602:27 "));
    s.fields.rxField306b = 2200;
    ParameterTransfer transfer;
    restoreParameterSet(s, transfer);
    QVERIFY(!transfer.pending());
    QCOMPARE(queued(1), QByteArray());
    QCOMPARE(s.fields.rxField107, uint16_t(2300));
    QCOMPARE(s.fields.rxField306a, uint16_t(4400));
    QCOMPARE(s.fields.rxField306b, uint16_t(2200));
    QCOMPARE(s.fields.rxField1305Text, QStringLiteral("8s"));
    QCOMPARE(s.fields.rxField602, uint16_t(26));
  }

  void restoreWithoutSavedSetSendsNothing()
  {
    database = std::make_unique<Ups_DataBase>();
    ParameterDevice &s = dev();
    s.storage.database = database.get();
    chooseModel(QStringLiteral("VT-40A"));
    connectDevice();
    ParameterTransfer transfer;
    restoreParameterSet(s, transfer);
    QVERIFY(!transfer.pending());
    QCOMPARE(queued(1), QByteArray());
    QCOMPARE(s.loop.message.postedMessage, QString());
    QCOMPARE(parameterRows(), 0);
  }

  // Save, factory defaults and restore on the simulated device: the restore writes every pair of
  // the saved set, at most seven per request, and the device reports the saved values again.
  void saveFactoryRestoreOnTheDevice_data()
  {
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("userSet");
    QTest::newRow("battery, 12 pairs") << "VT-40A" << vtSet;
    QTest::newRow("capacitor, 16 pairs")
        << "VS-1700-0"
        << "107:2300 108:260 305:4200 306:4400 307:150 604:5 605:32772 602:26 "
           "1305:8 1306:15 1304:120 1303:600 1302:30 1307:44 504:40 505:85 ";
  }

  void saveFactoryRestoreOnTheDevice()
  {
    QFETCH(QString, model);
    QFETCH(QString, userSet);
    const ParameterLayout layout =
        model.startsWith("VS") ? ParameterLayout::Capacitor : ParameterLayout::Battery;
    const QVector<ParameterPair> pairs = parseParameterSetText(userSet, layout).pairs;
    QCOMPARE(pairs.size(), savedParameterIds(layout).size());

    SimulatorProcess sim({"--model", model});
    QCOMPARE(sim.ports.size(), 1);
    resetAppState();
    AppState &s = appState();
    s.scan.extraPorts = sim.ports;
    upsApp app;
    connectByHand(app, model);
    auto reports = [&s](const QVector<ParameterPair> &set) {
      for (const ParameterPair &p : set) {
        if (reportedParameterValue(s.fields, p.id) != p.value)
          return false;
      }
      return true;
    };

    QTRY_VERIFY_WITH_TIMEOUT(s.link.has(LinkFlag::deviceIdentified) && s.requests.subDevicePassDone, 15000);
    for (const ParameterPair &p : pairs) {
      const uint32_t value = p.id == 306 ? (uint32_t(p.value) << 16) | s.fields.rxField306b : p.value;
      sim.command(QStringLiteral("set %1 %2").arg(p.id).arg(value));
    }
    QTRY_VERIFY_WITH_TIMEOUT(reports(pairs), 10000);

    app.receiveFromQml_SetGetSetting(1);
    QCOMPARE(storedSet(s.storage.database, model), userSet);

    int mark = sim.collect().size();
    app.receiveFromQml_SetGetSetting(0);
    QTRY_COMPARE_WITH_TIMEOUT(sim.matching("^FACTORY", mark).size(), 1, 5000);
    QCOMPARE(sim.matching("^WRITE ", mark), QStringList{"WRITE 9=43690 sub=0 cmd=0 arg=0"});
    QTRY_COMPARE_WITH_TIMEOUT(s.fields.rxField107, uint16_t(2200), 5000);

    mark = sim.collect().size();
    app.receiveFromQml_SetGetSetting(2);
    QStringList expected;
    for (const ParameterPair &p : pairs)
      expected << QStringLiteral("WRITE %1=%2 sub=0 cmd=0 arg=0").arg(p.id).arg(p.value);
    QTRY_COMPARE_WITH_TIMEOUT(sim.matching("^WRITE ", mark), expected, 10000);
    // Requests in a row, each with at most seven pairs.
    QVector<int> perRequest;
    for (const QString &line : sim.matching("^(RX|WRITE) ", mark)) {
      if (line.startsWith("RX "))
        perRequest << 0;
      else if (!perRequest.isEmpty())
        ++perRequest.last();
    }
    perRequest.removeAll(0);
    QCOMPARE(perRequest.size(), (pairs.size() + 6) / 7);
    for (int n : perRequest)
      QVERIFY(n <= 7);
    QTRY_VERIFY_WITH_TIMEOUT(reports(pairs), 5000);
    QVERIFY(sim.matching("^(BADRX|TRUNC)").isEmpty());
  }

  // The answer to a write is the first valid frame after the frame that carried it, one cycle late
  // at most; a write that waits in its queue while the device is lost is not sent at all.
  void writeIsConfirmedByTheDevicesAnswer_data()
  {
    QTest::addColumn<int>("answerAfterCycles"); // 0: never
    QTest::addColumn<bool>("lostBeforeSent");
    QTest::addColumn<int>("outcome");
    QTest::newRow("answered at once") << 1 << false << TextSlot::writeConfirmed;
    QTest::newRow("answered one cycle late") << 2 << false << TextSlot::writeConfirmed;
    QTest::newRow("answered too late") << 3 << false << TextSlot::writeUnconfirmed;
    QTest::newRow("never answered") << 0 << false << TextSlot::writeUnconfirmed;
    QTest::newRow("device lost before it went out") << 0 << true << TextSlot::writeOffline;
  }

  void writeIsConfirmedByTheDevicesAnswer()
  {
    QFETCH(int, answerAfterCycles);
    QFETCH(bool, lostBeforeSent);
    QFETCH(int, outcome);
    chooseModel(QStringLiteral("VT-40A"));
    connectDevice();
    ParameterDevice &s = dev();
    const WriteConfirmationContext c{s.link,         s.requests,         s.tx, s.rx, s.language,
                                     s.loop.message, s.writeConfirmation};
    setLimitsTextBox(s, 0, QStringLiteral("30"));
    QCOMPARE(s.loop.message.postedMessage, languageText(s.language, TextSlot::writeSent));
    s.loop.message.postedMessage.clear();
    if (lostBeforeSent) {
      s.link.setStatus(DeviceStatusFlag::offline, true);
      runWriteConfirmationStep(c);
    }
    for (int cycle = 0; cycle < 5 && s.loop.message.postedMessage.isEmpty(); ++cycle) {
      if (cycle == answerAfterCycles)
        ++s.rx.validFrames;
      prepareNextRequest(s.requests, s.tx, s.fields, true);
      buildTxFrame(s.tx, s.rx);
      runWriteConfirmationStep(c);
    }
    QCOMPARE(s.loop.message.postedMessage, languageText(s.language, outcome));
    QCOMPARE(s.writeConfirmation.queue, 0);
  }

  // A page's write says in the message line that it was sent, then that the device answered the
  // frame that carried it; with the device gone, that nothing was sent.
  void pageWriteSaysWhetherTheDeviceConfirmed()
  {
    SimulatorProcess sim({"--model", "VT-40A"});
    resetAppState();
    AppState &s = appState();
    s.scan.extraPorts = sim.ports;
    upsApp app;
    connectByHand(app, QStringLiteral("VT-40A"));
    QTRY_VERIFY_WITH_TIMEOUT(s.link.has(LinkFlag::deviceIdentified) && s.requests.subDevicePassDone, 15000);
    const QString &shown = s.ui.processData.extraMessage;
    auto text = [&s](int slot) { return languageText(s.language, slot); };

    int mark = sim.collect().size();
    app.receiveFromQml_ParameterSetLimitsList_TextBox(0, QStringLiteral("30"));
    QTRY_COMPARE_WITH_TIMEOUT(shown, text(TextSlot::writeSent), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(shown, text(TextSlot::writeConfirmed), 5000);
    QCOMPARE(sim.matching("^WRITE ", mark), QStringList{"WRITE 1303=30 sub=0 cmd=0 arg=0"});

    sim.command(QStringLiteral("silent on"));
    QTRY_VERIFY_WITH_TIMEOUT(s.link.hasStatus(DeviceStatusFlag::offline), 15000);
    app.receiveFromQml_SetBufferTime(QStringLiteral("60"));
    QTRY_COMPARE_WITH_TIMEOUT(shown, text(TextSlot::writeOffline), 5000);
  }

  // The configuration file on the desktop is taken when the device is identified, before its sub
  // devices were polled: its parameter set still reaches the device, every pair of it.
  void desktopConfigurationSetReachesTheDevice()
  {
    QTemporaryDir home;
    const QByteArray previousHome = qgetenv("HOME");
    const QByteArray previousConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/.config")).toUtf8());
    QDir(home.path()).mkpath(QStringLiteral("Desktop"));
    {
      Ups_DataBase file(nullptr, home.path() + QStringLiteral("/Desktop/ups_user_config.db"));
      const uint16_t row = file.deviceRow(QStringLiteral("Parameter"), QStringLiteral("VT-40A"));
      file.UpdateRow_inDatabase(QStringLiteral("Parameter"), QStringLiteral("par_settings"), vtSet, row);
    }

    SimulatorProcess sim({"--model", "VT-40A"});
    resetAppState();
    AppState &s = appState();
    s.scan.extraPorts = sim.ports;
    upsApp app;
    QMetaObject::invokeMethod(&app, "SystemLoop", Qt::DirectConnection); // loads the settings
    app.receiveFromQml_SystemWindow_CheckBox(5, true);                   // take the desktop file
    s.link.set(LinkFlag::autoDetect, true);
    s.link.set(LinkFlag::portSuspended, false);

    QStringList expected;
    for (const ParameterPair &p : parseParameterSetText(vtSet, ParameterLayout::Battery).pairs)
      expected << QStringLiteral("WRITE %1=%2 sub=0 cmd=0 arg=0").arg(p.id).arg(p.value);
    QTRY_COMPARE_WITH_TIMEOUT(sim.matching("^WRITE "), expected, 30000);
    QVERIFY(s.loop.userConfigTaken);
    qputenv("HOME", previousHome);
    qputenv("XDG_CONFIG_HOME", previousConfig);
  }
};

QTEST_MAIN(ParameterSettingsTest)
#include "tst_parameterSettings.moc"
