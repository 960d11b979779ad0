// The real serial transport and request cycle talking to the device simulator over pseudo-terminals.
#include "app/appState.h"
#include "app/stateParts.h"
#include "app/upsApp.h"
#include "devices/currentDevice.h"
#include "link/linkCycle.h"
#include "link/serialPort.h"
#include "simulatorProcess.h"
#include "temporaryWorkingDirectory.h"

#include <QSerialPortInfo>
#include <QSqlQuery>
#include <QtTest>

#include <atomic>
#include <memory>

namespace
{
const QString identificationRequest = QStringLiteral("AB CD 01 00 00 08 00 01 00 02 00 03 00 04 6B 0D 0A");
constexpr uint32_t vt40ModelCode = 0x000BF034;

int catalogueIndexOf(const QString &model)
{
  const DeviceCatalogue &c = appState().catalogue;
  for (int i = 1; i < c.catalogueCount; ++i) {
    if (c.entries[i].name == model)
      return i;
  }
  return 0;
}

// Runs the application back end with the given extra ports: in automatic mode, or in manual mode
// on the first of them with `model` chosen on the start page.
std::unique_ptr<upsApp> startBackEnd(const QStringList &ports, bool automatic, const QString &model = {})
{
  resetAppState();
  AppState &s = appState();
  s.scan.extraPorts = ports;
  auto app = std::make_unique<upsApp>();
  QMetaObject::invokeMethod(app.get(), "SystemLoop", Qt::DirectConnection); // loads the settings
  s.link.set(LinkFlag::autoDetect, automatic);
  s.link.set(LinkFlag::portSuspended, false);
  s.ui.processData.comPortList_currentNumber = QSerialPortInfo::availablePorts().size();
  if (!model.isEmpty()) {
    s.catalogue.currentCatalogueIndex = static_cast<uint8_t>(catalogueIndexOf(model));
    s.link.setStatus(DeviceStatusFlag::modelChosen, true);
  }
  return app;
}
} // namespace

class SerialLinkTest : public QObject
{
  Q_OBJECT

  TemporaryWorkingDirectory workDir;

private slots:
  void init() { QFile::remove(QStringLiteral("upsData.db")); }

  // The link on its own, with nothing of the application around it: the port chosen by hand asks
  // the device for its identity and stores what it answers.
  void linkAloneReadsTheDevicesIdentity()
  {
    SimulatorProcess sim({"--model", "VT-40A"});
    LinkParts parts;
    parts.scan.extraPorts = sim.ports;
    SerialPort port(parts.context());
    initialiseLinkState(parts.context());
    parts.link.set(LinkFlag::portSuspended, false);
    int portIndex = port.availablePorts().indexOf(sim.ports.constFirst());
    QVERIFY(portIndex >= 0);
    QTimer cycle;
    QObject::connect(&cycle, &QTimer::timeout, [&] { runLinkCycle(port, portIndex, 0); });
    cycle.start(100);
    QTRY_COMPARE_WITH_TIMEOUT(parts.fields.rxField1[0], vt40ModelCode, 15000);
    QVERIFY(parts.fields.subDevicesSeen != 0); // a new identity, for the device layer to match
    QVERIFY(!sim.matching("^RX 9600 " + identificationRequest).isEmpty());
    QVERIFY(sim.matching("^BADRX").isEmpty());
  }

  // A port chosen by hand is kept by name when the list's order changes; a name that is gone
  // leaves the chosen index.
  void chosenPortIsKeptByName()
  {
    LinkParts parts;
    SerialPort port(parts.context(), [] { return QStringList{"ttyUSB1", "ttyS0", "ttyUSB0"}; });
    initialiseLinkState(parts.context());
    parts.link.set(LinkFlag::portSuspended, false);
    parts.scan.chosenPortName = QStringLiteral("ttyUSB0");
    int index = 0; // stored while the list was another
    manualPortCycle(port, index, 0);
    QCOMPARE(index, 2);
    QCOMPARE(port.portName(), QStringLiteral("ttyUSB0"));

    parts.scan.chosenPortName = QStringLiteral("ttyACM7");
    parts.scan.rememberedPortNumber.clear(); // the next cycle selects again
    index = 1;
    manualPortCycle(port, index, 0);
    QCOMPARE(index, 1);
    QCOMPARE(port.portName(), QStringLiteral("ttyS0"));
  }

