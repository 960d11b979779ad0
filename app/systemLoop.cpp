// The 100 ms main loop: one run of SystemLoop per timer tick.
#include "upsApp.h"

#include "alarmStep.h"
#include "communicationError.h"
#include "connectionIndicator.h"
#include "eventLogQueueStep.h"
#include "interpreterPass.h"
#include "loopHooks.h"
#include "mailOutcomeStep.h"
#include "nutServerStep.h"
#include "pcShutdownStep.h"
#include "signalOutputsRecord.h"
#include "stateParts.h"
#include "staticRecords.h"
#include "systemSettingsLoad.h"
#include "trendStep.h"
#include "updatePreparationStep.h"

#include "common/logging.h"
#include "devices/deviceIdentification.h"
#include "devices/pageRecords.h"
#include "link/linkCycle.h"
#include "link/serialPort.h"
#include "storage/eventControlModel.h"
#include "storage/upsDataBase.h"

#include <QDateTime>
#include <QFileInfo>
#include <QStandardPaths>

#include <exception>

namespace
{
QString text(int slot)
{
  return languageText(appState().language, slot);
}

// A per-device record is sent again when its data changed or the device came or went.
bool takeRecordUpdate(bool &changed, bool identified, bool &identifiedSeen)
{
  const bool send = changed || identified != identifiedSeen;
  changed = false;
  identifiedSeen = identified;
  return send;
}

template <typename T> void replaceIfDifferent(T &target, const T &value)
{
  if (target != value)
    target = value;
}
} // namespace

void upsApp::SystemLoop()
{
  LoopState &loop = appState().loop;
  runCommunicationErrorTimer(loop);
  if (loop.loopBusy)
    return;
  loop.loopBusy = true;
  // A failing step abandons this tick only; the next tick starts afresh.
  try {
    runTickSteps();
  } catch (const std::exception &e) {
    qCWarning(lcLoop) << "main loop tick abandoned:" << e.what();
  } catch (...) {
    qCWarning(lcLoop) << "main loop tick abandoned by an unknown exception";
  }
  appState().loop.loopBusy = false;
}

void upsApp::runTickSteps()
{
  AppState &s = appState();
  LoopState &loop = s.loop;
  LinkState &link = s.link;
  ProcessData &pd = s.ui.processData;
  ++loop.tickCount;

  refreshDateAndTime();

  if (loop.firstTick) {
    loop.firstTick = false;
    loadSystemSettings(s);
    applyNutServerSettings(s);
    loop.fullRefreshPending = true;
    runFullRefresh(); // with the start-up language
    loop.fullRefreshPending = true;
  }
  runFullRefresh();

  runIdentificationStep();

  pd.textCommunicationButton = text(link.has(LinkFlag::portSuspended) ? 17 : 18);
  pd.offlineMode = link.hasStatus(DeviceStatusFlag::offline);
  pd.deviceDetectingAutomatically = link.has(LinkFlag::autoDetect);
  replaceIfDifferent(pd.comportList, serialPort->availablePorts());
  if (!link.has(LinkFlag::portSuspended))
    runLinkCycle(*serialPort, pd.comPortList_currentNumber,
                 static_cast<uint32_t>(currentCatalogueEntry(s).selectable));
  if (s.scan.deviceFound) {
    s.scan.deviceFound = false;
    // A device the scan found asks for the desktop configuration file.
    if (catalogueRowOfCurrentModel(s.catalogue) != 0)
      loop.userConfigPending = true;
  }
  runParameterTransferStep(parameterContext(s), s.parameterTransfer);
  runWriteConfirmationStep(writeConfirmationContext(s));
  if (s.scan.modelUpdateRequested) {
    s.scan.modelUpdateRequested = false;
    if (s.sent.startWindow.take(s.ui.startWindow))
      emit sendToQml_StartWindow(s.ui.startWindow);
  }

  // Every start and end of the live link is logged, whether or not an interpreter runs.
  runConnectionEventStep();
  runInterpretationStep();
  publishNutUpsTable(s);
  buildCommunicationStatusText(s, *serialPort);
  if (runMailOutcomeStep(s) && s.sent.emailWindow.take(s.ui.emailWindow))
    emit sendToQml_EmailWindow(s.ui.emailWindow);
  runExtraMessageStep(loop.message, pd.extraMessage, loop.communicationError, s.process.operatingMode,
                      text(51));
  runEventLogQueueStep(s);
  runTrendStep(s, QDateTime::currentMSecsSinceEpoch());

  runUserConfigStep();
  // Settings edits reach their pages at once, also while no device answers.
  const bool settingsSent =
      loadRequestedSettings(s.settings, deviceRows(s), s.ui.programstartWindow, s.ui.emailWindow);
  if (settingsSent)
    sendActionSettingsRecords();

  // Every tick: a shutdown request still runs out when the link has just dropped, since the
  // device may be about to cut the power.
  if (runPcShutdownStep(s, [this] { suspendForPcShutdown(); }) &&
      s.sent.shutdownWindow.take(s.ui.shutdownWindow))
    emit sendToQml_ShutdownWindow(s.ui.shutdownWindow); // the countdown, once a second

  // The rest of the tick refreshes what an interpreter run may have changed.
  if (!loop.uiRefreshPending && !loop.ftdiRefreshRunning)
    return;
  loop.uiRefreshPending = false;

  if (loop.ftdiRefreshRunning) {
    runFtdiRefreshStep(s);
    if (link.adapterTaken) {
      link.adapterTaken = false;
      // The adapter is about to be reprogrammed: the port lets go of it before the next step.
      serialPort->closePort();
    }
  }

  runStatusWindowStep();

  if (s.sent.shutdownWindow.take(s.ui.shutdownWindow))
    emit sendToQml_ShutdownWindow(s.ui.shutdownWindow);

  if (!settingsSent && !currentCatalogueEntry(s).name.isEmpty())
    sendActionSettingsRecords();

  runParameterWindowStep();
  runSignalOutputsStep();
  runProductionWindowStep();
}

