// The client side of the STM32 USART system bootloader: each command is its byte and the byte's
// complement, answered by 0x79 (acknowledge) or 0x1F (refused). An answer is only ever the byte
// actually read for it; a time-out is an answer of its own.
#pragma once

#include "ftdiAdapter.h"

#include <QByteArray>

#include <cstdint>

namespace Stm32
{
constexpr uint8_t ack = 0x79;
constexpr uint8_t nack = 0x1F;
constexpr uint32_t flashStart = 0x08000000;
constexpr int maxChunk = 256;
constexpr int answerTimeoutMs = 300;
// A mass erase of the largest flash of these controllers takes tens of seconds.
constexpr int massEraseTimeoutMs = 40000;
} // namespace Stm32

enum class Answer { Ack, Nack, Other, Timeout };

class Stm32Bootloader
{
public:
  explicit Stm32Bootloader(FtdiAdapter &adapter) : adapter(adapter) {}

  Answer synchronise();
  // Both unprotect commands answer twice: once taken, once the protection is changed. The
  // controller resets afterwards and must be synchronised again.
  Answer readoutUnprotect();
  Answer writeUnprotect();
  Answer massErase();
  // One block of at most 256 bytes whose length is a multiple of 4, at a word address.
  Answer writeMemory(uint32_t address, const QByteArray &data);
  // Reads `length` (1..256) bytes; empty when the bootloader did not give them all.
  QByteArray readMemory(uint32_t address, int length);

private:
  Answer command(uint8_t code, int timeoutMs = Stm32::answerTimeoutMs);
  Answer sendChecked(const QByteArray &bytes, int timeoutMs = Stm32::answerTimeoutMs);
  Answer answer(int timeoutMs);
  Answer twoAnswers(uint8_t code);

  FtdiAdapter &adapter;
};

// The address as the bootloader takes it: four bytes, most significant first, and their XOR.
QByteArray addressBytes(uint32_t address);
// A data block: length - 1, the bytes, and the XOR of both.
QByteArray blockBytes(const QByteArray &data);
