// Flags that describe the state of the device link.
#pragma once

#include <cstdint>

namespace LinkFlag
{
constexpr uint8_t portSuspended = 1u << 0;    // port closed (at start and whenever it is closed)
constexpr uint8_t autoDetect = 1u << 1;       // automatic device detection on
constexpr uint8_t deviceIdentified = 1u << 3; // the device answered with a known model
constexpr uint8_t awaitingFirstAnswer = 1u << 4;
constexpr uint8_t linkLostShown = 1u << 5;
// The link came back after a loss: until the device has told its model again, it may be another
// one, and nothing it sends is taken as the identified device's data.
constexpr uint8_t identityCheck = 1u << 6;
} // namespace LinkFlag

namespace DeviceStatusFlag
{
constexpr uint8_t offline = 1u << 0;     // no live device data: the chosen model is shown offline
constexpr uint8_t modelChosen = 1u << 1; // a model was chosen on the start page
constexpr uint8_t skipNextIdentification = 1u << 2;
} // namespace DeviceStatusFlag

struct LinkState {
  uint8_t linkFlags = 0;
  uint8_t deviceStatusFlags = 0;
  bool adapterTaken = false;   // the FTDI refresh took the port's adapter
  bool configuring = false;    // the port is being reconfigured: nothing is sent
  bool receiving = false;      // guards the receive slot against re-entry
  uint32_t highSpeedTrial = 0; // 1: the link runs at 115200 Bd, 0: at 9600 Bd
  uint8_t txSinceRx = 0;       // frames sent since the last valid answer
  uint8_t retryLevel = 0;      // consecutive link losses, up to 4

  bool has(uint8_t flag) const { return (linkFlags & flag) != 0; }
  // The device is identified and answering: its data is live. A loss counts from the first
  // frames that went unanswered, a closed port at once.
  bool deviceLive() const
  {
    return !has(LinkFlag::portSuspended) && has(LinkFlag::deviceIdentified) &&
           !has(LinkFlag::identityCheck) && retryLevel == 0;
  }
  // The device's answers belong to the identified model.
  bool identityConfirmed() const { return has(LinkFlag::deviceIdentified) && !has(LinkFlag::identityCheck); }
  // The device behind the port may have changed: until it tells its model again, nothing it sends
  // counts as the identified device's.
  void beginIdentityCheck()
  {
    if (has(LinkFlag::deviceIdentified))
      set(LinkFlag::identityCheck, true);
  }
  void set(uint8_t flag, bool on) { linkFlags = on ? (linkFlags | flag) : (linkFlags & ~flag); }
  bool hasStatus(uint8_t flag) const { return (deviceStatusFlags & flag) != 0; }
  void setStatus(uint8_t flag, bool on)
  {
    deviceStatusFlags = on ? (deviceStatusFlags | flag) : (deviceStatusFlags & ~flag);
  }
};