// A device the link heard from is matched against the catalogue; the pages follow a new one.
void upsApp::runIdentificationStep()
{
  AppState &s = appState();
  if (!identifyDevice(s.link, s.fields, s.catalogue))
    return;
  DeviceCatalogueEntry &entry = currentCatalogueEntry(s);
  // Another model than the one before: its pages are rebuilt (the signal-contact step sees the
  // model change itself), and its state at start is logged without actions, as for a device
  // found at start-up.
  if (s.loop.identifiedModelIndex != s.catalogue.currentCatalogueIndex) {
    s.loop.identifiedModelIndex = s.catalogue.currentCatalogueIndex;
    entry.parametersChanged = true;
    s.events = DeviceEventState{};
  }
  s.commands.statusDeviceName = entry.name;
  s.loop.fullRefreshPending = true;
  if (s.link.has(LinkFlag::autoDetect))
    s.commands.lastSelectedModelName = entry.name; // the start page shows it as chosen
  s.ui.startWindow.currentDevice = s.catalogue.currentCatalogueIndex;
  s.scan.modelUpdateRequested = true;
}

void upsApp::refreshDateAndTime()
{
  LoopState &loop = appState().loop;
  const QDateTime now = QDateTime::currentDateTime();
  loop.currentDate = now.date().toString(QStringLiteral("dd.MM.yyyy"));
  loop.currentTime = now.time().toString(QStringLiteral("HH:mm:ss"));
}

// A newly identified device takes the configuration file on the desktop, when the system page
// allows it: the file replaces the settings (the event log stays) and its parameter set goes to
// the device. Once per run, so that a reconnection does not import it again.
void upsApp::runUserConfigStep()
{
  AppState &s = appState();
  if (!s.loop.userConfigPending)
    return;
  s.loop.userConfigPending = false;
  if (!s.ui.processData.loadConfigFile_checkBox || s.loop.userConfigTaken)
    return;
  const QString file = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation) +
                       QStringLiteral("/ups_user_config.db");
  if (!QFileInfo::exists(file))
    return;
  s.loop.userConfigTaken = true;
  qCInfo(lcLoop) << "importing" << file;
  if (importDatabase(file, true))
    receiveFromQml_SetGetSetting(2);
}

void upsApp::sendActionSettingsRecords()
{
  AppState &s = appState();
  if (s.sent.programstartWindow.take(s.ui.programstartWindow))
    emit sendToQml_ProgramstartWindow(s.ui.programstartWindow);
  if (s.sent.emailWindow.take(s.ui.emailWindow))
    emit sendToQml_EmailWindow(s.ui.emailWindow);
}

