#include "d2xxAdapter.h"

#include <QElapsedTimer>
#include <QtEndian>

#include <cstring>
#include <vector>

namespace
{
using Status = unsigned long;
using Handle = void *;

// One entry of the library's device list, as the library lays it out; the list is read into an
// array of these, so its size follows the platform's pointer size.
struct DeviceListEntry {
  unsigned long flags;
  unsigned long type;
  unsigned long id;
  unsigned long locationId;
  char serialNumber[16];
  char description[64];
  Handle handle;
};

constexpr unsigned long openByDescription = 2;
constexpr unsigned char cbusBitBang = 0x20;
constexpr int eepromRecordSize = 56; // the X-series record
constexpr int offsetCbus = 22;
constexpr int offsetInvertTxd = 29;
constexpr int offsetInvertRxd = 30;
} // namespace

D2xxAdapter::D2xxAdapter() : library(QStringLiteral("ftd2xx")) {}

D2xxAdapter::~D2xxAdapter()
{
  close();
}

template <typename Function> Function D2xxAdapter::resolve(const char *name)
{
  auto function = reinterpret_cast<Function>(library.resolve(name));
  if (!function)
    error = QStringLiteral("ftd2xx: %1 missing").arg(QLatin1String(name));
  return function;
}

bool D2xxAdapter::check(unsigned long status, const char *what)
{
  if (status == 0)
    return true;
  error = QStringLiteral("%1 failed (%2)").arg(QLatin1String(what)).arg(status);
  return false;
}

QStringList D2xxAdapter::attachedDescriptions()
{
  auto create = resolve<Status (*)(unsigned long *)>("FT_CreateDeviceInfoList");
  auto get = resolve<Status (*)(DeviceListEntry *, unsigned long *)>("FT_GetDeviceInfoList");
  unsigned long count = 0;
  if (!create || !get || !check(create(&count), "FT_CreateDeviceInfoList") || count == 0)
    return {};
  std::vector<DeviceListEntry> entries(count);
  if (!check(get(entries.data(), &count), "FT_GetDeviceInfoList"))
    return {};
  QStringList descriptions;
  for (unsigned long i = 0; i < count && i < entries.size(); ++i)
    descriptions << QString::fromLatin1(entries[i].description, int(qstrnlen(entries[i].description, 64)));
  return descriptions;
}

bool D2xxAdapter::open(const QString &description)
{
  close();
  auto openEx = resolve<Status (*)(void *, unsigned long, Handle *)>("FT_OpenEx");
  QByteArray name = description.toLatin1();
  return openEx && check(openEx(name.data(), openByDescription, &handle), "FT_OpenEx");
}

void D2xxAdapter::close()
{
  if (!handle)
    return;
  if (auto closeHandle = resolve<Status (*)(Handle)>("FT_Close"))
    closeHandle(handle);
  handle = nullptr;
}

bool D2xxAdapter::configureUart()
{
  auto baud = resolve<Status (*)(Handle, unsigned long)>("FT_SetBaudRate");
  auto data =
      resolve<Status (*)(Handle, unsigned char, unsigned char, unsigned char)>("FT_SetDataCharacteristics");
  auto timeouts = resolve<Status (*)(Handle, unsigned long, unsigned long)>("FT_SetTimeouts");
  auto latency = resolve<Status (*)(Handle, unsigned char)>("FT_SetLatencyTimer");
  return handle && baud && data && timeouts && latency && check(baud(handle, 115200), "FT_SetBaudRate") &&
         check(data(handle, 8, 0, 2), "FT_SetDataCharacteristics") &&
         check(timeouts(handle, 300, 300), "FT_SetTimeouts") &&
         check(latency(handle, 2), "FT_SetLatencyTimer");
}

bool D2xxAdapter::writeCbusPins(uint8_t pinByte)
{
  auto bitMode = resolve<Status (*)(Handle, unsigned char, unsigned char)>("FT_SetBitMode");
  return handle && bitMode && check(bitMode(handle, pinByte, cbusBitBang), "FT_SetBitMode");
}