  // The system's ports are listed on another thread: while a listing hangs, the ticks go on with the
  // last list (system ports first, then the command line's), and the new list arrives when it ends.
  void ticksDoNotWaitForThePortListing()
  {
    QSemaphore release;
    std::atomic<int> listings{0};
    std::atomic<QThread *> listingThread{nullptr};
    const PortEnumerator enumerate = [&] {
      const int n = listings++;
      if (n == 1) {
        listingThread = QThread::currentThread();
        release.acquire(); // the second listing hangs until the test lets it go
      }
      return n == 0 ? QStringList{"ttyFirst"} : QStringList{"ttyLater"};
    };
    LinkParts parts;
    parts.scan.extraPorts = QStringList{"/dev/pts/extra"};
    SerialPort port(parts.context(), enumerate);
    QCOMPARE(port.availablePorts(), (QStringList{"ttyFirst", "/dev/pts/extra"}));

    int ticksWhileHanging = 0;
    QStringList seen;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
      seen = port.availablePorts();
      if (listings >= 2 && seen.constFirst() == QLatin1String("ttyFirst"))
        ++ticksWhileHanging;
    });
    tick.start(10);
    QTRY_VERIFY_WITH_TIMEOUT(ticksWhileHanging >= 10, 15000);
    QVERIFY(listingThread.load() != QThread::currentThread());
    release.release();
    QTRY_COMPARE_WITH_TIMEOUT(seen, (QStringList{"ttyLater", "/dev/pts/extra"}), 15000);
  }

  // Manual mode with no model chosen: the device answers, but is not taken, so it is asked for its
  // identity on every tick and shown offline.
  void unchosenModelIsAskedForItsIdentityEveryTick()
  {
    SimulatorProcess sim({"--model", "VT-40A"});
    QCOMPARE(sim.ports.size(), 1);
    auto app = startBackEnd(sim.ports, false);

    QTRY_VERIFY_WITH_TIMEOUT(sim.matching("^RX 9600 " + identificationRequest).size() >= 8, 15000);
    QVERIFY(sim.matching("^BADRX").isEmpty());
    const QStringList requests = sim.matching("^RX ");
    for (const QString &line : requests)
      QCOMPARE(line, "RX 9600 " + identificationRequest);
    const AppState &s = appState();
    QCOMPARE(s.fields.rxField1[0], vt40ModelCode);
    QVERIFY(!s.link.has(LinkFlag::deviceIdentified));
  }

  // Manual mode with the device's model chosen: identified at once, then polled at 115200 Bd.
  void chosenModelIsIdentifiedAndPolled()
  {
    SimulatorProcess sim({"--model", "VT-40A"});
    auto app = startBackEnd(sim.ports, false, QStringLiteral("VT-40A"));
    const AppState &s = appState();
    // Identified at 9600 Bd; the link then moves to 115200 Bd and is back online with the next answer.
    QTRY_VERIFY_WITH_TIMEOUT(s.link.has(LinkFlag::deviceIdentified) && s.link.highSpeedTrial == 1 &&
                                 !s.link.hasStatus(DeviceStatusFlag::offline),
                             10000);
    QCOMPARE(s.commands.statusDeviceName, QStringLiteral("VT-40A"));

    // A whole pass of the sequence: steps 0, 1, 2, 3, 6, 4, 5 with the battery module as sub device 1.
    QTRY_VERIFY_WITH_TIMEOUT(sim.matching("^RX 115200 AB CD 01 00 00 \\S+ 00 06 01 05 1D").size() >= 2,
                             10000);
    QVERIFY(sim.matching("^BADRX").isEmpty());
    // Step 0: 100, 101, … and the UPS's model code.
    QVERIFY2(!sim.matching("^RX 115200 AB CD 01 00 00 12 00 64 00 65 .* 00 01 \\S+ 0D 0A$").isEmpty(),
             qPrintable(sim.matching("^RX 115200 AB CD 01 00 00 12").value(0)));
    QCOMPARE(s.fields.subDeviceCount, uint8_t(1));
    QCOMPARE(s.fields.rxField101, uint16_t(2400)); // output voltage 24.00 V
    QCOMPARE(s.fields.rxField1[1], 2u);            // the battery module's code
    QCOMPARE(s.link.retryLevel, uint8_t(0));
  }

  // Automatic mode: the scan finds the device on the second of two ports and takes its model.
  void automaticScanFindsAndTakesTheDevice()
  {
    SimulatorProcess sim({"--model", "VS-1700-0", "--ports", "2", "--answer-on", "1"});
    QCOMPARE(sim.ports.size(), 2);
    auto app = startBackEnd(sim.ports, true);
    QSignalSpy startWindow(app.get(), &upsApp::sendToQml_StartWindow);
    const AppState &s = appState();
    QTRY_VERIFY_WITH_TIMEOUT(s.link.has(LinkFlag::deviceIdentified), 20000);
    const int vs1700 = catalogueIndexOf(QStringLiteral("VS-1700-0"));
    QCOMPARE(int(s.catalogue.currentCatalogueIndex), vs1700);
    QVERIFY(s.link.hasStatus(DeviceStatusFlag::modelChosen));
    QCOMPARE(s.commands.lastSelectedModelName, QStringLiteral("VS-1700-0"));
    QTRY_VERIFY_WITH_TIMEOUT(!startWindow.isEmpty(), 2000);
    QCOMPARE(startWindow.last().at(0).value<StartWindowStruct>().currentDevice, vs1700);
    QCOMPARE(s.ui.processData.comPortList_currentNumber, QSerialPortInfo::availablePorts().size() + 1);
  }

  // The device's state reaches the status record, and follows it when it changes.
  void liveStateReachesTheStatusRecord()
  {
    SimulatorProcess sim({"--model", "VT-40A", "--mode", "mains"});
    auto app = startBackEnd(sim.ports, true);
    const AppState &s = appState();
    const ProcessData &pd = s.ui.processData;
    QTRY_COMPARE_WITH_TIMEOUT(pd.masterOperationModus, QStringLiteral("Mains operation"), 20000);
    QCOMPARE(pd.master_image,
             QStringLiteral("qrc:/images/company/norvex/devices/VT_40A/status/net_mode.gif"));
    QVERIFY(s.process.eventSignal[0]); // row 1: mains operation
    // The voltages come with another polling step than the status word.
    QTRY_COMPARE_WITH_TIMEOUT(pd.masterInput_text, QStringLiteral("24.1 V"), 5000);

    sim.command(QStringLiteral("mode buffer"));
    QTRY_COMPARE_WITH_TIMEOUT(pd.masterOperationModus, QStringLiteral("Buffer operation"), 10000);
    QVERIFY(s.process.eventSignal[1]); // row 2: buffer operation
    QVERIFY(!s.process.eventSignal[0]);
    QCOMPARE(pd.master_image,
             QStringLiteral("qrc:/images/company/norvex/devices/VT_40A/status/buffer_mode.gif"));
    QTRY_VERIFY_WITH_TIMEOUT(s.process.pcShutdownRequest, 2000);

    // The device goes silent: once the link gives up, no stale values stay on the page.
    sim.command(QStringLiteral("silent on"));
    QTRY_VERIFY_WITH_TIMEOUT(!s.link.has(LinkFlag::deviceIdentified), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(pd.masterInput_text, QStringLiteral("-.- V"), 2000);
    QVERIFY2(pd.masterOperationModus.startsWith(QStringLiteral("No connection since ")),
             qPrintable(pd.masterOperationModus));
  }

  // Each operating state the simulator can put a device into is read as its operating mode.
  void everyFamilysModesAreRecognised_data()
  {
    QTest::addColumn<QString>("model");
    QTest::addColumn<QStringList>("states");
    QTest::addColumn<QList<int>>("modes");
    QTest::newRow("VK") << "VK-10A-2U" << QStringList{"mains",    "buffer", "ipc-shutdown", "ipc-idle",
                                                      "overload", "hiccup", "safety",       "off"}
                        << QList<int>{2, 3, 5, 6, 10, 11, 7, 4};
    QTest::newRow("VT") << "VT-40A" << QStringList{"mains",    "buffer", "ipc-shutdown", "exclusive-charging",
                                                   "overload", "safety", "off"}
                        << QList<int>{2, 3, 5, 12, 10, 7, 4};
    QTest::newRow("VS") << "VS-5000-0"
                        << QStringList{"mains",  "buffer", "input-failure", "ipc-idle", "overload",
                                       "hiccup", "off"}
                        << QList<int>{2, 3, 7, 6, 10, 11, 1};
  }

  void everyFamilysModesAreRecognised()
  {
    QFETCH(QString, model);
    QFETCH(QStringList, states);
    QFETCH(QList<int>, modes);
    SimulatorProcess sim({"--model", model});
    auto app = startBackEnd(sim.ports, true);
    const InterpretationState &process = appState().process;
    const ProcessData &pd = appState().ui.processData;
    // Taken without user action; its values, mode and lamps reach the status record.
    QTRY_COMPARE_WITH_TIMEOUT(pd.masterOperationModus, QStringLiteral("Mains operation"), 20000);
    QCOMPARE(appState().commands.lastSelectedModelName, model);
    QTRY_COMPARE_WITH_TIMEOUT(pd.masterInput_text, QStringLiteral("24.1 V"), 5000); // another polling step
    QCOMPARE(pd.green_image, QStringLiteral("qrc:/images/led/led_green.png"));
    QVERIFY(pd.masterDeviceDetailsValues.startsWith(model + QLatin1Char('\n')));
    for (int i = 0; i < states.size(); ++i) {
      sim.command(QStringLiteral("mode ") + states.at(i));
      QTRY_COMPARE_WITH_TIMEOUT(process.operatingMode, modes.at(i), 5000);
    }
  }

  void unknownModelIsNeverTaken_data()
  {
    QTest::addColumn<QString>("modelCode");
    QTest::addColumn<bool>("identified");
    QTest::newRow("no code") << "0" << false;
    QTest::newRow("unknown code") << "BE999" << false;
    // An engineering model, listed in production builds only.
    QTest::newRow("model without interpreter") << "BE004" << true;
  }

  void unknownModelIsNeverTaken()
  {
    QFETCH(QString, modelCode);
    QFETCH(bool, identified);
    SimulatorProcess sim({"--model-code", modelCode});
    auto app = startBackEnd(sim.ports, true);
    appState().ui.processData.production_version = true;
    rebuildDeviceCatalogue(appState());
    QTRY_VERIFY_WITH_TIMEOUT(sim.matching("^RX ").size() >= 15, 20000);
    QCOMPARE(appState().link.has(LinkFlag::deviceIdentified), identified);
    // No live data: the interpreter never ran.
    QCOMPARE(appState().process.operatingMode, 0);
    QVERIFY(appState().ui.processData.masterOperationModus.isEmpty());
  }

  // The real database file records what happens to the device, as it happens.
  void eventsOfTheLiveDeviceAreLogged()
  {
    SimulatorProcess sim({"--model", "VT-40A", "--mode", "mains"});
    auto app = startBackEnd(sim.ports, true);
    auto events = [] {
      QStringList rows;
      QSqlQuery query(QSqlDatabase::database());
      query.exec(QStringLiteral("SELECT device, date, time, event FROM EventsTable ORDER BY id"));
      while (query.next()) {
        QStringList row;
        for (int c = 0; c < 4; ++c)
          row << query.value(c).toString();
        rows << row.join(QLatin1Char('|'));
      }
      return rows;
    };
    auto eventTexts = [&events] {
      QStringList texts;
      for (const QString &row : events())
        texts << row.section(QLatin1Char('|'), 3);
      return texts;
    };
    QTRY_COMPARE_WITH_TIMEOUT(eventTexts(), (QStringList{"Connected", "Mains operation"}), 20000);
    const QRegularExpression shape(
        QStringLiteral("^VT-40A\\|\\d\\d\\.\\d\\d\\.\\d{4}\\|\\d\\d:\\d\\d:\\d\\d\\|"));
    for (const QString &row : events())
      QVERIFY2(shape.match(row).hasMatch(), qPrintable(row));

    sim.command(QStringLiteral("mode buffer"));
    QTRY_COMPARE_WITH_TIMEOUT(eventTexts().size(), 3, 2000); // within one pass of the polling sequence
    QCOMPARE(eventTexts().last(), QStringLiteral("Buffer operation"));
    // A condition that stays logs nothing more, however many requests the device answers.
    const int answeredFrom = sim.log.size();
    QTRY_VERIFY_WITH_TIMEOUT(sim.matching(QStringLiteral("^RX "), answeredFrom).size() >= 15, 10000);
    QCOMPARE(eventTexts().size(), 3);

    sim.command(QStringLiteral("mode mains"));
    QTRY_COMPARE_WITH_TIMEOUT(eventTexts().last(), QStringLiteral("Mains operation"), 2000);

    sim.command(QStringLiteral("silent on"));
    QTRY_COMPARE_WITH_TIMEOUT(eventTexts().last(), QStringLiteral("Disconnected"), 10000);
    QVERIFY(events().last().startsWith(QStringLiteral("VT-40A|")));
    sim.command(QStringLiteral("silent off"));
    QTRY_COMPARE_WITH_TIMEOUT(eventTexts().last(), QStringLiteral("Connected"), 20000);
  }

  void silenceTakesTheLinkOfflineUntilTheDeviceAnswersAgain()
  {
    SimulatorProcess sim({"--model", "VT-40A"});
    auto app = startBackEnd(sim.ports, false, QStringLiteral("VT-40A"));
    const LinkState &link = appState().link;
    QTRY_VERIFY_WITH_TIMEOUT(link.has(LinkFlag::deviceIdentified) && link.highSpeedTrial == 1 &&
                                 !link.hasStatus(DeviceStatusFlag::offline),
                             10000);

    sim.command(QStringLiteral("silent on"));
    QTRY_VERIFY_WITH_TIMEOUT(link.hasStatus(DeviceStatusFlag::offline) && link.retryLevel >= 1, 5000);
    const int reopenedFrom = sim.log.size();
    QTRY_VERIFY_WITH_TIMEOUT(!sim.matching("^OPEN 0", reopenedFrom).isEmpty(), 5000); // port restarted

    sim.command(QStringLiteral("silent off"));
    QTRY_VERIFY_WITH_TIMEOUT(
        !link.hasStatus(DeviceStatusFlag::offline) && link.has(LinkFlag::deviceIdentified), 10000);
    QCOMPARE(link.retryLevel, uint8_t(0));
  }

  void repeatedLossesCountUpToFour()
  {
    SimulatorProcess sim({"--model", "VT-40A"});
    sim.command(QStringLiteral("silent on"));
    auto app = startBackEnd(sim.ports, false, QStringLiteral("VT-40A"));
    int highest = 0;
    QObject::connect(app.get(), &upsApp::sendToQml_ProcessData,
                     [&highest] { highest = std::max<int>(highest, appState().link.retryLevel); });
    QTRY_VERIFY_WITH_TIMEOUT(sim.matching("^RX ").size() >= 30, 15000);
    QCOMPARE(highest, 4);
  }

  // Three silent ports: 3 s each at 9600 Bd, then one tick each at 115200 Bd.
  void automaticScanWalksEveryPortAtBothSpeeds()
  {
    SimulatorProcess sim({"--ports", "3"});
    sim.command(QStringLiteral("silent on"));
    QCOMPARE(sim.ports.size(), 3);
    auto app = startBackEnd(sim.ports, true);

    // Each request seen: which simulator port, at which speed.
    auto visits = [&sim] {
      QList<QPair<int, int>> seen;
      const QRegularExpression answering(QStringLiteral("^RX (\\d+) AB"));
      const QRegularExpression silent(QStringLiteral("^PORTRX (\\d) (\\d+) AB"));
      for (const QString &line : sim.collect()) {
        QRegularExpressionMatch m = answering.match(line);
        if (m.hasMatch())
          seen << qMakePair(0, m.captured(1).toInt());
        m = silent.match(line);
        if (m.hasMatch())
          seen << qMakePair(m.captured(1).toInt(), m.captured(2).toInt());
      }
      return seen;
    };
    QTRY_VERIFY_WITH_TIMEOUT(visits().count(qMakePair(2, 115200)) >= 2, 30000);

    const QList<QPair<int, int>> seen = visits();
    // The wait is counted in polling cycles, one request each: every port gets its 3 s however busy
    // the machine is, and a slow device its chance to answer.
    for (int port = 0; port < 3; ++port) {
      const int slow = seen.count(qMakePair(port, 9600));
      QVERIFY2(slow >= 25, qPrintable(QStringLiteral("port %1: %2 frames at 9600 Bd").arg(port).arg(slow)));
    }
    // The first pass at 9600 Bd visits the ports in order, then the fast pass starts over.
    QCOMPARE(seen.indexOf(qMakePair(0, 9600)), 0);
    QVERIFY(seen.indexOf(qMakePair(1, 9600)) < seen.indexOf(qMakePair(2, 9600)));
    QVERIFY(seen.lastIndexOf(qMakePair(2, 9600)) < seen.indexOf(qMakePair(0, 115200)));
    // At 115200 Bd the scan moves on after every frame.
    const int fast = seen.indexOf(qMakePair(0, 115200));
    QCOMPARE(seen.at(fast + 1), qMakePair(1, 115200));
    QCOMPARE(seen.at(fast + 2), qMakePair(2, 115200));
  }
};

QTEST_GUILESS_MAIN(SerialLinkTest)
#include "tst_serialLink.moc"
