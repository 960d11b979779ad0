// The adapter through the vendor's D2XX library (ftd2xx.dll), loaded when first needed. Windows
// only; it is not built on other systems.
#pragma once

#include "ftdiAdapter.h"

#include <QLibrary>

class D2xxAdapter : public FtdiAdapter
{
public:
  D2xxAdapter();
  ~D2xxAdapter() override;

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
  template <typename Function> Function resolve(const char *name);
  bool check(unsigned long status, const char *what);

  QLibrary library;
  void *handle = nullptr;
  QString error;
  QByteArray eepromRecord; // the device-specific record of the last read
};
