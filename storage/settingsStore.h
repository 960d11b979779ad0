// Reads and writes of the selected device's event-action settings (program starts, their delays,
// e-mails, PC shutdown) and the whole-configuration operations on them: factory settings, save into
// the backup columns and restore from them. Nothing is read or written while no device is selected.
#pragma once

#include <QString>

struct AppState;

// Asks for every group to be read again on the next tick (device change, full refresh, import).
void requestSettingsReload(AppState &s);
// Reads the groups whose reload was requested and refreshes their page records; true when it did.
bool loadRequestedSettings(AppState &s);

// Page commands. `number` is 0 for the first and 1 for the second program start or e-mail.
void storeProgramStartEvent(AppState &s, int number, unsigned bit, bool checked);
void storeProgramStartPath(AppState &s, int number, const QString &pathOrUrl);
void storeProgramDelay(AppState &s, int number, int field, int value);
void storeEmailEvent(AppState &s, int number, unsigned bit, bool checked);
void storeEmailConfig(AppState &s, int number, int field, const QString &value);
void storeEmailMessage(AppState &s, int number, int field, const QString &value);

void setFactoryUserSettings(AppState &s);
void saveUserSettings(AppState &s);
void restoreUserSettings(AppState &s);
