#include "deviceEvents.h"

#include "common/vendorData.h"
#include "deviceCatalogue.h"
#include "processInterpretation.h"
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
constexpr int relayTextCauses = 2; // a relay's text names its first causes in row order, no more

void showRelays(const DeviceCatalogueEntry &entry, uint16_t relayWord, const SignalOutputsStruct &so,
                ProcessData &pd, const bool (&active)[deviceEventRows], const QStringList &labels)
{
  const QString *suffixes[3] = {&entry.relaySuffix14, &entry.relaySuffix24, &entry.relaySuffix34};
  for (int r = 0; r < 3; ++r) {
    // A contact the model does not have shows nothing (capacitor models have two).
    if (suffixes[r]->trimmed().isEmpty()) {
      (pd.*relayTexts[r]).clear();
      (pd.*relayImages[r]).clear();
      continue;
    }
    bool cause = false;
    QString text;
    int named = 0;
    for (int k = 0; k < deviceEventRows; ++k) {
      if (!active[k] || !(so.*routedRows[k][r]) || !(so.*enabledRows[k][r]))
        continue;
      cause = true;
      if (named++ < relayTextCauses)
        text += labels.value(k) + QLatin1Char('\n');
    }
    const bool inverted = so.*invertedRelays[r];
    const bool contact = ((relayWord >> relayContactBits[r]) & 1u) != 0;
    const bool relayActive = cause && (contact != inverted);
    pd.*relayTexts[r] = text;
    pd.*relayImages[r] = (relayActive != inverted) ? Pictures::relayClosed : Pictures::relayOpen;
  }
}
} // namespace

DeviceEventPass runDeviceEvents(DeviceEventState &ev, const InterpretationState &process,
                                const DeviceCatalogueEntry &entry, const SignalOutputsStruct &signalOutputs,
                                ProcessData &processData, const EventLogTarget &log)
{
  const QStringList &labels = entry.signalRowLabels;
  bool active[deviceEventRows];
  QString stateList;
  for (int k = 0; k < deviceEventRows; ++k) {
    // A row without a label does not exist on this model.
    active[k] = process.eventSignal[k] && !labels.value(k).isEmpty();
    if (active[k])
      stateList += QStringLiteral("▪ ") + labels.value(k) + QLatin1Char('\n');
  }
  processData.devStatusText = stateList;
  showRelays(entry, process.relayWord, signalOutputs, processData, active, labels);

  DeviceEventPass pass;
  bool logged = false;
  for (int k = 0; k < deviceEventRows; ++k) {
    pass.wasPresent[k] = ev.previousSignal[k];
    if (ev.previousSignal[k] || !active[k])
      continue;
    if (log.database)
      log.database->PrepareInserIntoTable_EVENTS_TABLE(entry.name, log.date, log.time, labels.value(k));
    logged = true;
    pass.raised[k] = !ev.firstPass;
  }
  if (ev.firstPass && logged)
    ev.firstPass = false;
  if (logged && log.model)
    log.model->updateModel_EVENTS_TABLE();
  for (int k = 0; k < deviceEventRows; ++k)
    ev.previousSignal[k] = active[k];
  return pass;
}
