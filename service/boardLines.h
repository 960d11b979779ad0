// The controller's boot-select (CBUS2) and reset (CBUS3) lines, driven through the adapter's
// CBUS pins. Some boards wire both lines inverted: the polarity flag turns every level round.
#pragma once

#include "ftdiAdapter.h"
#include "serviceReport.h"

#include <cstdint>

namespace CbusPin
{
constexpr uint8_t bootSelectLevel = 1u << 2;
constexpr uint8_t bootSelectEnable = 1u << 6;
constexpr uint8_t resetLevel = 1u << 3;
constexpr uint8_t resetEnable = 1u << 7;
} // namespace CbusPin

class BoardLines
{
public:
  BoardLines(FtdiAdapter &adapter, bool inverted, const ServiceReport &report)
      : adapter(adapter), inverted(inverted), report(report)
  {
  }

  void bootSelect(bool on);
  // Pulls the reset line for 10 ms and lets the controller start.
  void boardReset();
  // Boot-select on and a reset: the controller starts in its system bootloader.
  void enterBootloader();

private:
  void setLine(uint8_t level, uint8_t enable, bool high);

  FtdiAdapter &adapter;
  bool inverted;
  const ServiceReport &report;
  uint8_t pinByte = 0; // the other pins keep what was last written
};

// Waits for the board's lines to settle; only ever called off the GUI thread.
void settle(int milliseconds);
