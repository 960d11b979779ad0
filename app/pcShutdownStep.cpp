#include "pcShutdownStep.h"

#include "nutServerStep.h"
#include "stateParts.h"

#include "actions/mailOutbox.h"
#include "storage/eventControlModel.h"
#include "storage/upsDataBase.h"

namespace
{
constexpr uint8_t failureMessageTicks = 100; // 10 s, until the next attempt

void loadShutdownChoiceOnConnection(AppState &s)
{
  const bool identified = s.link.has(LinkFlag::deviceIdentified);
  const bool connected = identified && !s.loop.shutdownIdentifiedSeen;
  s.loop.shutdownIdentifiedSeen = identified;
  if (!connected)
    return;
  // Without a row the choices stay as they are.
  if (const std::optional<ShutdownChoice> stored = loadShutdownChoice(deviceRows(s)))
    showShutdownChoice(s, *stored);
}

// The rows name the device that asked, also when the link to it has just dropped. A row without a
// name is still written (the log takes no missing name).
void logShutdownEvent(AppState &s, const QString &text)
{
  QString device = currentCatalogueEntry(s).name;
  if (device.isEmpty())
    device = s.loop.connectionDeviceName;
  if (device.isNull())
    device = QLatin1String("");
  if (s.storage.database)
    s.storage.database->PrepareInserIntoTable_EVENTS_TABLE(device, s.loop.currentDate, s.loop.currentTime,
                                                           text);
  if (s.storage.eventModel)
    s.storage.eventModel->updateModel_EVENTS_TABLE();
}

QString failureReason(const AppState &s, const PcShutdownFailure &failure)
{
  switch (failure.kind) {
  case PcShutdownFailure::Kind::noCommand:
    return languageText(s.language, TextSlot::pcShutdownNoCommand);
  case PcShutdownFailure::Kind::exitCode: {
    const QString code = languageText(s.language, TextSlot::pcShutdownExitCode).arg(failure.exitCode);
    return failure.output.isEmpty() ? code : code + QStringLiteral(": ") + failure.output;
  }
  case PcShutdownFailure::Kind::notStarted:
  case PcShutdownFailure::Kind::none:
    break;
  }
  return failure.output;
}

// The user sees every failure at once, with its reason, and finds it in the event log once per
// request.
void reportFailure(AppState &s, bool firstOfRequest)
{
  const QString text = languageText(s.language, TextSlot::pcShutdownFailed) + QStringLiteral(": ") +
                       failureReason(s, s.pcActions.shutdown.lastFailure);
  postMessage(s.loop.message, text, failureMessageTicks);
  if (firstOfRequest)
    logShutdownEvent(s, text);
}

bool showCountdown(AppState &s, const QString &text, bool failed = false)
{
  PcShutdownStruct &w = s.ui.shutdownWindow;
  // The countdown and the attempts after a failure can be cancelled until the command succeeded.
  const QString cancel = text.isEmpty() || s.pcActions.shutdown.issued
                             ? QString()
                             : languageText(s.language, TextSlot::pcShutdownCancel);
  if (w.pcShutdownCountdown_Text == text && w.pcShutdownFailed == failed && w.pcShutdownCancel_Text == cancel)
    return false;
  w.pcShutdownCountdown_Text = text;
  w.pcShutdownFailed = failed;
  w.pcShutdownCancel_Text = cancel;
  return true;
}

// The seconds left, or after a failure what went wrong, that the PC must go down by hand, and when
// the next attempt comes.
bool showCountdownOrFailure(AppState &s, const QDateTime &now)
{
  const PcShutdownState &sd = s.pcActions.shutdown;
  const int left = pcShutdownSecondsLeft(sd, now);
  if (left < 0)
    return showCountdown(s, QString());
  if (sd.attempts > 0 && sd.lastFailure.kind != PcShutdownFailure::Kind::none)
    return showCountdown(s,
                         languageText(s.language, TextSlot::pcShutdownFailedBar)
                             .arg(sd.attempts)
                             .arg(failureReason(s, sd.lastFailure))
                             .arg(pcShutdownSecondsToRetry(sd, now)),
                         true);
  return showCountdown(s, languageText(s.language, TextSlot::pcShutdownCountdown).arg(left));
}
} // namespace

bool runPcShutdownStep(AppState &s, const std::function<void()> &suspendLink)
{
  loadShutdownChoiceOnConnection(s);
  PcShutdownInputs in;
  in.enabled = s.ui.shutdownWindow.pcShutdownEnable;
  in.fastStartup = s.ui.processData.fastStartup;
  in.requested = s.process.pcShutdownRequest;
  in.delaySeconds = s.process.pcShutdownDelay;
  in.dryRun = s.special.debug_version || s.special.demo_version;
  in.mailsPending = s.mailOutbox && !s.mailOutbox->idle();
  in.now = s.pcActions.now();
  in.holdForClients = holdShutdownForClients(s, in);
  const PcShutdownOutcome outcome = runPcShutdownStep(s.pcActions.shutdown, in);
  if (outcome.failed)
    reportFailure(s, outcome.firstFailureOfRequest);
  if (!outcome.issued)
    return showCountdownOrFailure(s, in.now);

  // The link is let go first, so that the command is the newest row of the log and the tray.
  if (suspendLink)
    suspendLink();
  const QString issued = languageText(s.language, TextSlot::pcShutdownIssued);
  logShutdownEvent(s, issued);
  showCountdown(s, issued); // stays on show while the PC goes down
  return true;
}

bool cancelPcShutdownByUser(AppState &s)
{
  if (!cancelPcShutdown(s.pcActions.shutdown))
    return false;
  withdrawForcedShutdown(s);
  const QString text = languageText(s.language, TextSlot::pcShutdownCancelled);
  logShutdownEvent(s, text);
  postMessage(s.loop.message, text);
  showCountdown(s, QString());
  return true;
}

void noteShutdownNotHappened(AppState &s)
{
  resetPcShutdown(s.pcActions.shutdown);
  withdrawForcedShutdown(s);
  s.process.pcShutdownRequest = false; // from before the command: old news
  s.ui.shutdownWindow.pcShutdownCountdown_Text.clear();
  const QString text = languageText(s.language, TextSlot::pcShutdownNotHappened);
  logShutdownEvent(s, text);
  postMessage(s.loop.message, text);
}
