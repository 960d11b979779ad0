// The adapter played by tools/bootloader_simulator.py over a Unix socket; the protocol is in
// tools/simulated_adapter_protocol.txt.
#pragma once

#include "ftdiAdapter.h"

class SimulatedAdapter : public FtdiAdapter
{
public:
  explicit SimulatedAdapter(const QString &socketPath);
  ~SimulatedAdapter() override;

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

  // For tests: the simulated controller's flash, and every pin byte written so far.
  QByteArray flash(uint32_t address, uint32_t length);
  QByteArray pinHistory();

private:
  // One request and its answer; false when the simulator is gone or refused it.
  bool request(char op, const QByteArray &payload, QByteArray *answer = nullptr);
  bool connectSocket();

  QString path;
  int fd = -1;
  QString error;
};
