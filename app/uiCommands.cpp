// The commands of the pages: every user action reaches the back end through one of these slots.
// Each command forgets the records the pages last received, so that the next tick sends them
// again: a page that showed the user's change at once learns the outcome, also of a refused one.
#include "upsApp.h"

#include "settingsRoutine.h"
#include "signalOutputsRecord.h"
#include "stateParts.h"

#include "actions/autostart.h"
#include "devices/currentDevice.h"
#include "devices/pageRecords.h"
#include "devices/parameterEncoding.h"
#include "link/requestCycle.h"
#include "link/serialPort.h"
#include "storage/databaseBackup.h"
#include "storage/eventControlModel.h"
#include "storage/eventLogExport.h"
#include "storage/portChoice.h"
#include "storage/upsDataBase.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QThreadPool>

#include <optional>

namespace
{
constexpr uint8_t readParametersCommand = 20;
constexpr uint16_t parametersAnsweredField = 99;
constexpr uint16_t bufferTimeField = 1301;
constexpr uint16_t relayRoutingFields[3] = {604, 605, 606};
constexpr uint16_t ipcTimeFields[3] = {1305, 1304, 1306}; // delay, shutdown, idle

// A bare field id: asks the device to report that field.
QByteArray fieldRead(uint16_t id)
{
  QByteArray record;
  record.append(char(id >> 8)).append(char(id & 0xFF));
  return record;
}

// One field record with a 16-bit value: id high, id low, value high, value low.
QByteArray fieldWrite(uint16_t id, uint16_t value)
{
  QByteArray record;
  record.append(char(id >> 8)).append(char(id & 0xFF)).append(char(value >> 8)).append(char(value & 0xFF));
  return record;
}

bool online(const AppState &s)
{
  return !s.link.hasStatus(DeviceStatusFlag::offline);
}

void storeSystemSetting(AppState &s, const QString &column, int value)
{
  if (s.storage.database)
    s.storage.database->UpdateRow_inDatabase(QStringLiteral("SystemMain"), column, QString::number(value), 1);
}

bool validCatalogueIndex(const AppState &s, int index)
{
  return index >= 0 && index < s.catalogue.catalogueCount;
}
} // namespace

QString upsApp::receiveFromQml_GetDevicesImage(QString comboboxCurrentText)
{
  appState().sent.forgetAll();
  AppState &s = appState();
  LinkState &link = s.link;
  const int identifiedIndex = s.catalogue.currentCatalogueIndex;
  s.catalogue.currentCatalogueIndex = 0;
  s.ui.startWindow.currentDevice = 0;
  link.setStatus(DeviceStatusFlag::modelChosen, false);
  rebuildDeviceCatalogue(s);

  if (!link.has(LinkFlag::autoDetect)) {
    // The device must announce itself again: forget the model codes it reported.
    link.set(LinkFlag::deviceIdentified, false);
    link.setStatus(DeviceStatusFlag::offline, true);
    s.fields.rxField1[0] = 0;
    if (s.fields.subDevicesSeen > 0 && s.fields.subDevicesSeen <= subDeviceSlots)
      s.fields.rxField1[s.fields.subDevicesSeen - 1] = 0;
  }

  for (int i = 0; i < s.catalogue.catalogueCount; ++i) {
    DeviceCatalogueEntry &entry = s.catalogue.entries[i];
    if (entry.name != comboboxCurrentText)
      continue;
    link.setStatus(DeviceStatusFlag::modelChosen, true);
    s.catalogue.currentCatalogueIndex = static_cast<uint8_t>(i);
    // Another model than the identified one: identify the device afresh rather than read it with
    // the wrong family's tables.
    if (link.has(LinkFlag::autoDetect) && i != identifiedIndex)
      link.set(LinkFlag::deviceIdentified, false);
    if (entry.name != s.commands.lastSelectedModelName)
      s.loop.fullRefreshPending = true;
    s.commands.lastSelectedModelName = entry.name;
    entry.parametersChanged = true;
    return resolvePicturePath(entry.deviceImage);
  }
  link.set(LinkFlag::deviceIdentified, false);
  link.set(LinkFlag::awaitingFirstAnswer, link.has(LinkFlag::autoDetect));
  return QString();
}

