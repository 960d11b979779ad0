// One run of the device link per main-loop tick: port handling, lost-link check, one request.
#pragma once

class SerialPort;

// Runs while the port is not suspended.
void runLinkCycle(SerialPort &port);

// Puts the link into its start-up state; the silence timer starts here.
void initialiseLinkState();
