#include "tickCountdown.h"

void TickCountdown::start(uint32_t n)
{
  count = 0;
  limit = n;
  remaining = n;
  expired = (n == 0);
}

bool TickCountdown::tick()
{
  if (expired)
    return true;
  if (count >= limit) {
    limit = 0;
    count = 0;
    remaining = 0;
    expired = 1;
    return true;
  }
  ++count;
  remaining = limit - count;
  return false;
}

void TickCountdown::clear()
{
  limit = 0;
  count = 0;
  remaining = 0;
}