void upsApp::runFullRefresh()
{
  AppState &s = appState();
  if (!s.loop.fullRefreshPending)
    return;
  s.loop.fullRefreshPending = false;
  s.sent.forgetAll();                // every record goes out again, also where nothing changed
  requestSettingsReload(s.settings); // the next tick sends the action records with their new labels
  fillProgramstartLabels(s.ui.programstartWindow, s.language);
  fillEmailLabels(s.ui.emailWindow, s.language);
  if (s.storage.eventModel)
    s.storage.eventModel->setShownEventTexts(textsInCurrentLanguage(s.language));
  fillMainWindowRecord(s.ui.mainWindow, s.language);
  s.sent.mainWindow.take(s.ui.mainWindow);
  emit sendToQml_mainWindow(s.ui.mainWindow);
  fillIpcSettingRecord(s.ui.ipcWindow, s.language);
  s.sent.ipcWindow.take(s.ui.ipcWindow);
  emit sendToQml_ipcWindow(s.ui.ipcWindow);
  fillPcShutdownRecord(s.ui.shutdownWindow, s.language);
  s.sent.shutdownWindow.take(s.ui.shutdownWindow);
  emit sendToQml_ShutdownWindow(s.ui.shutdownWindow);
  fillSystemWindowRecord(s.ui.systemWindow, s.language);
  s.sent.systemWindow.take(s.ui.systemWindow);
  emit sendToQml_SystemWindow(s.ui.systemWindow);
  s.sent.statusWindow.take(s.ui.statusWindow);
  emit sendToQml_StatusWindow(s.ui.statusWindow);
  runProductionWindowStep();
}

void upsApp::runInterpretationStep()
{
  AppState &s = appState();
  LinkState &link = s.link;
  const bool offline = link.hasStatus(DeviceStatusFlag::offline);
  // A device that is gone leaves no stale values on the status page.
  const bool identified = link.has(LinkFlag::deviceIdentified);
  if (!identified && s.process.identifiedSeen)
    resetProcessValues(s.process, s.ui.processData);
  s.process.identifiedSeen = identified;
  const bool branch = (offline && !link.has(LinkFlag::autoDetect)) ||
                      (link.hasStatus(DeviceStatusFlag::modelChosen) && !link.has(LinkFlag::portSuspended) &&
                       link.has(LinkFlag::deviceIdentified));
  if (branch) {
    s.loop.startWindowPending = true;
    // Answers that may come from another device (after the port reopened or the model code
    // changed) wait until the device has told its model again.
    if (s.rx.newDataAvailable && !link.identityConfirmed() && !offline)
      s.rx.newDataAvailable = false;
    if ((offline || s.rx.newDataAvailable) && familyInterpreterAvailable(currentCatalogueEntry(s))) {
      s.loop.uiRefreshPending = true;
      runInterpreterPass(s);
    }
  } else if (s.loop.startWindowPending) {
    s.loop.startWindowPending = false;
    resetRequestCycle(s.requests);
    if (s.sent.startWindow.take(s.ui.startWindow))
      emit sendToQml_StartWindow(s.ui.startWindow);
  }

  ProcessData &pd = s.ui.processData;
  // Nothing the device reported before the link ended is shown as current.
  if (!s.loop.noConnectionSince.isEmpty()) {
    showNoConnection(pd, languageText(s.language, TextSlot::noConnectionSince).arg(s.loop.noConnectionSince),
                     languageText(s.language, TextSlot::relayUnknown),
                     s.commands.temperatureUnitText.isEmpty() ? QStringLiteral("°C")
                                                              : s.commands.temperatureUnitText);
    s.loop.currentPotiPicture.clear();
  }
  runAlarmStep(s);
  pd.currentLanguageNr = s.language.current;
  // The parameter pages need a model to know which controls exist.
  const bool modelKnown = !currentCatalogueEntry(s).name.isEmpty();
  pd.parameterGeneral_PageEnabled = modelKnown;
  pd.parameterIpcSetting_PageEnabled = modelKnown;
  if (s.sent.processData.take(pd))
    emit sendToQml_ProcessData(pd);
}

