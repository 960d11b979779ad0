#include "deviceEvents.h"

#include "actions/emailNotification.h"
#include "actions/programStart.h"
#include "app/appState.h"
#include "currentDevice.h"
#include "signalRows.h"
#include "storage/eventControlModel.h"
#include "storage/upsDataBase.h"

namespace
{
QString ProcessData::*const relayTexts[3] = {&ProcessData::signalRelayText14, &ProcessData::signalRelayText24,
                                             &ProcessData::signalRelayText34};
QString ProcessData::*const relayImages[3] = {
    &ProcessData::signalRelayImage14, &ProcessData::signalRelayImage24, &ProcessData::signalRelayImage34};
constexpr int relayContactBits[3] = {5, 6, 7};

void showRelays(AppState &s, const bool (&active)[deviceEventRows], const QStringList &labels)
{
  ProcessData &pd = s.ui.processData;
  const SignalOutputsStruct &so = s.ui.signalOutputs;
  for (int r = 0; r < 3; ++r) {
    bool cause = false;
    QString text;
    int &counter = s.events.relayTextCounters[r];
    for (int k = 0; k < deviceEventRows; ++k) {
      if (!active[k] || !(so.*routedRows[k][r]) || !(so.*enabledRows[k][r]))
        continue;
      cause = true;
      if (counter == 2) { // the relay text keeps at most two causes
        text.clear();
        counter = 0;
      }
      text += labels.value(k) + QLatin1Char('\n');
      ++counter;
    }
    const bool inverted = so.*invertedRelays[r];
    const bool contact = ((s.process.relayWord >> relayContactBits[r]) & 1u) != 0;
    const bool relayActive = cause && (contact != inverted);
    pd.*relayTexts[r] = text;
    pd.*relayImages[r] = (relayActive != inverted) ? Pictures::relayClosed : Pictures::relayOpen;
  }
}
} // namespace

void runDeviceEvents(AppState &s)
{
  const QStringList &labels = currentCatalogueEntry(s).signalRowLabels;
  bool active[deviceEventRows];
  QString stateList;
  for (int k = 0; k < deviceEventRows; ++k) {
    // A row without a label does not exist on this model.
    active[k] = s.process.eventSignal[k] && !labels.value(k).isEmpty();
    if (active[k])
      stateList += QStringLiteral("▪ ") + labels.value(k) + QLatin1Char('\n');
  }
  s.ui.processData.devStatusText = stateList;
  showRelays(s, active, labels);

  DeviceEventState &ev = s.events;
  bool logged = false;
  const QString device = currentCatalogueEntry(s).name;
  for (int k = 0; k < deviceEventRows; ++k) {
    if (ev.previousSignal[k] || !active[k])
      continue;
    if (s.storage.database)
      s.storage.database->PrepareInserIntoTable_EVENTS_TABLE(device, s.loop.currentDate, s.loop.currentTime,
                                                             labels.value(k));
    logged = true;
    if (!ev.firstPass) {
      sendEventMail(s, k + 1);
      programStartEvent(s, k + 1, true);
    }
  }
  for (int k = 0; k < deviceEventRows; ++k) {
    if (ev.previousSignal[k])
      programStartEvent(s, k + 1, false);
  }
  if (ev.firstPass && logged)
    ev.firstPass = false;
  if (logged && s.storage.eventModel)
    s.storage.eventModel->updateModel_EVENTS_TABLE();
  for (int k = 0; k < deviceEventRows; ++k)
    ev.previousSignal[k] = active[k];
}
