// The UPS network server in the main loop: started and stopped as the settings ask, fed the
// device's state every tick, and told to announce the forced shutdown before this PC goes down.
#pragma once

#include "actions/pcShutdown.h"

struct AppState;

// Applies the settings: listens, or stops listening, as they and the command line ask.
void applyNutServerSettings(AppState &s);

// Publishes the device's state to the clients; every tick.
void publishNutUpsTable(AppState &s);

// Announces the forced shutdown once the device's delay has run out and tells whether this PC's
// own shutdown waits for the served machines. Before the shutdown step, every tick.
bool holdShutdownForClients(AppState &s, const PcShutdownInputs &inputs);

// The PC did not go down after all: clients are no longer told to shut down.
void withdrawForcedShutdown(AppState &s);
