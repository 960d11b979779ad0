// Fuzzes the receive path: bytes arrive in pieces as from the serial port, each piece is appended
// to the receive buffer, the decoder looks for a frame and a valid frame is dispatched. Every
// dispatched frame is then interpreted, with its device events, by the handler of one device family
// chosen by the input, as the main loop does for the device in use.
#include "link/frameCodec.h"
#include "link/rxFields.h"
#include "tests/interpretedDevice.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace
{
// The catalogue with the service models, and one model of every family that has an interpreter.
struct Families {
  InterpretedDevice prototype;
  std::vector<uint8_t> entries; // catalogue index per family
  Families()
  {
    prototype.rebuildCatalogue(true);
    std::vector<DeviceFamily> seen;
    for (int i = 1; i < prototype.catalogue.catalogueCount; ++i) {
      const DeviceCatalogueEntry &entry = prototype.catalogue.entries[i];
      bool known = false;
      for (DeviceFamily family : seen)
        known = known || family == entry.family;
      if (known || !familyInterpreterAvailable(entry))
        continue;
      seen.push_back(entry.family);
      entries.push_back(static_cast<uint8_t>(i));
    }
  }
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
  static const Families families;
  if (size == 0)
    return 0;
  RxState rx;
  TxState tx;
  resetLink(rx, tx);
  const auto device = std::make_unique<InterpretedDevice>(families.prototype);
  device->catalogue.currentCatalogueIndex = families.entries[(data[0] >> 1) % families.entries.size()];
  device->link.set(LinkFlag::deviceIdentified, true);
  RxFields &fields = device->fields;
  QByteArray buffer;
  size_t pos = 0;
  while (pos < size) {
    // The first byte of each piece gives its length, so the fuzzer controls how bytes arrive.
    const size_t piece = std::min<size_t>(1 + data[pos] % 64, size - pos - 1);
    buffer.append(reinterpret_cast<const char *>(data + pos + 1), static_cast<int>(piece));
    pos += piece + 1;
    rx.clearRxRequest = false;
    if (decodeRxBuffer(buffer, rx)) {
      dispatchFields(rx, fields, (data[0] & 1) != 0);
      device->pass();
    }
    if (buffer.size() > 250 || rx.clearRxRequest)
      buffer.clear();
    if (rx.currentSubDevice != 0 || fields.subDevicesSeen > subDeviceSlots)
      __builtin_trap();
    if (device->process.operatingMode < 0)
      __builtin_trap();
  }
  return 0;
}
