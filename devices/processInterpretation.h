// Turns the fields the device reported into what the pages show: operating mode and its text,
// lamps, status picture, measured values, parameter selections, relay rows and the event signals.
#pragma once

#include "familyTraits.h"

#include <QString>

#include <array>
#include <cstdint>

struct LanguageTable;
struct LinkState;
struct ProcessData;
struct RxFields;
struct SignalOutputsStruct;
struct SpecialSettings;
struct TimedMessage;

constexpr int zeroWordsIgnored = 10;

struct InterpretationState {
  bool busy = false;
  bool identifiedSeen = false; // the device was identified at the previous tick
  int operatingMode = 0;
  uint32_t statusWord = 0;
  uint16_t relayWord = 0;
  uint16_t managementWord = 0;
  int relayZeroCountdown = zeroWordsIgnored;
  int managementZeroCountdown = zeroWordsIgnored;
  // Relay-word bits as the lamps and relays use them.
  uint8_t stateFlagsA = 0;
  uint8_t stateFlagsD = 0;
  uint8_t stateFlagsF = 0;
  bool storagePresent = false;
  std::array<bool, static_cast<int>(Condition::Count)> conditions{};
  bool eventSignal[eventRows] = {}; // rows 1-14 at indices 0-13
  // Buffer-time selector.
  bool ipcState = false;
  bool customBufferTime = false;
  bool infiniteBufferTime = false;
  QString bufferTimeStateText;
  QString storageName;
  // PC shutdown inputs, read every tick by the shutdown step.
  bool pcShutdownRequest = false;
  int pcShutdownDelay = 0;
  // Write acknowledgement: the values of the previous pass.
  uint8_t previous99 = 0;
  uint8_t previous88a = 0;
  uint8_t previous88b = 0;

  bool has(Condition c) const { return conditions[static_cast<int>(c)]; }
};

// What one interpretation pass reads and writes.
struct InterpretationContext {
  InterpretationState &process; // the interpreter's own state
  const RxFields &fields;
  const LinkState &link;
  const DeviceCatalogue &catalogue; // the device in use is its current entry
  const LanguageTable &language;
  const SpecialSettings &special;
  const QString &temperatureUnitText;
  ProcessData &processData;
  SignalOutputsStruct &signalOutputs; // the relay routing rows
  TimedMessage &message;              // the device's write acknowledgements
  QString &potiPicture;               // the buffer-time selector's picture
};

// Whether a model has an interpreter for its cyclic data.
bool familyInterpreterAvailable(const DeviceCatalogueEntry &entry);

// One pass of the family interpreter of the device in use; false when none ran.
bool interpretProcessData(const InterpretationContext &context);

// Clears the live values when the device is gone, so that the pages show no stale data.
void resetProcessValues(InterpretationState &process, ProcessData &processData);

// Shows that there is no connection in every live value of the pages: `heading` in place of the
// operating mode and the current-state list, "-.-" values, grey lamps, relays in state `unknown`,
// no status picture. The device's last state stays in the interpreter's own state.
void showNoConnection(ProcessData &processData, const QString &heading, const QString &unknown,
                      const QString &temperatureUnit);

// The operating mode a status word gives for a family (bits applied in the family's order).
int operatingModeOf(const FamilyTraits &traits, uint32_t statusWord);
