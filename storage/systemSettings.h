// The system page's settings: loaded from the settings row of the database into memory.
#pragma once

struct AppState;

// Reads the settings row (autostart, device detection, window options, temperature unit, language,
// port) and applies it; marks the settings as loaded.
void loadSystemSettings(AppState &s);
