// The process-wide state of the application, gathered in one place so that it can be reset
// as a whole (every test starts from a clean state). Only app/ knows this whole: it hands each
// subsystem the parts that subsystem owns or reads.
#pragma once

#include "sentRecords.h"

#include "common/languageTable.h"
#include "common/tickCountdown.h"
#include "common/timedMessage.h"
#include "common/trendStore.h"
#include "common/uiRecords.h"
#include "common/vendorData.h"

#include "actions/pcActions.h"
#include "devices/currentDevice.h"
#include "devices/deviceEvents.h"
#include "devices/parameterSettings.h"
#include "devices/processInterpretation.h"
#include "link/buildOptions.h"
#include "link/frameCodec.h"
#include "link/linkState.h"
#include "link/portScanning.h"
#include "link/requestCycle.h"
#include "link/rxFields.h"
#include "service/productionCommands.h"
#include "service/serviceLog.h"
#include "service/updatePreparation.h"
#include "storage/nutSettings.h"
#include "storage/userSettings.h"

#include <QString>

// One instance of every record that is sent to QML.
struct UiRecords {
  ProductionWindowStruct productionWindow;
  StatusWindowStruct statusWindow;
  SignalOutputsStruct signalOutputs;
  DeviceParameterStruct parameterWindow;
  IpcSettingStruct ipcWindow;
  StartWindowStruct startWindow;
  MainWindowStruct mainWindow;
  ProcessData processData;
  SystemWindowStruct systemWindow;
  PcShutdownStruct shutdownWindow;
  ProgramstartWindowStruct programstartWindow;
  EmailWindowStruct emailWindow;
  CompanyDataStruct companyData;
};

// State of the 100 ms main loop.
struct LoopState {
  bool loopBusy = false;
  bool firstTick = true;
  bool fullRefreshPending = false;
  bool uiRefreshPending = true;
  bool startWindowPending = true;
  bool ftdiRefreshRunning = false;
  bool generalSettingsLoaded = false; // the system page's check boxes wait for this
  bool userConfigPending = false;     // a newly identified device asks for the desktop configuration file
  bool userConfigTaken = false;       // the file is imported at most once per run
  bool unattended = false;            // no window: the port opens without the communication button
  uint64_t tickCount = 0;             // ticks that ran past the busy check
  QString eventLogBehindText;         // the waiting-events text last put in the message line

  QString currentDate; // "dd.MM.yyyy", time stamp of event log rows
  QString currentTime; // "HH:mm:ss"

  TimedMessage message; // the timed one-line message (extraMessage of ProcessData)

  // Communication-error flag and its 15 s hold time.
  bool communicationError = false;
  bool communicationErrorSeen = false;
  TickCountdown communicationErrorCountdown;

  // Values remembered between runs of the connection, status, parameter and signal steps.
  uint8_t identifiedModelIndex = 0; // the catalogue entry of the device identified last
  bool linkLive = false;            // the device's data was live at the previous tick
  QString noConnectionSince;        // "HH:mm:ss" of the moment a live link ended; empty while live
  QString alarmKey;                 // the alarm shown, and the moment ("HH:mm:ss") it began
  QString alarmSince;
  // The device's own state before a link loss: the same device in the same state goes on from then.
  QString deviceAlarmKey, deviceAlarmDevice, deviceAlarmSince;
  QString connectionDeviceName;
  bool statusOfflineSeen = false;
  bool statusIdentifiedSeen = false;
  bool parameterIdentifiedSeen = false;
  bool signalOutputsIdentifiedSeen = false;
  bool shutdownIdentifiedSeen = false; // the PC shutdown choices are read when the device appears
  QString currentPotiPicture;          // set by the device family code

  QString signalOutputsModel; // the model the relay table was built for
};

// State of the user commands.
struct CommandState {
  bool ignoreFirstLanguageCall = true;
  bool ignoreFirstTemperatureUnitCall = true;
  QString lastSelectedModelName; // the model the start page chose last
  QString temperatureUnitText;
  QString statusDeviceName; // the identified model's name, shown on the status page
  uint16_t optionBits = 0;  // window options of the system page (bits 0 and 1 stored inverted)
};

class Ups_DataBase;
class EventControl_DataBaseModel;
class MailOutbox;
class NutServer;

// The UPS network server: its settings as stored, what the command line sets for this run, and
// the forced shutdown it announces before this PC shuts down.
struct NutServing {
  NutServer *server = nullptr; // owned by the application object
  NutServerSettings settings;
  bool commandLineOn = false;  // switched on for this run, whatever is stored
  QString commandLineAddress;  // empty: as stored
  quint16 commandLinePort = 0; // 0: as stored
  bool running = false;        // the server listens as the settings ask
  // How far the polling sequence has come since the device's data became live: clients get
  // values only once every request of a whole pass was answered.
  enum class Pass { none, started, wrapped, complete } pass = Pass::none;
  QDateTime forcedShutdownSince; // invalid while no forced shutdown is announced
};

// The database and the event log model; owned by the application object.
struct Storage {
  Ups_DataBase *database = nullptr;
  EventControl_DataBaseModel *eventModel = nullptr;
};

struct AppState {
  LoopState loop;
  LinkState link;
  RxState rx;
  TxState tx;
  RxFields fields;
  RequestCycleState requests;
  PortScanState scan;
  SpecialSettings special;
  DeviceCatalogue catalogue;
  InterpretationState process;
  DeviceEventState events;
  Storage storage;
  CommandState commands;
  UserSettingsState settings;
  PcActionState pcActions;             // program starts after events, PC shutdown
  NutServing nut;                      // other machines on the same UPS
  MailOutbox *mailOutbox = nullptr;    // sends the event e-mails; owned by the application object
  ParameterTransfer parameterTransfer; // a saved parameter set on its way to the device
  WriteConfirmation writeConfirmation; // the write of a page last sent, until the device answers
  ProductionState production;          // the production page's choices
  TrendStore trends;                   // the measured values of the last hour
  qint64 trendSampleSecond = -1;       // the second of the newest trend sample
  UiRecords ui;
  SentRecords sent; // the copies of the records that the pages received last
  LanguageTable language;
  VendorData vendor;
  UpdatePreparation preparation; // the firmware update's preparation
  std::shared_ptr<ServiceLog> serviceLog =
      std::make_shared<ServiceLog>(); // the production page's service log
};

// The one instance of the application state.
AppState &appState();
// Puts every part of the application state back to its initial value, in place: the parts that
// the link and the stores were handed stay where they are.
void resetAppState();

// The catalogue entry of the device in use.
const DeviceCatalogueEntry &currentCatalogueEntry(const AppState &s);
DeviceCatalogueEntry &currentCatalogueEntry(AppState &s);
