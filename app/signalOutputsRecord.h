// The relay table record of the signal-contact page: built for the model in use from the routing
// words the device reports.
#pragma once

struct AppState;

// Whether the model in use is another than the one the record was built for.
bool signalOutputsModelChanged(const AppState &s);

// Builds the record afresh: the titles of the model in use and the routing the device reported.
// For another model the routing words still held are the previous device's, so they are dropped
// until the new device reports its own.
void buildSignalOutputs(AppState &s);
