// One run of the device link per main-loop tick: port handling, lost-link check, one request.
#pragma once

#include "linkContext.h"

#include <cstdint>

class SerialPort;

// Runs while the port is not suspended, on the port's link state. `portIndex` is the port chosen
// by hand in the system's port list and follows the automatic scan; `modelLinkSpeed` is the
// chosen model's speed (1: 115200 Bd, 0: 9600 Bd).
void runLinkCycle(SerialPort &port, int &portIndex, uint32_t modelLinkSpeed);

// Puts the link into its start-up state; the silence timer starts here.
void initialiseLinkState(LinkContext link);
