// The system page's stored settings applied to the running application.
#pragma once

struct AppState;

// Reads the settings row (autostart, device detection, window options, temperature unit, language,
// port) and applies it; marks the settings as loaded.
void loadSystemSettings(AppState &s);
