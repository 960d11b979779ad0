#include "pcShutdownStep.h"

#include "stateParts.h"

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

// The user sees every failure at once and finds it in the event log once per request.
void reportFailure(AppState &s, bool firstOfRequest)
{
  const QString text = languageText(s.language, TextSlot::pcShutdownFailed);
  postMessage(s.loop.message, text, failureMessageTicks);
  if (!firstOfRequest)
    return;
  QString device = currentCatalogueEntry(s).name;
  if (device.isEmpty())
    device = s.loop.connectionDeviceName;
  if (s.storage.database)
    s.storage.database->PrepareInserIntoTable_EVENTS_TABLE(device, s.loop.currentDate, s.loop.currentTime,
                                                           text);
  if (s.storage.eventModel)
    s.storage.eventModel->updateModel_EVENTS_TABLE();
}
} // namespace

void runPcShutdownStep(AppState &s, const std::function<void()> &stopLink)
{
  loadShutdownChoiceOnConnection(s);
  PcShutdownInputs in;
  in.enabled = s.ui.shutdownWindow.pcShutdownEnable;
  in.fastStartup = s.ui.processData.fastStartup;
  in.requested = s.process.pcShutdownRequest;
  in.delaySeconds = s.process.pcShutdownDelay;
  in.dryRun = s.special.debug_version || s.special.demo_version;
  in.now = s.pcActions.now();
  const PcShutdownOutcome outcome = runPcShutdownStep(s.pcActions.shutdown, in);
  if (outcome.failed)
    reportFailure(s, outcome.firstFailureOfRequest);
  if (outcome.issued && stopLink)
    stopLink();
}
