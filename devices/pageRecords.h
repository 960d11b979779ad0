// The labels and lists of the parameter and signal-contact pages for the current model. The
// selected values and check states travel in ProcessData; these records only say which controls
// the model offers (an empty label means the control does not exist on it).
#pragma once

struct DeviceCatalogueEntry;
struct DeviceParameterStruct;
struct LanguageTable;
struct SignalOutputsStruct;

void fillDeviceParameterRecord(DeviceParameterStruct &r, const DeviceCatalogueEntry &e);

// Titles of the relay table; the routing flags themselves come from the device's routing words.
void fillSignalOutputsLabels(SignalOutputsStruct &r, const DeviceCatalogueEntry &e,
                             const LanguageTable &lang);

// Row of the IPC shutdown signal in the relay table.
constexpr int ipcSignalRow = 3;

struct RxFields;

// The relay table's check boxes from the device's routing words (fields 604-606: bit k-1 = row k
// drives the relay, bit 15 = the relay's output is inverted), and which rows the user may change:
// while the IPC state is active a relay that carries the IPC row is reserved for it.
void fillSignalOutputsRouting(SignalOutputsStruct &r, const RxFields &fields, bool ipcState);
