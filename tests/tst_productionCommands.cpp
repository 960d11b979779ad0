// The production page's device commands: what each queues for the device, the calibration log,
// and the identity and calibration writes against the device simulator over a pseudo-terminal.
#include "app/appState.h"
#include "app/upsApp.h"
#include "service/ftdiAdapter.h"
#include "service/productionCommands.h"
#include "simulatorProcess.h"
#include "temporaryWorkingDirectory.h"

#include <QSerialPortInfo>
#include <QtTest>

#include <memory>

namespace
{
struct Row {
  Row(int button_ = 0, const QString &kennung_ = {},
      const QStringList &values_ = {"00000", "00000", "00000", "00000"}, const QString &conf1_ = {},
      const QString &conf2_ = {})
      : button(button_), kennung(kennung_), values(values_), conf1(conf1_), conf2(conf2_)
  {
  }
  int button;
  QString kennung;
  QStringList values;
  QString conf1;
  QString conf2;
};

QByteArray queued()
{
  const QueuedRequest &q = appState().requests.requestQueue[0];
  return QByteArray(reinterpret_cast<const char *>(q.payload), q.length).toHex(' ').toUpper();
}

int catalogueIndexOf(const QString &model)
{
  const DeviceCatalogue &c = appState().catalogue;
  for (int i = 1; i < c.catalogueCount; ++i) {
    if (c.entries[i].name == model)
      return i;
  }
  return 0;
}

void chooseModel(const QString &model)
{
  appState().catalogue.currentCatalogueIndex = static_cast<uint8_t>(catalogueIndexOf(model));
}
} // namespace

Q_DECLARE_METATYPE(Row)

class ProductionCommandsTest : public QObject
{
  Q_OBJECT

  std::unique_ptr<TemporaryWorkingDirectory> workDir;
  std::unique_ptr<upsApp> app;

  void tick() { QMetaObject::invokeMethod(app.get(), "SystemLoop", Qt::DirectConnection); }

  void press(const Row &r)
  {
    app->receiveFromQml_Production_Row(r.button, r.kennung, r.values[0], r.values[1], r.values[2],
                                       r.values[3], r.conf1, r.conf2);
  }

  // The back end on `ports`; without ports the link stays closed and commands act on state only.
  void startBackEnd(const QStringList &ports = {})
  {
    resetAppState();
    appState().scan.extraPorts = ports;
    app = std::make_unique<upsApp>();
    tick();
    AppState &s = appState();
    s.link.set(LinkFlag::autoDetect, !ports.isEmpty());
    s.link.set(LinkFlag::portSuspended, ports.isEmpty());
    s.ui.processData.comPortList_currentNumber = QSerialPortInfo::availablePorts().size();
    // Without a port the commands see a device that answers, until the next tick.
    s.link.setStatus(DeviceStatusFlag::offline, false);
  }

private slots:
  void init() { workDir = std::make_unique<TemporaryWorkingDirectory>(); }

  void cleanup()
  {
    app.reset();
    workDir.reset();
  }

