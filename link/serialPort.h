// The one serial connection to the device, on QSerialPort: opens and configures the port, sends
// the frame the request cycle prepared and hands received bytes to the frame decoder.
#pragma once

#include "linkContext.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

class QSerialPort;

class SerialPort : public QObject
{
  Q_OBJECT

public:
  // The port works on the link's state in `context`, which must outlive it.
  explicit SerialPort(LinkContext context, QObject *parent = nullptr);
  ~SerialPort() override;

  // Closes the port and sets it up for 9600 Bd 8N1; the link pauses until reconfigured.
  void configurePort();
  // Moves to 115200 Bd when the link is to run fast; the next transmit reopens the port.
  void switchToHighSpeed();
  // Opens the port when a name is set; false while no port is chosen.
  bool ensureOpen();
  void closePort();
  bool isOpen() const;

  // The system's serial ports followed by the ports named on the command line.
  QStringList availablePorts() const;
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
  void dropPortAfterFailure();

  LinkContext state;
  QSerialPort *port;
};
