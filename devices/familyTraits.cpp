#include "familyTraits.h"

namespace
{
using C = Condition;

constexpr FamilyTraits vkTraits = {
    TextKind::Vk,
    {C::MainsPresent,
     C::BufferOperation,
     C::IpcShutdown,
     C::BufferNotPossible,
     C::StorageVeryLow,
     C::ChargeBelow85,
     C::ExchangeStorage,
     C::OutputOff,
     C::Fuse,
     C::Hiccup,
     C::OutputCurrentHigh,
     C::ChargerControl,
     C::SystemError,
     C::Safety,
     C::DeepDischarge,
     C::None,
     C::None,
     C::None,
     C::Shutdown,
     C::IpcIdle,
     C::None,
     C::None},
    {{1, 3}, {2, 5}, {8, 10}, {9, 11}, {13, 7}, {18, 4}, {19, 6}},
    7,
    {0, -1, 66, 67, 132, 78, 114, 161, 0, 0, 82, 82, 0},
    // Row 13 is labelled "System error" and row 14 "Safety mode", as on the other battery families.
    {{C::None, 2},
     {C::None, 3},
     {C::IpcShutdown},
     {C::BufferNotPossible},
     {C::StorageVeryLow},
     {C::ChargeBelow85},
     {C::ExchangeStorage},
     {C::OutputOff},
     {C::None, 10},
     {C::None, 11},
     {C::OutputCurrentHigh},
     {C::ChargerControl},
     {C::SystemError},
     {C::None, 7}},
    false,
};

constexpr FamilyTraits vtTraits = {
    TextKind::VtVkl,
    {C::MainsPresent,
     C::BufferOperation,
     C::IpcShutdown,
     C::BufferNotPossible,
     C::StorageVeryLow,
     C::ChargeBelow85,
     C::ExchangeStorage,
     C::OutputOff,
     C::Fuse,
     C::Hiccup,
     C::OverCurrent,
     C::ChargerControl,
     C::SystemError,
     C::Safety,
     C::ExclusiveCharging,
     C::None,
     C::InputFailure,
     C::DeepDischarge,
     C::Shutdown,
     C::IpcIdle,
     C::None,
     C::None},
    // IPC shutdown is applied last.
    {{1, 3}, {8, 10}, {9, 11}, {13, 7}, {14, 12}, {18, 4}, {19, 6}, {2, 5}},
    8,
    {0, -1, 66, 67, 132, 78, 114, 161, 0, 0, 61, 63, 176},
    {{C::None, 2},
     {C::None, 3},
     {C::IpcShutdown},
     {C::BufferNotPossible},
     {C::StorageVeryLow},
     {C::ChargeBelow85},
     {C::ExchangeStorage},
     {C::OutputOff},
     {C::None, 10},
     {C::None, 11},
     {C::OverCurrent},
     {C::ChargerControl},
     {C::SystemError},
     {C::None, 7}},
    true,
};

constexpr FamilyTraits vsTraits = {
    TextKind::Vs,
    {C::MainsPresent,
     C::IpcShutdown,
     C::BufferOperation,
     C::InputVoltageFailure,
     C::BufferNotPossible,
     C::OutputOff,
     C::StorageVeryLow,
     C::ChargeBelow85,
     C::Fuse,
     C::Hiccup,
     C::LifetimeWarning,
     C::ConstantCurrent,
     C::ChargeMonitoring,
     C::None,
     C::None,
     C::None,
     C::None,
     C::None,
     C::None,
     C::IpcIdle,
     C::IpcDelay,
     C::DeviceFlag},
    {{2, 3}, {3, 7}, {8, 10}, {9, 11}, {19, 6}},
    5,
    {0, -1, 66, 67, 132, 78, 114, 62, 0, 0, 61, 63, 0},
    {{C::None, 2},
     {C::IpcShutdown},
     {C::None, 3},
     {C::InputVoltageFailure},
     {C::BufferNotPossible},
     {C::OutputOff},
     {C::StorageVeryLow},
     {C::ChargeBelow85},
     {C::None, 10},
     {C::None, 11},
     {C::LifetimeWarning},
     {C::ConstantCurrent},
     {C::ChargeMonitoring},
     {C::None, 0}},
    false,
};
} // namespace

const FamilyTraits *traitsOf(DeviceFamily family)
{
  switch (family) {
  case DeviceFamily::Vk5A:
  case DeviceFamily::Vk10A:
    return &vkTraits;
  case DeviceFamily::Vt24V:
  case DeviceFamily::Vt12V:
  case DeviceFamily::Vkl10A:
  case DeviceFamily::Vkl20A:
    return &vtTraits;
  case DeviceFamily::Vs:
  case DeviceFamily::Vs5000:
    return &vsTraits;
  case DeviceFamily::None:
    break;
  }
  return nullptr;
}
