#include "pcShutdown.h"

#include "pcActions.h"

#include "app/appState.h"
#include "app/extraMessage.h"
#include "devices/currentDevice.h"
#include "storage/eventControlModel.h"
#include "storage/upsDataBase.h"

#include <QProcess>
#include <QStandardPaths>

namespace
{
const QString shutdownTable = QStringLiteral("Shutdown");
constexpr uint8_t failureMessageTicks = 100; // 10 s, until the next attempt

struct ShutdownCommand {
  QString program;
  QStringList arguments;
};

ShutdownCommand shutdownCommand(const AppState &s)
{
#ifdef Q_OS_WIN
  const QStringList arguments = s.ui.processData.fastStartup ? QStringList{"-s", "-hybrid", "-t", "1"}
                                                             : QStringList{"-s", "-f", "-t", "1"};
  return {QStringLiteral("shutdown"), arguments};
#else
  Q_UNUSED(s)
  // The system's command may live outside an ordinary user's PATH.
  QString program = QStandardPaths::findExecutable(QStringLiteral("shutdown"));
  if (program.isEmpty())
    program = QStandardPaths::findExecutable(QStringLiteral("shutdown"),
                                             {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
  return {program, {QStringLiteral("-h"), QStringLiteral("+0")}};
#endif
}

void startShutdownCommand(PcShutdownState &sd, const ShutdownCommand &command)
{
  sd.outcome = PcShutdownState::Outcome::running;
  if (command.program.isEmpty()) {
    qCWarning(lcActions) << "no shutdown command found";
    sd.outcome = PcShutdownState::Outcome::failed;
    return;
  }
  qCInfo(lcActions) << "shutting the PC down:" << command.program << command.arguments;
  // Started without waiting: the loop goes on, and the exit code tells whether it worked.
  sd.command.reset(new QProcess);
  QProcess *process = sd.command.get();
  process->setProcessChannelMode(QProcess::MergedChannels);
  QObject::connect(process, &QProcess::errorOccurred, process, [&sd](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart) {
      qCWarning(lcActions) << "the shutdown command did not start";
      sd.outcome = PcShutdownState::Outcome::failed;
    }
  });
  QObject::connect(process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), process,
                   [&sd, process](int exitCode, QProcess::ExitStatus status) {
                     const bool ok = status == QProcess::NormalExit && exitCode == 0;
                     if (!ok)
                       qCWarning(lcActions) << "the shutdown command failed with exit code" << exitCode
                                            << process->readAll().trimmed();
                     sd.outcome = ok ? PcShutdownState::Outcome::succeeded : PcShutdownState::Outcome::failed;
                   });
  process->start(command.program, command.arguments, QIODevice::ReadOnly);
}

// The user sees the failure at once and finds it in the event log (once per request).
void reportFailure(AppState &s, PcShutdownState &sd)
{
  const QString text = languageText(s.language, TextSlot::pcShutdownFailed);
  postMessage(s.loop, text, failureMessageTicks);
  if (sd.failureLogged)
    return;
  sd.failureLogged = true;
  QString device = currentCatalogueEntry(s).name;
  if (device.isEmpty())
    device = s.loop.connectionDeviceName;
  if (s.storage.database)
    s.storage.database->PrepareInserIntoTable_EVENTS_TABLE(device, s.loop.currentDate, s.loop.currentTime,
                                                           text);
  if (s.storage.eventModel)
    s.storage.eventModel->updateModel_EVENTS_TABLE();
}

// Takes the result of a finished command: success ends the link, failure waits for the retry.
void takeOutcome(AppState &s, PcShutdownState &sd, const QDateTime &now,
                 const std::function<void()> &stopLink)
{
  switch (sd.outcome) {
  case PcShutdownState::Outcome::succeeded:
    sd.outcome = PcShutdownState::Outcome::none;
    sd.command.reset();
    sd.issued = true;
    if (stopLink)
      stopLink();
    break;
  case PcShutdownState::Outcome::failed:
    sd.outcome = PcShutdownState::Outcome::none;
    sd.command.reset();
    sd.retryTime = now.addSecs(shutdownRetrySeconds);
    reportFailure(s, sd);
    break;
  default:
    break;
  }
}
} // namespace

void ShutdownProcessDeleter::operator()(QProcess *process) const
{
  process->disconnect();
  delete process;
}

void loadShutdownSettingsOnConnection(AppState &s)
{
  PcShutdownState &sd = s.pcActions.shutdown;
  const bool identified = s.link.has(LinkFlag::deviceIdentified);
  const bool connected = identified && !sd.lastIdentified;
  sd.lastIdentified = identified;
  const QString device = currentCatalogueEntry(s).name;
  if (!connected || !s.storage.database || device.isEmpty())
    return;
  const uint16_t row = s.storage.database->deviceRow(shutdownTable, device);
  if (row == 0)
    return; // without a row the choices stay as they are
  const int value =
      s.storage.database->ReadRow_fromDatabase(shutdownTable, QStringLiteral("shutdown_active"), row)
          .value(0)
          .toInt();
  s.ui.shutdownWindow.pcShutdownEnable = (value & 1) != 0;
  s.ui.processData.fastStartup = (value & 2) != 0;
}

void runPcShutdownStep(AppState &s, const std::function<void()> &stopLink)
{
  loadShutdownSettingsOnConnection(s);
  PcShutdownState &sd = s.pcActions.shutdown;
  const QDateTime now = s.pcActions.now();
  takeOutcome(s, sd, now, stopLink);

  const int delay = s.process.pcShutdownDelay;
  if (s.ui.shutdownWindow.pcShutdownEnable && s.process.pcShutdownRequest) {
    if (!sd.armed || delay != sd.lastDelay) {
      // A new request, or the device changed its delay: the countdown starts from now.
      sd.armed = true;
      sd.shutdownTime = now.addSecs(delay);
    } else if (now >= sd.shutdownTime) {
      if (s.special.debug_version || s.special.demo_version) {
        qCDebug(lcActions) << "System_Shutdown";
      } else if (!sd.issued && !sd.command && (!sd.retryTime.isValid() || now >= sd.retryTime)) {
        startShutdownCommand(sd, shutdownCommand(s));
        takeOutcome(s, sd, now, stopLink); // a command that is not there fails at once
      }
    }
  } else {
    sd.armed = false;
    sd.failureLogged = false;
  }
  sd.lastDelay = delay;
}
