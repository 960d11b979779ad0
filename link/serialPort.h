// The one serial connection to the device, on QSerialPort: opens and configures the port, sends
// the frame the request cycle prepared and hands received bytes to the frame decoder.
#pragma once

#include "linkContext.h"

#include <QByteArray>
#include <QFutureWatcher>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QSerialPort;

// Lists the system's serial port names; runs on a worker thread.
using PortEnumerator = std::function<QStringList()>;
// The system's ports as the operating system reports them (udev on Linux, which takes milliseconds).
QStringList systemPortNames();

class SerialPort : public QObject
{
  Q_OBJECT

public:
  // The port works on the link's state in `context`, which must outlive it.
  explicit SerialPort(LinkContext context, QObject *parent = nullptr);
  // As above with the routine that lists the system's ports (tests give a stand-in).
  SerialPort(LinkContext context, PortEnumerator enumerate, QObject *parent = nullptr);
  ~SerialPort() override;

  // Closes the port and sets it up for 9600 Bd 8N1; the link pauses until reconfigured.
  void configurePort();
  // Moves to 115200 Bd when the link is to run fast; the next transmit reopens the port.
  void switchToHighSpeed();
  // Opens the port when a name is set; false while no port is chosen.
  bool ensureOpen();
  void closePort();
  bool isOpen() const;

  // The system's serial ports followed by the ports named on the command line. The system's list is
  // enumerated on a worker thread and refreshed about every 2 s; the call answers with the last list
  // and waits only for the very first one, which is started when the port is made.
  QStringList availablePorts();
  // The state the port works on.
  LinkContext &context() { return state; }
  const LinkContext &context() const { return state; }
  bool checkPortIndex(int index);
  void selectPort(int index);
  QString portName() const;

  QByteArray txFrame;
  QByteArray rxBuffer;
  QString portNumberText; // the port's name without "COM"; empty when none is selected

public slots:
  void SerialReceived();
  void SerialTransmit();
  void SerialRestart();

private:
  void openPort();
  void identifyAfresh();
  void dropPortAfterFailure();
  void startPortEnumeration();
  void takeSystemPorts(const QStringList &ports);

  LinkContext state;
  QSerialPort *port;
  PortEnumerator enumerate;
  QFutureWatcher<QStringList> enumeration; // its result reaches this thread as a queued signal
  bool enumerating = false;                // from the start of a listing until its list is taken
  bool dropping = false;                   // closing the port after a failure
};
