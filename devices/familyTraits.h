// What distinguishes the device families when their cyclic data is read: the meaning of each
// status-word bit, the order in which bits decide the operating mode, the mode texts and the
// conditions behind the fourteen event rows. One table per family; one handler reads them all.
#pragma once

#include "deviceCatalogue.h"

#include <cstdint>

// Conditions a status word can report (the name says what the bit means).
enum class Condition {
  None,
  MainsPresent,
  BufferOperation,
  IpcShutdown,
  BufferNotPossible,
  StorageVeryLow,
  ChargeBelow85,
  ExchangeStorage,
  OutputOff,
  Fuse,
  Hiccup,
  OutputCurrentHigh,
  OverCurrent,
  LifetimeWarning,
  ChargerControl,
  ConstantCurrent,
  SystemError,
  ChargeMonitoring,
  Safety,
  InputVoltageFailure,
  DeepDischarge,
  ExclusiveCharging,
  InputFailure,
  Shutdown,
  IpcIdle,
  IpcDelay,
  DeviceFlag,
  Count
};

constexpr int statusWordBits = 22;
constexpr int eventRows = 14;

// What raises one event row: a condition, or an operating mode.
struct EventRule {
  Condition condition = Condition::None;
  int mode = 0; // used when condition is None; 0 = never raised
};

struct ModeRule {
  int bit;
  int mode;
};

enum class TextKind { Vk, VtVkl, Vs };

struct FamilyTraits {
  TextKind kind;
  Condition bits[statusWordBits];
  ModeRule modeOrder[9];
  int modeRuleCount;
  int modeTextSlots[13]; // language slot per mode; 0 = empty text, -1 = the literal "Offline"
  EventRule events[eventRows];
  bool shutdownOnIpcShutdown; // the PC also shuts down in IPC shutdown mode, not only in buffer mode
};

// The traits of a family; nullptr for DeviceFamily::None.
const FamilyTraits *traitsOf(DeviceFamily family);
