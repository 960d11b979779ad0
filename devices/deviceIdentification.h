// Decides which catalogue model the connected device is, from the model code it reported.
#pragma once

struct AppState;

// Runs once per main-loop tick before the link cycle. Returns true when a device was taken over.
bool identifyDevice(AppState &s);
