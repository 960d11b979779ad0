// The production page's device commands: identity numbers of the device and its sub devices,
// the calibration steps of the model and a free field write. Every write goes out through the
// highest-priority request queue.
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include <cstdint>

struct RequestCycleState;
struct ProductionWindowStruct;

// What the production page chose, kept between its commands.
struct ProductionState {
  int subDeviceIndex = 0;          // 0 = the master; only 0-3 address a unit
  uint8_t selectedCalibration = 0; // position in the model's calibration commands
  QString updateModel;             // the model chosen for the adapter refresh and the update
  QString ftdiDescription;         // the adapter chosen in the list
  QString firmwarePath;
  QStringList ftdiDescriptions; // of the last adapter listing
  bool listing = false;         // an adapter listing runs
  bool updating = false;        // an update started from the page runs
};

// The connected model's calibration commands: codes, names and info texts, in list order.
struct CalibrationCommands {
  QVector<uint8_t> codes;
  QStringList names;
  QStringList infos;
};

// One call of the page: the button and its eight texts, as the page sends them.
struct ProductionRow {
  int buttonNr = 0;
  QString kennungText;
  QString valueText[4];
  QString confByte1;
  QString confByte2;
};

struct ProductionContext {
  RequestCycleState &requests;
  ProductionWindowStruct &window;
  ProductionState &state;
  const CalibrationCommands &calibration;
  bool offline = false; // nothing is queued for a device that does not answer
};

// Runs a command that needs no adapter (buttons 0-5, 10 and 100); false for any other button.
bool runProductionDeviceCommand(ProductionContext c, const ProductionRow &row);

// Whether a firmware file path may start the adapter refresh: at least 4 characters, with ".bin"
// after the first one.
bool firmwareFileUsable(const QString &path);

struct RxFields;

// The chosen unit's serial and batch numbers as the device reported them (`sn`, `fa`); empty for
// a unit past the sub devices.
void showIdentityNumbers(ProductionWindowStruct &window, const RxFields &fields);
