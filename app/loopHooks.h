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
void disconnectStorageSignals();

// Settings.
void loadUserConfig();

// Main loop steps.
void loadGeneralSettings();
void runFtdiRefreshStep();
void logConnectionEvent(const QString &deviceName, const QString &text);
void runPcShutdownStep();
void fillProgramstartWindow();
void fillEmailWindow();
void fillDeviceParameterRecord();
void fillSignalOutputsRecord();

// Production window.
QStringList ftdiDescriptionList();
QString serviceLogText();
QString serviceLogTextGlobal();
QString serviceLogTextGlobal2();

} // namespace LoopHooks
