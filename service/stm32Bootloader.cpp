#include "stm32Bootloader.h"

namespace
{
uint8_t xorOf(const QByteArray &bytes, uint8_t start = 0)
{
  uint8_t sum = start;
  for (char b : bytes)
    sum ^= uint8_t(b);
  return sum;
}
} // namespace

QByteArray addressBytes(uint32_t address)
{
  QByteArray bytes;
  for (int shift = 24; shift >= 0; shift -= 8)
    bytes += char((address >> shift) & 0xFF);
  bytes += char(xorOf(bytes));
  return bytes;
}

QByteArray blockBytes(const QByteArray &data)
{
  const auto lengthByte = uint8_t(data.size() - 1);
  QByteArray bytes(1, char(lengthByte));
  bytes += data;
  bytes += char(xorOf(data, lengthByte));
  return bytes;
}

Answer Stm32Bootloader::answer(int timeoutMs)
{
  const QByteArray got = adapter.read(1, timeoutMs);
  if (got.isEmpty())
    return Answer::Timeout;
  if (uint8_t(got.at(0)) == Stm32::ack)
    return Answer::Ack;
  return uint8_t(got.at(0)) == Stm32::nack ? Answer::Nack : Answer::Other;
}

Answer Stm32Bootloader::sendChecked(const QByteArray &bytes, int timeoutMs)
{
  if (!adapter.write(bytes))
    return Answer::Timeout;
  return answer(timeoutMs);
}

Answer Stm32Bootloader::command(uint8_t code, int timeoutMs)
{
  return sendChecked(QByteArray{1, char(code)} + char(~code), timeoutMs);
}

Answer Stm32Bootloader::synchronise()
{
  return sendChecked(QByteArray(1, char(0x7F)));
}

Answer Stm32Bootloader::twoAnswers(uint8_t code)
{
  const Answer first = command(code);
  if (first != Answer::Ack)
    return first;
  // Changing the option bytes takes a while; the controller resets right after this answer.
  return answer(Stm32::massEraseTimeoutMs);
}

Answer Stm32Bootloader::readoutUnprotect()
{
  return twoAnswers(0x92);
}

Answer Stm32Bootloader::writeUnprotect()
{
  return twoAnswers(0x73);
}

Answer Stm32Bootloader::massErase()
{
  const Answer first = command(0x44);
  if (first != Answer::Ack)
    return first;
  return sendChecked(QByteArray("\xFF\xFF\x00", 3), Stm32::massEraseTimeoutMs);
}

Answer Stm32Bootloader::writeMemory(uint32_t address, const QByteArray &data)
{
  Answer a = command(0x31);
  if (a == Answer::Ack)
    a = sendChecked(addressBytes(address));
  if (a == Answer::Ack)
    a = sendChecked(blockBytes(data));
  return a;
}

QByteArray Stm32Bootloader::readMemory(uint32_t address, int length)
{
  if (command(0x11) != Answer::Ack || sendChecked(addressBytes(address)) != Answer::Ack)
    return {};
  const auto n = uint8_t(length - 1);
  if (sendChecked(QByteArray{1, char(n)} + char(~n)) != Answer::Ack)
    return {};
  const QByteArray data = adapter.read(length, Stm32::answerTimeoutMs + length);
  return data.size() == length ? data : QByteArray();
}