QString upsApp::devicePicture(const QString &modelName) const
{
  const DeviceCatalogue &catalogue = appState().catalogue;
  for (int i = 1; i < catalogue.catalogueCount; ++i)
    if (!modelName.isEmpty() && catalogue.entries[i].name == modelName)
      return resolvePicturePath(catalogue.entries[i].deviceImage);
  return {};
}

void upsApp::receiveFromQml_GetSignalOutputs(int currentDevice)
{
  appState().sent.forgetAll();
  AppState &s = appState();
  if (!validCatalogueIndex(s, currentDevice))
    return;
  s.catalogue.currentCatalogueIndex = static_cast<uint8_t>(currentDevice);
  buildSignalOutputs(s);
  s.sent.signalOutputs.take(s.ui.signalOutputs);
  emit sendToQml_SignalOutputs(s.ui.signalOutputs);
}

void upsApp::receiveFromQml_GetParameter(int currentDevice)
{
  appState().sent.forgetAll();
  AppState &s = appState();
  if (!validCatalogueIndex(s, currentDevice))
    return;
  s.catalogue.currentCatalogueIndex = static_cast<uint8_t>(currentDevice);
  fillDeviceParameterRecord(s.ui.parameterWindow, currentCatalogueEntry(s));
  s.sent.parameterWindow.take(s.ui.parameterWindow);
  emit sendToQml_Parameter(s.ui.parameterWindow);
}

void upsApp::receiveFromQml_ReloadLanguage(int currentLanguage)
{
  appState().sent.forgetAll();
  AppState &s = appState();
  if (s.commands.ignoreFirstLanguageCall) { // the page reports its initial selection once
    s.commands.ignoreFirstLanguageCall = false;
    return;
  }
  const int language = setCurrentLanguage(s.language, currentLanguage);
  s.ui.processData.currentLanguageNr = language;
  storeSystemSetting(s, QStringLiteral("language"), language);
  rebuildDeviceCatalogue(s);
  s.loop.fullRefreshPending = true;
  currentCatalogueEntry(s).signalOutputsChanged = true;
  currentCatalogueEntry(s).parametersChanged = true;
}

void upsApp::receiveFromQml_setTemperatureUnit(QString currentTemperatureUnit, int currentTemperatureUnitNr)
{
  appState().sent.forgetAll();
  AppState &s = appState();
  if (s.commands.ignoreFirstTemperatureUnitCall) {
    s.commands.ignoreFirstTemperatureUnitCall = false;
    return;
  }
  s.commands.temperatureUnitText = currentTemperatureUnit;
  s.ui.processData.comboBoxTemperatureUnitCurrentIndex = currentTemperatureUnitNr;
  storeSystemSetting(s, QStringLiteral("temparatur_unit"), currentTemperatureUnitNr);
}

void upsApp::receiveFromQml_Communication_ComPort(int comPortNr)
{
  appState().sent.forgetAll();
  AppState &s = appState();
  if (s.link.has(LinkFlag::autoDetect))
    return;
  s.ui.processData.comPortList_currentNumber = comPortNr;
  serialPort->selectPort(comPortNr);
  storeSystemSetting(s, QStringLiteral("comport"), comPortNr);
  s.scan.chosenPortName = serialPort->availablePorts().value(comPortNr);
  storeChosenPortName(s.scan.chosenPortName);
}

