#include "trendFeed.h"

#include "appState.h"

#include "storage/eventControlModel.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QSaveFile>
#include <QThreadPool>
#include <QXYSeries>

#include <algorithm>

// Qt 5 keeps the chart classes in a namespace of their own, Qt 6 does not.
namespace QtCharts
{
}
using namespace QtCharts;

namespace
{
constexpr uint8_t fileMessageTicks = 80; // 8 s: long enough to read a file name

QString text(int slot)
{
  return languageText(appState().language, slot);
}

// The value names with their units, in the order of TrendValue.
QStringList valueNames()
{
  return {text(TextSlot::trendInputVoltage) + QStringLiteral(" (V)"),
          text(TextSlot::trendOutputVoltage) + QStringLiteral(" (V)"),
          text(TextSlot::trendOutputCurrent) + QStringLiteral(" (A)"),
          text(TextSlot::trendStorageVoltage) + QStringLiteral(" (V)"),
          text(TextSlot::trendStorageCurrent) + QStringLiteral(" (A)"),
          text(TextSlot::trendTemperature) + QStringLiteral(" (°C)")};
}

QString trendFilePath(const QString &folderUrl, const QDateTime &now)
{
  return QDir(localPathOf(folderUrl))
      .filePath(QStringLiteral("upsTrend_") + now.toString(QStringLiteral("yyyyMMdd_HHmm")) +
                QStringLiteral(".csv"));
}

bool writeFile(const QString &path, const QByteArray &content)
{
  QSaveFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.commit();
}
} // namespace

TrendFeed::TrendFeed(QObject *parent) : QObject(parent) {}

QVariantMap TrendFeed::texts() const
{
  return {{QStringLiteral("button"), text(TextSlot::trendButton)},
          {QStringLiteral("time"), text(TextSlot::trendTime)},
          {QStringLiteral("noData"), text(TextSlot::trendNoData)},
          {QStringLiteral("exportButton"), text(144)},
          {QStringLiteral("values"), valueNames()}};
}

double TrendFeed::revision() const
{
  return static_cast<double>(appState().trends.revision());
}

int TrendFeed::prepare(int value)
{
  const TrendStore &store = appState().trends;
  const TrendValue which = static_cast<TrendValue>(std::clamp(value, 0, trendValueCount - 1));
  runs = store.segments(which);
  double low = 0, high = 0;
  bool any = false;
  for (const QVector<QPointF> &run : qAsConst(runs)) {
    for (const QPointF &p : run) {
      low = any ? std::min(low, p.y()) : p.y();
      high = any ? std::max(high, p.y()) : p.y();
      any = true;
    }
  }
  // A flat line sits in the middle of the chart, not on its edge.
  const double margin = any && high > low ? (high - low) * 0.1 : 1.0;
  const qint64 now = QDateTime::currentMSecsSinceEpoch();
  const qint64 first = store.size() > 0 ? store.timeAt(0) : now - 60000;
  const qint64 last = store.size() > 0 ? store.timeAt(store.size() - 1) : now;
  // Values that never go below zero get no negative part of the axis.
  const double bottom = low >= 0 ? std::max(0.0, low - margin) : low - margin;
  axes = {double(first), double(std::max(last, first + 60000)), bottom, high + margin};
  return runs.size();
}

void TrendFeed::fillSeries(int run, QObject *series) const
{
  auto *line = qobject_cast<QXYSeries *>(series);
  if (!line)
    return;
  line->replace(run >= 0 && run < runs.size() ? runs[run] : QVector<QPointF>());
}

QVariantList TrendFeed::range() const
{
  return axes;
}

void TrendFeed::exportCsv(const QString &folderUrl) const
{
  QStringList headers = valueNames();
  headers.prepend(text(TextSlot::trendTime));
  // The text is made here, from the store as it is now; only the write waits for the disk.
  const QByteArray content = appState().trends.csv(headers);
  const QString target = trendFilePath(folderUrl, QDateTime::currentDateTime());
  QThreadPool::globalInstance()->start([content, target] {
    const bool written = writeFile(target, content);
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [written, target] {
          AppState &s = appState();
          postMessage(
              s.loop.message,
              languageText(s.language, written ? TextSlot::trendExported : TextSlot::trendExportFailed)
                  .arg(QDir::toNativeSeparators(target)),
              fileMessageTicks);
        },
        Qt::QueuedConnection);
  });
}
