// The firmware update's preparation in the running back end, tick by tick: the device simulator
// plays the UPS on a pseudo-terminal, the bootloader simulator its USB adapter and controller.
#include "app/appState.h"
#include "app/updatePreparationStep.h"
#include "app/upsApp.h"
#include "bootloaderSimulatorProcess.h"
#include "service/simulatedAdapter.h"
#include "simulatorProcess.h"
#include "temporaryWorkingDirectory.h"

#include <QSerialPortInfo>

#include <memory>

namespace
{
std::unique_ptr<upsApp> startBackEnd(const QStringList &ports, const QString &adapterSocket)
{
  resetAppState();
  setSimulatedAdapterSocket(adapterSocket);
  AppState &s = appState();
  s.scan.extraPorts = ports;
  auto app = std::make_unique<upsApp>();
  QMetaObject::invokeMethod(app.get(), "SystemLoop", Qt::DirectConnection); // loads the settings
  s.link.set(LinkFlag::autoDetect, true);
  s.link.set(LinkFlag::portSuspended, false);
  s.ui.processData.comPortList_currentNumber = QSerialPortInfo::availablePorts().size();
  return app;
}

QByteArray testImage()
{
  QByteArray image(3000, '\0');
  for (int i = 0; i < image.size(); ++i)
    image[i] = char(i * 5 + 1);
  return image;
}
} // namespace

class UpdatePreparationTest : public QObject
{
  Q_OBJECT

  TemporaryWorkingDirectory workDir;

  QString imageFile()
  {
    QFile file(QStringLiteral("firmware.bin"));
    file.open(QIODevice::WriteOnly);
    file.write(testImage());
    return QFileInfo(file).absoluteFilePath();
  }

  static bool flashHoldsImage(const QString &socket)
  {
    const QByteArray image = paddedImage(testImage());
    return SimulatedAdapter(socket).flash(0x08000000, uint32_t(image.size())) == image;
  }

private slots:
  void init() { QFile::remove(QStringLiteral("upsData.db")); }