void upsApp::receiveFromQml_SystemWindow_CheckBox(int checkBoxNr, bool checked)
{
  appState().sent.forgetAll();
  AppState &s = appState();
  if (!s.loop.generalSettingsLoaded)
    return;
  LinkState &link = s.link;
  ProcessData &pd = s.ui.processData;
  uint16_t &options = s.commands.optionBits;
  auto setOption = [&options](int bit, bool on) {
    options =
        on ? static_cast<uint16_t>(options | (1u << bit)) : static_cast<uint16_t>(options & ~(1u << bit));
  };
  switch (checkBoxNr) {
  case 0:
    link.set(LinkFlag::autoDetect, checked);
    link.set(LinkFlag::portSuspended, !checked);
    storeSystemSetting(s, QStringLiteral("auto_device_detecting"), checked ? 0 : 1);
    return;
  case 1:
    pd.startUp = checked;
    setAutostart(checked, s.scan.extraPorts);
    storeSystemSetting(s, QStringLiteral("autostart"), checked ? 1 : 0);
    return;
  case 2: // the communication button opens or closes the port by hand
    if (link.has(LinkFlag::portSuspended)) {
      link.set(LinkFlag::portSuspended, false);
    } else {
      // The port lets go of the device; it must identify itself afresh, so that nothing it
      // reported before is taken as current when the port opens again.
      serialPort->closePort();
      link.set(LinkFlag::deviceIdentified, false);
      link.set(LinkFlag::awaitingFirstAnswer, false);
    }
    link.set(LinkFlag::autoDetect, false);
    storeSystemSetting(s, QStringLiteral("auto_device_detecting"), 1);
    return;
  case 3:
    pd.appOpenAsMaximized_checkBox = checked;
    setOption(0, !checked);
    break;
  case 4:
    pd.showCloseMessage = checked;
    setOption(1, !checked);
    break;
  case 5:
    pd.loadConfigFile_checkBox = checked;
    setOption(2, checked);
    break;
  case 6:
    pd.switchToStatusPage = checked;
    setOption(3, checked);
    break;
  case 7:
    pd.denyAppClosing = checked;
    setOption(4, checked);
    break;
  default:
    return;
  }
  storeSystemSetting(s, QStringLiteral("app_open_maximized"), options);
}

void upsApp::receiveFromQml_IpcPage_CheckBox(int checkBoxNr, bool checked)
{
  appState().sent.forgetAll();
  AppState &s = appState();
  if (checkBoxNr == 4) {
    setIpcMode(parameterContext(s), checked);
    return;
  }
  if (checkBoxNr != 3 && checkBoxNr != 5)
    return;
  if (checkBoxNr == 3)
    s.ui.shutdownWindow.pcShutdownEnable = checked;
  else
    s.ui.processData.fastStartup = checked;
  storeShutdownChoice(deviceRows(s), shutdownChoice(s));
  // The page shows the choice at once, also while no device sends data.
  if (checkBoxNr == 3 && s.sent.shutdownWindow.take(s.ui.shutdownWindow))
    emit sendToQml_ShutdownWindow(s.ui.shutdownWindow);
}

void upsApp::receiveFromQml_SetGetSetting(int settingsNumber)
{
  appState().sent.forgetAll();
  AppState &s = appState();
  if (settingsNumber != 3) {
    runSettingsRoutine(s, s.parameterTransfer, settingsNumber);
    return;
  }
  if (online(s)) {
    queueRequest(s.requests, 1, fieldRead(parametersAnsweredField), readParametersCommand, 0);
  }
}

void upsApp::receiveFromQml_SetSignalOut(int signalNr, bool signalOutput, int rowCount)
{
  appState().sent.forgetAll();
  AppState &s = appState();
  if (currentCatalogueEntry(s).relaySuffix14.isEmpty() || rowCount < 0 || rowCount > 14)
    return;
  uint16_t *masks[3] = {&s.fields.rxField604, &s.fields.rxField605, &s.fields.rxField606};
  const int relay = signalNr == 14 ? 0 : signalNr == 24 ? 1 : signalNr == 34 ? 2 : -1;
  if (relay < 0)
    return;
  const int bit = rowCount == 0 ? 15 : rowCount - 1; // 0: output inverted, N: event row N
  uint16_t &mask = *masks[relay];
  mask =
      signalOutput ? static_cast<uint16_t>(mask | (1u << bit)) : static_cast<uint16_t>(mask & ~(1u << bit));
  queueConfirmedWrite(writeConfirmationContext(s), 1, fieldWrite(relayRoutingFields[relay], mask));
}

