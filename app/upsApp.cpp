#include "upsApp.h"

#include "mailOutcomeStep.h"
#include "stateParts.h"
#include "staticRecords.h"

#include "actions/mailOutbox.h"
#include "actions/nutServer.h"
#include "link/linkCycle.h"
#include "link/serialPort.h"
#include "storage/eventControlModel.h"
#include "storage/upsDataBase.h"

#include <QApplication>
#include <QDate>
#include <QStandardPaths>

namespace
{
constexpr uint8_t databaseMessageTicks = 100;

// While the database is still open, the event log tells which alarm mails never went out.
void logUnsentMails(AppState &s, const QVector<UnsentMail> &unsent)
{
  if (unsent.isEmpty() || !s.storage.database)
    return;
  for (const UnsentMail &mail : unsent)
    s.storage.database->PrepareInserIntoTable_EVENTS_TABLE(
        mail.deviceName, s.loop.currentDate, s.loop.currentTime,
        languageText(s.language, TextSlot::mailNotSentAtExit).arg(mail.emailIndex + 1));
}
} // namespace

upsApp::upsApp()
{
  AppState &s = appState();
  serialPort = new SerialPort(linkContext(s), this);
  // The database first: the event model reads the log when it is created.
  database = new Ups_DataBase(this);
  eventModel = new EventControl_DataBaseModel(this);
  s.storage.database = database;
  s.storage.eventModel = eventModel;
  mailOutbox = std::make_unique<MailOutbox>();
  s.mailOutbox = mailOutbox.get();
  nutServer = new NutServer(this);
  s.nut.server = nutServer;
  initialiseLinkState(linkContext(s));
  fillLanguageTable(s.language);
  if (!database->unusable().isEmpty())
    postMessage(s.loop.message,
                languageText(s.language, TextSlot::databaseUnusable).arg(database->fileName()),
                databaseMessageTicks);
  fillStatusWindowFixedParts(s.ui.statusWindow);

  s.special.backToStatusPageTimeout_sec = 0;
  loadSpecialSettings(s.special, specialSettingsPath(QCoreApplication::applicationDirPath(),
                                                     QStandardPaths::writableLocation(
                                                         QStandardPaths::GenericConfigLocation)));
  s.special.backToStatusPageTimeout_sec = usableBackToStatusTimeout(s.special.backToStatusPageTimeout_sec);

  ProcessData &pd = s.ui.processData;
  pd.backToStatusPageTimeout_sec = s.special.backToStatusPageTimeout_sec;
  pd.production_version = s.special.production_version;
  pd.debug_version = s.special.debug_version;
  pd.demo_version = s.special.demo_version;
  pd.denyAppClosing = s.special.denyAppClosing;

  rebuildDeviceCatalogue(s);

  connect(&mainTimer, &QTimer::timeout, this, &upsApp::SystemLoop);
  mainTimer.start(100);
  pcShutdownResumeTimer.setSingleShot(true);
  pcShutdownResumeTimer.setInterval(60 * 1000);
  connect(&pcShutdownResumeTimer, &QTimer::timeout, this, &upsApp::resumeAfterPcShutdown);

  s.link.set(LinkFlag::portSuspended, true);
  s.loop.fullRefreshPending = true;
  pd.loadConfigFile_checkBox = false;
  s.loop.firstTick = true;
  s.ui.productionWindow.slaveID = 0;
  s.link.adapterTaken = false;
}

upsApp::~upsApp()
{
  stopLink();
  pcShutdownResumeTimer.stop();
  AppState &s = appState();
  // Mails still waiting or on their way get a few seconds; those left over are logged.
  refreshDateAndTime();
  logUnsentMails(s, mailOutbox->finish(mailExitWait));
  runMailOutcomeStep(s); // the mails that failed during the wait
  s.mailOutbox = nullptr;
  mailOutbox.reset();
  nutServer->close();
  s.nut.server = nullptr;
  s.storage.database = nullptr;
  s.storage.eventModel = nullptr;
  if (qobject_cast<QApplication *>(QCoreApplication::instance()))
    QApplication::closeAllWindows();
  QCoreApplication::quit();
}

// Ends all work on the device when the program ends.
void upsApp::stopLink()
{
  AppState &s = appState();
  releaseDevice();
  ProcessData &pd = s.ui.processData;
  pd.showCloseMessage = true;
  pd.appOpenAsMaximized_checkBox = false;
  pd.appOpenAsMaximized = false;
  s.loop.generalSettingsLoaded = false;
  disconnect(database, nullptr, nullptr, nullptr);
  disconnect(eventModel, nullptr, nullptr, nullptr);
}

// The port closes, the loop stops and nothing of the device counts as known any more.
void upsApp::releaseDevice()
{
  LinkState &link = appState().link;
  serialPort->closePort();
  mainTimer.stop();
  link.set(LinkFlag::autoDetect, false);
  link.set(LinkFlag::deviceIdentified, false);
  link.set(LinkFlag::awaitingFirstAnswer, false);
  link.set(LinkFlag::portSuspended, true);
}
