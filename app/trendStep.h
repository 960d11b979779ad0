// Feeds the trend of the measured values, one sample a second.
#pragma once

#include <QtGlobal>

struct AppState;

// Appends the measured values, or a gap while the device's data is not live, once the wall-clock
// second of `nowMsecs` differs from that of the newest sample.
void runTrendStep(AppState &s, qint64 nowMsecs);
