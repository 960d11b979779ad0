// Which port the link uses and at which speed (manual choice or automatic scan), and the
// connection lamp and port text of the main window.
#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QStringList>

#include <cstdint>

class SerialPort;

struct PortScanState {
  QString rememberedPortNumber = QStringLiteral("250"); // forces a port selection in the first cycle
  uint8_t scanIndex = 0;
  uint8_t scanWaitCycles = 0;
  bool wasIdentified = false;
  bool modelUpdateRequested = false; // the UI should show the device model again
  bool deviceFound = false;          // the automatic scan has just found an identified device
  QStringList extraPorts;            // ports named on the command line
  // The port chosen by hand, by name: the list's order changes between boots (USB adapters are
  // numbered as they come, ports named on the command line come last). Empty: by index only.
  QString chosenPortName;
  // The system's port list: enumerating it costs milliseconds, so a worker thread takes it about
  // every 2 s; the age is invalid until the first list has arrived.
  QStringList systemPorts;
  QElapsedTimer systemPortsAge;
};

// The port name as shown to the user ("COM3" → "3").
QString portNumberOf(const QString &portName);

// Manual mode: keeps the chosen port selected and reselects it after repeated losses;
// `modelLinkSpeed` is the chosen model's speed (1: 115200 Bd, 0: 9600 Bd). The port is the one
// named `chosenPortName` while the list holds it, else the one at `chosenPortIndex`, which then
// follows the name.
void manualPortCycle(SerialPort &port, int &chosenPortIndex, uint32_t modelLinkSpeed);
// Automatic mode: tries every port, first at 9600 Bd then at 115200 Bd, until a device answers;
// `portIndex` follows the port being tried.
void autoScanCycle(SerialPort &port, int &portIndex);

// The colour of the connection lamp; which picture shows it is the window's business.
enum class ConnectionLamp { off, green, yellow, red };

// How the lit lamp blinks: long lit phases while a device is connected, short ones while one is
// sought, steady while a lost link is shown. The window times the phases itself, so a blinking
// lamp costs the back end nothing per tick.
enum class LampBlink { steady, connected, searching };

// The port text's words, in the window's language.
struct PortTexts {
  QString port = QStringLiteral("COM Port: ");
  QString scanning = QStringLiteral("Device scanning...   COM Port: ");
  QString noDriver = QStringLiteral("no usb/rs232 driver found");
};

struct ConnectionStatus {
  ConnectionLamp lamp = ConnectionLamp::off;
  LampBlink blink = LampBlink::steady;
  QString portText;
};

// The connection lamp and port text of this tick. `noPortsListed`: the system lists no serial
// port; `showLinkCounters`: service builds add the link speed and counter.
ConnectionStatus connectionStatus(SerialPort &port, bool noPortsListed, bool showLinkCounters,
                                  const PortTexts &texts = PortTexts{});
