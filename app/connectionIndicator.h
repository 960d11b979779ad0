// The connection lamp and port text of the main window, from the state the link reports.
#pragma once

#include "link/portScanning.h"

#include <QString>

struct AppState;
class SerialPort;

// The picture of a lamp colour.
QString connectionLampPicture(ConnectionLamp lamp);

// The lit phase of a blinking lamp in milliseconds (the dark phase lasts 200 ms); 0 for steady.
int connectionLampLitMs(LampBlink blink);

// Fills the lamp, the port text and the scan caption of ProcessData (every tick).
void buildCommunicationStatusText(AppState &s, SerialPort &port);