  // Each command with the unit chosen first (button 0): the payload in the first queue with its
  // command byte and argument, or nothing queued at all.
  void queuedRequest_data()
  {
    QTest::addColumn<QString>("unit");
    QTest::addColumn<Row>("row");
    QTest::addColumn<QString>("payload");
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("argument");
    const QString v = QStringLiteral("00000");
    QTest::newRow("serial number, master")
        << "0" << Row{1, "", {"1234567", v, v, v}} << "00 63 00 04 00 12 D6 87" << 4 << 10;
    QTest::newRow("batch number, master")
        << "0" << Row{2, "", {"42", v, v, v}} << "00 63 00 03 00 00 00 2A" << 4 << 10;
    QTest::newRow("serial number, sub device 2")
        << "2" << Row{1, "", {"4294967295", v, v, v}} << "00 63 00 06 02 00 04 FF FF FF FF" << 4 << 10;
    QTest::newRow("batch number, sub device 3")
        << "3" << Row{2, "", {"7", v, v, v}} << "00 63 00 06 03 00 03 00 00 00 07" << 4 << 10;
    QTest::newRow("serial number not given") << "0" << Row{1, "", {v, v, v, v}} << "" << 0 << 0;
    QTest::newRow("serial number past 32 bits") << "0" << Row{1, "", {"4294967296", v, v, v}} << "" << 0 << 0;
    QTest::newRow("unit 4 addresses nothing") << "4" << Row{1, "", {"5", v, v, v}} << "" << 0 << 0;
    QTest::newRow("unit 256 is not the master") << "256" << Row{2, "", {"5", v, v, v}} << "" << 0 << 0;
    QTest::newRow("calibration start") << "0" << Row{3, "1"} << "00 58 A1 01 00 00" << 8 << 0;
    QTest::newRow("calibration start, empty position") << "0" << Row{3, ""} << "00 58 A0 01 00 00" << 8 << 0;
    QTest::newRow("calibration start past the list") << "0" << Row{3, "6"} << "" << 0 << 0;
    QTest::newRow("calibration value")
        << "0" << Row{4, "3", {"1234", v, v, v}} << "00 58 B1 10 04 D2" << 8 << 0;
    QTest::newRow("calibration without value") << "0" << Row{4, "5", {v, v, v, v}} << "00 58 CB 10" << 8 << 0;
    QTest::newRow("calibration value past 16 bits") << "0" << Row{4, "0", {"65536", v, v, v}} << "" << 0 << 0;
    QTest::newRow("calibration value past the list") << "0" << Row{4, "9", {"5", v, v, v}} << "" << 0 << 0;
    QTest::newRow("calibration finish") << "0" << Row{5} << "00 58 F0 01 00 00" << 8 << 0;
    QTest::newRow("free field, two values")
        << "0" << Row{10, "1301", {"5", v, "300", v}, "4", "10"} << "05 15 05 2C" << 4 << 10;
    QTest::newRow("free field, no values")
        << "0" << Row{10, "600", {v, v, v, v}, "0", "0"} << "02 58" << 0 << 0;
    QTest::newRow("button 101") << "0" << Row{101, "1", {"1", v, v, v}} << "" << 0 << 0;
    QTest::newRow("unlisted button 7") << "0" << Row{7, "1", {"1", v, v, v}} << "" << 0 << 0;
  }

  void queuedRequest()
  {
    QFETCH(QString, unit);
    QFETCH(Row, row);
    QFETCH(QString, payload);
    QFETCH(int, command);
    QFETCH(int, argument);
    startBackEnd();
    chooseModel(QStringLiteral("VT-40A")); // six calibration commands: A0 A1 B0 B1 CA CB
    press(Row{0, "", {unit, "", "", ""}});
    QCOMPARE(appState().ui.productionWindow.slaveID, unit.toInt());
    press(row);
    QCOMPARE(queued(), payload);
    const QueuedRequest &q = appState().requests.requestQueue[0];
    QCOMPARE(int(q.pendingCommand), command);
    QCOMPARE(int(q.pendingArgument), argument);
  }

  // The page shows the chosen unit's numbers, and nothing for a unit past the sub devices.
  void shownNumbersFollowTheUnit_data()
  {
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("serial");
    QTest::addColumn<QString>("batch");
    QTest::newRow("master") << "0"
                            << "40"
                            << "30";
    QTest::newRow("sub device 3") << "3"
                                  << "43"
                                  << "33";
    QTest::newRow("unit 4") << "4"
                            << ""
                            << "";
    QTest::newRow("unit -1") << "-1"
                             << ""
                             << "";
  }

  void shownNumbersFollowTheUnit()
  {
    QFETCH(QString, unit);
    QFETCH(QString, serial);
    QFETCH(QString, batch);
    startBackEnd();
    RxFields fields;
    for (int sub = 0; sub < subDeviceSlots; ++sub) {
      fields.rxField4[sub] = uint32_t(40 + sub);
      fields.rxField3[sub] = uint32_t(30 + sub);
    }
    press(Row{0, "", {unit, "", "", ""}});
    ProductionWindowStruct &p = appState().ui.productionWindow;
    showIdentityNumbers(p, fields);
    QCOMPARE(p.sn, serial);
    QCOMPARE(p.fa, batch);
  }

