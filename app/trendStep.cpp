#include "trendStep.h"

#include "appState.h"

#include <limits>

namespace
{
float hundredths(uint16_t raw)
{
  return static_cast<float>(raw) / 100.0f;
}

// The device sends tenths of a degree Celsius, a negative one as the complement of its magnitude;
// below -50 °C there is no sensor.
float celsius(uint16_t raw)
{
  const bool negative = (raw & 0x8000u) != 0;
  const float magnitude = static_cast<float>(negative ? static_cast<uint16_t>(~raw) : raw) / 10.0f;
  const float value = negative ? -magnitude : magnitude;
  return value < -50.0f ? std::numeric_limits<float>::quiet_NaN() : value;
}

TrendReading readingOf(const RxFields &f, bool storagePresent)
{
  const float none = std::numeric_limits<float>::quiet_NaN();
  TrendReading r;
  r[size_t(TrendValue::inputVoltage)] = hundredths(f.rxField100);
  r[size_t(TrendValue::outputVoltage)] = hundredths(f.rxField101);
  r[size_t(TrendValue::outputCurrent)] = hundredths(f.rxField301);
  r[size_t(TrendValue::storageVoltage)] = storagePresent ? hundredths(f.rxField102[0]) : none;
  r[size_t(TrendValue::storageCurrent)] = storagePresent ? hundredths(f.rxField304) : none;
  r[size_t(TrendValue::temperature)] = celsius(f.rxField1100[0]);
  return r;
}
} // namespace

void runTrendStep(AppState &s, qint64 nowMsecs)
{
  const qint64 second = nowMsecs / 1000;
  if (second == s.trendSampleSecond)
    return;
  s.trendSampleSecond = second;
  // Values count once every request of a whole pass was answered: before that some fields still
  // hold nothing, which would draw a false drop to zero.
  const bool live = s.link.deviceLive() && !s.link.hasStatus(DeviceStatusFlag::offline) &&
                    s.nut.pass == NutServing::Pass::complete;
  if (live)
    s.trends.append(second * 1000, readingOf(s.fields, s.process.storagePresent));
  else
    s.trends.appendGap(second * 1000);
}
