// The device's USB serial adapter as the service tools use it: listing, opening by description,
// the UART that carries the bootloader's bytes, the CBUS pins wired to the controller's
// boot-select and reset lines, the adapter's EEPROM and the USB port cycle. One implementation
// per driver (libftdi on Linux, the vendor's D2XX library on Windows) and a simulated one that
// talks to tools/bootloader_simulator.py.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <memory>

// The parts of the adapter's EEPROM that the service tools read and change.
struct FtdiEeprom {
  QString manufacturer;
  QString manufacturerId;
  QString description;
  QString serialNumber;
  std::array<uint8_t, 4> cbusFunctions{}; // CBUS0..3 pin functions
  bool invertRxd = false;
  bool invertTxd = false;
};

class FtdiAdapter
{
public:
  virtual ~FtdiAdapter() = default;

  // Descriptions of the attached adapters, in the driver's order.
  virtual QStringList attachedDescriptions() = 0;
  // Opens the first adapter with this USB product description (vendor 0x0403).
  virtual bool open(const QString &description) = 0;
  virtual void close() = 0;
  // 115200 Bd, 8 data bits, even parity, one stop bit, a low latency timer; the bootloader's
  // line settings. Applied after every open, since drivers reset them when they open.
  virtual bool configureUart() = 0;
  // CBUS bit-bang: high nibble = output enables, low nibble = levels of CBUS0..3.
  virtual bool writeCbusPins(uint8_t pinByte) = 0;
  virtual bool write(const QByteArray &bytes) = 0;
  // The bytes that arrived within the time-out, at most `count`; fewer (or none) on a time-out.
  virtual QByteArray read(int count, int timeoutMs) = 0;
  virtual bool readEeprom(FtdiEeprom &eeprom) = 0;
  virtual bool programEeprom(const FtdiEeprom &eeprom) = 0;
  // Makes the adapter leave the bus and enumerate again (with a new EEPROM's strings); closes it.
  virtual bool cyclePort() = 0;
  // What the driver said about the last failure, for the service log.
  virtual QString lastError() const = 0;
};

// The simulated adapter when a simulator socket is set (TALVANE_ADAPTER_SOCKET or
// setSimulatedAdapterSocket), else the platform's driver.
std::unique_ptr<FtdiAdapter> makeFtdiAdapter();
void setSimulatedAdapterSocket(const QString &path);
QString simulatedAdapterSocket();
