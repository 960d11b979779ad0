// Fuzzes the receive path: bytes arrive in pieces as from the serial port, each piece is appended
// to the receive buffer, the decoder looks for a frame and a valid frame is dispatched.
#include "link/frameCodec.h"
#include "link/rxFields.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
  RxState rx;
  TxState tx;
  RxFields fields;
  resetLink(rx, tx);
  QByteArray buffer;
  size_t pos = 0;
  while (pos < size) {
    // The first byte of each piece gives its length, so the fuzzer controls how bytes arrive.
    const size_t piece = std::min<size_t>(1 + data[pos] % 64, size - pos - 1);
    buffer.append(reinterpret_cast<const char *>(data + pos + 1), static_cast<int>(piece));
    pos += piece + 1;
    rx.clearRxRequest = false;
    if (decodeRxBuffer(buffer, rx))
      dispatchFields(rx, fields, (data[0] & 1) != 0);
    if (buffer.size() > 250 || rx.clearRxRequest)
      buffer.clear();
    if (rx.currentSubDevice != 0 || fields.subDevicesSeen > subDeviceSlots)
      __builtin_trap();
  }
  return 0;
}
