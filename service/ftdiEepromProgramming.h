// The adapter listing and the EEPROM programming that gives an adapter a model's USB strings and
// pin options, so that the firmware update finds it under the model's name and drives the
// controller's boot-select and reset lines through its CBUS pins.
#pragma once

#include "ftdiAdapter.h"
#include "serviceReport.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

// The adapter family's device-specific EEPROM record as the vendor's driver lays it out.
constexpr int eepromRecordSize = 56;
using FtdiEepromRecord = std::array<uint8_t, eepromRecordSize>;
// A model's six adapter option bytes, in catalogue order: RXD inversion, TXD inversion and the
// functions of CBUS0 to CBUS3.
using AdapterOptionBytes = std::array<uint8_t, 6>;

// The fixed fields of the record (device type, vendor and product id, serial number on, 90 mA,
// bus-powered) and the option bytes; the other bytes keep what they held.
void setProgrammedFields(FtdiEepromRecord &record, const AdapterOptionBytes &options);
// The record's pin options from and into the adapter's EEPROM (CBUS functions and inversions).
FtdiEepromRecord recordOf(const FtdiEeprom &eeprom);
void applyRecord(FtdiEeprom &eeprom, const FtdiEepromRecord &record);

extern const QString noAdapterFound; // the list's only entry when no adapter is attached

// The descriptions of the attached adapters, or the one entry saying there is none.
QStringList listFtdiDevices(FtdiAdapter &adapter, const ServiceReport &report);

// Opens the adapter under `openDescription` (failing that, the first one listed, and `descriptions`
// is refreshed), writes the new strings and option bytes into its EEPROM and cycles its USB port,
// after which it comes back under `newDescription`.
void programFtdiEeprom(FtdiAdapter &adapter, QStringList &descriptions, const QString &openDescription,
                       const QString &newDescription, const QString &newManufacturer,
                       const AdapterOptionBytes &options, const ServiceReport &report);
