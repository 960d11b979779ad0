// One pass over the device's new data: the family interpreter fills the pages, the device events
// are logged, and the events that have just occurred go to the e-mails and program starts.
#pragma once

struct AppState;

// Consumes the new-data mark; false when the device in use has no interpreter (or one is running).
bool runInterpreterPass(AppState &s);
