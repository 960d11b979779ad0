// The connection lamp and port text of the main window.
#include "app/appState.h"
#include "link/portScanning.h"
#include "link/serialPort.h"

#include <QtTest>

namespace
{
const QString green = QStringLiteral("qrc:/images/led/led_green.png");
const QString red = QStringLiteral("qrc:/images/led/led_red.png");
const QString yellow = QStringLiteral("qrc:/images/led/led_yellow.png");
const QString grey = QStringLiteral("qrc:/images/led/led_grey.png");
} // namespace

class ConnectionLampTest : public QObject
{
  Q_OBJECT

  // The lamp as shown in a lit phase of its blinking.
  QString litLamp(const SerialPort &port)
  {
    appState().scan.lampLit = false;
    appState().scan.lampPhaseTicks = 0;
    buildCommunicationStatusText(port);
    return appState().ui.processData.imageComPort;
  }

private slots:
  void init()
  {
    resetAppState();
    fillLanguageTable(appState().language);
  }

  void lampShowsTheLinkState_data()
  {
    QTest::addColumn<bool>("suspended");
    QTest::addColumn<bool>("automatic");
    QTest::addColumn<bool>("identified");
    QTest::addColumn<int>("retryLevel");
    QTest::addColumn<bool>("portsListed");
    QTest::addColumn<QString>("lamp");
    QTest::addColumn<QString>("text");
    QTest::newRow("device online") << false << false << true << 0 << true << green << "COM Port: ";
    QTest::newRow("searching by hand") << false << false << false << 0 << true << yellow << "COM Port: ";
    QTest::newRow("scanning") << false << true << false << 0 << true << yellow
                              << "Device scanning...   COM Port: ";
    QTest::newRow("no ports") << false << false << false << 0 << false << red << "no usb/rs232 driver found";
    QTest::newRow("one loss") << false << false << true << 1 << true << yellow << "COM Port: ";
    QTest::newRow("three losses") << false << false << true << 3 << true << red << "COM Port: ";
    QTest::newRow("port closed") << true << false << false << 0 << true << grey << "COM Port: ";
  }

  void lampShowsTheLinkState()
  {
    QFETCH(bool, suspended);
    QFETCH(bool, automatic);
    QFETCH(bool, identified);
    QFETCH(int, retryLevel);
    QFETCH(bool, portsListed);
    QFETCH(QString, lamp);
    QFETCH(QString, text);
    SerialPort port;
    AppState &s = appState();
    s.link.set(LinkFlag::portSuspended, suspended);
    s.link.set(LinkFlag::autoDetect, automatic);
    s.link.set(LinkFlag::deviceIdentified, identified);
    s.link.setStatus(DeviceStatusFlag::modelChosen, true);
    s.link.retryLevel = static_cast<uint8_t>(retryLevel);
    s.ui.processData.comportList = portsListed ? QStringList{"ttyUSB0"} : QStringList();
    QCOMPARE(litLamp(port), lamp);
    QCOMPARE(s.ui.processData.textComPort, text);
    QCOMPARE(s.ui.processData.textComPortLeft, automatic ? QStringLiteral("Automatic") : QString());
  }

  void lampBlinksLongerWhileADeviceIsConnected_data()
  {
    QTest::addColumn<bool>("identified");
    QTest::addColumn<QString>("pattern");
    QTest::newRow("identified") << true << "LLLLLLL..LLLLLLL..";
    QTest::newRow("searching") << false << "LLLL..LLLL..";
  }

  void lampBlinksLongerWhileADeviceIsConnected()
  {
    QFETCH(bool, identified);
    QFETCH(QString, pattern);
    SerialPort port;
    AppState &s = appState();
    s.link.set(LinkFlag::portSuspended, false);
    s.link.set(LinkFlag::deviceIdentified, identified);
    s.ui.processData.comportList = QStringList{"ttyUSB0"};
    QString seen;
    for (int i = 0; i < pattern.size(); ++i) {
      buildCommunicationStatusText(port);
      seen += s.ui.processData.imageComPort == grey ? QLatin1Char('.') : QLatin1Char('L');
    }
    QCOMPARE(seen, pattern);
  }

  void lostLinkHoldsTheLampYellow()
  {
    SerialPort port;
    AppState &s = appState();
    s.link.set(LinkFlag::portSuspended, false);
    s.link.set(LinkFlag::linkLostShown, true);
    s.ui.processData.comportList = QStringList{"ttyUSB0"};
    for (int i = 0; i < 12; ++i) {
      buildCommunicationStatusText(port);
      QCOMPARE(s.ui.processData.imageComPort, yellow);
    }
  }

  void serviceBuildsShowTheLinkCounters()
  {
    SerialPort port;
    AppState &s = appState();
    s.ui.processData.production_version = true;
    s.link.highSpeedTrial = 1;
    s.link.txSinceRx = 2;
    s.ui.processData.comportList = QStringList{"ttyUSB0"};
    buildCommunicationStatusText(port);
    QCOMPARE(s.ui.processData.textComPort, QStringLiteral("COM Port: \nNorvexlink tx:2"));
  }

  void portIndexOutsideTheListTakesTheLinkOffline()
  {
    SerialPort port;
    port.selectPort(1000);
    QVERIFY(appState().link.hasStatus(DeviceStatusFlag::offline));
    QVERIFY(port.portNumberText.isEmpty());
    QVERIFY(port.portName().isEmpty());
  }

  void portNumberDropsTheComPrefix()
  {
    QCOMPARE(portNumberOf(QStringLiteral("COM12")), QStringLiteral("12"));
    QCOMPARE(portNumberOf(QStringLiteral("ttyUSB0")), QStringLiteral("ttyUSB0"));
  }
};

QTEST_GUILESS_MAIN(ConnectionLampTest)
#include "tst_connectionLamp.moc"
