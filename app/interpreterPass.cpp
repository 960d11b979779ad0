#include "interpreterPass.h"

#include "stateParts.h"

#include "actions/emailNotification.h"
#include "actions/programStart.h"
#include "devices/deviceEvents.h"
#include "storage/eventLogExport.h"
#include "storage/upsDataBase.h"

#include <QFileInfo>

namespace
{
// The event log as it is now, for the mails that attach it.
EventLogSource eventLogSource(const AppState &s)
{
  if (!s.storage.database)
    return {};
  return {QFileInfo(s.storage.database->fileName()).absoluteFilePath(), newestEventId()};
}

// The event actions of one pass: mails and program starts for new events, e-mail 1 first; the
// program starts already waiting are checked against the events still present.
void runEventActions(AppState &s, const DeviceEventPass &pass)
{
  const DeviceCatalogueEntry &entry = currentCatalogueEntry(s);
  ProgramStartState &programs = s.pcActions.programStart;
  const QDateTime now = s.pcActions.now();
  for (int k = 0; k < deviceEventRows; ++k) {
    if (!pass.raised[k])
      continue;
    const MailEvent event{k + 1,
                          entry.name,
                          entry.signalRowLabels.value(k),
                          s.loop.currentDate,
                          s.loop.currentTime,
                          {languageText(s.language, TextSlot::mailReportShortened),
                           languageText(s.language, TextSlot::mailAttachmentLeftOut)}};
    sendEventMail(s.mailOutbox, s.settings.email, event, eventLogSource(s));
    programStartEvent(programs, s.settings.program, now, k + 1, true, s.process.eventSignal[k]);
  }
  for (int k = 0; k < deviceEventRows; ++k) {
    if (pass.wasPresent[k])
      programStartEvent(programs, s.settings.program, now, k + 1, false, s.process.eventSignal[k]);
  }
}
} // namespace

bool runInterpreterPass(AppState &s)
{
  s.rx.newDataAvailable = false;
  if (!interpretProcessData(interpretationContext(s)))
    return false;
  const EventLogTarget log{s.storage.database, s.storage.eventModel, s.loop.currentDate, s.loop.currentTime};
  const DeviceEventPass pass = runDeviceEvents(s.events, s.process, currentCatalogueEntry(s),
                                               s.ui.signalOutputs, s.ui.processData, log);
  runEventActions(s, pass);
  return true;
}
