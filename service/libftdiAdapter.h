// The adapter through libftdi1 and libusb on Linux. The kernel's serial driver is detached only
// while the adapter is open and attached again on close, so /dev/ttyUSBn comes back for the link.
#pragma once

#include "ftdiAdapter.h"

struct ftdi_context;

class LibftdiAdapter : public FtdiAdapter
{
public:
  LibftdiAdapter();
  ~LibftdiAdapter() override;

  QStringList attachedDescriptions() override;
  bool open(const QString &description) override;
  void close() override;
  bool configureUart() override;
  bool writeCbusPins(uint8_t pinByte) override;
  bool write(const QByteArray &bytes) override;
  QByteArray read(int count, int timeoutMs) override;
  bool readEeprom(FtdiEeprom &eeprom) override;
  bool programEeprom(const FtdiEeprom &eeprom) override;
  bool cyclePort() override;
  QString lastError() const override { return error; }

private:
  bool check(int result, const char *what);

  ftdi_context *ftdi = nullptr;
  bool opened = false;
  QString error;
};
