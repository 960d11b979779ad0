// Calls from the application core into the subsystems that are not built yet. Each hook does
// nothing (or reports "nothing there") until its subsystem replaces it with the real call.
#pragma once

#include <QString>
#include <QStringList>

struct SpecialSettings;

namespace LoopHooks
{

// Construction and stop.
void openDatabase();
void readSpecialSettings(SpecialSettings &settings);
void buildDeviceCatalogue();
void disconnectStorageSignals();

// Device catalogue.
QStringList selectableDeviceNames(); // catalogue names from index 1 on, empty names left out
QString currentDeviceName();
int catalogueSelectable(int index);  // 1 for a filled entry, 0 for the empty one
int catalogueRowOfIdentifiedModel(); // the row named like the identified model, 0 when none
void loadUserConfig();

// Main loop steps.
void loadGeneralSettings();
void identifyDevice();
bool familyInterpreterAvailable();
void interpretProcessData();
int operatingModeCode();
void runFtdiRefreshStep();
void logConnectionEvent(const QString &deviceName, const QString &text);
void runPcShutdownStep();
void fillProgramstartWindow();
void fillEmailWindow();
bool takeParameterChanged();
void fillDeviceParameterRecord();
bool takeSignalOutputsChanged();
void fillSignalOutputsRecord();

// Production window.
QStringList calibrationCommandNames();
QStringList ftdiDescriptionList();
QStringList ftdiUpdateDeviceNames();
bool currentDeviceOffersFtdiUpdate();
bool deviceStatusBit7();
QString serviceLogText();
QString serviceLogTextGlobal();
QString serviceLogTextGlobal2();

} // namespace LoopHooks