// The link is live while the identified device answers; whatever ends it (silence, Disconnect, a
// lost port, the PC shutdown) is logged at once, with the moment the pages show.
void upsApp::runConnectionEventStep()
{
  AppState &s = appState();
  LoopState &loop = s.loop;
  const bool live = s.link.deviceLive();
  const QString deviceName = currentCatalogueEntry(s).name;
  Storage &storage = s.storage;
  const auto logConnection = [&](const QString &device, bool connected) {
    if (storage.database)
      storage.database->PrepareInserIntoTable_EVENTS_TABLE(device, loop.currentDate, loop.currentTime,
                                                           text(connected ? 15 : 16));
    if (storage.eventModel)
      storage.eventModel->updateModel_EVENTS_TABLE();
  };
  // Another device identified within one tick (its model code changed while polling): the old
  // one's link ended.
  if (live && loop.linkLive && deviceName != loop.connectionDeviceName) {
    logConnection(loop.connectionDeviceName, false);
    logConnection(deviceName, true);
  } else if (live != loop.linkLive) {
    logConnection(live ? deviceName : loop.connectionDeviceName, live);
    loop.noConnectionSince = live ? QString() : loop.currentTime;
  }
  if (live)
    loop.connectionDeviceName = deviceName;
  loop.linkLive = live;
}

void upsApp::runStatusWindowStep()
{
  AppState &s = appState();
  LoopState &loop = s.loop;
  StatusWindowStruct &st = s.ui.statusWindow;
  const bool offline = s.link.hasStatus(DeviceStatusFlag::offline);
  const bool identified = s.link.has(LinkFlag::deviceIdentified);
  st.poti_image = loop.currentPotiPicture;
  if (offline && !loop.statusOfflineSeen)
    st.poti_image.clear();
  if (identified && !loop.statusIdentifiedSeen)
    st.deviceInfoTitel = text(7);
  if (!identified && loop.statusIdentifiedSeen)
    st.poti_image.clear();
  if (s.sent.statusWindow.take(st))
    emit sendToQml_StatusWindow(st);
  loop.statusOfflineSeen = offline;
  loop.statusIdentifiedSeen = identified;
}

void upsApp::runParameterWindowStep()
{
  AppState &s = appState();
  const bool identified = s.link.has(LinkFlag::deviceIdentified);
  if (takeRecordUpdate(currentCatalogueEntry(s).parametersChanged, identified,
                       s.loop.parameterIdentifiedSeen)) {
    fillDeviceParameterRecord(s.ui.parameterWindow, currentCatalogueEntry(s));
    if (s.sent.parameterWindow.take(s.ui.parameterWindow))
      emit sendToQml_Parameter(s.ui.parameterWindow);
  }
}

// The relay table follows the routing the device reports, and is built afresh for another model.
void upsApp::runSignalOutputsStep()
{
  AppState &s = appState();
  const bool identified = s.link.has(LinkFlag::deviceIdentified);
  const bool rebuild = takeRecordUpdate(currentCatalogueEntry(s).signalOutputsChanged, identified,
                                        s.loop.signalOutputsIdentifiedSeen) ||
                       signalOutputsModelChanged(s);
  if (rebuild)
    buildSignalOutputs(s);
  if (s.sent.signalOutputs.take(s.ui.signalOutputs))
    emit sendToQml_SignalOutputs(s.ui.signalOutputs);
}

void upsApp::runProductionWindowStep()
{
  AppState &s = appState();
  ProductionWindowStruct &p = s.ui.productionWindow;
  p.slaveID_text = text(14);
  p.slaveID_extra_text = text(12);
  p.sn_text = text(11);
  p.fa_text = text(10);
  p.write_button_Text = text(13);
  showIdentityNumbers(p, s.fields);
  p.calibrationResponse_Text = s.fields.rxField88b != 0 ? QStringLiteral("OK") : QString();
  const DeviceCatalogueEntry &entry = currentCatalogueEntry(s);
  replaceIfDifferent(p.calibrationCommandsText, entry.calibrationCommandNames);
  replaceIfDifferent(p.deviceNameList, LoopHooks::ftdiDescriptionList());
  replaceIfDifferent(p.devicesList_withFtdFirmwareUpdate, modelsWithFtdiUpdate(s.catalogue));
  p.flasherLogsText = LoopHooks::serviceLogText();
  p.firmwareProgress = s.serviceLog->progress();
  p.flasherLogsTextGlobal = LoopHooks::serviceLogTextGlobal();
  p.flasherLogsTextGlobal2 = LoopHooks::serviceLogTextGlobal2();
  const int mode = s.process.operatingMode;
  // Offered while the device is off (modes 1 and 2), offline or reports bit 7 of its status byte.
  p.firmwareUpdateWithFtdi = (entry.updateFlags & UpdateFlag::ftdiUpdate) != 0 &&
                             (mode == 1 || mode == 2 || (s.process.statusWord & 0x80u) != 0 ||
                              s.link.hasStatus(DeviceStatusFlag::offline));
  if (s.sent.productionWindow.take(p))
    emit sendToQml_ProductionWindow(p);
}
