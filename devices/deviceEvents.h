// Turns the fourteen event signals of a pass into event log entries, relay states and the
// current-state list, and reports which events have just occurred so that the caller can hand
// them to the event actions.
#pragma once

#include "common/deviceEventRows.h"

#include <QString>

class Ups_DataBase;
class EventControl_DataBaseModel;
struct DeviceCatalogueEntry;
struct InterpretationState;
struct ProcessData;
struct SignalOutputsStruct;

struct DeviceEventState {
  bool previousSignal[deviceEventRows] = {};
  bool firstPass = true; // conditions present at start are logged without actions
};

// Where a pass writes its event log rows, and their time stamp.
struct EventLogTarget {
  Ups_DataBase *database = nullptr;
  EventControl_DataBaseModel *model = nullptr;
  QString date;
  QString time;
};

// What a pass found, by event row (event number - 1).
struct DeviceEventPass {
  bool raised[deviceEventRows] = {};     // has just occurred: the event actions are due
  bool wasPresent[deviceEventRows] = {}; // was present in the pass before
};

// Runs at the end of every family interpreter pass of the device `entry`: logs the events that
// appeared, and shows the relays and the current-state list in `processData`.
DeviceEventPass runDeviceEvents(DeviceEventState &events, const InterpretationState &process,
                                const DeviceCatalogueEntry &entry, const SignalOutputsStruct &signalOutputs,
                                ProcessData &processData, const EventLogTarget &log);