  // Choosing a command shows its info; a calibration answered "OK" is logged under the chosen
  // command's name, the next start begins a new line, and an acknowledged finish clears the log.
  void calibrationInfoAndLog()
  {
    startBackEnd();
    chooseModel(QStringLiteral("VT-40A"));
    AppState &s = appState();
    ProductionWindowStruct &p = s.ui.productionWindow;
    press(Row{100, "2"});
    QCOMPARE(p.calibrationCommandsInfo, QStringLiteral("Range: z.B. 40A -> 4000"));
    press(Row{100, "17"}); // past the list: the first command
    QCOMPARE(p.calibrationCommandsInfo, QStringLiteral("Range: 23V-25V -> 2300-2500"));
    press(Row{100, "2"});

    press(Row{4, "2", {"4000", "", "", ""}}); // no answer yet: nothing logged
    QCOMPARE(p.calibrationLogsText, QString());
    s.fields.rxField88b = 1;
    tick();
    QCOMPARE(p.calibrationResponse_Text, QStringLiteral("OK"));
    press(Row{4, "2", {"4000", "", "", ""}});
    QCOMPARE(p.calibrationLogsText, QStringLiteral("Output Current is calibrated."));
    press(Row{3, "2"});
    QCOMPARE(p.calibrationLogsText, QStringLiteral("Output Current is calibrated.\n"));
    s.fields.rxField88b = 0;
    tick();
    press(Row{5});
    QCOMPARE(p.calibrationLogsText, QStringLiteral("Output Current is calibrated.\n"));
    s.fields.rxField88b = 1;
    tick();
    press(Row{5});
    QCOMPARE(p.calibrationLogsText, QString());
  }

  void firmwareFileForTheRefresh_data()
  {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("usable");
    QTest::newRow("image") << "/home/x/fw.bin" << true;
    QTest::newRow("shortest") << "a.bin" << true;
    QTest::newRow("no .bin") << "/home/x/fw.hex" << false;
    QTest::newRow(".bin first") << ".bin" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("too short") << "bin" << false;
  }

  void firmwareFileForTheRefresh()
  {
    QFETCH(QString, path);
    QFETCH(bool, usable);
    QCOMPARE(firmwareFileUsable(path), usable);
  }

  // Without an adapter the list holds the one entry saying so, and the link's port choice is back.
  void listingWithoutAdapter()
  {
    QTemporaryDir nowhere;
    setSimulatedAdapterSocket(nowhere.filePath(QStringLiteral("none")));
    startBackEnd();
    AppState &s = appState();
    s.link.set(LinkFlag::portSuspended, false);
    s.serviceLog->append(QStringLiteral("old text"));
    press(Row{20, "", {"", "", "", ""}});
    QTRY_COMPARE(s.production.ftdiDescriptions, QStringList{"No FT-Devices devices found"});
    QCOMPARE(s.serviceLog->text(), QStringLiteral("Interface is Refreshed.\n"));
    QVERIFY(!s.link.has(LinkFlag::portSuspended));
    // The list's choice is only stored.
    press(Row{20, "", {"", "", "", "ComboBoxUpdate"}, "", "VS-1700-0"});
    QCOMPARE(s.production.ftdiDescription, QStringLiteral("VS-1700-0"));
    setSimulatedAdapterSocket(QString());
  }

  // The refresh with a firmware file: started only for a path with ".bin", with the port closed
  // and the names the page chose (or the connected model's, when the adapter is not reprogrammed).
  void refreshWithFirmwareFile_data()
  {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("program");
    QTest::addColumn<bool>("started");
    QTest::addColumn<QString>("expected");
    QTest::newRow("image, reprogrammed") << "/tmp/fw.bin"
                                         << "1" << true << "VS-1700-0";
    QTest::newRow("image, as it is") << "/tmp/fw.bin"
                                     << "0" << true << "VK-10A-2U";
    QTest::newRow("no .bin") << "/tmp/fw.hex"
                             << "1" << false << "";
    QTest::newRow("no path") << ""
                             << "1" << false << "";
  }

  void refreshWithFirmwareFile()
  {
    QFETCH(QString, path);
    QFETCH(QString, program);
    QFETCH(bool, started);
    QFETCH(QString, expected);
    QTemporaryDir nowhere;
    setSimulatedAdapterSocket(nowhere.filePath(QStringLiteral("none")));
    startBackEnd();
    AppState &s = appState();
    chooseModel(QStringLiteral("VK-10A-2U"));
    s.link.set(LinkFlag::deviceIdentified, true);
    s.link.set(LinkFlag::portSuspended, false);
    press(Row{21, "", {"", "", "", "ComboBoxUpdate"}, "", "VS-1700-0"});
    QCOMPARE(s.preparation.ftdiRefreshState, 0u);
    press(Row{24, "", {"", "", "", ""}, program, path});
    QCOMPARE(s.preparation.ftdiRefreshState != 0, started);
    if (started) {
      QCOMPARE(s.preparation.targetModel, expected);
      QCOMPARE(s.preparation.expectedDescription, expected);
      QCOMPARE(s.preparation.firmwarePath, path);
      QCOMPARE(s.preparation.programRequested, program == "1");
    } else {
      QVERIFY(!s.link.has(LinkFlag::portSuspended));
    }
    setSimulatedAdapterSocket(QString());
  }