void upsApp::receiveFromQml_SetBufferTime(QString second)
{
  appState().sent.forgetAll();
  AppState &s = appState();
  const std::optional<uint16_t> value = wholeNumberText(second);
  if (value)
    queueConfirmedWrite(writeConfirmationContext(s), 1, fieldWrite(bufferTimeField, *value));
}

void upsApp::receiveFromQml_SetIpcTime(int fieldNr, QString second)
{
  appState().sent.forgetAll();
  AppState &s = appState();
  if (fieldNr < 1 || fieldNr > 3)
    return;
  const ParameterLimits &limits = currentCatalogueEntry(s).limits;
  const ValueRange ranges[3] = {limits.ipcDelay, limits.ipcShutdown, limits.ipcIdle};
  // Models with limits take any whole number as the nearest time they allow.
  const std::optional<uint16_t> value = wholeNumberInRange(second, ranges[fieldNr - 1]);
  if (value)
    queueConfirmedWrite(writeConfirmationContext(s), 1, fieldWrite(ipcTimeFields[fieldNr - 1], *value));
}

namespace
{
constexpr uint8_t fileMessageTicks = 80; // 8 s: long enough to read a file name

// Tells in the message line what became of a file the user asked for.
void postFileOutcome(int slot, const QString &file)
{
  AppState &s = appState();
  postMessage(s.loop.message, languageText(s.language, slot).arg(QDir::toNativeSeparators(file)),
              fileMessageTicks);
}
} // namespace

void upsApp::receiveFromQml_DataBase_EventControl(int buttonNr, QString destinationPath)
{
  appState().sent.forgetAll();
  if (buttonNr == 0) { // the clear button, after the user confirmed
    database->DeleteData_from_EVETS_TABLE();
    eventModel->updateModel_EVENTS_TABLE();
    postMessage(appState().loop.message, languageText(appState().language, TextSlot::eventsCleared));
  } else if (buttonNr == 1) { // the CSV button, into the chosen folder
    // Written on a worker thread: a long log must not hold up the main loop. The outcome is
    // reported on the GUI thread, which alone touches the message line.
    const QString databaseFile = QFileInfo(database->fileName()).absoluteFilePath();
    const QString target = csvExportPath(destinationPath, QDate::currentDate());
    const qint64 lastId = newestEventId();
    QThreadPool::globalInstance()->start([databaseFile, target, lastId] {
      const bool written = exportEventLog(databaseFile, target, lastId);
      QMetaObject::invokeMethod(
          QCoreApplication::instance(),
          [written, target] {
            postFileOutcome(written ? TextSlot::eventsExported : TextSlot::eventsExportFailed, target);
          },
          Qt::QueuedConnection);
    });
  }
}

void upsApp::receiveFromQml_BackupFile(int checkBoxNr, QString destinationPath)
{
  appState().sent.forgetAll();
  if (checkBoxNr == 0) { // import the chosen file as the application's database
    const QString file = localPathOf(destinationPath);
    if (importDatabase(file, false)) // a refused import says why itself
      postFileOutcome(TextSlot::settingsRestored, file);
  } else if (checkBoxNr == 1) { // copy the database into the chosen folder
    const QString target = backupFilePath(destinationPath, QDate::currentDate());
    const bool written = backupDatabaseFile(database->fileName(), target);
    postFileOutcome(written ? TextSlot::backupSaved : TextSlot::backupFailed, target);
  }
}
