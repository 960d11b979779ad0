// Without a window the standard error is the program's only voice: one line per event and per
// failure, which a terminal shows and the systemd journal keeps with its priority.
#pragma once

// Routes all messages to the standard error and turns the event lines on.
void logToStandardError();
