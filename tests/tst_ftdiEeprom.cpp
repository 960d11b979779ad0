// The adapter listing and EEPROM programming: the record's option bytes, and the whole
// programming against the simulated adapter, which keeps its EEPROM while it runs.
#include "bootloaderSimulatorProcess.h"
#include "service/ftdiEepromProgramming.h"
#include "service/simulatedAdapter.h"

#include <QtTest>

Q_DECLARE_METATYPE(AdapterOptionBytes)

namespace
{
// A service report that collects the log.
struct CollectedLog {
  QString text;
  ServiceReport report()
  {
    return ServiceReport{[this](const QString &t) { text += t; }, {}, {}};
  }
};
} // namespace

class FtdiEepromTest : public QObject
{
  Q_OBJECT

private slots:
  // The option bytes land at their offsets and the fixed fields are set; the rest is kept.
  void recordOfOptionBytes()
  {
    FtdiEepromRecord record;
    record.fill(0xEE);
    setProgrammedFields(record, {1, 1, 1, 2, 8, 8});
    const QVector<QPair<int, int>> expected{
        {0, 9},  {1, 0},   {2, 0},  {3, 0},  {4, 0x03}, {5, 0x04},  {6, 0x15},  {7, 0x60},
        {8, 1},  {10, 90}, {11, 0}, {12, 0}, {13, 0},   {14, 0},    {22, 1},    {23, 2},
        {24, 8}, {25, 8},  {29, 1}, {30, 1}, {9, 0xEE}, {15, 0xEE}, {26, 0xEE}, {31, 0xEE}};
    for (const auto &[offset, value] : expected)
      QVERIFY2(record[size_t(offset)] == value, qPrintable(QString::number(offset)));
  }

  // Each option byte is one setting of the adapter's EEPROM: the record and the EEPROM agree.
  void optionBytesMapOntoTheEeprom_data()
  {
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("cbusPin"); // -1: an inversion
    QTest::addColumn<bool>("rxd");
    QTest::newRow("RXD inversion") << 30 << -1 << true;
    QTest::newRow("TXD inversion") << 29 << -1 << false;
    QTest::newRow("CBUS0") << 22 << 0 << false;
    QTest::newRow("CBUS1") << 23 << 1 << false;
    QTest::newRow("CBUS2") << 24 << 2 << false;
    QTest::newRow("CBUS3") << 25 << 3 << false;
  }

  void optionBytesMapOntoTheEeprom()
  {
    QFETCH(int, offset);
    QFETCH(int, cbusPin);
    QFETCH(bool, rxd);
    FtdiEepromRecord record{};
    record[size_t(offset)] = cbusPin < 0 ? 1 : 13;
    FtdiEeprom eeprom;
    applyRecord(eeprom, record);
    FtdiEeprom expected;
    if (cbusPin >= 0)
      expected.cbusFunctions[size_t(cbusPin)] = 13;
    else if (rxd)
      expected.invertRxd = true;
    else
      expected.invertTxd = true;
    QCOMPARE(eeprom.cbusFunctions, expected.cbusFunctions);
    QCOMPARE(eeprom.invertRxd, expected.invertRxd);
    QCOMPARE(eeprom.invertTxd, expected.invertTxd);
    QCOMPARE(recordOf(eeprom), record);
  }

  void noAdapterAttached()
  {
    QTemporaryDir nowhere;
    SimulatedAdapter adapter(nowhere.filePath(QStringLiteral("none")));
    CollectedLog log;
    QCOMPARE(listFtdiDevices(adapter, log.report()), QStringList{noAdapterFound});
    QCOMPARE(log.text, QStringLiteral("Interface is Refreshed.\n"));
  }

