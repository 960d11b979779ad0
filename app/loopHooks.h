// Calls from the application core into the subsystems that are not built yet. Each hook does
// nothing (or reports "nothing there") until its subsystem replaces it with the real call.
#pragma once

#include <QString>
#include <QStringList>

struct SpecialSettings;

namespace LoopHooks
{

// Construction and stop.
void createDeviceLink();
void openDatabase();
void initialiseLinkState();
void readSpecialSettings(SpecialSettings &settings);
void buildDeviceCatalogue();
void closeSerialPort();
bool serialPortClosed();
void disconnectStorageSignals();

// Device catalogue.
QStringList selectableDeviceNames(); // catalogue names from index 1 on, empty names left out
QString currentDeviceName();

// Main loop steps.
void loadGeneralSettings();
void identifyDevice();
QStringList availablePorts();
void runLinkCycle();
bool familyInterpreterAvailable();
void interpretProcessData();
void resetRequestCycle();
int operatingModeCode();
void buildCommunicationStatusText();
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
quint32 reportedSerialNumber(int slot);
quint32 reportedBatchNumber(int slot);
bool calibrationAnswered();
QStringList calibrationCommandNames();
QStringList ftdiDescriptionList();
QStringList ftdiUpdateDeviceNames();
bool currentDeviceOffersFtdiUpdate();
bool deviceStatusBit7();
QString serviceLogText();
QString serviceLogTextGlobal();
QString serviceLogTextGlobal2();

} // namespace LoopHooks
