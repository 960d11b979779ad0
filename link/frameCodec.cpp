#include "frameCodec.h"

#include "fieldTable.h"
#include "rxFields.h"

#include <algorithm>
#include <cstring>

namespace
{
constexpr uint8_t txSync1 = 0xAB;
constexpr uint8_t txSync2 = 0xCD;
constexpr uint8_t rxSync1 = 0xDC;
constexpr uint8_t rxSync2 = 0xBA;
constexpr uint8_t queuedPayloadBit = 0x80;
constexpr int trailerLength = 3; // checksum, CR, LF

const uint8_t *bytesOf(const QByteArray &a)
{
  return reinterpret_cast<const uint8_t *>(a.constData());
}

// Bytes past the frame buffer read as the zero fill behind the frame.
uint8_t frameByte(const RxState &rx, int index)
{
  return (index >= 0 && index < rxFrameCapacity) ? rx.rxFrame[index] : 0;
}

uint32_t readValue(const RxState &rx, int first, int count)
{
  uint32_t value = 0;
  for (int i = 0; i < count; ++i)
    value = (value << 8) | frameByte(rx, first + i);
  return value;
}

// Checks the candidate frame that starts at `start` and runs to the end of the buffer.
bool acceptFrameAt(const uint8_t *data, int size, int start, RxState &rx)
{
  const int length = size - start;
  if (length > rxFrameCapacity)
    return false; // longer than any answer: dropped whole
  const uint8_t *frame = data + start;
  const int checksumAt = length - trailerLength;
  if (checksumAt < 0 || frame[checksumAt] == 0)
    return false;
  if (checksum(frame, checksumAt) != frame[checksumAt])
    return false;
  // Only the header and the fields are kept: a value running past them reads zeros, not the trailer.
  std::memset(rx.rxFrame, 0, sizeof rx.rxFrame);
  std::memcpy(rx.rxFrame, frame, static_cast<size_t>(checksumAt));
  rx.rxFrameLength = static_cast<uint8_t>(checksumAt);
  rx.frameReceived = true;
  rx.lastRxTime.start();
  ++rx.validFrames;
  return true;
}
} // namespace

uint8_t checksum(const uint8_t *frame, int count)
{
  uint8_t x = 0;
  for (int i = 0; i < count; ++i)
    x ^= frame[i];
  if (x == 0 && count > 2)
    x = frame[2];
  return x;
}

uint8_t checksum(const QByteArray &frame, int count)
{
  return checksum(bytesOf(frame), std::min(count, static_cast<int>(frame.size())));
}

QByteArray buildTxFrame(TxState &tx, RxState &rx)
{
  QByteArray frame;
  frame.reserve(frameHeaderLength + txPayloadCapacity + trailerLength);
  const uint8_t command =
      tx.txPlainCycle ? tx.txCommand : static_cast<uint8_t>(tx.txCommand | queuedPayloadBit);
  frame.append(char(txSync1)).append(char(txSync2)).append(char(0x01));
  frame.append(char(command)).append(char(tx.txArgument)).append(char(0));
  tx.txCommand = 0;
  tx.txArgument = 0;

  const int payloadLength = std::min<int>(tx.txPayloadLength, txPayloadCapacity);
  frame.append(reinterpret_cast<const char *>(tx.txPayload), payloadLength);
  tx.txPayloadLength = 0;
  frame[5] = char(frame.size() - frameHeaderLength);

  frame.append(char(checksum(frame, frame.size()))).append('\r').append('\n');
  rx.txReady = true;
  return frame;
}

bool decodeRxBuffer(const QByteArray &buffer, RxState &rx)
{
  const int size = buffer.size();
  const uint8_t *data = bytesOf(buffer);
  if (size <= frameHeaderLength || data[size - 2] != '\r' || data[size - 1] != '\n')
    return false; // incomplete: more bytes may follow

  // The latest valid frame wins. A frame's own values may contain the sync pair, so when the frame
  // from the last pair fails its checks the earlier pairs are tried as well.
  rx.clearRxRequest = true;
  for (int start = size - 2; start >= 0; --start) {
    if (data[start] != rxSync1 || data[start + 1] != rxSync2)
      continue;
    if (size - start > rxFrameCapacity)
      break; // every earlier start gives a longer frame still
    if (acceptFrameAt(data, size, start, rx))
      return true;
  }
  return false;
}

bool dispatchFields(RxState &rx, RxFields &fields, bool deviceIdentified)
{
  FieldStoreContext context{fields, rx.currentSubDevice, deviceIdentified};
  int p = frameHeaderLength;
  while (p < rx.rxFrameLength) {
    const uint16_t id = static_cast<uint16_t>(readValue(rx, p, 2));
    const FieldTableRow *row = findFieldRow(id, rx.fieldTableCount - 1);
    if (!row) {
      p += 3; // id and one assumed value byte
      continue;
    }
    row->store(context, readValue(rx, p + 2, row->valueBytes));
    p += 2 + row->valueBytes;
  }
  rx.currentSubDevice = 0;
  rx.newDataAvailable = true;
  return context.modelCodeChanged;
}

void resetLink(RxState &rx, TxState &tx)
{
  rx.frameReceived = false;
  rx.newDataAvailable = false;
  rx.txReady = false;
  rx.fieldTableCount = 51;
  rx.currentSubDevice = 0;
  tx.txPlainCycle = true;
}