  // Programmed for a model, the adapter comes back under the model's name with its pin options.
  void programmedAdapterComesBackUnderTheModelName()
  {
    BootloaderSimulatorProcess sim({"--description", "FT230X Basic UART", "--manufacturer", "FTDI"});
    QVERIFY(!sim.address.isEmpty());
    SimulatedAdapter adapter(sim.address);
    CollectedLog log;
    QStringList descriptions = listFtdiDevices(adapter, log.report());
    QCOMPARE(descriptions, QStringList{"FT230X Basic UART"});
    programFtdiEeprom(adapter, descriptions, QStringLiteral("FT230X Basic UART"), QStringLiteral("VS-1700-0"),
                      QStringLiteral("Norvex"), {1, 1, 1, 2, 8, 8}, log.report());
    QCOMPARE(log.text, QStringLiteral("Interface is Refreshed.\n"
                                      "FT_OpenEx Succes!. ...Device connected\n"
                                      "Reading data from EEprom -> Success!\n"
                                      " - Manufacture: FTDI\n"
                                      " - Description: FT230X Basic UART\n"
                                      " - InvertRXD: 0\n"
                                      " - InvertTXD: 0\n"
                                      "Writing Data to EEPROM -> Success!\n"
                                      " - Manufacture: Norvex\n"
                                      " - Description: VS-1700-0\n"
                                      " - Cbus Mux control: 1\n"
                                      " - Cbus Mux control: 2\n"
                                      " - Cbus Mux control: 8\n"
                                      " - Cbus Mux control: 8\n"
                                      " - InvertRXD: 1\n"
                                      " - InvertTXD: 1\n"
                                      "Port has been cycled\n"));
    QTRY_COMPARE_WITH_TIMEOUT(listFtdiDevices(adapter, {}), QStringList{"VS-1700-0"}, 10000);
    QVERIFY(adapter.open(QStringLiteral("VS-1700-0")));
    FtdiEeprom eeprom;
    QVERIFY(adapter.readEeprom(eeprom));
    adapter.close();
    QCOMPARE(eeprom.manufacturer, QStringLiteral("Norvex"));
    QCOMPARE(eeprom.cbusFunctions, (std::array<uint8_t, 4>{1, 2, 8, 8}));
    QVERIFY(eeprom.invertRxd && eeprom.invertTxd);
  }

  // An EEPROM that cannot be read is not written: the adapter keeps its name and options.
  void failedReadLeavesTheAdapterUnchanged()
  {
    BootloaderSimulatorProcess sim({"--description", "FT230X Basic UART", "--fault", "eeprom-read"});
    QVERIFY(!sim.address.isEmpty());
    SimulatedAdapter adapter(sim.address);
    CollectedLog log;
    QStringList descriptions{QStringLiteral("FT230X Basic UART")};
    programFtdiEeprom(adapter, descriptions, QStringLiteral("FT230X Basic UART"), QStringLiteral("VS-1700-0"),
                      QStringLiteral("Norvex"), {1, 1, 1, 2, 8, 8}, log.report());
    QCOMPARE(log.text, QStringLiteral("FT_OpenEx Succes!. ...Device connected\n"
                                      "Reading data from EEprom -> Can't read EEPROM Data ...Failed!\n"));
    QVERIFY(sim.matching(QStringLiteral("^EEPROM write|^CYCLE")).isEmpty());
    QCOMPARE(listFtdiDevices(adapter, {}), QStringList{"FT230X Basic UART"});
  }

  // Opening fails under the given name: the first listed adapter is taken, and with none that
  // opens nothing is read or written.
  void openFallsBackToTheFirstListedAdapter_data()
  {
    QTest::addColumn<QStringList>("simulator");
    QTest::addColumn<QString>("log");
    QTest::addColumn<QStringList>("listedAfter");
    QTest::newRow("first listed opens") << QStringList{"--description", "FT230X Basic UART"}
                                        << "Interface is Refreshed.\nFT_OpenEx Succes!. ...Device "
                                           "connected\nReading data from EEprom -> Success!\n"
                                        << QStringList{"VS-1700-0"};
    QTest::newRow("no adapter opens")
        << QStringList{"--description", "FT230X Basic UART", "--cycle-ms", "60000"}
        << "FT_OpenEx Failed!\nReading data from EEprom -> Can't read EEPROM Data ...Failed!\n"
        << QStringList{};
  }

  void openFallsBackToTheFirstListedAdapter()
  {
    QFETCH(QStringList, simulator);
    QFETCH(QString, log);
    QFETCH(QStringList, listedAfter);
    BootloaderSimulatorProcess sim(simulator);
    QVERIFY(!sim.address.isEmpty());
    SimulatedAdapter adapter(sim.address);
    if (listedAfter.isEmpty()) { // the adapter is away, off the bus for a minute
      QVERIFY(adapter.open(QStringLiteral("FT230X Basic UART")));
      QVERIFY(adapter.cyclePort());
      log.prepend(QStringLiteral("Interface is Refreshed.\n"));
    }
    CollectedLog collected;
    QStringList descriptions;
    programFtdiEeprom(adapter, descriptions, QStringLiteral("VS-24-10"), QStringLiteral("VS-1700-0"),
                      QStringLiteral("Norvex"), {1, 1, 1, 2, 8, 8}, collected.report());
    QVERIFY2(collected.text.startsWith(log), qPrintable(collected.text));
    QCOMPARE(descriptions,
             listedAfter.isEmpty() ? QStringList{noAdapterFound} : QStringList{"FT230X Basic UART"});
    if (!listedAfter.isEmpty())
      QTRY_COMPARE_WITH_TIMEOUT(listFtdiDevices(adapter, {}), listedAfter, 10000);
  }
};

QTEST_GUILESS_MAIN(FtdiEepromTest)
#include "tst_ftdiEeprom.moc"
