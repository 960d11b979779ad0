// The answer fields the application understands: id, value length and where the value goes.
#pragma once

#include <cstdint>

struct RxFields;

struct FieldStoreContext {
  RxFields &fields;
  uint8_t &currentSubDevice;
  bool deviceIdentified;
  bool modelCodeChanged = false; // set: the identified device reported another model code
};

struct FieldTableRow {
  uint16_t id;
  uint8_t valueBytes;
  void (*store)(FieldStoreContext &context, uint32_t value);
};

constexpr int fieldTableRows = 50;

// Rows 1 to 50 of the dispatch table, in table order (index 0 here is row 1).
extern const FieldTableRow fieldTable[fieldTableRows];

// The row for `id` among the first `rowLimit` rows, or nullptr.
const FieldTableRow *findFieldRow(uint16_t id, int rowLimit);
