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

// The user sees every failure at once and finds it in the event log once per request.
void reportFailure(AppState &s, bool firstOfRequest)
{
  const QString text = languageText(s.language, TextSlot::pcShutdownFailed);
  postMessage(s.loop.message, text, failureMessageTicks);
  if (firstOfRequest)
    logShutdownEvent(s, text);
}

bool showCountdown(AppState &s, const QString &text)
{
  QString &shown = s.ui.shutdownWindow.pcShutdownCountdown_Text;
  if (shown == text)
    return false;
  shown = text;
  return true;
}

QString countdownText(const AppState &s, const QDateTime &now)
{
  const int left = pcShutdownSecondsLeft(s.pcActions.shutdown, now);
  return left < 0 ? QString() : languageText(s.language, TextSlot::pcShutdownCountdown).arg(left);
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
    return showCountdown(s, countdownText(s, in.now));

  // The link is let go first, so that the command is the newest row of the log and the tray.
  if (suspendLink)
    suspendLink();
  const QString issued = languageText(s.language, TextSlot::pcShutdownIssued);
  logShutdownEvent(s, issued);
  showCountdown(s, issued); // stays on show while the PC goes down
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
