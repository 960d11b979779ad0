// The real serial transport and request cycle talking to the device simulator over pseudo-terminals.
#include "appState.h"
#include "simulatorProcess.h"
#include "upsApp.h"

#include <QSerialPortInfo>
#include <QtTest>

#include <memory>

namespace
{
const QString identificationRequest = QStringLiteral("AB CD 01 00 00 08 00 01 00 02 00 03 00 04 6B 0D 0A");
constexpr uint32_t vt40ModelCode = 0x000BF034;

// Runs the application back end with the given extra ports, in automatic mode or in manual mode
// on the first of them.
std::unique_ptr<upsApp> startBackEnd(const QStringList &ports, bool automatic)
{
  resetAppState();
  AppState &s = appState();
  s.scan.extraPorts = ports;
  auto app = std::make_unique<upsApp>();
  QMetaObject::invokeMethod(app.get(), "SystemLoop", Qt::DirectConnection); // loads the settings
  s.link.set(LinkFlag::autoDetect, automatic);
  s.link.set(LinkFlag::portSuspended, false);
  s.ui.processData.comPortList_currentNumber = QSerialPortInfo::availablePorts().size();
  return app;
}
} // namespace

class SerialLinkTest : public QObject
{
  Q_OBJECT

private slots:
  void requestsAndAnswersCrossTheLink()
  {
    SimulatorProcess sim({"--model", "VT-40A"});
    QCOMPARE(sim.ports.size(), 1);
    auto app = startBackEnd(sim.ports, false);

    // The device cannot be identified yet, so every tick asks for the identity again.
    QTRY_VERIFY_WITH_TIMEOUT(sim.matching("^RX 9600 " + identificationRequest).size() >= 8, 15000);
    QVERIFY(sim.matching("^BADRX").isEmpty());
    const QStringList requests = sim.matching("^RX ");
    QVERIFY(requests.size() >= 8);
    for (const QString &line : requests.mid(requests.size() - 6))
      QCOMPARE(line, "RX 9600 " + identificationRequest);

    const AppState &s = appState();
    QCOMPARE(s.fields.rxField1[0], vt40ModelCode);
    QCOMPARE(s.fields.subDevicesSeen, uint8_t(1));
    QVERIFY(!s.link.hasStatus(DeviceStatusFlag::offline));
    QCOMPARE(s.link.retryLevel, uint8_t(0));
  }

  void silenceTakesTheLinkOfflineUntilTheDeviceAnswersAgain()
  {
    SimulatorProcess sim({"--model", "VT-40A"});
    auto app = startBackEnd(sim.ports, false);
    const LinkState &link = appState().link;
    QTRY_VERIFY_WITH_TIMEOUT(appState().fields.rxField1[0] == vt40ModelCode, 10000);
    QVERIFY(!link.hasStatus(DeviceStatusFlag::offline));

    sim.command(QStringLiteral("silent on"));
    QTRY_VERIFY_WITH_TIMEOUT(link.hasStatus(DeviceStatusFlag::offline) && link.retryLevel >= 1, 5000);
    const int reopenedFrom = sim.log.size();
    QTRY_VERIFY_WITH_TIMEOUT(!sim.matching("^OPEN 0", reopenedFrom).isEmpty(), 5000); // port restarted

    sim.command(QStringLiteral("silent off"));
    QTRY_VERIFY_WITH_TIMEOUT(!link.hasStatus(DeviceStatusFlag::offline), 5000);
    QCOMPARE(link.retryLevel, uint8_t(0));
  }

  void repeatedLossesCountUpToFour()
  {
    SimulatorProcess sim({"--model", "VT-40A"});
    sim.command(QStringLiteral("silent on"));
    auto app = startBackEnd(sim.ports, false);
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
    for (int port = 0; port < 3; ++port) {
      const int slow = seen.count(qMakePair(port, 9600));
      QVERIFY2(slow >= 25 && slow <= 32,
               qPrintable(QStringLiteral("port %1: %2 frames at 9600 Bd").arg(port).arg(slow)));
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
