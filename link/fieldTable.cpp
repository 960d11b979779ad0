#include "fieldTable.h"

#include "rxFields.h"

namespace
{
// Per-sub-device values go to the slot that field 6 chose; an index past the slots stores nothing.
template <typename T> void storeInSlot(FieldStoreContext &c, T (&slotValues)[subDeviceSlots], uint32_t value)
{
  if (c.currentSubDevice < subDeviceSlots)
    slotValues[c.currentSubDevice] = static_cast<T>(value);
}

void storeModelCode(FieldStoreContext &c, uint32_t v)
{
  if (c.currentSubDevice >= subDeviceSlots)
    return;
  uint32_t &code = c.fields.rxField1[c.currentSubDevice];
  // Another device behind the same port (re-plugged faster than the link notices): it is
  // identified afresh before any of its values is taken as the old one's.
  if (c.deviceIdentified && c.currentSubDevice == 0 && code != 0 && v != code)
    c.modelCodeChanged = true;
  code = v;
  if (!c.deviceIdentified || c.modelCodeChanged)
    c.fields.subDevicesSeen = static_cast<uint8_t>(c.currentSubDevice + 1);
}

void storeDecimalInSlot(FieldStoreContext &c, uint32_t (&slotValues)[subDeviceSlots],
                        QString (&texts)[subDeviceSlots], uint32_t value)
{
  if (c.currentSubDevice >= subDeviceSlots)
    return;
  slotValues[c.currentSubDevice] = value;
  texts[c.currentSubDevice] = QString::number(value);
}

#define PLAIN(ID, BYTES, TYPE)                                                                               \
  {                                                                                                          \
    ID, BYTES, [](FieldStoreContext &c, uint32_t v) { c.fields.rxField##ID = static_cast<TYPE>(v); }         \
  }
#define SLOT(ID, BYTES)                                                                                      \
  {                                                                                                          \
    ID, BYTES, [](FieldStoreContext &c, uint32_t v) { storeInSlot(c, c.fields.rxField##ID, v); }             \
  }
} // namespace

const FieldTableRow fieldTable[fieldTableRows] = {
    {1, 4, storeModelCode},
    SLOT(2, 2),
    SLOT(3, 4),
    SLOT(4, 4),
    SLOT(10, 4),
    {6, 1, [](FieldStoreContext &c, uint32_t v) { c.currentSubDevice = static_cast<uint8_t>(v); }},
    {88, 4,
     [](FieldStoreContext &c, uint32_t v) {
       c.fields.rxField88a = static_cast<uint8_t>(v >> 24);
       c.fields.rxField88b = static_cast<uint8_t>(v >> 16);
     }},
    {99, 1,
     [](FieldStoreContext &c, uint32_t v) {
       c.fields.rxField99 = static_cast<uint8_t>(v ? (c.fields.rxField99 | 1u) : (c.fields.rxField99 & ~1u));
     }},
    PLAIN(100, 2, uint16_t),
    PLAIN(101, 2, uint16_t),
    SLOT(102, 2),
    PLAIN(104, 2, uint16_t),
    PLAIN(105, 2, uint16_t),
    PLAIN(106, 2, uint16_t),
    PLAIN(107, 2, uint16_t),
    PLAIN(108, 2, uint16_t),
    PLAIN(109, 2, uint16_t),
    PLAIN(110, 2, uint16_t),
    PLAIN(503, 2, uint16_t),
    PLAIN(504, 2, uint16_t),
    PLAIN(505, 2, uint16_t),
    PLAIN(103, 2, uint16_t),
    PLAIN(301, 2, uint16_t),
    PLAIN(304, 2, uint16_t),
    PLAIN(305, 2, uint16_t),
    {306, 4,
     [](FieldStoreContext &c, uint32_t v) {
       c.fields.rxField306a = static_cast<uint16_t>(v >> 16);
       c.fields.rxField306b = static_cast<uint16_t>(v);
     }},
    PLAIN(307, 2, uint16_t),
    PLAIN(600, 4, uint32_t),
    PLAIN(601, 2, uint16_t),
    PLAIN(603, 1, uint8_t),
    PLAIN(604, 2, uint16_t),
    PLAIN(605, 2, uint16_t),
    PLAIN(606, 2, uint16_t),
    PLAIN(602, 2, uint16_t),
    PLAIN(700, 2, uint16_t),
    {5, 1, [](FieldStoreContext &c, uint32_t v) { c.fields.subDeviceCount = static_cast<uint8_t>(v); }},
    SLOT(1100, 2),
    SLOT(1300, 4),
    PLAIN(1301, 4, uint32_t),
    PLAIN(1303, 2, uint16_t),
    PLAIN(1302, 2, uint16_t),
    PLAIN(1304, 2, uint16_t),
    {1305, 2,
     [](FieldStoreContext &c, uint32_t v) {
       c.fields.rxField1305 = static_cast<uint16_t>(v);
       c.fields.rxField1305Text = QString::number(v) + QLatin1Char('s');
     }},
    {1306, 2,
     [](FieldStoreContext &c, uint32_t v) {
       c.fields.rxField1306 = static_cast<uint16_t>(v);
       c.fields.rxField1306Text = QString::number(v) + QLatin1Char('s');
     }},
    PLAIN(1307, 2, uint16_t),
    PLAIN(1308, 2, uint16_t),
    PLAIN(1312, 4, uint32_t),
    {1309, 4,
     [](FieldStoreContext &c, uint32_t v) {
       storeDecimalInSlot(c, c.fields.rxField1309, c.fields.rxField1309Text, v);
     }},
    {1310, 4,
     [](FieldStoreContext &c, uint32_t v) {
       storeDecimalInSlot(c, c.fields.rxField1310, c.fields.rxField1310Text, v);
     }},
    PLAIN(1311, 2, uint16_t),
};

const FieldTableRow *findFieldRow(uint16_t id, int rowLimit)
{
  const int limit = rowLimit < fieldTableRows ? rowLimit : fieldTableRows;
  for (int i = 0; i < limit; ++i) {
    if (fieldTable[i].id == id)
      return &fieldTable[i];
  }
  return nullptr;
}
