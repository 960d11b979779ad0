// The members of the signal-contact record by relay and row, so that code can walk the table.
#pragma once

#include "common/uiRecords.h"

constexpr int signalRelays = 3; // relays 14, 24 and 34
constexpr int signalRows = 14;

using SignalRowMember = bool SignalOutputsStruct::*;

// [row 0-13][relay 0-2]: the row drives the relay / the user may change that choice.
extern const SignalRowMember routedRows[signalRows][signalRelays];
extern const SignalRowMember enabledRows[signalRows][signalRelays];
// [relay 0-2]: the relay output is inverted / the user may change that.
extern const SignalRowMember invertedRelays[signalRelays];
extern const SignalRowMember invertedEnabledRelays[signalRelays];
// [row 0-13]: the row's title.
extern QString SignalOutputsStruct::*const rowLabels[signalRows];
