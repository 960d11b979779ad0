#include "trendStore.h"

#include <QDateTime>

#include <cmath>
#include <limits>

TrendStore::TrendStore(int capacity) : times(static_cast<size_t>(std::max(1, capacity))), gaps(times.size())
{
  for (std::vector<float> &v : values)
    v.resize(times.size());
}

void TrendStore::push(qint64 msecs, const TrendReading &reading, bool gap)
{
  size_t at;
  if (count < capacity()) {
    at = (first + static_cast<size_t>(count)) % times.size();
    ++count;
  } else {
    at = first; // the oldest sample makes room
    first = (first + 1) % times.size();
  }
  times[at] = msecs;
  gaps[at] = gap ? 1 : 0;
  for (int k = 0; k < trendValueCount; ++k)
    values[static_cast<size_t>(k)][at] = reading[static_cast<size_t>(k)];
  ++appended;
}

void TrendStore::append(qint64 msecsSinceEpoch, const TrendReading &reading)
{
  push(msecsSinceEpoch, reading, false);
}

void TrendStore::appendGap(qint64 msecsSinceEpoch)
{
  TrendReading none;
  none.fill(std::numeric_limits<float>::quiet_NaN());
  push(msecsSinceEpoch, none, true);
}

void TrendStore::clear()
{
  first = 0;
  count = 0;
  ++appended;
}

float TrendStore::valueAt(TrendValue value, int i) const
{
  return values[static_cast<size_t>(value)][static_cast<size_t>(slot(i))];
}

QVector<QVector<QPointF>> TrendStore::segments(TrendValue value) const
{
  QVector<QVector<QPointF>> runs;
  bool open = false;
  for (int i = 0; i < count; ++i) {
    const float v = valueAt(value, i);
    if (isGap(i) || std::isnan(v)) {
      open = false;
      continue;
    }
    if (!open) {
      runs.append(QVector<QPointF>());
      open = true;
    }
    runs.last().append(QPointF(static_cast<qreal>(timeAt(i)), static_cast<qreal>(v)));
  }
  return runs;
}

QByteArray TrendStore::csv(const QStringList &headers) const
{
  QByteArray out;
  out.reserve(count * 48 + 128);
  out += headers.join(QLatin1Char(';')).toUtf8();
  out += "\n";
  for (int i = 0; i < count; ++i) {
    out += QDateTime::fromMSecsSinceEpoch(timeAt(i)).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toUtf8();
    for (int k = 0; k < trendValueCount; ++k) {
      out += ';';
      const float v = valueAt(static_cast<TrendValue>(k), i);
      if (!isGap(i) && !std::isnan(v))
        out += QByteArray::number(static_cast<double>(v), 'f', k == int(TrendValue::temperature) ? 1 : 2);
    }
    out += "\n";
  }
  return out;
}
