// The connection lamp and port text of the main window: the link reports the lamp's colour and
// the port text, the window shows the colour as a picture.
#include "app/appState.h"
#include "app/connectionIndicator.h"
#include "app/stateParts.h"
#include "link/linkContext.h"
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

Q_DECLARE_METATYPE(ConnectionLamp)

class ConnectionLampTest : public QObject
{
  Q_OBJECT

  LinkParts parts;

  // The lamp as shown in a lit phase of its blinking.
  ConnectionStatus litStatus(SerialPort &port, bool portsListed, bool counters = false)
  {
    parts.scan.lampLit = false;
    parts.scan.lampPhaseTicks = 0;
    return connectionStatus(port, !portsListed, counters);
  }

private slots:
  void init() { parts = LinkParts{}; }

  void lampShowsTheLinkState_data()
  {
    QTest::addColumn<bool>("suspended");
    QTest::addColumn<bool>("automatic");
    QTest::addColumn<bool>("identified");
    QTest::addColumn<int>("retryLevel");
    QTest::addColumn<bool>("portsListed");
    QTest::addColumn<ConnectionLamp>("lamp");
    QTest::addColumn<QString>("text");
    const auto g = ConnectionLamp::green, y = ConnectionLamp::yellow, r = ConnectionLamp::red,
               off = ConnectionLamp::off;
    QTest::newRow("device online") << false << false << true << 0 << true << g << "COM Port: ";
    QTest::newRow("searching by hand") << false << false << false << 0 << true << y << "COM Port: ";
    QTest::newRow("scanning") << false << true << false << 0 << true << y
                              << "Device scanning...   COM Port: ";
    QTest::newRow("no ports") << false << false << false << 0 << false << r << "no usb/rs232 driver found";
    QTest::newRow("one loss") << false << false << true << 1 << true << y << "COM Port: ";
    QTest::newRow("three losses") << false << false << true << 3 << true << r << "COM Port: ";
    QTest::newRow("port closed") << true << false << false << 0 << true << off << "COM Port: ";
  }

  void lampShowsTheLinkState()
  {
    QFETCH(bool, suspended);
    QFETCH(bool, automatic);
    QFETCH(bool, identified);
    QFETCH(int, retryLevel);
    QFETCH(bool, portsListed);
    QFETCH(ConnectionLamp, lamp);
    QFETCH(QString, text);
    SerialPort port(parts.context());
    parts.link.set(LinkFlag::portSuspended, suspended);
    parts.link.set(LinkFlag::autoDetect, automatic);
    parts.link.set(LinkFlag::deviceIdentified, identified);
    parts.link.setStatus(DeviceStatusFlag::modelChosen, true);
    parts.link.retryLevel = static_cast<uint8_t>(retryLevel);
    const ConnectionStatus status = litStatus(port, portsListed);
    QCOMPARE(status.lamp, lamp);
    QCOMPARE(status.portText, text);
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
    SerialPort port(parts.context());
    parts.link.set(LinkFlag::portSuspended, false);
    parts.link.set(LinkFlag::deviceIdentified, identified);
    QString seen;
    for (int i = 0; i < pattern.size(); ++i) {
      const bool dark = connectionStatus(port, false, false).lamp == ConnectionLamp::off;
      seen += dark ? QLatin1Char('.') : QLatin1Char('L');
    }
    QCOMPARE(seen, pattern);
  }

  void lostLinkHoldsTheLampYellow()
  {
    SerialPort port(parts.context());
    parts.link.set(LinkFlag::portSuspended, false);
    parts.link.set(LinkFlag::linkLostShown, true);
    for (int i = 0; i < 12; ++i)
      QCOMPARE(connectionStatus(port, false, false).lamp, ConnectionLamp::yellow);
  }

  void serviceBuildsShowTheLinkCounters()
  {
    SerialPort port(parts.context());
    parts.link.highSpeedTrial = 1;
    parts.link.txSinceRx = 2;
    QCOMPARE(litStatus(port, true, true).portText, QStringLiteral("COM Port: \nNorvexlink tx:2"));
  }

  void portIndexOutsideTheListTakesTheLinkOffline()
  {
    SerialPort port(parts.context());
    port.selectPort(1000);
    QVERIFY(parts.link.hasStatus(DeviceStatusFlag::offline));
    QVERIFY(port.portNumberText.isEmpty());
    QVERIFY(port.portName().isEmpty());
  }

  void portNumberDropsTheComPrefix()
  {
    QCOMPARE(portNumberOf(QStringLiteral("COM12")), QStringLiteral("12"));
    QCOMPARE(portNumberOf(QStringLiteral("ttyUSB0")), QStringLiteral("ttyUSB0"));
  }

  // The window: each colour has its picture, and the scan has its caption beside the port.
  void windowShowsTheLampAsAPicture()
  {
    QCOMPARE(connectionLampPicture(ConnectionLamp::green), green);
    QCOMPARE(connectionLampPicture(ConnectionLamp::yellow), yellow);
    QCOMPARE(connectionLampPicture(ConnectionLamp::red), red);
    QCOMPARE(connectionLampPicture(ConnectionLamp::off), grey);

    resetAppState();
    AppState &s = appState();
    fillLanguageTable(s.language);
    SerialPort port(linkContext(s));
    s.link.set(LinkFlag::portSuspended, false);
    s.link.set(LinkFlag::autoDetect, true);
    s.ui.processData.comportList = QStringList{"ttyUSB0"};
    buildCommunicationStatusText(s, port);
    QCOMPARE(s.ui.processData.textComPortLeft, QStringLiteral("Automatic"));
    QCOMPARE(s.ui.processData.imageComPort, yellow);
    QCOMPARE(s.ui.processData.textComPort, QStringLiteral("Device scanning...   COM Port: "));
    s.link.set(LinkFlag::autoDetect, false);
    buildCommunicationStatusText(s, port);
    QCOMPARE(s.ui.processData.textComPortLeft, QString());
  }
};

QTEST_GUILESS_MAIN(ConnectionLampTest)
#include "tst_connectionLamp.moc"
