// The trend of the measured values as the trend page draws it: the runs of one value between
// gaps, handed into the page's line series, and the CSV export. The page asks at most once a
// second and only while it is shown.
#pragma once

#include <QObject>
#include <QPointF>
#include <QVariantList>
#include <QVariantMap>
#include <QVector>

class TrendFeed : public QObject
{
  Q_OBJECT

public:
  explicit TrendFeed(QObject *parent = nullptr);

  // The page's texts in the current language: "button", "time", "noData" and "values" (the
  // names with their units, in the order of TrendValue).
  Q_INVOKABLE QVariantMap texts() const;
  // Changes with every sample: the page redraws only when it moved on.
  Q_INVOKABLE double revision() const;
  // Splits value `value` into its unbroken runs and returns how many there are.
  Q_INVOKABLE int prepare(int value);
  // Puts run `run` of the last prepare into `series` (a line series); no run empties it.
  Q_INVOKABLE void fillSeries(int run, QObject *series) const;
  // The axes of the last prepare: [first time, last time, lowest value, highest value], times in
  // milliseconds since the epoch.
  Q_INVOKABLE QVariantList range() const;
  // Writes the trend as CSV into the folder of `folderUrl`, off the GUI thread; the message line
  // tells the outcome.
  Q_INVOKABLE void exportCsv(const QString &folderUrl) const;

private:
  QVector<QVector<QPointF>> runs;
  QVariantList axes;
};
