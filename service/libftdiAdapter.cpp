#include "libftdiAdapter.h"

#include <QElapsedTimer>

#include <ftdi.h>
#include <libusb.h>

namespace
{
constexpr int ftdiVendor = 0x0403;

// Calls `visit(device, description)` for every attached FTDI adapter until it returns true.
template <typename Visit> void forEachAdapter(ftdi_context *ftdi, Visit visit)
{
  ftdi_device_list *list = nullptr;
  if (ftdi_usb_find_all(ftdi, &list, ftdiVendor, 0) < 0)
    return;
  for (ftdi_device_list *entry = list; entry; entry = entry->next) {
    char manufacturer[128] = {}, description[128] = {}, serial[128] = {};
    if (ftdi_usb_get_strings2(ftdi, entry->dev, manufacturer, sizeof manufacturer, description,
                              sizeof description, serial, sizeof serial) < 0)
      continue;
    if (visit(entry->dev, QString::fromLatin1(description)))
      break;
  }
  ftdi_list_free(&list);
}
} // namespace

LibftdiAdapter::LibftdiAdapter() : ftdi(ftdi_new())
{
  if (ftdi)
    ftdi->module_detach_mode = AUTO_DETACH_REATACH_SIO_MODULE;
}

LibftdiAdapter::~LibftdiAdapter()
{
  close();
  if (ftdi)
    ftdi_free(ftdi);
}

bool LibftdiAdapter::check(int result, const char *what)
{
  if (result >= 0)
    return true;
  error = QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLatin1(ftdi_get_error_string(ftdi)));
  return false;
}

QStringList LibftdiAdapter::attachedDescriptions()
{
  QStringList descriptions;
  if (ftdi)
    forEachAdapter(ftdi, [&](libusb_device *, const QString &description) {
      descriptions << description;
      return false;
    });
  return descriptions;
}

bool LibftdiAdapter::open(const QString &description)
{
  if (!ftdi)
    return false;
  close();
  forEachAdapter(ftdi, [&](libusb_device *device, const QString &found) {
    if (found != description)
      return false;
    opened = check(ftdi_usb_open_dev(ftdi, device), "open");
    return true;
  });
  if (!opened && error.isEmpty())
    error = QStringLiteral("no adapter named %1").arg(description);
  return opened;
}

void LibftdiAdapter::close()
{
  if (opened)
    ftdi_usb_close(ftdi); // also gives the adapter back to the kernel's serial driver
  opened = false;
}

// libftdi sets the line back to its defaults on every open, so this follows each open. The
// latency timer decides how long a lone acknowledgement byte waits in the adapter: 16 ms by
// default, which would dominate a transfer of one-byte answers.
bool LibftdiAdapter::configureUart()
{
  if (!opened)
    return false;
  ftdi->usb_read_timeout = 300;
  ftdi->usb_write_timeout = 300;
  return check(ftdi_set_baudrate(ftdi, 115200), "baud rate") &&
         check(ftdi_set_line_property(ftdi, BITS_8, STOP_BIT_1, EVEN), "line settings") &&
         check(ftdi_set_latency_timer(ftdi, 1), "latency timer") && check(ftdi_tcioflush(ftdi), "flush");
}

bool LibftdiAdapter::writeCbusPins(uint8_t pinByte)
{
  return opened && check(ftdi_set_bitmode(ftdi, pinByte, BITMODE_CBUS), "CBUS pins");
}

bool LibftdiAdapter::write(const QByteArray &bytes)
{
  if (!opened)
    return false;
  const int sent =
      ftdi_write_data(ftdi, reinterpret_cast<const unsigned char *>(bytes.constData()), bytes.size());
  return check(sent, "write") && sent == bytes.size();
}

QByteArray LibftdiAdapter::read(int count, int timeoutMs)
{
  QByteArray bytes;
  if (!opened)
    return bytes;
  QElapsedTimer waited;
  waited.start();
  while (bytes.size() < count) {
    unsigned char buffer[512];
    const int n = ftdi_read_data(ftdi, buffer, qMin(count - bytes.size(), int(sizeof buffer)));
    if (!check(n, "read"))
      break;
    bytes.append(reinterpret_cast<const char *>(buffer), n);
    if (bytes.size() < count && waited.elapsed() >= timeoutMs)
      break;
  }
  return bytes;
}

bool LibftdiAdapter::readEeprom(FtdiEeprom &eeprom)
{
  if (!opened || !check(ftdi_read_eeprom(ftdi), "EEPROM read") ||
      !check(ftdi_eeprom_decode(ftdi, 0), "EEPROM decode"))
    return false;
  char manufacturer[128] = {}, product[128] = {}, serial[128] = {};
  ftdi_eeprom_get_strings(ftdi, manufacturer, sizeof manufacturer, product, sizeof product, serial,
                          sizeof serial);
  eeprom.manufacturer = QString::fromLatin1(manufacturer);
  eeprom.manufacturerId = eeprom.manufacturer.left(2).toUpper();
  eeprom.description = QString::fromLatin1(product);
  eeprom.serialNumber = QString::fromLatin1(serial);
  for (int pin = 0; pin < 4; ++pin) {
    int value = 0;
    ftdi_get_eeprom_value(ftdi, ftdi_eeprom_value(CBUS_FUNCTION_0 + pin), &value);
    eeprom.cbusFunctions[size_t(pin)] = uint8_t(value);
  }
  int invert = 0;
  ftdi_get_eeprom_value(ftdi, INVERT, &invert);
  eeprom.invertRxd = invert & INVERT_RXD;
  eeprom.invertTxd = invert & INVERT_TXD;
  return true;
}

// Changes the decoded image of the last read, so every value not named here stays as it was.
bool LibftdiAdapter::programEeprom(const FtdiEeprom &eeprom)
{
  if (!opened)
    return false;
  const QByteArray manufacturer = eeprom.manufacturer.toLatin1();
  const QByteArray description = eeprom.description.toLatin1();
  const QByteArray serial = eeprom.serialNumber.toLatin1();
  if (!check(ftdi_eeprom_set_strings(ftdi, manufacturer.constData(), description.constData(),
                                     serial.constData()),
             "EEPROM strings"))
    return false;
  for (int pin = 0; pin < 4; ++pin)
    ftdi_set_eeprom_value(ftdi, ftdi_eeprom_value(CBUS_FUNCTION_0 + pin), eeprom.cbusFunctions[size_t(pin)]);
  int invert = 0;
  ftdi_get_eeprom_value(ftdi, INVERT, &invert);
  invert = (invert & ~(INVERT_RXD | INVERT_TXD)) | (eeprom.invertRxd ? INVERT_RXD : 0) |
           (eeprom.invertTxd ? INVERT_TXD : 0);
  ftdi_set_eeprom_value(ftdi, INVERT, invert);
  return check(ftdi_eeprom_build(ftdi), "EEPROM build") && check(ftdi_write_eeprom(ftdi), "EEPROM write");
}

// The adapter leaves the bus and enumerates again; when it is already gone the cycle is done.
bool LibftdiAdapter::cyclePort()
{
  if (!opened)
    return false;
  const int result = libusb_reset_device(ftdi->usb_dev);
  ftdi_usb_close(ftdi);
  opened = false;
  if (result == 0 || result == LIBUSB_ERROR_NOT_FOUND)
    return true;
  error = QStringLiteral("port cycle: %1").arg(QString::fromLatin1(libusb_error_name(result)));
  return false;
}
