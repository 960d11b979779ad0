// The measured values of the last hour, one sample a second, kept in memory from the start of the
// program. A fixed ring per value: appending never allocates. A sample taken while the link was
// down is a gap; readers never join the points on either side of one.
#pragma once

#include <QByteArray>
#include <QPointF>
#include <QStringList>
#include <QVector>

#include <array>
#include <cstdint>
#include <vector>

enum class TrendValue {
  inputVoltage,
  outputVoltage,
  outputCurrent,
  storageVoltage,
  storageCurrent,
  temperature,
};
constexpr int trendValueCount = 6;

// One reading of all values; NaN where the device does not report a value.
using TrendReading = std::array<float, trendValueCount>;

class TrendStore
{
public:
  static constexpr int hourOfSeconds = 3600;

  explicit TrendStore(int capacity = hourOfSeconds);

  void append(qint64 msecsSinceEpoch, const TrendReading &reading);
  void appendGap(qint64 msecsSinceEpoch);
  void clear();

  int size() const { return count; }
  int capacity() const { return static_cast<int>(times.size()); }
  // Sample i, oldest first.
  qint64 timeAt(int i) const { return times[slot(i)]; }
  float valueAt(TrendValue value, int i) const;
  bool isGap(int i) const { return gaps[slot(i)] != 0; }
  // Bumped by every append: a reader redraws only when it changed.
  uint64_t revision() const { return appended; }

  // The unbroken runs of one value as (msecs since epoch, value) points, oldest first: a gap or
  // a missing value ends a run.
  QVector<QVector<QPointF>> segments(TrendValue value) const;

  // The whole store as CSV: a header of `headers` (time first, then one per value), one line per
  // sample, times as "yyyy-MM-dd HH:mm:ss" local time, empty fields where there is no value.
  QByteArray csv(const QStringList &headers) const;

private:
  int slot(int i) const { return static_cast<int>((first + i) % times.size()); }
  void push(qint64 msecs, const TrendReading &reading, bool gap);

  std::vector<qint64> times;
  std::array<std::vector<float>, trendValueCount> values;
  std::vector<uint8_t> gaps;
  size_t first = 0; // slot of the oldest sample
  int count = 0;
  uint64_t appended = 0;
};
