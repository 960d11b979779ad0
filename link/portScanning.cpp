#include "portScanning.h"

#include "serialPort.h"

namespace
{
constexpr uint8_t lowSpeedWaitCycles = 30; // 3 s per port at 9600 Bd
constexpr uint8_t retriesBeforeGivingUp = 4;
} // namespace

QString portNumberOf(const QString &portName)
{
  QString number = portName;
  return number.remove(QStringLiteral("COM"));
}

void manualPortCycle(SerialPort &port, int &chosenPortIndex, uint32_t modelLinkSpeed)
{
  LinkState &link = port.context().link;
  PortScanState &scan = port.context().scan;
  if (link.has(LinkFlag::autoDetect) || link.has(LinkFlag::portSuspended))
    return;
  if (!scan.chosenPortName.isEmpty()) {
    const int byName = static_cast<int>(port.availablePorts().indexOf(scan.chosenPortName));
    if (byName >= 0)
      chosenPortIndex = byName;
  }
  port.switchToHighSpeed();
  if (link.retryLevel > 3) {
    link.set(LinkFlag::deviceIdentified, false);
    link.set(LinkFlag::awaitingFirstAnswer, false);
    scan.rememberedPortNumber = QStringLiteral("0");
  }
  const QString currentNumber = portNumberOf(port.portName());
  if (scan.rememberedPortNumber != currentNumber) {
    link.set(LinkFlag::deviceIdentified, false);
    link.set(LinkFlag::awaitingFirstAnswer, false);
    port.selectPort(chosenPortIndex); // closes the old port first
    scan.modelUpdateRequested = true;
  }
  scan.rememberedPortNumber = portNumberOf(port.portName());
  link.configuring = false;
  link.highSpeedTrial = modelLinkSpeed;
}

void autoScanCycle(SerialPort &port, int &portIndex)
{
  LinkState &link = port.context().link;
  PortScanState &scan = port.context().scan;
  if (!link.has(LinkFlag::autoDetect) || link.has(LinkFlag::portSuspended))
    return;

  if (port.portName().isEmpty()) {
    if (!link.has(LinkFlag::deviceIdentified))
      port.selectPort(scan.scanIndex);
    port.ensureOpen();
  }
  if (scan.scanWaitCycles != 0) {
    if (!link.has(LinkFlag::deviceIdentified)) {
      --scan.scanWaitCycles;
      return;
    }
    scan.scanWaitCycles = 0;
  }
  if (link.highSpeedTrial == 0)
    scan.scanWaitCycles = lowSpeedWaitCycles;
  link.configuring = false;

  if (link.retryLevel >= retriesBeforeGivingUp)
    link.set(LinkFlag::deviceIdentified, false);
  if (!link.has(LinkFlag::deviceIdentified)) {
    link.set(LinkFlag::awaitingFirstAnswer, false);
    ++scan.scanIndex;
    if (scan.scanIndex < port.availablePorts().size()) {
      if (link.highSpeedTrial != 1)
        scan.scanWaitCycles = lowSpeedWaitCycles;
    } else {
      scan.scanIndex = 0;
      link.highSpeedTrial = 1;
      port.switchToHighSpeed();
    }
    port.selectPort(scan.scanIndex);
    portIndex = scan.scanIndex;
  } else {
    portIndex = scan.scanIndex;
    if (!scan.wasIdentified) {
      scan.deviceFound = true;
      scan.modelUpdateRequested = true;
    }
  }
  scan.wasIdentified = link.has(LinkFlag::deviceIdentified);
}

ConnectionStatus connectionStatus(SerialPort &port, bool noPortsListed, bool showLinkCounters,
                                  const PortTexts &texts)
{
  const LinkState &link = port.context().link;
  const bool automatic = link.has(LinkFlag::autoDetect);
  const bool identified = link.has(LinkFlag::deviceIdentified);

  ConnectionStatus status;
  status.portText = texts.port + portNumberOf(port.portName());
  ConnectionLamp &lamp = status.lamp;
  if (!link.hasStatus(DeviceStatusFlag::offline) && link.hasStatus(DeviceStatusFlag::modelChosen) &&
      identified) {
    lamp = ConnectionLamp::green;
  } else if (noPortsListed) {
    lamp = ConnectionLamp::red;
    status.portText = texts.noDriver;
  } else {
    lamp = ConnectionLamp::yellow;
    if (automatic)
      status.portText = texts.scanning + port.portNumberText;
  }
  if (link.retryLevel != 0)
    lamp = link.retryLevel >= 3 ? ConnectionLamp::red : ConnectionLamp::yellow;
  if (showLinkCounters) {
    if (link.highSpeedTrial == 1)
      status.portText += QStringLiteral("\nNorvexlink");
    status.portText += QStringLiteral(" tx:") + QString::number(link.txSinceRx);
  }
  if (link.has(LinkFlag::portSuspended))
    lamp = ConnectionLamp::off;

  if (link.has(LinkFlag::linkLostShown))
    lamp = ConnectionLamp::yellow;
  else if (lamp != ConnectionLamp::off)
    status.blink = identified ? LampBlink::connected : LampBlink::searching;
  return status;
}