bool D2xxAdapter::write(const QByteArray &bytes)
{
  auto writeBytes = resolve<Status (*)(Handle, void *, unsigned long, unsigned long *)>("FT_Write");
  unsigned long written = 0;
  QByteArray copy = bytes;
  return handle && writeBytes &&
         check(writeBytes(handle, copy.data(), unsigned(copy.size()), &written), "FT_Write") &&
         written == unsigned(bytes.size());
}

QByteArray D2xxAdapter::read(int count, int timeoutMs)
{
  auto timeouts = resolve<Status (*)(Handle, unsigned long, unsigned long)>("FT_SetTimeouts");
  auto readBytes = resolve<Status (*)(Handle, void *, unsigned long, unsigned long *)>("FT_Read");
  QByteArray bytes(count, '\0');
  unsigned long got = 0;
  if (!handle || !timeouts || !readBytes ||
      !check(timeouts(handle, unsigned(timeoutMs), 300), "FT_SetTimeouts") ||
      !check(readBytes(handle, bytes.data(), unsigned(count), &got), "FT_Read"))
    return {};
  bytes.truncate(int(got)); // only what arrived: the buffer's old content never counts
  return bytes;
}

bool D2xxAdapter::readEeprom(FtdiEeprom &eeprom)
{
  auto readRecord =
      resolve<Status (*)(Handle, void *, unsigned long, char *, char *, char *, char *)>("FT_EEPROM_Read");
  eepromRecord = QByteArray(eepromRecordSize, '\0');
  qToLittleEndian<uint32_t>(9, eepromRecord.data()); // the record's device type: X series
  char manufacturer[64] = {}, manufacturerId[16] = {}, description[64] = {}, serial[16] = {};
  if (!handle || !readRecord ||
      !check(readRecord(handle, eepromRecord.data(), eepromRecordSize, manufacturer, manufacturerId,
                        description, serial),
             "FT_EEPROM_Read"))
    return false;
  eeprom.manufacturer = QString::fromLatin1(manufacturer);
  eeprom.manufacturerId = QString::fromLatin1(manufacturerId);
  eeprom.description = QString::fromLatin1(description);
  eeprom.serialNumber = QString::fromLatin1(serial);
  for (int pin = 0; pin < 4; ++pin)
    eeprom.cbusFunctions[size_t(pin)] = uint8_t(eepromRecord.at(offsetCbus + pin));
  eeprom.invertTxd = eepromRecord.at(offsetInvertTxd) != 0;
  eeprom.invertRxd = eepromRecord.at(offsetInvertRxd) != 0;
  return true;
}

bool D2xxAdapter::programEeprom(const FtdiEeprom &eeprom)
{
  auto program =
      resolve<Status (*)(Handle, void *, unsigned long, char *, char *, char *, char *)>("FT_EEPROM_Program");
  if (!handle || !program || eepromRecord.size() != eepromRecordSize)
    return false;
  for (int pin = 0; pin < 4; ++pin)
    eepromRecord[offsetCbus + pin] = char(eeprom.cbusFunctions[size_t(pin)]);
  eepromRecord[offsetInvertTxd] = char(eeprom.invertTxd);
  eepromRecord[offsetInvertRxd] = char(eeprom.invertRxd);
  QByteArray manufacturer = eeprom.manufacturer.toLatin1(), manufacturerId = eeprom.manufacturerId.toLatin1();
  QByteArray description = eeprom.description.toLatin1(), serial = eeprom.serialNumber.toLatin1();
  return check(program(handle, eepromRecord.data(), eepromRecordSize, manufacturer.data(),
                       manufacturerId.data(), description.data(), serial.data()),
               "FT_EEPROM_Program");
}

bool D2xxAdapter::cyclePort()
{
  auto cycle = resolve<Status (*)(Handle)>("FT_CyclePort");
  const bool cycled = handle && cycle && check(cycle(handle), "FT_CyclePort");
  close();
  return cycled;
}
