// Reads and writes of the selected device's event-action settings (program starts, their delays,
// e-mails, PC shutdown) and the whole-configuration operations on them: factory settings, save into
// the backup columns and restore from them. Nothing is read or written while no device is selected.
#pragma once

#include "userSettings.h"

#include <QString>

#include <optional>

class Ups_DataBase;
struct ProgramstartWindowStruct;
struct EmailWindowStruct;

// The rows of one device in the per-device tables.
struct DeviceRows {
  Ups_DataBase *database = nullptr;
  QString deviceName; // the device's catalogue name; empty: no device selected
};

// The PC shutdown choices of a device, stored together in one column.
struct ShutdownChoice {
  bool pcShutdownEnable = false;
  bool fastStartup = false;
};

// Asks for every group to be read again on the next tick (device change, full refresh, import).
void requestSettingsReload(UserSettingsState &settings);
// Reads the groups whose reload was requested and refreshes their page records; true when it did.
bool loadRequestedSettings(UserSettingsState &settings, const DeviceRows &rows,
                           ProgramstartWindowStruct &programs, EmailWindowStruct &emails);

// Page commands. `number` is 0 for the first and 1 for the second program start or e-mail.
void storeProgramStartEvent(UserSettingsState &settings, const DeviceRows &rows, int number, unsigned bit,
                            bool checked);
void storeProgramStartPath(UserSettingsState &settings, const DeviceRows &rows, int number,
                           const QString &pathOrUrl);
void storeProgramDelay(UserSettingsState &settings, const DeviceRows &rows, int number, int field, int value);
void storeEmailEvent(UserSettingsState &settings, const DeviceRows &rows, int number, unsigned bit,
                     bool checked);
// Both return false when they refuse the value (see emailFieldCheck.h); nothing is stored then.
bool storeEmailConfig(UserSettingsState &settings, const DeviceRows &rows, int number, int field,
                      const QString &value);
bool storeEmailMessage(UserSettingsState &settings, const DeviceRows &rows, int number, int field,
                       const QString &value);

// Factory settings: everything off and empty, the PC shutdown choices too. False when no device
// is selected (then nothing changed).
bool setFactoryUserSettings(UserSettingsState &settings, const DeviceRows &rows);
// Copies the live columns into the backup columns; `shutdown` is saved as it is now.
void saveUserSettings(const DeviceRows &rows, ShutdownChoice shutdown);
// Copies the backup columns back (a group never saved keeps its live settings); returns the
// restored PC shutdown choices when they were restored.
std::optional<ShutdownChoice> restoreUserSettings(UserSettingsState &settings, const DeviceRows &rows);

// The PC shutdown choices of the device, written when the user changes them and read when the
// device connects (nullopt: no device).
void storeShutdownChoice(const DeviceRows &rows, ShutdownChoice choice);
std::optional<ShutdownChoice> loadShutdownChoice(const DeviceRows &rows);
