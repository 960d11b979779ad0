// The settings buttons of the main window: the device's parameters and its event-action settings
// are reset, saved or restored together.
#pragma once

struct AppState;
struct ParameterTransfer;

// 0 factory defaults, 1 save, 2 restore; other numbers do nothing.
void runSettingsRoutine(AppState &s, ParameterTransfer &transfer, int settingsNumber);
