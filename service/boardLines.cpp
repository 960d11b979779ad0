#include "boardLines.h"

#include <QThread>

void settle(int milliseconds)
{
  QThread::msleep(static_cast<unsigned long>(milliseconds));
}

void BoardLines::setLine(uint8_t level, uint8_t enable, bool high)
{
  pinByte = uint8_t((pinByte | enable) & ~level);
  if (high != inverted)
    pinByte |= level;
  if (!adapter.writeCbusPins(pinByte))
    report.say(QStringLiteral("Failed to write data to CBUS pins.\n"));
}

void BoardLines::bootSelect(bool on)
{
  setLine(CbusPin::bootSelectLevel, CbusPin::bootSelectEnable, on);
}

void BoardLines::boardReset()
{
  report.say(QStringLiteral("Board reset. -> "));
  setLine(CbusPin::resetLevel, CbusPin::resetEnable, false);
  settle(10);
  setLine(CbusPin::resetLevel, CbusPin::resetEnable, true);
  settle(10);
}

void BoardLines::enterBootloader()
{
  bootSelect(true);
  settle(10);
  boardReset();
  settle(5);
}
