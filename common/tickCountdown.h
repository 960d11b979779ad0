// A countdown measured in main-loop ticks (100 ms each).
#pragma once

#include <cstdint>

struct TickCountdown {
  uint32_t limit = 0;
  uint32_t count = 0;
  uint32_t remaining = 0;
  uint32_t expired = 0;

  // Arms the countdown for n ticks; n == 0 is expired at once.
  void start(uint32_t n);
  // Counts one tick; true once the countdown has run out (and on every tick after that).
  bool tick();
  // Stops counting; the expired mark is kept, so a cleared countdown reports expiry on its next tick().
  void clear();
};
