#include "serialPort.h"

#include "frameCodec.h"

#include <QSerialPort>
#include <QSerialPortInfo>
#include <QtConcurrent/QtConcurrentRun>

#include <exception>

namespace
{
constexpr qint64 portReadBufferSize = 150;
constexpr int rxBufferLimit = 250;
constexpr int baudMismatchMinimum = 5;
constexpr qint64 systemPortListLifetimeMs = 2000;
} // namespace

QStringList systemPortNames()
{
  QStringList names;
  for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
    names << info.portName();
  return names;
}

SerialPort::SerialPort(LinkContext context, QObject *parent) : SerialPort(context, systemPortNames, parent) {}

SerialPort::SerialPort(LinkContext context, PortEnumerator enumerate, QObject *parent)
    : QObject(parent), state(context), port(new QSerialPort), enumerate(std::move(enumerate))
{
  connect(port, &QSerialPort::readyRead, this, &SerialPort::SerialReceived);
  // A pulled adapter or a hung-up line: the port is closed, and what answers after it reopens is
  // identified afresh.
  connect(port, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError error) {
    if (error == QSerialPort::ResourceError && port->isOpen())
      dropPortAfterFailure();
  });
  connect(&enumeration, &QFutureWatcher<QStringList>::finished, this, [this] {
    if (enumeration.isFinished()) // not a late signal of a listing already taken
      takeSystemPorts(enumeration.result());
  });
  configurePort();
  state.scan.systemPortsAge.invalidate();
  startPortEnumeration(); // under way while the rest of the application starts
}

SerialPort::~SerialPort()
{
  port->close();
  state.link.set(LinkFlag::portSuspended, true);
  delete port;
}

void SerialPort::configurePort()
{
  LinkState &link = state.link;
  port->close();
  link.set(LinkFlag::portSuspended, true);
  port->setBaudRate(QSerialPort::Baud9600);
  port->setDataBits(QSerialPort::Data8);
  port->setParity(QSerialPort::NoParity);
  port->setStopBits(QSerialPort::OneStop);
  port->setFlowControl(QSerialPort::NoFlowControl);
  port->setReadBufferSize(portReadBufferSize);
  link.configuring = true;
}

void SerialPort::switchToHighSpeed()
{
  LinkState &link = state.link;
  if (link.highSpeedTrial != 1 || port->baudRate() == QSerialPort::Baud115200)
    return;
  port->close();
  port->setBaudRate(QSerialPort::Baud115200);
  link.setStatus(DeviceStatusFlag::offline, true);
}

bool SerialPort::ensureOpen()
{
  if (port->portName().isEmpty())
    return false;
  if (!port->isOpen())
    openPort();
  return true;
}

void SerialPort::openPort()
{
  // The same name may lead to another device now (a re-plugged adapter, a changed link).
  if (port->open(QIODevice::ReadWrite))
    identifyAfresh();
}

void SerialPort::identifyAfresh()
{
  state.link.beginIdentityCheck();
  state.fields.subDevicesSeen = 0; // model codes heard before count no more
}

void SerialPort::closePort()
{
  port->close();
  state.link.set(LinkFlag::portSuspended, true);
}

bool SerialPort::isOpen() const
{
  return port->isOpen();
}

QString SerialPort::portName() const
{
  return port->portName();
}

QStringList SerialPort::availablePorts()
{
  PortScanState &scan = state.scan;
  if (!scan.systemPortsAge.isValid()) {
    // Nothing listed yet: only the first call, at start, waits for the enumeration begun with the port.
    enumeration.waitForFinished();
    takeSystemPorts(enumeration.result());
  } else if (scan.systemPortsAge.elapsed() >= systemPortListLifetimeMs) {
    startPortEnumeration();
  }
  return scan.systemPorts + scan.extraPorts;
}

void SerialPort::startPortEnumeration()
{
  if (enumerating)
    return; // the listing under way has not been handed over yet
  enumerating = true;
  enumeration.setFuture(QtConcurrent::run([list = enumerate] { return list(); }));
}

void SerialPort::takeSystemPorts(const QStringList &ports)
{
  enumerating = false;
  state.scan.systemPorts = ports;
  state.scan.systemPortsAge.start();
}

bool SerialPort::checkPortIndex(int index)
{
  if (index >= 0 && index < availablePorts().size())
    return true;
  if (port->isOpen())
    port->close();
  state.link.setStatus(DeviceStatusFlag::offline, true);
  portNumberText.clear();
  return false;
}

void SerialPort::selectPort(int index)
{
  const QStringList ports = availablePorts();
  if (port->isOpen())
    port->close();
  if (!checkPortIndex(index))
    return;
  port->setPortName(ports.value(index));
  portNumberText = portNumberOf(ports.value(index));
}

void SerialPort::SerialReceived()
{
  LinkState &link = state.link;
  if (link.has(LinkFlag::portSuspended) || link.receiving)
    return;
  link.receiving = true;
  try {
    rxBuffer += port->readAll();

    // At the wrong speed the receiver mostly sees zero bytes: give up the fast trial.
    if (rxBuffer.size() > baudMismatchMinimum && link.highSpeedTrial == 1) {
      uint16_t sum = 0;
      for (int i = 0; i < rxBuffer.size() - 1; ++i)
        sum = static_cast<uint16_t>(sum + static_cast<uint8_t>(rxBuffer.at(i)));
      if (sum == 0)
        link.highSpeedTrial = 0;
    }

    if (decodeRxBuffer(rxBuffer, state.rx)) {
      state.rx.frameReceived = false;
      link.setStatus(DeviceStatusFlag::offline, false);
      link.retryLevel = 0;
      link.txSinceRx = 0;
      if (dispatchFields(state.rx, state.fields, link.identityConfirmed()))
        link.beginIdentityCheck();
    }
    link.set(LinkFlag::awaitingFirstAnswer, false);
    if (rxBuffer.size() > rxBufferLimit || state.rx.clearRxRequest) {
      rxBuffer.clear();
      state.rx.clearRxRequest = false;
    }
  } catch (const std::exception &) {
    dropPortAfterFailure();
  }
  link.receiving = false;
}

void SerialPort::SerialTransmit()
{
  LinkState &link = state.link;
  RxState &rx = state.rx;
  if (link.configuring)
    return;
  try {
    if (!ensureOpen() || !port->isOpen())
      return;
    link.set(LinkFlag::awaitingFirstAnswer, !link.has(LinkFlag::deviceIdentified));
    if (!rx.txReady)
      return;
    rx.txReady = false;
    link.txSinceRx = (link.txSinceRx == 255) ? 1 : static_cast<uint8_t>(link.txSinceRx + 1);
    if (txFrame.size() > 1) {
      port->write(txFrame);
      if (port->error() != QSerialPort::NoError)
        SerialRestart();
    }
  } catch (const std::exception &) {
    dropPortAfterFailure();
  }
}

void SerialPort::SerialRestart()
{
  port->clearError();
  if (port->isOpen()) {
    port->clear(QSerialPort::AllDirections);
    port->close();
  }
  openPort();
}

void SerialPort::dropPortAfterFailure()
{
  if (dropping)
    return; // closing a broken port can report another error
  dropping = true;
  port->clearError();
  if (port->isOpen()) {
    port->clear(QSerialPort::AllDirections);
    port->close();
  }
  // A link loss, whatever answers when the port reopens.
  identifyAfresh();
  dropping = false;
}
