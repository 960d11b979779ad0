// Events that another program's lock on the database kept from the log are written as soon as the
// file can be written again; meanwhile the message line says how many wait.
#pragma once

struct AppState;

// Runs every tick after the message line's step: writes the waiting events without waiting for the
// file, refreshes the event page when they are in, and shows or clears the waiting text.
void runEventLogQueueStep(AppState &s);
