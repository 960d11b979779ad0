// The alarm banner and the out-of-range values of the pages, with the moment the alarm began.
#pragma once

struct AppState;

// Fills the alarm members of ProcessData from the device's state and the link, every tick.
void runAlarmStep(AppState &s);