  // Nothing is queued for a device that does not answer.
  void offlineDeviceGetsNothing()
  {
    startBackEnd();
    chooseModel(QStringLiteral("VT-40A"));
    appState().link.setStatus(DeviceStatusFlag::offline, true);
    for (const Row &row : {Row{1, "", {"5", "", "", ""}}, Row{3, "0"}, Row{4, "0", {"5", "", "", ""}}, Row{5},
                           Row{10, "600", {"1", "", "", ""}, "4", "10"}}) {
      press(row);
      QCOMPARE(queued(), QString());
    }
  }

  // A model without calibration commands: choosing one shows nothing and no step is queued.
  void modelWithoutCalibration()
  {
    startBackEnd();
    chooseModel(QString()); // no model chosen
    press(Row{100, "0"});
    press(Row{3, "0"});
    QCOMPARE(appState().ui.productionWindow.calibrationCommandsInfo, QString());
    QCOMPARE(queued(), QString());
  }

  // Against the device: serial and batch numbers of the master and of a storage module are written
  // and read back, and a calibration step is acknowledged with "OK".
  void writesReachTheDevice()
  {
    SimulatorProcess sim({"--model", "VT-40A", "--sub-devices", "1"});
    QVERIFY(!sim.ports.isEmpty());
    startBackEnd(sim.ports);
    AppState &s = appState();
    QTRY_VERIFY_WITH_TIMEOUT(s.link.has(LinkFlag::deviceIdentified) && s.requests.subDevicePassDone, 30000);
    const struct {
      QString unit;
      int button;
      QString number;
      QString logged;
    } writes[] = {
        {"0", 1, "1234567", "WRITE 4=1234567 sub=0 cmd=4 arg=10"},
        {"0", 2, "7654321", "WRITE 3=7654321 sub=0 cmd=4 arg=10"},
        {"1", 1, "1001", "WRITE 4=1001 sub=1 cmd=4 arg=10"},
        {"1", 2, "2002", "WRITE 3=2002 sub=1 cmd=4 arg=10"},
    };
    for (const auto &w : writes) {
      press(Row{0, "", {w.unit, "", "", ""}});
      press(Row{w.button, "", {w.number, "", "", ""}});
      QTRY_VERIFY_WITH_TIMEOUT(!sim.matching(QRegularExpression::escape(w.logged)).isEmpty(), 10000);
      ProductionWindowStruct &p = s.ui.productionWindow;
      QTRY_COMPARE_WITH_TIMEOUT(w.button == 1 ? p.sn : p.fa, w.number, 10000);
    }

    chooseModel(QStringLiteral("VT-40A"));
    press(Row{100, "1"});
    press(Row{3, "1"});
    QTRY_VERIFY_WITH_TIMEOUT(!sim.matching(QStringLiteral("^CALIB A1 01 00 00$")).isEmpty(), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(s.ui.productionWindow.calibrationResponse_Text, QStringLiteral("OK"), 10000);
    press(Row{4, "1", {"2400", "", "", ""}});
    QCOMPARE(s.ui.productionWindow.calibrationLogsText, QStringLiteral("Battery Voltage is calibrated."));
    QTRY_VERIFY_WITH_TIMEOUT(!sim.matching(QStringLiteral("^CALIB A1 10 09 60$")).isEmpty(), 10000);

    // A step the device does not know, sent as a free field write, is not acknowledged.
    press(Row{10, "88", {"161", "34", "00000", "00000"}, "8", "0"});
    QTRY_VERIFY_WITH_TIMEOUT(!sim.matching(QStringLiteral("^CALIB A1 22$")).isEmpty(), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(s.ui.productionWindow.calibrationResponse_Text, QString(), 10000);
  }
};

QTEST_MAIN(ProductionCommandsTest)
#include "tst_productionCommands.moc"
