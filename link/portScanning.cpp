#include "portScanning.h"

#include "app/appState.h"
#include "devices/currentDevice.h"
#include "serialPort.h"
#include "vendorData.h"

namespace
{
constexpr uint8_t lowSpeedWaitCycles = 30; // 3 s per port at 9600 Bd
constexpr uint8_t retriesBeforeGivingUp = 4;
constexpr int litTicksIdentified = 7;
constexpr int litTicksSearching = 4;
constexpr int darkTicks = 2;

QString text(int slot)
{
  return languageText(appState().language, slot);
}

// Alternates the lamp between lit and dark phases; returns whether it is lit this tick.
bool stepLampBlink(PortScanState &scan, bool identified)
{
  if (scan.lampPhaseTicks > 0) {
    --scan.lampPhaseTicks;
    return scan.lampLit;
  }
  scan.lampLit = !scan.lampLit;
  scan.lampPhaseTicks =
      (scan.lampLit ? (identified ? litTicksIdentified : litTicksSearching) : darkTicks) - 1;
  return scan.lampLit;
}
} // namespace

QString portNumberOf(const QString &portName)
{
  QString number = portName;
  return number.remove(QStringLiteral("COM"));
}

void manualPortCycle(SerialPort &port)
{
  AppState &s = appState();
  LinkState &link = s.link;
  if (link.has(LinkFlag::autoDetect) || link.has(LinkFlag::portSuspended))
    return;
  port.switchToHighSpeed();
  if (link.retryLevel > 3) {
    link.set(LinkFlag::deviceIdentified, false);
    link.set(LinkFlag::awaitingFirstAnswer, false);
    s.scan.rememberedPortNumber = QStringLiteral("0");
  }
  const QString currentNumber = portNumberOf(port.portName());
  if (s.scan.rememberedPortNumber != currentNumber) {
    link.set(LinkFlag::deviceIdentified, false);
    link.set(LinkFlag::awaitingFirstAnswer, false);
    port.selectPort(s.ui.processData.comPortList_currentNumber); // closes the old port first
    s.scan.modelUpdateRequested = true;
  }
  s.scan.rememberedPortNumber = portNumberOf(port.portName());
  s.scan.deviceRecordIndex = link.currentCatalogueIndex;
  link.configuring = false;
  link.highSpeedTrial = static_cast<uint32_t>(currentCatalogueEntry(s).selectable);
}

void autoScanCycle(SerialPort &port)
{
  AppState &s = appState();
  LinkState &link = s.link;
  PortScanState &scan = s.scan;
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
    if (scan.scanIndex < s.ui.processData.comportList.size()) {
      if (link.highSpeedTrial != 1)
        scan.scanWaitCycles = lowSpeedWaitCycles;
    } else {
      scan.scanIndex = 0;
      link.highSpeedTrial = 1;
      port.switchToHighSpeed();
    }
    port.selectPort(scan.scanIndex);
    s.ui.processData.comPortList_currentNumber = scan.scanIndex;
  } else {
    s.ui.processData.comPortList_currentNumber = scan.scanIndex;
    if (!scan.wasIdentified) {
      scan.deviceRecordIndex = static_cast<uint32_t>(catalogueRowOfCurrentModel(s));
      if (scan.deviceRecordIndex != 0)
        s.loop.userConfigPending = true; // the main loop imports the desktop configuration file
      scan.modelUpdateRequested = true;
    }
  }
  scan.wasIdentified = link.has(LinkFlag::deviceIdentified);
}

void buildCommunicationStatusText(const SerialPort &port)
{
  AppState &s = appState();
  const LinkState &link = s.link;
  ProcessData &pd = s.ui.processData;
  const bool automatic = link.has(LinkFlag::autoDetect);
  const bool identified = link.has(LinkFlag::deviceIdentified);

  pd.textComPortLeft = automatic ? text(141) : QString();
  pd.textComPort = QStringLiteral("COM Port: ") + portNumberOf(port.portName());

  QString lamp;
  if (!link.hasStatus(DeviceStatusFlag::offline) && link.hasStatus(DeviceStatusFlag::modelChosen) &&
      identified) {
    lamp = Pictures::ledGreen;
  } else if (pd.comportList.isEmpty()) {
    lamp = Pictures::ledRed;
    pd.textComPort = QStringLiteral("no usb/rs232 driver found");
  } else {
    lamp = Pictures::ledYellow;
    if (automatic)
      pd.textComPort = QStringLiteral("Device scanning...   COM Port: ") + port.portNumberText;
  }
  if (link.retryLevel != 0)
    lamp = link.retryLevel >= 3 ? Pictures::ledRed : Pictures::ledYellow;
  if (pd.production_version || pd.debug_version) {
    if (link.highSpeedTrial == 1)
      pd.textComPort += QStringLiteral("\nNorvexlink");
    pd.textComPort += QStringLiteral(" tx:") + QString::number(link.txSinceRx);
  }
  if (link.has(LinkFlag::portSuspended))
    lamp = Pictures::ledGrey;

  if (link.has(LinkFlag::linkLostShown)) {
    lamp = Pictures::ledYellow;
    s.scan.lampLit = true;
  } else if (!stepLampBlink(s.scan, identified)) {
    lamp = Pictures::ledGrey;
  }
  pd.imageComPort = lamp;
}
