// The device's state as the standard variables of network UPS monitoring clients: identity,
// measured values and the status word that tells them whether to shut down.
#pragma once

#include "common/nutUpsTable.h"

#include <QString>

struct DeviceCatalogueEntry;
struct InterpretationState;
struct RxFields;

// What the table is built from in one tick.
struct NutSource {
  const InterpretationState &process;
  const RxFields &fields;
  const DeviceCatalogueEntry &entry; // the device in use (an empty entry when none)
  bool live = false;                 // identified and answering
  QString manufacturer;
  QString configuredName; // the name clients use; empty: the model's name in lower case
};

// The UPS name, description and variables; stale while the device's data is not live.
NutUpsTable nutUpsTable(const NutSource &source);

// The status words (OL, OB, LB, ...) of the device's state, in the usual order, blank-separated.
QByteArray nutStatus(const InterpretationState &process);
