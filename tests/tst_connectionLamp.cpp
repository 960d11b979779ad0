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
Q_DECLARE_METATYPE(LampBlink)

class ConnectionLampTest : public QObject
{
  Q_OBJECT

  LinkParts parts;

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
    const ConnectionStatus status = connectionStatus(port, !portsListed, false);
    QCOMPARE(status.lamp, lamp);
    QCOMPARE(status.portText, text);
  }

  // A lit lamp blinks with long lit phases while a device is connected and short ones while it
  // is sought; a lost link holds it steady yellow, a closed port steady dark.
  void lampBlinkFollowsTheLink_data()
  {
    QTest::addColumn<bool>("identified");
    QTest::addColumn<bool>("lost");
    QTest::addColumn<bool>("suspended");
    QTest::addColumn<LampBlink>("blink");
    QTest::addColumn<int>("litMs");
    QTest::newRow("connected") << true << false << false << LampBlink::connected << 700;
    QTest::newRow("searching") << false << false << false << LampBlink::searching << 400;
    QTest::newRow("link lost") << true << true << false << LampBlink::steady << 0;
    QTest::newRow("port closed") << false << false << true << LampBlink::steady << 0;
  }

  void lampBlinkFollowsTheLink()
  {
    QFETCH(bool, identified);
    QFETCH(bool, lost);
    QFETCH(bool, suspended);
    QFETCH(LampBlink, blink);
    QFETCH(int, litMs);
    SerialPort port(parts.context());
    parts.link.set(LinkFlag::portSuspended, suspended);
    parts.link.set(LinkFlag::deviceIdentified, identified);
    parts.link.set(LinkFlag::linkLostShown, lost);
    parts.link.setStatus(DeviceStatusFlag::modelChosen, true);
    // The same answer tick after tick: nothing in it changes by itself.
    for (int i = 0; i < 3; ++i) {
      const ConnectionStatus status = connectionStatus(port, false, false);
      QCOMPARE(status.blink, blink);
      QCOMPARE(status.lamp == ConnectionLamp::off, suspended);
      if (lost)
        QCOMPARE(status.lamp, ConnectionLamp::yellow);
    }
    QCOMPARE(connectionLampLitMs(blink), litMs);
  }

  void serviceBuildsShowTheLinkCounters()
  {
    SerialPort port(parts.context());
    parts.link.highSpeedTrial = 1;
    parts.link.txSinceRx = 2;
    QCOMPARE(connectionStatus(port, false, true).portText, QStringLiteral("COM Port: \nNorvexlink tx:2"));
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
    setCurrentLanguage(s.language, 1);
    buildCommunicationStatusText(s, port);
    QCOMPARE(s.ui.processData.textComPort, QStringLiteral("Schnittstelle: "));
    s.ui.processData.comportList.clear();
    buildCommunicationStatusText(s, port);
    QCOMPARE(s.ui.processData.textComPort, QStringLiteral("Kein USB/RS232-Treiber gefunden"));
  }
};

QTEST_GUILESS_MAIN(ConnectionLampTest)
#include "tst_connectionLamp.moc"
