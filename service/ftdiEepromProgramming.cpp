#include "ftdiEepromProgramming.h"

#include <QThread>

const QString noAdapterFound = QStringLiteral("No FT-Devices devices found");

namespace
{
// Where each option byte lies in the record and which setting of the adapter's EEPROM it is.
enum class PinOption { InvertRxd, InvertTxd, Cbus0, Cbus1, Cbus2, Cbus3 };

struct OptionPlace {
  int recordOffset;
  PinOption option;
};

constexpr OptionPlace optionPlaces[6] = {
    {30, PinOption::InvertRxd}, {29, PinOption::InvertTxd}, {22, PinOption::Cbus0},
    {23, PinOption::Cbus1},     {24, PinOption::Cbus2},     {25, PinOption::Cbus3},
};

size_t cbusPin(PinOption option)
{
  return size_t(int(option) - int(PinOption::Cbus0));
}

uint8_t optionValue(const FtdiEeprom &eeprom, PinOption option)
{
  switch (option) {
  case PinOption::InvertRxd:
    return eeprom.invertRxd ? 1 : 0;
  case PinOption::InvertTxd:
    return eeprom.invertTxd ? 1 : 0;
  default:
    return eeprom.cbusFunctions[cbusPin(option)];
  }
}

void setOptionValue(FtdiEeprom &eeprom, PinOption option, uint8_t value)
{
  switch (option) {
  case PinOption::InvertRxd:
    eeprom.invertRxd = value != 0;
    break;
  case PinOption::InvertTxd:
    eeprom.invertTxd = value != 0;
    break;
  default:
    eeprom.cbusFunctions[cbusPin(option)] = value;
  }
}

void put16(FtdiEepromRecord &record, int offset, uint16_t value)
{
  record[size_t(offset)] = uint8_t(value & 0xFF);
  record[size_t(offset) + 1] = uint8_t(value >> 8);
}

QString line(const QString &label, const QString &value)
{
  return label + value + QLatin1Char('\n');
}

QString flagText(uint8_t value)
{
  return QString::number(value);
}
} // namespace

void setProgrammedFields(FtdiEepromRecord &record, const AdapterOptionBytes &options)
{
  record[0] = 9; // the adapter family (FT-X), 32-bit little-endian
  record[1] = record[2] = record[3] = 0;
  put16(record, 4, 0x0403);
  put16(record, 6, 0x6015);
  record[8] = 1;         // serial number enabled
  put16(record, 10, 90); // mA from the bus
  record[12] = record[13] = record[14] = 0;
  for (size_t i = 0; i < options.size(); ++i)
    record[size_t(optionPlaces[i].recordOffset)] = options[i];
}

FtdiEepromRecord recordOf(const FtdiEeprom &eeprom)
{
  FtdiEepromRecord record{};
  for (const OptionPlace &place : optionPlaces)
    record[size_t(place.recordOffset)] = optionValue(eeprom, place.option);
  return record;
}

void applyRecord(FtdiEeprom &eeprom, const FtdiEepromRecord &record)
{
  for (const OptionPlace &place : optionPlaces)
    setOptionValue(eeprom, place.option, record[size_t(place.recordOffset)]);
}

QStringList listFtdiDevices(FtdiAdapter &adapter, const ServiceReport &report)
{
  report.say(QStringLiteral("Interface is Refreshed.\n"));
  const QStringList found = adapter.attachedDescriptions();
  return found.isEmpty() ? QStringList{noAdapterFound} : found;
}

void programFtdiEeprom(FtdiAdapter &adapter, QStringList &descriptions, const QString &openDescription,
                       const QString &newDescription, const QString &newManufacturer,
                       const AdapterOptionBytes &options, const ServiceReport &report)
{
  QThread::msleep(10);
  if (openDescription.isEmpty()) {
    report.say(QStringLiteral("No Device selected!\n"));
    adapter.close();
    return;
  }
  bool opened = adapter.open(openDescription);
  if (!opened) {
    // The adapter may have come back under another name: take the first one attached.
    descriptions = listFtdiDevices(adapter, report);
    const QString first = descriptions.value(0);
    opened = first != noAdapterFound && adapter.open(first);
  }
  if (opened)
    report.say(QStringLiteral("FT_OpenEx Succes!. ...Device connected\n"));
  else
    report.say(QStringLiteral("FT_OpenEx Failed!\n"));

  report.say(QStringLiteral("Reading data from EEprom -> "));
  FtdiEeprom eeprom;
  // Only an adapter that was opened is read and programmed.
  if (!opened || !adapter.readEeprom(eeprom)) {
    report.say(QStringLiteral("Can't read EEPROM Data ...Failed!\n"));
    adapter.close();
    return;
  }
  report.say(QStringLiteral("Success!\n") + line(QStringLiteral(" - Manufacture: "), eeprom.manufacturer) +
             line(QStringLiteral(" - Description: "), eeprom.description) +
             line(QStringLiteral(" - InvertRXD: "), flagText(eeprom.invertRxd)) +
             line(QStringLiteral(" - InvertTXD: "), flagText(eeprom.invertTxd)));

  FtdiEepromRecord record = recordOf(eeprom);
  setProgrammedFields(record, options);
  applyRecord(eeprom, record);
  eeprom.manufacturer = newManufacturer;
  eeprom.description = newDescription;
  report.say(QStringLiteral("Writing Data to EEPROM -> "));
  if (!adapter.programEeprom(eeprom)) {
    report.say(QStringLiteral("Failed!\n"));
    adapter.close();
    return;
  }
  QString written = QStringLiteral("Success!\n") +
                    line(QStringLiteral(" - Manufacture: "), eeprom.manufacturer) +
                    line(QStringLiteral(" - Description: "), eeprom.description);
  for (uint8_t function : eeprom.cbusFunctions)
    written += line(QStringLiteral(" - Cbus Mux control: "), QString::number(function));
  written += line(QStringLiteral(" - InvertRXD: "), flagText(eeprom.invertRxd)) +
             line(QStringLiteral(" - InvertTXD: "), flagText(eeprom.invertTxd));
  report.say(written);
  report.say(adapter.cyclePort() ? QStringLiteral("Port has been cycled\n")
                                 : QStringLiteral("FT_CyclePort FAILED!\n"));
  adapter.close();
}