  // A capacitor model: the charger is stopped (the UPS's own number written as sub device 1's,
  // command 4, argument 10), the sequence waits until the store's voltage is gone, then takes the
  // adapter and updates. Afterwards the link detects automatically again.
  void capacitorModelStopsItsChargerFirst()
  {
    SimulatorProcess device({"--model", "VS-1700-0"});
    BootloaderSimulatorProcess adapter({QStringLiteral("--description"), QStringLiteral("VS-1700-0")});
    auto app = startBackEnd(device.ports, adapter.address);
    AppState &s = appState();
    QTRY_VERIFY_WITH_TIMEOUT(s.link.has(LinkFlag::deviceIdentified), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(s.fields.rxField104 >= 101, 10000);
    s.preparation.firmwarePath = imageFile();

    startFtdiRefresh(s);
    QCOMPARE(s.preparation.ftdiRefreshState, 2u);
    QTRY_VERIFY_WITH_TIMEOUT(!device.matching("^CHARGER off").isEmpty(), 20000);
    const QString number = QString::number(s.fields.rxField4[0]);
    QVERIFY(!device.matching(QStringLiteral("^WRITE 4=%1 sub=1 cmd=4 arg=10").arg(number)).isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(s.preparation.ftdiRefreshState == 0, 60000);

    const QString log = s.serviceLog->text();
    QVERIFY2(log.contains(QLatin1String("Device scanning:  VS-1700-0\n")), qPrintable(log));
    QVERIFY(log.contains(QLatin1String("Charger shutdown: ")));
    QVERIFY(log.contains(QLatin1String("\nPrepare FTDI device ---")));
    QVERIFY(log.contains(QLatin1String("Flash Load Finished!\n")));
    QCOMPARE(s.preparation.lastResult, UpdateResult::Written);
    QVERIFY(flashHoldsImage(adapter.address));
    QTRY_COMPARE(s.ui.productionWindow.firmwareProgress, 1000); // the page's progress bar is full
    QVERIFY(s.link.has(LinkFlag::autoDetect));
    QVERIFY(!s.link.has(LinkFlag::portSuspended));
    QVERIFY(!s.loop.ftdiRefreshRunning);
  }

  // The store's voltage never goes: after the wait the sequence logs " Timeout" and goes on.
  void chargerShutdownGivesUpWaiting()
  {
    SimulatorProcess device({"--model", "VS-1700-0"});
    BootloaderSimulatorProcess adapter({QStringLiteral("--description"), QStringLiteral("VS-1700-0")});
    auto app = startBackEnd(device.ports, adapter.address);
    AppState &s = appState();
    QTRY_VERIFY_WITH_TIMEOUT(s.link.has(LinkFlag::deviceIdentified), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(s.fields.rxField104 >= 101, 10000);
    s.preparation.firmwarePath = imageFile();
    s.preparation.chargerWaitMs = 1500;

    startFtdiRefresh(s);
    QTRY_COMPARE_WITH_TIMEOUT(s.preparation.ftdiRefreshState, 3u, 20000);
    device.command(QStringLiteral("silent on")); // the charger write goes unanswered
    QTRY_VERIFY_WITH_TIMEOUT(s.serviceLog->text().contains(QLatin1String("Charger shutdown:  Timeout")),
                             20000);
    QTRY_COMPARE_WITH_TIMEOUT(s.preparation.ftdiRefreshState, 0u, 60000);
    QVERIFY(device.matching("^CHARGER off").isEmpty());
    QCOMPARE(s.preparation.lastResult, UpdateResult::Written);
  }

  // A model whose firmware cannot be updated over the adapter: the sequence ends at once, the
  // adapter is never opened, and automatic detection is on even though it was off.
  void modelWithoutAdapterUpdateEndsAtOnce()
  {
    SimulatorProcess device({"--model", "VT-40A"});
    BootloaderSimulatorProcess adapter({QStringLiteral("--description"), QStringLiteral("VT-40A")});
    auto app = startBackEnd(device.ports, adapter.address);
    AppState &s = appState();
    QTRY_VERIFY_WITH_TIMEOUT(s.link.has(LinkFlag::deviceIdentified), 20000);
    s.link.set(LinkFlag::autoDetect, false);

    startFtdiRefresh(s);
    QCOMPARE(s.preparation.ftdiRefreshState, 8u);
    QTRY_COMPARE(s.preparation.ftdiRefreshState, 0u);
    QVERIFY(s.link.has(LinkFlag::autoDetect));
    QVERIFY(adapter.matching(QStringLiteral("^OPEN")).isEmpty());
  }

  // The adapter never shows up under the expected description: after the wait the first listed
  // adapter is taken for the update (no EEPROM programming was asked for).
  void waitForTheDescriptionThenTakeTheFirstAdapter()
  {
    SimulatorProcess device({"--model", "VK-10A-2U"});
    BootloaderSimulatorProcess adapter({QStringLiteral("--description"), QStringLiteral("USB Serial")});
    auto app = startBackEnd(device.ports, adapter.address);
    AppState &s = appState();
    QTRY_VERIFY_WITH_TIMEOUT(s.link.has(LinkFlag::deviceIdentified), 20000);
    s.preparation.firmwarePath = imageFile();
    s.preparation.descriptionWaitMs = 2000;

    startFtdiRefresh(s);
    QTRY_COMPARE_WITH_TIMEOUT(s.preparation.ftdiRefreshState, 6u, 20000);
    QVERIFY(s.link.has(LinkFlag::portSuspended));
    QTRY_VERIFY(s.preparation.statusText.contains(QLatin1String(" wait for FTDI description: VK-10A-2U")));
    QTRY_COMPARE_WITH_TIMEOUT(s.preparation.ftdiRefreshState, 7u, 20000);
    QCOMPARE(s.preparation.expectedDescription, QStringLiteral("USB Serial"));
    QTRY_COMPARE_WITH_TIMEOUT(s.preparation.ftdiRefreshState, 0u, 60000);
    QCOMPARE(s.preparation.lastResult, UpdateResult::Written);
    QVERIFY(flashHoldsImage(adapter.address));
  }
};

QTEST_MAIN(UpdatePreparationTest)
#include "tst_updatePreparation.moc"
