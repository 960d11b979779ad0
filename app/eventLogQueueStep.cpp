#include "eventLogQueueStep.h"

#include "appState.h"

#include "storage/eventControlModel.h"
#include "storage/upsDataBase.h"

void runEventLogQueueStep(AppState &s)
{
  Ups_DataBase *database = s.storage.database;
  const int waiting = database ? database->pendingEventCount() : 0;
  if (waiting > 0 && database->writePendingEvents() && s.storage.eventModel)
    s.storage.eventModel->updateModel_EVENTS_TABLE();
  const int left = database ? database->pendingEventCount() : 0;

  // The text takes the message line whenever no other message is shown there, and leaves it when the
  // log has caught up.
  QString &line = s.ui.processData.extraMessage;
  QString &shown = s.loop.eventLogBehindText;
  const bool ours = !shown.isEmpty() && line == shown;
  if (left > 0 && (line.isEmpty() || ours)) {
    shown = languageText(s.language, TextSlot::eventLogBehind).arg(left);
    line = shown;
  } else if (left == 0 && ours) {
    line.clear();
    shown.clear();
  }
}
