#include "signalOutputsRecord.h"

#include "appState.h"

#include "devices/pageRecords.h"
#include "devices/signalRows.h"

bool signalOutputsModelChanged(const AppState &s)
{
  return currentCatalogueEntry(s).name != s.loop.signalOutputsModel;
}

void buildSignalOutputs(AppState &s)
{
  const DeviceCatalogueEntry &entry = currentCatalogueEntry(s);
  if (signalOutputsModelChanged(s)) {
    s.loop.signalOutputsModel = entry.name;
    s.fields.rxField604 = s.fields.rxField605 = s.fields.rxField606 = 0;
  }
  SignalOutputsStruct &so = s.ui.signalOutputs;
  so = SignalOutputsStruct{};
  fillSignalOutputsLabels(so, entry, s.language);
  fillSignalOutputsRouting(so, s.fields, s.process.ipcState);
}
