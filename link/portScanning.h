// Which port the link uses and at which speed (manual choice or automatic scan), and the
// connection lamp and port text of the main window.
#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QStringList>

#include <cstdint>

class SerialPort;

struct PortScanState {
  uint32_t deviceRecordIndex = 0;
  QString rememberedPortNumber = QStringLiteral("250"); // forces a port selection in the first cycle
  uint8_t scanIndex = 0;
  uint8_t scanWaitCycles = 0;
  bool wasIdentified = false;
  bool modelUpdateRequested = false; // the UI should show the device model again
  QStringList extraPorts;            // ports named on the command line
  // The system's port list: enumerating it costs milliseconds, so it is taken at most every 2 s.
  QStringList systemPorts;
  QElapsedTimer systemPortsAge;
  // Connection lamp blinking.
  bool lampLit = false;
  int lampPhaseTicks = 0;
};

// The port name as shown to the user ("COM3" → "3").
QString portNumberOf(const QString &portName);

// Manual mode: keeps the chosen port selected and reselects it after repeated losses.
void manualPortCycle(SerialPort &port);
// Automatic mode: tries every port, first at 9600 Bd then at 115200 Bd, until a device answers.
void autoScanCycle(SerialPort &port);
// Builds the connection lamp and port text (every tick).
void buildCommunicationStatusText(const SerialPort &port);
