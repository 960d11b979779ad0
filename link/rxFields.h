// The values that the device reported, one slot per field id. Slots marked [sub] are arrays
// indexed by sub device: 0 = the UPS itself, 1-3 = the sub devices behind it.
#pragma once

#include <QString>

#include <cstdint>

constexpr int subDeviceSlots = 4;

struct RxFields {
  // One identification record per sub device.
  uint32_t rxField1[subDeviceSlots] = {}; // [sub] model code
  uint16_t rxField2[subDeviceSlots] = {}; // [sub] firmware version
  uint32_t rxField3[subDeviceSlots] = {}; // [sub] serial number
  uint32_t rxField4[subDeviceSlots] = {}; // [sub] batch number
  uint32_t rxField10[subDeviceSlots] = {};

  uint8_t rxField88a = 0; // calibration answer, first byte
  uint8_t rxField88b = 0; // calibration answer, second byte
  uint8_t rxField99 = 0;  // bit 0: parameters were written
  uint16_t rxField100 = 0;
  uint16_t rxField101 = 0;
  uint16_t rxField102[subDeviceSlots] = {}; // [sub]
  uint16_t rxField103 = 0;
  uint16_t rxField104 = 0;
  uint16_t rxField105 = 0;
  uint16_t rxField106 = 0;
  uint16_t rxField107 = 0;
  uint16_t rxField108 = 0;
  uint16_t rxField109 = 0;
  uint16_t rxField110 = 0;
  uint16_t rxField301 = 0;
  uint16_t rxField304 = 0;
  uint16_t rxField305 = 0;
  uint16_t rxField306a = 0;
  uint16_t rxField306b = 0;
  uint16_t rxField307 = 0;
  uint16_t rxField503 = 0;
  uint16_t rxField504 = 0;
  uint16_t rxField505 = 0;
  uint32_t rxField600 = 0; // status word
  uint16_t rxField601 = 0;
  uint16_t rxField602 = 0; // management word
  uint8_t rxField603 = 0;
  uint16_t rxField604 = 0;
  uint16_t rxField605 = 0;
  uint16_t rxField606 = 0;
  uint16_t rxField700 = 0;
  uint8_t subDeviceCount = 0;
  uint16_t rxField1100[subDeviceSlots] = {}; // [sub]
  uint32_t rxField1300[subDeviceSlots] = {}; // [sub]
  uint32_t rxField1301 = 0;
  uint16_t rxField1302 = 0;
  uint16_t rxField1303 = 0;
  uint16_t rxField1304 = 0;
  uint16_t rxField1305 = 0;
  QString rxField1305Text;
  uint16_t rxField1306 = 0;
  QString rxField1306Text;
  uint16_t rxField1307 = 0;
  uint16_t rxField1308 = 0;
  uint32_t rxField1309[subDeviceSlots] = {}; // [sub]
  QString rxField1309Text[subDeviceSlots];
  uint32_t rxField1310[subDeviceSlots] = {}; // [sub]
  QString rxField1310Text[subDeviceSlots];
  uint16_t rxField1311 = 0;
  uint32_t rxField1312 = 0;

  // Set to (sub device + 1) when a slot reports its model code while the device is not identified.
  uint8_t subDevicesSeen = 0;
};
