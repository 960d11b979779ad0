// The firmware update's preparation in the main loop: started from the production page, one
// step per tick while it runs.
#pragma once

#include "appState.h"

void startFtdiRefresh(AppState &s);
void runFtdiRefreshStep(AppState &s);
